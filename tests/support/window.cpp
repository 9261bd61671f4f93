#include "support/window.h"

#include "about/frmabout.h"
#include "app/fieldevents.h"
#include "platform/textfit.h"

#include <QtWidgets>

#include <csignal>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/resource.h>
#endif

namespace {

QString read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

// Calls answer with the next modal dialog of type T once it is shown and active: keys typed
// before would miss its field, and without a window manager only the program activates it.
template <typename T> void whenShown(std::function<void(T *)> answer)
{
    auto *poll = new QTimer(qApp); // freed with the application should no dialog come
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        delete poll;
        dialog->activateWindow();
        if (QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
            return answer(dialog);
        dialog->reject();
        QFAIL(qPrintable(dialog->metaObject()->className() + QString(" did not become active")));
    });
    poll->start(10);
}

// The lines of a PDF as pdftotext reads them: text, page and box, in points; the
// document's title comes first, as a line of page 0.
struct PdfLine
{
    QString text;
    int page = 0;
    QRectF box;
};

QList<PdfLine> pdfLines(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-bbox", path, "-"});
    pdftotext.waitForFinished(60000);
    static const QRegularExpression item(
        R"re(<title>([^<]*)|<page |<word xMin="([\d.]+)" )re"
        R"re(yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    QList<PdfLine> lines;
    int page = 0;
    for (const QRegularExpressionMatch &m : item.globalMatch(pdftotext.readAllStandardOutput())) {
        const QRectF box(QPointF(m.captured(2).toDouble(), m.captured(3).toDouble()),
                         QPointF(m.captured(4).toDouble(), m.captured(5).toDouble()));
        // Words of one line share their top edge.
        if (m.captured().startsWith(u"<title>")) {
            lines.append({m.captured(1), 0, {}});
        } else if (m.captured(2).isEmpty()) {
            ++page;
        } else if (!lines.isEmpty() && lines.last().page == page &&
                   qAbs(lines.last().box.top() - box.top()) < 0.5) {
            lines.last().text += u' ' + m.captured(6);
            lines.last().box |= box;
        } else {
            lines.append({m.captured(6), page, box});
        }
    }
    return lines;
}

// The average character width, in points, of the printer's font at points size, at
// the 1,200 dots per inch that printouts are laid out in.
qreal averageCharWidth(int points)
{
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(qRound(1200 / 0.0254));
    device.setDotsPerMeterY(qRound(1200 / 0.0254));
    QFont font;
    font.setPointSize(points);
    return QFontMetricsF(font, &device).averageCharWidth() * 72 / 1200;
}

// An expected value with "…", any text (where the system words a part of a message
// its own way), or "{a|b}", one of a and b (where the system may have any of them).
QRegularExpression pattern(const QString &value)
{
    static const QRegularExpression part(R"(…|\{([^}]*)\}|[^…{]+|\{)");
    QString expression;
    for (const QRegularExpressionMatch &m : part.globalMatch(value))
        expression +=
            m.captured() == u"…" ? QStringLiteral(".*")
            : m.hasCaptured(1)
                ? "(?:" + QRegularExpression::escape(m.captured(1)).replace("\\|", "|") + u')'
                : QRegularExpression::escape(m.captured());
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

void Window::msgBox(const QString &text, platform::MsgIcon icon, const QString &title)
{
    static const char *icons[] = {"none", "information", "critical"};
    events.append(QStringLiteral("%1 %2: %3").arg(icons[int(icon)], title, text));
    if (m_closeOnBox)
        frm.close();
}

Window::Window()
{
    qputenv("VOXTREL_STARTED", QFile::encodeName(m_dir.filePath("started"))); // for stand-ins
#ifdef Q_OS_WIN // a registry of the test's own, empty, as HKEY_LOCAL_MACHINE of this process
    HKEY own = nullptr;
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Voxtrel tests");
    RegCreateKeyA(HKEY_CURRENT_USER, "Software\\Voxtrel tests", &own);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, own);
    RegCloseKey(own);
#endif
    frm.show();
    frm.activateWindow();
    QVERIFY2(QTest::qWaitForWindowActive(&frm), "the main window did not become active");
}

void Window::run(const QString &steps)
{
    for (const QString &step : steps.split(" >> ")) {
        const qsizetype arrow = step.indexOf("=>");
        const QString keys = step.left(arrow).trimmed();
        const QString expected = step.mid(arrow + 2).remove(QRegularExpression("^ "));
        if (const qsizetype about = keys.indexOf("{about}"); about >= 0) {
            this->keys(keys.left(about));
            bool opened = false;
            QObject context; // ends the timer with this step, should no dialog open
            QTimer::singleShot(0, &context, [&] {
                QPointer<QDialog> dialog =
                    qobject_cast<QDialog *>(QApplication::activeModalWidget());
                opened = dialog && QTest::qWaitForWindowActive(dialog);
                this->keys(keys.mid(about + 7));
                check(expected);
                if (dialog)
                    dialog->done(QDialog::Rejected);
            });
            frm.findChild<QAction *>("mnuHelpAbout")->trigger();
            QVERIFY2(opened, "Help > About opened no active modal dialog");
        } else {
            this->keys(keys);
            check(expected);
        }
        if (QTest::currentTestFailed())
            return qWarning("in the step %s", qPrintable(step));
    }
}

void Window::keys(const QString &sequence)
{
    static const QRegularExpression token(
        R"((?:\{(\w+):([^}]*)\}|\{([^}]+)\}|([^\s*]+))(?:\*(\d+))?)");
    const auto target = [] {
        QWidget *popup = QApplication::activePopupWidget();
        return popup ? popup : QApplication::focusWidget();
    };
    auto *list = frm.findChild<QListWidget *>("lstResult");
    const QString bin = m_dir.filePath("bin");
    for (const QRegularExpressionMatch &m : token.globalMatch(sequence)) {
        const QString command = m.captured(1), argument = m.captured(2), key = m.captured(3),
                      typed = m.captured(4);
        for (int n = 0; n < qMax(1, m.captured(5).toInt()); ++n) {
            if (command == u"paste" || command == u"clip") {
                QGuiApplication::clipboard()->setText(argument);
                QTRY_COMPARE(QGuiApplication::clipboard()->text(), argument);
                if (command == u"paste")
                    QTest::keyClick(target(), Qt::Key_Insert, Qt::ShiftModifier);
            } else if (command == u"select" || command == u"extend") { // a row clicked, in view
                const QModelIndex row = list->model()->index(argument.toInt(), 0);
                list->scrollTo(row);
                QTest::mouseClick(list->viewport(), Qt::LeftButton,
                                  command == u"select" ? Qt::ControlModifier : Qt::ShiftModifier,
                                  list->visualRect(row).center());
            } else if (command == u"fill") {
                list->addItems(QStringList(argument.toInt(), "earlier"));
            } else if (command == u"save") {
                const QStringList how = argument.split(u':');
                answerFileDialog(how[0], how.value(1));
#ifndef Q_OS_WIN // a limit on the size of files, as a full disk stops a write
                rlimit saved{};
                getrlimit(RLIMIT_FSIZE, &saved);
                const rlimit limit{how.size() > 2 ? how[2].toULongLong() : saved.rlim_cur,
                                   saved.rlim_max};
                const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
                setrlimit(RLIMIT_FSIZE, &limit);
                const auto restore = qScopeGuard([&] {
                    setrlimit(RLIMIT_FSIZE, &saved);
                    std::signal(SIGXFSZ, oldHandler);
                });
#endif
                keys("{activate} ^S {activate}");
            } else if (command == u"dir") {
                QDir(m_dir.path()).mkpath(argument);
            } else if (command == u"file") {
                QFile file(m_dir.filePath(argument.section(u'=', 0, 0)));
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(argument.section(u'=', 1).toLocal8Bit());
            } else if (command == u"path") {
                // Copies of this test, which record their start (see main), or "name=shell",
                // a script of that interpreter, which "-" makes a file not to be run.
                QDir().mkpath(bin);
                for (const QString &standIn : argument.split(u',', Qt::SkipEmptyParts)) {
                    QFile file(bin + u'/' + standIn.section(u'=', 0, 0));
                    const QString shell = standIn.section(u'=', 1);
                    QDir().mkpath(QFileInfo(file).path()); // on Windows "\" separates folders
                    QVERIFY(shell.isEmpty() ? QFile::copy(QCoreApplication::applicationFilePath(),
                                                          file.fileName())
                                            : file.open(QIODevice::WriteOnly) &&
                                                  file.write("#!" + shell.toLocal8Bit() + '\n'));
                    file.setPermissions(QFile::ReadOwner |
                                        (shell == u"-" ? QFile::Permissions() : QFile::ExeOwner));
                }
#ifndef Q_OS_WIN // where Windows finds the libraries of this test's copies
                qputenv("PATH", QFile::encodeName(bin));
#endif
            } else if (command == u"help") {
                services.helpFile =
                    argument == u"manual" ? VOXTREL_MANUAL : m_dir.filePath(argument);
            } else if (command == u"focus") {
                frm.findChild<QWidget *>(argument)->setFocus();
            } else if (command == u"reg") { // key|name|type|data, or key||r| to be only read
                using namespace platform::registry;
                const QStringList v = argument.split(u'|');
                const QByteArray key = v[0].toLocal8Bit(), name = v[1].toLocal8Bit(),
                                 data = QDir::toNativeSeparators(QString(v[3]).replace(u'~', bin))
                                            .toLocal8Bit()
                                            .replace("\\0", QByteArray(1, 0));
#ifdef Q_OS_WIN // the test's own registry (see Window)
                QVERIFY(!RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, v[2].toUInt(), data.data(),
                                         data.size()));
#else
                if (v[2] == u"r")
                    m_registry->createKey(localMachine, key,
                                          keyQueryValue | keyEnumerateSubKeys | keyNotify |
                                              readControl);
                else
                    m_registry->setValue(localMachine, key, name, v[2].toUInt(), data);
#endif
            } else if (command == u"unix") { // built for Windows, the story skips (see tst_window)
            } else if (command == u"fonts") {
                frm.fitFonts({argument});
            } else if (key == u"registry") {
#ifndef Q_OS_WIN // Windows' own registry holds what the system offers
                m_registry->loadSystemEntries();
#endif
            } else if (key == u"activate") {
                frm.activateWindow();
                QTRY_COMPARE(QApplication::activeWindow(), &frm);
            } else if (auto *calc = frm.findChild<QPushButton *>("cmdCalculate"); key == u"calc") {
                if (calc->isVisible()) // as only then a user can click it
                    QTest::mouseClick(calc, Qt::LeftButton);
            } else if (key == u"close") {
                (QApplication::activeWindow() ? QApplication::activeWindow() : &frm)->close();
            } else if (key == u"closeOnBox") {
                m_closeOnBox = true;
            } else if (!key.isEmpty() || typed.startsWith(u'^')) {
                const QKeyCombination pressed =
                    QKeySequence(key.isEmpty() ? "Ctrl+" + typed.mid(1) : key)[0];
                QVERIFY2(pressed.key() && pressed.key() != Qt::Key_unknown,
                         qPrintable(QStringLiteral("no step or key {%1}").arg(key)));
                QTest::keyClick(target(), pressed.key(), pressed.keyboardModifiers());
                // A menu opened by its access key shows once the event loop has run.
                QVERIFY2(pressed.keyboardModifiers() != Qt::AltModifier ||
                             QTest::qWaitFor([] { return QApplication::activePopupWidget(); }),
                         qPrintable("no menu opened on " + key));
            } else if (!command.isEmpty()) {
                QFAIL(qPrintable(QStringLiteral("no step {%1:...}").arg(command)));
            } else {
                for (QChar ch : typed)
                    QTest::keyClicks(target(), QString(ch));
            }
        }
    }
}

void Window::answerFileDialog(const QString &name, const QString &replace)
{
    whenShown<QFileDialog>([=, this](QFileDialog *dialog) {
        auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit");
        m_proposed = QDir(dialog->directory()).filePath(edit->text()) + u'|' +
                     dialog->nameFilters().join(u'|');
        if (name.isEmpty())
            return QTest::keyClick(dialog, Qt::Key_Escape);
        if (const QString folder = QFileInfo(m_dir.filePath(name)).path(); replace == u"removed") {
            QObject::connect(dialog, &QDialog::accepted,
                             [folder] { QDir(folder).removeRecursively(); });
        } else if (!replace.isEmpty()) {
            whenShown<QMessageBox>([=, this](QMessageBox *box) {
                events << "replace? " + replace;
                box->button(replace == u"yes" ? QMessageBox::Yes : QMessageBox::No)->click();
                if (replace != u"yes")
                    answerFileDialog({}, {});
            });
        }
        // The completer's pop-up would take the Enter; the Save button is enabled once
        // the dialog has looked at the folder, on a thread of its own.
        edit->setCompleter(nullptr);
        edit->clear();
        QTest::keyClicks(edit, m_dir.filePath(name));
        const QPushButton *save =
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save);
        if (QTest::qWaitFor([save] { return save->isEnabled(); }))
            return QTest::keyClick(edit, Qt::Key_Return);
        dialog->reject();
        QFAIL("the save dialog's Save button stayed disabled");
    });
}

void Window::check(const QString &expected) const
{
    static const QRegularExpression separator(R"((?<!\\);)"); // once: the monkey checks often
    bool eventsNamed = false;
    for (const QString &item : expected.split(separator, Qt::SkipEmptyParts)) {
        const QString aspect = item.section(u'=', 0, 0).remove(QRegularExpression("^ +"));
        const QString value = item.section(u'=', 1).replace("\\;", ";"); // "\;" a ";" of its own
        eventsNamed |= aspect == u"events";
        // Long enough for a program started by mistake to leave its mark.
        if (aspect == u"started" && value.isEmpty())
            QTest::qWait(300);
        // A window becomes active, and a program started, a little later: under Wine on a
        // busy machine, a copy of this test can take more than Qt's 5 s to start.
        if (aspect == u"active" || aspect == u"started" || aspect.startsWith(u"window:")) {
            QTRY_COMPARE_WITH_TIMEOUT(show(aspect), value, 30000);
        } else if (const QString shown = show(aspect); !pattern(value).match(shown).hasMatch()) {
            QCOMPARE(shown, value);
        }
    }
    m_named = eventsNamed ? events.size() : m_named;
    QVERIFY2(eventsNamed || !events.join(u'|').contains("end "), qPrintable(events.join(u'|')));
}

QString Window::show(const QString &aspect) const
{
    QStringList parts;
    const QString argument = aspect.section(u':', 1);
    auto *list = frm.findChild<QListWidget *>("lstResult");
    auto *help = frm.findChild<QTextBrowser *>();
    auto *about = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    const auto names = [&](const auto &widgets, auto &&test) {
        for (const auto *widget : widgets)
            if (test(widget))
                parts << widget->objectName();
        parts.sort();
        return parts.join(u' ');
    };
    if (aspect == u"labels") {
        for (const char *name : {"Decimal", "Hex", "Binary"})
            parts << (show("checked").endsWith(name)
                          ? "~"
                          : frm.findChild<QLabel *>("lbl" + QString(name))->text());
    } else if (aspect == u"entries") {
        for (const char *name : {"txtDecimal", "txtHex", "txtBinary_0", "txtBinary_1",
                                 "txtBinary_2", "txtBinary_3", "txtBinary_4"})
            parts << frm.findChild<QLineEdit *>(name)->text();
    } else if (aspect == u"text") {
        const auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        return field ? field->text() : "<no field>";
    } else if (aspect == u"focus" || aspect == u"active") {
        const QWidget *widget =
            aspect == u"focus" ? QApplication::focusWidget() : QApplication::activeWindow();
        return widget ? widget->objectName() : "<none>";
    } else if (aspect == u"checked" || aspect == u"enabled") {
        const bool checked = aspect == u"checked";
        const QRegularExpression items(checked ? "^mnuConverter."
                                               : "^mnu(FilePrint|EditCopy|EditSelect)$");
        return names(frm.findChildren<QAction *>(items),
                     [&](const QAction *a) { return checked ? a->isChecked() : a->isEnabled(); });
    } else if (aspect == u"shown" || aspect == u"covered") {
        // Shown controls, or those that another control hides at their centre; Qt's own
        // parts of a control (a list's viewport, say) are named qt_...
        return names(frm.centralWidget()->findChildren<QWidget *>(QRegularExpression("^(?!qt_).")),
                     [&](const QWidget *w) {
                         const QWidget *atCentre =
                             w->parentWidget()->childAt(w->geometry().center());
                         return w->isVisible() && (aspect == u"shown" ||
                                                   (atCentre != w && !w->isAncestorOf(atCentre)));
                     });
    } else if (aspect == u"count") {
        return QString::number(list->count());
    } else if (const bool selected = aspect == u"selected"; selected || aspect == u"inview") {
        for (int row = 0; row < list->count(); ++row) // inview: the first and last shown whole
            if (selected ? list->item(row)->isSelected()
                         : list->viewport()->rect().contains(list->visualItemRect(list->item(row))))
                parts << QString::number(row);
        return selected || parts.isEmpty() ? parts.join(u' ') : parts.first() + u'-' + parts.last();
    } else if (aspect == u"list") {
        for (int row = 0; row < list->count(); ++row)
            parts << list->item(row)->text();
    } else if (aspect == u"clipboard" || aspect == u"copied") {
        const QString text = QGuiApplication::clipboard()->text();
        return aspect == u"copied" ? QString::number(text.size()) : text;
    } else if (aspect == u"window") {
        // The client area whole below the menu bar, a fixed size, the keyboard icon (where it
        // opens, on a real X server: tests/app/wayland.sh).
        const QRect client(frm.centralWidget()->mapTo(&frm, QPoint()), frm.centralWidget()->size());
        parts << frm.windowTitle()
              << (frm.rect().contains(client) ? "client area whole" : "client area cut")
              << (frm.minimumSize() == frm.maximumSize() ? "fixed" : "sizable")
              << (frm.windowIcon().pixmap(32).toImage() ==
                          QIcon(":/app/keyboard.xpm").pixmap(32).toImage()
                      ? "keyboard icon"
                      : "other icon");
    } else if (aspect == u"files") {
        return QDir(m_dir.path()).entryList(QDir::Files).join(u' ');
    } else if (aspect.startsWith(u"file:")) {
        return read(m_dir.filePath(argument));
    } else if (aspect == u"dialog") {
        parts << m_proposed;
    } else if (aspect == u"started") {
        return read(m_dir.filePath("started"))
            .remove(QDir::toNativeSeparators(m_dir.filePath("bin/")))
            .trimmed();
    } else if (aspect == u"help" && help) {
        return QStringLiteral("%1 %2 %3 %4")
            .arg(frm.findChildren<QWidget *>("frmHelp").size())
            .arg(help->window()->isVisible() ? "shown" : "hidden",
                 help->verticalScrollBar()->value() ? "scrolled" : "top",
                 help->window()->windowTitle());
    } else if (aspect == u"helptext" && help) {
        parts << help->toPlainText().section(u'\n', 0, 1);
    } else if (aspect == u"about" && (!about || !about->isVisible())) {
        return QStringLiteral("closed, %1 left")
            .arg(std::ranges::count_if(QApplication::topLevelWidgets(),
                                       [](QWidget *w) { return w->objectName() == u"frmAbout"; }));
    } else if (aspect == u"about") {
        const bool modal = about->windowModality() == Qt::ApplicationModal && !about->parent();
        parts << about->objectName() << about->windowTitle()
              << (modal ? "modal, no owner" : "owned");
        for (const char *name : {"lblTitle", "lblVersion", "cmdOK", "cmdSysInfo", "lblDescription"})
            parts << about->findChild<QWidget *>(name)->property("text").toString().section(". ", 0,
                                                                                            0);
    } else if (aspect == u"printout" || aspect == u"printlayout") {
        // The queue writes the file while the job runs: it is whole once no job is left.
        if (!QTest::qWaitFor(
                [] {
                    return !QProcess::execute("sh",
                                              {"-c", "jobs=$(lpstat -o) && [ -z \"$jobs\" ]"});
                },
                30000))
            QTest::qFail("the print job did not complete", __FILE__, __LINE__);
        QList<PdfLine> lines = pdfLines(qEnvironmentVariable("VOXTREL_TEST_PRINTOUT"));
        if (aspect == u"printout") {
            parts << "title " + lines.value(0).text; // the job's name
            for (qsizetype i = 1, n = 1; i < lines.size(); i += n, n = 1) {
                while (i + n < lines.size() && lines[i + n].text == lines[i].text)
                    ++n;
                parts << lines[i].text + (n > 1 ? QStringLiteral("*%1").arg(n) : "");
            }
            return parts.join(u'|');
        }
        lines.removeFirst();
        if (lines.size() < 3)
            return "fewer than three lines";
        // Heights scale with the font size; columns are average characters of the line's
        // own font; each page is filled before the next begins.
        const PdfLine &address = lines[0], &first = lines[1];
        const qreal shift = address.box.left() - first.box.left() - 79 * averageCharWidth(6) +
                            9 * averageCharWidth(10);
        bool inOrder = true;
        for (qsizetype i = 2; i < lines.size(); ++i)
            inOrder &= lines[i].page != lines[i - 1].page
                           ? lines[i].box.top() < lines[i - 1].box.top()
                           : lines[i].box.top() > lines[i - 1].box.top();
        parts << QStringLiteral("address %1 high")
                     .arg(qRound(10 * address.box.height() / first.box.height()) / 10.0)
              << (first.box.top() - address.box.top() > 1.5 * (lines[2].box.top() - first.box.top())
                      ? "empty line"
                      : "no empty line")
              << (qAbs(shift) < 0.5 ? "columns 80 and 10"
                                    : "columns off by " + QString::number(shift))
              << QStringLiteral("%1 pages").arg(lines.last().page)
              << (inOrder ? "in order" : "out of order");
    } else if (aspect.startsWith(u"code:")) {
        const QKeyCombination key = QKeySequence(argument.section(u':', 0, 0))[0];
        return QString::number(
            characterCode(QKeyEvent(QEvent::KeyPress, key.key() ? key.key() : Qt::Key_unknown,
                                    key.keyboardModifiers(), argument.section(u':', 1))));
    } else if (aspect.startsWith(u"fit:")) {
        // In the face Qt resolved, at the size drawn, and half a point above the size asked for.
        const QStringList a = argument.split(u':');
        const QWidget *control = frm.findChild<QWidget *>(a[0]);
        if (!control && about)
            control = about->findChild<QWidget *>(a[0]);
        const QFontInfo resolved(control->font());
        if (a.size() == 1)
            return QStringLiteral("%1 %2pt").arg(resolved.family()).arg(resolved.pointSizeF());
        const auto fits = [&](qreal points) {
            QFont font(resolved.family());
            font.setPointSizeF(points);
            const QFontMetricsF metrics(font, control);
            qreal widest = 0;
            for (QChar ch : a.value(1))
                widest = qMax(widest, metrics.horizontalAdvance(ch));
            const QSizeF text =
                a[1].isEmpty() // no chars: a button's caption, its ink
                    ? metrics.tightBoundingRect(control->property("text").toString()).size()
                    : QSizeF(widest * a.value(2).toInt() + a.value(3).toInt(), metrics.height());
            return text.boundedTo(platform::textRoom(control).size()) == text; // within
        };
        const qreal asked = control->font().pointSizeF();
        return !fits(resolved.pointSizeF())     ? "cut"
               : asked < 9 && fits(asked + 0.5) ? "fits, and a step larger too"
                                                : "fits";
    } else if (aspect == u"separators") {
        // Each drawn as a bare one is, put for the while between two items that are not separators.
        for (QMenu *menu : frm.menuBar()->findChildren<QMenu *>()) {
            const QList<QAction *> items = menu->actions();
            const auto before =
                std::adjacent_find(items.begin(), items.end(), [](auto *a, auto *b) {
                    return !a->isSeparator() && !b->isSeparator();
                });
            const std::unique_ptr<QAction> bare(menu->insertSeparator(before[1]));
            menu->adjustSize();
            for (QAction *action : menu->actions())
                if (action->isSeparator() && action != bare.get())
                    parts << action->objectName() +
                                 (menu->grab(menu->actionGeometry(action)).toImage() ==
                                          menu->grab(menu->actionGeometry(bare.get())).toImage()
                                      ? " line"
                                      : " drawn otherwise");
        }
    } else if (aspect.startsWith(u"groups:")) {
        // Runs of ink (any pixel not the background) apart by 2 px or more of background
        // in every row, counted in pixels of the window's scale.
        const QImage image = frm.findChild<QWidget *>(argument)->grab().toImage();
        QList<int> inked;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixel(x, y) != image.pixel(0, 0) && (inked.isEmpty() || inked.last() < x))
                    inked << x;
        if (!inked.isEmpty() && inked.last() == image.width() - 1)
            return "ink at the right edge";
        int runs = !inked.isEmpty();
        for (qsizetype i = 1; i < inked.size(); ++i)
            runs += inked[i] - inked[i - 1] > 2 * image.devicePixelRatio();
        return QStringLiteral("%1 runs apart by 2 px or more").arg(runs);
    } else if (aspect == u"cut") {
        // A horizontal scroll bar (laid out once events have run), and the rows of the first
        // four entries of a block wider, as the list's delegate measures them, than the
        // viewport.
        QCoreApplication::processEvents();
        if (list->horizontalScrollBar()->isVisible())
            parts << "scroll bar";
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.font = list->font();
        for (int row = 0; row < list->count(); ++row)
            if (row % 5 < 4 &&
                list->itemDelegate()->sizeHint(option, list->model()->index(row, 0)).width() >
                    list->viewport()->width())
                parts << QString::number(row);
    } else if (aspect == u"helpwindow" && help) {
        const QSize screen = help->window()->screen()->availableSize();
        return screen.expandedTo(help->window()->frameGeometry().size()) == screen
                   ? "within the screen"
                   : "larger than the screen";
#ifdef Q_OS_WIN
    } else if (aspect.startsWith(u"window:")) { // a window of that title, then closed
        const HWND window = FindWindowW(nullptr, reinterpret_cast<LPCWSTR>(argument.utf16()));
        return window && PostMessageW(window, WM_CLOSE, 0, 0) ? "open" : "none";
#endif
    } else if (aspect == u"events") {
        parts = events;
    } else if (aspect != u"help" && aspect != u"helptext") {
        QTest::qFail(qPrintable("no aspect " + aspect), __FILE__, __LINE__);
    }
    return parts.join(u'|')
        .replace(m_dir.path(), "~")
        .replace(QDir::toNativeSeparators(m_dir.path()), "~");
}

QString Window::reference(const QString &before) const
{
    // Blanks are Unicode's white space (PCRE's \s also takes U+180E, a format character).
    static const QRegularExpression decimal(
        R"(^[\p{Z}\t-\r\x{85}]*([+-]?)([0-9]+)[\p{Z}\t-\r\x{85}]*$)");
    const auto binary = [](const QString &hex) {
        QString bits;
        for (QChar digit : hex)
            bits += QString::number(QString(digit).toUInt(nullptr, 16), 2).rightJustified(4, u'0');
        return bits;
    };
    const char base = show("checked").at(12).toLatin1();
    const auto entry = [this](const QString &name) {
        return frm.findChild<QLineEdit *>(name)->text();
    };
    QString text = entry(base == 'D' ? "txtDecimal" : "txtHex");
    if (base == 'B') {
        text.clear();
        for (int box = 0; box < 5; ++box)
            text.prepend(entry("txtBinary_" + QString::number(box)).rightJustified(4, u'0'));
        if (text.contains(QRegularExpression("[^01]")))
            return before;
        const quint32 value = text.toUInt(nullptr, 2);
        return QString::number(value) + u'|' + QString::number(value, 16).toUpper() + "|~";
    }
    if (base == 'D') {
        const QRegularExpressionMatch m = decimal.match(text);
        bool ok = false;
        const qlonglong magnitude = m.captured(2).toLongLong(&ok);
        const qlonglong value = m.captured(1) == u"-" ? -magnitude : magnitude;
        if (!m.hasMatch() || !ok || value < -(1LL << 31) || value >= (1LL << 31))
            return before;
        const QString hex = QString::number(quint32(value), 16).toUpper();
        return "~|" + hex + u'|' + binary(hex);
    }
    QString digits;
    for (QChar ch : text)
        if ((ch >= u'0' && ch <= u'9') || (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F'))
            digits += ch.toUpper();
    // A field without digits empties the binary label only.
    const QString decimalLabel =
        digits.isEmpty() ? before.section(u'|', 0, 0) : QString::number(digits.toUInt(nullptr, 16));
    return decimalLabel + "|~|" + binary(digits);
}
