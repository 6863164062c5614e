// The font names the settings and drawings use, mapped to fonts a Linux desktop has.
#pragma once

namespace vak1 {

// Registers the substitutes with Qt once; later calls do nothing.
//   Arial, Helvetica, MS Sans Serif, Tahoma, Verdana -> Liberation Sans
//   Times New Roman, Times, MS Serif                  -> Liberation Serif
//   Courier New, Courier, Lucida Console, Fixedsys    -> Liberation Mono
//   Gulim, Batang, Malgun Gothic (Korean menus)       -> NanumGothic
// Each keeps the desktop's own fallbacks behind the substitute.
void InstallFontSubstitutions();

} // namespace vak1
