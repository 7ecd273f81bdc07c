#include "widgets/fieldevents.h"

#include "base/host.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace fieldevents {

namespace {

// One filter per hooked event; it lives as long as the widget it watches.
class Hook : public QObject
{
public:
    using Handler = std::function<bool(QEvent *)>;

    Hook(QObject *target, QEvent::Type type, Handler handler)
        : QObject(target), m_type(type), m_handler(std::move(handler))
    {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == m_type && m_handler(event);
    }

private:
    QEvent::Type m_type;
    Handler m_handler;
};

// Mouse events of a list or tree arrive at its viewport, not at the widget itself.
QObject *mouseTarget(QWidget *widget)
{
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        return area->viewport();
    return widget;
}

bool isButton(QEvent *event, Qt::MouseButton button)
{
    return static_cast<QMouseEvent *>(event)->button() == button;
}

} // namespace

void onClick(QWidget *widget, std::function<void()> handler)
{
    new Hook(mouseTarget(widget), QEvent::MouseButtonPress, [handler](QEvent *e) {
        if (isButton(e, Qt::LeftButton))
            handler();
        return false;
    });
}

void onDoubleClick(QWidget *widget, std::function<void()> handler)
{
    new Hook(mouseTarget(widget), QEvent::MouseButtonDblClick, [handler](QEvent *e) {
        if (isButton(e, Qt::LeftButton))
            handler();
        return false;
    });
}

void onLeave(QWidget *widget, std::function<void()> handler)
{
    new Hook(widget, QEvent::FocusOut, [handler](QEvent *e) {
        // A message box or another window taking the focus is no move to another control.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            handler();
        return false;
    });
}

void onEnter(QWidget *widget, std::function<void()> handler)
{
    new Hook(widget, QEvent::FocusIn, [handler](QEvent *e) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(e)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            handler();
        return false;
    });
}

void onMouseEnter(QWidget *widget, std::function<void()> handler)
{
    new Hook(widget, QEvent::Enter, [handler](QEvent *) {
        handler();
        return false;
    });
}

void onKeyDown(QWidget *widget, std::function<bool(QKeyEvent *)> handler)
{
    new Hook(widget, QEvent::KeyPress,
             [handler](QEvent *e) { return handler(static_cast<QKeyEvent *>(e)); });
}

void onKeyUp(QWidget *widget, std::function<void(QKeyEvent *)> handler)
{
    new Hook(widget, QEvent::KeyRelease, [handler](QEvent *e) {
        handler(static_cast<QKeyEvent *>(e));
        return false;
    });
}

void onRightRelease(QWidget *widget, std::function<void()> handler)
{
    new Hook(mouseTarget(widget), QEvent::MouseButtonRelease, [handler](QEvent *e) {
        if (isButton(e, Qt::RightButton))
            handler();
        return false;
    });
}

void digitsOnly(QLineEdit *edit, Host &host)
{
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Full-width digits typed through an input method would pass a character filter unseen.
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    onKeyDown(edit, [&host](QKeyEvent *key) {
        const QString text = key->text();
        if (text.isEmpty() || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false; // navigation, deletion, shortcuts
        for (QChar c : text) {
            if (c.unicode() < u' ' || c.unicode() == 0x7f)
                return false; // Backspace, Enter, Tab and the like
            if (c < u'0' || c > u'9') {
                host.beep();
                return true;
            }
        }
        return false;
    });
}

} // namespace fieldevents
