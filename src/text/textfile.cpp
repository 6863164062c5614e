// Checked line writer with temporary file and rename; tolerant line reader.
#include "text/textfile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace vak1 {

TextFileWriter::~TextFileWriter() {
    if (file_) std::fclose(file_);
    if (!committed_ && atomic_ && !temp_.empty()) std::remove(temp_.c_str());
}

void TextFileWriter::Fail(IoStage stage) {
    if (stage_ != IoStage::None) return;
    stage_ = stage;
    error_ = errno ? errno : EIO;
}

bool TextFileWriter::Open(const std::string& path, bool atomic) {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    stage_ = IoStage::None;
    error_ = 0;
    committed_ = false;
    path_ = path;
    atomic_ = atomic;
    temp_ = atomic ? path + ".$tmp" + std::to_string(::getpid()) : path;
    errno = 0;
    file_ = std::fopen(temp_.c_str(), "wb");
    if (!file_) {
        Fail(IoStage::Create);
        if (!atomic) temp_.clear();
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
        if (atomic_) std::remove(temp_.c_str());
        return false;
    }
    if (atomic_) {
        // Keep the permissions of the file being replaced.
        struct stat st {};
        if (::stat(path_.c_str(), &st) == 0) ::chmod(temp_.c_str(), st.st_mode & 07777);
        errno = 0;
        if (std::rename(temp_.c_str(), path_.c_str()) != 0) {
            Fail(IoStage::Close);
            std::remove(temp_.c_str());
            return false;
        }
    }
    committed_ = true;
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

} // namespace vak1
