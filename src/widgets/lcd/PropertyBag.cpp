#include "widgets/lcd/PropertyBag.h"

#include <algorithm>

namespace {

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}

} // namespace

std::size_t PropertyBag::indexOf(const std::string &name) const
{
    std::size_t i = 0;
    while (i < m_entries.size() && !sameName(m_entries[i].name, name))
        ++i;
    return i;
}

std::int32_t PropertyBag::ReadProperty(const std::string &name, std::int32_t defaultValue) const
{
    const std::size_t i = indexOf(name);
    return i < m_entries.size() ? m_entries[i].value : defaultValue;
}

void PropertyBag::WriteProperty(const std::string &name, std::int32_t value)
{
    const std::size_t i = indexOf(name);
    if (i < m_entries.size())
        m_entries[i].value = value;
    else
        m_entries.push_back({name, value});
}

bool PropertyBag::contains(const std::string &name) const
{
    return indexOf(name) < m_entries.size();
}

std::vector<std::string> PropertyBag::names() const
{
    std::vector<std::string> result;
    result.reserve(m_entries.size());
    for (const Entry &entry : m_entries)
        result.push_back(entry.name);
    return result;
}
