// A control's context menu, made the first time it is asked for (no menu costs start-up time)
// and opened by a right click, the Menu key or Shift+F10. Before each opening the owner may
// enable or disable its entries.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>

class QKeyEvent;
class QMenu;
class QWidget;

namespace vexmoor::platform {

// An entry's text with the key that does the same shown beside it. Only shown: a shortcut set on
// the entry would take the key from the control that has the focus.
QString WithShortcutText(const QString& text, QKeySequence::StandardKey key);
QString WithShortcutText(const QString& text, const QKeySequence& key);

// The desktop's copy and paste keys, and the older Ctrl+Insert and Shift+Insert (on the keypad's
// Insert too).
bool IsCopyKey(const QKeyEvent& key);
bool IsPasteKey(const QKeyEvent& key);

class ContextMenu : public QObject
{
    Q_OBJECT
public:
    // `build` adds the entries to the new menu once; `update`, when given, runs before every
    // opening. The menu is named `objectName` and owned by `control`.
    ContextMenu(QWidget* control, QString objectName, std::function<void(QMenu&)> build,
                std::function<void(QMenu&)> update = {});

    // Opens the menu at `pos` in the control's coordinates (its viewport's, for a scrolling
    // control), without waiting for it to close.
    void Open(const QPoint& pos);
    // The menu, or null before it was first opened.
    QMenu* Menu() const { return m_menu; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* MenuSpace() const;
    // Where the keyboard opens the menu: under a list's current line, else inside the control.
    QPoint KeyboardPos() const;

    QWidget* m_control;
    QString m_objectName;
    std::function<void(QMenu&)> m_build;
    std::function<void(QMenu&)> m_update;
    QMenu* m_menu = nullptr;
};

} // namespace vexmoor::platform
