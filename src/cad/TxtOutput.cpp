// Text listing: keyword, then the numbers with D decimals and the configured separator.
#include "cad/TxtOutput.h"

#include "cad/CadContext.h"
#include "settings/Settings.h"
#include "cad/cadnumber.h"
#include "cad/dxf.h"

namespace vak1 {

TxtOutput::TxtOutput(const CadContext& cx)
    : CadOutput(cx), decimals_(CadDecimals(cx.Config)),
      separator_(UsesDecimalComma(cx.Config) ? ',' : '.') {}

bool TxtOutput::Open() {
    return file_.Create(cx_.Cad.FileName);
}

bool TxtOutput::Close() {
    file_.Line("EOF");
    return file_.Close();
}

void TxtOutput::Row(const char* keyword, std::initializer_list<long double> numbers) {
    std::string& b = file_.Buffer();
    b += keyword;
    for (long double x : numbers) {
        b += '\t';
        if (!AppendFixed(b, x, decimals_, separator_)) file_.Refuse(NotANumberText());
    }
    file_.EndLine();
}

void TxtOutput::Limits(long double xmin, long double ymin, long double xmax, long double ymax) {
    Row("MINMAX", {xmin, ymin, xmax, ymax});
}

void TxtOutput::BlockBegin(const std::string& name) {
    file_.Line("BLOCK\t" + name);
}

void TxtOutput::Line(long double x1, long double y1, long double x2, long double y2) {
    Row("LINE", {x1, y1, x2, y2});
}

void TxtOutput::Circle(long double x, long double y, long double r) {
    Row("CIRCLE", {x, y, r});
}

void TxtOutput::Arc(long double x, long double y, long double a1, long double a2, long double r) {
    if (ArcIsCircle(a1, a2))
        Row("CIRCLE", {x, y, r});
    else
        Row("ARC", {x, y, r, a1, a2});
}

void TxtOutput::Text(const std::string& text, long double x, long double y) {
    std::string& b = file_.Buffer();
    b += "TEXT";
    for (long double v : {x, y}) {
        b += '\t';
        if (!AppendFixed(b, v, decimals_, separator_)) file_.Refuse(NotANumberText());
    }
    b += '\t';
    b += CadTextConvert(cx_.Config, text);
    file_.EndLine();
}

void TxtOutput::Solid(long double x1, long double y1, long double x2, long double y2,
                      long double x3, long double y3, long double x4, long double y4) {
    Row("SOLID", {x1, y1, x2, y2, x3, y3, x4, y4});
}

void TxtOutput::Insert(const std::string& name, long double x, long double y, long double rotation,
                       long double sx, long double sy) {
    std::string& b = file_.Buffer();
    b += "INSERT\t";
    b += name;
    for (long double v : {x, y, rotation, sx, sy}) {
        b += '\t';
        if (!AppendFixed(b, v, decimals_, separator_)) file_.Refuse(NotANumberText());
    }
    file_.EndLine();
}

} // namespace vak1
