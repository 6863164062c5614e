// Replay of the display list: parses each record and draws it with the window's mapping.
#include "graphics/replay.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>
#include <utility>

#include "calc/angles.h"
#include "graphics/draw.h"
#include "graphics/palette.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

constexpr int kMaxFields = 8;

struct Fields {
    std::array<long double, kMaxFields> v{};
    int count = 0;
    std::string_view rest; // what follows the first two fields (the text of code 6)
};

long double Number(std::string_view t) {
    long double x = 0;
    std::from_chars(t.data(), t.data() + t.size(), x);
    return x;
}

// Splits "code;f1;f2;..." after the code; reads up to max numeric fields.
// A record's code and the fields after its first ";".
struct Record {
    int code = 0;
    std::string_view body;
};

Record SplitRecord(std::string_view r) {
    const std::size_t semi = r.find(';');
    Record out;
    std::from_chars(r.data(), r.data() + (semi == std::string_view::npos ? r.size() : semi),
                    out.code);
    if (semi != std::string_view::npos) out.body = r.substr(semi + 1);
    return out;
}

Fields Parse(std::string_view body, int max) {
    Fields f;
    while (f.count < max && !body.empty()) {
        const std::size_t semi = body.find(';');
        f.v[f.count++] = Number(body.substr(0, semi));
        if (f.count == 2) f.rest = semi == std::string_view::npos ? "" : body.substr(semi + 1);
        body = semi == std::string_view::npos ? std::string_view{} : body.substr(semi + 1);
    }
    return f;
}

PenStyle StyleOf(int n) {
    switch (n) {
    case 1:
        return PenStyle::Dot;
    case 2:
        return PenStyle::DashDot;
    case 3:
        return PenStyle::Dash;
    default:
        return PenStyle::Solid;
    }
}

class Player {
  public:
    Player(GraphicsWindow& g, const Settings& s, Canvas& screen, const PrintTarget* printer)
        : g_(g), s_(s), screen_(screen),
          printer_(g.PrintMode && printer && printer->canvas ? printer : nullptr) {
        heightFactor_ = s.TextHeightFactor < 0.1L ? 1 : s.TextHeightFactor;
        widthFactor_ = s.TextWidthFactor <= 0 ? 1 : s.TextWidthFactor;
    }

    bool Run(uint8_t& abortFlag);

  private:
    void ApplyColor(int n);
    void UpdatePens();
    void Draw(int code, const Fields& f);
    void DrawText(const Fields& f);
    CanvasPoint P(long double x, long double y) const { return WorldToPixel(g_, x, y); }
    CanvasPoint Q(long double x, long double y) const {
        return WorldToPrinter(g_, printer_->page, x, y);
    }
    template <typename Fn> void Both(Fn fn) {
        fn(screen_, false);
        if (printer_) fn(*printer_->canvas, true);
    }

    GraphicsWindow& g_;
    const Settings& s_;
    Canvas& screen_;
    const PrintTarget* printer_;
    long double heightFactor_ = 1, widthFactor_ = 1;
    long double textH_ = 3.5, textW_ = 3.5, textAngle_ = 0;
    int colorNumber_ = 1;
    CanvasColor screenColor_{}, printColor_{};
    int style_ = 0, width_ = 1;
    long double curX_ = 0, curY_ = 0;
};

void Player::UpdatePens() {
    screen_.SetPen(screenColor_, width_, StyleOf(style_), PenMode::Copy);
    if (printer_)
        printer_->canvas->SetPen(printColor_, PrinterPenWidth(printer_->page, width_),
                                 StyleOf(style_), PenMode::Copy);
}

void Player::ApplyColor(int n) {
    if (n == 0) {
        screenColor_ = printColor_ = PaletteColor(s_.BackgroundColor);
        // Erasing on paper in monochrome leaves the paper white, not the screen's colour.
        if (s_.PrintColorMode != 2) printColor_ = CanvasColor{255, 255, 255};
    } else if (n >= 1 && n <= kHighestColor) {
        screenColor_ = s_.ColorGraphics ? PaletteColor(n) : CanvasColor{};
        printColor_ = s_.PrintColorMode == 2 ? PaletteColor(n) : CanvasColor{};
    } else {
        return;
    }
    colorNumber_ = n;
    UpdatePens();
}

void Player::DrawText(const Fields& f) {
    const long double h = textH_;
    const long double a = textAngle_ * kRadPerDeg;
    long double x = f.v[0], y = f.v[1];
    if (textAngle_ != 0) {
        x -= std::sin(a) * 0.7L * h;
        y += std::cos(a) * 0.75L * h;
    } else {
        y += 0.75L * h;
    }
    const std::string text = Win1252ToUtf8(f.rest);
    const uint16_t style = s_.GraphFontStyle;
    const bool styled = style >= 1 && style <= 15;
    CanvasFont font;
    font.face = s_.GraphFontName;
    font.escapement = static_cast<int32_t>(std::llrint(textAngle_ * 10));
    CanvasColor color = PaletteColor(colorNumber_);
    if (colorNumber_ == 0) color = PaletteColor(s_.BackgroundColor);
    if (printer_) {
        font.height = PrinterTextHeight(g_, printer_->page, h);
        font.width = PrinterTextWidth(g_, printer_->page, textW_);
        font.weight = styled && (style & 1) ? 700 : 100;
        font.italic = styled && (style & 2);
        font.underline = styled && (style & 4);
        font.strikeOut = styled && (style & 8);
        if (s_.PrintColorMode != 2) color = colorNumber_ == 0 ? printColor_ : CanvasColor{};
        printer_->canvas->SetFont(font, color);
        printer_->canvas->Text(Q(x, y), text);
        return; // printed text goes to the paper only
    }
    font.height = LengthToPixelY(g_, h);
    font.width = LengthToPixelX(g_, textW_);
    font.weight = styled && (style & 1) ? 700 : 100;
    font.italic = style & 2;
    font.underline = style & 4;
    font.strikeOut = style & 8;
    if (!s_.ColorGraphics && colorNumber_ != 0) color = CanvasColor{};
    screen_.SetFont(font, color);
    screen_.Text(P(x, y), text);
}

void Player::Draw(int code, const Fields& f) {
    const auto& v = f.v;
    switch (code) {
    case kRecMove:
        curX_ = v[0];
        curY_ = v[1];
        break;
    case kRecLineTo:
        Both([&](Canvas& c, bool pr) {
            c.Line(pr ? Q(curX_, curY_) : P(curX_, curY_), pr ? Q(v[0], v[1]) : P(v[0], v[1]));
        });
        curX_ = v[0];
        curY_ = v[1];
        break;
    case kRecLine:
        Both([&](Canvas& c, bool pr) {
            c.Line(pr ? Q(v[0], v[1]) : P(v[0], v[1]), pr ? Q(v[2], v[3]) : P(v[2], v[3]));
        });
        break;
    case kRecCircle:
        Both([&](Canvas& c, bool pr) {
            auto m = [&](long double x, long double y) { return pr ? Q(x, y) : P(x, y); };
            c.SetBrush(pr ? printColor_ : screenColor_, false);
            c.Ellipse(m(v[0] - v[2], v[1] + v[2]), m(v[0] + v[2], v[1] - v[2]));
        });
        break;
    case kRecArc:
        Both([&](Canvas& c, bool pr) {
            auto m = [&](long double x, long double y) { return pr ? Q(x, y) : P(x, y); };
            c.SetBrush(pr ? printColor_ : screenColor_, false);
            c.Arc(m(v[0], v[3]), m(v[2], v[1]), m(v[4], v[5]), m(v[6], v[7]));
        });
        break;
    case kRecText:
        DrawText(f);
        break;
    case kRecSolid:
        Both([&](Canvas& c, bool pr) {
            auto m = [&](long double x, long double y) { return pr ? Q(x, y) : P(x, y); };
            const CanvasPoint pts[4] = {m(v[0], v[1]), m(v[2], v[3]), m(v[4], v[5]), m(v[6], v[7])};
            CanvasColor fill = pr ? printColor_ : screenColor_;
            if (!s_.ColorGraphics) fill = CanvasColor{};
            c.SetBrush(fill, true);
            c.Polygon(pts, 4);
        });
        break;
    case kRecColor:
        ApplyColor(static_cast<int>(v[0]));
        break;
    case kRecTextStyle:
        textH_ = v[0] * 1.6L * heightFactor_;
        textW_ = v[1] * 1.1L * widthFactor_;
        textAngle_ = v[3];
        break;
    case kRecLineStyle:
        style_ = static_cast<int>(v[0]);
        UpdatePens();
        break;
    case kRecLineWidth:
        width_ = static_cast<int>(v[0]);
        UpdatePens();
        break;
    case kRecSleep:
        if (!g_.PrintMode) screen_.Pause(static_cast<int32_t>(v[0]));
        break;
    default:
        break;
    }
}

bool Player::Run(uint8_t& abortFlag) {
    g_.WaitCursor = true;
    g_.CurrentLineStyle = 99;
    g_.CurrentLineWidth = 1;
    ApplyColor(1);
    if (printer_ && printer_->page.border) {
        const WorldRect w = g_.World;
        // A monochrome printout stays black and white, the frame included.
        const CanvasColor c =
            s_.ColorGraphics && s_.PrintColorMode == 2 ? PaletteColor(11) : CanvasColor{};
        printer_->canvas->SetPen(c, PrinterPenWidth(printer_->page, 1), PenStyle::Solid,
                                 PenMode::Copy);
        const CanvasPoint a = Q(w.xmin, w.ymin), b = Q(w.xmin, w.ymax), d = Q(w.xmax, w.ymax),
                          e = Q(w.xmax, w.ymin);
        printer_->canvas->Line(a, b);
        printer_->canvas->Line(b, d);
        printer_->canvas->Line(d, e);
        printer_->canvas->Line(e, a);
        UpdatePens();
    }
    std::size_t n = 0;
    for (const std::string& rec : g_.DisplayList) {
        if (++n % 50000 == 0) screen_.Pause(0);
        const auto [code, body] = SplitRecord(rec);
        if (code == kRecWindow) {
            const Fields f = Parse(body, 8);
            auto i = [&](int k) { return static_cast<int32_t>(f.v[k]); };
            g_.ViewPort = IntRect{i(0), i(1), i(2), i(3)};
            g_.World = WorldRect{f.v[4], f.v[5], f.v[6], f.v[7]};
            if (f.v[6] == f.v[4] || f.v[7] == f.v[5]) {
                abortFlag = 1;
                g_.WaitCursor = false;
                return false;
            }
            // Zoom and pan live in the zoom rectangle, so they survive every repaint.
            const IntRect z = g_.ZoomRect;
            SetScale(g_, z.x0, z.y0, z.x1, z.y1);
            continue;
        }
        Draw(code, Parse(body, code == kRecText ? 2 : kMaxFields));
    }
    g_.WaitCursor = false;
    return true;
}

// The world box around what the records draw.
struct Box {
    long double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
    bool empty = true;
    void Add(long double x, long double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        if (empty) {
            xmin = xmax = x;
            ymin = ymax = y;
            empty = false;
            return;
        }
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        ymin = std::min(ymin, y);
        ymax = std::max(ymax, y);
    }
};

// An arc counter-clockwise from start to end: its end points and the extreme points of its
// circle that it passes.
void AddArc(Box& b, const Fields& f) {
    const auto& v = f.v;
    const long double cx = (v[0] + v[2]) / 2, cy = (v[1] + v[3]) / 2, r = (v[2] - v[0]) / 2;
    b.Add(v[4], v[5]);
    b.Add(v[6], v[7]);
    constexpr long double kTurn = 2 * 3.14159265358979323846264338327950288L;
    const long double a0 = std::atan2(v[5] - cy, v[4] - cx);
    long double sweep = std::atan2(v[7] - cy, v[6] - cx) - a0;
    if (sweep <= 0) sweep += kTurn;
    for (int k = 0; k < 4; ++k) {
        const long double a = k * kTurn / 4;
        long double d = std::fmod(a - a0, kTurn);
        if (d < 0) d += kTurn;
        if (d <= sweep) b.Add(cx + r * std::cos(a), cy + r * std::sin(a));
    }
}

} // namespace

bool FitWindowToDrawing(GraphicsWindow& g, const Settings& s) {
    const long double heightFactor = s.TextHeightFactor < 0.1L ? 1 : s.TextHeightFactor;
    const long double widthFactor = s.TextWidthFactor <= 0 ? 1 : s.TextWidthFactor;
    long double textH = 3.5, textW = 3.5, angle = 0;
    std::string* window = nullptr;
    Box b;
    for (std::string& rec : g.DisplayList) {
        const auto [code, body] = SplitRecord(rec);
        if (code == kRecWindow) {
            if (window) return false; // a picture of several windows is laid out by its maker
            window = &rec;
            continue;
        }
        const Fields f = Parse(body, code == kRecText ? 2 : kMaxFields);
        const auto& v = f.v;
        switch (code) {
        case kRecMove:
        case kRecLineTo:
            b.Add(v[0], v[1]);
            break;
        case kRecLine:
            b.Add(v[0], v[1]);
            b.Add(v[2], v[3]);
            break;
        case kRecCircle:
            b.Add(v[0] - v[2], v[1] - v[2]);
            b.Add(v[0] + v[2], v[1] + v[2]);
            break;
        case kRecArc:
            AddArc(b, f);
            break;
        case kRecSolid:
            for (int k = 0; k < 8; k += 2)
                b.Add(v[k], v[k + 1]);
            break;
        case kRecTextStyle:
            textH = v[0] * 1.6L * heightFactor;
            textW = v[1] * 1.1L * widthFactor;
            angle = v[3] * kRadPerDeg;
            break;
        case kRecText: {
            // The text cell as the replay places it: from a quarter of the height below the
            // base point to three quarters above, one average width per character.
            const long double len = static_cast<long double>(f.rest.size()) * textW;
            const long double c = std::cos(angle), sn = std::sin(angle);
            for (const auto& [dx, dy] :
                 {std::pair{0.0L, -0.25L * textH}, std::pair{len, -0.25L * textH},
                  std::pair{len, 0.75L * textH}, std::pair{0.0L, 0.75L * textH}})
                b.Add(v[0] + c * dx - sn * dy, v[1] + sn * dx + c * dy);
            break;
        }
        default:
            break;
        }
    }
    if (!window || b.empty) return false;
    const Fields f = Parse(std::string_view(*window).substr(3), 8);
    WorldRect w{f.v[4], f.v[5], f.v[6], f.v[7]};
    if (w.xmax <= w.xmin || w.ymax <= w.ymin) return false;
    if (b.xmin >= w.xmin && b.xmax <= w.xmax && b.ymin >= w.ymin && b.ymax <= w.ymax) return false;
    // A small margin on the sides that had to grow, so nothing touches the edge.
    const long double mx = 0.02L * (std::max(b.xmax, w.xmax) - std::min(b.xmin, w.xmin));
    const long double my = 0.02L * (std::max(b.ymax, w.ymax) - std::min(b.ymin, w.ymin));
    if (b.xmin < w.xmin) w.xmin = b.xmin - mx;
    if (b.xmax > w.xmax) w.xmax = b.xmax + mx;
    if (b.ymin < w.ymin) w.ymin = b.ymin - my;
    if (b.ymax > w.ymax) w.ymax = b.ymax + my;
    std::string out = std::to_string(kRecWindow);
    for (int k = 0; k < 4; ++k)
        out += ";" + std::to_string(static_cast<int32_t>(f.v[k]));
    for (const long double x : {w.xmin, w.ymin, w.xmax, w.ymax}) {
        out += ';';
        AppendRecordNumber(out, x);
    }
    *window = std::move(out);
    g.World = g.SavedWorld = w;
    ResetZoom(g);
    return true;
}

bool Replay(GraphicsWindow& g, const Settings& s, Canvas& screen, uint8_t& abortFlag,
            const PrintTarget* printer) {
    Player player(g, s, screen, printer);
    return player.Run(abortFlag);
}

} // namespace vak1
