// Drop-down list selectors over a non-editable QComboBox.
#include "platform/widgets/selector.h"

#include <QComboBox>

namespace vexmoor::platform {

Selector::Selector(QComboBox* combo)
    : QObject(combo)
    , m_combo(combo)
{
    m_combo->setEditable(false);
    // currentIndexChanged covers every change: a popup choice, the arrow keys and typing on the
    // closed list, and the program's own SetText. Changes made while filling are ours to undo.
    connect(m_combo, &QComboBox::currentIndexChanged, this, [this](int) {
        if (!m_filling && m_click)
            m_click();
    });
}

void Selector::Clear()
{
    m_filling = true;
    m_combo->clear();
    m_filling = false;
}

void Selector::AddItem(const QString& label, const QString& shown)
{
    m_filling = true;
    const int before = m_combo->currentIndex();
    m_combo->addItem(shown.isEmpty() ? label : shown, label);
    // QComboBox picks the first item of an empty list by itself; a list starts with nothing picked.
    if (m_combo->currentIndex() != before)
        m_combo->setCurrentIndex(before);
    m_filling = false;
}

QStringList Selector::Items() const
{
    QStringList items;
    items.reserve(m_combo->count());
    for (int i = 0; i < m_combo->count(); ++i)
        items.append(m_combo->itemData(i).toString());
    return items;
}

int Selector::ListIndex() const
{
    return m_combo->currentIndex();
}

QString Selector::Text() const
{
    const int index = m_combo->currentIndex();
    return index < 0 ? QString() : m_combo->itemData(index).toString();
}

bool Selector::SetText(const QString& label)
{
    int index = -1;
    for (int i = 0; i < m_combo->count(); ++i) {
        if (m_combo->itemData(i).toString() == label) {
            index = i;
            break;
        }
    }
    if (index < 0)
        return false;
    // Emits currentIndexChanged, and so runs Click, before returning when the selection changes.
    m_combo->setCurrentIndex(index);
    return true;
}

void Selector::SetClickHandler(std::function<void()> handler)
{
    m_click = std::move(handler);
}

} // namespace vexmoor::platform
