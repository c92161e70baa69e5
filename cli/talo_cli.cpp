#include "cli/talo_cli.h"

#include <ostream>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_graph.h"
#include "cli/cli_inputs.h"
#include "cli/cli_options.h"
#include "engine/analysis_pass.h"
#include "engine/dqo_record.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/record_views.h"
#include "engine/screen_state.h"
#include "engine/stats/analysis.h"
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

// The first pass, then what Update on the summary screen does with a number
// of samples or a total cost typed over the computed ones.
void Compute(DQORecord& rec, const CliOptions& o, Messages& messages)
{
    FillCalculationBlock(rec);
    ComputeAnalysisPass(rec, messages);
    if (!o.samples && !o.totalCost)
        return;
    SummaryScreen summary;
    FillSummaryScreen(summary, rec);
    if (o.samples)
        summary.m_strSamples = *o.samples;
    if (o.totalCost)
        summary.m_strTotalCost = *o.totalCost;
    RecomputeForTypedSamples(summary, rec, messages);
}

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

std::string ResultsJson(const DQORecord& rec)
{
    QJsonArray table;
    for (int row = 0; row < kErrorRows; ++row)
        table.append(QJsonObject{{"point", rec.dErrorPoint[row]}, {"limit", rec.dErrorLimit[row]}});
    const QJsonObject results{
        {"parameter", QString::fromLatin1(ParameterOptionName(ParameterOf(rec)))},
        {"design", QString::fromLatin1(DesignName(rec.nDesign))},
        {"samples", rec.nSamples},
        {"samplesArePerPopulation", IsTwoSample(rec.nParameter)},
        {"totalCost", rec.dTotalCost},
        {"alpha", rec.dAlpha},
        {"beta", rec.dBeta},
        {"errorTable", table},
        {"notSatisfied", QJsonObject{{"below1", RowNotSatisfied(rec, kRowBelow1)},
                                     {"below2", RowNotSatisfied(rec, kRowBelow2)},
                                     {"above1", RowNotSatisfied(rec, kRowAbove1)},
                                     {"above2", RowNotSatisfied(rec, kRowAbove2)}}},
        {"strata", StrataJson(rec)},
        {"curve", CurveJson(rec)},
    };
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
        if (!WriteGraphFile(rec, o.graphFile, o.graphSize.value_or(QSize(640, 480)), error))
            fail(o.graphFile + ": " + error);
    }
    if (o.json)
        out << ResultsJson(rec);
    else if (o.reportFile.empty())
        out << report;
    return Flushed(out, err) && ok;
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
    if (const std::string misplaced = MisplacedOption(options); !misplaced.empty()) {
        err << "talo-cli: " << misplaced << "\n";
        return kExitRefused;
    }
    DQORecord rec;
    if (const Refusal refusal = EnterAnalysis(rec, options)) {
        err << refusal.title << ": " << refusal.text << "\n";
        return kExitRefused;
    }
    CStreamMessages messages(err);
    Compute(rec, options, messages);
    return WriteOutputs(rec, options, out, err) ? kExitOk : kExitFileError;
}
