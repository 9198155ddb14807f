#pragma once

#include <cstdint>
#include <exception>
#include <string>

// A run-time error that the light panel raises to its caller, thrown as an
// exception. Number() is the object-defined error base 0x80040000 plus the
// offset of the failed check, as an unsigned 32-bit pattern (0x80040258 ...
// 0x8004025B); Description() is the message shown to a user. There is no
// source, help file or help context.
class LCDError : public std::exception
{
public:
    static constexpr std::uint32_t ObjectErrorBase = 0x80040000u;

    // The offsets of OnRow's argument checks, in the order they are made.
    enum Offset : std::uint32_t {
        RowNoOutOfRange = 600,
        ColStartOutOfRange = 601,
        ColFinishOutOfRange = 602,
        ColStartAfterColFinish = 603,
    };

    LCDError(Offset offset, std::string description);

    std::uint32_t Number() const { return ObjectErrorBase + m_offset; }
    Offset offset() const { return m_offset; }
    const std::string &Description() const { return m_description; }
    const char *what() const noexcept override { return m_description.c_str(); }

private:
    Offset m_offset;
    std::string m_description;
};
