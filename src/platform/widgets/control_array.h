// Control arrays: controls of one role share a name and are told apart by a 16-bit index.
// Indexes need not be contiguous (the calculator keys skip 18 to 22).
#pragma once

#include <cstdint>
#include <map>

namespace vexmoor::platform {

template<typename Widget> class ControlArray
{
public:
    void Add(std::int16_t index, Widget* widget) { m_items[index] = widget; }

    // The element with this index, or nullptr when the array has none.
    Widget* operator[](std::int16_t index) const
    {
        auto it = m_items.find(index);
        return it == m_items.end() ? nullptr : it->second;
    }

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }
    std::size_t size() const { return m_items.size(); }

private:
    std::map<std::int16_t, Widget*> m_items;
};

} // namespace vexmoor::platform
