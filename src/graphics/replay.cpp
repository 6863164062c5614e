// Replay of the display list: draws each record's numbers with the window's mapping.
#include "graphics/replay.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

#include "model/angles.h"
#include "graphics/draw.h"
#include "graphics/palette.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

// Lines drawn in one call to the canvas at most.
constexpr std::size_t kLineBatch = 1024;

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
    void Draw(int code, const long double* v, std::string_view text);
    void DrawText(const long double* v, std::string_view text);
    void AddLine(long double x0, long double y0, long double x1, long double y1);
    // Draws the lines gathered so far; every other call to a canvas comes after it.
    void Flush();
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
    // Lines not yet drawn, as pairs of end points, on screen and on paper: runs of lines
    // between two changes of pen go to the canvas together.
    std::vector<CanvasPoint> screenLines_, printLines_;
};

// The part of the line x0,y0 - x1,y1 that lies within the drawable range of the device,
// appended to out as two end points; nothing when the line misses that range. Clipping, not
// clamping, keeps the direction of a line that leads far off.
template <typename Exact, typename Map>
void AddClipped(std::vector<CanvasPoint>& out, long double x0, long double y0, long double x1,
                long double y1, Exact exact, Map map) {
    const DevicePoint a = exact(x0, y0), b = exact(x1, y1);
    const long double from[2] = {a.x, a.y}, step[2] = {b.x - a.x, b.y - a.y};
    long double t0 = 0, t1 = 1;
    for (int k = 0; k < 2; ++k)
        for (long double side : {-1.0L, 1.0L}) {
            // side * (from + t step) <= limit
            const long double p = side * step[k], q = kCanvasLimit - side * from[k];
            if (p == 0) {
                if (q < 0) return;
            } else if (p < 0) {
                t0 = std::max(t0, q / p);
            } else {
                t1 = std::min(t1, q / p);
            }
        }
    if (t0 > t1) return;
    const long double dx = x1 - x0, dy = y1 - y0;
    out.push_back(ClampToCanvas(t0 > 0 ? map(x0 + t0 * dx, y0 + t0 * dy) : map(x0, y0)));
    out.push_back(ClampToCanvas(t1 < 1 ? map(x0 + t1 * dx, y0 + t1 * dy) : map(x1, y1)));
}

void Player::AddLine(long double x0, long double y0, long double x1, long double y1) {
    AddClipped(
        screenLines_, x0, y0, x1, y1,
        [this](long double x, long double y) { return WorldToPixelExact(g_, x, y); },
        [this](long double x, long double y) { return P(x, y); });
    if (printer_)
        AddClipped(
            printLines_, x0, y0, x1, y1,
            [this](long double x, long double y) {
                return WorldToPrinterExact(g_, printer_->page, x, y);
            },
            [this](long double x, long double y) { return Q(x, y); });
    if (screenLines_.size() >= 2 * kLineBatch || printLines_.size() >= 2 * kLineBatch) Flush();
}

void Player::Flush() {
    if (!screenLines_.empty())
        screen_.Lines(screenLines_.data(), static_cast<int>(screenLines_.size() / 2));
    if (!printLines_.empty())
        printer_->canvas->Lines(printLines_.data(), static_cast<int>(printLines_.size() / 2));
    screenLines_.clear();
    printLines_.clear();
}

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
        if (s_.PrintColorMode != PrintColors::Color) printColor_ = CanvasColor{255, 255, 255};
    } else if (n >= 1 && n <= kHighestColor) {
        screenColor_ = s_.ColorGraphics ? PaletteColor(n) : CanvasColor{};
        printColor_ = s_.PrintColorMode == PrintColors::Color ? PaletteColor(n) : CanvasColor{};
    } else {
        return;
    }
    colorNumber_ = n;
    UpdatePens();
}

void Player::DrawText(const long double* v, std::string_view text) {
    const long double h = textH_;
    const long double a = textAngle_ * kRadPerDeg;
    long double x = v[0], y = v[1];
    if (textAngle_ != 0) {
        x -= std::sin(a) * 0.7L * h;
        y += std::cos(a) * 0.75L * h;
    } else {
        y += 0.75L * h;
    }
    const std::string utf8 = Win1252ToUtf8(text);
    const uint16_t style = s_.GraphFontStyle;
    const bool styled = style >= 1 && style <= 15;
    CanvasFont font;
    font.face = s_.GraphFontName;
    font.escapement = RoundToInt32(textAngle_ * 10);
    CanvasColor color = PaletteColor(colorNumber_);
    if (colorNumber_ == 0) color = PaletteColor(s_.BackgroundColor);
    if (printer_) {
        font.height = PrinterTextHeight(g_, printer_->page, h);
        font.width = PrinterTextWidth(g_, printer_->page, textW_);
        font.weight = styled && (style & 1) ? 700 : 100;
        font.italic = styled && (style & 2);
        font.underline = styled && (style & 4);
        font.strikeOut = styled && (style & 8);
        if (s_.PrintColorMode != PrintColors::Color)
            color = colorNumber_ == 0 ? printColor_ : CanvasColor{};
        printer_->canvas->SetFont(font, color);
        printer_->canvas->Text(Q(x, y), utf8);
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
    screen_.Text(P(x, y), utf8);
}

void Player::Draw(int code, const long double* v, std::string_view text) {
    switch (code) {
    case kRecMove:
        curX_ = v[0];
        curY_ = v[1];
        return;
    case kRecLineTo:
        AddLine(curX_, curY_, v[0], v[1]);
        curX_ = v[0];
        curY_ = v[1];
        return;
    case kRecLine:
        AddLine(v[0], v[1], v[2], v[3]);
        return;
    case kRecTextStyle:
        textH_ = v[0] * 1.6L * heightFactor_;
        textW_ = v[1] * 1.1L * widthFactor_;
        textAngle_ = v[3];
        return;
    default:
        break;
    }
    Flush();
    switch (code) {
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
        DrawText(v, text);
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
        const CanvasColor c = s_.ColorGraphics && s_.PrintColorMode == PrintColors::Color
                                  ? PaletteColor(11)
                                  : CanvasColor{};
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
    const RecordList& list = g_.DisplayList;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if ((i + 1) % 50000 == 0) {
            Flush();
            screen_.Pause(0);
        }
        const ParsedRecord& r = list.Parsed(i);
        const long double* v = list.Numbers(r);
        if (r.code == kRecWindow) {
            auto n = [&](int k) { return static_cast<int32_t>(v[k]); };
            g_.ViewPort = IntRect{n(0), n(1), n(2), n(3)};
            g_.World = WorldRect{v[4], v[5], v[6], v[7]};
            if (v[6] == v[4] || v[7] == v[5]) {
                Flush();
                abortFlag = 1;
                g_.WaitCursor = false;
                return false;
            }
            // Zoom and pan live in the zoom rectangle, so they survive every repaint.
            const IntRect z = g_.ZoomRect;
            SetScale(g_, z.x0, z.y0, z.x1, z.y1);
            continue;
        }
        Draw(r.code, v, r.code == kRecText ? list.TextOf(i) : std::string_view{});
    }
    Flush();
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
void AddArc(Box& b, const long double* v) {
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
    const RecordList& list = g.DisplayList;
    std::size_t window = list.size();
    Box b;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const ParsedRecord& r = list.Parsed(i);
        const long double* v = list.Numbers(r);
        const int code = r.code;
        if (code == kRecWindow) {
            // A picture of several windows is laid out by its maker.
            if (window != list.size()) return false;
            window = i;
            continue;
        }
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
            AddArc(b, v);
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
            const long double len = static_cast<long double>(list.TextOf(i).size()) * textW;
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
    if (window == list.size() || b.empty) return false;
    const long double* f = list.Numbers(list.Parsed(window));
    WorldRect w{f[4], f[5], f[6], f[7]};
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
        out += ";" + std::to_string(static_cast<int32_t>(f[k]));
    for (const long double x : {w.xmin, w.ymin, w.xmax, w.ymax}) {
        out += ';';
        AppendRecordNumber(out, x);
    }
    g.DisplayList.Replace(window, std::move(out));
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
