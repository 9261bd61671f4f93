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

QStringList decimalBlock(const QString &decimal, const QString &hex, const QString &binary)
{
    return {"The result from Decimal is:", "Decimal   " + decimal, "Hex          " + hex,
            "Binary      " + binary, QString(80, u'-')};
}

const QStringList block255 = decimalBlock("255", "FF", "11111111");

QByteArray savedFile(const QStringList &entries)
{
    QByteArray bytes = "\"Thank you for using Voxtrel\"\r\n";
    for (const QString &entry : entries)
        bytes += '"' + entry.toLatin1() + "\"\r\n";
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

// Answers the next modal dialog of type T, which blocks the test meanwhile, once it
// is shown and active: keys typed before reach a field without the focus.
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

void cancelFileDialog()
{
    whenShown<QFileDialog>([](QFileDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
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
    if (!QTest::qWaitFor([save] { return save->isEnabled(); })) {
        qWarning("the save dialog's Save button stayed disabled: cancelled");
        return QTest::keyClick(dialog, Qt::Key_Escape);
    }
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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_recorder = std::make_unique<MessageRecorder>();
        m_window = showMainWindow();
        m_list = control<QListWidget>(m_window.get(), "lstResult");
        m_clipboard = copied();
    }
    void cleanup()
    {
        QGuiApplication::clipboard()->setText(m_clipboard);
        platform::CommonSave::setChooser({});
        m_window.reset();
        m_recorder.reset();
        m_dir.reset();
    }
    void savedFileIsExact_data();
    void savedFileIsExact();
    void cancelTouchesNothingAndTheLastFileIsProposed();
    void failedWriteKeepsTheOldFile();
    void copyTakesTheSelectedEntries_data();
    void copyTakesTheSelectedEntries();
    void copyOfAFullListIsWhole();

private:
    void saveAs()
    {
        activate(m_window.get());
        pressKey(Qt::Key_S, Qt::ControlModifier);
    }
    void addDecimal(const QString &number);
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList filesInDir() const
    {
        return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden);
    }
    QString copied() const { return QGuiApplication::clipboard()->text(); }
    QString txtTemp() const { return control<QLineEdit>(m_window.get(), "txtTemp")->text(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MessageRecorder> m_recorder;
    std::unique_ptr<FrmMain> m_window;
    QListWidget *m_list = nullptr;
    // Whatever the clipboard held before the test.
    QString m_clipboard;
};

void TestExport::addDecimal(const QString &number)
{
    activate(m_window.get());
    auto *field = control<QLineEdit>(m_window.get(), "txtDecimal");
    field->clear();
    field->setFocus();
    typeKeys(number);
    pressKey(Qt::Key_F2);
}

void TestExport::savedFileIsExact_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *name, const char *number, const char *typed, const char *saved,
                        const QByteArray &old, bool confirm, const QByteArray &expected) {
        QTest::newRow(name) << QString(number) << QString(typed) << QString(saved) << old << confirm
                            << expected;
    };
    const QByteArray old(4000, 'x');
    row("empty list", "", "results", "results.TXT", {}, false, savedFile({}));
    row("one block, trailing spaces kept", "255", "results", "results.TXT", {}, false,
        savedFile(block255));
    row("another extension is kept", "", "notes.log", "notes.log", {}, false, savedFile({}));
    row("replacing a file, confirmed", "255", "results", "results.TXT", old, true,
        savedFile(block255));
    row("replacing a file, declined, then cancelled", "255", "results", "results.TXT", old, false,
        old);
}

void TestExport::savedFileIsExact()
{
    QFETCH(QString, number);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    QFETCH(QByteArray, old);
    QFETCH(bool, confirm);
    QFETCH(QByteArray, expected);
    if (!old.isNull())
        QVERIFY(writeFile(path(saved), old));
    if (!number.isEmpty())
        addDecimal(number);
    bool asked = false;
    typeFileName(path(typed));
    if (!old.isNull()) {
        whenShown<QMessageBox>([&](QMessageBox *box) {
            asked = true;
            box->button(confirm ? QMessageBox::Yes : QMessageBox::No)->click();
            if (!confirm)
                cancelFileDialog();
        });
    }
    saveAs();
    QCOMPARE(asked, !old.isNull());
    QCOMPARE(filesInDir(), QStringList{saved});
    QCOMPARE(contents(path(saved)), expected);
    QVERIFY(m_recorder->boxes().isEmpty());
}

void TestExport::cancelTouchesNothingAndTheLastFileIsProposed()
{
    const QString first = path(QStringLiteral("first.TXT"));
    typeFileName(path(QStringLiteral("first")));
    saveAs();
    addDecimal(QStringLiteral("255"));
    cancelFileDialog();
    saveAs();
    QCOMPARE(filesInDir(), QStringList{"first.TXT"});
    QCOMPARE(contents(first), savedFile({}));
    QVERIFY(m_recorder->boxes().isEmpty());

    QString proposed;
    QStringList filters;
    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        proposed = QDir(dialog->directory()).filePath(fileNameEdit(dialog)->text());
        filters = dialog->nameFilters();
        whenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Yes)->click(); });
        pressEnterWhenReady(dialog);
    });
    saveAs();
    QCOMPARE(proposed, first);
    QCOMPARE(filters, QStringList{"Text files (*.TXT)"});
    QCOMPARE(contents(first), savedFile(block255));
}

void TestExport::failedWriteKeepsTheOldFile()
{
    const QString kept = path(QStringLiteral("kept.TXT"));
    const QByteArray old = "\"earlier results\"\r\n";
    QVERIFY(writeFile(kept, old));
    addDecimal(QStringLiteral("255"));
    platform::CommonSave::setChooser([&](const platform::CommonSave &) { return kept; });
    // The new file is about 200 bytes: a file-size limit stops its write part of the
    // way, as a full disk does.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    saveAs();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(contents(kept), old);
    QCOMPARE(filesInDir(), QStringList{"kept.TXT"});
    QCOMPARE(m_recorder->boxes().size(), 1);
    const MessageRecorder::Event box = m_recorder->boxes().first();
    QCOMPARE(box.icon, platform::MsgIcon::Critical);
    QCOMPARE(box.title, QStringLiteral("voxtrel.org"));
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(kept)), qPrintable(box.text));
    QVERIFY2(box.text.contains(QStringLiteral("File too large")), qPrintable(box.text));
}

void TestExport::copyTakesTheSelectedEntries_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing selected") << QList<int>{} << false << "";
    QTest::newRow("third entry") << QList<int>{2} << false << "\r\nHex          1";
    QTest::newRow("two entries, in list order, not selection order")
        << QList<int>{6, 1} << false << "\r\nDecimal   1\r\nDecimal   2";
    QTest::newRow("select all after one")
        << QList<int>{3} << true
        << "\r\n" + (decimalBlock("1", "1", "0001") + decimalBlock("2", "2", "0010")).join("\r\n");
}

void TestExport::copyTakesTheSelectedEntries()
{
    QFETCH(QList<int>, selected);
    QFETCH(bool, selectAll);
    QFETCH(QString, expected);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    addDecimal(QStringLiteral("1"));
    addDecimal(QStringLiteral("2"));
    for (int row : selected)
        m_list->item(row)->setSelected(true);
    if (selectAll)
        pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(copied(), expected);
    QCOMPARE(txtTemp(), expected);
}

void TestExport::copyOfAFullListIsWhole()
{
    QStringList entries;
    for (int i = 0; i < 32765; ++i)
        entries.append(QStringLiteral("entry %1 of a full list").arg(i));
    m_list->addItems(entries);
    pressKey(Qt::Key_F2); // enables Select All and Copy; the list is full, so nothing is added
    m_list->setFocus();
    pressKey(Qt::Key_A, Qt::ControlModifier);
    pressKey(Qt::Key_C, Qt::ControlModifier);
    // About a megabyte: compared without printing it.
    const QString expected = QStringLiteral("\r\n") + entries.join(QStringLiteral("\r\n"));
    QCOMPARE(copied().size(), expected.size());
    QVERIFY(copied() == expected);
    QVERIFY(txtTemp() == expected);
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
