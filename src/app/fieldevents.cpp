#include "app/fieldevents.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace {

class KeyPressFilter : public QObject
{
public:
    KeyPressFilter(QLineEdit *field, KeyPressHandler handler)
        : QObject(field), m_handler(std::move(handler))
    {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        int code = characterCode(*static_cast<QKeyEvent *>(event));
        if (code == 0)
            return false;
        m_handler(code);
        return code == 0;
    }

private:
    KeyPressHandler m_handler;
};

class MenuShortcutFilter : public QObject
{
public:
    explicit MenuShortcutFilter(QWidget *window) : QObject(window)
    {
        // The menu tree is fixed once the form is set up; every key press in a
        // control comes through here, so the items with shortcuts are found once.
        const auto actions = window->findChildren<QAction *>();
        for (QAction *action : actions) {
            if (!action->shortcut().isEmpty())
                m_items.append(action);
        }
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(keyEvent->keyCombination().toCombined() & ~Qt::KeypadModifier);
        for (const QAction *action : std::as_const(m_items)) {
            if (action->isEnabled() &&
                action->shortcut().matches(pressed) == QKeySequence::ExactMatch) {
                // Left unaccepted, the override lets the shortcut map trigger the item.
                event->ignore();
                return true;
            }
        }
        return false;
    }

private:
    QList<QAction *> m_items;
};

} // namespace

int characterCode(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool alt = mods.testFlag(Qt::AltModifier);
    const int key = event.key();
    // The code comes from key() and modifiers(), not text(): a real X11 Ctrl+V
    // carries the text "\x16" where a synthesized one carries "v", and Delete
    // carries the text "\x7f".
    switch (key) {
    case Qt::Key_Backspace:
        return ctrl ? 127 : 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ctrl ? 10 : 13;
    case Qt::Key_Escape:
        return 27;
    default:
        break;
    }
    if (ctrl && !alt)
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : 0;
    if (alt && !ctrl)
        return 0;
    // Only the letter's case needs the text (Shift, Caps Lock, the keyboard layout).
    const QString text = event.text();
    if (text.isEmpty())
        return 0;
    const char32_t ch = text.toUcs4().value(0);
    return ch < 32 || ch == 127 ? 0 : int(ch);
}

void onKeyPress(QLineEdit *field, KeyPressHandler handler)
{
    new KeyPressFilter(field, std::move(handler));
}

void giveMenuShortcutsPrecedence(QWidget *window)
{
    auto *filter = new MenuShortcutFilter(window);
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (widget->focusPolicy() != Qt::NoFocus)
            widget->installEventFilter(filter);
    }
}
