// Result table: frame lines on layer 17, texts on layer 18.
#include "cad/cadtable.h"

#include "cad/cad.h"

namespace vak1 {
namespace {

void WriteRowTexts(const CadContext& cx, TCadTable& t) {
    CadSetLayer(cx, 18);
    for (int c = 0; c <= t.used - 2; ++c)
        CadText(cx, " " + t.cells[static_cast<std::size_t>(c)], t.x[static_cast<std::size_t>(c)],
                t.textBase);
    t.rowBottom -= t.pitch;
    t.textBase -= t.pitch;
}

long double Last(const TCadTable& t) {
    return t.x[static_cast<std::size_t>(t.used - 1)];
}

} // namespace

TCadTable CadTableCreate(const CadContext& cx, const std::string& title,
                         const std::array<std::string, 6>& titles,
                         const std::array<long double, 7>& widths, long double x, long double y,
                         long double h) {
    TCadTable t;
    t.h = h;
    t.pitch = 2 * h;
    t.x[0] = x;
    for (std::size_t i = 1; i <= 7; ++i)
        t.x[i] = t.x[i - 1] + 0.9L * h * widths[i - 1];
    t.used = 1;
    while (t.used < 8 &&
           t.x[static_cast<std::size_t>(t.used)] > t.x[static_cast<std::size_t>(t.used - 1)])
        ++t.used;
    t.top = y;
    t.rowBottom = y - 2 * h;
    t.textBase = y - 1.5L * h;
    t.cells[0] = title.substr(0, kCadCellLength);
    for (std::size_t i = 0; i < 6; ++i)
        t.cells[i + 1] = titles[i].substr(0, kCadCellLength);

    CadSetLayer(cx, 17);
    CadRectangle(cx, t.x[0], y, Last(t), y - 2 * h);
    CadLine(cx, t.x[0], y, t.x[0], y - 2 * h);
    CadLine(cx, Last(t), y, Last(t), y - 2 * h);
    CadTextStyle(cx, 2, 0.75L * h, h, 0);
    WriteRowTexts(cx, t);
    return t;
}

void CadTableRow(const CadContext& cx, TCadTable& t, const std::array<std::string, 7>& texts) {
    for (std::size_t i = 0; i < 7; ++i)
        t.cells[i] = texts[i].substr(0, kCadCellLength);
    CadSetLayer(cx, 17);
    if (t.rowLines) CadLine(cx, t.x[0], t.rowBottom, Last(t), t.rowBottom);
    if (t.outerLines) {
        CadLine(cx, t.x[0], t.rowBottom, t.x[0], t.rowBottom + t.pitch);
        CadLine(cx, Last(t), t.rowBottom, Last(t), t.rowBottom + t.pitch);
    }
    WriteRowTexts(cx, t);
}

} // namespace vak1
