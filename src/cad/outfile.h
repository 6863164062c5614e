// The output file of a CAD drawing: buffered, CR LF line ends, and the first failing write
// remembered so the drawing command can end with its message. The drawing goes to a temporary
// file that replaces the target only when the whole drawing was written.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "text/textfile.h"

namespace vak1 {

class CadFile {
  public:
    CadFile() = default;
    ~CadFile();
    CadFile(const CadFile&) = delete;
    CadFile& operator=(const CadFile&) = delete;

    // Starts the file (the target stays as it is until Close); false with Stage() set when
    // it cannot.
    bool Create(const std::string& path);
    bool IsOpen() const { return out_.has_value(); }
    // One line, CR LF appended.
    void Line(std::string_view text) {
        buf_.append(text);
        buf_.append("\r\n", 2);
        if (buf_.size() >= kFlushSize) Flush();
    }
    std::string& Buffer() { return buf_; } // for callers composing a line in place
    void EndLine() {
        buf_.append("\r\n", 2);
        if (buf_.size() >= kFlushSize) Flush();
    }
    // Writes what is buffered and replaces the target; false when any write failed or the
    // file was refused, and the target then stays as it was.
    bool Close();
    bool Failed() const { return stage_ != IoStage::None; }
    // Something the format cannot carry: the file fails with this message (code page 850).
    void Refuse(const std::string& message) {
        if (Failed()) return;
        stage_ = IoStage::Write;
        message_ = message;
    }
    const std::string& Message() const { return message_; } // empty unless refused
    IoStage Stage() const { return stage_; }
    int ErrorCode() const { return error_; } // errno of the first failure
    const std::string& Path() const { return path_; }

  private:
    static constexpr std::size_t kFlushSize = 1 << 16;
    void Flush();
    void Fail(IoStage stage, int err);

    std::optional<TextFileWriter> out_; // an uncommitted file is removed with it
    std::string buf_;
    std::string path_;
    IoStage stage_ = IoStage::None;
    int error_ = 0;
    std::string message_;
};

} // namespace vak1
