// IGES records: Start and Global at the head, D records as the entities come, the P records
// kept aside and appended before the Terminate record.
#include "cad/iges.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/angles.h"
#include "cad/cadnumber.h"

namespace vak1 {

namespace {

constexpr std::size_t kDataColumns = 72;
constexpr std::size_t kParamColumns = 64;
constexpr std::size_t kMembersPerRecord = 12;

std::string Field(std::string_view v) {
    std::string f(8 - std::min<std::size_t>(8, v.size()), ' ');
    f.append(v.substr(0, 8));
    return f;
}

// The section letter and the line's number in seven digits, zeros in front ("P0000012").
std::string Seq(char section, int n) {
    char buf[16];
    if (n < 0 || n > 9999999) {
        std::snprintf(buf, sizeof buf, "%c%07d", section, n);
        return buf;
    }
    std::string s(8, '0');
    s[0] = section;
    for (std::size_t i = 7; n > 0; --i, n /= 10)
        s[i] = static_cast<char>('0' + n % 10);
    return s;
}

// The file name without folder and extension.
std::string BaseName(const std::string& path) {
    std::string name =
        path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}

// Commas inside a Hollerith string are text, not places to cut: a reader takes all 64
// columns of a record, so blanks padded into a string would change it.
std::vector<bool> DelimiterCommas(std::string_view text) {
    std::vector<bool> comma(text.size(), false);
    bool atStart = true;
    std::size_t i = 0;
    while (i < text.size()) {
        if (atStart) {
            std::size_t j = i;
            std::size_t length = 0;
            while (j < text.size() && j - i < 6 &&
                   std::isdigit(static_cast<unsigned char>(text[j])))
                length = length * 10 + static_cast<std::size_t>(text[j++] - '0');
            if (j > i && j < text.size() && text[j] == 'H') {
                i = j + 1 + length;
                atStart = false;
                continue;
            }
        }
        atStart = text[i] == ',' || text[i] == ';';
        comma[i] = text[i] == ',';
        ++i;
    }
    return comma;
}

} // namespace

std::string Hollerith(std::string_view text) {
    return std::to_string(text.size()) + "H" + std::string(text);
}

std::vector<std::string> SplitParameters(std::string_view text) {
    const std::vector<bool> comma = DelimiterCommas(text);
    std::vector<std::string> pieces;
    std::size_t at = 0;
    while (text.size() - at > kParamColumns) {
        std::size_t cut = kParamColumns;
        for (std::size_t k = kParamColumns; k > 0; --k)
            if (comma[at + k - 1]) {
                cut = k;
                break;
            }
        pieces.emplace_back(text.substr(at, cut));
        at += cut;
    }
    if (at < text.size() || pieces.empty()) pieces.emplace_back(text.substr(at));
    return pieces;
}

int IgesColour(int c) {
    static constexpr int kTable[16] = {0, 2, 5, 3, 7, 4, 6, 0, 8, 10, 11, 12, 13, 14, 15, 1};
    if (c >= 0 && c < 16) return kTable[c];
    return c == 16 ? 1 : 0; // 16 is black
}

IgesWriter::IgesWriter(const Settings& s) : s_(s), decimals_(std::clamp(s.DecimalPlaces, 0, 10)) {}

std::string IgesWriter::Num(long double x) {
    const std::string t = FixedText(std::fabs(x) < 1e-8L ? 0 : x, decimals_);
    if (t.empty()) file_.Refuse(NotANumberText());
    return t;
}

std::string IgesWriter::Fine(long double x) {
    const std::string t = FixedText(std::fabs(x) < 1e-8L ? 0 : x, decimals_ + 3);
    if (t.empty()) file_.Refuse(NotANumberText());
    return t;
}

void IgesWriter::Record(char section, int& counter, std::string_view text) {
    std::string& b = file_.Buffer();
    b.append(text);
    if (text.size() < kDataColumns) b.append(kDataColumns - text.size(), ' ');
    b += Seq(section, ++counter);
    file_.EndLine();
}

void IgesWriter::Start(const std::string& fileName, long double largest, const DateTime& date) {
    sCount_ = gCount_ = dCount_ = pCount_ = 0;
    dNumber_ = -1;
    pointer_ = 1;
    params_.clear();
    definitions_ = 0;
    members_.clear();
    inside_ = false;
    started_ = true;
    Record('S', sCount_, "IGES-Datei generiert von VAK1");
    Record('S', sCount_, "Uebersetzer von QUORVEN GMBH, Uebersetzerversion 3.1");
    const std::string base = Hollerith(BaseName(fileName));
    char when[32];
    std::snprintf(when, sizeof when, "%02d%02d%02d.081107", (date.year - 1900) % 100, date.month,
                  date.day);
    const std::string global[5] = {
        ",,4HFILE," + base + "," + Hollerith("VAK1 V5.0") + "," + Hollerith("3.1") + ",",
        "16,38,6,99,15,", base + ",1.0,2," + Hollerith("MM") + ",32767,3.2767D1,",
        Hollerith(when) + ",1.0D-8," + Num(largest) + ",",
        Hollerith("VAK1") + "," + Hollerith("QUORVEN Industriesoftware GmbH") + ",4,0;"};
    // A long file name continues on the next record; the columns beyond 72 hold the sequence.
    for (const std::string& g : global)
        for (std::size_t at = 0; at < g.size(); at += kDataColumns)
            Record('G', gCount_, std::string_view(g).substr(at, kDataColumns));
}

void IgesWriter::Layer(int n) {
    int colour = 0;
    font_ = 1;
    if (n >= 0 && n <= 5) {
        colour = n == 0 ? 7 : s_.LayerColors[static_cast<std::size_t>(n - 1)];
        font_ = n == 1 ? 4 : n == 2 ? 2 : 1;
    } else if (n >= 16 && n <= 31) {
        colour = s_.LayerColors16to31[static_cast<std::size_t>(n - 16)];
    } else {
        colour = n % 16 + 1;
    }
    colour_ = IgesColour(colour);
    layerFont_ = font_;
}

void IgesWriter::LineStyle(int n) {
    // Line font patterns: 2 dashed, 4 centre line, 5 dotted.
    font_ = n == 1 ? 5 : n == 2 ? 4 : n == 3 ? 2 : layerFont_;
}

void IgesWriter::Directory(int type, int pointer, int records, const DirectoryFields& f) {
    const std::string t = std::to_string(type);
    std::string r1 = Field(t) + Field(std::to_string(pointer)) + Field("1") +
                     Field(std::to_string(font_)) + Field(std::to_string(colour_)) + Field("") +
                     Field(f.matrix) + Field("") + Field(f.dependent ? "00010000" : "00000000");
    std::string r2 = Field(t) + Field("") + Field(std::to_string(colour_)) +
                     Field(std::to_string(records)) + Field(f.form) + Field("") + Field("") +
                     Field(f.label) + Field("");
    Record('D', dCount_, r1);
    Record('D', dCount_, r2);
}

int IgesWriter::Entity(int type, const std::vector<std::string>& rows, const DirectoryFields& f) {
    if (!started_) Start(file_.Path(), 0, DateTime{});
    dNumber_ += 2;
    const int pointer = pointer_;
    int records = 0;
    char tail[24];
    std::snprintf(tail, sizeof tail, "%8d", dNumber_);
    for (const std::string& row : rows) {
        for (const std::string& piece : SplitParameters(row)) {
            params_ += piece;
            params_.append(kParamColumns - piece.size(), ' ');
            params_ += tail;
            params_ += Seq('P', ++pCount_);
            params_ += "\r\n";
            ++records;
        }
    }
    pointer_ += records;
    Directory(type, pointer, records, f);
    if (inside_) members_.push_back(dNumber_);
    return dNumber_;
}

void IgesWriter::Line(long double x1, long double y1, long double x2, long double y2) {
    Entity(110, {"110," + Num(x1) + "," + Num(y1) + ",0.0," + Num(x2) + "," + Num(y2) + ",0.0;"},
           {"", "", "", inside_});
}

void IgesWriter::Arc(long double xc, long double yc, long double xs, long double ys, long double xe,
                     long double ye) {
    Entity(100,
           {"100,0.0," + Num(xc) + "," + Num(yc) + "," + Num(xs) + "," + Num(ys) + "," + Num(xe) +
            "," + Num(ye) + ";"},
           {"0", "", "", inside_});
}

void IgesWriter::Circle(long double xc, long double yc, long double r) {
    Arc(xc, yc, xc + r, yc, xc + r, yc);
}

void IgesWriter::Solid(long double x1, long double y1, long double x2, long double y2,
                       long double x3, long double y3, long double x4, long double y4) {
    Entity(106,
           {"106,1,5,0.0," + Num(x1) + "," + Num(y1) + ",", Num(x4) + "," + Num(y4) + ",",
            Num(x3) + "," + Num(y3) + ",", Num(x2) + "," + Num(y2) + ",",
            Num(x1) + "," + Num(y1) + ";"},
           {"0", "11", "", inside_});
}

void IgesWriter::Text(const std::string& text, long double height, long double widthFactor,
                      long double angle, long double x, long double y) {
    const long double n = static_cast<long double>(text.size());
    Entity(212,
           {"212,1," + std::to_string(text.size()) + "," + Num(n * height * widthFactor) + "," +
                Num(height) + ",1,," + Fine(angle * kRadPerDeg) + ",0,0," + Num(x) + "," + Num(y) +
                ",0.0,",
            Hollerith(text) + ";"},
           {"0", "", "", inside_});
}

void IgesWriter::SubfigureBegin(const std::string& name) {
    inside_ = true;
    members_.clear();
    if (definitions_ == kIgesSubfigures) return; // the table is full: no further names
    ++definitions_;
    subfigures_[static_cast<std::size_t>(definitions_)].name = name.substr(0, 8);
}

void IgesWriter::SubfigureEnd() {
    inside_ = false;
    const std::string name = definitions_ > 0
                                 ? subfigures_[static_cast<std::size_t>(definitions_)].name
                                 : std::string("12345678");
    if (definitions_ > 0)
        subfigures_[static_cast<std::size_t>(definitions_)].definition = dNumber_ + 2;
    std::vector<std::string> rows;
    std::string row = "308,0," + Hollerith(name) + "," + std::to_string(members_.size());
    if (members_.empty()) {
        rows.push_back(row + ";");
    } else {
        rows.push_back(row + ",");
        for (std::size_t i = 0; i < members_.size(); i += kMembersPerRecord) {
            std::string r;
            const std::size_t end = std::min(members_.size(), i + kMembersPerRecord);
            for (std::size_t j = i; j < end; ++j)
                r += std::to_string(members_[j]) + (j + 1 == members_.size() ? ";" : ",");
            rows.push_back(r);
        }
    }
    members_.clear();
    Entity(308, rows, {"", "", name, false});
}

bool IgesWriter::Instance(const std::string& name, long double x, long double y,
                          long double rotation) {
    const std::string key = name.substr(0, 8);
    int definition = 0;
    for (int i = 1; i <= definitions_ && definition == 0; ++i)
        if (subfigures_[static_cast<std::size_t>(i)].name == key)
            definition = subfigures_[static_cast<std::size_t>(i)].definition;
    if (definition == 0) return false;
    const std::string def = std::to_string(definition);
    if (rotation == 0) {
        Entity(408, {"408," + def + "," + Num(x) + "," + Num(y) + ",0.0,1.0;"},
               {"", "", "", inside_});
        return true;
    }
    const long double c = std::cos(rotation * kRadPerDeg), s = std::sin(rotation * kRadPerDeg);
    const int matrix =
        Entity(124,
               {"124," + Fine(c) + "," + Fine(-s) + ",0.0," + Fine(x) + ",",
                Fine(s) + "," + Fine(c) + ",0.0," + Fine(y) + ",", "0.0,0.0,1.0,0.0;"},
               {"", "", "", true});
    Entity(408, {"408," + def + ",0.0,0.0,0.0,1.0;"}, {std::to_string(matrix), "", "", inside_});
    return true;
}

bool IgesWriter::Close() {
    file_.Buffer() += params_;
    params_.clear();
    char t[80];
    std::snprintf(t, sizeof t, "S%07dG%07dD%07dP%07d", sCount_, gCount_, dCount_, pCount_);
    int tCount = 0;
    Record('T', tCount, t);
    return file_.Close();
}

} // namespace vak1
