// Numbers typed by the user: a comma counts as the decimal point.
#pragma once
#include <string_view>

namespace vak1 {

struct ParsedNumber {
    long double value = 0;
    bool valid = false; // false: the text was not a complete number (value is then 0)
};

struct ParsedInteger {
    long value = 0;
    bool valid = false;
};

// Optional sign, digits with an optional point, optional exponent; the first "," reads as
// ".". Surrounding blanks are allowed. Out-of-range values, "nan" and "inf" are not numbers.
ParsedNumber ParseNumber(std::string_view text);
// A decimal integer with optional sign that fits 32 bits.
ParsedInteger ParseInteger(std::string_view text);

} // namespace vak1
