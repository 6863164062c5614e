#include "text/installation.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <unistd.h>

#include "text/program.h"
#include "text/textfile.h"

namespace vak1 {
namespace {

namespace fs = std::filesystem;

std::string Normal(const fs::path& p) {
    return FolderPath(p.lexically_normal().string());
}

// The data folder's name below share/.
std::string DataName() {
    return std::string("share/") + kExtension + "/";
}

} // namespace

std::string ProgramFolder() {
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return {};
    const std::string path(buf, static_cast<std::size_t>(n));
    return path.substr(0, path.find_last_of('/') + 1);
}

std::string DataFolderOf(const std::string& programFolder) {
    if (programFolder.empty()) return {};
    for (const std::string& candidate :
         {programFolder + "../" + DataName(), programFolder + DataName()}) {
        const std::string folder = Normal(candidate);
        if (FileExists(folder + kExtension + ".hlp")) return folder;
    }
    return {};
}

std::string InstalledDataFolder() {
    return DataFolderOf(ProgramFolder());
}

std::string DesktopModuleOf(const std::string& programFolder, const std::string& module) {
    const std::string beside = programFolder + module;
    if (FileExists(beside)) return beside;
    return Normal(programFolder + "../lib/" + kExtension + "/") + module;
}

bool InsideInstalledData(const std::string& path) {
    const std::string data = InstalledDataFolder();
    if (data.empty() || path.empty()) return false;
    std::error_code ec;
    const fs::path root = fs::canonical(data, ec);
    if (ec) return false;
    const fs::path folder = fs::weakly_canonical(fs::absolute(path, ec).parent_path(), ec);
    if (ec) return false;
    return std::mismatch(root.begin(), root.end(), folder.begin(), folder.end()).first ==
           root.end();
}

} // namespace vak1
