#pragma once

#include <string>

#include "engine/messages.h"

// Registration of each group, in the order the table shows them.
void RegisterEngineBenchmarks();
void RegisterGraphBenchmarks();
void RegisterCliBenchmarks();

// Messages nobody reads: a benchmark measures the work, not a message box.
class DiscardedMessages : public Messages {
public:
    void Show(const std::string&, const std::string&, MessageIcon) override {}
};

// The counter a process benchmark sets: CPU time of the child per run, in
// milliseconds; the table shows it in place of the benchmark's own CPU time.
inline constexpr const char* kChildCpuCounter = "child_cpu_ms";
