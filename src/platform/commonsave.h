#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

namespace platform {

// The save-file dialog as a component that keeps its settings and the chosen file
// name from one use to the next, for the rest of the run. It shows Qt's file
// dialog in save mode; a desktop's own dialog takes its place where the platform
// theme brings one.
class CommonSave
{
public:
    // Chooses the file in place of the dialog (nullopt for cancel), as the benchmarks and
    // the tests that are not about the dialog do; an empty function shows the dialog.
    using Chooser = std::function<std::optional<QString>(const CommonSave &)>;
    explicit CommonSave(Chooser chooser = {}) : m_chooser(std::move(chooser)) {}

    // Flag: ask before replacing a file that exists.
    static constexpr int OverwritePrompt = 2;

    // With the cancel error on, a cancelled dialog makes showSave() return false.
    void setCancelError(bool on) { m_cancelError = on; }
    void setFlags(int flags) { m_flags = flags; }
    // Added, after a dot, to a typed name that has no extension.
    void setDefaultExt(const QString &extension) { m_defaultExt = extension; }
    // Pairs of description and pattern, all separated by "|", as in
    // "Text files|*.TXT"; several patterns of one pair are separated by ";".
    void setFilter(const QString &filter) { m_filter = filter; }
    QString fileName() const { return m_fileName; }

    // Lets the user choose a file to save to, from the second use on proposing
    // the file chosen last. Returns false if the user cancels and the cancel
    // error is on; a cancelled dialog leaves fileName() as it was.
    bool showSave(QWidget *parent);

    // The filter as Qt's file dialog takes it: {"Text files (*.TXT)"}.
    QStringList nameFilters() const;

private:
    std::optional<QString> chooseInDialog(QWidget *parent) const;

    Chooser m_chooser;
    bool m_cancelError = false;
    int m_flags = 0;
    QString m_defaultExt;
    QString m_filter;
    QString m_fileName;
};

} // namespace platform
