#pragma once

namespace Velmora {

/// The value of a hexadecimal digit, either case; -1 for any other character.
constexpr int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

/// The lower-case digit of a value from 0 to 15.
constexpr char hexDigit(int value) { return "0123456789abcdef"[value & 15]; }

} // namespace Velmora
