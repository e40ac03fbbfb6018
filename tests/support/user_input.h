// Input as a user gives it, for the window tests: mouse clicks that enter the window the way the
// desktop's do (so that the focus handling sees them before Qt moves the focus), tab clicks,
// typing over a field's text, leaving it with Tab, and choosing from a list by keyboard or mouse.
#pragma once

#include "platform/widgets/tab_strip.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
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

inline void PressTab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

// Types over the field's text and leaves it with Tab.
inline void Enter(QLineEdit* field, const QString& text)
{
    TypeInto(field, text);
    PressTab();
}

// Opens the list with the mouse and clicks the item, after the double-click interval in which
// the list ignores the opening click's own release. That interval is a coarse timer that may
// end a little late on a loaded machine, so a click it swallowed is given again.
inline void ChooseByMouse(QComboBox* combo, const QString& label)
{
    Click(combo);
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 20);
    const QModelIndex item = view->model()->index(combo->findText(label), 0);
    QVERIFY2(item.isValid(), qPrintable(label));
    view->scrollTo(item);
    const auto closed = [view] { return !view->isVisible(); };
    for (int attempt = 0; attempt < 5 && !closed(); ++attempt) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
        if (QTest::qWaitFor(closed, 200))
            break;
    }
    QTRY_VERIFY(!view->isVisible());
}

// Gives a selector the focus with the mouse without choosing: the list opens and is closed.
inline void FocusByMouse(QComboBox* combo)
{
    Click(combo);
    QTRY_VERIFY(combo->view()->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!combo->view()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), combo);
}

} // namespace vexmoor::test
