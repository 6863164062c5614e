// The section window's data: one family per series of the table, in the table's order, then
// one per parametric shape.
#include "profiles/profiledialog.h"

#include <cstdio>

#include "text/cp850.h"
#include "text/parse.h"

namespace vak1 {
namespace {

std::string Number(long double v) {
    if (v == 0) return {};
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.6Lg", v);
    return buf;
}

std::vector<const ProfileRow*> RowsOf(const std::vector<ProfileRow>& rows,
                                      const std::string& series) {
    std::vector<const ProfileRow*> out;
    for (const ProfileRow& row : rows)
        if (row.series == series) out.push_back(&row);
    return out;
}

// The columns a series shows: the values its kind of section uses.
struct Columns {
    std::vector<std::string> titles;
    std::vector<long double ProfileRow::*> values;
};

Columns ColumnsOf(const std::string& kind) {
    if (kind == "RH") return {{"h", "b", "t"}, {&ProfileRow::h, &ProfileRow::b, &ProfileRow::t}};
    if (kind == "C") return {{"D", "t"}, {&ProfileRow::h, &ProfileRow::t}};
    if (kind == "L")
        return {{"h", "b", "t", "r"},
                {&ProfileRow::h, &ProfileRow::b, &ProfileRow::t, &ProfileRow::r}};
    return {{"h", "b", "tw", "tf", "r"},
            {&ProfileRow::h, &ProfileRow::b, &ProfileRow::tw, &ProfileRow::tf, &ProfileRow::r}};
}

} // namespace

ProfileDialogData MakeProfileDialog(const std::vector<ProfileRow>& rows) {
    ProfileDialogData data;
    data.caption = "Profil";
    for (const std::string& series : ProfileSeries(rows)) {
        ProfileFamilyView& f = data.families.emplace_back();
        f.name = Cp850ToUtf8(series);
        const std::vector<const ProfileRow*> sizes = RowsOf(rows, series);
        const Columns columns = ColumnsOf(sizes.front()->kind);
        f.columns.push_back("Bezeichnung");
        for (const std::string& t : columns.titles)
            f.columns.push_back(t + " [mm]");
        for (const ProfileRow* row : sizes) {
            std::vector<std::string>& cells = f.sizes.emplace_back();
            cells.push_back(Cp850ToUtf8(row->designation));
            for (auto value : columns.values)
                cells.push_back(Number(row->*value));
            if (row->kind == "RH") f.hollow = true;
        }
    }
    for (const ParametricShape& shape : ParametricShapes()) {
        ProfileFamilyView& f = data.families.emplace_back();
        f.name = Cp850ToUtf8(shape.name);
        for (std::size_t k = 0; k < shape.labels.size(); ++k) {
            f.labels.push_back(shape.labels[k] + " [mm]");
            f.values.push_back(Number(shape.defaults[k]));
        }
    }
    data.contour = [&rows](const ProfileDialogData& d, PositionTable& table, std::string& error) {
        std::vector<TPosition> contour;
        std::string designation;
        table.rows.clear();
        if (!ProfileChoiceContour(d, rows, contour, designation, error)) {
            error = Cp850ToUtf8(error);
            return false;
        }
        for (const TPosition& p : contour) {
            PositionRow& r = table.rows.emplace_back();
            r.yMm = p.y, r.zMm = p.z, r.phiRad = p.phi;
        }
        return true;
    };
    return data;
}

bool ProfileChoiceContour(const ProfileDialogData& data, const std::vector<ProfileRow>& rows,
                          std::vector<TPosition>& contour, std::string& designation,
                          std::string& error) {
    const std::vector<std::string> series = ProfileSeries(rows);
    const int family = data.family;
    if (family < 0 || family >= static_cast<int>(data.families.size())) {
        error = cp850("Keine Profilfamilie gewählt.");
        return false;
    }
    if (family < static_cast<int>(series.size())) {
        const std::vector<const ProfileRow*> sizes = RowsOf(rows, series[family]);
        if (data.size < 0 || data.size >= static_cast<int>(sizes.size())) {
            error = cp850("Keine Profilgröße gewählt.");
            return false;
        }
        const ProfileRow& row = *sizes[data.size];
        designation = row.designation;
        return ProfileRowContour(
            row, data.coldFormed ? HollowMaking::ColdFormed : HollowMaking::HotFinished, contour,
            error);
    }
    const ParametricShape& shape = ParametricShapes()[family - series.size()];
    const ProfileFamilyView& view = data.families[family];
    std::vector<long double> values;
    for (std::size_t k = 0; k < shape.labels.size(); ++k) {
        const ParsedNumber n =
            ParseNumber(k < view.values.size() ? std::string_view(view.values[k]) : "");
        if (!n.valid) {
            error = cp850("Der Wert für ") + shape.labels[k] + cp850(" ist keine Zahl.");
            return false;
        }
        values.push_back(n.value);
    }
    designation = ParametricDesignation(shape.shape, values);
    return ParametricContour(shape.shape, values, contour, error);
}

} // namespace vak1
