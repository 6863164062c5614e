#include "sheet/workbookread.h"

#include <cstdlib>
#include <string_view>
#include <unzip.h>

namespace vak1 {
namespace {

// Rows beyond the largest sheet of either format are not read.
constexpr long kMaxRows = 1048576;
// Parts of the archive larger than this are refused rather than read into memory.
constexpr unsigned long kMaxPart = 256ul << 20;

bool ReadPart(unzFile zip, const std::string& name, std::string& out) {
    if (unzLocateFile(zip, name.c_str(), 1) != UNZ_OK) return false;
    unz_file_info info{};
    if (unzGetCurrentFileInfo(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
        info.uncompressed_size > kMaxPart)
        return false;
    if (unzOpenCurrentFile(zip) != UNZ_OK) return false;
    out.clear();
    char buf[65536];
    int n = 0;
    while ((n = unzReadCurrentFile(zip, buf, sizeof buf)) > 0) {
        out.append(buf, static_cast<std::size_t>(n));
        if (out.size() > kMaxPart) break;
    }
    const bool ok = unzCloseCurrentFile(zip) == UNZ_OK && n == 0;
    return ok;
}

void AppendUtf8(std::string& out, unsigned long c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// XML character data with its entities replaced.
std::string Unescape(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const std::size_t end = s.find(';', i);
        if (end == std::string_view::npos) {
            out += s.substr(i);
            break;
        }
        const std::string_view e = s.substr(i + 1, end - i - 1);
        if (e == "amp")
            out += '&';
        else if (e == "lt")
            out += '<';
        else if (e == "gt")
            out += '>';
        else if (e == "quot")
            out += '"';
        else if (e == "apos")
            out += '\'';
        else if (e.size() > 1 && e[0] == '#') {
            const std::string digits(e.substr(e[1] == 'x' ? 2 : 1));
            AppendUtf8(out, std::strtoul(digits.c_str(), nullptr, e[1] == 'x' ? 16 : 10));
        } else {
            out += s.substr(i, end - i + 1);
        }
        i = end;
    }
    return out;
}

// The value of attribute name in the start tag tag (the text between "<" and ">").
std::string Attr(std::string_view tag, std::string_view name) {
    for (std::size_t p = tag.find(name); p != std::string_view::npos; p = tag.find(name, p + 1)) {
        const std::size_t q = p + name.size();
        if (p == 0 ||
            (tag[p - 1] != ' ' && tag[p - 1] != '\t' && tag[p - 1] != '\n' && tag[p - 1] != '\r'))
            continue;
        if (q + 1 >= tag.size() || tag[q] != '=' || (tag[q + 1] != '"' && tag[q + 1] != '\''))
            continue;
        const std::size_t end = tag.find(tag[q + 1], q + 2);
        if (end == std::string_view::npos) return {};
        return Unescape(tag.substr(q + 2, end - q - 2));
    }
    return {};
}

// The next element whose name is name, from pos on: its start tag (without "<" and ">"),
// whether it closes itself, and its content. False when there is none before limit.
struct Element {
    std::string_view tag, content;
    std::size_t end = 0; // just past the element
};

bool NextElement(std::string_view xml, std::string_view name, std::size_t pos, std::size_t limit,
                 Element& e) {
    for (std::size_t p = xml.find(name, pos); p != std::string_view::npos && p < limit;
         p = xml.find(name, p + 1)) {
        if (p == 0 || xml[p - 1] != '<') continue;
        const std::size_t after = p + name.size();
        if (after >= xml.size() || (xml[after] != ' ' && xml[after] != '>' && xml[after] != '/' &&
                                    xml[after] != '\t' && xml[after] != '\n' && xml[after] != '\r'))
            continue;
        const std::size_t close = xml.find('>', p);
        if (close == std::string_view::npos) return false;
        e.tag = xml.substr(p, close - p);
        if (xml[close - 1] == '/') {
            e.content = {};
            e.end = close + 1;
            return true;
        }
        const std::string endTag = "</" + std::string(name) + ">";
        const std::size_t endPos = xml.find(endTag, close + 1);
        if (endPos == std::string_view::npos) return false;
        e.content = xml.substr(close + 1, endPos - close - 1);
        e.end = endPos + endTag.size();
        return true;
    }
    return false;
}

// The text of every element name inside xml, joined.
std::string Texts(std::string_view xml, std::string_view name) {
    std::string out;
    Element e;
    for (std::size_t pos = 0; NextElement(xml, name, pos, xml.size(), e); pos = e.end)
        out += Unescape(e.content);
    return out;
}

void Put(std::vector<std::string>& cells, long row, std::string text) {
    if (text.empty()) return;
    if (static_cast<long>(cells.size()) < row) cells.resize(static_cast<std::size_t>(row));
    cells[static_cast<std::size_t>(row - 1)] = std::move(text);
}

// --- .xlsx ------------------------------------------------------------------------------------

// The part of the first sheet: the workbook's first <sheet> and its relationship.
std::string FirstSheetPart(unzFile zip) {
    std::string workbook, rels;
    Element sheet, rel;
    if (ReadPart(zip, "xl/workbook.xml", workbook) &&
        ReadPart(zip, "xl/_rels/workbook.xml.rels", rels) &&
        NextElement(workbook, "sheet", 0, workbook.size(), sheet)) {
        const std::string id = Attr(sheet.tag, "r:id");
        for (std::size_t pos = 0; NextElement(rels, "Relationship", pos, rels.size(), rel);
             pos = rel.end) {
            if (Attr(rel.tag, "Id") != id) continue;
            const std::string target = Attr(rel.tag, "Target");
            if (target.starts_with("/")) return target.substr(1);
            return "xl/" + target;
        }
    }
    return "xl/worksheets/sheet1.xml";
}

bool ReadXlsx(unzFile zip, std::vector<std::string>& cells, std::string& error) {
    std::string sheet, shared;
    if (!ReadPart(zip, FirstSheetPart(zip), sheet)) {
        error = "no worksheet";
        return false;
    }
    std::vector<std::string> strings;
    if (ReadPart(zip, "xl/sharedStrings.xml", shared)) {
        Element si;
        for (std::size_t pos = 0; NextElement(shared, "si", pos, shared.size(), si); pos = si.end)
            strings.push_back(Texts(si.content, "t"));
    }
    Element c;
    for (std::size_t pos = 0; NextElement(sheet, "c", pos, sheet.size(), c); pos = c.end) {
        const std::string ref = Attr(c.tag, "r");
        std::size_t letters = 0;
        while (letters < ref.size() && ref[letters] >= 'A' && ref[letters] <= 'Z')
            ++letters;
        if (ref.substr(0, letters) != "A") continue;
        const long row = std::strtol(ref.c_str() + letters, nullptr, 10);
        if (row < 1 || row > kMaxRows) continue;
        const std::string type = Attr(c.tag, "t");
        if (type == "inlineStr") {
            Put(cells, row, Texts(c.content, "t"));
            continue;
        }
        const std::string v = Texts(c.content, "v");
        if (type == "s") {
            const unsigned long k = std::strtoul(v.c_str(), nullptr, 10);
            if (!v.empty() && k < strings.size()) Put(cells, row, strings[k]);
        } else {
            Put(cells, row, v);
        }
    }
    return true;
}

// --- .ods -------------------------------------------------------------------------------------

// The text of a table cell: its paragraphs joined by line breaks, spaces and tabs of
// text:s and text:tab restored, other markup left out.
std::string CellText(std::string_view content) {
    std::string out;
    bool firstParagraph = true;
    Element p;
    for (std::size_t pos = 0; NextElement(content, "text:p", pos, content.size(), p); pos = p.end) {
        if (!firstParagraph) out += '\n';
        firstParagraph = false;
        std::string_view s = p.content;
        for (std::size_t i = 0; i < s.size();) {
            if (s[i] != '<') {
                const std::size_t next = s.find('<', i);
                out += Unescape(s.substr(i, next == std::string_view::npos ? next : next - i));
                i = next == std::string_view::npos ? s.size() : next;
                continue;
            }
            const std::size_t close = s.find('>', i);
            if (close == std::string_view::npos) break;
            const std::string_view tag = s.substr(i + 1, close - i - 1);
            if (tag.starts_with("text:s") && (tag.size() == 6 || tag[6] == ' ' || tag[6] == '/')) {
                const std::string c = Attr(tag, "text:c");
                const long n = c.empty() ? 1 : std::strtol(c.c_str(), nullptr, 10);
                out.append(static_cast<std::size_t>(n > 0 && n < 65536 ? n : 0), ' ');
            } else if (tag.starts_with("text:tab")) {
                out += '\t';
            } else if (tag.starts_with("text:line-break")) {
                out += '\n';
            }
            i = close + 1;
        }
    }
    return out;
}

bool ReadOds(unzFile zip, std::vector<std::string>& cells, std::string& error) {
    std::string content;
    Element table;
    if (!ReadPart(zip, "content.xml", content) ||
        !NextElement(content, "table:table", 0, content.size(), table)) {
        error = "no table";
        return false;
    }
    const std::string_view rows = table.content;
    long row = 0;
    Element r;
    for (std::size_t pos = 0; NextElement(rows, "table:table-row", pos, rows.size(), r);
         pos = r.end) {
        const std::string rep = Attr(r.tag, "table:number-rows-repeated");
        const long repeated = rep.empty() ? 1 : std::max(1L, std::strtol(rep.c_str(), nullptr, 10));
        // The first cell of the row, plain or covered.
        Element cell, covered;
        const bool hasCell = NextElement(r.content, "table:table-cell", 0, r.content.size(), cell);
        const bool hasCovered =
            NextElement(r.content, "table:covered-table-cell", 0, r.content.size(), covered);
        std::string text;
        if (hasCell && (!hasCovered || cell.tag.data() < covered.tag.data()))
            text = CellText(cell.content);
        for (long k = 0; k < repeated && row < kMaxRows; ++k)
            Put(cells, ++row, text);
        if (row >= kMaxRows) break;
    }
    return true;
}

} // namespace

bool ReadWorkbookColumn1(const std::string& path, std::vector<std::string>& cells,
                         std::string& error) {
    cells.clear();
    unzFile zip = unzOpen64(path.c_str());
    if (!zip) {
        error = "not a workbook (.xlsx or .ods)";
        return false;
    }
    const bool ods = unzLocateFile(zip, "content.xml", 1) == UNZ_OK;
    const bool ok = ods ? ReadOds(zip, cells, error) : ReadXlsx(zip, cells, error);
    unzClose(zip);
    return ok;
}

} // namespace vak1
