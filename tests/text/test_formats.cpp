// Pins the number formats and unit texts: significant-digit widths, the trailing-zero rule
// judged on the cut digits, engineering exponents, decimal shifts, comma and inch display.
#include <gtest/gtest.h>

#include <cstdlib>

#include "text/formats.h"

using namespace vak1;

TEST(Formats, DecimalExponent) {
    EXPECT_EQ(DecimalExponent(0), 0);
    EXPECT_EQ(DecimalExponent(1), 0);
    EXPECT_EQ(DecimalExponent(9.99L), 0);
    EXPECT_EQ(DecimalExponent(12.5L), 1);
    EXPECT_EQ(DecimalExponent(1234.56L), 3);
    EXPECT_EQ(DecimalExponent(0.5L), -1);
    EXPECT_EQ(DecimalExponent(0.0512L), -2);
}

TEST(Formats, FixedWidthAndPadding) {
    NumberStyle s;
    EXPECT_EQ(FormatFixed(s, 12.5L, 7, 3), "     12.500");
    EXPECT_EQ(FormatFixed(s, -12.5L, 0, 1), "-12.5");
    EXPECT_EQ(FormatFixed(s, 1234.56L, 4, 0), "1235");
    EXPECT_EQ(FormatFixed(s, 1e-9L, 1, 3), "0.000"); // below 1e-8 is zero
    EXPECT_EQ(FormatFixed(s, 0.5L, 0, 0), "0");      // nearest, ties to even
    EXPECT_EQ(FormatFixed(s, 1.5L, 0, 0), "2");
    s.DecimalComma = DecimalSign::Comma;
    EXPECT_EQ(FormatFixed(s, 12.5L, 1, 3), "12,500");
}

TEST(Formats, FixedFollowsDecimalPlaces) {
    NumberStyle s;
    s.DecimalPlaces = 5;
    EXPECT_EQ(FormatFixed(s, 12.5L, 2, 3), "12.50000");
    s.DecimalPlaces = 1;
    EXPECT_EQ(FormatFixed(s, 12.5L, 2, 3), "12.5");
    EXPECT_EQ(FormatFixed(s, 12.5L, 2, 1), "12"); // 1 + 1 - 3 clamps to 0; 12.5 ties to even
    s.DecimalPlaces = 9;
    EXPECT_EQ(FormatFixed(s, 1, 1, 7), "1.0000000000"); // 7 + 6 clamps to 10
}

TEST(Formats, SignificantExamples) {
    NumberStyle s;
    EXPECT_EQ(FormatSignificant(s, 1234.56L), "1235");
    EXPECT_EQ(FormatSignificant(s, 12.5L), "12.5");
    EXPECT_EQ(FormatSignificant(s, 0.0512L), "0.0512");
    EXPECT_EQ(FormatSignificant(s, 0.5L), "0.5");
    EXPECT_EQ(FormatSignificant(s, 9.9996L), "10.000");
    EXPECT_EQ(FormatSignificant(s, 0.000009L), "0");
    EXPECT_EQ(FormatSignificant(s, 0), "0");
    EXPECT_EQ(FormatSignificant(s, -3.14159L), "-3.142");
    EXPECT_EQ(FormatSignificant(s, 999.94L), "999.9");
    EXPECT_EQ(FormatSignificant(s, 1000), "1000");
    EXPECT_EQ(FormatSignificant(s, 100), "100");
    EXPECT_EQ(FormatSignificant(s, 0.1L), "0.1");
    EXPECT_EQ(FormatSignificant(s, 7.8L), "7.8");
}

TEST(Formats, SignificantWithMoreDecimalPlacesAndComma) {
    NumberStyle s;
    s.DecimalPlaces = 5;
    EXPECT_EQ(FormatSignificant(s, 12.5L), "12.500");
    EXPECT_EQ(FormatSignificant(s, 1234.56L), "1234.56");
    s.DecimalPlaces = 3;
    s.DecimalComma = DecimalSign::Comma;
    EXPECT_EQ(FormatSignificant(s, 7.85L), "7,85");
}

TEST(Formats, Engineering) {
    NumberStyle s;
    EXPECT_EQ(FormatEngineering(s, 12340), "12.34E3");
    EXPECT_EQ(FormatEngineering(s, 2500000), "2.5E6");
    // Inside 1e-5 .. 10000 the significant-digit format holds, small values included.
    EXPECT_EQ(FormatEngineering(s, 0.00012L), "0.00012");
    EXPECT_EQ(FormatEngineering(s, -0.0000012L), "-1.2E-6");
    EXPECT_EQ(FormatEngineering(s, 0.0000012L), "1.2E-6");
    EXPECT_EQ(FormatEngineering(s, 0.000009L), "9E-6");
    EXPECT_EQ(FormatEngineering(s, 0), "0");
    EXPECT_EQ(FormatEngineering(s, 1e-13L), "0");
    EXPECT_EQ(FormatEngineering(s, 12.5L), "12.5");
    EXPECT_EQ(FormatEngineering(s, -12340), "-12.34E3");
}

TEST(Formats, LengthsInInch) {
    NumberStyle s;
    EXPECT_EQ(FormatLength(s, 25.4L), "25.4");
    s.EnglishUnits = Units::English;
    EXPECT_EQ(FormatLength(s, 25.4L), "1.0000");
    EXPECT_EQ(FormatLengthFixed(s, 25.4L, 7, 3), "     1.0000");
    EXPECT_EQ(FormatArea(s, 645.16L), "1");
    EXPECT_EQ(FormatVolume(s, 16387.064L), "1");
    EXPECT_EQ(FormatMoment4(s, 416231.4256L * 2), "2");
    s.EnglishUnits = Units::Metric;
    EXPECT_EQ(FormatLengthFixed(s, 25.4L, 7, 3), "     25.400");
}

TEST(Formats, UnitTexts) {
    NumberStyle s;
    EXPECT_EQ(UnitLength(s), "mm");
    EXPECT_EQ(UnitArea(s), "mm\xFD");
    EXPECT_EQ(UnitVolume(s), "mm\xFC");
    EXPECT_EQ(UnitMoment4(s), "mm4");
    EXPECT_EQ(UnitAngle(s), "\xF8");
    s.PlainCharacters = UnitCharacters::Plain;
    EXPECT_EQ(UnitArea(s), "mm2");
    EXPECT_EQ(UnitVolume(s), "mm3");
    EXPECT_EQ(UnitAngle(s), "deg");
    s.EnglishUnits = Units::English;
    EXPECT_EQ(UnitLength(s), "in");
    EXPECT_EQ(UnitArea(s), "in2");
    EXPECT_EQ(UnitMoment4(s), "in4");
    s.PlainCharacters = UnitCharacters::CodePage;
    EXPECT_EQ(UnitArea(s), "in\xFD");
}

TEST(Formats, NoCrashOnExtremeValues) {
    NumberStyle s;
    EXPECT_EQ(FormatSignificant(s, 1e30L).size(), 31u);
    EXPECT_FALSE(FormatEngineering(s, 1e300L).empty());
    EXPECT_FALSE(FormatSignificant(s, std::numeric_limits<long double>::infinity()).empty());
    EXPECT_FALSE(FormatSignificant(s, std::numeric_limits<long double>::quiet_NaN()).empty());
    EXPECT_FALSE(FormatFixed(s, 1e4000L, 70, 10).empty());
}

// A value without a number shows as a mark in every format, in both unit systems; the
// inch formats once ran into undefined behaviour here.
TEST(Formats, NonFiniteValuesShowAMark) {
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    using Formatter = std::string (*)(const NumberStyle&, long double);
    const std::pair<const char*, Formatter> formatters[] = {
        {"FormatSignificant", FormatSignificant},
        {"FormatEngineering", FormatEngineering},
        {"FormatLength", FormatLength},
        {"FormatArea", FormatArea},
        {"FormatVolume", FormatVolume},
        {"FormatMoment4", FormatMoment4},
        {"FormatLengthFixed",
         [](const NumberStyle& s, long double x) { return FormatLengthFixed(s, x, 0, 3); }}};
    for (int english : {0, 1})
        for (const auto& [name, format] : formatters) {
            NumberStyle s;
            s.EnglishUnits = static_cast<Units>(english);
            SCOPED_TRACE(std::string(name) + (english ? " inch" : " mm"));
            // Fixed formats keep their field: the mark stands right-aligned in it.
            const auto mark = [&](long double x) {
                const std::string text = format(s, x);
                return text.substr(text.find_first_not_of(' '));
            };
            EXPECT_EQ(mark(nan), "nan");
            EXPECT_EQ(mark(-inf), "-inf");
        }
    NumberStyle s;
    EXPECT_EQ(FormatFixed(s, inf, 7, 3), "        inf"); // the field of "     12.500"
    EXPECT_EQ(DecimalExponent(nan), 0);
    EXPECT_EQ(SignificantDigits(nan, 3).d, 0);
    // The smallest values keep their digits: 1e-4940 has three significant decimals.
    EXPECT_EQ(SignificantDigits(1.25e-4940L, 3).d, 4942);
}

TEST(Formats, LargeNumbersAreWrittenInFull) {
    NumberStyle s;
    const std::string text = FormatFixed(s, 1e200L, 0, 0);
    EXPECT_EQ(text.size(), 201u);
    EXPECT_EQ(std::strtold(text.c_str(), nullptr), 1e200L);
}

TEST(Formats, FitFieldNeverCutsIntegerDigits) {
    struct Case {
        std::string text;
        long double shown;
        std::size_t width;
        std::string expected;
    };
    const Case cases[] = {
        {"12.5", 12.5L, 17, "12.5"},                          // fits
        {"     12.500000000", 12.5L, 12, "12.500000000"},     // blanks give way
        {"33333333333333333333", 3.3333e19L, 17, "33.33E18"}, // a 100 m square's Iy
        {"-1000000000.000", -1e9L, 10, "-1E9"},               // the coordinate bound
        {"-1000000000.000", -1e9L, 12, "-1000000000 "},       // decimals give way
        {"0.123456789012345678", 0.1234567890123L, 12, "0.1234567890"},
    };
    NumberStyle s;
    for (const Case& c : cases)
        EXPECT_EQ(FitField(s, c.text, c.shown, c.width), c.expected) << c.text;
    s.DecimalComma = DecimalSign::Comma;
    EXPECT_EQ(FitField(s, "1234567890123,5", 1.2345678901235e12L, 12), "1,235E12");
}
