// The form sheet (drawing kind 5): the frame block, the section scaled into a diagram area,
// hatched or as a closed polyline, the principal axes and the result table.
#pragma once

namespace vak1 {

struct CadContext;
struct Documentation;
struct ProjectData;

// The block "FRAME_1" with the frame and title block; inside the blocks section.
void DefineFormFrame(const CadContext& cx, const ProjectData& p, const Documentation& docu);
// The form sheet's entities, in sheet millimetres.
void DrawForm(const CadContext& cx, const ProjectData& p);

} // namespace vak1
