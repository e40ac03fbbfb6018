// The controls made for one page, by name and index, for the page to take into its members.
//
// The window makes every control of a page from the layout table and puts it here; the page
// takes each name into a member, a single control or a control array. What cannot be taken (a
// name the page asks for that was not made, a control of another kind than its member) and what
// was never taken are problems the window refuses to go on with, naming the control.
#pragma once

#include "platform/widgets/control_array.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <utility>

namespace vexmoor::platform {

class ControlSet
{
public:
    // `control` is what a page holds: the widget, or the adapter over it (tab strip, selector,
    // list box). An index of -1 is a control that is not part of an array.
    void Add(const QString& name, int index, QObject* control);

    template<typename Control> void Take(const QString& name, Control*& single)
    {
        single = nullptr;
        for (auto& [key, entry] : Entries(name)) {
            if (key.second >= 0)
                m_problems << QStringLiteral("%1 is a control array").arg(name);
            else
                single = Cast<Control>(name, key.second, entry);
        }
    }

    template<typename Control> void Take(const QString& name, ControlArray<Control>& array)
    {
        for (auto& [key, entry] : Entries(name)) {
            if (Control* control = Cast<Control>(name, key.second, entry))
                array.Add(static_cast<std::int16_t>(key.second), control);
        }
    }

    // What went wrong in taking the controls, and every control no member took.
    QStringList Problems() const;

private:
    struct Entry
    {
        QObject* control = nullptr;
        bool taken = false;
    };
    using Key = std::pair<QString, int>;

    // The entries of a name, marked taken; a name with none is a problem.
    std::map<Key, Entry*> Entries(const QString& name);

    template<typename Control> Control* Cast(const QString& name, int index, Entry* entry)
    {
        auto* control = dynamic_cast<Control*>(entry->control);
        if (control == nullptr)
            m_problems << QStringLiteral("%1 is not of its member's kind").arg(Named(name, index));
        return control;
    }

    static QString Named(const QString& name, int index);

    std::map<Key, Entry> m_entries;
    QStringList m_problems;
};

} // namespace vexmoor::platform
