// The sections' contours: per shape the exact-arc area and moments of the generated contour
// against the closed forms of that shape (rectangles with quarter-circle fillet corrections),
// the published values of standard sizes, the 500-position bound over every size of the
// shipped table, refused dimensions, and the table read back through the dBase engine.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "calc/extended.h"
#include "project/calculation.h"
#include "dbase/dbftest.h"
#include "profiles/profiles.h"
#include "profiles/profiletable.h"
#include "support/tempfolder.h"
#include "text/cp850.h"

using namespace vak1;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
const std::string kShipped = std::string(VAK1_SOURCE_DIR) + "/data/";

// Area, first and second moments about the origin of a sum of rectangles and quarter discs.
struct Closed {
    long double A = 0, Sy = 0, Sz = 0, Iyy = 0, Izz = 0, Iyz = 0; // Sy = int z, Iyy = int z^2

    Closed& Rect(long double y0, long double y1, long double z0, long double z1, int sign = 1) {
        const long double a = (y1 - y0) * (z1 - z0);
        A += sign * a;
        Sz += sign * a * (y0 + y1) / 2;
        Sy += sign * a * (z0 + z1) / 2;
        Izz += sign * (z1 - z0) * (y1 * y1 * y1 - y0 * y0 * y0) / 3;
        Iyy += sign * (y1 - y0) * (z1 * z1 * z1 - z0 * z0 * z0) / 3;
        Iyz += sign * (y1 * y1 - y0 * y0) * (z1 * z1 - z0 * z0) / 4;
        return *this;
    }
    // The quarter of the disc about (yc, zc) that lies towards (sy, sz).
    Closed& Quarter(long double yc, long double zc, long double r, int sy, int sz, int sign = 1) {
        const long double a = kPi * r * r / 4, m = r * r * r / 3; // int u dA of the quarter
        const long double u = sy * m, v = sz * m, uu = kPi * r * r * r * r / 16;
        const long double uv = sy * sz * r * r * r * r / 8;
        A += sign * a;
        Sz += sign * (yc * a + u);
        Sy += sign * (zc * a + v);
        Izz += sign * (yc * yc * a + 2 * yc * u + uu);
        Iyy += sign * (zc * zc * a + 2 * zc * v + uu);
        Iyz += sign * (yc * zc * a + yc * v + zc * u + uv);
        return *this;
    }
    // The fillet between a corner and the arc about (yc, zc) that lies towards (sy, sz): added
    // at a root (sign 1), taken off at a rounded outer corner (sign -1).
    Closed& Fillet(long double yc, long double zc, long double r, int sy, int sz, int sign) {
        Rect(std::min(yc, yc + sy * r), std::max(yc, yc + sy * r), std::min(zc, zc + sz * r),
             std::max(zc, zc + sz * r), sign);
        return Quarter(yc, zc, r, sy, sz, -sign);
    }
    Closed& Disc(long double r, int sign = 1) {
        for (int sy : {-1, 1})
            for (int sz : {-1, 1})
                Quarter(0, 0, r, sy, sz, sign);
        return *this;
    }
    long double IyS() const { return Iyy - Sy * Sy / A; }
    long double IzS() const { return Izz - Sz * Sz / A; }
    long double IyzS() const { return Iyz - Sy * Sz / A; }
};

Closed ClosedForm(ProfileShape shape, const std::vector<long double>& v) {
    Closed c;
    switch (shape) {
    case ProfileShape::RolledI: {
        const long double H = v[0] / 2, B = v[1] / 2, w = v[2] / 2, f = H - v[3], r = v[4];
        c.Rect(-B, B, -H, -f).Rect(-B, B, f, H).Rect(-w, w, -f, f);
        for (int sy : {-1, 1})
            for (int sz : {-1, 1})
                c.Fillet(sy * (w + r), sz * (f - r), r, -sy, sz, 1);
        break;
    }
    case ProfileShape::Channel: {
        const long double H = v[0] / 2, B = v[1] / 2, web = -B + v[2], f = H - v[3], r = v[4];
        c.Rect(-B, web, -H, H).Rect(web, B, -H, -f).Rect(web, B, f, H);
        for (int sz : {-1, 1})
            c.Fillet(web + r, sz * (f - r), r, -1, sz, 1);
        break;
    }
    case ProfileShape::Angle: {
        const long double H = v[0] / 2, B = v[1] / 2, t = v[2], r1 = v[3], r2 = v[4];
        c.Rect(-B, -B + t, -H, H).Rect(-B + t, B, -H, -H + t);
        c.Fillet(-B + t + r1, -H + t + r1, r1, -1, -1, 1);
        c.Fillet(B - r2, -H + t - r2, r2, 1, 1, -1).Fillet(-B + t - r2, H - r2, r2, 1, 1, -1);
        break;
    }
    case ProfileShape::Tee: {
        const long double H = v[0] / 2, B = v[1] / 2, w = v[2] / 2, f = H - v[3], r = v[4];
        c.Rect(-w, w, -H, f).Rect(-B, B, f, H);
        for (int sy : {-1, 1})
            c.Fillet(sy * (w + r), f - r, r, -sy, 1, 1);
        break;
    }
    case ProfileShape::RectHollow: {
        const long double H = v[0] / 2, B = v[1] / 2, t = v[2], ro = v[3];
        const long double ri = std::max(ro - t, 0.0L);
        c.Rect(-B, B, -H, H).Rect(-B + t, B - t, -H + t, H - t, -1);
        for (int sy : {-1, 1})
            for (int sz : {-1, 1}) {
                c.Fillet(sy * (B - ro), sz * (H - ro), ro, sy, sz, -1);
                c.Fillet(sy * (B - t - ri), sz * (H - t - ri), ri, sy, sz, 1);
            }
        break;
    }
    case ProfileShape::CircHollow:
        c.Disc(v[0] / 2).Disc(v[0] / 2 - v[1], -1);
        break;
    case ProfileShape::Rectangle:
        c.Rect(-v[1] / 2, v[1] / 2, -v[0] / 2, v[0] / 2);
        break;
    case ProfileShape::RoundBar:
        c.Disc(v[0] / 2);
        break;
    }
    return c;
}

struct Calculated {
    ProjectData p;
    MessageList messages;
    Settings settings;
    ExactSectionValues exact;
    bool ok = false;

    explicit Calculated(const std::vector<TPosition>& contour, long double arcDivision = 5) {
        SetProjectContour(p, contour, "Test");
        p.ArcDivision = arcDivision;
        CalcSection(p, messages, settings);
        ok = p.CalcError == 0 && ComputeExactArcValues(p, settings, exact);
    }
};

void ExpectRelative(long double got, long double want, const std::string& what) {
    EXPECT_NEAR(static_cast<double>(got), static_cast<double>(want),
                1e-11 * std::fabs(static_cast<double>(want)) + 1e-9)
        << what;
}

} // namespace

// A contour whose arcs turn the wrong way or whose corners sit in the wrong place has the
// wrong area or moments.
TEST(ProfileContour, ExactArcValuesEqualTheClosedFormsOfEveryShape) {
    struct Case {
        ProfileShape shape;
        std::vector<long double> values;
    };
    const Case cases[] = {
        {ProfileShape::RolledI, {200, 100, 5.6L, 8.5L, 12}},
        {ProfileShape::RolledI, {300, 300, 11, 19, 27}},
        {ProfileShape::RolledI, {100, 50, 5, 6, 0}},
        {ProfileShape::Channel, {200, 75, 8.5L, 11.5L, 11}},
        {ProfileShape::Angle, {100, 80, 10, 10, 5}},
        {ProfileShape::Angle, {60, 120, 8, 0, 4}},
        {ProfileShape::Tee, {100, 100, 11, 11, 6}},
        {ProfileShape::RectHollow, {200, 100, 8, 16}},
        {ProfileShape::RectHollow, {100, 100, 5, 3}}, // inner corners sharp
        {ProfileShape::CircHollow, {114.3L, 6.3L}},
        {ProfileShape::Rectangle, {100, 20}},
        {ProfileShape::RoundBar, {50}},
    };
    for (const Case& c : cases) {
        const std::string name = ParametricDesignation(c.shape, c.values);
        std::vector<TPosition> contour;
        std::string error;
        ASSERT_TRUE(ParametricContour(c.shape, c.values, contour, error)) << name << error;
        Calculated calc(contour);
        ASSERT_TRUE(calc.ok) << name;
        const Closed want = ClosedForm(c.shape, c.values);
        ExpectRelative(calc.exact.A, want.A, name + " A");
        ExpectRelative(calc.exact.IyS, want.IyS(), name + " Iy");
        ExpectRelative(calc.exact.IzS, want.IzS(), name + " Iz");
        ExpectRelative(calc.exact.IyzS, want.IyzS(), name + " Iyz");
        // The chord calculation runs the same contour counter-clockwise.
        EXPECT_GT(calc.p.R.A, 0) << name;
    }
}

// The sizes of the table must give the published section values (within the table's rounding).
TEST(ProfileContour, StandardSizesGiveThePublishedValues) {
    std::vector<ProfileRow> rows;
    std::string error;
    ASSERT_TRUE(ReadProfileTable(kShipped + kProfileTableName, rows, error)) << error;
    struct Case {
        const char* name;
        double A, Iy, Iz, Wpl; // cm2, cm4, cm4, cm3; 0: not published here
    };
    const Case cases[] = {
        {"IPE 200", 28.48, 1943, 142.4, 220.6},
        {"HE B 200", 78.08, 5696, 0, 0},
    };
    for (const Case& c : cases) {
        const ProfileRow* row = FindProfile(rows, c.name);
        ASSERT_NE(row, nullptr) << c.name;
        std::vector<TPosition> contour;
        ASSERT_TRUE(ProfileRowContour(*row, HollowMaking::HotFinished, contour, error)) << error;
        Calculated calc(contour);
        ASSERT_TRUE(calc.ok) << c.name;
        EXPECT_NEAR(static_cast<double>(calc.exact.A) / 1e2, c.A, 0.005) << c.name;
        EXPECT_NEAR(static_cast<double>(calc.exact.IyS) / 1e4, c.Iy, 0.5) << c.name;
        if (c.Iz) {
            EXPECT_NEAR(static_cast<double>(calc.exact.IzS) / 1e4, c.Iz, 0.05) << c.name;
        }
        if (c.Wpl) {
            // The plastic modulus comes from the chord polygon: fine chords come near the arcs.
            ExtendedValues x;
            ASSERT_TRUE(ComputeExtendedValues(Calculated(contour, 0.5L).p, x));
            EXPECT_NEAR(static_cast<double>(x.plastic1.Wpl) / 1e3, c.Wpl, 0.05) << c.name;
        }
    }
}

// Every size of the shipped table, with either corner rule, makes a contour of at most 500
// positions that calculates to the area of its closed form.
TEST(ProfileContour, EveryTableSizeStaysWithinTheBoundAndHasItsArea) {
    std::vector<ProfileRow> rows;
    std::string error;
    ASSERT_TRUE(ReadProfileTable(kShipped + kProfileTableName, rows, error)) << error;
    ASSERT_GT(rows.size(), 600u);
    for (const HollowMaking making : {HollowMaking::HotFinished, HollowMaking::ColdFormed}) {
        for (const ProfileRow& row : rows) {
            std::vector<TPosition> contour;
            if (!ProfileRowContour(row, making, contour, error)) {
                // A few small hollow sizes are made hot-finished only: the cold-formed outer
                // radius would not fit their side.
                EXPECT_TRUE(making == HollowMaking::ColdFormed && row.kind == "RH") << error;
                EXPECT_NE(Cp850ToUtf8(error).find("ist zu groß"), std::string::npos) << error;
                continue;
            }
            EXPECT_LE(contour.size(), kMaxPositions) << row.designation;
            long double want = 0;
            if (row.kind == "I") {
                want = ClosedForm(ProfileShape::RolledI, {row.h, row.b, row.tw, row.tf, row.r}).A;
            } else if (row.kind == "C") {
                want = ClosedForm(ProfileShape::CircHollow, {row.h, row.t}).A;
            } else {
                ASSERT_EQ(row.kind, "RH") << row.designation;
                long double ro = 0, ri = 0;
                HollowCornerRadii(row.t, making, ro, ri);
                want = row.b * row.h - (4 - kPi) * ro * ro -
                       ((row.b - 2 * row.t) * (row.h - 2 * row.t) - (4 - kPi) * ri * ri);
            }
            Calculated calc(contour);
            ASSERT_TRUE(calc.ok) << row.designation;
            ExpectRelative(calc.exact.A, want, row.designation);
        }
    }
}

// Dimensions that make no section are refused with a German message naming the value.
TEST(ProfileContour, BadDimensionsAreRefusedWithTheirMessage) {
    struct Case {
        ProfileShape shape;
        std::vector<long double> values;
        const char* message;
    };
    const Case cases[] = {
        {ProfileShape::RolledI, {200, 100, 5.6L, 100, 12}, "tf muß kleiner als h/2 sein"},
        {ProfileShape::RolledI,
         {200, 100, 5.6L, 8.5L, 48},
         "r = 48 mm ist zu groß: höchstens 47.2 mm"},
        {ProfileShape::RolledI, {200, 100, 0, 8.5L, 12}, "tw muß größer als 0 sein"},
        {ProfileShape::RolledI, {200, 100, 5.6L, 8.5L, -1}, "r darf nicht negativ sein"},
        {ProfileShape::Channel, {200, 75, 80, 11.5L, 11}, "tw muß kleiner als b sein"},
        {ProfileShape::Angle, {100, 80, 80, 10, 5}, "t muß kleiner als b sein"},
        {ProfileShape::Angle, {100, 80, 10, 10, 12}, "r2 = 12 mm ist zu groß"},
        {ProfileShape::Tee, {100, 100, 11, 100, 6}, "tf muß kleiner als h sein"},
        {ProfileShape::RectHollow, {200, 100, 50, 60}, "t muß kleiner als b/2 sein"},
        {ProfileShape::RectHollow, {200, 100, 8, 51}, "r = 51 mm ist zu groß"},
        {ProfileShape::CircHollow, {100, 50}, "t muß kleiner als D/2 sein"},
        {ProfileShape::Rectangle, {100, -2}, "b muß größer als 0 sein"},
        {ProfileShape::RoundBar, {NAN}, "D muß größer als 0 sein"},
        {ProfileShape::Rectangle, {2e9L, 10}, "h ist zu groß: höchstens 1e9 mm"},
    };
    for (const Case& c : cases) {
        std::vector<TPosition> contour;
        std::string error;
        EXPECT_FALSE(ParametricContour(c.shape, c.values, contour, error)) << c.message;
        EXPECT_NE(Cp850ToUtf8(error).find(c.message), std::string::npos)
            << Cp850ToUtf8(error) << " / " << c.message;
    }
}

// The shipped table reads back through the dBase engine; a table in a folder looked at first
// wins, and its own rows of any series are offered without the program knowing them.
TEST(ProfileTable, ShippedTableReadsBackAndAUsersTableIsFoundFirst) {
    std::vector<ProfileRow> rows;
    std::string error;
    ASSERT_EQ(FindProfileTable({"", kShipped}), kShipped + kProfileTableName);
    ASSERT_TRUE(ReadProfileTable(FindProfileTable({kShipped}), rows, error)) << error;
    EXPECT_EQ(ProfileSeries(rows), (std::vector<std::string>{"IPE", "IPEA", "IPEO", "HEA", "HEAA",
                                                             "HEB", "HEM", "RHS", "CHS"}));
    const ProfileRow* ipe = FindProfile(rows, "ipe200");
    ASSERT_NE(ipe, nullptr);
    EXPECT_EQ(ipe->designation, "IPE 200");
    EXPECT_EQ(ipe->kind, "I");
    EXPECT_EQ((std::vector<long double>{ipe->h, ipe->b, ipe->tw, ipe->tf, ipe->r, ipe->t}),
              (std::vector<long double>{200, 100, 5.6L, 8.5L, 12, 0}));
    const ProfileRow* chs = FindProfile(rows, "CHS 508x16");
    ASSERT_NE(chs, nullptr);
    EXPECT_EQ((std::vector<long double>{chs->h, chs->t}), (std::vector<long double>{508, 16}));
    // An independent reader sees the records the engine sees.
    const std::string shipped = kShipped + kProfileTableName;
    std::vector<std::string> dumped;
    std::istringstream dump(test::Dbfread(shipped));
    for (std::string line; std::getline(dump, line);)
        dumped.push_back(line);
    ASSERT_GT(dumped.size(), 10u);
    dumped.erase(dumped.begin(), dumped.begin() + 10); // language driver and the nine fields
    EXPECT_EQ(dumped, test::EngineRecords(shipped));

    test::TempFolder user("profiles");
    const std::vector<DbfField> fields = {
        {"SERIES", 'C', 10, 0}, {"DESIGNATIO", 'C', 30, 0}, {"KIND", 'C', 2, 0},
        {"H", 'N', 9, 2},       {"B", 'N', 9, 2},           {"TW", 'N', 7, 2},
        {"TF", 'N', 7, 2},      {"R", 'N', 7, 2},           {"T", 'N', 7, 2}};
    test::MakeTable(user.path() + kProfileTableName, fields,
                    {{"Eigene", cp850("Träger 1"), "U", "120", "55", "7", "9", "9", ""},
                     {"*Eigene", "Weg", "I", "100", "50", "5", "6", "0", ""},
                     {"Eigene", "Winkel 2", "L", "50", "50", "", "", "5", "5"}});
    const std::string found = FindProfileTable({user.path(), kShipped});
    ASSERT_EQ(found, user.path() + kProfileTableName);
    ASSERT_TRUE(ReadProfileTable(found, rows, error)) << error;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].designation, cp850("Träger 1"));
    std::vector<TPosition> contour;
    for (const ProfileRow& row : rows) {
        ASSERT_TRUE(ProfileRowContour(row, HollowMaking::HotFinished, contour, error)) << error;
        Calculated calc(contour);
        EXPECT_TRUE(calc.ok) << row.designation;
    }
    ExpectRelative(Calculated(contour).exact.A,
                   ClosedForm(ProfileShape::Angle, {50, 50, 5, 5, 0}).A, "Winkel 2");
}

// The shipped table is the one its script writes from the dimensions beside it: a change to
// either alone would ship figures nobody can make again.
TEST(ProfileTable, ShippedTableIsWhatItsScriptWrites) {
    test::TempFolder out("profiles-script");
    const std::string command =
        std::string(VAK1_PYTHON) + " " + kShipped + "make_profiles.py '" + out.path() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::string made = test::ReadBytes(out.path() + kProfileTableName);
    ASSERT_FALSE(made.empty());
    EXPECT_TRUE(made == test::ReadBytes(kShipped + kProfileTableName));
}
