#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <regex>
#include <sstream>

#include <sys/resource.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_graph.h"
#include "cli/graph_file.h"
#include "cli/talo_cli.h"
#include "tests/support/files.h"
#include "tests/support/starting_report.h"

namespace {

// The graph drawn in this process, as talo-cli's graph module draws it.
[[maybe_unused]] const bool kGraphWriterInstalled = (SetGraphWriter(WriteGraphFile), true);

struct CliRun {
    int status;
    std::string out, err;
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

// The blank-separated words, then the further arguments.
CliRun RunCli(const std::string& words, const std::vector<std::string>& more = {})
{
    std::vector<std::string> arguments = Split("talo-cli " + words, ' ');
    arguments.insert(arguments.end(), more.begin(), more.end());
    std::ostringstream out, err;
    const int status = RunTaloCli(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::string TempPath(const std::string& name)
{
    const std::string path = ::testing::TempDir() + "talo_cli_" + name;
    std::remove(path.c_str());
    return path;
}

// Each option typed into its screen, run with --report FILE: the start of
// standard error (a screen's refusal under its title, an engine's message
// before the result) and texts, "|"-separated, of the report file. Without
// them the run is refused, with status 2 and no file written.
struct Case {
    const char* args;
    const char* err;
    const char* report = "";
};

const Case kCases[] = {
    {"--parameter two-mean --sd 6.667", "", "Number of Samples: 91|Total Cost: $191100.00"},
    // The other baseline proposes the midpoint, as the screen's button does.
    {"--baseline ge --field-cost 500 --field-cost-total", "",
     "Gray Region:     25.000 - 50.000|mean >= 50.000|Total Cost: $13500.00"},
    {"--cv 20", "", "Standard Deviation (SD):  10.00"},
    {"--limit-lower 0.05 --limit-upper 0.05", "", "Number of Samples: 7"},
    {"--design composite --sd-ratio 0.5 --aliquots 4 --compositing-cost 10", "",
     "Composite: 4|Number of Samples: 7|Total Cost: $8470.00"},
    {"--samples 10", "", "Number of Samples: 10|75.000         0.0424        FA"},
    {"--total-cost 10500", "", "Number of Samples: 10"},
    // Samples that cost nothing cannot be bought by a budget.
    {"--lab-cost 0 --field-cost 0 --total-cost 10500", "",
     "Number of Samples: 13|Total Cost: $0.00"},
    {"--samples 0", "TALO: Minimum sample size allowed is 2.\nProgram will adjust the size",
     "75.000         0.5000        FA\n"},
    // One refusal for each way in; the screens' checks are tested with them.
    {"--parameter proportion --action-level 0.9",
     "TALO - Input Validation Error: For Ho: proportion"},
    {"--below 10:", "TALO - Input Validation Error: Error limits must be in the range"},
    {"--design composite --sd-ratio 1", "TALO: ERROR: Ratio of measurement SD"},
    {"--design stratified --stratum 5:1", "TALO: Error: Number of Strata"},
    {"--design stratified --stratum 5:0.6 --stratum 5:0.5",
     "TALO: The weight of the final stratum is fixed at 0.400, the remainder of the others."},
    {"--parameter two-mean --design stratified",
     "TALO: Only Simple Random Sampling is available for the Two-Sample parameters."},
    {"--parameter proportion --sd 3", "talo-cli: --sd and --cv apply to means only"},
    // Values refused as they are stored, not as they were typed.
    {"--sd 1e300", "TALO - Input Validation Error: The estimate of the standard deviation"},
    {"--lab-cost 1e39", "TALO - Input Validation Error: Laboratory and Field costs"},
    {"--output results.csv", "talo-cli: --output needs --batch\n"},
    {"--json --batch plans.csv", "talo-cli: --json does not go with --batch"},
    {"--size 640x480", "talo-cli: --size needs --graph"},
    {"--graph never.png --size 479x360", "--size expects WIDTHxHEIGHT from 480x360"},
};

class TaloCliCaseTest : public ::testing::TestWithParam<Case> {};

TEST_P(TaloCliCaseTest, StatusMessagesAndReport)
{
    const Case& c = GetParam();
    SCOPED_TRACE(c.args);
    const std::string path = TempPath("case.txt");
    const CliRun run = RunCli(c.args, {"--report", path});
    const bool refused = *c.report == 0;
    EXPECT_EQ(run.status, 2 * refused);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind(c.err, 0), 0u) << run.err;
    EXPECT_EQ(run.err.empty(), *c.err == 0) << run.err;
    EXPECT_NE(std::ifstream(path).good(), refused);
    const std::string report = ReadFile(path);
    for (const std::string& text : Split(c.report, '|'))
        EXPECT_NE(report.find(text), std::string::npos) << text << "\n" << report;
}

INSTANTIATE_TEST_SUITE_P(Options, TaloCliCaseTest, ::testing::ValuesIn(kCases));

// A stream whose every write fails, as on a full disk.
class FullBuffer : public std::streambuf {
    int overflow(int) override { return traits_type::eof(); }
};

// Without an output option the report is printed; --report appends it. The
// curve goes as CSV under a name that is not valid UTF-8: text would turn it
// into replacement characters.
TEST(TaloCliTest, OutputsWrittenOrFailedWithStatusOne)
{
    EXPECT_EQ(RunCli("").out, kStartingReport);
    const std::string report = TempPath("report.txt"), curve = TempPath("curve-\xff\xfe.csv");
    ASSERT_EQ(RunCli("--report", {report}).status, 0);
    ASSERT_EQ(RunCli("--report", {report, "--curve", curve}).status, 0);
    EXPECT_EQ(ReadFile(report), std::string(kStartingReport) + kStartingReport);
    const std::vector<std::string> lines = Split(ReadFile(curve), '\n');
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[0], "x,probability");
    EXPECT_EQ(lines[51].rfind("50,0.00998", 0), 0u);
    EXPECT_TRUE(std::regex_match(RunCli("--version").out, std::regex("talo-cli \\d+(\\.\\d+)+\n")));
    // The exact t cross-check is the one-sample mean's; the stratified
    // proportion curve stays upright also at limits of one half.
    const CliRun mean = RunCli("--json");
    EXPECT_NE(mean.out.find("\"limit\": 0.01,"), std::string::npos) << mean.out;
    const QJsonObject exact =
        QJsonDocument::fromJson(QByteArray::fromStdString(mean.out))["exactT"].toObject();
    EXPECT_EQ(exact["samples"].toInt(), 13);
    EXPECT_NEAR(exact["beta"].toDouble(), 0.00760, 0.000005);
    const CliRun half =
        RunCli("--json --parameter proportion --design stratified --bound 0.500001");
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(half.out)).object();
    EXPECT_FALSE(json.contains("exactT"));
    EXPECT_EQ(json["alpha"].toDouble(), 0.5); // as the message says
    EXPECT_EQ(json["samples"].toInt(), 4);    // both strata down to 2
    EXPECT_EQ(json["strata"].toArray().size(), 2);
    EXPECT_TRUE(json["notSatisfied"].toObject().contains("above2"));
    const QJsonArray points = json["curve"].toArray();
    ASSERT_EQ(points.size(), 101);
    EXPECT_DOUBLE_EQ(points[100]["x"].toDouble(), 1.0);
    for (int i = 1; i < points.size(); ++i)
        EXPECT_GE(points[i]["probability"].toDouble(), points[i - 1]["probability"].toDouble())
            << i;
    const CliRun unwritable = RunCli("--report /nonexistent-dir/report.txt");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err, "talo-cli: cannot write /nonexistent-dir/report.txt\n");
    // The batch results replace --output whole, or fail and leave it as it was.
    const std::string plans = TempPath("plans.csv"), output = TempPath("results.csv");
    std::ofstream(plans) << "sd\n\n16.67\n";
    std::ofstream(output) << "old\n";
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{10, limit.rlim_max}; // as a disk that fills up
    std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const int status = RunCli("--batch " + plans + " --output", {output}).status;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(ReadFile(output), "old\n");
    EXPECT_EQ(RunCli("--batch " + plans + " --output", {output}).status, 0);
    EXPECT_EQ(ReadFile(output).find("16.67,13,13650,"), ReadFile(output).find('\n') + 1);
    for (const char* option : {"--help", "--json", "--cv=20"}) {
        FullBuffer full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(RunTaloCli({"talo-cli", option}, out, err), 1) << option;
        EXPECT_EQ(err.str(), "talo-cli: cannot write to standard output\n");
    }
    // A graph of the size asked for; without the graph module the graph is
    // refused, nothing else.
    const std::string png = TempPath("graph.png");
    ASSERT_EQ(RunCli("--size 480x360 --graph", {png}).status, 0);
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(480, 360));
    const std::string path = TempPath("unwritten.png");
    SetGraphWriter(nullptr);
    const CliRun refused = RunCli("--graph", {path});
    SetGraphWriter(WriteGraphFile);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err,
              "talo-cli: cannot write " + path + ": this program cannot draw the graph\n");
    EXPECT_NE(refused.out.find("Number of Samples: 13"), std::string::npos);
    EXPECT_FALSE(std::ifstream(path).good());
}

// One plan a row, through --batch: the input cells as given, then samples,
// totalCost, alpha, beta, notSatisfied, strataSamples, exactSamples,
// exactBeta and error; expected are the starts of the output lines and a
// part of standard error.
struct BatchCase {
    const char* csv;
    int status;
    std::vector<const char*> lines;
    const char* err = "";
};

const BatchCase kBatchCases[] = {
    // Empty cells keep the defaults; a row's values never reach the next.
    {"sd,limit-lower,field-cost,field-cost-total,below\r\n6.667,0.05,500,1,45:0.001;40:0.001\r\n"
     ",,,,\r\n",
     0,
     {"sd,limit-lower,field-cost,field-cost-total,below,samples,totalCost,alpha,beta,notSatisfied,"
      "strataSamples,exactSamples,exactBeta,error\n",
      "6.667,0.05,500,1,45:0.001;40:0.001,", ",,,,,13,13650,0.01,0.01,0;0;0;0,,13,0.0076"}},
    {"below,above,design,stratum\n45:0.001;40:0.001,80:0.01,,\n,,stratified,16.67:0.3;16.67\n",
     0,
     {"", "45:0.001;40:0.001,80:0.01,,,13,13650,0.01,0.01,0;1;0;0,,13,",
      ",,stratified,16.67:0.3;16.67,13,13650,0.01,0.01,0;0;0;0,4;9,,,\n"}},
    // A refused row keeps its cells, quoted again, and the next row is computed.
    {"parameter,field-cost-total\n\"me\"\"an,\n\",\n,yes\n\"\",1\n",
     2,
     {"", "\"me\"\"an,\n\",,,,,,,,,,\"--parameter must be mean, proportion, two-mean or two-",
      ",yes,,,,,,,,,\"talo-cli: --field-cost-total is 1 or 0 in a batch, got yes\"\n",
      ",1,13,13050,"},
     "row 3: talo-cli: --field-cost-total is 1 or 0 in a batch, got yes\n"},
    {"sd,colour\n1,red\n",
     2,
     {},
     ": unknown column \"colour\": a column is an option of a plan, without the dashes\n"},
    {"sd\n\"1\n", 2, {}, ": line 2: a quoted cell is not closed\n"},
};

class TaloCliBatchTest : public ::testing::TestWithParam<BatchCase> {};

TEST_P(TaloCliBatchTest, ResultsOneRowAPlan)
{
    const BatchCase& c = GetParam();
    const std::string plans = TempPath("plans.csv");
    std::ofstream(plans, std::ios::binary) << c.csv;
    const CliRun run = RunCli("--batch", {plans});
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(run.err.empty(), *c.err == 0) << run.err;
    size_t start = 0;
    for (const char* line : c.lines) {
        SCOPED_TRACE(line);
        ASSERT_EQ(run.out.compare(start, std::strlen(line), line), 0) << run.out;
        start = run.out.find("\n", start + std::strlen(line) - (*line != 0)) + 1;
    }
    EXPECT_EQ(start, run.out.size()) << run.out;
}

INSTANTIATE_TEST_SUITE_P(Plans, TaloCliBatchTest, ::testing::ValuesIn(kBatchCases));

} // namespace
