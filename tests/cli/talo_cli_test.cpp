#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <streambuf>

#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/talo_cli.h"
#include "tests/support/files.h"
#include "tests/support/starting_report.h"

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunCli(const std::vector<std::string>& args)
{
    std::vector<std::string> arguments{"talo-cli"};
    arguments.insert(arguments.end(), args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunTaloCli(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::string TempPath(const std::string& name)
{
    const std::string path = ::testing::TempDir() + "talo_cli_" + name;
    std::remove(path.c_str());
    return path;
}

TEST(TaloCliTest, NoOptionPrintsTheStartingReport)
{
    const CliRun run = RunCli({});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kStartingReport);
    EXPECT_EQ(run.err, "");
}

struct ReportCase {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::string> lines; // each must appear in the report
};

class TaloCliReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(TaloCliReportTest, ReportShowsTheComputedDesign)
{
    const CliRun run = RunCli(GetParam().args);
    ASSERT_EQ(run.status, 0) << run.err;
    for (const std::string& line : GetParam().lines)
        EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << line << "\n" << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TaloCliReportTest,
    ::testing::Values(
        ReportCase{"Proportion",
                   {"--parameter", "proportion"},
                   {"Number of Samples: 76", "Baseline Condition: proportion <= 0.500"}},
        ReportCase{"TwoMean",
                   {"--parameter", "two-mean", "--sd", "6.667"},
                   {"Number of Samples: 91", "Total Cost: $191100.00",
                    "Baseline Condition: mean1-mean2 <= 0.000"}},
        ReportCase{"TwoProportion",
                   {"--parameter", "two-proportion"},
                   {"Number of Samples: 33", "Gray Region:     0.000 - 0.500"}},
        // Switching the baseline proposes the midpoint, as the screen's button does.
        ReportCase{"MeanAtLeast",
                   {"--baseline", "ge"},
                   {"Gray Region:     25.000 - 50.000", "Baseline Condition: mean >= 50.000",
                    "           25.000         0.0100        FA    "}},
        ReportCase{"CoefficientOfVariation", {"--cv", "20"}, {"Standard Deviation (SD):  10.00"}},
        ReportCase{"FivePercentLimits",
                   {"--limit-lower", "0.05", "--limit-upper", "0.05"},
                   {"Number of Samples: 7"}},
        ReportCase{"FieldCostTotal",
                   {"--field-cost", "500", "--field-cost-total"},
                   {"Total Cost: $13500.00"}},
        ReportCase{"AdditionalLimits",
                   {"--below", "45:0.001", "--above", "80:0.01"},
                   {"           45.000         0.0010        FR    Not Satisfied",
                    "           80.000         0.0100        FA"}},
        ReportCase{"Composite",
                   {"--design", "composite", "--sd-ratio", "0.5", "--aliquots", "4",
                    "--compositing-cost", "10"},
                   {"For the Sampling Design of:  Composite Sampling",
                    "Number of Aliquots within Composite: 4", "Number of Samples: 7",
                    "Total Cost: $8470.00"}},
        ReportCase{"StratifiedDefaults",
                   {"--design", "stratified"},
                   {"Number of Strata: 2", "   1          7          0.500             16.67"}},
        ReportCase{"LargeTypedCost",
                   {"--lab-cost", "2000000", "--total-cost", "40000000"},
                   {"Number of Samples: 20"}},
        ReportCase{"StratifiedMean",
                   {"--design", "stratified", "--stratum", "16.67:0.3", "--stratum", "16.67"},
                   {"Number of Strata: 2", "   1          4          0.300             16.67",
                    "   2          9          0.700             16.67"}},
        ReportCase{"StratifiedProportion",
                   {"--parameter", "proportion", "--design", "stratified", "--stratum", "0.25:0.5",
                    "--stratum", ":"},
                   {"Number of Strata: 2", "Stratum    Samples      Weight          Proportion"}},
        ReportCase{"TypedSamples",
                   {"--samples", "10"},
                   {"Number of Samples: 10", "           75.000         0.0424        FA"}},
        ReportCase{"TypedCost", {"--total-cost", "10500"}, {"Number of Samples: 10"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    std::vector<std::string> args;
    std::string err; // the start of standard error: the screen's title and message
};

class TaloCliRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(TaloCliRefusalTest, RefusedWithTheScreensMessageAndNothingWritten)
{
    const std::string report = TempPath(std::string("refused_") + GetParam().name);
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"--report", report});
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind(GetParam().err, 0), 0u) << run.err;
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.back(), '\n');
    EXPECT_FALSE(std::ifstream(report).good());
}

// One refusal for each way in: every screen's check is tested with the screen.
INSTANTIATE_TEST_SUITE_P(
    Values, TaloCliRefusalTest,
    ::testing::Values(
        RefusalCase{"Range",
                    {"--maximum", "1e-8"},
                    "TALO - Input Validation Error: The Maximum-Minimum range"},
        RefusalCase{"Relation",
                    {"--bound", "40"},
                    "TALO - Input Validation Error: For Ho: mean <= Action Level"},
        RefusalCase{"ProportionBound",
                    {"--parameter", "proportion", "--bound", "1"},
                    "TALO - Input Validation Error: For Ho: proportion <= Action Level"},
        RefusalCase{"AdditionalEmptyLimit",
                    {"--below", "10:"},
                    "TALO - Input Validation Error: Error limits must be in the range"},
        RefusalCase{"CompositeRatio",
                    {"--design", "composite", "--sd-ratio", "1"},
                    "TALO: ERROR: Ratio of measurement SD"},
        RefusalCase{"StrataCount",
                    {"--design", "stratified", "--stratum", "5:1"},
                    "TALO: Error: Number of Strata"},
        RefusalCase{"FinalWeightFixed",
                    {"--design", "stratified", "--stratum", "5:0.6", "--stratum", "5:0.5"},
                    "TALO: The weight of the final stratum is fixed at 0.400, the remainder of "
                    "the others."},
        RefusalCase{"TwoSampleDesign",
                    {"--parameter", "two-mean", "--design", "stratified", "--stratum", "1:0.5",
                     "--stratum", "1"},
                    "TALO: Only Simple Random Sampling is available for the Two-Sample "
                    "parameters."},
        RefusalCase{"UnknownParameter",
                    {"--parameter", "median"},
                    "--parameter must be mean, proportion, two-mean or two-proportion"},
        RefusalCase{"MisplacedOption",
                    {"--parameter", "proportion", "--sd", "3"},
                    "talo-cli: --sd and --cv apply to means only"},
        RefusalCase{"ThirdBelow",
                    {"--below", "1:0.1", "--below", "2:0.1", "--below", "3:0.1"},
                    "--below may be given at most twice"},
        // Values refused as they are stored, not as they were typed.
        RefusalCase{"DeviationSquaredOverflows",
                    {"--sd", "1e300"},
                    "TALO - Input Validation Error: The estimate of the standard deviation"},
        RefusalCase{"LimitVanishesInSinglePrecision",
                    {"--parameter", "two-mean", "--limit-lower", "1e-50"},
                    "TALO - Input Validation Error: Error limits must be in the range"},
        RefusalCase{"CostBeyondSinglePrecision",
                    {"--lab-cost", "1e39"},
                    "TALO - Input Validation Error: Laboratory and Field costs"},
        RefusalCase{"SizeWithoutGraph", {"--size", "640x480"}, "talo-cli: --size needs --graph"},
        RefusalCase{"GraphTooSmall",
                    {"--graph", "never.png", "--size", "479x360"},
                    "--size expects WIDTHxHEIGHT from 480x360"}),
    [](const auto& info) { return std::string(info.param.name); });

struct TooLargeCase {
    const char* name;
    std::vector<std::string> args;
    const char* limit;
};

class TaloCliTooLargeTest : public ::testing::TestWithParam<TooLargeCase> {};

// The message goes to standard error, the result is printed, and the
// adjustment ends at 2 samples even where the quantile of 0.5 (-1.01e-7,
// not 0) leaves a residue against a narrow gray region.
TEST_P(TaloCliTooLargeTest, AdjustedToTwoSamplesWithTheMessage)
{
    const CliRun run = RunCli(GetParam().args);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err.rfind(std::string("TALO ERROR: Sample size is larger than ") +
                                GetParam().limit + ".\n\n",
                            0),
              0u)
        << run.err;
    EXPECT_NE(run.out.find("Number of Samples: 2\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("0.5000        F"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TaloCliTooLargeTest,
    ::testing::Values(TooLargeCase{"WideSpread", {"--sd", "1000", "--bound", "51"}, "30000"},
                      TooLargeCase{"HairlineGrayRegion", {"--bound", "50.000000001"}, "30000"},
                      TooLargeCase{"HugeSpread", {"--sd", "1e12"}, "30000"},
                      // Two-sample sizes have no limit but must fit an int.
                      TooLargeCase{"TwoSampleBeyondInt",
                                   {"--parameter", "two-mean", "--bound", "0.000001"},
                                   "2147483647"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TaloCliTest, StratifiedProportionCurveStaysUprightAtLimitsOfOneHalf)
{
    const CliRun run = RunCli(
        {"--json", "--parameter", "proportion", "--design", "stratified", "--bound", "0.500001"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonArray curve = QJsonDocument::fromJson(QByteArray::fromStdString(run.out))
                                 .object()[QStringLiteral("curve")]
                                 .toArray();
    ASSERT_EQ(curve.size(), 101);
    for (int i = 1; i < curve.size(); ++i) {
        EXPECT_GE(curve[i].toObject()[QStringLiteral("probability")].toDouble(),
                  curve[i - 1].toObject()[QStringLiteral("probability")].toDouble())
            << i;
    }
}

TEST(TaloCliTest, TypedSampleOfZeroIsTreatedAsTooSmall)
{
    const CliRun run = RunCli({"--samples", "0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "TALO: Minimum sample size allowed is 2.\nProgram will adjust the size "
                       "accordingly.\n");
    EXPECT_NE(run.out.find("           75.000         0.5000        FA\n"), std::string::npos);
}

TEST(TaloCliTest, JsonCarriesEveryResult)
{
    const CliRun run =
        RunCli({"--json", "--design", "stratified", "--stratum", "10:0.5", "--stratum", "20"});
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_EQ(json[QStringLiteral("parameter")].toString(), QStringLiteral("mean"));
    EXPECT_EQ(json[QStringLiteral("design")].toString(), QStringLiteral("Stratified Sampling"));
    EXPECT_GT(json[QStringLiteral("samples")].toInt(), 0);
    EXPECT_NEAR(json[QStringLiteral("alpha")].toDouble(), 0.01, 1e-8);
    EXPECT_EQ(json[QStringLiteral("strata")].toArray().size(), 2);
    const QJsonArray curve = json[QStringLiteral("curve")].toArray();
    ASSERT_EQ(curve.size(), 101);
    EXPECT_DOUBLE_EQ(curve[100].toObject()[QStringLiteral("x")].toDouble(), 100.0);
    EXPECT_TRUE(json[QStringLiteral("notSatisfied")].toObject().contains(QStringLiteral("above2")));
}

TEST(TaloCliTest, CurveIsWrittenAsCsv)
{
    const std::string path = TempPath("curve.csv");
    const CliRun run = RunCli({"--curve", path});
    ASSERT_EQ(run.status, 0);
    std::istringstream csv(ReadFile(path));
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(csv, line))
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 102u);
    EXPECT_EQ(lines[0], "x,probability");
    EXPECT_EQ(lines[51].rfind("50,0.00998", 0), 0u);
}

TEST(TaloCliTest, ReportFileIsAppended)
{
    const std::string path = TempPath("report.txt");
    ASSERT_EQ(RunCli({"--report", path}).status, 0);
    const CliRun second = RunCli({"--report", path});
    ASSERT_EQ(second.status, 0);
    EXPECT_EQ(second.out, "");
    EXPECT_EQ(ReadFile(path), std::string(kStartingReport) + kStartingReport);
}

TEST(TaloCliTest, UnwritableFileIsAFailure)
{
    const CliRun run = RunCli({"--report", "/nonexistent-dir/report.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "talo-cli: cannot write /nonexistent-dir/report.txt\n");
}

// A stream whose every write fails, as on a full disk.
class FullBuffer : public std::streambuf {
protected:
    int overflow(int) override { return traits_type::eof(); }
};

TEST(TaloCliTest, FailedStandardOutputIsAFailure)
{
    for (const char* json : {"", "--json"}) {
        FullBuffer full;
        std::ostream out(&full);
        std::ostringstream err;
        std::vector<std::string> arguments{"talo-cli"};
        if (*json != 0)
            arguments.push_back(json);
        EXPECT_EQ(RunTaloCli(arguments, out, err), 1);
        EXPECT_EQ(err.str(), "talo-cli: cannot write to standard output\n");
    }
}

TEST(TaloCliTest, FileNamesAreTakenByteForByteAndDevicesAreNotReplaced)
{
    // Not valid UTF-8: text would turn it into replacement characters.
    const std::string name = TempPath("curve-\xff\xfe.csv");
    ASSERT_EQ(RunCli({"--curve", name}).status, 0);
    EXPECT_EQ(ReadFile(name).rfind("x,probability\n", 0), 0u);

    const std::string link = TempPath("null.png");
    ASSERT_EQ(::symlink("/dev/null", link.c_str()), 0);
    EXPECT_EQ(RunCli({"--graph", link, "--curve", "/dev/null"}).status, 0);
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

struct GraphCase {
    const char* name;
    const char* magic;
    int depth; // of the picture read back; 0 for the printed page
    QSize size;
};

class TaloCliGraphTest : public ::testing::TestWithParam<GraphCase> {};

// The bitmap is the one-bit picture, the PNG the window's colours (its curve
// is green), the PDF the printed page; --size applies to the pictures.
TEST_P(TaloCliGraphTest, FileOfItsKindAndSize)
{
    const GraphCase& c = GetParam();
    const std::string path = TempPath(std::string("graph.") + c.name);
    const std::string size = std::to_string(c.size.width()) + "x" + std::to_string(c.size.height());
    ASSERT_EQ(RunCli({"--graph", path, "--size", size}).status, 0);
    EXPECT_EQ(ReadFile(path).rfind(c.magic, 0), 0u);
    if (c.depth == 0)
        return;
    const QImage image(QString::fromStdString(path));
    EXPECT_EQ(image.size(), c.size);
    EXPECT_EQ(image.depth(), c.depth);
    // Green, or green smoothed into the white around it.
    int green = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            green += colour.green() > colour.red() + 64 && colour.green() > colour.blue() + 64;
        }
    }
    EXPECT_EQ(green > 100, c.depth > 1) << green;
}

INSTANTIATE_TEST_SUITE_P(Kinds, TaloCliGraphTest,
                         ::testing::Values(GraphCase{"bmp", "BM", 1, {480, 360}},
                                           GraphCase{"png", "\x89PNG", 32, {600, 400}},
                                           GraphCase{"pdf", "%PDF-", 0, {640, 480}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TaloCliGraphTest, UnknownKindIsRefusedAndUnwritableIsAFailure)
{
    EXPECT_EQ(RunCli({"--graph", TempPath("graph.gif")}).status, 2);
    EXPECT_EQ(RunCli({"--graph", "/nonexistent-dir/graph.bmp"}).status, 1);
}

} // namespace
