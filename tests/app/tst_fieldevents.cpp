#include "app/fieldevents.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

class TestFieldEvents : public QObject
{
    Q_OBJECT

private slots:
    void characterCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        using Mods = Qt::KeyboardModifiers;
        const auto row = [](const char *name, int key, Mods mods, const QString &text, int code) {
            QTest::newRow(name) << key << mods << text << code;
        };
        const Mods none, shift(Qt::ShiftModifier), ctrl(Qt::ControlModifier);
        row("digit", Qt::Key_7, none, "7", '7');
        row("capital by shift", Qt::Key_A, shift, "A", 'A');
        row("lower case", Qt::Key_A, none, "a", 'a');
        row("backspace", Qt::Key_Backspace, none, "\b", 8);
        row("enter", Qt::Key_Return, none, "\r", 13);
        row("keypad enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", 13);
        row("escape", Qt::Key_Escape, none, "\x1b", 27);
        // Synthesized and real X11 Ctrl+V differ in text; the code must not.
        row("ctrl+v as synthesized", Qt::Key_V, ctrl, "v", 22);
        row("ctrl+v from x11", Qt::Key_V, ctrl, "\x16", 22);
        row("ctrl+a", Qt::Key_A, ctrl, "", 1);
        row("ctrl+z", Qt::Key_Z, ctrl, "", 26);
        row("delete carries text 127", Qt::Key_Delete, none, "\x7f", 0);
        row("tab", Qt::Key_Tab, none, "\t", 0);
        row("arrow", Qt::Key_Left, none, "", 0);
        row("alt+letter is an access key", Qt::Key_F, Qt::AltModifier, "f", 0);
        row("shift alone", Qt::Key_Shift, shift, "", 0);
        row("non-ascii letter", Qt::Key_Eacute, none, QString(QChar(0xE9)), 0xE9);
    }

    void characterCodes()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QCOMPARE(characterCode(event), code);
    }

    void enabledMenuKeyWinsOverTheField()
    {
        QMainWindow window;
        auto *field = new QLineEdit(QStringLiteral("123"), &window);
        auto *item =
            window.menuBar()->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("&Copy"));
        item->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
        window.setCentralWidget(field);
        giveMenuShortcutsPrecedence(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->selectAll();
        field->setFocus();
        QSignalSpy triggered(item, &QAction::triggered);
        QList<int> seen;
        onKeyPress(field, [&seen](int &code) { seen.append(code); });
        // A line edit with a selection claims Ctrl+C for itself unless the menu wins.
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
        QVERIFY(seen.isEmpty());
    }
};

QTEST_MAIN(TestFieldEvents)
#include "tst_fieldevents.moc"
