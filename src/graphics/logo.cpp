// The logo: a square frame with a tail (a "Q") around an I-shaped cross-section.
#include "graphics/logo.h"

#include "graphics/draw.h"

namespace vak1 {
namespace {

struct Quad {
    int color;
    float p[8];
};

constexpr Quad kLogo[] = {
    // the frame, bottom, right, top, left
    {9, {2, 2, 30, 2, 27, 5, 5, 5}},
    {9, {30, 2, 30, 30, 27, 27, 27, 5}},
    {9, {30, 30, 2, 30, 5, 27, 27, 27}},
    {9, {2, 30, 2, 2, 5, 5, 5, 27}},
    // the section: top flange, web, bottom flange
    {12, {9, 21, 23, 21, 23, 24, 9, 24}},
    {12, {14.5f, 11, 17.5f, 11, 17.5f, 21, 14.5f, 21}},
    {12, {9, 8, 23, 8, 23, 11, 9, 11}},
    // the tail of the "Q" across the frame's corner
    {9, {23, 7, 26, 9, 37, -1, 34, -1}},
    // its centroid
    {14, {15, 15, 17, 15, 17, 17, 15, 17}},
};

} // namespace

void DrawQuorvenLogo(GraphicsWindow& g, uint8_t& abortFlag) {
    Clear(g);
    if (!Header(g, abortFlag, -1, -1, 38, 33)) return;
    SetLineStyle(g, 0);
    SetColor(g, 9);
    for (const Quad& q : kLogo) {
        SetColor(g, q.color);
        Solid(g, q.p[0], q.p[1], q.p[2], q.p[3], q.p[4], q.p[5], q.p[6], q.p[7]);
    }
    ClearViewPort(g);
}

} // namespace vak1
