#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>

// Notepad starts the first text editor of its list that the PATH holds. The PATH
// holds only stand-in editors here: scripts that write down their name and how
// many arguments they were given.
class TestNotepad : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("PATH", QFile::encodeName(m_dir->path()));
        m_recorder = std::make_unique<MessageRecorder>();
        m_window = showMainWindow();
    }
    void cleanup()
    {
        m_window.reset();
        m_recorder.reset();
        qputenv("PATH", m_savedPath);
    }
    void startsTheFirstEditorOfTheListWithoutArguments();
    void noEditorOnThePath();
    void editorThatCannotStart();

private:
    void addStandIn(const QString &name, const QString &interpreter = QStringLiteral("/bin/sh"));
    QString mark() const { return m_dir->filePath(QStringLiteral("started")); }

    const QByteArray m_savedPath = qgetenv("PATH");
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MessageRecorder> m_recorder;
    std::unique_ptr<FrmMain> m_window;
};

void TestNotepad::addStandIn(const QString &name, const QString &interpreter)
{
    QFile script(m_dir->filePath(name));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!%1\necho \"%2 $#\" > '%3'\n")
                     .arg(interpreter, name, mark())
                     .toLocal8Bit());
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

void TestNotepad::startsTheFirstEditorOfTheListWithoutArguments()
{
    // The list decides, not the alphabet: kwrite comes before kate there.
    for (const char *name : {"xed", "kate", "kwrite"})
        addStandIn(QString::fromLatin1(name));
    pressKey(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(m_recorder->boxes().isEmpty());
    // The editor runs on its own: its mark appears some time after the command.
    const auto started = [this] {
        QFile file(mark());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE_WITH_TIMEOUT(started(), QByteArray("kwrite 0\n"), 10000);
}

void TestNotepad::noEditorOnThePath()
{
    pressKey(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_recorder->boxes().size(), 1);
    const MessageRecorder::Event box = m_recorder->boxes().first();
    QCOMPARE(box.text, QStringLiteral("NotePad is not loaded! No text editor was found on the PATH "
                                      "(looked for gnome-text-editor, gedit, kwrite, kate, "
                                      "mousepad, pluma, xed, featherpad, leafpad)."));
    QCOMPARE(box.icon, platform::MsgIcon::Information);
    QCOMPARE(box.title, QStringLiteral("voxtrel.org"));
}

void TestNotepad::editorThatCannotStart()
{
    addStandIn(QStringLiteral("kate"), m_dir->filePath(QStringLiteral("no-such-shell")));
    pressKey(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(m_recorder->boxes().size(), 1);
    const MessageRecorder::Event box = m_recorder->boxes().first();
    // The system's reason, in its own words, follows the program's.
    QVERIFY2(box.text.startsWith(QStringLiteral("NotePad is not loaded! ")) &&
                 box.text.contains(QStringLiteral("No such file or directory")),
             qPrintable(box.text));
    QCOMPARE(box.icon, platform::MsgIcon::Information);
    QVERIFY(!QFile::exists(mark()));
}

QTEST_MAIN(TestNotepad)
#include "tst_notepad.moc"
