// Pins the printout dialog's checks in the core: a scale of 0 is refused with the range
// message and asked again, and a printer that cannot begin the job is reported.
#include <gtest/gtest.h>

#include "graphics/draw.h"
#include "graphics/printout.h"
#include "testing/RecordingPrinter.h"
#include "testing/ScriptedUi.h"

using namespace vak1;

TEST(PrintoutCommand, ScaleZeroIsAskedAgainAndAFailedJobIsReported) {
    GraphicsWindow g;
    Settings s;
    NumberStyle style;
    uint8_t abort = 0;
    Header(g, abort, 0, 0, 100, 100);
    line(g, 0, 0, 100, 100);
    ScriptedUi ui;
    RecordingPrinter printer; // prints text only: the graphic job cannot begin
    ui.Push({ScriptedAnswer::Printout({"0"}), ScriptedAnswer::Printout({"1", "-2"})});
    ui.Push(ScriptedAnswer::Printout({std::nullopt, "2,5"}));
    PrintoutCommand(DialogContext{ui, style, abort}, g, s, &printer, false);
    EXPECT_EQ(ui.Pending(), 0u);
    const auto shown = ui.Shown("printout");
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].fields, (std::vector<std::string>{"1", "1", "0", "0"}));
    const auto messages = ui.Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_NE(messages[0].find("0.001 .. 1000"), std::string::npos) << messages[0];
    EXPECT_NE(messages[1].find("0.001 .. 1000"), std::string::npos) << messages[1];
    EXPECT_NE(messages[2].find("nicht erstellt"), std::string::npos) << messages[2];
    EXPECT_EQ(abort, 1);
}

// The graphics settings' "Umrandung" was stored but read by nothing.
TEST(PrintoutDefaults, TheGraphicFrameIsThePrintoutsBorderDefault) {
    struct Case {
        bool printerBorder, graphicFrame, formSheet, border;
    };
    for (const Case c : {Case{false, false, false, false}, Case{false, true, false, true},
                         Case{true, false, false, true}, Case{false, true, true, false}}) {
        Settings s;
        s.ScreendumpBorder = c.printerBorder;
        s.GraphicBorder = c.graphicFrame;
        EXPECT_EQ(PrintoutDefaults(s, c.formSheet).border, c.border)
            << c.printerBorder << c.graphicFrame << c.formSheet;
    }
}
