// Input as a user gives it, for the window tests: mouse clicks that enter the window the way the
// desktop's do (so that the focus handling sees them before Qt moves the focus), tab clicks, and
// typing over a field's text.
#pragma once

#include "platform/tab_strip.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace vexmoor::test {

inline void Click(QWidget* widget, QPoint pos = QPoint(-1, -1))
{
    if (pos == QPoint(-1, -1))
        pos = widget->rect().center();
    QWidget* window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, pos));
}

// Clicks the tab at a 1-based position.
inline void ClickTab(platform::TabStrip* strip, int position)
{
    Click(strip->Bar(), strip->Bar()->tabRect(position - 1).center());
}

// Clicks into the field, selects what it holds and types over it; an empty text deletes it.
// Characters beyond ASCII (no-break spaces, other digits) arrive as a keyboard layout or input
// method gives them: a key event with the text and no key code of its own.
inline void TypeInto(QLineEdit* edit, const QString& text)
{
    Click(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Picks an item of the focused selector by typing its first letters on the closed list.
inline void ChooseByTyping(QComboBox* combo, const QString& label)
{
    QTest::keyClicks(combo, label);
}

} // namespace vexmoor::test
