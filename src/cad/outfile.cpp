// Buffered, checked writing of CAD output files.
#include "cad/outfile.h"

#include <cerrno>
#include <cstring>

namespace vak1 {

CadFile::~CadFile() {
    if (f_) std::fclose(f_);
}

bool CadFile::Create(const std::string& path) {
    if (f_) std::fclose(f_);
    path_ = path;
    buf_.clear();
    failed_ = false;
    error_.clear();
    f_ = std::fopen(path.c_str(), "wb");
    if (!f_) {
        Fail(errno);
        return false;
    }
    return true;
}

void CadFile::Fail(int err) {
    if (failed_) return;
    failed_ = true;
    error_ = "Datei " + path_ + " kann nicht geschrieben werden: " + std::strerror(err);
}

void CadFile::Flush() {
    if (!f_ || failed_) {
        buf_.clear();
        return;
    }
    if (!buf_.empty() && std::fwrite(buf_.data(), 1, buf_.size(), f_) != buf_.size())
        Fail(errno);
    buf_.clear();
}

bool CadFile::Close() {
    if (!f_) return !failed_;
    Flush();
    if (std::fflush(f_) != 0) Fail(errno);
    if (std::fclose(f_) != 0) Fail(errno);
    f_ = nullptr;
    return !failed_;
}

} // namespace vak1
