#pragma once

#include <string>

struct CliOptions;
struct DQORecord;
class Messages;

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

// The first pass, then what Update on the summary screen does with a number
// of samples or a total cost typed over the computed ones.
void ComputeAnalysis(DQORecord& rec, const CliOptions& o, Messages& messages);
