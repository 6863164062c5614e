// The change log of the drawing ("Änderungsprotokoll") through the output document.
#pragma once
#include <cstdint>
#include <string>

namespace vak1 {

struct OutputContext;
struct Documentation;

// The index of change n in the log: a number for style 1, "A", "B", ... for style 2 and
// "a", "b", ... for every other style.
std::string ChangeLogIndex(uint16_t style, int n);

// Output kind 1 shows the log in the output window without a page header; 0 lets the
// settings or the user choose.
void WriteChangeLog(const OutputContext& ctx, const Documentation& docu, uint16_t kind);

} // namespace vak1
