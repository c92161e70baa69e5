#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QSize>

#include "engine/dqo_record.h"

// A point of the decision error table as typed: "POINT:LIMIT".
struct CliLimitPoint {
    std::string point;
    std::string limit;
};

// One stratum as typed: "VALUE:WEIGHT", the weight may be left out.
struct CliStratum {
    std::string value;
    std::optional<std::string> weight;
};

// What the command line asks for. Number texts are kept as typed: they go
// through the same reading and checks as the fields of the screens.
struct CliOptions {
    ParameterCode parameter = kOneMean;
    std::optional<std::string> minimum;
    std::optional<std::string> maximum;
    std::optional<std::string> actionLevel;
    std::optional<BaselineCode> baseline;
    std::optional<std::string> bound;
    std::optional<std::string> sd;
    std::optional<std::string> cv;

    std::optional<std::string> labCost;
    std::optional<std::string> fieldCost;
    bool fieldCostTotal = false;
    std::optional<std::string> limitLower;
    std::optional<std::string> limitUpper;
    std::vector<CliLimitPoint> below;
    std::vector<CliLimitPoint> above;

    DesignCode design = kSimpleRandom;
    std::optional<std::string> sdRatio;
    std::optional<std::string> aliquots;
    std::optional<std::string> compositingCost;
    std::vector<CliStratum> strata;

    std::optional<std::string> samples;
    std::optional<std::string> totalCost;

    bool json = false;
    std::string reportFile;
    std::string curveFile;
    std::string graphFile;
    std::optional<QSize> graphSize; // --size; drawn at 640 x 480 without it

    std::optional<std::string> batchFile;  // plans, one a row, as CSV
    std::optional<std::string> outputFile; // the batch's results instead of standard output
    bool version = false;
    std::vector<std::string> given; // the names of the options given, without the dashes
};

// The smallest --size: below it the graph's labels overlap. The same as the
// desktop window's smallest graph, which talo-cli's text cannot include.
inline constexpr int kSmallestGraphWidth = 480;
inline constexpr int kSmallestGraphHeight = 360;

// How a column of a batch file goes into a plan: a column is an option's
// name without the dashes.
enum class PlanColumn {
    kNone,     // no option, or one that is no part of a plan (outputs, --batch)
    kValue,    // the cell is the option's value
    kFlag,     // 1 gives the option, 0 leaves it out
    kRepeated, // ";"-separated values, each given as the option once
};

PlanColumn PlanColumnKind(const std::string& name);

// The name --parameter takes for a parameter code.
const char* ParameterOptionName(ParameterCode parameter);

// Parses the arguments as the program got them, bytes, the program name
// first; file names are kept byte for byte. On a usage error returns false
// with the reason in error; the help text comes back in error too, with
// helpRequested set.
bool ParseCliOptions(const std::vector<std::string>& arguments, CliOptions& options,
                     std::string& error, bool& helpRequested);

// Whether the arguments ask for a graph, the only output that needs Qt Gui
// and a GUI platform (for fonts, never a display).
bool DrawsGraph(const std::vector<std::string>& arguments);
