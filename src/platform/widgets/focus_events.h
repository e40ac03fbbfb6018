// Validate before the focus leaves, then LostFocus and GotFocus, for the controls of one window;
// and key preview, so that the window sees every key before the focused control.
//
// One application event filter sees the events that would move the focus (Tab and Shift+Tab, a
// mouse press on another control that takes the focus on click, an access key) before Qt acts on
// them. When the control that has the focus has a Validate handler, it runs first; a cancel keeps
// the focus where it is and swallows the event, so a pressed button's Click does not run either.
// LostFocus and GotFocus follow Qt's own focus change, and only real moves between two controls
// of the window count: a message box or a drop-down popup taking the focus for a while does not.
#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QFocusEvent;
class QKeyEvent;
class QShortcutEvent;
class QWidget;

namespace vexmoor::platform {

struct FocusHandlers
{
    std::function<void(bool& cancel)> validate; // empty: the control has no Validate
    std::function<void()> gotFocus;
    std::function<void()> lostFocus;
};

class FocusEvents : public QObject
{
    Q_OBJECT
public:
    // Installs the filter on the application for the controls of `window`.
    explicit FocusEvents(QWidget* window);
    ~FocusEvents() override;

    void Attach(QWidget* control, FocusHandlers handlers);

    // Called for every key press and release that reaches a control of the window, before the
    // control sees it; a handler that returns true swallows the event.
    void SetKeyPreview(std::function<bool(QKeyEvent*)> handler);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Input arriving at the window's QWindow, before Qt hands it to a widget (and, for a mouse
    // press, before Qt moves the focus).
    bool WindowInputEvent(QEvent* event);
    bool KeyEvent(QWidget* receiver, QKeyEvent* event);
    // An access key: the focus moves to its control, or on to the next control sharing it.
    bool ShortcutEvent(QShortcutEvent* event);
    // A press delivered straight to a widget (not through the window) moves the focus first.
    void MouseFocusAboutToChange(QFocusEvent* event);
    bool WidgetPressEvent();
    void UndoFocus();
    // Runs the Validate of the window's focus widget when the focus is about to go to `target`
    // (nullptr: somewhere else); returns false when the handler cancelled the move.
    bool RunValidate(QWidget* target);
    void OnFocusChanged();

    QWidget* m_window;
    QHash<QWidget*, FocusHandlers> m_handlers;
    std::function<bool(QKeyEvent*)> m_keyPreview;
    QPointer<QWidget> m_lastFocus;
    bool m_validating = false;
    bool m_swallowRelease = false;
    bool m_pressSeen = false; // the press on its way to a widget was checked at the window
    QPointer<QWidget> m_undoFocus; // where the focus goes back to after a cancelled press
    // The key event last previewed, to tell it apart when it bubbles up to a parent.
    const QEvent* m_lastKey = nullptr;
    int m_lastKeyType = 0;
    QPointer<QWidget> m_lastKeyReceiver;
};

} // namespace vexmoor::platform
