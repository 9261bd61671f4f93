#include "support/testsupport.h"

#include "platform/processend.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>

namespace {

// Runs xdotool, which drives other programs' windows through the X server as the
// keyboard does; returns what it printed.
QString xdotool(const QStringList &arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(10000) || xdotool.exitCode() != 0)
        qWarning("xdotool %s failed", qPrintable(arguments.join(u' ')));
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_recorder = std::make_unique<MessageRecorder>();
        m_window = showMainWindow();
    }
    void cleanup()
    {
        failOnProcessEnd();
        m_window.reset();
        m_recorder.reset();
    }

    void clearInputEmptiesTheInputBase_data()
    {
        QTest::addColumn<Qt::Key>("base");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("focusAfter");
        const auto row = [](const char *name, Qt::Key base, const char *checked, const char *typed,
                            const char *focusAfter) {
            QTest::newRow(name) << base << checked << typed << focusAfter;
        };
        row("decimal 123", Qt::Key_D, "mnuConverterDecimal", "123", "txtDecimal");
        row("hex FF", Qt::Key_H, "mnuConverterHex", "FF", "txtHex");
        row("binary, all boxes, calculated", Qt::Key_B, "mnuConverterBinary",
            "00011010111100001001", "txtBinary_0");
    }

    void clearInputEmptiesTheInputBase()
    {
        QFETCH(Qt::Key, base);
        QFETCH(QString, checked);
        QFETCH(QString, typed);
        QFETCH(QString, focusAfter);
        auto *list = find<QListWidget>("lstResult");
        pressKey(Qt::Key_F2);
        list->item(1)->setSelected(true);
        pressKey(base, Qt::ControlModifier);
        typeKeys(typed);
        if (base == Qt::Key_B) {
            QTest::mouseClick(find<QPushButton>("cmdCalculate"), Qt::LeftButton);
            // Calculate leaves the focus in box 0; Clear Input has to bring it back there.
            pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QVERIFY(resultLabels(m_window.get()) != QStringList(3));

        pressKey(Qt::Key_I, Qt::ControlModifier);

        QCOMPARE(entryTexts(m_window.get()), QStringList(7));
        QCOMPARE(resultLabels(m_window.get()), QStringList(3));
        QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
        QCOMPARE(find<QPushButton>("cmdCalculate")->isVisible(), base == Qt::Key_B);
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>{list->item(1)});
        QVERIFY(find<QAction>(checked.toLatin1())->isChecked());
    }

    void selectAllSelectsEveryEntry()
    {
        auto *list = find<QListWidget>("lstResult");
        pressKey(Qt::Key_F2);
        pressKey(Qt::Key_F2);
        list->item(6)->setSelected(true);
        // In a field with text Ctrl+A would select that text instead.
        typeKeys("12");
        QWidget *focus = QApplication::focusWidget();
        pressKey(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(list->selectedItems().size(), 10);
        QCOMPARE(QApplication::focusWidget(), focus);
    }

    void farewellOnceThenTheEnd_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("File > Exit") << "exit";
        QTest::newRow("closing the window") << "close";
        // The farewell box runs an event loop of its own, in which the window may be
        // asked to close (by the session ending, say).
        QTest::newRow("closing during the farewell of File > Exit") << "exit, then close";
    }

    void farewellOnceThenTheEnd()
    {
        QFETCH(QString, how);
        QList<std::pair<int, int>> ends; // status, boxes shown before
        platform::setProcessEnder([&](int status) {
            ends.append({status, int(m_recorder->boxes().size())});
        });
        if (how.endsWith(u"then close"))
            m_recorder->onBox = [this](const MessageRecorder::Event &) { m_window->close(); };
        if (how == u"close") {
            m_window->close();
        } else {
            pressKey(Qt::Key_F, Qt::AltModifier);
            QMenu *file = find<QMenu>("mnuFile");
            QTRY_VERIFY(file->isVisible());
            QTest::keyClick(file, Qt::Key_X);
        }
        const MessageRecorder::Event farewell{false, "Thankyou for using this Freeware Utility",
                                              platform::MsgIcon::Information, "voxtrel.org"};
        QCOMPARE(m_recorder->events, QList<MessageRecorder::Event>{farewell});
        QCOMPARE(ends, (QList<std::pair<int, int>>{{0, 1}}));
    }

    void realProgramEndsAtOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("reported");
        const QString farewell =
            QStringLiteral("box voxtrel.org: Thankyou for using this Freeware Utility");
        QTest::newRow("File > Exit") << "exit" << QStringList{farewell};
        QTest::newRow("closing the window") << "close" << QStringList{"close event", farewell};
    }

    void realProgramEndsAtOnce()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, reported);
        QProcess program;
        program.start(QStringLiteral(VOXTREL_ENDPROGRAM), {how, "-platform", "offscreen"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(
            QString::fromUtf8(program.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            reported);
        QCOMPARE(program.exitCode(), 0);
    }

    // The program itself, as its user ends it: File > Exit from the keyboard, the
    // farewell box answered with Enter.
    void voxtrelEndsOnFileExit()
    {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("drives the program's window through an X server");
        QProcess voxtrel;
        voxtrel.start(QStringLiteral(VOXTREL_PROGRAM));
        QVERIFY(voxtrel.waitForStarted());
        const QString pid = QString::number(voxtrel.processId());
        const QString window = xdotool(
            {"search", "--all", "--sync", "--onlyvisible", "--pid", pid, "--name", "^Quindle$"});
        xdotool({"windowfocus", "--sync", window});
        xdotool({"key", "--delay", "50", "alt+f", "x"});
        const QString box = xdotool({"search", "--all", "--sync", "--onlyvisible", "--pid", pid,
                                     "--name", "^voxtrel\\.org$"});
        xdotool({"windowfocus", "--sync", box});
        xdotool({"key", "Return"});
        QVERIFY(voxtrel.waitForFinished(10000));
        QCOMPARE(voxtrel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(voxtrel.exitCode(), 0);
    }

private:
    template <typename T> T *find(const char *name) { return control<T>(m_window.get(), name); }

    std::unique_ptr<MessageRecorder> m_recorder;
    std::unique_ptr<FrmMain> m_window;
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
