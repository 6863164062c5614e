// Pins that the installed help and message files read back through the program's own
// lookup: every help number of the output and message dialogs has an entry, and every
// record of the message file is found with a cause.
#include "help/helperr.h"
#include "help/helptext.h"
#include "support/ReportFixture.h"
#include "text/textfile.h"

namespace vak1::test {
namespace {

class ShippedFilesTest : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        app.Config.PltDir = std::string(VAK1_SOURCE_DIR) + "/data/";
    }
};

TEST_F(ShippedFilesTest, DialogHelpNumbersHaveEntries) {
    for (uint16_t n : {1050, 1060, 1070, 1210, 1970, 2070, 3055}) {
        const HelpEntry e = FindHelpEntry(app.Config, n);
        EXPECT_TRUE(e.found) << n;
        EXPECT_FALSE(e.lines[0].empty()) << n;
    }
}

TEST_F(ShippedFilesTest, EveryMessageRecordIsFoundWithItsCause) {
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadTextLines(MessageFilePath(app.Config), lines));
    ASSERT_EQ(lines.size() % 3, 0u);
    for (std::size_t i = 0; i < lines.size(); i += 3) {
        app.Messages.count = 0;
        AddMessage(app.Messages, lines[i]);
        EXPECT_EQ(MessageCause(app.Config, app.Messages, 1), lines[i + 1]) << lines[i];
        EXPECT_EQ(MessageRemedy(app.Config, app.Messages, 1), lines[i + 2]) << lines[i];
    }
}

} // namespace
} // namespace vak1::test
