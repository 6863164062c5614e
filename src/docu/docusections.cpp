// Writing and reading the documentation sections. A description keeps the line breaks that
// remain after its carriage returns became "|", so it may run over several file lines; the
// 14-dash line after it ends it.
#include "docu/docusections.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "text/parse.h"
#include "text/formats.h"
#include "text/cp850.h"

namespace vak1 {
namespace {

const std::string kLongRule(20, '-');
const std::string kShortRule(14, '-');

std::string Field(std::string_view text) {
    std::string out = SingleLine(text);
    return out + "|";
}

// Splits at "|" into at most n fields; the rest of the line stays in the last one.
std::vector<std::string> SplitFields(const std::string& line, std::size_t n) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (fields.size() + 1 < n) {
        std::size_t bar = line.find('|', start);
        if (bar == std::string::npos) break;
        fields.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::string Cut(std::string text, std::size_t n) {
    if (text.size() > n) text.resize(n);
    return text;
}

bool ReadDescription(LineCursor& in, std::string& description) {
    std::string line;
    if (!in.Next(description)) return false;
    for (;;) {
        if (!in.Next(line)) return false;
        if (line == kShortRule) return true;
        description += '\n';
        description += line;
    }
}

bool ReadChangeEntries(LineCursor& in, Documentation& d) {
    long count = 0;
    if (!in.Integer(count, 0, kMaxChangeEntries) || !in.Expect(kLongRule)) return false;
    for (long n = 0; n < count; ++n) {
        TChangeEntry& e = d.ChangeEntries[n];
        if (!in.Text(e.text, kChangeTextLength) || !in.Text(e.date, kChangeDateLength) ||
            !in.Text(e.editor, kChangeEditorLength) || !ReadDescription(in, e.description))
            return false;
    }
    d.ChangeCount = static_cast<uint16_t>(count);
    return true;
}

bool ReadApprovals(LineCursor& in, Documentation& d) {
    std::string line;
    if (!in.Next(line)) return false;
    std::vector<std::string> f = SplitFields(line, 8);
    ParsedInteger count = f.size() == 8 ? ParseInteger(f[6]) : ParsedInteger{};
    if (!count.valid || count.value < 0 || count.value > kMaxFreeTexts || f[7] != "|") {
        in.Fail(cp850("Freigabezeile mit 8 Feldern und Anzahl Freitexte 0 bis 8 erwartet"));
        return false;
    }
    for (int row = 1; row < 4; ++row) {
        d.ApprovalRows[row].date = Cut(f[2 * row - 2], kApprovalFieldLength);
        d.ApprovalRows[row].name = Cut(f[2 * row - 1], kApprovalFieldLength);
    }
    d.FreeTextCount = static_cast<uint16_t>(count.value);
    return in.Text(d.ApprovalRows[kPrepared].date, kApprovalFieldLength) &&
           in.Text(d.ReplacementFor, kReplacementLength) &&
           in.Text(d.ReplacedBy, kReplacementLength) &&
           in.Text(d.ApprovalRows[kPrepared].name, kApprovalFieldLength);
}

bool ReadFreeText(LineCursor& in, TFreeText& t) {
    std::string line;
    if (!in.Next(line)) return false;
    std::vector<std::string> f = SplitFields(line, 5);
    bool ok = f.size() == 5 && f[4].size() >= 2 && f[4].ends_with("||");
    long double* values[] = {&t.x, &t.y, &t.h, &t.phi};
    for (std::size_t k = 0; ok && k < 4; ++k) {
        ParsedNumber n = ParseNumber(f[k]);
        ok = n.valid && std::fabs(n.value) <= kMaxFileNumber;
        if (ok) *values[k] = n.value;
    }
    if (!ok) {
        in.Fail("Freitext (x|y|h|phi|Text||) erwartet");
        return false;
    }
    t.text = Cut(f[4].substr(0, f[4].size() - 2), kFreeTextLength);
    return true;
}

} // namespace

void WriteChangesSection(TextFileWriter& out, Documentation& d, const Settings& s) {
    out.WriteLine(cp850("ÄNDERUNGEN"));
    out.WriteLine(std::to_string(d.ChangeCount));
    out.WriteLine(kLongRule);
    for (uint16_t n = 0; n < d.ChangeCount && n < kMaxChangeEntries; ++n) {
        TChangeEntry& e = d.ChangeEntries[n];
        std::replace(e.description.begin(), e.description.end(), '\r', '|');
        out.WriteLine(SingleLine(e.text));
        out.WriteLine(SingleLine(e.date));
        out.WriteLine(SingleLine(e.editor));
        out.WriteLine(e.description);
        out.WriteLine(kShortRule);
    }
    const auto& rows = d.ApprovalRows;
    out.WriteLine(Field(rows[kExamined].date) + Field(rows[kExamined].name) +
                  Field(rows[kStandardised].date) + Field(rows[kStandardised].name) +
                  Field(rows[kReleased].date) + Field(rows[kReleased].name) +
                  Field(std::to_string(d.FreeTextCount)) + Field(""));
    out.WriteLine(SingleLine(rows[kPrepared].date));
    out.WriteLine(SingleLine(d.ReplacementFor));
    out.WriteLine(SingleLine(d.ReplacedBy));
    out.WriteLine(SingleLine(rows[kPrepared].name));
    for (uint16_t i = 0; i < d.FreeTextCount && i < kMaxFreeTexts; ++i) {
        const TFreeText& t = d.FreeTexts[i];
        out.WriteLine(Field(FormatSignificant(s, t.x)) + Field(FormatSignificant(s, t.y)) +
                      Field(FormatSignificant(s, t.h)) + Field(FormatSignificant(s, t.phi)) +
                      Field(t.text) + Field(""));
    }
}

void WriteDocumentsSection(TextFileWriter& out, const Documentation& d) {
    out.WriteLine("Dokumente");
    out.WriteLine(std::to_string(kDocumentLinkCount));
    out.WriteLine(kLongRule);
    for (const TDocumentLink& link : d.DocumentLinks) {
        out.WriteLine(SingleLine(link.program));
        out.WriteLine(SingleLine(link.file));
        out.WriteLine(kShortRule);
    }
}

bool ReadChangesSection(LineCursor& in, Documentation& d) {
    if (!in.Expect(cp850("ÄNDERUNGEN")) || !ReadChangeEntries(in, d) || !ReadApprovals(in, d))
        return false;
    for (uint16_t i = 0; i < d.FreeTextCount; ++i)
        if (!ReadFreeText(in, d.FreeTexts[i])) return false;
    return true;
}

bool ReadDocumentsSection(LineCursor& in, Documentation& d) {
    long count = 0;
    if (!in.Expect("Dokumente") || !in.Integer(count, 0, kDocumentLinkCount) ||
        !in.Expect(kLongRule))
        return false;
    for (long n = 0; n < count; ++n) {
        TDocumentLink& link = d.DocumentLinks[n];
        if (!in.Text(link.program, kDocumentFieldLength) ||
            !in.Text(link.file, kDocumentFieldLength) || !in.Expect(kShortRule))
            return false;
    }
    return true;
}

} // namespace vak1
