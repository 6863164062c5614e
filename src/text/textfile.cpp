// Checked line writer with temporary file and rename; tolerant line reader.
#include "text/textfile.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "text/installation.h"

namespace vak1 {
namespace {

// The temporary files being written, so that a signal or an abnormal end can remove them.
// A signal handler can reach nothing else: this is the one process-wide table of the
// program, in fixed storage that the handler reads without allocating.
constexpr int kPendingSlots = 16;
constexpr std::size_t kPendingPath = 4096;
char g_pendingPath[kPendingSlots][kPendingPath];
volatile std::sig_atomic_t g_pendingUsed[kPendingSlots];

int Register(const std::string& path) {
    if (path.size() >= kPendingPath) return -1;
    for (int i = 0; i < kPendingSlots; ++i)
        if (!g_pendingUsed[i]) {
            std::memcpy(g_pendingPath[i], path.c_str(), path.size() + 1);
            g_pendingUsed[i] = 1;
            return i;
        }
    return -1;
}

void Unregister(int slot) {
    if (slot >= 0) g_pendingUsed[slot] = 0;
}

void RemovePending() {
    for (int i = 0; i < kPendingSlots; ++i)
        if (g_pendingUsed[i]) ::unlink(g_pendingPath[i]);
}

extern "C" void RemovePendingAndEnd(int signal) {
    RemovePending();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// The temporary file of an atomic write, as a template for mkstemp: beside the target, its
// name shortened where the suffix would make it longer than a folder entry may be.
std::string TemporaryTemplate(const std::string& path) {
    constexpr std::string_view kSuffix = ".$tmpXXXXXX";
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string t = path;
    if (path.size() - nameStart + kSuffix.size() > NAME_MAX)
        t.resize(nameStart + (NAME_MAX - kSuffix.size()));
    return t + std::string(kSuffix);
}

bool Alnum(std::string_view s) {
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

// prefix + up to max letters or digits + suffix.
bool Framed(std::string_view name, std::string_view prefix, std::string_view suffix,
            std::size_t min, std::size_t max) {
    if (name.size() < prefix.size() + suffix.size() + min ||
        name.size() > prefix.size() + suffix.size() + max)
        return false;
    if (name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - suffix.size()) != suffix)
        return false;
    return Alnum(name.substr(prefix.size(), name.size() - prefix.size() - suffix.size()));
}

// The names the program gives its temporary files (those of older versions included).
bool OwnTemporaryName(std::string_view name) {
    const std::size_t tmp = name.rfind(".$tmp");
    if (tmp != std::string_view::npos && tmp > 0 && Framed(name.substr(tmp), ".$tmp", "", 1, 10))
        return true;
    return Framed(name, "$OUT", ".TMP", 1, 6) || Framed(name, "$$$", ".dbh", 0, 6) ||
           Framed(name, "$pack$", ".dbf", 0, 6) || Framed(name, "TEST", ".$$$", 0, 6);
}

} // namespace

int CreateUniqueFile(const std::string& prefix, const std::string& suffix, std::string& path) {
    std::string name = prefix + "XXXXXX" + suffix;
    // mkstemp creates with O_EXCL: a link or any entry of that name makes it try another.
    const int fd = ::mkostemps(name.data(), static_cast<int>(suffix.size()), O_CLOEXEC);
    if (fd >= 0) path = name;
    return fd;
}

unsigned NewFileMode() {
    // umask() itself cannot be read without setting it, which other threads would see.
    unsigned mask = 022;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0) {
            mask = static_cast<unsigned>(std::strtoul(line.c_str() + 6, nullptr, 8));
            break;
        }
    return 0666u & ~mask;
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    const std::time_t dayAgo = std::time(nullptr) - 24 * 60 * 60;
    while (const dirent* e = ::readdir(dir)) {
        if (!OwnTemporaryName(e->d_name)) continue;
        struct stat st {};
        // Only our own regular files: a link or another user's file of that name is not ours.
        if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_mtime >= dayAgo)
            continue;
        ::unlinkat(::dirfd(dir), e->d_name, 0);
    }
    ::closedir(dir);
}

void RemoveTemporaryFilesOnAbnormalEnd() {
    // A file that grows beyond the size limit fails its write and is cleaned up like any
    // other failed write, instead of ending the program in the middle of it.
    std::signal(SIGXFSZ, SIG_IGN);
    // SIGABRT covers std::terminate, which ends in abort().
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGABRT}) {
        struct sigaction action {};
        action.sa_handler = RemovePendingAndEnd;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESETHAND;
        ::sigaction(signal, &action, nullptr);
    }
}

TextFileWriter::~TextFileWriter() {
    Discard();
}

void TextFileWriter::Discard() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!committed_ && atomic_ && !temp_.empty()) std::remove(temp_.c_str());
    Unregister(slot_);
    slot_ = -1;
    temp_.clear();
}

void TextFileWriter::Fail(IoStage stage) {
    if (stage_ != IoStage::None) return;
    stage_ = stage;
    error_ = errno ? errno : EIO;
}

bool TextFileWriter::Open(const std::string& path, bool atomic) {
    Discard(); // a file begun before and never committed goes
    stage_ = IoStage::None;
    error_ = 0;
    committed_ = false;
    path_ = path;
    atomic_ = atomic;
    errno = 0;
    // The installation's files are the same for every user and every run: whoever runs the
    // program, root included, changes copies of them in the user's folders.
    if (InsideInstalledData(path)) {
        errno = EROFS;
        Fail(IoStage::Create);
        return false;
    }
    if (!atomic) {
        file_ = std::fopen(path.c_str(), "wb");
        if (!file_) Fail(IoStage::Create);
        return file_ != nullptr;
    }
    // A file without write permission is kept as it is, although the rename could replace
    // it (and root could write it).
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0)) {
        errno = EACCES;
        Fail(IoStage::Create);
        return false;
    }
    temp_ = TemporaryTemplate(path);
    const int fd = ::mkostemp(temp_.data(), O_CLOEXEC);
    file_ = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (!file_) {
        Fail(IoStage::Create);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(temp_.c_str());
        }
        temp_.clear(); // nothing was created: a file of that name is not ours
        return false;
    }
    slot_ = Register(temp_);
    return true;
}

bool TextFileWriter::OpenNew(const std::string& prefix, const std::string& suffix) {
    Discard();
    stage_ = IoStage::None;
    error_ = 0;
    committed_ = false;
    atomic_ = false;
    errno = 0;
    path_.clear();
    const int fd = CreateUniqueFile(prefix, suffix, path_);
    file_ = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (!file_) {
        Fail(IoStage::Create);
        if (fd >= 0) ::close(fd);
        return false;
    }
    return true;
}

void TextFileWriter::Write(std::string_view text) {
    if (!file_ || Failed()) return;
    errno = 0;
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file_) != text.size())
        Fail(IoStage::Write);
}

void TextFileWriter::WriteLine(std::string_view text) {
    Write(text);
    Write("\r\n");
}

bool TextFileWriter::Commit() {
    if (!file_) return false;
    errno = 0;
    if (std::fflush(file_) != 0) Fail(IoStage::Write);
    if (atomic_ && !Failed()) {
        // The replacement keeps the permissions of the file it replaces; set on the open
        // file, never by name. It is on the disk before it takes the target's name.
        struct stat st {};
        const unsigned mode = ::stat(path_.c_str(), &st) == 0 ? st.st_mode & 07777 : NewFileMode();
        const int fd = ::fileno(file_);
        ::fchmod(fd, mode); // where the file system refuses, the file stays private (0600)
        if (::fsync(fd) != 0 && errno != EINVAL) Fail(IoStage::Write);
    }
    if (std::fclose(file_) != 0) Fail(IoStage::Close);
    file_ = nullptr;
    if (Failed()) {
        Discard();
        return false;
    }
    if (atomic_) {
        errno = 0;
        if (std::rename(temp_.c_str(), path_.c_str()) != 0) {
            Fail(IoStage::Close);
            Discard();
            return false;
        }
    }
    committed_ = true;
    Unregister(slot_);
    slot_ = -1;
    return true;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, int* errorCode,
                   std::uintmax_t maxBytes) {
    lines.clear();
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (errorCode) *errorCode = errno;
        return false;
    }
    struct stat st {};
    std::uintmax_t total = 0;
    if (::fstat(::fileno(f), &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        std::fclose(f);
        if (errorCode) *errorCode = EFBIG;
        return false;
    }
    std::string line;
    bool pending = false;
    char buf[8192];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        total += n;
        if (total > maxBytes) { // a file that grows or is no regular file
            std::fclose(f);
            lines.clear();
            if (errorCode) *errorCode = EFBIG;
            return false;
        }
        for (std::size_t i = 0; i < n; ++i) {
            char c = buf[i];
            if (c == '\n') {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                lines.push_back(std::move(line));
                line.clear();
                pending = false;
            } else {
                line += c;
                pending = true;
            }
        }
    }
    bool ok = !std::ferror(f);
    if (!ok && errorCode) *errorCode = errno ? errno : EIO;
    std::fclose(f);
    if (pending) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    return ok;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string FolderPath(std::string_view folder) {
    while (!folder.empty() && folder.front() == ' ')
        folder.remove_prefix(1);
    while (!folder.empty() && folder.back() == ' ')
        folder.remove_suffix(1);
    std::string out(folder);
    // Whatever the last character, a file name follows after exactly one "/".
    if (!out.empty() && out.back() != '/') out += '/';
    return out;
}

} // namespace vak1
