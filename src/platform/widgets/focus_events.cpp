// Validate before the focus leaves, LostFocus and GotFocus, and key preview for one window.
//
// Qt moves the focus for a mouse press before any event filter of the pressed widget runs, so
// presses are caught where they enter the window (its QWindow) and the widget that would take
// the focus is worked out the way Qt does it. A press handed straight to a widget (as QTest does
// unless told to go through the window) is caught by the FocusAboutToChange that Qt sends just
// before it moves the focus; a cancel there puts the focus back quietly and swallows the press.
// Tab, Shift+Tab and access keys are caught on their way to the widget, before Qt acts on them.
#include "platform/widgets/focus_events.h"

#include "platform/widgets/access_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QShortcutEvent>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace vexmoor::platform {

namespace {

QWidget* FocusProxyEnd(QWidget* widget)
{
    while (widget != nullptr && widget->focusProxy() != nullptr)
        widget = widget->focusProxy();
    return widget;
}

bool AcceptsFocus(const QWidget* widget, Qt::FocusPolicy policy)
{
    const QWidget* end = FocusProxyEnd(const_cast<QWidget*>(widget));
    return (widget->focusPolicy() & policy) == policy && (end->focusPolicy() & policy) == policy;
}

// The widget that a press at `pos` (window coordinates) would give the focus to, as Qt chooses
// it: the innermost enabled widget under the mouse that takes the focus on click (or on wheel).
QWidget* FocusTargetAt(QWidget* window, QPoint pos, Qt::FocusPolicy policy)
{
    QWidget* widget = window->childAt(pos);
    if (widget == nullptr)
        widget = window;
    QPoint local = widget->mapFrom(window, pos);
    while (widget != nullptr) {
        if (widget->isEnabled() && widget->rect().contains(local) && AcceptsFocus(widget, policy))
            return FocusProxyEnd(widget);
        if (widget->isWindow())
            break;
        local += widget->pos();
        widget = widget->parentWidget();
    }
    return nullptr;
}

// Whether Tab (or Shift+Tab) would move the focus away from `from`: some other widget of the
// window takes the focus by Tab.
bool TabWouldMove(QWidget* window, QWidget* from, bool forward)
{
    QWidget* test = from;
    for (;;) {
        test = forward ? test->nextInFocusChain() : test->previousInFocusChain();
        if (test == nullptr || test == from)
            return false;
        if (test->window() == window && (test->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            test->focusProxy() == nullptr && test->isVisibleTo(window) && test->isEnabled() &&
            FocusProxyEnd(test) != from)
            return true;
    }
}

} // namespace

FocusEvents::FocusEvents(QWidget* window)
    : QObject(window)
    , m_window(window->window())
    , m_lastFocus(m_window->focusWidget())
{
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { OnFocusChanged(); });
}

FocusEvents::~FocusEvents()
{
    qApp->removeEventFilter(this);
}

void FocusEvents::Attach(QWidget* control, FocusHandlers handlers)
{
    m_handlers.insert(control, std::move(handlers));
    connect(control, &QObject::destroyed, this,
            [this, control] { m_handlers.remove(static_cast<QWidget*>(control)); });
}

void FocusEvents::SetKeyPreview(std::function<bool(QKeyEvent*)> handler)
{
    m_keyPreview = std::move(handler);
}

bool FocusEvents::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::FocusAboutToChange:
        break;
    default:
        return false;
    }

    if (watched->isWindowType()) {
        if (static_cast<QWindow*>(watched) != m_window->windowHandle())
            return false;
        return WindowInputEvent(event);
    }
    if (!watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != m_window)
        return false;

    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Every key press of the window is announced by this event first: whatever key event
        // arrives next is a new one, not the last one bubbling up to a parent.
        m_lastKey = nullptr;
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return KeyEvent(widget, static_cast<QKeyEvent*>(event));
    case QEvent::Shortcut:
        return ShortcutEvent(static_cast<QShortcutEvent*>(event));
    case QEvent::FocusAboutToChange:
        MouseFocusAboutToChange(static_cast<QFocusEvent*>(event));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return WidgetPressEvent();
    case QEvent::MouseButtonRelease:
        if (m_swallowRelease) {
            m_swallowRelease = false;
            return true;
        }
        return false;
    default:
        return false;
    }
}

void FocusEvents::MouseFocusAboutToChange(QFocusEvent* event)
{
    // Qt is about to give the focus to the widget under a press that did not come in through the
    // window; a press that did has been dealt with already.
    if (event->reason() != Qt::MouseFocusReason || m_pressSeen || m_validating ||
        QGuiApplication::mouseButtons() == Qt::NoButton)
        return;
    QPointer<QWidget> from = m_window->focusWidget();
    if (from == nullptr || RunValidate(nullptr))
        return;
    m_undoFocus = from;
    // Should the press not arrive after all, the focus still goes back before anything else.
    QTimer::singleShot(0, this, [this] {
        if (m_undoFocus != nullptr)
            UndoFocus();
    });
}

void FocusEvents::UndoFocus()
{
    const QPointer<QWidget> back = m_undoFocus;
    back->setFocus(Qt::OtherFocusReason);
    m_undoFocus = nullptr;
    m_lastFocus = back;
}

bool FocusEvents::WidgetPressEvent()
{
    m_pressSeen = false;
    if (m_undoFocus == nullptr)
        return false;
    // The press has already moved the focus, but the control left cancelled: the focus goes back
    // and the press (and its release) never reach the widget. LostFocus and GotFocus stay silent.
    UndoFocus();
    m_swallowRelease = true;
    return true;
}

bool FocusEvents::WindowInputEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        m_lastKey = nullptr;
        return false;
    case QEvent::MouseButtonRelease:
        if (m_swallowRelease) {
            m_swallowRelease = false;
            return true;
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        break;
    default:
        return false;
    }
    m_swallowRelease = false;
    m_pressSeen = false;
    // While a popup (a drop-down list) is open, the press closes it; Qt handles that.
    if (m_validating || QApplication::activePopupWidget() != nullptr)
        return false;

    const bool wheel = event->type() == QEvent::Wheel;
    const QPoint pos = wheel ? static_cast<QWheelEvent*>(event)->position().toPoint()
                             : static_cast<QMouseEvent*>(event)->position().toPoint();
    QWidget* target = FocusTargetAt(m_window, pos, wheel ? Qt::WheelFocus : Qt::ClickFocus);
    if (target == nullptr || RunValidate(target)) {
        m_pressSeen = true;
        return false;
    }
    // Cancelled: the press never reaches the widget, and neither does its release.
    m_swallowRelease = !wheel;
    return true;
}

bool FocusEvents::KeyEvent(QWidget* receiver, QKeyEvent* event)
{
    // A key that the receiver ignored travels on to its parents; it is previewed once only.
    if (event == m_lastKey && event->type() == m_lastKeyType && m_lastKeyReceiver != nullptr &&
        receiver->isAncestorOf(m_lastKeyReceiver))
        return false;
    m_lastKey = event;
    m_lastKeyType = event->type();
    m_lastKeyReceiver = receiver;

    if (m_keyPreview && m_keyPreview(event))
        return true;

    if (event->type() != QEvent::KeyPress || m_validating)
        return false;
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!tab || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0)
        return false;
    QWidget* from = m_window->focusWidget();
    if (from == nullptr)
        return false;
    const bool forward =
        event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ShiftModifier) == 0;
    if (!TabWouldMove(m_window, from, forward))
        return false;
    return !RunValidate(nullptr);
}

bool FocusEvents::ShortcutEvent(QShortcutEvent* event)
{
    if (m_validating)
        return false;
    const std::vector<AccessTarget> targets = AccessTargets(m_window, event->key());
    if (targets.empty())
        return false;
    // A key of one control acts at once; a key that several share moves the focus on by one.
    const AccessTarget& target = NextAccessTarget(targets, m_window->focusWidget());
    QWidget* widget = FocusProxyEnd(target.widget);
    if (!RunValidate(widget))
        return true;
    widget->setFocus(Qt::ShortcutFocusReason);
    if (auto* bar = qobject_cast<QTabBar*>(widget)) {
        bar->setCurrentIndex(target.tab);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
               button && targets.size() == 1) {
        // As a click with the mouse would, rather than Qt's delayed animated click that leaves
        // the focus alone.
        button->click();
    }
    return true;
}

bool FocusEvents::RunValidate(QWidget* target)
{
    QWidget* from = m_window->focusWidget();
    if (from == nullptr || from == target)
        return true;
    const auto it = m_handlers.constFind(from);
    if (it == m_handlers.constEnd() || !it->validate)
        return true;
    const std::function<void(bool&)> validate = it->validate;
    const bool wasActive = m_window->isActiveWindow();
    bool cancel = false;
    {
        const QScopedValueRollback<bool> guard(m_validating, true);
        validate(cancel);
    }
    // A message box shown by the handler took the activation away. Take it back at once, so
    // that the focus move that follows (and a pressed button's Click) happens in an active
    // window, in order, rather than whenever the window manager gets round to it.
    if (wasActive && !m_window->isActiveWindow() && QApplication::activeModalWidget() == nullptr &&
        QApplication::activePopupWidget() == nullptr) {
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        QApplication::setActiveWindow(m_window);
#else
        m_window->activateWindow();
#endif
    }
    return !cancel;
}

void FocusEvents::OnFocusChanged()
{
    // Only the window's own focus widget counts: the application's focus may go to a message
    // box or a drop-down popup for a while and come back without the window's focus moving.
    if (m_undoFocus != nullptr)
        return;
    QWidget* now = QApplication::focusWidget();
    if (now == nullptr || now->window() != m_window)
        return;
    QWidget* current = m_window->focusWidget();
    if (current == m_lastFocus)
        return;
    QPointer<QWidget> previous = m_lastFocus;
    m_lastFocus = current;
    if (previous != nullptr) {
        const auto it = m_handlers.constFind(previous.data());
        if (it != m_handlers.constEnd() && it->lostFocus) {
            const std::function<void()> lost = it->lostFocus;
            lost();
        }
    }
    if (current != nullptr && current == m_lastFocus) {
        const auto it = m_handlers.constFind(current);
        if (it != m_handlers.constEnd() && it->gotFocus) {
            const std::function<void()> got = it->gotFocus;
            got();
        }
    }
}

} // namespace vexmoor::platform
