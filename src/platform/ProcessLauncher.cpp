// Program start by argument vector; the search path is read from the environment.
#include "platform/ProcessLauncher.h"

#include <algorithm>
#include <cstdlib>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vak1 {
namespace {

bool IsExecutable(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

} // namespace

ProcessLauncher::~ProcessLauncher() {
    Reap();
}

bool ProcessLauncher::Exists(const std::string& program) const {
    if (program.empty()) return false;
    if (program.find('/') != std::string::npos) return IsExecutable(program);
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= dirs.size()) {
        std::size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string dir = dirs.substr(start, end - start);
        if (dir.empty()) dir = ".";
        if (IsExecutable(dir + "/" + program)) return true;
        start = end + 1;
    }
    return false;
}

bool ProcessLauncher::Start(const std::string& program, const std::vector<std::string>& args) {
    Reap();
    std::vector<std::string> owned;
    owned.reserve(args.size() + 1);
    owned.push_back(program);
    owned.insert(owned.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : owned)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    children_.push_back(pid);
    last_ = pid;
    return true;
}

bool ProcessLauncher::Open(const std::string& fileOrAddress) {
    return Start("xdg-open", {fileOrAddress});
}

int ProcessLauncher::Wait(pid_t pid) {
    auto it = std::find(children_.begin(), children_.end(), pid);
    if (it == children_.end()) return -1;
    children_.erase(it);
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ProcessLauncher::Reap() {
    std::erase_if(children_, [](pid_t pid) {
        int status = 0;
        return ::waitpid(pid, &status, WNOHANG) != 0;
    });
}

} // namespace vak1
