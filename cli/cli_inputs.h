#pragma once

#include <string>

struct CliOptions;
struct DQORecord;

// A value refused the way its screen refuses it: the screen's title and
// message. An empty text means accepted.
struct Refusal {
    std::string title;
    std::string text;
    explicit operator bool() const { return !text.empty(); }
};

// Why an option does not belong to the chosen parameter or design, or "".
std::string MisplacedOption(const CliOptions& o);

// All inputs as the wizard and the design screens would take them, into
// current; the first refusal stops.
Refusal EnterAnalysis(DQORecord& current, const CliOptions& o);
