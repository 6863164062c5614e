// A fresh App on the scripted Ui, with the view and message-list hooks recorded.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/App.h"
#include "testing/ScriptedUi.h"

namespace vak1::test {

struct EditFixture : ::testing::Test {
    App app;
    ScriptedUi ui;
    std::vector<uint16_t> redraws; // kinds passed to the view
    int messageListShown = 0;
    std::vector<std::pair<uint16_t, bool>> help; // what onHelp was asked for

    EditFixture() {
        app.Env.ui = &ui;
        app.State.RedrawView = [this](uint16_t kind) { redraws.push_back(kind); };
        app.State.ShowMessageList = [this] { ++messageListShown; };
        ui.onHelp = [this](uint16_t n, bool picture) { help.emplace_back(n, picture); };
    }

    void SetContour(const std::vector<TPosition>& positions) { app.Project.Positions = positions; }

    std::vector<TPosition> Contour() const { return app.Project.Positions; }

    // The contour is want, position by position.
    void ExpectContour(const std::vector<TPosition>& want) const {
        const std::vector<TPosition> c = Contour();
        ASSERT_EQ(c.size(), want.size());
        for (std::size_t i = 0; i < c.size(); ++i)
            EXPECT_TRUE(c[i].y == want[i].y && c[i].z == want[i].z && c[i].phi == want[i].phi)
                << "position " << i + 1;
    }

    // Every answer was used and fitted the dialog it met.
    void ExpectScriptUsed() const {
        EXPECT_EQ(ui.Pending(), 0u);
        EXPECT_EQ(ui.mismatched, 0);
        EXPECT_EQ(ui.unanswered, 0);
    }
};

inline bool Same(const TPosition& a, const TPosition& b) {
    return a.y == b.y && a.z == b.z && a.phi == b.phi;
}

} // namespace vak1::test
