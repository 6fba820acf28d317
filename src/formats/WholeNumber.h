#pragma once

#include <optional>
#include <string>
#include <string_view>

// A whole number as typed into a field: blanks around it, an optional sign,
// decimal digits, within 32 bits. Anything else is not a whole number.
std::optional<int> ParseWholeNumber(std::string_view text);

// A C-style leading integer: blanks skipped, an optional sign, the digits up
// to the first non-digit; no digits gives 0. Saturates at the 32-bit limits.
int LeadingInteger(std::string_view text);

// "'<text>' is not a valid integer value", the message of a failed conversion.
std::string NotValidIntegerMessage(std::string_view text);
