#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/bench.h"

namespace {

double ChildrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the program to its end with its output thrown away; false when it
// could not be started or did not exit with 0.
bool RunToEnd(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A whole process, fork to exit: wall time per run as the benchmark's time,
// the child's CPU time (user and system, from getrusage) as a counter.
void Process(benchmark::State& state, std::vector<std::string> arguments)
{
    const double before = ChildrenCpuSeconds();
    for (auto _ : state) {
        if (!RunToEnd(arguments)) {
            state.SkipWithError(("could not run " + arguments[0]).c_str());
            return;
        }
    }
    state.counters[kChildCpuCounter] = benchmark::Counter((ChildrenCpuSeconds() - before) * 1e3,
                                                          benchmark::Counter::kAvgIterations);
}

} // namespace

void RegisterCliBenchmarks()
{
    // A plain report of the starting analysis on standard output.
    benchmark::RegisterBenchmark("Process/talo-cli", Process,
                                 std::vector<std::string>{TALO_CLI_PATH})
        ->UseRealTime()
        ->MinTime(2.0);
    benchmark::RegisterBenchmark("Process/bin-true", Process, std::vector<std::string>{"/bin/true"})
        ->UseRealTime()
        ->MinTime(1.0);
}
