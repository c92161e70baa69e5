#include "cli/talo_cli.h"

#include <ostream>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_batch.h"
#include "cli/cli_graph.h"
#include "cli/cli_inputs.h"
#include "cli/cli_options.h"
#include "cli/result_text.h"
#include "engine/dqo_record.h"
#include "engine/file_output.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/record_views.h"
#include "engine/stats/analysis.h"
#include "engine/stats/exact_t.h"
#include "engine/summary_report.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFileError = 1;
constexpr int kExitRefused = 2;

// Messages go to standard error under their titles.
class CStreamMessages : public Messages {
public:
    explicit CStreamMessages(std::ostream& err) : m_err(err) {}
    void Show(const std::string& title, const std::string& text, MessageIcon) override
    {
        m_err << title << ": " << text << "\n";
    }

private:
    std::ostream& m_err;
};

QJsonArray StrataJson(const DQORecord& rec)
{
    QJsonArray strata;
    if (rec.nDesign != kStratified)
        return strata;
    for (int h = 0; h < StrataCount(rec); ++h) {
        strata.append(QJsonObject{{"samples", rec.nStratumSamples[h]},
                                  {"weight", rec.dStratumWeight[h]},
                                  {"value", rec.dStratumValue[h]},
                                  {"exactSamples", rec.dStratumExact[h]}});
    }
    return strata;
}

QJsonArray CurveJson(const DQORecord& rec)
{
    double x[kCurvePoints];
    PerformanceCurveX(rec, x);
    QJsonArray curve;
    for (int i = 0; i < kCurvePoints; ++i)
        curve.append(QJsonObject{{"x", x[i]}, {"probability", rec.dCurve[i]}});
    return curve;
}

// A limit held as a float, as the double its shortest text reads as, which
// the JSON writer then writes as that text.
double LimitJson(double value)
{
    return ReadDouble(LimitText(value));
}

std::string ResultsJson(const DQORecord& rec)
{
    QJsonArray table;
    for (int row = 0; row < kErrorRows; ++row)
        table.append(QJsonObject{{"point", rec.dErrorPoint[row]},
                                 {"limit", LimitJson(rec.dErrorLimit[row])}});
    QJsonObject results{
        {"parameter", QString::fromLatin1(ParameterOptionName(ParameterOf(rec)))},
        {"design", QString::fromLatin1(DesignName(rec.nDesign))},
        {"samples", rec.nSamples},
        {"samplesArePerPopulation", IsTwoSample(rec.nParameter)},
        {"totalCost", rec.dTotalCost},
        {"alpha", LimitJson(rec.dAlpha)},
        {"beta", LimitJson(rec.dBeta)},
        {"errorTable", table},
        {"notSatisfied", QJsonObject{{"below1", RowNotSatisfied(rec, kRowBelow1)},
                                     {"below2", RowNotSatisfied(rec, kRowBelow2)},
                                     {"above1", RowNotSatisfied(rec, kRowAbove1)},
                                     {"above2", RowNotSatisfied(rec, kRowAbove2)}}},
        {"strata", StrataJson(rec)},
        {"curve", CurveJson(rec)},
    };
    // A size beyond reach or a rate that cannot be evaluated is left out.
    if (const std::optional<ExactTCheck> exact = ExactTCrossCheck(rec)) {
        QJsonObject exactT;
        if (exact->samples)
            exactT["samples"] = *exact->samples;
        if (exact->beta)
            exactT["beta"] = *exact->beta;
        if (!exactT.isEmpty())
            results["exactT"] = exactT;
    }
    return QJsonDocument(results).toJson(QJsonDocument::Indented).toStdString();
}

std::string CurveCsv(const DQORecord& rec)
{
    double x[kCurvePoints];
    PerformanceCurveX(rec, x);
    std::string csv = "x,probability\n";
    for (int i = 0; i < kCurvePoints; ++i)
        csv += FormatText("%.10g,%.10g\n", x[i], rec.dCurve[i]);
    return csv;
}

// A full disk or a closed pipe shows only at the flush.
bool Flushed(std::ostream& out, std::ostream& err)
{
    if (out.flush())
        return true;
    err << "talo-cli: cannot write to standard output\n";
    return false;
}

bool WriteOutputs(const DQORecord& rec, const CliOptions& o, std::ostream& out, std::ostream& err)
{
    const std::string report = FormatSummaryReport(rec);
    bool ok = true;
    auto fail = [&](const std::string& file) {
        err << "talo-cli: cannot write " << file << "\n";
        ok = false;
    };
    if (!o.reportFile.empty() && !WriteTextFile(o.reportFile, report, true))
        fail(o.reportFile);
    if (!o.curveFile.empty() && !WriteTextFile(o.curveFile, CurveCsv(rec), false))
        fail(o.curveFile);
    if (!o.graphFile.empty()) {
        std::string error;
        if (!WriteGraph(rec, o.graphFile, o.graphSize.value_or(QSize(640, 480)), error))
            fail(o.graphFile + ": " + error);
    }
    if (o.json)
        out << ResultsJson(rec);
    else if (o.reportFile.empty())
        out << report;
    return Flushed(out, err) && ok;
}

int RunBatch(const CliOptions& o, std::ostream& out, std::ostream& err)
{
    std::string csv;
    bool refused = false;
    if (!ComputeBatch(*o.batchFile, csv, refused, err))
        return kExitRefused;
    if (o.outputFile) {
        if (WriteFileWhole(*o.outputFile, csv) != FileWrite::kWritten) {
            err << "talo-cli: cannot write " << *o.outputFile << "\n";
            return kExitFileError;
        }
    } else {
        out << csv;
        if (!Flushed(out, err))
            return kExitFileError;
    }
    return refused ? kExitRefused : kExitOk;
}

} // namespace

int RunTaloCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    CliOptions options;
    std::string usageError;
    bool helpRequested = false;
    if (!ParseCliOptions(arguments, options, usageError, helpRequested)) {
        if (!helpRequested) {
            err << usageError << "\n";
            return kExitRefused;
        }
        out << usageError;
        return Flushed(out, err) ? kExitOk : kExitFileError;
    }
    if (options.version) {
        out << "talo-cli " << TALO_VERSION << "\n";
        return Flushed(out, err) ? kExitOk : kExitFileError;
    }
    std::string misplaced = MisplacedBatchOption(options);
    if (misplaced.empty() && !options.batchFile)
        misplaced = MisplacedOption(options);
    if (!misplaced.empty()) {
        err << "talo-cli: " << misplaced << "\n";
        return kExitRefused;
    }
    if (options.batchFile)
        return RunBatch(options, out, err);
    DQORecord rec;
    if (const Refusal refusal = EnterAnalysis(rec, options)) {
        err << refusal.title << ": " << refusal.text << "\n";
        return kExitRefused;
    }
    CStreamMessages messages(err);
    ComputeAnalysis(rec, options, messages);
    return WriteOutputs(rec, options, out, err) ? kExitOk : kExitFileError;
}
