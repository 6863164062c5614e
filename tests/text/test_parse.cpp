// Pins number parsing of typed values: the comma as decimal point, and every text that is
// not a complete number reading as invalid with value 0.
#include <gtest/gtest.h>

#include "text/parse.h"

using namespace vak1;

TEST(ParseNumber, AcceptsDecimalForms) {
    EXPECT_EQ(ParseNumber("7,85").value, 7.85L);
    EXPECT_TRUE(ParseNumber("7,85").valid);
    EXPECT_EQ(ParseNumber("-12.5").value, -12.5L);
    EXPECT_EQ(ParseNumber("+3").value, 3);
    EXPECT_EQ(ParseNumber("1e3").value, 1000);
    EXPECT_EQ(ParseNumber("2,5E-2").value, 0.025L);
    EXPECT_EQ(ParseNumber(".5").value, 0.5L);
    EXPECT_EQ(ParseNumber("5.").value, 5);
    EXPECT_EQ(ParseNumber(" 42 ").value, 42);
}

TEST(ParseNumber, RefusesIncompleteNumbers) {
    for (const char* bad : {"1,5,3", "", " ", "abc", "1.2.3", "12a", "e5", "1e", "--1", "0x10",
                            "nan", "inf", "1e99999", "-1e5000", ",", "1 2"}) {
        ParsedNumber n = ParseNumber(bad);
        EXPECT_FALSE(n.valid) << bad;
        EXPECT_EQ(n.value, 0) << bad;
    }
}

TEST(ParseInteger, AcceptsAndRefuses) {
    EXPECT_EQ(ParseInteger("42").value, 42);
    EXPECT_EQ(ParseInteger("-7").value, -7);
    EXPECT_TRUE(ParseInteger("0").valid);
    for (const char* bad : {"4.5", "4,5", "", "x", "99999999999", "1e3", "+"}) {
        ParsedInteger n = ParseInteger(bad);
        EXPECT_FALSE(n.valid) << bad;
        EXPECT_EQ(n.value, 0) << bad;
    }
}
