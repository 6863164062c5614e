// The colour map of a stress over the section as an RGB raster: the mesh filled with colours
// interpolated from its nodes, the outline, the neutral axis, the extremes marked and
// labelled, and a legend with its values. Drawn without fonts (digits and the few letters of
// the labels are built in), so that the unattended job needs no desktop libraries.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

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

// The image as the bytes of a PNG file.
std::string EncodePng(const StressImage& image);
// Writes the PNG through a temporary file beside path; false with the reason in error (code
// page 850).
bool WriteStressPng(const StressImage& image, const std::string& path, std::string& error);

} // namespace vak1
