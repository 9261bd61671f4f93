#include "support/testsupport.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

// The window read back from the live widgets: places, texts, menu tree, start state.
class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_window = showMainWindow(); }
    void cleanup() { m_window.reset(); }

    void window();
    void controlPlaces_data();
    void controlPlaces();
    void entryFields_data();
    void entryFields();
    void menuTree_data();
    void menuTree();
    void startState();
    void shownFieldCoversItsLabel();
    void tabOrder_data();
    void tabOrder();

private:
    std::unique_ptr<FrmMain> m_window;
};

void TestLayout::window()
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

void TestLayout::controlPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
    const auto row = [](const char *name, const char *container, int l, int t, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container)
                            << QRect(l, t, w, h);
    };
    row("lstResult", "centralwidget", 3480, 240, 3495, 2595);
    row("FraBinary", "centralwidget", 120, 2040, 3135, 855);
    row("cmdCalculate", "FraBinary", 1200, 120, 1815, 195);
    for (int k = 4; k >= 0; --k) {
        const QByteArray name = "txtBinary_" + QByteArray::number(k);
        QTest::newRow(name) << QString::fromLatin1(name) << "FraBinary"
                            << QRect(120 + 600 * (4 - k), 360, 495, 285);
    }
    row("lblBinary", "FraBinary", 120, 360, 2895, 255);
    row("FraHex", "centralwidget", 120, 1080, 3135, 855);
    row("txtHex", "FraHex", 120, 360, 2895, 285);
    row("lblHex", "FraHex", 120, 360, 2895, 255);
    row("FraDecimal", "centralwidget", 120, 120, 3135, 855);
    row("txtDecimal", "FraDecimal", 120, 360, 2895, 285);
    row("lblDecimal", "FraDecimal", 120, 360, 2895, 255);
    row("txtTemp", "centralwidget", 3960, 1440, 2535, 615);
    row("lblTitle", "centralwidget", 3480, 0, 3495, 255);
}

void TestLayout::controlPlaces()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    const auto *widget = control<QWidget>(m_window.get(), name.toLatin1());
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    // 15 twips make a pixel at 96 dots per inch.
    QCOMPARE(widget->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
}

void TestLayout::entryFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("decimal") << "txtDecimal" << 9 << "Enter Decimal Value";
    QTest::newRow("hex") << "txtHex" << 8 << "Enter Hex Value";
    for (int k = 0; k < 5; ++k)
        QTest::addRow("binary box %d", k)
            << QStringLiteral("txtBinary_%1").arg(k) << 4 << "Enter Binary Value";
}

void TestLayout::entryFields()
{
    QFETCH(QString, name);
    QFETCH(int, maxLength);
    QFETCH(QString, toolTip);
    const auto *field = control<QLineEdit>(m_window.get(), name.toLatin1());
    QVERIFY(field);
    QCOMPARE(field->maxLength(), maxLength);
    QCOMPARE(field->toolTip(), toolTip);
    QVERIFY(field->text().isEmpty());
}

void TestLayout::menuTree_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("items");
    // name|caption|shortcut for each item; a separator's caption is "-".
    QTest::newRow("File") << "mnuFile"
                          << "&File"
                          << QStringList{"mnuFileSaveas|&SaveAs|Ctrl+S",
                                         "mnuFilePrint|&Print Result|Ctrl+P",
                                         "mnuFileBar1|-|",
                                         "mnuFileAdd|&Add to Result|F2",
                                         "mnuFileClear|&Clear Result|Ctrl+R",
                                         "mnuFileBar2|-|",
                                         "mnuFileExit|E&xit|"};
    QTest::newRow("Edit") << "mnuEdit"
                          << "&Edit" << QStringList{"mnuEditClear|Clear &Input|Ctrl+I",
                                                    "mnuEditBar1|-|",
                                                    "mnuEditCopy|&Copy|Ctrl+C",
                                                    "mnuEditSelect|&Select All|Ctrl+A",
                                                    "mnuEdirBar2|-|",
                                                    "mnuEditNotepad|&Notepad|Ctrl+N"};
    QTest::newRow("Converter") << "mnuConverter"
                               << "&Converter"
                               << QStringList{"mnuConverterDecimal|&Decimal|Ctrl+D",
                                              "mnuConverterHex|&Hex|Ctrl+H",
                                              "mnuConverterBinary|&Binary|Ctrl+B"};
    QTest::newRow("Help") << "mnuHelp"
                          << "&Help"
                          << QStringList{"mnHelpContents|&Contents|F1", "mnuHelpAbout|&About|"};
}

void TestLayout::menuTree()
{
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, items);
    const auto *qmenu = control<QMenu>(m_window.get(), menu.toLatin1());
    QVERIFY(qmenu);
    QCOMPARE(qmenu->title(), title);
    QVERIFY(m_window->menuBar()->actions().contains(qmenu->menuAction()));
    const QList<QAction *> actions = qmenu->actions();
    QCOMPARE(actions.size(), items.size());
    for (int n = 0; n < items.size(); ++n) {
        const QStringList expected = items[n].split(u'|');
        QCOMPARE(actions[n]->objectName(), expected[0]);
        QCOMPARE(actions[n]->isSeparator(), expected[1] == u"-");
        if (!actions[n]->isSeparator())
            QCOMPARE(actions[n]->text(), expected[1]);
        QCOMPARE(actions[n]->shortcut(), QKeySequence(expected[2]));
    }
}

void TestLayout::startState()
{
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(m_window.get(), "txtDecimal"));
    QVERIFY(control<QAction>(m_window.get(), "mnuConverterDecimal")->isChecked());
    QVERIFY(!control<QAction>(m_window.get(), "mnuConverterHex")->isChecked());
    QVERIFY(!control<QAction>(m_window.get(), "mnuConverterBinary")->isChecked());
    const QStringList hidden{"txtHex",      "txtBinary_0", "txtBinary_1",  "txtBinary_2",
                             "txtBinary_3", "txtBinary_4", "cmdCalculate", "txtTemp"};
    const QStringList shown{"txtDecimal", "lblDecimal", "lblHex", "lblBinary", "lstResult",
                            "lblTitle",   "FraDecimal", "FraHex", "FraBinary"};
    for (const QString &name : hidden)
        QVERIFY2(!control<QWidget>(m_window.get(), name.toLatin1())->isVisible(), qPrintable(name));
    for (const QString &name : shown)
        QVERIFY2(control<QWidget>(m_window.get(), name.toLatin1())->isVisible(), qPrintable(name));
    for (const char *name : {"lblDecimal", "lblHex", "lblBinary"})
        QVERIFY(control<QLabel>(m_window.get(), name)->text().isEmpty());
    QCOMPARE(control<QLabel>(m_window.get(), "lblTitle")->text(), QStringLiteral("Results"));
    QCOMPARE(control<QGroupBox>(m_window.get(), "FraDecimal")->title(),
             QStringLiteral(" Decimal  "));
    QCOMPARE(control<QGroupBox>(m_window.get(), "FraHex")->title(), QStringLiteral(" Hex "));
    QCOMPARE(control<QGroupBox>(m_window.get(), "FraBinary")->title(), QStringLiteral(" Binary "));
    QCOMPARE(control<QPushButton>(m_window.get(), "cmdCalculate")->text(),
             QStringLiteral("Calculate Binary"));
    QCOMPARE(control<QListWidget>(m_window.get(), "lstResult")->selectionMode(),
             QAbstractItemView::ExtendedSelection);
    for (const char *name : {"mnuFilePrint", "mnuEditCopy", "mnuEditSelect"})
        QVERIFY2(!control<QAction>(m_window.get(), name)->isEnabled(), name);
    for (const char *name : {"mnuFileSaveas", "mnuFileAdd", "mnuFileClear", "mnuFileExit",
                             "mnuEditClear", "mnuEditNotepad", "mnHelpContents", "mnuHelpAbout"})
        QVERIFY2(control<QAction>(m_window.get(), name)->isEnabled(), name);
}

void TestLayout::shownFieldCoversItsLabel()
{
    const auto covers = [this](const char *frame, const char *field) {
        const auto *fra = control<QWidget>(m_window.get(), frame);
        const auto *txt = control<QWidget>(m_window.get(), field);
        return fra->childAt(txt->geometry().center()) == txt;
    };
    QVERIFY(covers("FraDecimal", "txtDecimal"));
    pressKey(Qt::Key_H, Qt::ControlModifier);
    QVERIFY(covers("FraHex", "txtHex"));
    pressKey(Qt::Key_B, Qt::ControlModifier);
    for (int k = 0; k < 5; ++k)
        QVERIFY(covers("FraBinary", QByteArray("txtBinary_" + QByteArray::number(k))));
}

void TestLayout::tabOrder_data()
{
    QTest::addColumn<int>("modeKey");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("decimal") << int(Qt::Key_D) << QStringList{"txtDecimal", "lstResult"};
    QTest::newRow("hex") << int(Qt::Key_H) << QStringList{"txtHex", "lstResult"};
    QTest::newRow("binary") << int(Qt::Key_B)
                            << QStringList{"txtBinary_0", "txtBinary_1", "txtBinary_2",
                                           "txtBinary_3", "txtBinary_4", "cmdCalculate",
                                           "lstResult"};
}

void TestLayout::tabOrder()
{
    QFETCH(int, modeKey);
    QFETCH(QStringList, order);
    pressKey(Qt::Key(modeKey), Qt::ControlModifier);
    // Twice round: the order wraps from the list back to the first field.
    for (int n = 0; n <= 2 * order.size(); ++n) {
        QCOMPARE(QApplication::focusWidget()->objectName(), order[n % order.size()]);
        pressKey(Qt::Key_Tab);
    }
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
