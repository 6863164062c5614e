// Pins the frame and title block: the rules, the change rows (last eight, newest on top,
// index styles), replacement and free texts, the protection notice, the hide switches, the
// identification line above the sheet and the logo only on screen and plot.
#include "cad/cad.h"
#include "cad/cadtest.h"
#include "cad/frame.h"
#include "cad/recorder.h"
#include "text/cp850.h"

using namespace vak1;
using namespace vak1::test;

namespace {

class FrameTest : public CadTest {
  protected:
    void Draw(uint16_t device = cdTxt) {
        out.clear();
        app.Cad.Out = std::make_unique<Recorder>(cx(), out, device);
        DrawFrame(cx(), app.Docu, "Winkel", "L 100 x 80 x 10", "4711-0815");
    }
    void AddChanges(int n) {
        Documentation& d = app.Docu;
        d.ChangeCount = static_cast<uint16_t>(n);
        for (int k = 1; k <= n; ++k)
            d.ChangeEntries[static_cast<std::size_t>(k - 1)] = {
                "Text " + std::to_string(k), "0" + std::to_string(k % 10) + ".01.2024", "ab", ""};
    }
    // Texts written at x (3 decimals), in order.
    std::vector<std::string> TextsAt(const std::string& x) const {
        std::vector<std::string> r;
        for (const auto& t : Starting(out, "TEXT|"))
            if (t.find("|" + x + "|") == t.find('|', 5)) r.push_back(t);
        return r;
    }
    bool HasText(const std::string& suffix) const {
        for (const auto& t : Starting(out, "TEXT|"))
            if (t.ends_with("|" + suffix)) return true;
        return false;
    }
    std::vector<std::string> out;
};

} // namespace

TEST_F(FrameTest, RulesOfBorderAndTitleBlock) {
    Draw();
    EXPECT_EQ(Starting(out, "LINE|5|").size(), 5u);
    EXPECT_EQ(Starting(out, "LINE|4|").size(), 4u);
    // Sheet edge 4, change-list rules 8, approval rules 4 and nine single rules.
    const auto thin = Starting(out, "LINE|3|");
    ASSERT_EQ(thin.size(), 25u);
    EXPECT_EQ(thin[4], "LINE|3|18.000|38.800|73.000|38.800");
    EXPECT_EQ(thin[11], "LINE|3|18.000|9.400|73.000|9.400");
    EXPECT_EQ(thin.back(), "LINE|3|0.000|148.500|15.000|148.500");
    EXPECT_EQ(app.Cad.FormSheetMarker, 2);
}

TEST_F(FrameTest, TenChangesShowTheLastEightNewestOnTop) {
    AddChanges(10);
    Draw();
    const auto index = TextsAt("21.000");
    ASSERT_EQ(index.size(), 8u);
    EXPECT_EQ(index.front(), "TEXT|3|21.000|10.700|1.700|0.765|0.000|c");
    EXPECT_EQ(index.back(), "TEXT|3|21.000|40.100|1.700|0.765|0.000|j");
    EXPECT_FALSE(HasText("Text 1"));
    EXPECT_FALSE(HasText("Text 2"));
    EXPECT_TRUE(HasText("Text 3"));
    const auto texts = TextsAt("27.000");
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts.back(), "TEXT|3|27.000|40.100|1.700|0.765|0.000|Text 10");
    EXPECT_EQ(TextsAt("52.500").size(), 8u);
    EXPECT_EQ(TextsAt("66.000").size(), 8u);
}

TEST_F(FrameTest, IndexStyles) {
    AddChanges(3);
    const std::vector<std::pair<uint16_t, std::string>> styles{{0, "c"}, {1, "3"}, {2, "C"}};
    for (const auto& [style, third] : styles) {
        app.Config.IndexStyle = style;
        Draw();
        const auto index = TextsAt("21.000");
        ASSERT_EQ(index.size(), 3u);
        EXPECT_TRUE(index[2].ends_with("|" + third)) << index[2];
        EXPECT_NE(index[0].find("|10.700|"), std::string::npos); // entry 1 in the lowest row
    }
    app.Config.IndexStyle = 3;
    Draw();
    EXPECT_TRUE(TextsAt("21.000").empty());
    EXPECT_EQ(TextsAt("27.000").size(), 3u);
}

TEST_F(FrameTest, ReplacementsApprovalsAndFreeTexts) {
    Draw();
    EXPECT_TRUE(TextsAt("118.000").empty());
    EXPECT_TRUE(TextsAt("162.000").empty());
    Documentation& d = app.Docu;
    d.ReplacementFor = "ALT-1";
    d.ReplacedBy = "NEU-2";
    d.ApprovalRows[kExamined] = {"01.02.2024", "Meier"};
    d.FreeTexts[0] = {31, 100, 5, 30, "Frei 1"};
    d.FreeTexts[1] = {31, 90, 0, 0, "Frei 2"};
    d.FreeTextCount = 2;
    app.Config.ReleaseField = "Freigabe";
    Draw();
    EXPECT_TRUE(HasText(cp850("Ersatz für ALT-1")));
    EXPECT_EQ(TextsAt("162.000").at(0),
              "TEXT|3|162.000|6.500|1.800|0.833|0.000|Ersetzt durch NEU-2");
    EXPECT_EQ(TextsAt("83.500").at(0), "TEXT|3|83.500|31.200|1.800|0.833|0.000|01.02.2024");
    EXPECT_TRUE(HasText("Meier"));
    EXPECT_EQ(TextsAt("74.000").back(), "TEXT|3|74.000|23.200|1.800|0.833|0.000|Freigabe");
    // A free text of height 0 keeps the style of the one before it.
    EXPECT_EQ(TextsAt("31.000").at(0), "TEXT|3|31.000|100.000|5.000|0.800|30.000|Frei 1");
    EXPECT_EQ(TextsAt("31.000").at(1), "TEXT|3|31.000|90.000|5.000|0.800|30.000|Frei 2");
}

TEST_F(FrameTest, ProtectionNoticeNamesAndFooter) {
    Draw();
    const auto notice = Starting(out, "TEXT|");
    int vertical = 0;
    for (const auto& t : notice)
        vertical += t.find("|90.000|") != std::string::npos;
    EXPECT_EQ(vertical, 10);
    EXPECT_EQ(TextsAt("4.000").at(0),
              "TEXT|3|4.000|10.000|1.800|0.833|90.000|"
              "Copying of this document and giving it to other and the use");
    EXPECT_EQ(TextsAt("4.000").at(1), "TEXT|3|4.000|200.000|1.800|0.833|90.000|" +
                                          cp850("Weitergabe sowie Vervielfältigung dieser "
                                                "Unterlage, Ver-"));
    EXPECT_EQ(TextsAt("14.800").size(), 2u);
    // Lines of the notice stay within the border's height at that character size.
    for (const char* const* block : {kProtectionNoticeEnglish, kProtectionNoticeGerman})
        for (int i = 0; i < 5; ++i)
            EXPECT_LE(std::string(block[i]).size(), 60u);
    EXPECT_EQ(TextsAt("120.000").at(0), "TEXT|5|120.000|32.500|5.000|0.800|0.000|Winkel");
    EXPECT_EQ(TextsAt("120.000").at(1), "TEXT|5|120.000|12.000|5.000|0.800|0.000|4711-0815");
    EXPECT_EQ(TextsAt("120.000").at(2), "TEXT|5|120.000|25.000|3.500|0.800|0.000|L 100 x 80 x 10");
    EXPECT_EQ(TextsAt("18.000").at(0),
              "TEXT|5|18.000|1.000|1.500|0.800|0.000|/daten/beispiel.vak1");
    EXPECT_EQ(TextsAt("186.000").at(0), "TEXT|5|186.000|1.000|1.500|0.800|0.000|15.03.2024 10:30");
    const auto title = TextsAt("1.000");
    ASSERT_EQ(title.size(), 1u);
    EXPECT_NE(title[0].find("|300.000|"), std::string::npos); // above the sheet, inside -5..310
    EXPECT_NE(title[0].find("VAK1"), std::string::npos);
}

TEST_F(FrameTest, HideSwitchesAndUnnamedProject) {
    app.Config.DrawHideTitle = true;
    app.Config.DrawHideFileName = true;
    app.Config.DrawHideDate = true;
    Draw();
    EXPECT_TRUE(TextsAt("1.000").empty());
    EXPECT_TRUE(TextsAt("186.000").empty());
    EXPECT_TRUE(TextsAt("18.000").empty());
    app.Config.DrawHideFileName = false;
    app.State.ProjectName.clear();
    Draw();
    EXPECT_TRUE(TextsAt("18.000").empty()); // an unnamed project has no file name
}

TEST_F(FrameTest, LogoOnlyOnScreenAndPlotWhenItsFileExists) {
    Draw(cdScreen);
    EXPECT_TRUE(Starting(out, "INSERT|").empty());
    std::ofstream(app.Config.TempDir + "$logo_1.dx$") << "  0\r\nEOF\r\n";
    const std::vector<std::string> logo{"INSERT|5|75.000|10.000|0.000|1.000|1.000|logo_1"};
    Draw(cdScreen);
    EXPECT_EQ(Starting(out, "INSERT|"), logo);
    // The plot file inserts it only when the definition was copied into the file.
    Draw(cdPlot);
    EXPECT_TRUE(Starting(out, "INSERT|").empty());
    app.Cad.FileBlocks = {"logo_1"};
    Draw(cdPlot);
    EXPECT_EQ(Starting(out, "INSERT|"), logo);
    Draw(cdDxf);
    EXPECT_TRUE(Starting(out, "INSERT|").empty());
    app.Config.DrawHideLogo = true;
    Draw(cdScreen);
    EXPECT_TRUE(Starting(out, "INSERT|").empty());
}

TEST_F(FrameTest, EarlierCancelLeavesTheBlockEmpty) {
    app.State.AbortFlag = 1;
    Draw();
    EXPECT_TRUE(out.empty());
}
