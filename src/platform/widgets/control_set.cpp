// The controls made for one page, taken into its members.
#include "platform/widgets/control_set.h"

namespace vexmoor::platform {

void ControlSet::Add(const QString& name, int index, QObject* control)
{
    m_entries[{name, index}] = Entry {control, false};
}

std::map<ControlSet::Key, ControlSet::Entry*> ControlSet::Entries(const QString& name)
{
    std::map<Key, Entry*> found;
    for (auto it = m_entries.lower_bound({name, -1});
         it != m_entries.end() && it->first.first == name; ++it) {
        it->second.taken = true;
        found.emplace(it->first, &it->second);
    }
    if (found.empty())
        m_problems << QStringLiteral("%1 was not made").arg(name);
    return found;
}

QStringList ControlSet::Problems() const
{
    QStringList problems = m_problems;
    for (const auto& [key, entry] : m_entries) {
        if (!entry.taken)
            problems
                << QStringLiteral("%1 has no member to go to").arg(Named(key.first, key.second));
    }
    return problems;
}

QString ControlSet::Named(const QString& name, int index)
{
    return index < 0 ? name : QStringLiteral("%1_%2").arg(name).arg(index);
}

} // namespace vexmoor::platform
