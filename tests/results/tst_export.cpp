#include "support/testsupport.h"

#include "platform/commonsave.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <sys/resource.h>

namespace {

const QByteArray rule(80, '-');

QByteArray savedFile(const QList<QByteArray> &entries)
{
    QByteArray bytes = "\"Thank you for using Voxtrel\"\r\n";
    for (const QByteArray &entry : entries)
        bytes += '"' + entry + "\"\r\n";
    return bytes + "\"Please visit https://voxtrel.org\"\r\n";
}

// Makes window the active one, as the window manager would, and waits until the
// widgets know: until then keys go to the focus of the window active before.
// Without a window manager nothing activates a window again after a dialog closed.
void activate(QWidget *window)
{
    window->activateWindow();
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
        qWarning("%s did not become active", qPrintable(window->objectName()));
}

// Answers the next modal dialog of type T once it is shown and active (keys typed
// before reach a field without the focus, and a file dialog then takes each folder
// named on the way for a selected file); the command that opened it blocks the
// test meanwhile.
template <typename T> void whenShown(std::function<void(T *)> answer)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        activate(dialog);
        answer(dialog);
    });
    poll->start(10);
}

QLineEdit *fileNameEdit(QFileDialog *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
}

// The dialog takes Enter only once its Save button is enabled, which waits for its
// look at the folder, made on a thread of its own.
void pressEnterWhenReady(QFileDialog *dialog)
{
    const QPushButton *save =
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save);
    if (!QTest::qWaitFor([save] { return save->isEnabled(); }))
        qWarning("the save dialog's Save button stayed disabled");
    QTest::keyClick(fileNameEdit(dialog), Qt::Key_Return);
}

// Types path into the save dialog as the user does and presses Enter. The path is
// whole: the dialog opens where the last one of the run was left. Completion is
// off, as its pop-up would take the Enter.
void typeFileName(const QString &path)
{
    whenShown<QFileDialog>([path](QFileDialog *dialog) {
        QLineEdit *edit = fileNameEdit(dialog);
        edit->setCompleter(nullptr);
        edit->clear();
        QTest::keyClicks(edit, path);
        pressEnterWhenReady(dialog);
    });
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Keeps whatever the clipboard held before the test.
class ClipboardGuard
{
public:
    ClipboardGuard() : m_text(QGuiApplication::clipboard()->text()) {}
    ~ClipboardGuard() { QGuiApplication::clipboard()->setText(m_text); }

private:
    QString m_text;
};

// Makes every write past `bytes` fail as a full disk does, for as long as it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_saved.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void savedFileIsExact_data();
    void savedFileIsExact();
    void typedExtensionIsKept();
    void existingFileIsReplacedOnlyAfterConfirming_data();
    void existingFileIsReplacedOnlyAfterConfirming();
    void cancelTouchesNothing();
    void secondSaveProposesTheLastFile();
    void failedWriteKeepsTheOldFile();
    void saveIntoMissingFolderFails();

    void copyTakesTheSelectedEntries_data();
    void copyTakesTheSelectedEntries();
    void copyOfAFullListIsWhole();

private:
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void addDecimal(const QString &number);
    QStringList filesInDir() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MessageRecorder> m_recorder;
    std::unique_ptr<FrmMain> m_window;
    QListWidget *m_list = nullptr;
};

void TestExport::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_recorder = std::make_unique<MessageRecorder>();
    m_window = showMainWindow();
    m_list = control<QListWidget>(m_window.get(), "lstResult");
}

void TestExport::cleanup()
{
    platform::CommonSave::setChooser({});
    m_window.reset();
    m_recorder.reset();
    m_dir.reset();
}

void TestExport::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    activate(m_window.get());
    pressKey(key, modifiers);
}

void TestExport::addDecimal(const QString &number)
{
    activate(m_window.get());
    control<QLineEdit>(m_window.get(), "txtDecimal")->setFocus();
    typeKeys(number);
    pressKey(Qt::Key_F2);
}

QStringList TestExport::filesInDir() const
{
    return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
}

void TestExport::savedFileIsExact_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty list") << "" << savedFile({});
    QTest::newRow("one block, trailing spaces kept")
        << "255"
        << savedFile({"The result from Decimal is:", "Decimal   255", "Hex          FF",
                      "Binary      11111111", rule});
}

void TestExport::savedFileIsExact()
{
    QFETCH(QString, number);
    QFETCH(QByteArray, expected);
    if (!number.isEmpty())
        addDecimal(number);
    typeFileName(m_dir->filePath(QStringLiteral("results")));
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(filesInDir(), QStringList{"results.TXT"});
    QCOMPARE(contents(m_dir->filePath(QStringLiteral("results.TXT"))), expected);
    QVERIFY(m_recorder->boxes().isEmpty());
}

void TestExport::typedExtensionIsKept()
{
    typeFileName(m_dir->filePath(QStringLiteral("notes.log")));
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(filesInDir(), QStringList{"notes.log"});
}

void TestExport::existingFileIsReplacedOnlyAfterConfirming_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("declined, then cancelled") << false;
}

void TestExport::existingFileIsReplacedOnlyAfterConfirming()
{
    QFETCH(bool, confirm);
    const QString path = m_dir->filePath(QStringLiteral("results.TXT"));
    const QByteArray old(4000, 'x');
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    addDecimal(QStringLiteral("255"));
    bool asked = false;
    typeFileName(m_dir->filePath(QStringLiteral("results")));
    whenShown<QMessageBox>([&](QMessageBox *box) {
        asked = true;
        box->button(confirm ? QMessageBox::Yes : QMessageBox::No)->click();
        if (!confirm) {
            whenShown<QFileDialog>(
                [](QFileDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        }
    });
    press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(asked);
    QCOMPARE(contents(path), confirm ? savedFile({"The result from Decimal is:", "Decimal   255",
                                                  "Hex          FF", "Binary      11111111", rule})
                                     : old);
    QCOMPARE(filesInDir(), QStringList{"results.TXT"});
}

void TestExport::cancelTouchesNothing()
{
    addDecimal(QStringLiteral("1"));
    whenShown<QFileDialog>([](QFileDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(filesInDir().isEmpty());
    QVERIFY(m_recorder->boxes().isEmpty());
}

void TestExport::secondSaveProposesTheLastFile()
{
    typeFileName(m_dir->filePath(QStringLiteral("first")));
    press(Qt::Key_S, Qt::ControlModifier);
    addDecimal(QStringLiteral("9"));

    QString proposed;
    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        proposed = QDir(dialog->directory()).filePath(fileNameEdit(dialog)->text());
        whenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
        pressEnterWhenReady(dialog);
    });
    press(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(proposed, m_dir->filePath(QStringLiteral("first.TXT")));
    QCOMPARE(filesInDir(), QStringList{"first.TXT"});
    QVERIFY(contents(proposed).contains("Decimal   9"));
}

void TestExport::failedWriteKeepsTheOldFile()
{
    const QString path = m_dir->filePath(QStringLiteral("kept.TXT"));
    const QByteArray old = "\"earlier results\"\r\n";
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    addDecimal(QStringLiteral("255"));
    platform::CommonSave::setChooser([&](const platform::CommonSave &) { return path; });
    {
        // The new file is about 200 bytes: its write stops part of the way, as on a full disk.
        const FileSizeLimit limit(64);
        press(Qt::Key_S, Qt::ControlModifier);
    }
    QCOMPARE(contents(path), old);
    QCOMPARE(filesInDir(), QStringList{"kept.TXT"});
    QCOMPARE(m_recorder->boxes().size(), 1);
    const MessageRecorder::Event box = m_recorder->boxes().first();
    QCOMPARE(box.icon, platform::MsgIcon::Critical);
    QCOMPARE(box.title, QStringLiteral("voxtrel.org"));
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(path)), qPrintable(box.text));
    QVERIFY2(box.text.contains(QStringLiteral("File too large")), qPrintable(box.text));
}

void TestExport::saveIntoMissingFolderFails()
{
    const QString path = m_dir->filePath(QStringLiteral("missing/results.TXT"));
    platform::CommonSave::setChooser([&](const platform::CommonSave &) { return path; });
    press(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QDir(m_dir->path()).isEmpty());
    QCOMPARE(m_recorder->boxes().size(), 1);
    QVERIFY2(m_recorder->boxes().first().text.contains(QDir::toNativeSeparators(path)),
             qPrintable(m_recorder->boxes().first().text));
}

void TestExport::copyTakesTheSelectedEntries_data()
{
    QTest::addColumn<QList<int>>("clicked");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("expected");
    const QString block2 = "\r\nThe result from Decimal is:\r\nDecimal   2\r\nHex          2"
                           "\r\nBinary      0010\r\n" +
                           QString(80, u'-');
    QTest::newRow("nothing selected") << QList<int>{} << false << "";
    QTest::newRow("third entry") << QList<int>{2} << false << "\r\nHex          1";
    QTest::newRow("two entries, in list order, not click order")
        << QList<int>{6, 1} << false << "\r\nDecimal   1\r\nDecimal   2";
    QTest::newRow("select all after one")
        << QList<int>{3} << true
        << "\r\nThe result from Decimal is:\r\nDecimal   1\r\nHex          1\r\nBinary      0001"
           "\r\n" +
               QString(80, u'-') + block2;
}

void TestExport::copyTakesTheSelectedEntries()
{
    QFETCH(QList<int>, clicked);
    QFETCH(bool, selectAll);
    QFETCH(QString, expected);
    const ClipboardGuard guard;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    addDecimal(QStringLiteral("1"));
    control<QLineEdit>(m_window.get(), "txtDecimal")->clear();
    addDecimal(QStringLiteral("2"));
    for (int row : clicked) {
        m_list->scrollToItem(m_list->item(row));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          m_list->visualItemRect(m_list->item(row)).center());
    }
    if (selectAll)
        pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    QCOMPARE(control<QLineEdit>(m_window.get(), "txtTemp")->text(), expected);
}

void TestExport::copyOfAFullListIsWhole()
{
    const ClipboardGuard guard;
    QStringList entries;
    for (int i = 0; i < 32765; ++i)
        entries.append(QStringLiteral("entry %1 of a full list").arg(i));
    m_list->addItems(entries);
    pressKey(Qt::Key_F2); // enables Select All and Copy; the list is full, so nothing is added
    m_list->setFocus();
    pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_C, Qt::ControlModifier);
    const QString expected = QStringLiteral("\r\n") + entries.join(QStringLiteral("\r\n"));
    QCOMPARE(QGuiApplication::clipboard()->text().size(), expected.size());
    QVERIFY(QGuiApplication::clipboard()->text() == expected);
    QVERIFY(control<QLineEdit>(m_window.get(), "txtTemp")->text() == expected);
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
