// Context menus made on first use.
#include "platform/widgets/context_menu.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace vexmoor::platform {

QString WithShortcutText(const QString& text, QKeySequence::StandardKey key)
{
    return WithShortcutText(text, QKeySequence(key));
}

QString WithShortcutText(const QString& text, const QKeySequence& key)
{
    return text + QLatin1Char('\t') + key.toString(QKeySequence::NativeText);
}

ContextMenu::ContextMenu(QWidget* control, QString objectName, std::function<void(QMenu&)> build,
                         std::function<void(QMenu&)> update)
    : QObject(control)
    , m_control(control)
    , m_objectName(std::move(objectName))
    , m_build(std::move(build))
    , m_update(std::move(update))
{
    m_control->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_control, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Open(pos); });
    // Qt turns neither the Menu key nor Shift+F10 into a context menu request on every desktop.
    m_control->installEventFilter(this);
}

QWidget* ContextMenu::MenuSpace() const
{
    // A scrolling control reports its requests in its viewport's coordinates.
    if (auto* area = qobject_cast<QAbstractScrollArea*>(m_control))
        return area->viewport();
    return m_control;
}

QPoint ContextMenu::KeyboardPos() const
{
    if (auto* view = qobject_cast<QAbstractItemView*>(m_control)) {
        const QRect line = view->visualRect(view->currentIndex());
        if (line.isValid() && view->viewport()->rect().intersects(line))
            return QPoint(view->viewport()->rect().left() + 8, line.bottom());
    }
    return MenuSpace()->rect().center();
}

void ContextMenu::Open(const QPoint& pos)
{
    if (m_menu == nullptr) {
        m_menu = new QMenu(m_control);
        m_menu->setObjectName(m_objectName);
        m_build(*m_menu);
    }
    if (m_update)
        m_update(*m_menu);
    m_menu->popup(MenuSpace()->mapToGlobal(pos));
}

bool ContextMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        const bool menuKey = key->key() == Qt::Key_Menu && modifiers == Qt::NoModifier;
        const bool shiftF10 = key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier;
        if (menuKey || shiftF10) {
            Open(KeyboardPos());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

namespace {

bool IsInsertWith(const QKeyEvent& key, Qt::KeyboardModifier modifier)
{
    return key.key() == Qt::Key_Insert && (key.modifiers() & ~Qt::KeypadModifier) == modifier;
}

} // namespace

bool IsCopyKey(const QKeyEvent& key)
{
    return key.matches(QKeySequence::Copy) || IsInsertWith(key, Qt::ControlModifier);
}

bool IsPasteKey(const QKeyEvent& key)
{
    return key.matches(QKeySequence::Paste) || IsInsertWith(key, Qt::ShiftModifier);
}

} // namespace vexmoor::platform
