#include "sheet/UnoSpreadsheet.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vak1 {

std::string SystemPython() {
    const char* const system = "/usr/bin/python3";
    return ::access(system, X_OK) == 0 ? system : "python3";
}
namespace {

// The helper: one request per line, fields separated by tabs, "\\", tab and line ends
// escaped; the answer is "ok" or "error" followed by its fields.
constexpr const char* kBridge = R"PY(
import io, subprocess, sys, time
import uno
from com.sun.star.beans import PropertyValue

def esc(s):
    return s.replace('\\', '\\\\').replace('\t', '\\t').replace('\n', '\\n').replace('\r', '\\r')

def unesc(s):
    out, i = [], 0
    while i < len(s):
        if s[i] == '\\' and i + 1 < len(s):
            out.append({'t': '\t', 'n': '\n', 'r': '\r'}.get(s[i + 1], s[i + 1]))
            i += 2
        else:
            out.append(s[i])
            i += 1
    return ''.join(out)

def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p

desktop = None
doc = None
hidden = False  # a headless office gets its workbooks without windows

def connect(accept, program, profile, headless):
    global desktop, hidden
    hidden = headless == '1'
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        'com.sun.star.bridge.UnoUrlResolver', local)
    url = 'uno:' + accept + ';urp;StarOffice.ComponentContext'
    def attempt():
        ctx = resolver.resolve(url)
        return ctx.ServiceManager.createInstanceWithContext('com.sun.star.frame.Desktop', ctx)
    try:
        desktop = attempt()
        return 0
    except Exception:
        pass
    args = [program, '--accept=' + accept + ';urp;', '--norestore', '--nologo', '--nodefault']
    if headless == '1':
        args.insert(1, '--headless')
    if profile:
        args.append('-env:UserInstallation=' + uno.systemPathToFileUrl(profile))
    def start():
        return subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
    office = start()
    for _ in range(1200):
        time.sleep(0.1)
        code = office.poll()
        if code == 81:  # the office made its new profile and wants to be started again
            office = start()
            continue
        if code is not None:
            raise RuntimeError('the office program ended at its start')
        try:
            desktop = attempt()
        except Exception:
            continue
        time.sleep(2)  # an office that has just made its profile ends about now
        if office.poll() is None:
            return office.pid
        desktop = None
    raise RuntimeError('no connection to the office program')

def workbook():
    front = desktop.getCurrentComponent()
    if front is not None and hasattr(front, 'Sheets'):
        return front
    if doc is None:
        raise RuntimeError('no workbook')
    return doc

def gone(e):
    # The office has ended: every call through its bridge says the bridge is disposed.
    return 'DisposedException' in type(e).__name__ or 'disposed' in str(e).lower()

def handle(f):
    global doc
    if f[0] == 'connect':
        return [str(connect(f[1], f[2], f[3], f[4]))]
    if f[0] == 'ping':
        if desktop is None:
            raise RuntimeError('not connected')
        desktop.getCurrentComponent()
        return []
    if f[0] == 'show':
        if doc is not None and not hidden:
            window = doc.CurrentController.Frame.ContainerWindow
            window.setVisible(True)
            window.toFront()
        return []
    if f[0] == 'new':
        doc = desktop.loadComponentFromURL('private:factory/scalc', '_blank', 0,
                                            (prop('Hidden', hidden),))
        return []
    if f[0] == 'set':
        sheet = doc.Sheets.getByIndex(0)
        sheet.getCellByPosition(int(f[2]) - 1, int(f[1]) - 1).setString(f[3])
        return []
    if f[0] == 'open':
        # Tab, '"', UTF-8, from line 1, all columns standard, numbers read as en-US: the
        # report writes a decimal point, whatever the office's own language.
        doc = desktop.loadComponentFromURL(
            uno.systemPathToFileUrl(f[1]), '_blank', 0,
            (prop('FilterName', 'Text - txt - csv (StarCalc)'),
             prop('FilterOptions', '9,34,76,1,,1033'), prop('Hidden', hidden)))
        return []
    if f[0] == 'read':
        sheet = workbook().Sheets.getByIndex(0)
        cursor = sheet.createCursor()
        cursor.gotoEndOfUsedArea(False)
        cells = [sheet.getCellByPosition(0, r).getString()
                 for r in range(cursor.RangeAddress.EndRow + 1)]
        while cells and not cells[-1]:
            cells.pop()
        return cells
    raise RuntimeError('unknown request ' + f[0])

inp = io.TextIOWrapper(sys.stdin.buffer, encoding='utf-8', newline='\n')
out = io.TextIOWrapper(sys.stdout.buffer, encoding='utf-8', newline='\n')
for line in inp:
    fields = [unesc(x) for x in line.rstrip('\n').split('\t')]
    try:
        answer = 'ok' + ''.join('\t' + esc(x) for x in handle(fields))
    except Exception as e:
        answer = 'gone' if gone(e) else 'error\t' + esc(str(e) or type(e).__name__)
    out.write(answer + '\n')
    out.flush()
)PY";

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\t') {
            fields.emplace_back();
        } else if (c == '\\' && i + 1 < line.size()) {
            const char n = line[++i];
            fields.back() += n == 't' ? '\t' : n == 'n' ? '\n' : n == 'r' ? '\r' : n;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// Whether program is an executable file, by path or on the search path.
bool Found(const std::string& program) {
    auto executable = [](const std::string& p) {
        struct stat st {};
        return ::stat(p.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(p.c_str(), X_OK) == 0;
    };
    if (program.find('/') != std::string::npos) return executable(program);
    const char* path = std::getenv("PATH");
    std::string list = path ? path : "/usr/bin:/bin";
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        const std::string dir = end > start ? list.substr(start, end - start) : ".";
        if (executable(dir + "/" + program)) return true;
        start = end + 1;
    }
    return false;
}

} // namespace

UnoSpreadsheet::~UnoSpreadsheet() {
    StopHelper();
}

bool UnoSpreadsheet::Installed() const {
    return Found(options_.python) && Found(options_.office);
}

bool UnoSpreadsheet::StartHelper() {
    if (helper_ > 0) return true;
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    // Isolated: neither the current folder (a project folder may hold a "uno.py") nor the
    // PYTHON* variables nor the user's site folder decide what the helper imports.
    std::vector<std::string> args = {options_.python, "-I", "-c", kBridge};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int rc =
        ::posix_spawnp(&pid, options_.python.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    if (rc != 0) {
        ::close(fds[0]);
        return false;
    }
    helper_ = pid;
    to_ = ::fdopen(fds[0], "r");
    return to_ != nullptr;
}

void UnoSpreadsheet::StopHelper() {
    connected_ = false;
    if (to_) std::fclose(to_); // the helper ends at the end of its input
    to_ = nullptr;
    if (helper_ > 0) {
        int status = 0;
        ::waitpid(helper_, &status, 0);
    }
    helper_ = -1;
}

bool UnoSpreadsheet::Ask(const std::string& request, std::string& answer) {
    if (!to_) return false;
    const std::string line = request + "\n";
    const int fd = ::fileno(to_);
    for (std::size_t sent = 0; sent < line.size();) {
        const ssize_t n = ::send(fd, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            StopHelper();
            answer = "the helper program ended";
            return false;
        }
        sent += static_cast<std::size_t>(n);
    }
    std::string reply;
    for (int c; (c = std::fgetc(to_)) != '\n';) {
        if (c == EOF) {
            StopHelper();
            answer = "the helper program ended";
            return false;
        }
        reply += static_cast<char>(c);
    }
    if (reply == "gone") {
        connected_ = false;
        answer = "error\t" + Escape(kSpreadsheetGoneText);
        return false;
    }
    answer = reply;
    return reply == "ok" || reply.starts_with("ok\t");
}

bool UnoSpreadsheet::Reachable() {
    std::string answer;
    return connected_ && Ask("ping", answer);
}

bool UnoSpreadsheet::Connect() {
    if (!Installed() || !StartHelper()) return false;
    std::string answer;
    connected_ = Ask("connect\t" + Escape(options_.accept) + "\t" + Escape(options_.office) + "\t" +
                         Escape(options_.profile) + "\t" + (options_.headless ? "1" : "0"),
                     answer);
    const std::vector<std::string> f = Fields(answer);
    officePid_ = connected_ && f.size() > 1 ? std::strtol(f[1].c_str(), nullptr, 10) : 0;
    return connected_;
}

void UnoSpreadsheet::Show() {
    std::string answer;
    Ask("show", answer);
}

void UnoSpreadsheet::NewWorkbook() {
    std::string answer;
    Ask("new", answer);
}

void UnoSpreadsheet::SetCell(int row, int column, const std::string& text) {
    std::string answer;
    Ask("set\t" + std::to_string(row) + "\t" + std::to_string(column) + "\t" + Escape(text),
        answer);
}

void UnoSpreadsheet::OpenText(const std::string& path) {
    std::string answer;
    Ask("open\t" + Escape(path), answer);
}

bool UnoSpreadsheet::ReadColumn1(const std::string& /*file*/, std::vector<std::string>& cells,
                                 std::string& error) {
    cells.clear();
    std::string answer;
    if (!Ask("read", answer)) {
        const std::vector<std::string> f = Fields(answer);
        error = f.size() > 1 ? f[1] : answer;
        return false;
    }
    std::vector<std::string> f = Fields(answer);
    cells.assign(f.begin() + 1, f.end());
    return true;
}

} // namespace vak1
