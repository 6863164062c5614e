// The HP-GL subset of the help pictures: pen moves and lines, circles and arcs, labels and
// encoded polylines. Every other instruction is read over up to its ";".
#include "graphics/hpgl.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/angles.h"
#include "dialogs/dialogs.h"
#include "graphics/draw.h"
#include "platform/Ui.h"
#include "text/cp850.h"
#include "text/parse.h"

namespace vak1 {
namespace {

constexpr char kEndOfText = 3;
// A label keeps its first 254 characters: a text of 255 would turn empty on display.
constexpr std::size_t kMaxLabel = 254;

enum class Ends { Comma, Command, File };

// One parameter: the characters up to "," or ";", and what ended it.
struct Param {
    std::string run;
    Ends end = Ends::Comma;
    bool EndsCommand() const { return end != Ends::Comma; }
    long double Real() const { return run.empty() ? 0 : ParseNumber(run).value; }
    long Integer() const { return run.empty() ? 0 : ParseInteger(run).value; }
};

class Interpreter {
  public:
    Interpreter(GraphicsWindow& g, HpglState& st, std::string_view text, bool plain)
        : g_(g), st_(st), t_(text), plain_(plain) {}

    void Run() {
        for (;;) {
            int c = Significant();
            while (c == ';') // empty instructions
                c = Significant();
            if (c < 0) return;
            const int c2 = Significant();
            if (c2 < 0) return;
            Execute(Upper(c), Upper(c2));
            if (AtEnd()) return;
        }
    }

  private:
    static int Upper(int c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }
    bool AtEnd() const { return pos_ >= t_.size(); }
    int Raw() { return AtEnd() ? -1 : static_cast<unsigned char>(t_[pos_++]); }
    // The next character that is not a line end or a blank; -1 at the end of the text.
    int Significant() {
        for (int c = Raw(); c >= 0; c = Raw())
            if (c != '\r' && c != '\n' && c != ' ') return c;
        return -1;
    }
    Param Read(bool skipLetters) {
        Param p;
        for (int c = Significant();; c = Significant()) {
            if (c < 0) {
                p.end = Ends::File;
                return p;
            }
            if (c == ',') return p;
            if (c == ';') {
                p.end = Ends::Command;
                return p;
            }
            if (skipLetters && (c == 'P' || c == 'A' || c == 'p' || c == 'a')) continue;
            p.run += static_cast<char>(c);
        }
    }
    void SkipRest(const Param& last) {
        if (last.EndsCommand()) return;
        for (int c = Raw(); c >= 0 && c != ';'; c = Raw()) {
        }
    }
    void Pen() { SetColor(g_, PenColor(st_.Pen)); }
    void Execute(int a, int b) {
        switch (a << 8 | b) {
        case 'P' << 8 | 'U':
            down_ = false, Pairs();
            break;
        case 'P' << 8 | 'D':
            down_ = true, Pairs();
            break;
        case 'P' << 8 | 'A':
            Pairs();
            break;
        case 'S' << 8 | 'P':
            SelectPen();
            break;
        case 'C' << 8 | 'I':
            CircleAround();
            break;
        case 'A' << 8 | 'A':
            ArcAbsolute();
            break;
        case 'S' << 8 | 'I':
            CharacterSize();
            break;
        case 'D' << 8 | 'I':
            Direction();
            break;
        case 'L' << 8 | 'B':
            Label();
            break;
        case 'C' << 8 | 'S': {
            const Param p = Read(true);
            st_.CharacterSet = static_cast<int>(p.Integer());
            SkipRest(p);
            break;
        }
        case 'P' << 8 | 'E':
            PolylineEncoded();
            break;
        default:
            SkipRest(Param{});
        }
    }

    void MoveOrDraw(long double x, long double y, bool draw) {
        if (draw) {
            Pen();
            line(g_, x_, y_, x, y);
        }
        x_ = x;
        y_ = y;
    }
    // Absolute pairs until one ends the instruction; a pair cut off by the end of the file is
    // not used.
    void Pairs() {
        for (;;) {
            const Param px = Read(true);
            if (px.EndsCommand()) return;
            const Param py = Read(true);
            if (py.end == Ends::File) return;
            MoveOrDraw(px.Real() * kPlotterUnit, py.Real() * kPlotterUnit, down_);
            if (py.EndsCommand()) return;
        }
    }
    void SelectPen() {
        const Param p = Read(false);
        st_.Pen = static_cast<uint8_t>(p.run.empty() ? 1 : p.Integer());
        SkipRest(p);
    }
    void CircleAround() {
        const Param r = Read(true);
        if (r.end == Ends::File) return;
        Pen();
        circle(g_, x_, y_, r.Real() * kPlotterUnit);
        SkipRest(r);
    }
    void ArcAbsolute() {
        const Param px = Read(true);
        if (px.EndsCommand()) return;
        const Param py = Read(true);
        if (py.EndsCommand()) return;
        const Param ps = Read(false);
        if (ps.end == Ends::File) return;
        SkipRest(ps); // the chord tolerance
        const long double cx = px.Real() * kPlotterUnit, cy = py.Real() * kPlotterUnit;
        const long double sweep = ps.Real();
        const long double r = std::hypot(x_ - cx, y_ - cy);
        const long double start = std::atan2(y_ - cy, x_ - cx) * kDegPerRad;
        const long double end = start + sweep;
        const bool fullTurn = sweep != 0 && std::fmod(sweep, 360.0L) == 0;
        if (down_ && sweep != 0) {
            Pen();
            if (fullTurn)
                circle(g_, cx, cy, r);
            else if (sweep > 0)
                Arc(g_, cx, cy, start, end, r);
            else
                Arc(g_, cx, cy, end, start, r);
        }
        if (!fullTurn) {
            x_ = cx + r * std::cos(end * kRadPerDeg);
            y_ = cy + r * std::sin(end * kRadPerDeg);
        }
    }
    // Two reals a and b; "XX;" without any number gives the start values da, db.
    void TwoReals(long double& a, long double& b, long double da, long double db) {
        const Param pa = Read(false);
        if (pa.end == Ends::File) return;
        if (pa.EndsCommand() && pa.run.empty()) {
            a = da;
            b = db;
            return;
        }
        a = pa.Real();
        if (pa.EndsCommand()) return;
        const Param pb = Read(false);
        if (pb.end == Ends::File) return;
        b = pb.Real();
        SkipRest(pb);
    }
    void CharacterSize() { TwoReals(st_.CharWidth, st_.CharHeight, 5, 5); }
    void Direction() { TwoReals(st_.Run, st_.Rise, 1, 0); }

    static char Umlaut(char c) {
        switch (c) {
        case 'A':
            return static_cast<char>(142);
        case 'O':
            return static_cast<char>(153);
        case 'U':
            return static_cast<char>(154);
        case 'a':
            return static_cast<char>(132);
        case 'o':
            return static_cast<char>(148);
        case 'u':
            return static_cast<char>(129);
        default:
            return 0;
        }
    }
    void Label() {
        std::string text;
        for (int c = Raw();; c = Raw()) {
            if (c < 0) return; // cut off: nothing drawn
            if (c == kEndOfText) break;
            if (c == '\r' || c == '\n' || text.size() >= kMaxLabel) continue;
            if (c == '}' && st_.CharacterSet == 3) {
                if (!text.empty() && Umlaut(text.back())) text.back() = Umlaut(text.back());
                continue;
            }
            text += static_cast<char>(c);
        }
        st_.CharactersDrawn += text.size();
        Pen();
        SetTextStyle(g_, 2, std::atan2(st_.Rise, st_.Run) * kDegPerRad, st_.CharHeight * 10,
                     st_.CharWidth * 10);
        OutTextXY(g_, x_, y_, OemToAnsiText(text, plain_));
    }

    // One encoded number: base 32 (seven bits) or 64 (eight bits), lowest digit first, ended
    // by a digit of the terminating range. False when the instruction ended before.
    bool Decode(bool seven, uint64_t& value) {
        const int bits = seven ? 5 : 6;
        const int lastLow = seven ? 95 : 191, lastHigh = seven ? 126 : 254;
        const int high = seven ? 94 : 126;
        value = 0;
        for (int shift = 0;;) {
            const int c = Significant();
            if (c < 0 || c == ';') return false;
            const bool last = c >= lastLow && c <= lastHigh;
            if (!last && (c < 63 || c > high)) continue;
            const uint64_t digit = static_cast<uint64_t>(c - (last ? lastLow : 63));
            if (shift < 58) value |= digit << shift; // longer numbers keep their low digits
            shift += bits;
            if (last) return true;
        }
    }
    static long long Signed(uint64_t v) {
        const auto magnitude = static_cast<long long>(v >> 1);
        return v & 1 ? -magnitude : magnitude;
    }
    void PolylineEncoded() {
        bool seven = false, penUp = false, absolute = false;
        for (;;) {
            const int c = Significant();
            if (c < 0 || c == ';') return;
            uint64_t v = 0;
            if (c == '7') {
                seven = true;
            } else if (c == ':') {
                if (!Decode(seven, v)) return;
                st_.Pen = static_cast<uint8_t>(std::clamp(Signed(v), 1LL, 15LL));
            } else if (c == '<') {
                penUp = true;
            } else if (c == '=') {
                absolute = true;
            } else if (c == '>') {
                const int f = Significant();
                if (f < 0 || f == ';') return;
            } else if (c >= 63 && c <= 254) {
                --pos_;
                uint64_t vy = 0;
                if (!Decode(seven, v) || !Decode(seven, vy)) return;
                long double x = Signed(v) * kPlotterUnit, y = Signed(vy) * kPlotterUnit;
                if (!absolute) x += x_, y += y_;
                MoveOrDraw(x, y, !penUp);
                penUp = absolute = false;
            }
        }
    }

    GraphicsWindow& g_;
    HpglState& st_;
    std::string_view t_;
    bool plain_;
    std::size_t pos_ = 0;
    long double x_ = -999, y_ = -999;
    bool down_ = false;
};

} // namespace

int PenColor(int pen) {
    static constexpr int kColors[] = {12, 14, 10, 11, 9, 13, 15};
    return pen >= 1 && pen <= 7 ? kColors[pen - 1] : pen;
}

void DrawHpgl(GraphicsWindow& g, HpglState& st, std::string_view text, bool plainCharacters) {
    Interpreter(g, st, text, plainCharacters).Run();
}

bool ShowPicture(GraphicsWindow& g, HpglState& st, const DialogContext& d,
                 const std::string& path) {
    std::error_code ec;
    std::ifstream in(path, std::ios::binary);
    std::string text;
    const bool readable = std::filesystem::is_regular_file(path, ec) && in.is_open();
    if (readable) text.assign(std::istreambuf_iterator<char>(in), {});
    if (!readable || in.bad()) {
        std::string shown = path;
        std::erase(shown, ' ');
        ShowError(d, shown + " nicht gefunden !");
        d.AbortFlag = 1;
        return false;
    }
    d.ui.SetWaitCursor(true);
    DrawHpgl(g, st, text, d.style.PlainCharacters == UnitCharacters::Plain);
    d.ui.SetWaitCursor(false);
    d.AbortFlag = 0;
    return true;
}

bool ShowHelpPicture(GraphicsWindow& g, HpglState& st, const DialogContext& d,
                     const std::string& path) {
    Clear(g);
    bool ok = Header(g, d.AbortFlag, 0, 0, 160, 120);
    if (ok && !path.empty()) ok = ShowPicture(g, st, d, path);
    ClearViewPort(g);
    return ok;
}

} // namespace vak1
