// Reading of the positional settings file, one typed value line at a time. A value that is
// missing keeps what it had; a number that does not parse loads as 0. Both are remembered
// with their line number for the one message at the end.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "settings/Settings.h"

namespace vak1 {

class CfgReader {
  public:
    explicit CfgReader(const std::vector<std::string>& lines) : lines_(lines) {}

    bool AtEnd() const { return pos_ >= lines_.size(); }
    void Key() { Line(); }
    void Text(std::string& v, std::size_t maxLength = std::string::npos);
    void Integer(int& v);
    void Word(uint16_t& v);
    void Char(char& v);
    void Bool(bool& v);            // true exactly for "TRUE"
    void BoolUnlessFalse(bool& v); // false exactly for "FALSE"
    void Real(long double& v);
    void Real6(long double& v); // held with the precision of a 6-byte real
    // The four "|"-ended integers; false when they are not four integers.
    bool Rectangle(Rect& r);

    // While set, a missing line is an old file's normal end, not a truncation.
    bool endAllowed = false;
    std::size_t truncatedAt = 0; // line number where an unexpected end was found
    std::size_t badAt = 0;       // first line whose number did not parse

  private:
    const std::string* Line();
    void Bad();
    const std::vector<std::string>& lines_;
    std::size_t pos_ = 0;
};

// Rounds to the 40 significant bits and the range of a 6-byte real (0 outside it).
long double ToReal48(long double x);

} // namespace vak1
