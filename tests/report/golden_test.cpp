// Pins the exact bytes of the standard report and the excerpt in the text, HTML and
// tab-separated kinds for the L-profile, with a fixed clock. VAK1_UPDATE_GOLDEN=1 rewrites
// the files after a deliberate change (review the diff before committing it).
#include <cstdlib>

#include "report/OutputDocument.h"
#include "report/resultreport.h"
#include "support/ReportFixture.h"
#include "text/cp850.h"

namespace vak1::test {
namespace {

class GoldenReportTest : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        app.State.ProjectDir = "";
        app.State.ProjectName = "lprofil";
        app.Project.RemarkLines = {cp850("Winkelprofil L 100x80x10, Ausrundung R10"),
                                   "Werkstoff S235 <Baustahl> & \"Kaltprofil\"", ""};
        app.Config.HtmlBrowser = "browser";
        launcher.installed.insert("browser");
        LoadLProfile();
        ASSERT_EQ(app.Project.CalcError, 0);
    }

    // The folder of the run is not part of the pinned bytes.
    std::string Stable(std::string bytes) const {
        for (auto at = bytes.find(dir); at != std::string::npos; at = bytes.find(dir, at))
            bytes.replace(at, dir.size(), "@TMP@/");
        return bytes;
    }

    void ExpectGolden(const std::string& name, const std::string& actual) {
        const std::string path = std::string(VAK1_GOLDEN_DIR) + "/report/" + name;
        if (std::getenv("VAK1_UPDATE_GOLDEN")) Write(path, actual);
        const std::string expected = Read(path);
        ASSERT_FALSE(expected.empty()) << "missing golden file " << path;
        if (expected != actual) Write(name + ".actual", actual);
        EXPECT_TRUE(expected == actual)
            << name << " differs; actual output in " << name << ".actual";
    }

    enum class Report { Standard, Excerpt };
    std::string Run(Report report, uint16_t kind, const std::string& file) {
        if (report == Report::Standard)
            ReportStandard(Out(), app.Project, app.Messages, kind);
        else
            ReportExcerpt(Out(), app.Project, kind);
        EXPECT_EQ(app.State.AbortFlag, 0);
        return Stable(Read(dir + file));
    }
};

TEST_F(GoldenReportTest, StandardReportAsText) {
    const std::string text = Run(Report::Standard, odDosFile, "OUTDOS.TXT");
    ExpectGolden("standard.txt", text);
    ASSERT_TRUE(RunReportJob(Out(), app.Project, app.Messages, dir + "lprofil.txt"));
    EXPECT_TRUE(Read(dir + "lprofil.txt") == text) << "the job writes the same report";
}

TEST_F(GoldenReportTest, StandardReportAsHtml) {
    ExpectGolden("standard.htm", Run(Report::Standard, odHtml, "vak1.htm"));
}

TEST_F(GoldenReportTest, StandardReportTabSeparated) {
    ExpectGolden("standard.tab.txt", Run(Report::Standard, odSpreadsheetTxt, "$$$1.txt"));
}

TEST_F(GoldenReportTest, ExcerptAsText) {
    ExpectGolden("excerpt.txt", Run(Report::Excerpt, odDosFile, "OUTDOS.TXT"));
}

TEST_F(GoldenReportTest, ExcerptAsHtml) {
    ExpectGolden("excerpt.htm", Run(Report::Excerpt, odHtml, "vak1.htm"));
}

TEST_F(GoldenReportTest, ExcerptTabSeparated) {
    ExpectGolden("excerpt.tab.txt", Run(Report::Excerpt, odSpreadsheetTxt, "$$$1.txt"));
}

} // namespace
} // namespace vak1::test
