// The display list: the records as text, and beside each its code and numbers, read once
// when the record is added so that a repaint draws from numbers without reading text again.
#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vak1 {

// The value of one numeric field of a record: what std::from_chars reads from it, 0 where it
// reads nothing. The list's own number form is read without the library's locale round trip.
long double RecordFieldValue(std::string_view field);

// How many numbers the records of code carry (0 for a code no drawing call makes).
int RecordNumberCount(int code);

// One record as the replay reads it.
struct ParsedRecord {
    int32_t code = 0;
    uint32_t first = 0; // its numbers, RecordNumberCount(code) of them, from here
    uint32_t text = 0;  // a text record: where the text starts in the record
};

class RecordList {
  public:
    using value_type = std::string;
    using const_iterator = std::vector<std::string>::const_iterator;

    RecordList() = default;
    RecordList(std::initializer_list<std::string> records);
    RecordList& operator=(std::initializer_list<std::string> records);

    void push_back(std::string record);
    void clear();
    // Puts record in the place of the one at i.
    void Replace(std::size_t i, std::string record);

    std::size_t size() const { return texts_.size(); }
    bool empty() const { return texts_.empty(); }
    const std::string& operator[](std::size_t i) const { return texts_[i]; }
    const std::string& back() const { return texts_.back(); }
    const_iterator begin() const { return texts_.begin(); }
    const_iterator end() const { return texts_.end(); }
    const std::vector<std::string>& Texts() const { return texts_; }

    const ParsedRecord& Parsed(std::size_t i) const { return parsed_[i]; }
    const long double* Numbers(const ParsedRecord& r) const { return numbers_.data() + r.first; }
    // The text of a text record (what follows its two coordinates).
    std::string_view TextOf(std::size_t i) const {
        return std::string_view(texts_[i]).substr(parsed_[i].text);
    }

    friend bool operator==(const RecordList& a, const std::vector<std::string>& b) {
        return a.texts_ == b;
    }

  private:
    ParsedRecord Parse(std::string_view record, std::size_t numbersAt);

    std::vector<std::string> texts_;
    std::vector<ParsedRecord> parsed_;
    std::vector<long double> numbers_;
};

} // namespace vak1
