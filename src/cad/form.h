// The form sheet (drawing kind 5): the frame block, the section scaled into a diagram area,
// hatched or as a closed polyline, the principal axes and the result table.
#pragma once

namespace vak1 {

struct App;

// The block "FRAME_1" with the frame and title block; inside the blocks section.
void DefineFormFrame(App& app);
// The form sheet's entities, in sheet millimetres.
void DrawForm(App& app);

} // namespace vak1
