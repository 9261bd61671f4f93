// The floor for the program's start-up: a bare Qt Widgets window of the same
// shape and nothing else (no form file, no handlers, no icon), so that what the
// program needs beyond it shows as the difference between the two.

#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

#include <initializer_list>
#include <utility>

namespace {

// Four menus of 18 items, four of them separators (an empty caption).
using MenuItem = std::pair<const char *, const char *>;
struct Menu
{
    const char *caption;
    std::initializer_list<MenuItem> items;
};
const Menu menus[] = {
    {"&File",
     {{"&Save", "Ctrl+S"},
      {"&Print", "Ctrl+P"},
      {"", ""},
      {"&Add", "F2"},
      {"&Remove", "Ctrl+R"},
      {"", ""},
      {"E&xit", ""}}},
    {"&Edit",
     {{"&Clear", "Ctrl+I"},
      {"", ""},
      {"&Copy", "Ctrl+C"},
      {"Select &All", "Ctrl+A"},
      {"", ""},
      {"&Notes", "Ctrl+N"}}},
    {"&View", {{"&One", "Ctrl+D"}, {"&Two", "Ctrl+H"}, {"T&hree", "Ctrl+B"}}},
    {"&Help", {{"&Contents", "F1"}, {"&About", ""}}},
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));

    for (const Menu &menu : menus) {
        QMenu *items = window.menuBar()->addMenu(QString::fromLatin1(menu.caption));
        for (const auto &[caption, shortcut] : menu.items) {
            if (*caption == '\0')
                items->addSeparator();
            else
                items->addAction(QString::fromLatin1(caption))
                    ->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
        }
    }

    auto *client = new QWidget;
    window.setCentralWidget(client);
    auto *list = new QListWidget(client);
    list->setGeometry(232, 16, 233, 173);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int row = 0; row < 3; ++row) {
        auto *box = new QGroupBox(QStringLiteral(" Group "), client);
        box->setGeometry(8, 8 + 64 * row, 209, 57);
        auto *label = new QLabel(box);
        label->setGeometry(8, 24, 193, 17);
        auto *field = new QLineEdit(box);
        field->setGeometry(8, 24, 193, 19);
    }
    auto *button = new QPushButton(QStringLiteral("Button"), client);
    button->setGeometry(88, 144, 121, 13);
    button->hide();

    const QSize clientSize(476, 198);
    client->setFixedSize(clientSize);
    window.setFixedSize(clientSize.width(),
                        clientSize.height() + window.menuBar()->sizeHint().height());
    window.show();
    return app.exec();
}
