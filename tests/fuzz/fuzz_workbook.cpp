// The spreadsheet import: column 1 of a workbook's first sheet becomes the lines of a
// project file. Bytes that start as a zip archive are the workbook file itself; any other
// bytes are the parts of one, separated by form feeds: a first byte 'o' makes an .ods file
// of content.xml, else an .xlsx file of the sheet, the shared strings, the workbook and its
// relations. A project read from the cells is calculated, reported and drawn.
#include <minizip/zip.h>

#include <vector>

#include "fuzzsupport.h"
#include "project/projectfile.h"
#include "sheet/workbookread.h"
#include "text/cp850.h"
#include "text/textfile.h"

using namespace vak1;

namespace {

bool WriteZip(const std::string& path,
              const std::vector<std::pair<std::string, std::string>>& parts) {
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    if (!zip) return false;
    for (const auto& [name, bytes] : parts) {
        zip_fileinfo info{};
        if (zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                Z_DEFLATED, Z_BEST_SPEED) != ZIP_OK)
            break;
        zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
        zipCloseFileInZip(zip);
    }
    return zipClose(zip, nullptr) == ZIP_OK;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string path;
    if (bytes.starts_with("PK")) {
        path = fuzz::InFolder("fuzz.xlsx");
        fuzz::WriteFile(path, data, size);
    } else {
        const bool ods = bytes.starts_with("o");
        static const char* const kXlsxParts[] = {"xl/worksheets/sheet1.xml", "xl/sharedStrings.xml",
                                                 "xl/workbook.xml", "xl/_rels/workbook.xml.rels"};
        std::vector<std::pair<std::string, std::string>> parts;
        std::size_t at = ods ? 1 : 0;
        for (std::size_t k = 0; at <= bytes.size() && k < (ods ? 1u : 4u); ++k) {
            const std::size_t end = std::min(bytes.find('\f', at), bytes.size());
            parts.emplace_back(ods ? "content.xml" : kXlsxParts[k],
                               std::string(bytes.substr(at, end - at)));
            at = end + 1;
        }
        path = fuzz::InFolder(ods ? "fuzz.ods" : "fuzz.xlsx");
        if (!WriteZip(path, parts)) return 0;
    }
    std::vector<std::string> cells;
    std::string error;
    if (!ReadWorkbookColumn1(path, cells, error)) return 0;
    const std::string project = fuzz::InFolder("import.vak1");
    TextFileWriter out;
    if (out.Open(project))
        for (const std::string& cell : cells)
            out.WriteLine(cp850(cell));
    if (!out.Commit()) return 0;
    fuzz::FuzzApp f;
    if (ReadProjectFile(f.app.Project, f.app.Docu, project).ok)
        fuzz::RunProject(f, fuzz::ChoiceOf(data, size));
    return 0;
}
