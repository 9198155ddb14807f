#include "widgets/lcd/LCDError.h"

#include <utility>

LCDError::LCDError(Offset offset, std::string description)
    : m_offset(offset), m_description(std::move(description))
{
}
