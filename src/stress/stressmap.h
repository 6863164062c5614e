// The colour map of a stress over the section as an RGB raster: the mesh filled with colours
// interpolated from its nodes, the outline, the neutral axis, the extremes marked and
// labelled, and a legend with its values. Drawn without fonts (digits and the few letters of
// the labels are built in), so that the unattended job needs no desktop libraries. The same
// picture also goes onto a canvas as shapes and texts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Printer.h"
#include "stress/stress.h"

namespace vak1 {

struct StressImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb; // rows top to bottom, three bytes a pixel
};

// The values of the kind at the mesh nodes.
const std::vector<double>& StressValues(const StressResults& r, StressKind kind);

// The colour of t in [0, 1]: blue over cyan, green and yellow to red.
void StressColour(double t, std::uint8_t rgb[3]);

// The picture at width x height pixels (at least the legend's room); results without a mesh
// give a white picture.
StressImage RenderStressMap(const StressResults& r, StressKind kind, const LoadUnits& units,
                            int width, int height);

// The same picture as shapes on a canvas of width x height device pixels: the triangles of the
// mesh filled in the colour of their mean value, lines, rings and texts, for vector files and
// the printer. Margins, pens and texts grow with the size beyond the screen picture's.
void DrawStressMap(const StressResults& r, StressKind kind, const LoadUnits& units, Canvas& canvas,
                   int width, int height);
// The picture on one landscape page of the printer, after its print dialog; false when that
// was cancelled or the job did not begin.
bool PrintStressMap(Printer& printer, const StressResults& r, StressKind kind,
                    const LoadUnits& units);

// The image as the bytes of a PNG file.
std::string EncodePng(const StressImage& image);
// Writes the PNG through a temporary file beside path; false with the reason in error (code
// page 850).
bool WriteStressPng(const StressImage& image, const std::string& path, std::string& error);

} // namespace vak1
