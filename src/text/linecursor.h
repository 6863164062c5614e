// Front-to-back reading of a positional line file. The first problem is remembered with its
// line number, and every later read fails, so a reader can check once at its end.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vak1 {

// Numbers in the program's files stay within the range the input dialogs accept; anything
// larger is a broken file, not a value.
constexpr long double kMaxFileNumber = 1e38L;

class LineCursor {
  public:
    explicit LineCursor(const std::vector<std::string>& lines) : lines_(lines) {}

    bool AtEnd() const { return pos_ >= lines_.size(); }
    // 1-based number of the line the next read takes.
    std::size_t LineNumber() const { return pos_ + 1; }

    // The next line as it stands.
    bool Next(std::string& out);
    // The next line, cut to maxLength.
    bool Text(std::string& out, std::size_t maxLength);
    // The next line must read exactly text.
    bool Expect(std::string_view text);
    // A decimal number within +-kMaxFileNumber; a comma counts as the decimal point.
    bool Number(long double& value);
    // A decimal integer within [min, max].
    bool Integer(long& value, long min, long max);

    // Records a problem with the line just read (or the next one at the end of the file).
    void Fail(std::string reason);
    bool Failed() const { return failLine_ != 0; }
    std::size_t FailLine() const { return failLine_; }
    const std::string& FailReason() const { return failReason_; }

  private:
    const std::vector<std::string>& lines_;
    std::size_t pos_ = 0;
    std::size_t failLine_ = 0;
    std::string failReason_;
};

} // namespace vak1

namespace vak1 {

// A text for a line of its own: line breaks would shift every later line of a positional
// file, so they become blanks.
std::string SingleLine(std::string_view text);

} // namespace vak1
