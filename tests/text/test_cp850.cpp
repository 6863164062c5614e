// Pins the code-page conversions: UTF-8 literals to code page 850, the Windows conversion,
// the ASCII replacements, the fixed table and the 255-character rule.
#include <gtest/gtest.h>

#include "text/cp850.h"

using namespace vak1;

TEST(Cp850, Utf8LiteralsBecomeCodePage850) {
    EXPECT_EQ(cp850("Querschnittsfläche"), "Querschnittsfl\x84"
                                           "che");
    EXPECT_EQ(cp850("ÄÖÜäöüß°²³µ±"), "\x8E\x99\x9A\x84\x94\x81\xE1\xF8\xFD\xFC\xE6\xF1");
    EXPECT_EQ(cp850("€"), "?"); // not in code page 850
    EXPECT_EQ(Cp850ToUtf8(cp850("Größenfaktor Bemaßung")), "Größenfaktor Bemaßung");
    // Every byte survives the round trip through UTF-8.
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(cp850(Cp850ToUtf8(all)), all);
}

TEST(Cp850, BrokenUtf8DoesNotCrash) {
    EXPECT_EQ(cp850("a\xC3"), "a?");
    EXPECT_EQ(cp850("\xFF\xFE"), "??");
}

TEST(Cp850, OemToAnsiUsesWindows1252) {
    EXPECT_EQ(OemToAnsiText(cp850("Fläche ²³°"), false), "Fl\xE4"
                                                         "che \xB2\xB3\xB0");
    EXPECT_EQ(Win1252ToUtf8(OemToAnsiText(cp850("Maß"), false)), "Maß");
    // Box-drawing characters have no Windows counterpart: look-alikes.
    EXPECT_EQ(OemToAnsiText("\xB3\xC4\xC5", false), "|-+");
    EXPECT_EQ(AnsiToOemText("Fl\xE4"
                            "che"),
              cp850("Fläche"));
}

TEST(Cp850, PlainAsciiReplacements) {
    EXPECT_EQ(PlainAscii(cp850("Querschnittsfläche")), "Querschnittsflaeche");
    EXPECT_EQ(PlainAscii(cp850("Größe ÄÖÜ ± 5°, mm²")), "Groesse AeOeUe +/- 5deg, mm2");
    EXPECT_EQ(PlainAscii("\xC4\xCD\xE6"), "--u");
    EXPECT_EQ(PlainAscii(cp850("mm³")), cp850("mm³")); // ³ stays for the fixed table
}

TEST(Cp850, PlainCharactersUseTheFixedTable) {
    EXPECT_EQ(OemToAnsiText(cp850("Fläche mm³"), true), "Flaeche mm\xB3");
    EXPECT_EQ(OemToAnsiText("\xB3\xBF\x86", true), "|+\xE5");
    EXPECT_EQ(OemToAnsiText("|", true), "\xE3");
}

TEST(Cp850, LongTextsBecomeEmpty) {
    EXPECT_EQ(OemToAnsiText(std::string(254, 'x'), false), std::string(254, 'x'));
    EXPECT_EQ(OemToAnsiText(std::string(255, 'x'), false), "");
    EXPECT_EQ(OemToAnsiText(std::string(255, 'x'), true), "");
    EXPECT_EQ(AnsiToOemText(std::string(255, 'x')), "");
    EXPECT_EQ(ToDisplay(std::string(300, 'x'), false), "");
}

TEST(Cp850, DisplayRoundTrip) {
    const std::string stored = cp850("Träger Nr. 5 – Ø 20");
    EXPECT_EQ(FromDisplay(ToDisplay(cp850("Träger Nr. 5"), false)), cp850("Träger Nr. 5"));
    EXPECT_EQ(ToDisplay(cp850("Dichte [kg/dm³]"), false), "Dichte [kg/dm³]");
    EXPECT_EQ(FromDisplay("Ø"), cp850("Ø"));
    EXPECT_FALSE(stored.empty());
}

// Names compared "in capitals" change ASCII letters only; code page 850 letters stay bytes.
TEST(Cp850, UpperAsciiLeavesOtherBytes) {
    EXPECT_EQ(UpperAscii("/home/a/Profil.vak1"), "/HOME/A/PROFIL.VAK1");
    EXPECT_EQ(UpperAscii(cp850("maß ä")), cp850("MAß ä"));
}
