// Number formats and unit texts of every shown value. All results are code page 850 text.
#pragma once
#include <string>

#include <cstddef>
#include <cstdint>

namespace vak1 {

// The settings every number and unit text depends on. The settings hold them under these
// names (they derive from this), so a formatter takes either.
// The choices are stored as their numbers in the settings file; a number that names none of
// them is kept as it is and counts as the first.
enum class DecimalSign : uint16_t { Point = 1, Comma = 2 };
enum class Units : uint16_t { Metric = 0, English = 1 }; // English: lengths shown in inch
// Plain: unit texts without characters beyond ASCII (mm2 instead of mm²).
enum class UnitCharacters : uint16_t { CodePage = 0, Plain = 1 };

struct NumberStyle {
    int DecimalPlaces = 3;
    DecimalSign DecimalComma = DecimalSign::Point;
    Units EnglishUnits = Units::Metric;
    UnitCharacters PlainCharacters = UnitCharacters::CodePage;
};

// Whether numbers are shown with a decimal comma.
inline bool UsesDecimalComma(const NumberStyle& s) {
    return s.DecimalComma == DecimalSign::Comma;
}

// Whether lengths are shown in inch.
inline bool InInch(const NumberStyle& s) {
    return s.EnglishUnits == Units::English;
}

// Whether unit texts keep to ASCII.
inline bool PlainUnitTexts(const NumberStyle& s) {
    return s.PlainCharacters == UnitCharacters::Plain;
}

// Unit conversion factors for English units (display only; stored values stay metric).
constexpr long double kMmToInch = 0.039370078740157480314L;
constexpr long double kInchToMm = 25.4L;
constexpr long double kAreaToIn2 = 1.0L / 645.16L;
constexpr long double kVolumeToIn3 = 1.0L / 16387.064L;
constexpr long double kMoment4ToIn4 = 1.0L / 416231.4256L;

// Exponent of the leading decimal digit: trunc(log10 b), one less for b < 1; 0 for b = 0.
int DecimalExponent(long double b);

// Places before the point (w) and decimals (d) that the significant-digit rule gives for x
// with s significant digits; trailing zeros of the decimals are dropped.
struct SignificantWidth {
    int w = 0;
    int d = 0;
};
SignificantWidth SignificantDigits(long double x, int s);

std::string FormatFixed(const NumberStyle& s, long double x, int w, int d);
std::string FormatSignificant(const NumberStyle& s, long double x);
std::string FormatEngineering(const NumberStyle& s, long double x);
std::string FormatLength(const NumberStyle& s, long double mm);
std::string FormatLengthFixed(const NumberStyle& s, long double mm, int w, int d);
std::string FormatArea(const NumberStyle& s, long double mm2);
std::string FormatVolume(const NumberStyle& s, long double mm3);
std::string FormatMoment4(const NumberStyle& s, long double mm4);

// x in powers of ten with its significant digits, for any finite x: the engineering form
// without its lower bound (8.33E-15).
std::string FormatPowerOfTen(const NumberStyle& s, long double x);

// text, unless it shows x as 0 although |x| reaches floor (a value, not rounding noise): then
// x in powers of ten, so a small section never shows as one without area.
std::string KeepSmallValue(const NumberStyle& s, const std::string& text, long double x,
                           long double floor);

// A formatted number for a field of width characters. A text that fits stays as it is, one
// that fits without its leading blanks is right-aligned in the field, one that is too long
// only by decimals loses its last decimals; one whose integer digits do not fit is replaced
// by the engineering form of shown (the value in the unit the text shows), so a number never
// loses digits before its decimal point.
std::string FitField(const NumberStyle& s, const std::string& text, long double shown,
                     std::size_t width);

std::string UnitLength(const NumberStyle& s);
std::string UnitArea(const NumberStyle& s);
std::string UnitVolume(const NumberStyle& s);
std::string UnitMoment4(const NumberStyle& s);
std::string UnitAngle(const NumberStyle& s);

} // namespace vak1
