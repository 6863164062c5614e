// Buffered, checked writing of CAD output files.
#include "cad/outfile.h"

namespace vak1 {

CadFile::~CadFile() = default;

bool CadFile::Create(const std::string& path) {
    out_.reset();
    path_ = path;
    buf_.clear();
    stage_ = IoStage::None;
    error_ = 0;
    message_.clear();
    out_.emplace();
    if (!out_->Open(path)) {
        Fail(out_->Stage(), out_->ErrorCode());
        out_.reset();
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
    if (!out_ || Failed()) {
        buf_.clear();
        return;
    }
    out_->Write(buf_);
    if (out_->Failed()) Fail(out_->Stage(), out_->ErrorCode());
    buf_.clear();
}

bool CadFile::Close() {
    if (!out_) return !Failed();
    Flush();
    if (!Failed() && !out_->Commit()) Fail(out_->Stage(), out_->ErrorCode());
    out_.reset(); // a file not committed goes; the target stays as it was
    return !Failed();
}

} // namespace vak1
