// Reading the sections' table through the dBase engine.
#include "profiles/profiletable.h"

#include <algorithm>

#include "dbase/dbf.h"
#include "text/cp850.h"
#include "text/parse.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

constexpr const char* kFields[] = {"SERIES", "DESIGNATIO", "KIND", "H", "B", "TW", "TF", "R", "T"};

// Blanks and case do not tell two designations apart ("HEB 200", "heb200").
std::string Key(const std::string& text) {
    std::string key;
    for (char c : UpperAscii(text))
        if (c != ' ') key += c;
    return key;
}

} // namespace

std::string FindProfileTable(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        const std::string path = FolderPath(folder) + kProfileTableName;
        if (FileExists(path)) return path;
    }
    return {};
}

bool ReadProfileTable(const std::string& path, std::vector<ProfileRow>& rows, std::string& error) {
    rows.clear();
    DbfTable table;
    if (!table.Open(path)) {
        error = path + ": " + table.Error();
        return false;
    }
    int index[9];
    for (int k = 0; k < 9; ++k) {
        index[k] = table.FieldIndex(kFields[k]);
        if (index[k] < 0) {
            error = path + cp850(": Feld ") + kFields[k] + " fehlt";
            return false;
        }
    }
    for (int rec = 1; rec <= table.RecordCount(); ++rec) {
        if (table.Deleted(rec)) continue;
        ProfileRow row;
        row.series = table.FieldText(rec, index[0]);
        row.designation = table.FieldText(rec, index[1]);
        row.kind = UpperAscii(table.FieldText(rec, index[2]));
        long double* values[6] = {&row.h, &row.b, &row.tw, &row.tf, &row.r, &row.t};
        for (int k = 0; k < 6; ++k) {
            const ParsedNumber n = ParseNumber(table.FieldText(rec, index[3 + k]));
            *values[k] = n.valid ? n.value : 0;
        }
        if (row.designation.empty()) continue; // an empty record the user appended
        rows.push_back(std::move(row));
    }
    return true;
}

std::vector<std::string> ProfileSeries(const std::vector<ProfileRow>& rows) {
    std::vector<std::string> series;
    for (const ProfileRow& row : rows)
        if (std::find(series.begin(), series.end(), row.series) == series.end())
            series.push_back(row.series);
    return series;
}

bool ProfileRowContour(const ProfileRow& row, HollowMaking making, std::vector<TPosition>& out,
                       std::string& error) {
    out.clear();
    bool ok = false;
    if (row.kind == "I" || row.kind == "U" || row.kind == "T") {
        const ProfileShape shape = row.kind == "I"   ? ProfileShape::RolledI
                                   : row.kind == "U" ? ProfileShape::Channel
                                                     : ProfileShape::Tee;
        ok = ParametricContour(shape, {row.h, row.b, row.tw, row.tf, row.r}, out, error);
    } else if (row.kind == "L") {
        ok = ParametricContour(ProfileShape::Angle, {row.h, row.b, row.t, row.r, 0}, out, error);
    } else if (row.kind == "RH") {
        long double outer = 0, inner = 0;
        HollowCornerRadii(row.t, making, outer, inner);
        ok = RectHollowContour(row.h, row.b, row.t, outer, inner, out, error);
    } else if (row.kind == "C") {
        ok = ParametricContour(ProfileShape::CircHollow, {row.h, row.t}, out, error);
    } else {
        error = cp850("Art \"") + row.kind + cp850("\" unbekannt (I, U, T, L, RH oder C).");
    }
    if (!ok) error = row.designation + ": " + error;
    return ok;
}

const ProfileRow* FindProfile(const std::vector<ProfileRow>& rows, const std::string& designation) {
    const std::string key = Key(designation);
    for (const ProfileRow& row : rows)
        if (Key(row.designation) == key) return &row;
    return nullptr;
}

} // namespace vak1
