#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The stored properties a host form keeps for a control it contains: named
// 32-bit values whose names match without regard to case (ASCII). Writing a
// name that is already there replaces its value and keeps its place and
// spelling, so saving twice gives the same bag.
class PropertyBag
{
public:
    // The stored value, or defaultValue when the bag has no such name.
    std::int32_t ReadProperty(const std::string &name, std::int32_t defaultValue) const;
    void WriteProperty(const std::string &name, std::int32_t value);

    bool contains(const std::string &name) const;
    // The stored names in the order they were first written.
    std::vector<std::string> names() const;

private:
    struct Entry
    {
        std::string name;
        std::int32_t value;
    };

    // The index of the entry with that name, or the number of entries.
    std::size_t indexOf(const std::string &name) const;

    std::vector<Entry> m_entries;
};
