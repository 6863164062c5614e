// The rows of the project table and the threads that read them.
#include "report/projecttable.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <ctime>
#include <filesystem>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <thread>

#include "model/angles.h"
#include "project/calculation.h"
#include "docu/Documentation.h"
#include "model/ProjectData.h"
#include "model/messages.h"
#include "project/projectfile.h"
#include "text/cp850.h"
#include "text/formats.h"
#include "text/program.h"

namespace vak1 {
namespace {

namespace fs = std::filesystem;

std::string WithoutLeadingBlanks(const std::string& text) {
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// The modification date as "yyyy/mm/dd" in local time; empty when the file has none.
std::string FileDate(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    std::tm t{};
    if (!::localtime_r(&st.st_mtime, &t)) return {};
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y/%m/%d", &t);
    return buf;
}

// What one thread keeps between projects: a fresh project for every file.
struct Scratch {
    const ProjectData blank{};
    ProjectData project{};
    Documentation docu{};
    MessageList messages;
};

ProjectTableRow MakeRow(const std::string& folder, const std::string& name,
                        const Settings& settings, Scratch& s, std::string& message) {
    ProjectTableRow row;
    const std::string path = folder + name;
    row[0] = name; // the file system's name as it is: the window opens the file by it
    // The messages are texts of the program (code page 850), the name among them too.
    const std::string shown = FromDisplay(name);
    struct stat st {};
    // A link that leads nowhere, a FIFO or a folder: never opened (a FIFO would block).
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        message = shown + ": keine lesbare Datei";
        return row;
    }
    row[1] = FileDate(path);
    s.project = s.blank;
    s.docu = Documentation{};
    const ProjectReadResult read = ReadProjectFile(s.project, s.docu, path);
    if (!read.ok) {
        message = read.error == EFBIG ? shown + cp850(": größer als 1 MB, keine Projektdatei")
                  : read.error != 0   ? "Lesefehler " + shown
                                      : "Zeile " + std::to_string(read.line) + " in " + shown;
        return row;
    }
    CalcSection(s.project, s.messages, settings);
    const ProjectData& p = s.project;
    const TSectionResults& r = p.R;
    const NumberStyle& n = settings;
    const bool inch = n.EnglishUnits == Units::English;
    row[2] = p.DrawingName;
    row[3] = p.DrawingNumber;
    row[4] = std::to_string(p.PosCount());
    row[5] = WithoutLeadingBlanks(FormatFixed(n, inch ? r.A * kAreaToIn2 : r.A, 8, 1));
    row[6] = WithoutLeadingBlanks(FormatLengthFixed(n, r.ys, 5, 2));
    row[7] = WithoutLeadingBlanks(FormatLengthFixed(n, r.zs, 5, 2));
    const long double moment = inch ? kMoment4ToIn4 : 1;
    row[8] = WithoutLeadingBlanks(FormatFixed(n, r.I1 * moment, 10, 0));
    row[9] = WithoutLeadingBlanks(FormatFixed(n, r.I2 * moment, 10, 0));
    row[10] = WithoutLeadingBlanks(FormatFixed(n, r.phi * kDegPerRad, 3, 1));
    return row;
}

} // namespace

const ProjectTableRow& ProjectTableTitles() {
    static const ProjectTableRow titles = {"File", "Date  y/m/d", "Name", "No", "n",  "A",
                                           "ys",   "zs",          "I1",   "I2", "phi"};
    return titles;
}

const std::array<int, kProjectTableColumns>& ProjectTableWidths() {
    static const std::array<int, kProjectTableColumns> widths = {150, 64, 90, 90, 48, 60,
                                                                 48,  48, 70, 70, 48};
    return widths;
}

bool ListProjectFiles(const std::string& folder, std::vector<std::string>& names,
                      std::string& error) {
    names.clear();
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    const std::string extension = std::string(".") + UpperAscii(kExtension);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= extension.size() ||
            UpperAscii(name.substr(name.size() - extension.size())) != extension)
            continue;
        names.push_back(name); // whatever it is: a row with its message, never left out
    }
    if (ec) {
        error = folder + ": " + ec.message();
        names.clear();
        return false;
    }
    std::sort(names.begin(), names.end());
    return true;
}

ProjectTable BuildProjectTable(const std::string& folder, const std::vector<std::string>& names,
                               const Settings& settings, unsigned threads,
                               const std::function<bool(std::size_t done)>& progress) {
    const std::size_t count = names.size();
    ProjectTable table;
    table.rows.resize(count);
    std::vector<std::string> messages(count);
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    threads =
        static_cast<unsigned>(std::min<std::size_t>(threads, std::max<std::size_t>(count, 1)));

    std::atomic<std::size_t> next{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t done = 0;
    auto work = [&] {
        auto scratch = std::make_unique<Scratch>();
        for (std::size_t i; !stop && (i = next++) < count;) {
            table.rows[i] = MakeRow(folder, names[i], settings, *scratch, messages[i]);
            const std::lock_guard<std::mutex> lock(mutex);
            ++done;
            changed.notify_one();
        }
    };
    // With progress the calling thread only reports; otherwise it reads as one of them.
    std::vector<std::thread> workers;
    for (unsigned t = progress ? 0 : 1; t < threads; ++t)
        workers.emplace_back(work);
    if (progress) {
        std::size_t reported = 0;
        std::unique_lock<std::mutex> lock(mutex);
        while (reported < count && !stop) {
            changed.wait(lock, [&] { return done != reported; });
            reported = done;
            lock.unlock();
            if (!progress(reported)) stop = true;
            lock.lock();
        }
    } else {
        work();
    }
    for (auto& w : workers)
        w.join();
    table.cancelled = stop;
    for (const auto& m : messages)
        if (!m.empty()) table.messages.push_back(m);
    return table;
}

void SortProjectTable(std::vector<ProjectTableRow>& rows, int column) {
    if (column < 0 || column >= kProjectTableColumns) return;
    std::stable_sort(rows.begin(), rows.end(),
                     [column](const ProjectTableRow& a, const ProjectTableRow& b) {
                         return std::string_view(a[column]) < std::string_view(b[column]);
                     });
}

namespace {

// A cell of the tab-separated text: a tab, CR or LF would split the row or the cell, so it
// becomes a blank; a text cell starting like a formula gets the apostrophe a spreadsheet
// takes as "this is text".
std::string TextCell(std::string cell, bool text) {
    for (char& c : cell)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    if (text && !cell.empty() && std::string_view("=+-@").find(cell.front()) != std::string::npos)
        cell.insert(0, 1, '\'');
    return cell;
}

} // namespace

std::string ProjectTableText(const std::vector<ProjectTableRow>& rows) {
    std::string text;
    auto append = [&text](const ProjectTableRow& row) {
        for (int c = 0; c < kProjectTableColumns; ++c) {
            if (c) text += '\t';
            // The file name is the file system's UTF-8 already; the other cells are code
            // page 850. File, name and number are texts; the others are the program's numbers.
            text += TextCell(c == 0 ? row[c] : Cp850ToUtf8(row[c]), c == 0 || c == 2 || c == 3);
        }
        text += '\n';
    };
    append(ProjectTableTitles());
    for (const auto& row : rows)
        append(row);
    return text;
}

} // namespace vak1
