// Pins the start values of the project, the contour reset and the data effects of "New".
#include <gtest/gtest.h>

#include "model/ProjectData.h"

using namespace vak1;

TEST(ProjectData, StartValues) {
    ProjectData p;
    EXPECT_EQ(p.PosCount(), 0);
    EXPECT_EQ(p.PolyCount(), 0);
    EXPECT_EQ(p.lx, 1000);
    EXPECT_EQ(p.rho, 7.8L);
    EXPECT_EQ(p.ArcDivision, 5);
    EXPECT_EQ(p.YMax, 160);
    EXPECT_EQ(p.ZMax, 120);
    EXPECT_TRUE(p.DrawHatching);
    EXPECT_TRUE(p.DrawPrincipalAxes);
    EXPECT_EQ(p.R.A, 0);
    EXPECT_EQ(p.V, 0);
}

// A reset must forget earlier positions too: a position entered again starts unset, and
// the first one's predecessor is the origin.
TEST(ProjectData, ContourResetMarksEverySlotUnset) {
    ProjectData p;
    p.Positions = {{7, 7, 0}, {1, 2, 3}, {4, 5, 0}};
    p.KeepEarlier();
    p.Positions.pop_back();
    EXPECT_EQ(p.Earlier(2).y, 4);
    p.lx = 5;
    p.R.A = 42;
    p.ResetContour();
    EXPECT_EQ(p.PosCount(), 0);
    EXPECT_EQ(p.Before(0).y, 0);
    EXPECT_EQ(p.Before(0).z, 0);
    for (std::size_t i = 0; i < kMaxPositions; ++i) {
        EXPECT_EQ(p.Earlier(i).y, UnsetCoordinate);
        EXPECT_EQ(p.Earlier(i).z, UnsetCoordinate);
        EXPECT_EQ(p.Earlier(i).phi, 0);
    }
    EXPECT_EQ(p.lx, 5);   // body data stays
    EXPECT_EQ(p.R.A, 42); // results stay until the next calculation
}

TEST(ProjectData, NewEmptiesRemarksKeepsBodyAndOptions) {
    ProjectData p;
    p.RemarkLines = {"a", "b", "c"};
    p.DrawingName = "Name";
    p.rho = 2.7L;
    p.ArcDivision = 2;
    p.DrawHatching = false;
    p.Positions = {{1, 1, 0}, {2, 2, 0}};
    p.NewProject();
    for (const auto& line : p.RemarkLines)
        EXPECT_TRUE(line.empty());
    EXPECT_EQ(p.PosCount(), 0);
    EXPECT_EQ(p.rho, 2.7L);
    EXPECT_EQ(p.ArcDivision, 2);
    EXPECT_FALSE(p.DrawHatching);
}
