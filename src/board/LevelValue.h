#pragma once
// Numbers in level files. Integers: an optional sign and the leading decimal
// digits (clamped to the int32 range). Decimals: the leading decimal number
// (sign, digits, point, exponent); no "nan", "inf" or hexadecimal forms, so a
// hostile file cannot smuggle a value past the limits. Anything else is 0.

#include <cstdint>
#include <string_view>

namespace LevelValue {
int32_t Integer(std::string_view text);
float Decimal(std::string_view text);
}  // namespace LevelValue
