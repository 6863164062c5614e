// Number forms of the CAD output files: fixed point with D decimals, and the significant-digit
// form with the point as separator whatever the display settings say.
#pragma once
#include <string>

#include "settings/Settings.h"

namespace vak1 {

// D decimals (D = 0: no point), no leading blanks, "-" only for values that do not round to
// zero; sep replaces the decimal point. From 1e30 on the exponent form with D decimals (at
// least one), "1.000000E+35". False, and nothing appended, for a value that is not finite.
bool AppendFixed(std::string& out, long double x, int decimals, char sep = '.');
// x with D decimals (0 to 19), written from out on: the digits of the exact binary value
// rounded to nearest (a tie to even), "-" for every negative value, as the C library's
// "%.*Lf" writes them. Returns the end, or nullptr (nothing written) for a value that is not
// finite or whose digits times 10^D do not fit in 127 bits.
char* FixedChars(char* out, long double x, int decimals);
// AppendFixed's form with the point, written from out on (room for kFixedNumberChars);
// returns the end, or nullptr (nothing written) for a value that is not finite.
constexpr int kFixedNumberChars = 128;
char* FixedNumberChars(char* out, long double x, int decimals);
// As AppendFixed; empty for a value that is not finite.
std::string FixedText(long double x, int decimals, char sep = '.');

// The message of a drawing that holds a value no number can show.
std::string NotANumberText();

// The decimals setting of DXF and TXT files, kept within what the format can carry.
int CadDecimals(const Settings& s);

// FormatSignificant with a decimal point and without padding (cheapest when s already has
// the decimal point).
std::string SignificantText(const Settings& s, long double x);

// The text of an entity after the "CAD Text Mode" conversion (1 as is, 2 Windows code page,
// 3 plain ASCII).
std::string CadTextConvert(const Settings& s, const std::string& text);

} // namespace vak1
