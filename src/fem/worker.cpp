// The worker process of the torsion solver. The child only computes and writes its records
// to a pipe, then ends with _exit: it inherits a copy of a possibly multi-threaded program
// (the desktop module), of which it touches nothing else. The parent reads the pipe, asks the
// caller's report between reads and kills the child on a cancel or when its time is up.
#include "fem/worker.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <type_traits>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "text/cp850.h"

#if defined(__SANITIZE_ADDRESS__)
#define VAK1_WORKER_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VAK1_WORKER_SANITIZED 1
#endif
#endif

namespace vak1 {
namespace {

static_assert(std::is_trivially_copyable_v<TorsionValues>);

constexpr char kProgressRecord = 'P';
constexpr char kResultRecord = 'R';
constexpr std::size_t kProgressSize = 1 + 2 * sizeof(std::uint64_t);
constexpr std::size_t kResultHead =
    1 + sizeof(std::int32_t) + sizeof(TorsionValues) + sizeof(std::uint32_t);
constexpr int kPollMilliseconds = 50;
constexpr double kSecondsPerFineness = 60;
constexpr std::size_t kMaxDefaultBytes = std::size_t{4} << 30;

bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::size_t DefaultBytes() {
    const long pages = ::sysconf(_SC_PHYS_PAGES), page = ::sysconf(_SC_PAGESIZE);
    if (pages <= 0 || page <= 0) return kMaxDefaultBytes;
    return std::min(kMaxDefaultBytes,
                    static_cast<std::size_t>(pages) * static_cast<std::size_t>(page) / 2);
}

#ifndef VAK1_WORKER_SANITIZED
// The address space the child has on arrival: the limit comes on top of it.
std::size_t MappedBytes() {
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return 0;
    unsigned long pages = 0;
    const int read = std::fscanf(f, "%lu", &pages);
    std::fclose(f);
    return read == 1 ? pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) : 0;
}
#endif

void SetLimits(double seconds, std::size_t bytes) {
    // A processor-time limit catches a child whose parent no longer watches the clock.
    const rlim_t cpu = static_cast<rlim_t>(std::ceil(seconds)) + 5;
    const rlimit cpuLimit{cpu, cpu + 1};
    ::setrlimit(RLIMIT_CPU, &cpuLimit);
#ifndef VAK1_WORKER_SANITIZED
    // The sanitizers reserve terabytes of shadow memory up front; a limit on the address
    // space would leave them none.
    const rlim_t limit = MappedBytes() + bytes;
    const rlimit memory{limit, limit};
    ::setrlimit(RLIMIT_AS, &memory);
#else
    (void)bytes;
#endif
}

using Report = std::function<bool(std::size_t, std::size_t)>;
// The child's computation: fills the values and message, and in extra what follows them.
using ChildWork = std::function<TorsionStatus(TorsionValues&, std::string& message,
                                              std::string& extra, const Report&)>;

[[noreturn]] void RunChild(int fd, const ChildWork& work, double seconds, std::size_t bytes) {
    // The worker goes with its parent: a killed program leaves no mesher running.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    SetLimits(seconds, bytes);
    TorsionValues values;
    std::string message, extra;
    TorsionStatus status = TorsionStatus::Failed;
    try {
        status = work(values, message, extra, [fd](std::size_t d, std::size_t t) {
            char record[kProgressSize];
            const std::uint64_t done = d, total = t;
            record[0] = kProgressRecord;
            std::memcpy(record + 1, &done, sizeof done);
            std::memcpy(record + 1 + sizeof done, &total, sizeof total);
            WriteAll(fd, record, sizeof record);
            return true;
        });
    } catch (const std::bad_alloc&) {
        status = TorsionStatus::Failed;
        message = cp850("Zu wenig Speicher für das Netz.");
        extra.clear();
    } catch (const std::exception&) {
        status = TorsionStatus::Failed;
        message = cp850("Die Torsionswerte sind nicht berechenbar.");
        extra.clear();
    }
    std::string record(kResultHead, '\0');
    const std::int32_t code = static_cast<std::int32_t>(status);
    const std::uint32_t length = static_cast<std::uint32_t>(message.size());
    record[0] = kResultRecord;
    std::memcpy(&record[1], &code, sizeof code);
    std::memcpy(&record[1 + sizeof code], &values, sizeof values);
    std::memcpy(&record[1 + sizeof code + sizeof values], &length, sizeof length);
    record += message;
    const std::uint64_t extraLength = extra.size();
    record.append(reinterpret_cast<const char*>(&extraLength), sizeof extraLength);
    record += extra;
    ::_exit(WriteAll(fd, record.data(), record.size()) ? 0 : 1);
}

// The field as bytes: counts, then the arrays as they lie in memory (parent and child are the
// same program).
template <class T> void Append(std::string& out, const std::vector<T>& v) {
    static_assert(std::is_trivially_copyable_v<T>);
    const std::uint64_t n = v.size();
    out.append(reinterpret_cast<const char*>(&n), sizeof n);
    out.append(reinterpret_cast<const char*>(v.data()), n * sizeof(T));
}

template <class T> bool Take(const std::string& in, std::size_t& at, std::vector<T>& v) {
    std::uint64_t n = 0;
    if (in.size() - at < sizeof n) return false;
    std::memcpy(&n, &in[at], sizeof n);
    at += sizeof n;
    if (n > (in.size() - at) / sizeof(T)) return false;
    v.resize(static_cast<std::size_t>(n));
    if (n) std::memcpy(v.data(), &in[at], n * sizeof(T));
    at += n * sizeof(T);
    return true;
}

std::string FieldBytes(const TorsionField& f) {
    std::string out;
    Append(out, f.nodes);
    Append(out, f.elements);
    Append(out, f.unit);
    return out;
}

bool FieldOf(const std::string& in, TorsionField& f) {
    std::size_t at = 0;
    if (!Take(in, at, f.nodes) || !Take(in, at, f.elements) || !Take(in, at, f.unit) ||
        at != in.size() || f.unit.size() != f.nodes.size())
        return false;
    for (const auto& e : f.elements)
        for (int i : e)
            if (i < 0 || static_cast<std::size_t>(i) >= f.nodes.size()) return false;
    return true;
}

std::string SecondsText(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", seconds);
    return text;
}

} // namespace

namespace {

TorsionStatus Contained(const TorsionOptions& options, TorsionValues& out, std::string& message,
                        std::string& extra, const Report& report, const WorkerBudget& budget,
                        WorkerEnd* end, const ChildWork& work) {
    out = TorsionValues{};
    message.clear();
    WorkerEnd ended = WorkerEnd::Finished;
    if (end) *end = ended;
    const double fineness =
        options.fineness > 0 && std::isfinite(options.fineness) ? options.fineness : 1.0;
    const double seconds = budget.seconds > 0 ? budget.seconds : kSecondsPerFineness * fineness;
    const std::size_t bytes = budget.bytes > 0 ? budget.bytes : DefaultBytes();

    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return work(out, message, extra, report);
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return work(out, message, extra, report);
    }
    if (child == 0) {
        ::close(fds[0]);
        RunChild(fds[1], work, seconds, bytes);
    }
    ::close(fds[1]);

    const auto start = std::chrono::steady_clock::now();
    std::string data;
    std::size_t used = 0;
    std::size_t done = 0, total = 0;
    bool open = true;
    while (open) {
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, kPollMilliseconds) > 0) {
            char chunk[4096];
            const ssize_t n = ::read(fds[0], chunk, sizeof chunk);
            if (n > 0)
                data.append(chunk, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR)
                open = false;
        }
        while (data.size() - used >= kProgressSize && data[used] == kProgressRecord) {
            std::uint64_t d = 0, t = 0;
            std::memcpy(&d, &data[used + 1], sizeof d);
            std::memcpy(&t, &data[used + 1 + sizeof d], sizeof t);
            done = static_cast<std::size_t>(d);
            total = static_cast<std::size_t>(t);
            used += kProgressSize;
        }
        if (!open) break;
        if (report && !report(done, total)) {
            ended = WorkerEnd::Cancelled;
            break;
        }
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (elapsed > seconds) {
            ended = WorkerEnd::OutOfTime;
            break;
        }
    }
    if (open) ::kill(child, SIGKILL);
    ::close(fds[0]);
    int wstatus = 0;
    while (::waitpid(child, &wstatus, 0) < 0 && errno == EINTR) {
    }

    TorsionStatus status = TorsionStatus::Failed;
    if (ended == WorkerEnd::Cancelled) {
        status = TorsionStatus::Cancelled;
    } else if (ended == WorkerEnd::OutOfTime ||
               (WIFSIGNALED(wstatus) && WTERMSIG(wstatus) == SIGXCPU)) {
        ended = WorkerEnd::OutOfTime;
        message = cp850("Die Vernetzung kam in ") + SecondsText(seconds) +
                  cp850(" s nicht zum Ende: die Kontur lässt sich nicht vernetzen.");
    } else if (data.size() - used >= kResultHead && data[used] == kResultRecord &&
               WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0) {
        std::int32_t code = 0;
        std::uint32_t length = 0;
        std::memcpy(&code, &data[used + 1], sizeof code);
        std::memcpy(&out, &data[used + 1 + sizeof code], sizeof out);
        std::memcpy(&length, &data[used + 1 + sizeof code + sizeof out], sizeof length);
        if (data.size() - used - kResultHead >= length && code >= 0 &&
            code <= static_cast<std::int32_t>(TorsionStatus::Failed)) {
            status = static_cast<TorsionStatus>(code);
            message = data.substr(used + kResultHead, length);
            const std::size_t after = used + kResultHead + length;
            std::uint64_t extraLength = 0;
            if (data.size() - after >= sizeof extraLength) {
                std::memcpy(&extraLength, &data[after], sizeof extraLength);
                if (data.size() - after - sizeof extraLength >= extraLength)
                    extra = data.substr(after + sizeof extraLength, extraLength);
            }
            if (message == cp850("Zu wenig Speicher für das Netz.")) ended = WorkerEnd::OutOfMemory;
        } else {
            out = TorsionValues{};
            ended = WorkerEnd::Crashed;
        }
    } else if (WIFSIGNALED(wstatus) && WTERMSIG(wstatus) == SIGKILL) {
        // Killed from outside: on Linux mostly the kernel out of memory.
        ended = WorkerEnd::OutOfMemory;
        message = cp850("Zu wenig Speicher für das Netz.");
    } else {
        ended = WorkerEnd::Crashed;
    }
    if (ended == WorkerEnd::Crashed)
        message = cp850("Die Vernetzung ist an dieser Kontur gescheitert: sie lässt sich nicht "
                        "vernetzen.");
    if (status != TorsionStatus::Ok && status != TorsionStatus::Cancelled) out = TorsionValues{};
    if (status != TorsionStatus::Ok) extra.clear();
    if (end) *end = ended;
    return status;
}

} // namespace

TorsionStatus ComputeTorsionContained(const TorsionInput& in, const TorsionOptions& options,
                                      TorsionValues& out, std::string& message,
                                      const std::function<bool(std::size_t, std::size_t)>& report,
                                      const WorkerBudget& budget, WorkerEnd* end,
                                      TorsionWork work) {
    std::string extra;
    return Contained(options, out, message, extra, report, budget, end,
                     [&](TorsionValues& v, std::string& m, std::string&, const Report& r) {
                         return work(in, options, v, m, r);
                     });
}

TorsionStatus ComputeTorsionFieldContained(const TorsionInput& in, const TorsionOptions& options,
                                           TorsionValues& out, TorsionField& field,
                                           std::string& message, const Report& report,
                                           const WorkerBudget& budget, WorkerEnd* end) {
    field = TorsionField{};
    std::string extra;
    TorsionStatus status =
        Contained(options, out, message, extra, report, budget, end,
                  [&](TorsionValues& v, std::string& m, std::string& x, const Report& r) {
                      TorsionField f;
                      const TorsionStatus st = ComputeTorsionField(in, options, v, f, m, r);
                      if (st == TorsionStatus::Ok) x = FieldBytes(f);
                      return st;
                  });
    if (status == TorsionStatus::Ok && !FieldOf(extra, field)) {
        // A field record cut short is a failed run, never a field.
        field = TorsionField{};
        out = TorsionValues{};
        message = cp850("Die Torsionswerte sind nicht berechenbar.");
        status = TorsionStatus::Failed;
    }
    return status;
}

} // namespace vak1
