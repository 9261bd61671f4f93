#include "support/window.h"

#include <QtWidgets>

// The main window driven as its user drives it. Most cases are stories in the
// *.rows files beside the subsystems' sources (see scenario_data).
class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    // The stories of the rows files named in VOXTREL_ROWS, in the story language (docs/testing.md).
    void scenario_data()
    {
        QTest::addColumn<QString>("steps");
        static const QRegularExpression escape(R"(\\x([0-9a-f]{2}))");
        // $face: the first installed of the narrow faces asked for (Windows' first there), or any.
        const QStringList narrow = {
#ifdef Q_OS_WIN
            "Bahnschrift SemiCondensed", "Bahnschrift Condensed", "Arial Narrow",
#endif
            "Liberation Sans Narrow",    "Nimbus Sans Narrow",    "DejaVu Sans Condensed"};
        const auto face = std::ranges::find_if(narrow, [](const QString &family) {
            return QFontDatabase::families().contains(family);
        });
        for (const QString &path : qEnvironmentVariable("VOXTREL_ROWS").split(u',')) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
                qFatal("cannot read the rows file %s", qPrintable(path));
            // $sep: the system's separator of folders, as paths are shown to the user.
            QList<std::pair<QString, QString>> variables = {
                {"sep", QDir::separator()}, {"face", face == narrow.end() ? "…" : *face}};
            while (!file.atEnd()) {
                QString line = QString::fromUtf8(file.readLine()).trimmed();
                // Escapes first, so that a "\" a value brings stays one.
                line.replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
                for (const QRegularExpressionMatch &m : escape.globalMatch(QString(line)))
                    line.replace(m.captured(), QChar(m.captured(1).toUShort(nullptr, 16)));
                for (const auto &[name, value] : std::as_const(variables)) // $name or ${name}
                    line.replace(
                        QRegularExpression(R"(\$(?:)" + name + R"((?!\w)|\{)" + name + "})"),
                        value);
                if (line.startsWith(u'$'))
                    variables.prepend({line.section(" = ", 0, 0).mid(1), line.section(" = ", 1)});
                else if (!line.isEmpty() && !line.startsWith(u'#'))
                    QTest::newRow(qPrintable(line.section(" | ", 0, 0))) << line.section(" | ", 1);
            }
        }
    }

    void scenario()
    {
        QFETCH(QString, steps);
#ifdef Q_OS_WIN // {unix:why}: a part that only the Linux build has
        if (const auto m = QRegularExpression(R"(\{unix:([^}]*)\})").match(steps); m.hasMatch())
            QSKIP(qPrintable("needs " + m.captured(1)));
#endif
        Window window;
        window.run(steps);
        if (!QTest::currentTestFailed()) // every box and beep was named by a step
            QCOMPARE(window.unnamedEvents().join(u'|'), QString());
    }

    // Seeded random events on the window, VOXTREL_MONKEY_EVENTS of them (20,000 if not
    // set), with what must hold checked after each. A failure names the seed and the
    // event, and the seed given in VOXTREL_MONKEY_SEED (else a new one) replays it.
    void monkey()
    {
        const quint32 seed = qEnvironmentVariableIsSet("VOXTREL_MONKEY_SEED")
                                 ? qEnvironmentVariable("VOXTREL_MONKEY_SEED").toUInt()
                                 : QRandomGenerator::global()->generate();
        QRandomGenerator random(seed);
        // Each kind of event: its name, how often it comes, and its keys, one of those
        // split by "|" at random; $text is random text, $row a row of the list, $fill the
        // entries that fill the list up to 32,750, $event the event number.
        struct Kind
        {
            QString name;
            int weight;
            QString keys;
        };
        QList<Kind> kinds = {
            {"typed", 300, "0|1|2|3|4|5|6|7|8|9|A|B|C|D|E|F|a|b|c|f|x|-|+|.|,|:|!|#|=|@|_"},
            {"control key", 150,
             "{Backspace}|{Delete}|{Left}|{Right}|{Home}|{End}|{Shift+Home}|{Shift+End}|"
             "{Shift+Left}|{Tab}|{Shift+Tab}|{Return}|{Escape}|{Space}|{Up}|{Down}|^Z|^Y|^V|"
             "^X|^K|^U|^E|^Backspace"},
            {"paste", 100, "{paste:$text}"},
            {"mode", 50, "^D|^H|^B"},
            {"Calculate", 60, "{calc}"},
            {"Add to Result", 80, "{F2}"},
            {"Clear Result", 8, "^R"},
            {"Clear Input", 20, "^I"},
            {"Select All", 20, "^A"},
            {"Copy", 20, "^C"},
            {"Ctrl+click an entry", 30, "{select:$row}"},
            {"Save As", 1, "{save:saved$event}"},
            {"Print Result", 4, "^P"},
            {"Notepad", 4, "^N"},
            {"System Info", 1, "{about} {Tab} {Return} => >> {activate} =>"},
            {"Help", 2, "{F1} {activate}"},
            {"fill the list", 1, "{fill:$fill}"}};
        const int weights = std::accumulate(kinds.begin(), kinds.end(), 0,
                                            [](int sum, const Kind &k) { return sum + k.weight; });
        const auto randomText = [&] {
            const QString likely = "0123456789abcdefABCDEF +-\t";
            QString text;
            for (int n = random.bounded(14); n > 0; --n)
                text += random.bounded(4) ? likely[random.bounded(likely.size())]
                                          : QChar(random.bounded(0x20, 0xd800));
            return text.remove(u'}');
        };

        Window w;
        auto *list = w.frm.findChild<QListWidget *>("lstResult");
        bool added = false, calculated = false;
        connect(w.frm.findChild<QPushButton *>("cmdCalculate"), &QPushButton::clicked,
                [&] { calculated = true; });
        // Each mode's first field, labels emptied, and controls shown.
        const QString frames = "FraBinary FraDecimal FraHex ";
        const QHash<QString, QStringList> modes = {
            {"mnuConverterDecimal",
             {"txtDecimal", "~||", frames + "lblBinary lblHex lblTitle lstResult txtDecimal"}},
            {"mnuConverterHex",
             {"txtHex", "|~|", frames + "lblBinary lblDecimal lblTitle lstResult txtHex"}},
            {"mnuConverterBinary",
             {"txtBinary_0", "||~",
              frames + "cmdCalculate lblDecimal lblHex lblTitle lstResult txtBinary_0 "
                       "txtBinary_1 txtBinary_2 txtBinary_3 txtBinary_4"}}};
        w.keys("{help:manual} {path:gedit,hardinfo} {registry} ^D");
        const int total = qEnvironmentVariable("VOXTREL_MONKEY_EVENTS", "20000").toInt();
        int full = 0;
        QHash<QString, int> drawn;
        for (int event = 1; event <= total; ++event) {
            auto kind = kinds.begin();
            for (int pick = random.bounded(weights); pick >= kind->weight; ++kind)
                pick -= kind->weight;
            ++drawn[kind->name];
            const QStringList choices = kind->keys.split(u'|');
            QString keys = choices[random.bounded(int(choices.size()))];
            if (keys.contains("$row"))
                keys = list->count()
                           ? keys.replace("$row", QString::number(random.bounded(list->count())))
                           : "";
            if (keys.contains("$text"))
                keys.replace("$text", randomText());
            keys.replace("$fill", QString::number(qMax(0, 32750 - list->count())))
                .replace("$event", QString::number(event));
            const QString labels = w.show("labels"), entries = w.show("entries"),
                          before = w.show("checked");
            calculated = false;
            keys.endsWith("=>") ? w.run(keys) : w.keys(keys);
            added = (added || kind->name == u"Add to Result") && kind->name != u"Clear Result";
            full += w.events.filter("The results list is full.").size();
            // Whatever fails below, this says where.
            const auto where = qScopeGuard([&] {
                if (QTest::currentTestFailed())
                    qWarning("seed %u, event %d, %s \"%s\"", seed, event, qPrintable(kind->name),
                             qPrintable(keys));
            });

            const QString checked = w.show("checked");
            const QStringList mode = modes.value(checked);
            QVERIFY2(!mode.isEmpty(), qPrintable("checked " + checked));
            QVERIFY(list->count() % 5 == 0 && list->count() <= 32767);
            QString expected =
                QStringLiteral("shown=%1; enabled=%2")
                    .arg(mode[2], added ? "mnuEditCopy mnuEditSelect mnuFilePrint" : "");
            // A mode chosen empties every field, or keeps what was typed for the same mode
            // again; it and Clear Input empty the labels, and put the focus into the first
            // field (Clear Input only in binary). Else the labels change only with the text
            // of the field (an edit that leaves it as it was may translate it again), in
            // binary with Calculate.
            const bool binary = checked.endsWith("Binary");
            if (kind->name == u"mode" || kind->name == u"Clear Input") {
                expected += "; covered=; labels=" + mode[1];
                if (kind->name == u"mode" || binary)
                    expected += "; focus=" + mode[0];
                // Compared apart: pasted text may hold the ";" that separates aspects.
                QCOMPARE(w.show("entries"),
                         checked == before && kind->name == u"mode" ? entries : "||||||");
            } else {
                const QString reference = w.reference(labels);
                expected += "; labels=" + ((binary ? calculated : w.show("entries") != entries) ||
                                                   (!binary && w.show("labels") == reference)
                                               ? reference
                                               : labels);
            }
            w.check(expected);
            if (kind->name == u"Save As") {
                QString saved = "Thank you for using Voxtrel";
                for (int row = 0; row < list->count(); ++row)
                    saved += "\"\r\n\"" + list->item(row)->text();
                saved = u'"' + saved + "\"\r\n\"Please visit https://voxtrel.org\"\r\n";
                QCOMPARE(w.show(QStringLiteral("file:saved%1.TXT").arg(event)),
                         QString::fromLatin1(saved.toLocal8Bit()));
            }
            if (QTest::currentTestFailed())
                return;
            w.events.clear();
        }
        // Every kind drawn at least once in 4,000 events (the rarest comes about 24 times in
        // 20,000), so that no change of weights or seed leaves one out unseen.
        qInfo("seed %u, %d events; the list was full %d times", seed, total, full);
        for (const Kind &k : std::as_const(kinds))
            QVERIFY2(drawn[k.name] >= total / 4000,
                     qPrintable(k.name + " drawn " + QString::number(drawn[k.name]) + " times"));
    }
};

int main(int argc, char *argv[])
{
    // Started as a story's stand-in for a program (a copy, see {path:...}): records how it
    // was started, its path and its count of arguments, and ends.
    const QString started = qEnvironmentVariable("VOXTREL_STARTED");
    if (QFile file(started); !started.isEmpty() && file.open(QIODevice::WriteOnly))
        return file.write(QStringLiteral("%1 %2\n").arg(argv[0]).arg(argc - 1).toLocal8Bit()) < 0;
    if (qgetenv("QT_QPA_PLATFORM") == "xcb" && qgetenv("DISPLAY").isEmpty())
        return std::puts("SKIP: no X server (DISPLAY is not set)"), 77; // Qt would abort
    QApplication app(argc, argv);
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window.moc"
