// The result report of the project: the standard report with the contour table and every
// result, and the short excerpt.
#pragma once
#include <functional>
#include <cstdint>
#include <string>
#include <string_view>

namespace vak1 {

struct OutputContext;
struct ProjectData;
struct MessageList;

// Columns (1-based) of symbol, unit and value in a result line of the text kinds.
constexpr std::size_t kSymbolColumn = 35;
constexpr std::size_t kUnitColumn = 44;
constexpr std::size_t kValueColumn = 56;
constexpr std::size_t kResultLineLength = 72;

// Below its floor a value is rounding noise of the section's coordinates: a value of
// dimension k (1 length .. 4 second moment, in mm) shows as 0 under 1e-12 size^k, size the
// polygon's largest coordinate; above it a value the format would show as 0 keeps its digits.
struct SmallValueFloor {
    long double size = 0;
    long double Of(int dimension) const {
        long double f = 1e-12L;
        for (int i = 0; i < dimension; ++i)
            f *= size;
        return f;
    }
};
SmallValueFloor SmallValueFloorOf(const ProjectData& p);

// One labelled value in the layout of the current output kind.
void WriteResultLine(const OutputContext& ctx, std::string_view label, std::string_view symbol,
                     std::string_view unit, std::string_view value);
// The 72-character result line of the text kinds.
std::string ResultLineText(std::string_view label, std::string_view symbol, std::string_view unit,
                           std::string_view value);

// Output kind 0: the configured kind or the user's choice.
void ReportStandard(const OutputContext& ctx, const ProjectData& project,
                    const MessageList& messages, uint16_t kind = 0);
void ReportExcerpt(const OutputContext& ctx, const ProjectData& project, uint16_t kind = 0);

// Runs write, a report in output kind odFile, into the text file txtPath without any dialog.
// False when the file could not be written; the file is then left as it was.
bool WriteJobFile(const OutputContext& ctx, const std::string& txtPath,
                  const std::function<void()>& write);

// Writes the standard report of the loaded and calculated project as the text file
// txtPath, without any dialog. False when the calculation failed or the file could not
// be written; the file is then left as it was.
bool RunReportJob(const OutputContext& ctx, const ProjectData& project, const MessageList& messages,
                  const std::string& txtPath);

} // namespace vak1
