#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "bench/bench.h"
#include "ui/graph/graph.h"

namespace {

// All runs in one table at the end: name, wall time, CPU time (a child's
// for a process), the number of runs whose median the figures are, and the
// target they are held to.
class TableReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        // One row per benchmark: its first failed run, or else its median or
        // its only run.
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (!(median || single || run.error_occurred) || HasRow(run.run_name.function_name))
                continue;
            Row row;
            row.name = run.run_name.function_name;
            row.error = run.error_occurred ? run.error_message : std::string();
            row.runs = run.repetitions;
            const double toMicro = 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            row.wallUs = run.GetAdjustedRealTime() * toMicro;
            row.cpuUs = run.GetAdjustedCPUTime() * toMicro;
            const auto child = run.counters.find(kChildCpuCounter);
            if (child != run.counters.end()) {
                row.cpuUs = child->second.value * 1e3;
                row.childCpu = true;
            }
            m_rows.push_back(row);
        }
    }

    void Finalize() override
    {
        std::map<std::string, double> cpu;
        for (const Row& row : m_rows)
            cpu[row.name] = row.cpuUs;
        std::printf("%-42s %14s %14s %10s  %s\n", "Benchmark", "Wall", "CPU", "Runs", "Target");
        std::printf("%s\n", std::string(110, '-').c_str());
        for (const Row& row : m_rows) {
            if (!row.error.empty()) {
                m_allMet = false;
                std::printf("%-42s ERROR: %s\n", row.name.c_str(), row.error.c_str());
                continue;
            }
            std::printf("%-42s %14s %14s %10lld  %s\n", row.name.c_str(),
                        Duration(row.wallUs).c_str(),
                        (Duration(row.cpuUs) + (row.childCpu ? "*" : "")).c_str(), row.runs,
                        Target(row, cpu).c_str());
        }
        std::printf("* CPU time of the child process (user + system, getrusage)\n");
    }

    // Every benchmark ran and met its target.
    bool AllMet() const { return m_allMet; }

private:
    struct Row {
        std::string name, error;
        long long runs = 0;
        double wallUs = 0, cpuUs = 0;
        bool childCpu = false;
    };

    static std::string Duration(double us)
    {
        char text[32];
        if (us < 1000)
            std::snprintf(text, sizeof text, "%.3f us", us);
        else
            std::snprintf(text, sizeof text, "%.3f ms", us / 1000);
        return text;
    }

    bool HasRow(const std::string& name) const
    {
        return std::any_of(m_rows.begin(), m_rows.end(),
                           [&](const Row& row) { return row.name == name; });
    }

    std::string Verdict(bool met)
    {
        m_allMet = m_allMet && met;
        return met ? "met" : "MISSED";
    }

    std::string Target(const Row& row, const std::map<std::string, double>& cpu)
    {
        char text[96];
        if (row.name.rfind("AnalysisPass/", 0) == 0)
            return "<= 2 us CPU: " + Verdict(row.cpuUs <= 2.0);
        if (row.name.rfind("MonoImage/", 0) == 0) {
            const auto draw = cpu.find("GraphDraw/" + row.name.substr(10));
            if (draw == cpu.end() || draw->second <= 0)
                return std::string();
            const double ratio = row.cpuUs / draw->second;
            std::snprintf(text, sizeof text, "<= 2x drawing (CPU): %.2fx ", ratio);
            return text + Verdict(ratio <= 2.0);
        }
        if (row.name == "Process/talo-cli")
            return "<= 10 ms CPU: " + Verdict(row.cpuUs <= 10000.0);
        return std::string();
    }

    std::vector<Row> m_rows;
    bool m_allMet = true;
};

} // namespace

int main(int argc, char** argv)
{
    // The graph needs fonts, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    if (!LoadGraphFonts())
        std::fprintf(stderr, "talo_bench: the graph's fonts could not be loaded\n");

    // A machine shared with others has slow moments: a median of five runs
    // holds the targets to the code, not to the moment. Arguments given
    // come after these and override them.
    std::vector<char*> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=5";
    args.insert(args.begin() + 1, repetitions);
    int benchArgc = static_cast<int>(args.size());
    benchmark::Initialize(&benchArgc, args.data());
    if (benchmark::ReportUnrecognizedArguments(benchArgc, args.data()))
        return 1;
    RegisterEngineBenchmarks();
    RegisterGraphBenchmarks();
    RegisterCliBenchmarks();
    TableReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return table.AllMet() ? 0 : 1;
}
