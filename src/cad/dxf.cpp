// DXF groups: the code right-aligned in three characters on its own line, the value below.
#include "cad/dxf.h"

#include <cmath>
#include <cstring>

#include "cad/cadnumber.h"
#include "text/cp850.h"

namespace vak1 {

bool ArcIsCircle(long double a1, long double a2) {
    constexpr long double kEps = 0.00001L;
    if (a1 == a2) return true;
    return (std::fabs(a1) < kEps && std::fabs(a2 - 360) < kEps) ||
           (std::fabs(a1 - 360) < kEps && std::fabs(a2) < kEps);
}

DxfWriter::DxfWriter(const Settings& s, const CadLayer& cad)
    : s_(s), cad_(cad), decimals_(CadDecimals(s)) {
    s_.DecimalComma = DecimalSign::Point;
}

namespace {

// The code line: the code right-aligned in three characters, CR LF.
constexpr std::size_t kCodeChars = 5;
void CodeChars(char* c, int code) {
    std::memcpy(c, "   \r\n", kCodeChars);
    int i = 2;
    do {
        c[i--] = static_cast<char>('0' + code % 10);
        code /= 10;
    } while (code > 0 && i >= 0);
}

} // namespace

void DxfWriter::Code(int code) {
    char c[kCodeChars];
    CodeChars(c, code);
    file_.Buffer().append(c, kCodeChars);
}

const std::string& DxfWriter::Significant(int slot, long double x) {
    LastSignificant& last = significant_[slot];
    // The sign counts too: -0 and 0 may be written differently. The value is compared, not the
    // bytes, as the layout of a long double differs between machines.
    if (!last.set || last.value != x || std::signbit(last.value) != std::signbit(x)) {
        last.text = SignificantText(s_, x);
        last.value = x;
        last.set = true;
    }
    return last.text;
}

// A group is composed whole and goes to the file in one piece.
void DxfWriter::Group(int code, std::string_view value) {
    char line[kCodeChars + 120];
    if (value.size() > sizeof line - kCodeChars) {
        Code(code);
        file_.Line(value);
        return;
    }
    CodeChars(line, code);
    std::memcpy(line + kCodeChars, value.data(), value.size());
    file_.Line(std::string_view(line, kCodeChars + value.size()));
}

void DxfWriter::Num(int code, long double x) {
    char line[kCodeChars + kFixedNumberChars];
    CodeChars(line, code);
    const char* end = FixedNumberChars(line + kCodeChars, x, decimals_);
    if (!end) {
        file_.Refuse(NotANumberText());
        end = line + kCodeChars;
    }
    file_.Line(std::string_view(line, static_cast<std::size_t>(end - line)));
}

void DxfWriter::DxfHeader(long double xmin, long double ymin, long double xmax, long double ymax) {
    Group(0, "SECTION");
    Group(2, "HEADER");
    // The code page of the texts, so readers need not guess (plain ASCII fits either).
    Group(9, "$DWGCODEPAGE");
    Group(3, s_.CadTextMode == 1 ? "dos850" : "ANSI_1252");
    const char* names[4] = {"$EXTMIN", "$EXTMAX", "$LIMMIN", "$LIMMAX"};
    for (int i = 0; i < 4; ++i) {
        Group(9, names[i]);
        Num(10, i % 2 == 0 ? xmin : xmax);
        Num(20, i % 2 == 0 ? ymin : ymax);
    }
    Group(9, "$LTSCALE");
    Group(40, "15");
    Group(0, "ENDSEC");
}

void DxfWriter::Layer() {
    Group(8, cad_.LayerName);
    // Line types of the table: a dotted line is drawn dashed.
    if (cad_.LineStyle != 0) Group(6, cad_.LineStyle == 2 ? "DASHDOT" : "DASHED");
}

void DxfWriter::LtypeEntry(const char* name, const char* description, const char* count,
                           const char* length, std::initializer_list<const char*> elements) {
    Group(0, "LTYPE");
    Group(2, name);
    Group(70, "64");
    Group(3, description);
    Group(72, "65");
    Group(73, count);
    Group(40, length);
    for (const char* e : elements)
        Group(49, e);
}

void DxfWriter::LayerEntry(std::string_view name, int colour, const char* ltype) {
    Group(0, "LAYER");
    Group(2, name);
    Group(70, "0");
    Group(62, std::to_string(s_.LayerMonochrome ? 1 : (colour & 0xFF)));
    Group(6, ltype);
}

void DxfWriter::DxfTables(int variant) {
    Group(0, "SECTION");
    Group(2, "TABLES");
    Group(0, "TABLE");
    Group(2, "LTYPE");
    Group(70, variant == 0 ? "6" : variant == 1 ? "17" : "23");
    LtypeEntry("CONTINUOUS", "Ausgezogene Linie", "0", "0.0", {});
    LtypeEntry("DASHDOT", "--. --. --.-", "4", "1.0", {"0.5", "-0.25", "0.0", "-0.25"});
    LtypeEntry("DASHED", "- - - - - - ", "2", "0.375", {"0.25", "-0.125"});
    Group(0, "ENDTAB");

    Group(0, "TABLE");
    Group(2, "LAYER");
    Group(70, "24");
    if (variant == 1) {
        for (int i = 0; i < 16; ++i)
            LayerEntry(std::to_string(i), i + 1, "CONTINUOUS");
    } else {
        static constexpr const char* kTypes[5] = {"DASHDOT", "DASHED", "CONTINUOUS", "CONTINUOUS",
                                                  "CONTINUOUS"};
        LayerEntry("0", 1, "CONTINUOUS");
        for (int i = 0; i < 5; ++i)
            LayerEntry(s_.LayerNames[i], s_.LayerColors[i], kTypes[i]);
        if (variant == 2)
            for (int i = 16; i < 32; ++i)
                LayerEntry(std::to_string(i), s_.LayerColors16to31[i - 16], "CONTINUOUS");
    }
    Group(0, "ENDTAB");

    Group(0, "TABLE");
    Group(2, "STYLE");
    Group(70, "1");
    Group(0, "STYLE");
    Group(2, "STANDARD");
    Group(70, "0");
    Group(40, "0.0");
    Group(41, "1.0");
    Group(50, "0.0");
    Group(71, "0");
    Group(42, "3.5");
    Group(3, UpperAscii(s_.CadFontName));
    Group(4, "");
    file_.Line("0"); // this table's end marker has always been written unpadded
    file_.Line("ENDTAB");
    Group(0, "ENDSEC");
}

void DxfWriter::DxfBlocksBegin() {
    Group(0, "SECTION");
    Group(2, "BLOCKS");
}

void DxfWriter::DxfBlock(std::string_view name) {
    Group(0, "BLOCK");
    Group(8, cad_.LayerName);
    Group(2, name);
    Group(70, "0");
    Group(10, "0.0");
    Group(20, "0.0");
}

void DxfWriter::DxfEndBlock() {
    Group(0, "ENDBLK");
}

void DxfWriter::DxfEntitiesBegin() {
    Group(0, "SECTION");
    Group(2, "ENTITIES");
}

void DxfWriter::DxfEndSection() {
    Group(0, "ENDSEC");
}
void DxfWriter::DxfEof() {
    Group(0, "EOF");
}

void DxfWriter::DxfLine(long double x1, long double y1, long double x2, long double y2) {
    Group(0, "LINE");
    Layer();
    Num(10, x1);
    Num(20, y1);
    Num(11, x2);
    Num(21, y2);
}

void DxfWriter::DxfCircle(long double x, long double y, long double r) {
    Group(0, "CIRCLE");
    Layer();
    Num(10, x);
    Num(20, y);
    Num(40, r);
}

void DxfWriter::DxfArc(long double x, long double y, long double a1, long double a2,
                       long double r) {
    if (ArcIsCircle(a1, a2)) {
        DxfCircle(x, y, r);
        return;
    }
    Group(0, "ARC");
    Layer();
    Num(10, x);
    Num(20, y);
    Num(40, r);
    Num(50, a1);
    Num(51, a2);
}

void DxfWriter::DxfText(const std::string& text, long double x, long double y) {
    Group(0, "TEXT");
    Layer();
    Num(10, x);
    Num(20, y);
    Num(40, cad_.TextHeight);
    Group(1, CadTextConvert(s_, text));
    Group(7, "STANDARD");
    Group(41, Significant(0, cad_.TextWidthFactor));
    Group(50, Significant(1, cad_.TextRotation));
    Group(51, Significant(2, cad_.TextOblique));
}

void DxfWriter::DxfSolid(long double x1, long double y1, long double x2, long double y2,
                         long double x3, long double y3, long double x4, long double y4) {
    Group(0, "SOLID");
    Layer();
    Num(10, x1);
    Num(20, y1);
    Num(11, x2);
    Num(21, y2);
    Num(12, x3);
    Num(22, y3);
    Num(13, x4);
    Num(23, y4);
}

void DxfWriter::DxfInsert(std::string_view name, long double x, long double y, long double rotation,
                          long double sx, long double sy) {
    Group(0, "INSERT");
    Layer();
    Group(2, name);
    Num(10, x);
    Num(20, y);
    Num(41, sx);
    Num(42, sy);
    Num(50, rotation);
}

void DxfWriter::DxfPolyline(int flag) {
    Group(0, "POLYLINE");
    Layer();
    Group(66, "1");
    if (flag != 0) Group(70, std::to_string(flag));
}

void DxfWriter::DxfVertex(long double x, long double y, long double phi) {
    Group(0, "VERTEX");
    Layer();
    Num(10, x);
    Num(20, y);
    if (phi != 0) Num(42, std::tan(phi / 4));
}

void DxfWriter::DxfSeqEnd() {
    Group(0, "SEQEND");
    Layer();
}

} // namespace vak1
