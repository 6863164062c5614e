// Program start by argument vector; the search path is read from the environment.
#include "platform/ProcessLauncher.h"

#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <map>
#include <mutex>
#include <spawn.h>
#include <thread>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vak1 {

// The exit status of the children, shared with the threads that wait for them: a thread that
// outlives the launcher still has a place to put the status.
struct ProcessLauncher::Children {
    static constexpr int kRunning = -2;
    std::mutex mutex;
    std::condition_variable ended;
    std::map<pid_t, int> status; // kRunning, the exit status, or -1
};

namespace {

bool IsExecutable(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

} // namespace

ProcessLauncher::ProcessLauncher() : children_(std::make_shared<Children>()) {}

// The waiting threads are detached: a program that ends need not wait for its children.
ProcessLauncher::~ProcessLauncher() = default;

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
    {
        std::lock_guard lock(children_->mutex);
        // Only the last child's status can still be asked for.
        std::erase_if(children_->status,
                      [](const auto& entry) { return entry.second != Children::kRunning; });
        children_->status[pid] = Children::kRunning;
    }
    last_ = pid;
    std::thread([children = children_, pid] {
        int status = 0;
        pid_t waited;
        do
            waited = ::waitpid(pid, &status, 0);
        while (waited < 0 && errno == EINTR);
        std::lock_guard lock(children->mutex);
        children->status[pid] = waited == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        children->ended.notify_all();
    }).detach();
    return true;
}

bool ProcessLauncher::Open(const std::string& fileOrAddress) {
    return Start("xdg-open", {fileOrAddress});
}

int ProcessLauncher::Wait(pid_t pid) {
    std::unique_lock lock(children_->mutex);
    auto& status = children_->status;
    if (status.find(pid) == status.end()) return -1;
    children_->ended.wait(lock, [&] { return status[pid] != Children::kRunning; });
    const int result = status[pid];
    status.erase(pid);
    return result;
}

} // namespace vak1
