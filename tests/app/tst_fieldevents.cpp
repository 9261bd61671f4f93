#include "app/fieldevents.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

class TestFieldEvents : public QObject
{
    Q_OBJECT

private slots:
    void characterCodes_data();
    void characterCodes();
    void discardedKeyNeverReachesTheField();
    void enabledMenuKeyWinsOverTheField();
    void disabledMenuKeyReachesTheField();
};

void TestFieldEvents::characterCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("digit") << int(Qt::Key_7) << none << "7" << int('7');
    QTest::newRow("capital by shift")
        << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "A" << int('A');
    QTest::newRow("lower case") << int(Qt::Key_A) << none << "a" << int('a');
    QTest::newRow("blank") << int(Qt::Key_Space) << none << " " << int(' ');
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << none << "\b" << 8;
    QTest::newRow("enter") << int(Qt::Key_Return) << none << "\r" << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << "\r" << 13;
    QTest::newRow("escape") << int(Qt::Key_Escape) << none << "\x1b" << 27;
    // Synthesized and real X11 Ctrl+V differ in text; the code must not.
    QTest::newRow("ctrl+v as synthesized")
        << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "v" << 22;
    QTest::newRow("ctrl+v from x11")
        << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "\x16" << 22;
    QTest::newRow("ctrl+a") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ControlModifier) << ""
                            << 1;
    QTest::newRow("ctrl+z") << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ControlModifier) << ""
                            << 26;
    QTest::newRow("delete carries text 127") << int(Qt::Key_Delete) << none << "\x7f" << 0;
    QTest::newRow("tab") << int(Qt::Key_Tab) << none << "\t" << 0;
    QTest::newRow("arrow") << int(Qt::Key_Left) << none << "" << 0;
    QTest::newRow("function key") << int(Qt::Key_F2) << none << "" << 0;
    QTest::newRow("alt+letter is an access key")
        << int(Qt::Key_F) << Qt::KeyboardModifiers(Qt::AltModifier) << "f" << 0;
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                 << "" << 0;
    QTest::newRow("non-ascii letter")
        << int(Qt::Key_Eacute) << none << QString(QChar(0xE9)) << 0xE9;
}

void TestFieldEvents::characterCodes()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCOMPARE(characterCode(event), code);
}

void TestFieldEvents::discardedKeyNeverReachesTheField()
{
    QLineEdit field;
    QList<int> seen;
    onKeyPress(&field, [&seen](int &code) {
        seen.append(code);
        if (code != '1')
            code = 0;
    });
    QSignalSpy changes(&field, &QLineEdit::textChanged);
    QTest::keyClicks(&field, "1x1");
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field.text(), QStringLiteral("11"));
    QCOMPARE(seen, (QList<int>{'1', 'x', '1', 22}));
    QCOMPARE(changes.count(), 2);
}

namespace {

struct WindowWithField
{
    QMainWindow window;
    QLineEdit *field = new QLineEdit(&window);
    QAction *item = new QAction(QStringLiteral("&Copy"), &window);

    WindowWithField()
    {
        item->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
        window.menuBar()->addMenu(QStringLiteral("&Edit"))->addAction(item);
        window.setCentralWidget(field);
        giveMenuShortcutsPrecedence(&window);
        window.show();
        window.activateWindow();
    }
};

} // namespace

void TestFieldEvents::enabledMenuKeyWinsOverTheField()
{
    WindowWithField w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.field->setText(QStringLiteral("123"));
    w.field->selectAll();
    w.field->setFocus();
    QSignalSpy triggered(w.item, &QAction::triggered);
    QList<int> seen;
    onKeyPress(w.field, [&seen](int &code) { seen.append(code); });
    QTest::keyClick(w.field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(triggered.count(), 1);
    QVERIFY(seen.isEmpty());
}

void TestFieldEvents::disabledMenuKeyReachesTheField()
{
    WindowWithField w;
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    w.item->setEnabled(false);
    w.field->setFocus();
    QSignalSpy triggered(w.item, &QAction::triggered);
    QList<int> seen;
    onKeyPress(w.field, [&seen](int &code) { seen.append(code); });
    QTest::keyClick(w.field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(triggered.count(), 0);
    QCOMPARE(seen, QList<int>{3});
}

QTEST_MAIN(TestFieldEvents)
#include "tst_fieldevents.moc"
