// The graphics window's display list and mapping state: one set for the main window, used by
// the drawing calls that append records and by the replay that paints them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/recordlist.h"

namespace vak1 {

// The help-picture interpreter's settings that last from one picture to the next.
struct HpglState {
    uint8_t Pen = 0;                   // pen 0 draws in the background colour
    long double CharWidth = 5;         // SI, centimetres
    long double CharHeight = 5;        // SI, centimetres
    long double Run = 1, Rise = 0;     // DI
    int CharacterSet = 1;              // CS
    unsigned long CharactersDrawn = 0; // labels' characters, for diagnosis
};

struct IntRect {
    int32_t x0 = 0, y0 = 0, x1 = 1, y1 = 1;
};

struct WorldRect {
    long double xmin = 0, ymin = 0, xmax = 1, ymax = 1;
};

struct GraphicsWindow {
    // One text record per drawing call, read once when added; painting replays them in order.
    RecordList DisplayList;

    // Reference size in pixels (settings "Auflösung horizontal/vertikal", else screen size).
    uint16_t GraphWidth = 640;
    uint16_t GraphHeight = 480;
    // A size given in the settings is kept; otherwise the size follows the window.
    bool FixedWidth = false, FixedHeight = false;

    IntRect ViewPort{0, 0, 1, 1};      // pixels, y downward
    WorldRect World{0, 0, 1, 1};       // the world window
    WorldRect SavedWorld{0, 0, 1, 1};  // SaveLimit / RestoreLimit
    IntRect SavedViewPort{0, 0, 1, 1}; // SaveViewPort / RetrieveViewPort
    IntRect ZoomRect{0, 0, 640, 480};  // viewport pixels, y upward from Y0
    WorldRect Visible{0, 0, 0, 0};     // the part of the world window on show
    long double sx = 1, sy = 1;        // pixels per world unit

    uint8_t KeepAspect = 1;
    long double AspectFactor = 1;
    bool PrintMode = false;

    int CurrentColor = -1;     // -1: none yet
    int CurrentLineStyle = 99; // 99: none yet
    int CurrentLineWidth = 1;

    bool DragActive = false;
    bool ResetArmed = false;
    int32_t DragX0 = 0, DragY0 = 0, DragX1 = 0, DragY1 = 0;

    long double ZoomFactor = 1.2L;
    long double PanFactor = 0.1L;

    // The drawing kind of the section view on show; 0 for any other picture or none.
    uint16_t SectionView = 0;

    // Set when the window should repaint (replay the list) and cleared by the front end.
    bool RepaintRequested = false;
    bool WaitCursor = false;

    HpglState Hpgl;
};

} // namespace vak1
