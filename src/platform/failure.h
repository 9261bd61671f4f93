#pragma once

#include <QString>

#include <stdexcept>

// A platform service that could not do what it was asked, carrying the system's own
// description of why. Handlers that trap failures catch this one type.
namespace platform {

class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString &description)
        : std::runtime_error(description.toStdString()), m_description(description)
    {}
    QString description() const { return m_description; }

private:
    QString m_description;
};

} // namespace platform
