// Line files of the program's own formats: a checked writer that replaces its target only
// when every line was written, and a reader that takes CR LF or LF.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace vak1 {

// Where a file operation failed; decides the wording of the error message.
enum class IoStage { None, Create, Write, Close };

class TextFileWriter {
  public:
    TextFileWriter() = default;
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;
    ~TextFileWriter(); // an uncommitted file is removed; the target stays as it was

    // Opens a temporary file beside path. With atomic = false the target itself is
    // written (for files that are only ever new, such as exports the user asked for).
    // Opening again starts afresh. A target without write permission is kept: the open
    // fails with EACCES.
    bool Open(const std::string& path, bool atomic = true);
    // Opens a new file prefix + six random characters + suffix, created by this call alone
    // (never through a link); Path() names it. For scratch files in shared folders.
    bool OpenNew(const std::string& prefix, const std::string& suffix);
    // Writes text and CR LF. After the first failure further lines are skipped.
    void WriteLine(std::string_view text);
    // Writes text as it stands, without a line end.
    void Write(std::string_view text);
    // Closes and, when nothing failed, renames the temporary file over the target.
    bool Commit();

    bool Failed() const { return stage_ != IoStage::None; }
    IoStage Stage() const { return stage_; }
    int ErrorCode() const { return error_; } // errno of the failure
    const std::string& Path() const { return path_; }

  private:
    void Fail(IoStage stage);
    void Discard(); // closes and removes an uncommitted temporary file
    std::FILE* file_ = nullptr;
    int slot_ = -1; // entry in the table of temporary files to remove on an abnormal end
    std::string path_, temp_;
    bool atomic_ = true;
    bool committed_ = false;
    IoStage stage_ = IoStage::None;
    int error_ = 0;
};

// From now on a signal that ends the program (an abort included) first removes the temporary files
// of writers not yet committed; a write beyond the file size limit fails instead of ending the
// program. Called once at program start.
void RemoveTemporaryFilesOnAbnormalEnd();

// Creates a new file prefix + six random characters + suffix with mode 0600, exclusively and
// never through a link; returns its descriptor (-1 with errno on failure) and its name in path.
int CreateUniqueFile(const std::string& prefix, const std::string& suffix, std::string& path);

// The mode a new file gets: 0666 without the bits of the process's umask.
unsigned NewFileMode();

// Removes the program's own temporary files in folder that a killed run left behind: regular
// files of the current user named as the writers name them, older than a day.
void RemoveStaleTemporaryFiles(const std::string& folder);

// Reads every line; CR LF and LF both end a line, a last line without an end counts.
// False when the file cannot be opened or read (errorCode gets errno), or is longer than
// maxBytes (errorCode EFBIG; a regular file is refused before it is read).
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines,
                   int* errorCode = nullptr, std::uintmax_t maxBytes = UINTMAX_MAX);

bool FileExists(const std::string& path);

// The folder rule: trimmed, and "/" appended unless it ends in "/".
std::string FolderPath(std::string_view folder);

} // namespace vak1
