#include "about/helpfile.h"
#include "platform/failure.h"
#include "platform/helpviewer.h"
#include "support/testsupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextTable>

// Help > Contents and F1: the setting, the help window and the manual it shows.
class TestHelpContents : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_window = showMainWindow(); }
    void cleanup()
    {
        m_window.reset();
        about::setHelpFile({});
    }

    void emptySettingSaysThereIsNoHelp();
    void showsTheManualAtItsContents();
    void missingFileIsTheViewersComplaint();
    void manualListsEveryMenuItem();
    void viewerRefusesCallsItCannotServe();

private:
    QWidget *helpWindow() const { return m_window->findChild<QWidget *>("frmHelp"); }
    QTextBrowser *browser() const { return m_window->findChild<QTextBrowser *>(); }
    // F1 in the main window, brought to the front first as the user would.
    void pressF1()
    {
        m_window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), m_window.get());
        pressKey(Qt::Key_F1);
    }

    std::unique_ptr<FrmMain> m_window;
};

void TestHelpContents::emptySettingSaysThereIsNoHelp()
{
    MessageRecorder recorder;
    pressF1();
    QCOMPARE(recorder.events.size(), 1);
    const MessageRecorder::Event box = recorder.events.first();
    QCOMPARE(box.text, QStringLiteral("Unable to display Help Contents. There is no Help "
                                      "associated with this project."));
    QCOMPARE(box.icon, platform::MsgIcon::Information);
    QCOMPARE(box.title, QStringLiteral("Quindle"));
    QVERIFY(!helpWindow());
}

void TestHelpContents::showsTheManualAtItsContents()
{
    about::setHelpFile(QStringLiteral(VOXTREL_MANUAL));
    typeKeys(QStringLiteral("255"));
    MessageRecorder recorder;
    pressF1();
    QWidget *help = helpWindow();
    QVERIFY(help);
    QCOMPARE(help->parentWidget(), m_window.get());
    QVERIFY(help->isWindow() && help->isVisible());
    QCOMPARE(help->windowModality(), Qt::NonModal);
    QCOMPARE(help->windowTitle(), QStringLiteral("Quindle Help"));
    QVERIFY(browser()->toPlainText().contains(QStringLiteral("Contents")));
    QTRY_COMPARE(QApplication::activeWindow(), help);

    // The user follows the last link of the contents; the next F1 shows the contents
    // again in the same window, brought to the front.
    browser()->setFocus();
    for (int link = 0; link < 10; ++link)
        pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Return);
    QVERIFY(browser()->verticalScrollBar()->value() > 0);
    pressF1();
    QCOMPARE(helpWindow(), help);
    QCOMPARE(m_window->findChildren<QTextBrowser *>().size(), 1);
    QCOMPARE(browser()->verticalScrollBar()->value(), 0);
    QTRY_COMPARE(QApplication::activeWindow(), help);

    // Closed by the user, it comes back on the next F1.
    help->close();
    pressF1();
    QCOMPARE(helpWindow(), help);
    QVERIFY(help->isVisible());

    // The main window is as it was.
    QVERIFY(recorder.events.isEmpty());
    QCOMPARE(control<QLineEdit>(m_window.get(), "txtDecimal")->text(), QStringLiteral("255"));
    QCOMPARE(control<QLabel>(m_window.get(), "lblHex")->text(), QStringLiteral("FF"));
    QCOMPARE(control<QLabel>(m_window.get(), "lblBinary")->text(), QStringLiteral("11111111"));
    QVERIFY(control<QAction>(m_window.get(), "mnuConverterDecimal")->isChecked());
    QCOMPARE(control<QListWidget>(m_window.get(), "lstResult")->count(), 0);
}

void TestHelpContents::missingFileIsTheViewersComplaint()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("QUINDLE.HLP"));
    about::setHelpFile(path);
    MessageRecorder recorder;
    pressF1();
    QVERIFY(helpWindow() && helpWindow()->isVisible());
    QVERIFY(browser()->toPlainText().contains(QStringLiteral("cannot be shown")));
    QVERIFY(browser()->toPlainText().contains(path));

    // The file is read afresh on every F1.
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html><head><title>Made later</title></head><body>Here now</body></html>");
    file.close();
    pressF1();
    QCOMPARE(browser()->toPlainText(), QStringLiteral("Here now"));
    QCOMPARE(helpWindow()->windowTitle(), QStringLiteral("Made later"));
    QVERIFY(recorder.events.isEmpty());
}

// The manual's table of menus holds a row for every item of the menu bar, with the
// item's caption and its shortcut key.
void TestHelpContents::manualListsEveryMenuItem()
{
    about::setHelpFile(QStringLiteral(VOXTREL_MANUAL));
    pressF1();
    QList<QStringList> rows;
    for (QTextFrame *frame : browser()->document()->rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        for (int row = 0; table && row < table->rows(); ++row) {
            QStringList cells;
            for (int column = 0; column < qMin(3, table->columns()); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                cells << cursor.selectedText();
            }
            rows.append(cells);
        }
    }
    int items = 0;
    for (QAction *menuAction : m_window->menuBar()->actions()) {
        for (QAction *item : menuAction->menu()->actions()) {
            const QString keys = item->shortcut().isEmpty()
                                     ? QStringLiteral("(none)")
                                     : item->shortcut().toString(QKeySequence::PortableText);
            const QStringList row{menuAction->text().remove(u'&'), item->text().remove(u'&'), keys};
            QVERIFY2(item->isSeparator() || rows.contains(row), qPrintable(row.join(u' ')));
            items += !item->isSeparator();
        }
    }
    QCOMPARE(items, 14);
}

// Failures of the call itself, and a command this viewer does not know: showing a topic
// by its number.
void TestHelpContents::viewerRefusesCallsItCannotServe()
{
    const qint16 data = 0;
    QVERIFY_THROWS_EXCEPTION(platform::Failure, platform::showHelp(nullptr, VOXTREL_MANUAL,
                                                                   platform::helpContents, &data));
    QVERIFY_THROWS_EXCEPTION(platform::Failure, platform::showHelp(m_window.get(), nullptr,
                                                                   platform::helpContents, &data));
    QVERIFY(!platform::showHelp(m_window.get(), VOXTREL_MANUAL, 1, &data));
    QVERIFY(!helpWindow());
}

QTEST_MAIN(TestHelpContents)
#include "tst_helpcontents.moc"
