#include "app/frmmain.h"

#include "app/fieldevents.h"
#include "platform/services.h"
#include "platform/textfit.h"
#include "platform/windowsystem.h"
#include "results/resultblock.h"
#include "ui_frmmain.h"

#include <QCloseEvent>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOptionMenuItem>

#include <optional>

namespace {

// The window's style, but for a separator's caption, which it leaves out.
class SeparatorsUntitled : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto copy = untitled(option);
        QProxyStyle::drawControl(element, copy ? &*copy : option, painter, widget);
    }
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        const auto copy = untitled(option);
        return QProxyStyle::sizeFromContents(type, copy ? &*copy : option, size, widget);
    }

private:
    static std::optional<QStyleOptionMenuItem> untitled(const QStyleOption *option)
    {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (!item || item->menuItemType != QStyleOptionMenuItem::Separator)
            return std::nullopt;
        QStyleOptionMenuItem copy(*item);
        copy.text.clear();
        return copy;
    }
};

std::unique_ptr<Ui::frmMain> setUpForm(QMainWindow *window)
{
    auto ui = std::make_unique<Ui::frmMain>();
    ui->setupUi(window);
    return ui;
}

} // namespace

// The subsystems are made with the controls of the form, set up first.
FrmMain::FrmMain(platform::Services &services, QWidget *parent)
    : QMainWindow(parent),
      ui(setUpForm(this)), txtBinary{ui->txtBinary_0, ui->txtBinary_1, ui->txtBinary_2,
                                     ui->txtBinary_3, ui->txtBinary_4},
      m_services(services), m_entry(entryControls(), services.notifier),
      m_results({ui->lstResult, ui->mnuFilePrint, ui->mnuEditCopy, ui->mnuEditSelect,
                 ui->mnuConverterDecimal, ui->mnuConverterHex, ui->mnuConverterBinary,
                 entryControls(), ui->txtTemp},
                services, *this),
      m_help(*this, services)
{
    // Designer has no named separators; these items exist under their names so
    // that the menu tree can be read back whole. Their caption "-" marks them as
    // separators, and is not drawn: a style draws a separator's text as a title.
    for (QAction *bar : {ui->mnuFileBar1, ui->mnuFileBar2, ui->mnuEditBar1, ui->mnuEdirBar2})
        bar->setSeparator(true);
    auto *menuStyle = new SeparatorsUntitled;
    menuStyle->setParent(this);
    for (QMenu *menu : {ui->mnuFile, ui->mnuEdit})
        menu->setStyle(menuStyle);

    // Each frame's label is created after its entry field and so would cover it;
    // the entry fields and the button are drawn above the labels.
    for (QWidget *control :
         {static_cast<QWidget *>(ui->txtDecimal), static_cast<QWidget *>(ui->txtHex),
          static_cast<QWidget *>(ui->cmdCalculate)})
        control->raise();
    for (QLineEdit *box : txtBinary)
        box->raise();

    setWindowIcon(QIcon(QStringLiteral(":/app/keyboard.xpm")));
    // Fixed single border: no resizing, no minimize or maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    const QSize client(476, 198);
    ui->centralwidget->setFixedSize(client);
    platform::fixWindowSize(this,
                            {client.width(), client.height() + menuBar()->sizeHint().height()});
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    platform::groupDigits(ui->lblBinary);
    fitFonts(platform::textFamilies);
    connectHandlers();
    Form_Load();
}

void FrmMain::fitFonts(const QStringList &families)
{
    const QString decimal = QStringLiteral("0123456789");
    const QString hex = QStringLiteral("0123456789ABCDEF");
    platform::fitText(ui->txtDecimal, decimal, 9, families);
    platform::fitText(ui->lblDecimal, decimal, 10, families);
    platform::fitText(ui->txtHex, hex, 8, families);
    platform::fitText(ui->lblHex, hex, 8, families);
    platform::fitText(ui->lblBinary, QStringLiteral("01"), 32, families,
                      (32 / 4 - 1) * platform::groupGap);
    for (QLineEdit *box : txtBinary)
        platform::fitText(box, QStringLiteral("01"), 4, families);
    platform::fitText(ui->cmdCalculate, {}, 0, families);
    // A block's first four lines, of the largest number; the binary one is the longest.
    platform::fitLines(ui->lstResult,
                       results::resultBlock(QStringLiteral("Decimal"), QStringLiteral("4294967295"),
                                            QStringLiteral("FFFFFFFF"), QString(32, u'1'))
                           .first(4),
                       families);
}

FrmMain::~FrmMain() = default;

void FrmMain::connectHandlers()
{
    const auto on = [this](QAction *item, auto handler) {
        connect(item, &QAction::triggered, this, handler);
    };
    on(ui->mnuFileSaveas, [this] { m_results.mnuFileSaveas_Click(); });
    on(ui->mnuFilePrint, [this] { m_results.mnuFilePrint_Click(); });
    on(ui->mnuFileAdd, [this] { m_results.mnuFileAdd_Click(); });
    on(ui->mnuFileClear, [this] { m_results.mnuFileClear_Click(); });
    on(ui->mnuFileExit, &FrmMain::mnuFileExit_Click);
    on(ui->mnuEditClear, &FrmMain::mnuEditClear_Click);
    on(ui->mnuEditCopy, [this] { m_results.mnuEditCopy_Click(); });
    on(ui->mnuEditSelect, &FrmMain::mnuEditSelect_Click);
    on(ui->mnuEditNotepad, [this] { m_results.mnuEditNotepad_Click(); });
    on(ui->mnuConverterDecimal, &FrmMain::mnuConverterDecimal_Click);
    on(ui->mnuConverterHex, &FrmMain::mnuConverterHex_Click);
    on(ui->mnuConverterBinary, &FrmMain::mnuConverterBinary_Click);
    on(ui->mnHelpContents, [this] { m_help.mnHelpContents_Click(); });
    on(ui->mnuHelpAbout, [this] { m_help.mnuHelpAbout_Click(); });

    translate::EntryFields &entry = m_entry;
    onKeyPress(ui->txtDecimal, [&entry](int &KeyAscii) { entry.txtDecimal_KeyPress(KeyAscii); });
    connect(ui->txtDecimal, &QLineEdit::textChanged, this, [&entry] { entry.txtDecimal_Change(); });
    onKeyPress(ui->txtHex, [&entry](int &KeyAscii) { entry.txtHex_KeyPress(KeyAscii); });
    connect(ui->txtHex, &QLineEdit::textChanged, this, [&entry] { entry.txtHex_Change(); });
    for (int Index = 0; Index < int(txtBinary.size()); ++Index) {
        onKeyPress(txtBinary[Index],
                   [&entry, Index](int &KeyAscii) { entry.txtBinary_KeyPress(Index, KeyAscii); });
        connect(txtBinary[Index], &QLineEdit::textChanged, this,
                [&entry, Index] { entry.txtBinary_Change(Index); });
    }
    connect(ui->cmdCalculate, &QPushButton::clicked, this,
            [&entry] { entry.cmdCalculate_Click(); });

    giveMenuShortcutsPrecedence(this);

    // After the handlers, which write the results.
    for (QLineEdit *field : entryFields())
        connect(field, &QLineEdit::textChanged, this, &FrmMain::describeResults);
    connect(ui->cmdCalculate, &QPushButton::clicked, this, &FrmMain::describeResults);
    for (QAction *item :
         {ui->mnuConverterDecimal, ui->mnuConverterHex, ui->mnuConverterBinary, ui->mnuEditClear})
        connect(item, &QAction::triggered, this, &FrmMain::describeResults);
}

platform::EntryControls FrmMain::entryControls() const
{
    return {ui->txtDecimal, ui->txtHex, txtBinary, ui->lblDecimal, ui->lblHex, ui->lblBinary};
}

QList<QLineEdit *> FrmMain::entryFields() const
{
    return QList<QLineEdit *>{ui->txtDecimal, ui->txtHex}
           << QList(txtBinary.begin(), txtBinary.end());
}

// A screen reader never visits the result labels, which take no focus: the entry
// fields carry the results as their description, announced as it changes.
void FrmMain::describeResults()
{
    QStringList results;
    const std::tuple<const char *, QAction *, QLabel *> bases[] = {
        {"Decimal", ui->mnuConverterDecimal, ui->lblDecimal},
        {"Hexadecimal", ui->mnuConverterHex, ui->lblHex},
        {"Binary", ui->mnuConverterBinary, ui->lblBinary}};
    for (const auto &[base, item, label] : bases) {
        if (!item->isChecked() && !label->text().isEmpty())
            results << QStringLiteral("%1 %2").arg(QLatin1String(base), label->text());
    }
    for (QLineEdit *field : entryFields())
        field->setAccessibleDescription(results.join(QStringLiteral(", ")));
}

void FrmMain::Form_Load()
{
    ui->mnuConverterDecimal->setChecked(true);
    ui->txtHex->hide();
    for (QLineEdit *box : txtBinary)
        box->hide();
    ui->mnuFilePrint->setEnabled(false);
    ui->mnuEditCopy->setEnabled(false);
    ui->mnuEditSelect->setEnabled(false);
}

void FrmMain::UnCheckConverters()
{
    ui->mnuConverterDecimal->setChecked(false);
    ui->mnuConverterHex->setChecked(false);
    ui->mnuConverterBinary->setChecked(false);
}

// The three modes run their steps in exactly this order: each box is hidden before
// it is emptied, and its nested change event may move the focus to a box further
// left, which is then still shown. The labels are emptied after the fields.
void FrmMain::mnuConverterDecimal_Click()
{
    UnCheckConverters();
    ui->mnuConverterDecimal->setChecked(true);
    ui->lblDecimal->hide();
    ui->txtDecimal->show();
    ui->lblBinary->show();
    for (QLineEdit *box : txtBinary) {
        box->hide();
        box->clear();
    }
    ui->cmdCalculate->hide();
    ui->lblHex->show();
    ui->txtHex->hide();
    ui->lblBinary->clear();
    ui->lblHex->clear();
    ui->txtHex->clear();
    ui->txtDecimal->setFocus();
}

void FrmMain::mnuConverterHex_Click()
{
    UnCheckConverters();
    ui->mnuConverterHex->setChecked(true);
    ui->lblDecimal->show();
    ui->txtDecimal->hide();
    ui->lblBinary->show();
    for (QLineEdit *box : txtBinary) {
        box->hide();
        box->clear();
    }
    ui->cmdCalculate->hide();
    ui->lblHex->hide();
    ui->txtHex->show();
    ui->lblBinary->clear();
    ui->lblDecimal->clear();
    ui->txtDecimal->clear();
    ui->txtHex->setFocus();
}

void FrmMain::mnuConverterBinary_Click()
{
    UnCheckConverters();
    ui->mnuConverterBinary->setChecked(true);
    ui->lblDecimal->show();
    ui->txtDecimal->hide();
    ui->lblBinary->hide();
    for (QLineEdit *box : txtBinary)
        box->show();
    ui->cmdCalculate->show();
    ui->lblHex->show();
    ui->txtHex->hide();
    ui->lblHex->clear();
    ui->lblDecimal->clear();
    ui->txtDecimal->clear();
    ui->txtHex->clear();
    txtBinary[0]->setFocus();
}
