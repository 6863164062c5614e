// A project with every field of the project file set, and a field-by-field comparison.
#pragma once
#include <gtest/gtest.h>
#include <numbers>

#include "app/App.h"
#include "text/cp850.h"

namespace vak1::test {

inline void FillSample(App& app) {
    ProjectData& p = app.Project;
    constexpr long double pi = std::numbers::pi_v<long double>;
    p.ResetContour();
    const TPosition contour[] = {{0, 0, 0},       {120.25L, 0, 0},   {120.25L, 40, pi / 2},
                                 {80.25L, 80, 0}, {-12.5L, 80, -pi}, {-12.5L, 35.125L, 0}};
    for (const auto& pos : contour)
        p.Positions.push_back(pos);
    p.rho = 2.7L;
    p.lx = 2500;
    p.ArcDivision = 2.5L;
    p.RemarkLines = {cp850("Träger für Bühne"), "", "Zeile 3"};
    p.DrawingName = cp850("Bühnenträger");
    p.DrawingNumber = "ZN-4711";
    p.DrawingName2 = "Variante B";
    p.DrawHatching = false;
    p.DrawPrincipalAxes = true;

    Documentation& d = app.Docu;
    d.ChangeCount = 2;
    d.ChangeEntries[0] = {"Erstausgabe", "01.02.2024", "MM", "neu"};
    d.ChangeEntries[1] = {cp850("Länge geändert"), "15.03.2024", "KL",
                          "2400 -> 2500|wegen Auflager"};
    d.ApprovalRows = {
        {{"01.02.2024", "MM"}, {"02.02.2024", "PR"}, {"", "NO"}, {"03.02.2024", "FG"}}};
    d.ReplacementFor = "ZN-4700";
    d.ReplacedBy = "";
    d.FreeTextCount = 1;
    d.FreeTexts[0] = {10, 95.5L, 3.5L, 0, "Werkstoff EN AW-6060"};
    d.DocumentLinks[1] = {"libreoffice", "/projekte/buehne/stueckliste.ods"};
}

inline void ExpectSameProject(const App& a, const App& b) {
    const ProjectData& p = a.Project;
    const ProjectData& q = b.Project;
    ASSERT_EQ(p.PosCount(), q.PosCount());
    for (std::size_t k = 0; k < p.Positions.size(); ++k) {
        EXPECT_EQ(p.Positions[k].y, q.Positions[k].y) << k;
        EXPECT_EQ(p.Positions[k].z, q.Positions[k].z) << k;
        EXPECT_NEAR(static_cast<double>(p.Positions[k].phi),
                    static_cast<double>(q.Positions[k].phi), 5e-11)
            << k;
    }
    EXPECT_EQ(p.rho, q.rho);
    EXPECT_EQ(p.lx, q.lx);
    EXPECT_EQ(p.ArcDivision, q.ArcDivision);
    EXPECT_EQ(p.RemarkLines, q.RemarkLines);
    EXPECT_EQ(p.DrawingName, q.DrawingName);
    EXPECT_EQ(p.DrawingNumber, q.DrawingNumber);
    EXPECT_EQ(p.DrawingName2, q.DrawingName2);
    EXPECT_EQ(p.DrawHatching, q.DrawHatching);
    EXPECT_EQ(p.DrawPrincipalAxes, q.DrawPrincipalAxes);

    const Documentation& d = a.Docu;
    const Documentation& e = b.Docu;
    ASSERT_EQ(d.ChangeCount, e.ChangeCount);
    for (int n = 0; n < d.ChangeCount; ++n) {
        EXPECT_EQ(d.ChangeEntries[n].text, e.ChangeEntries[n].text);
        EXPECT_EQ(d.ChangeEntries[n].date, e.ChangeEntries[n].date);
        EXPECT_EQ(d.ChangeEntries[n].editor, e.ChangeEntries[n].editor);
        EXPECT_EQ(d.ChangeEntries[n].description, e.ChangeEntries[n].description);
    }
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(d.ApprovalRows[row].date, e.ApprovalRows[row].date);
        EXPECT_EQ(d.ApprovalRows[row].name, e.ApprovalRows[row].name);
    }
    EXPECT_EQ(d.ReplacementFor, e.ReplacementFor);
    EXPECT_EQ(d.ReplacedBy, e.ReplacedBy);
    ASSERT_EQ(d.FreeTextCount, e.FreeTextCount);
    for (int i = 0; i < d.FreeTextCount; ++i) {
        EXPECT_EQ(d.FreeTexts[i].x, e.FreeTexts[i].x);
        EXPECT_EQ(d.FreeTexts[i].y, e.FreeTexts[i].y);
        EXPECT_EQ(d.FreeTexts[i].h, e.FreeTexts[i].h);
        EXPECT_EQ(d.FreeTexts[i].phi, e.FreeTexts[i].phi);
        EXPECT_EQ(d.FreeTexts[i].text, e.FreeTexts[i].text);
    }
    for (int k = 0; k < kDocumentLinkCount; ++k) {
        EXPECT_EQ(d.DocumentLinks[k].program, e.DocumentLinks[k].program);
        EXPECT_EQ(d.DocumentLinks[k].file, e.DocumentLinks[k].file);
    }
}

} // namespace vak1::test
