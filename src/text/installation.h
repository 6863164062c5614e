// What was installed with the program, found from the program's own file: an installation
// PREFIX/bin/vak1 has its data in PREFIX/share/vak1/ and its desktop module in
// PREFIX/lib/vak1/; a build tree keeps its data in share/vak1/ and the module beside the
// program (its test programs one folder below). No folder of the machine it was built on is
// compiled in, so a build tree and an installation may move.
#pragma once
#include <string>

namespace vak1 {

// The folder of the running program, ending with "/"; empty when the system does not say.
std::string ProgramFolder();
// The installation's data folder (help texts, message file, pictures, printout sets) of the
// program in programFolder, ending with "/"; empty when neither place holds the help texts.
std::string DataFolderOf(const std::string& programFolder);
// DataFolderOf(ProgramFolder()).
std::string InstalledDataFolder();
// The desktop module of the program in programFolder: beside it (a build tree), else in the
// installation's library folder.
std::string DesktopModuleOf(const std::string& programFolder, const std::string& module);
// True when path (a file, perhaps not yet there) lies inside the installation's data folder,
// which the program never changes: what the user changes goes to the user's folders.
bool InsideInstalledData(const std::string& path);

} // namespace vak1
