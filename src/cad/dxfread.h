// Replays a temporary block file "$" + name + ".dx$" on the screen device: its entities are
// drawn through the insertion's offset, rotation and scale; insertions nest four deep.
#pragma once
#include <string>

#include "settings/Settings.h"

namespace vak1 {

struct CadContext;

constexpr int kMaxBlockDepth = 4;
// Insertions one drawing reads at most: within the depth limit a block that inserts itself
// n times still fans out to n^4 insertions.
constexpr long kMaxBlockInsertions = 10000;

// Draws block name inserted at (x, y) with rotation (degrees) and scales, composed with the
// insertion being read. A missing file: "Invalid temp directory" and AbortFlag. A fifth
// nested level: "error blockno." and the depth in the message list; that insertion is
// skipped and reading goes on. Beyond kMaxBlockInsertions insertions in one drawing every
// further insertion is skipped with the same message (its depth). A format error of the
// block file (see cad/dxfgroups.h): "Error in DXF File"; the rest of that file is skipped.
void ReadBlock(const CadContext& cx, const std::string& name, long double x, long double y,
               long double rotation, long double sx, long double sy);

// Layer number of a layer name: "0", a configured name of layers 1..5, else its decimal
// value (0 when it is none).
int DxfLayerNumber(const Settings& s, const std::string& name);

} // namespace vak1
