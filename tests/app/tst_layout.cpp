#include "support/testsupport.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>

// The window read back from the live widgets: places, texts, menu tree, start state.
class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_window = showMainWindow(); }
    void cleanup() { m_window.reset(); }

    void window()
    {
        QCOMPARE(m_window->objectName(), QStringLiteral("frmMain"));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Quindle"));
        QCOMPARE(m_window->centralWidget()->size(), QSize(476, 198));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(m_window->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text"); // a frame's caption, otherwise the text
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<int>("maxLength"); // 0: not an entry field
        const auto row = [](const QString &name, const char *container, QRect twips,
                            const char *text = "", const char *toolTip = "", int maxLength = 0) {
            QTest::newRow(qPrintable(name))
                << name << container << twips << text << toolTip << maxLength;
        };
        const char *central = "centralwidget";
        row("lstResult", central, {3480, 240, 3495, 2595});
        row("FraBinary", central, {120, 2040, 3135, 855}, " Binary ");
        row("cmdCalculate", "FraBinary", {1200, 120, 1815, 195}, "Calculate Binary");
        for (int k = 4; k >= 0; --k)
            row(QStringLiteral("txtBinary_%1").arg(k), "FraBinary",
                {120 + 600 * (4 - k), 360, 495, 285}, "", "Enter Binary Value", 4);
        row("lblBinary", "FraBinary", {120, 360, 2895, 255});
        row("FraHex", central, {120, 1080, 3135, 855}, " Hex ");
        row("txtHex", "FraHex", {120, 360, 2895, 285}, "", "Enter Hex Value", 8);
        row("lblHex", "FraHex", {120, 360, 2895, 255});
        row("FraDecimal", central, {120, 120, 3135, 855}, " Decimal  ");
        row("txtDecimal", "FraDecimal", {120, 360, 2895, 285}, "", "Enter Decimal Value", 9);
        row("lblDecimal", "FraDecimal", {120, 360, 2895, 255});
        row("txtTemp", central, {3960, 1440, 2535, 615});
        row("lblTitle", central, {3480, 0, 3495, 255}, "Results");
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(int, maxLength);
        const auto *widget = control<QWidget>(m_window.get(), name.toLatin1());
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget()->objectName(), container);
        // 15 twips make a pixel at 96 dots per inch.
        QCOMPARE(widget->geometry(),
                 QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
        const char *textProperty = qobject_cast<const QGroupBox *>(widget) ? "title" : "text";
        QCOMPARE(widget->property(textProperty).toString(), text);
        QCOMPARE(widget->toolTip(), toolTip);
        if (maxLength)
            QCOMPARE(qobject_cast<const QLineEdit *>(widget)->maxLength(), maxLength);
    }

    // Menus in menu-bar order, then their items: objectName|caption|shortcut, with
    // caption "-" for a separator.
    void menuTree()
    {
        QStringList tree;
        for (const QAction *menuAction : m_window->menuBar()->actions()) {
            const QMenu *menu = menuAction->menu();
            tree << menu->objectName() + u'|' + menu->title();
            for (const QAction *item : menu->actions())
                tree << item->objectName() + u'|' +
                            (item->isSeparator() ? QStringLiteral("-") : item->text()) + u'|' +
                            item->shortcut().toString();
        }
        QCOMPARE(tree, (QStringList{"mnuFile|&File",
                                    "mnuFileSaveas|&SaveAs|Ctrl+S",
                                    "mnuFilePrint|&Print Result|Ctrl+P",
                                    "mnuFileBar1|-|",
                                    "mnuFileAdd|&Add to Result|F2",
                                    "mnuFileClear|&Clear Result|Ctrl+R",
                                    "mnuFileBar2|-|",
                                    "mnuFileExit|E&xit|",
                                    "mnuEdit|&Edit",
                                    "mnuEditClear|Clear &Input|Ctrl+I",
                                    "mnuEditBar1|-|",
                                    "mnuEditCopy|&Copy|Ctrl+C",
                                    "mnuEditSelect|&Select All|Ctrl+A",
                                    "mnuEdirBar2|-|",
                                    "mnuEditNotepad|&Notepad|Ctrl+N",
                                    "mnuConverter|&Converter",
                                    "mnuConverterDecimal|&Decimal|Ctrl+D",
                                    "mnuConverterHex|&Hex|Ctrl+H",
                                    "mnuConverterBinary|&Binary|Ctrl+B",
                                    "mnuHelp|&Help",
                                    "mnHelpContents|&Contents|F1",
                                    "mnuHelpAbout|&About|"}));
    }

    void startState()
    {
        auto *txtDecimal = control<QWidget>(m_window.get(), "txtDecimal");
        QCOMPARE(QApplication::focusWidget(), txtDecimal);
        // lblDecimal stays shown beneath the field, which has to be drawn above it.
        QCOMPARE(txtDecimal->parentWidget()->childAt(txtDecimal->geometry().center()), txtDecimal);
        QCOMPARE(shownControls(m_window.get()),
                 (QStringList{"FraBinary", "FraDecimal", "FraHex", "lblBinary", "lblDecimal",
                              "lblHex", "lblTitle", "lstResult", "txtDecimal"}));
        QCOMPARE(control<QListWidget>(m_window.get(), "lstResult")->selectionMode(),
                 QAbstractItemView::ExtendedSelection);
        const auto item = [this](const char *name) {
            return control<QAction>(m_window.get(), name);
        };
        QVERIFY(item("mnuConverterDecimal")->isChecked());
        QVERIFY(!item("mnuConverterHex")->isChecked() && !item("mnuConverterBinary")->isChecked());
        // Print Result, Copy and Select All wait for the first entry of the list.
        QVERIFY(!item("mnuFilePrint")->isEnabled() && !item("mnuEditCopy")->isEnabled() &&
                !item("mnuEditSelect")->isEnabled());
    }

    void tabOrder_data()
    {
        QTest::addColumn<int>("modeKey");
        QTest::addColumn<QString>("order");
        QTest::newRow("decimal") << int(Qt::Key_D) << "txtDecimal lstResult";
        QTest::newRow("hex") << int(Qt::Key_H) << "txtHex lstResult";
        QTest::newRow("binary") << int(Qt::Key_B)
                                << "txtBinary_0 txtBinary_1 txtBinary_2 txtBinary_3 txtBinary_4 "
                                   "cmdCalculate lstResult";
    }

    void tabOrder()
    {
        QFETCH(int, modeKey);
        QFETCH(QString, order);
        const QStringList names = order.split(u' ');
        pressKey(Qt::Key(modeKey), Qt::ControlModifier);
        // Twice round: the order wraps from the list back to the first field.
        for (int n = 0; n <= 2 * names.size(); ++n) {
            QCOMPARE(QApplication::focusWidget()->objectName(), names[n % names.size()]);
            pressKey(Qt::Key_Tab);
        }
    }

private:
    std::unique_ptr<FrmMain> m_window;
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
