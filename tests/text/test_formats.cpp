// Pins the number formats and unit texts: significant-digit widths, the trailing-zero rule
// judged on the cut digits, engineering exponents, decimal shifts, comma and inch display.
#include <gtest/gtest.h>

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
    s.DecimalComma = 2;
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
    s.DecimalComma = 2;
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
    s.EnglishUnits = 1;
    EXPECT_EQ(FormatLength(s, 25.4L), "1.0000");
    EXPECT_EQ(FormatLengthFixed(s, 25.4L, 7, 3), "     1.0000");
    EXPECT_EQ(FormatArea(s, 645.16L), "1");
    EXPECT_EQ(FormatVolume(s, 16387.064L), "1");
    EXPECT_EQ(FormatMoment4(s, 416231.4256L * 2), "2");
    s.EnglishUnits = 0;
    EXPECT_EQ(FormatLengthFixed(s, 25.4L, 7, 3), "     25.400");
}

TEST(Formats, UnitTexts) {
    NumberStyle s;
    EXPECT_EQ(UnitLength(s), "mm");
    EXPECT_EQ(UnitArea(s), "mm\xFD");
    EXPECT_EQ(UnitVolume(s), "mm\xFC");
    EXPECT_EQ(UnitMoment4(s), "mm4");
    EXPECT_EQ(UnitAngle(s), "\xF8");
    s.PlainCharacters = 1;
    EXPECT_EQ(UnitArea(s), "mm2");
    EXPECT_EQ(UnitVolume(s), "mm3");
    EXPECT_EQ(UnitAngle(s), "deg");
    s.EnglishUnits = 1;
    EXPECT_EQ(UnitLength(s), "in");
    EXPECT_EQ(UnitArea(s), "in2");
    EXPECT_EQ(UnitMoment4(s), "in4");
    s.PlainCharacters = 0;
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
