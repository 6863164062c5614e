// Times a whole process per benchmark iteration: spawned without a shell, waited for, and
// counted as an error unless it ends with exit code 0.
#pragma once
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace vak1::bench {

inline void RunProcess(benchmark::State& state, const std::vector<std::string>& argv,
                       char** envp = environ) {
    std::vector<char*> args;
    for (const auto& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), envp) != 0) {
            state.SkipWithError("spawn failed");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("job failed");
            return;
        }
    }
}

} // namespace vak1::bench
