// Group-code pairs of a DXF file, for every reader of DXF in the program.
//
// The tolerance rule: a group is a code line followed by a value line, each ended by LF or
// CR LF. Blanks and tabs around a code, a number or a name do not count; a text value is
// kept as it stands. Unknown codes are passed over by the readers. Reading stops with a
// format error at
//  * a code line that is not an integer,
//  * the value of an integer group (codes 60-79, 90-99, 160-179, 270-289, 370-389, 400-409,
//    420-429, 440-459, 1060-1071) that is not a number in the range of its group (64 bits
//    for 160-169, 32 bits otherwise); a fraction is cut off.
// A code line without its value line is the end of the file.
#pragma once
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vak1 {

struct DxfGroup {
    int code = -1;
    std::string value;     // the value line as it stands
    long long integer = 0; // integer groups: the checked value

    std::string_view Name() const; // the value without surrounding blanks and tabs
    long double Number() const;    // the value as a number; 0 when it is none
    bool IsEntity(std::string_view name) const { return code == 0 && Name() == name; }
};

// True for the codes whose values are integers.
bool IsDxfIntegerCode(int code);

class DxfGroupReader {
  public:
    explicit DxfGroupReader(const std::vector<std::string>& lines) : lines_(lines) {}

    // Reads the next group; false at the end of the file or at a format error.
    bool Next();
    const DxfGroup& Current() const { return group_; }
    bool Ok() const { return ok_; } // the last Next found a group
    bool Failed() const { return failedLine_ != 0; }
    std::size_t FailedLine() const { return failedLine_; } // 1-based line of the format error

  private:
    const std::vector<std::string>& lines_;
    std::size_t pos_ = 0;
    DxfGroup group_;
    bool ok_ = false;
    std::size_t failedLine_ = 0;
};

// One field of an entity: its group code and where the value goes (a number, the checked
// integer, or the text as it stands).
struct DxfField {
    int code;
    std::variant<long double*, int*, std::string*> target;
};

// Reads the groups of the current entity up to the next group with code 0, the end or a
// format error, storing the values of the listed codes; the reader is left at that group.
// A repeated code keeps its last value.
void ReadDxfFields(DxfGroupReader& r, std::initializer_list<DxfField> fields);

} // namespace vak1
