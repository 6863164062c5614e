// The settings file as one table: one descriptor per value line, in file order. Loading,
// saving and import walk this table; a settings dialog reads its limits from it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "settings/Settings.h"

namespace vak1 {

// How a value line is read and written.
enum class CfgType : uint8_t {
    Title,           // first line, no value: base name + " Konfiguration"
    Version,         // second line, no value: "Version " + program version
    Text,            // the line as it stands
    Integer,         // decimal integer
    Word,            // 16-bit unsigned integer; a negative number wraps round
    Char,            // the first character; an empty line reads as '\0'
    Bool,            // "TRUE"/"FALSE"; reads true exactly for "TRUE"
    BoolUnlessFalse, // written like Bool; reads false exactly for "FALSE"
    Real,            // written with 7 decimals (more with more decimal places)
    RealSignificant, // written with its significant digits
    Real48,          // written like Real; read with the precision of a 6-byte real
    Rectangle,       // "left|top|width|height|"
    PlotCommands,    // the count n, then the command lines 2..n
};

// The load check of a value read from the file: a value outside is replaced by fallback.
enum class CfgCheck : uint8_t {
    None,
    NonZero,  // 0 (an empty character for Char) is out of range
    Range,    // allowed are min..max, both included
    NotEmpty, // texts: an empty line keeps the value the setting had
};

struct CfgLimits {
    CfgCheck check = CfgCheck::None;
    long double min = 0, max = 0;
    long double fallback = 0;
};

// Older versions of the file are shorter; these marks say where such a file may end.
enum class CfgEnd : uint8_t {
    None,  // a missing line is a truncation (one message)
    Early, // the file may end after this entry; the screen-dependent sizes are then not set
    After, // the file may end after this entry
};

// The setting a descriptor reads and writes: a member of Settings or one element of an
// array member. ref gives write access (loading), get read access (saving, dialogs).
template <class T> struct CfgSlot {
    T& (*ref)(Settings&) = nullptr;
    const T& (*get)(const Settings&) = nullptr;
};
struct CfgEntry;

// A Word entry holds a number (uint16_t) or a choice stored as its number (an enum of
// uint16_t).
using CfgSetting =
    std::variant<std::monostate, CfgSlot<std::string>, CfgSlot<int>, CfgSlot<uint16_t>,
                 CfgSlot<DecimalSign>, CfgSlot<Units>, CfgSlot<UnitCharacters>,
                 CfgSlot<PrintColors>, CfgSlot<Orientation>, CfgSlot<PageHeaders>, CfgSlot<char>,
                 CfgSlot<bool>, CfgSlot<long double>, CfgSlot<Rect>>;

// The number of a Word entry, and the setting from a number (a choice keeps a number that
// names none of its values as it is).
uint16_t WordSetting(const CfgEntry& e, const Settings& s);
void SetWordSetting(const CfgEntry& e, Settings& s, uint16_t value);

// Everything a check beyond the limits may need.
struct CfgLoadContext {
    const std::string& startDir;
};

struct CfgEntry {
    const char* key = nullptr; // UTF-8 key line before the value; null: no key line
    CfgType type = CfgType::Text;
    CfgSetting setting{};
    CfgLimits limits{};
    std::size_t maxLength = 0; // texts: characters kept when reading (0: all)
    // Older files end before this entry: a missing line is not a truncation.
    bool optional = false;
    CfgEnd end = CfgEnd::None;
    // A check that the limits cannot express; runs after the value was read.
    void (*fix)(Settings&, const CfgLoadContext&) = nullptr;
    // Runs when the file ends after this entry (an end mark).
    void (*atEnd)(Settings&) = nullptr;
};

// Every entry of the settings file in file order. The start value of an entry is the one
// its setting has in a default-constructed Settings.
std::span<const CfgEntry> SettingsEntries();

// The entry with this key (UTF-8), or null.
const CfgEntry* FindSettingsEntry(std::string_view key);
// The entry that reads and writes the setting at this address of s (a member of s or an
// element of one), or null: also finds the entries without a key line.
const CfgEntry* FindSettingsEntry(const Settings& s, const void* setting);

// Copies into result each value of the table that the dialog round trip changed
// (baseline differs from before) while the user left it alone (result equals baseline).
void KeepUntouchedSettings(const Settings& before, const Settings& baseline, Settings& result);

} // namespace vak1
