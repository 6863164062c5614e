// Test support for file tests: a fresh temporary folder per test, whole-file reads and
// writes, an App wired to the scripted Ui and a fixed clock, and a file size limit that
// makes writes fail half-way.
#pragma once
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>

#include "app/App.h"
#include "testing/FixedClock.h"
#include "testing/ScriptedUi.h"

namespace vak1::test {

// A folder of its own under the temporary folder (TMPDIR), made by mkdtemp and removed with
// everything in it at the end, so tests of several users or runs never meet. label names it
// for a look at the files ("/" of a parameterised test's name becomes "_");
// VAK1_KEEP_TEST_FILES=1 keeps it.
class TempFolder {
  public:
    explicit TempFolder(std::string label = "vak1") {
        label.resize(std::min<std::size_t>(label.size(), 100)); // a name stays below NAME_MAX
        for (char& c : label)
            if (c == '/') c = '_';
        std::string pattern =
            (std::filesystem::temp_directory_path() / (label + "-XXXXXX")).string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed: " + pattern);
        path_ = pattern + "/";
    }
    ~TempFolder() {
        if (std::getenv("VAK1_KEEP_TEST_FILES")) return;
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; } // ends with "/"
    // The folder without the closing "/".
    std::filesystem::path dir() const { return path_.substr(0, path_.size() - 1); }
    std::string operator/(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary);
    out << data;
}

// Joins lines with CR LF, a line end after the last one too.
inline std::string CrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

// Splits at CR LF; false when a line ends in a bare LF.
inline std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

struct TestApp {
    App app;
    ScriptedUi ui;
    FixedClock clock;
    TempFolder folder;

    TestApp() {
        app.Env.ui = &ui;
        app.Env.clock = &clock;
        app.State.StartDir = folder.path();
        app.State.ProjectDir = folder.path();
    }
    std::string path(const std::string& name) const { return folder / name; }
    int Errors() const {
        int n = 0;
        for (const auto& r : ui.shown)
            if (r.kind == "message" && r.messageKind == MessageKind::Error) ++n;
        return n;
    }
    std::string LastError() const {
        for (auto it = ui.shown.rbegin(); it != ui.shown.rend(); ++it)
            if (it->kind == "message" && it->messageKind == MessageKind::Error) return it->prompt;
        return {};
    }
};

// Sets an environment variable for the life of the guard (unset with nullptr).
class EnvGuard {
  public:
    EnvGuard(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvGuard() {
        if (had_)
            ::setenv(name_.c_str(), old_.c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

  private:
    std::string name_, old_;
    bool had_ = false;
};

// While alive, no file of this process may grow beyond limit bytes: writes fail with EFBIG
// instead of raising SIGXFSZ.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit r = old_;
        r.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &r);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

} // namespace vak1::test
