// Checked line writer with temporary file and rename; tolerant line reader.
#include "text/textfile.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

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

} // namespace

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
    temp_ = atomic ? path + ".$tmp" + std::to_string(::getpid()) : path;
    if (atomic) slot_ = Register(temp_);
    errno = 0;
    file_ = std::fopen(temp_.c_str(), "wb");
    if (!file_) {
        Fail(IoStage::Create);
        // Nothing was created: nothing to remove, and a file of that name is not ours.
        Unregister(slot_);
        slot_ = -1;
        temp_.clear();
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
    if (std::fclose(file_) != 0) Fail(IoStage::Close);
    file_ = nullptr;
    if (Failed()) {
        Discard();
        return false;
    }
    if (atomic_) {
        // Keep the permissions of the file being replaced.
        struct stat st {};
        if (::stat(path_.c_str(), &st) == 0) ::chmod(temp_.c_str(), st.st_mode & 07777);
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

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, int* errorCode) {
    lines.clear();
    errno = 0;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (errorCode) *errorCode = errno;
        return false;
    }
    std::string line;
    bool pending = false;
    char buf[8192];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
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
    if (out.empty()) return out;
    const auto c = static_cast<unsigned char>(out.back());
    const bool namey = (c >= '!' && c <= ')') || (c >= '0' && c <= '9') || (c >= ';' && c <= 'Z') ||
                       (c >= '_' && c <= 'z');
    if (namey) out += '/';
    return out;
}

} // namespace vak1
