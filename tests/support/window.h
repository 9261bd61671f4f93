#pragma once

#include "app/frmmain.h"
#include "platform/services.h"
#ifndef Q_OS_WIN
#include "platform/memoryregistry.h"
#endif

#include <QTemporaryDir>
#include <QTest>

#include <functional>

// The main window as a user meets it, shown and active, with a folder of its own ("~") for
// files; boxes, beeps and an end of the process are recorded as events. The story language
// that drives it, and what it shows, is described in full in docs/testing.md, "The story language".
class Window : public platform::Notifier
{
public:
    Window();
    ~Window() override { qputenv("PATH", m_path); }
    void msgBox(const QString &text, platform::MsgIcon icon, const QString &title) override;
    void beep() override { events.append(QStringLiteral("beep")); }

    // Runs "keys => expected >> keys => expected ...".
    void run(const QString &steps);
    void keys(const QString &sequence);

    // Where no events are expected, the process must not have ended.
    void check(const QString &expected) const;
    QString show(const QString &aspect) const;
    // The labels, as show("labels"), that the text of the shown entry field must bring
    // (in binary: once calculated), worked out without the program's translation code;
    // those before where the text cannot be read.
    QString reference(const QString &before) const;

    QStringList events;
    // Events that no "events=" of the story has named so far.
    QStringList unnamedEvents() const { return events.mid(m_named); }

private:
#ifdef Q_OS_WIN // Windows' own, with a key of the test's own as HKEY_LOCAL_MACHINE (see Window)
    const std::unique_ptr<platform::registry::Registry> m_registry =
        platform::registry::systemRegistry();
#else
    const std::unique_ptr<platform::registry::MemoryRegistry> m_registry =
        std::make_unique<platform::registry::MemoryRegistry>();
#endif

public:
    platform::Services services{
        *this, [this](int status) { events << QStringLiteral("end %1").arg(status); },
        {},    *m_registry,
        {},    platform::openDefaultPrinter};
    FrmMain frm{services};

private:
    void answerFileDialog(const QString &name, const QString &replace);

    QTemporaryDir m_dir;
    QByteArray m_path = qgetenv("PATH");
    QString m_proposed;
    bool m_closeOnBox = false;
    mutable qsizetype m_named = 0;
};
