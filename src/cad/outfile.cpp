// Buffered, checked writing of CAD output files.
#include "cad/outfile.h"

#include <cerrno>

namespace vak1 {

CadFile::~CadFile() {
    if (f_) std::fclose(f_);
}

bool CadFile::Create(const std::string& path) {
    if (f_) std::fclose(f_);
    path_ = path;
    buf_.clear();
    stage_ = IoStage::None;
    error_ = 0;
    message_.clear();
    f_ = std::fopen(path.c_str(), "wb");
    if (!f_) {
        Fail(IoStage::Create, errno);
        return false;
    }
    return true;
}

void CadFile::Fail(IoStage stage, int err) {
    if (stage_ != IoStage::None) return;
    stage_ = stage;
    error_ = err;
}

void CadFile::Flush() {
    if (!f_ || Failed()) {
        buf_.clear();
        return;
    }
    if (!buf_.empty() && std::fwrite(buf_.data(), 1, buf_.size(), f_) != buf_.size())
        Fail(IoStage::Write, errno);
    buf_.clear();
}

bool CadFile::Close() {
    if (!f_) return !Failed();
    Flush();
    if (std::fflush(f_) != 0) Fail(IoStage::Write, errno);
    if (std::fclose(f_) != 0) Fail(IoStage::Close, errno);
    f_ = nullptr;
    return !Failed();
}

} // namespace vak1
