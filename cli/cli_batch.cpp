#include "cli/cli_batch.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <set>
#include <vector>

#include "cli/cli_inputs.h"
#include "cli/cli_options.h"
#include "cli/csv_table.h"
#include "cli/result_text.h"
#include "engine/dqo_record.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/record_views.h"
#include "engine/stats/exact_t.h"

namespace {

const CsvRow kResultColumns = {"samples",       "totalCost",    "alpha",     "beta", "notSatisfied",
                               "strataSamples", "exactSamples", "exactBeta", "error"};

// Messages of the engine on the error stream, under the row they belong to.
class CRowMessages : public Messages {
public:
    CRowMessages(std::ostream& err, int row) : m_err(err), m_row(row) {}
    void Show(const std::string& title, const std::string& text, MessageIcon) override
    {
        m_err << "row " << m_row << ": " << title << ": " << text << "\n";
    }

private:
    std::ostream& m_err;
    int m_row;
};

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    char buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

std::string Joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : ";") + part;
    return text;
}

std::vector<std::string> SplitAtSemicolons(const std::string& text)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t semicolon; (semicolon = text.find(';', start)) != std::string::npos;) {
        parts.push_back(text.substr(start, semicolon - start));
        start = semicolon + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// The row as the command line talo-cli would have been given; an empty
// cell gives no option, so that the option keeps its default.
bool PlanArguments(const CsvRow& header, const CsvRow& row, std::vector<std::string>& arguments,
                   std::string& error)
{
    if (row.size() != header.size()) {
        error = FormatText("talo-cli: the row has %zu cells, the header %zu", row.size(),
                           header.size());
        return false;
    }
    arguments = {"talo-cli"};
    for (size_t i = 0; i < header.size(); ++i) {
        const std::string option = "--" + header[i];
        const std::string& cell = row[i];
        if (cell.empty())
            continue;
        switch (PlanColumnKind(header[i])) {
        case PlanColumn::kFlag:
            if (cell != "0" && cell != "1") {
                error = "talo-cli: " + option + " is 1 or 0 in a batch, got " + cell;
                return false;
            }
            if (cell == "1")
                arguments.push_back(option);
            break;
        case PlanColumn::kRepeated:
            for (const std::string& value : SplitAtSemicolons(cell))
                arguments.push_back(option + "=" + value);
            break;
        default:
            arguments.push_back(option + "=" + cell);
        }
    }
    return true;
}

std::string Optional(const std::optional<int>& value)
{
    return value ? FormatText("%d", *value) : std::string();
}

std::string Optional(const std::optional<double>& value)
{
    return value ? DoubleText(*value) : std::string();
}

CsvRow ResultCells(const DQORecord& rec)
{
    std::vector<std::string> flags;
    for (const ErrorRow row : kAdditionalRowOf)
        flags.push_back(RowNotSatisfied(rec, row) ? "1" : "0");
    std::vector<std::string> strata;
    for (int h = 0; rec.nDesign == kStratified && h < StrataCount(rec); ++h)
        strata.push_back(FormatText("%d", rec.nStratumSamples[h]));
    const std::optional<ExactTCheck> exact = ExactTCrossCheck(rec);
    return {FormatText("%d", rec.nSamples),
            DoubleText(rec.dTotalCost),
            LimitText(rec.dAlpha),
            LimitText(rec.dBeta),
            Joined(flags),
            Joined(strata),
            exact ? Optional(exact->samples) : "",
            exact ? Optional(exact->beta) : "",
            ""};
}

// One plan from a new analysis: its results, or its refusal in the error
// column with the other results empty.
CsvRow PlanResults(const CsvRow& header, const CsvRow& row, int rowNumber, std::ostream& err)
{
    std::vector<std::string> arguments;
    std::string error;
    CliOptions options;
    bool helpRequested = false;
    DQORecord rec;
    if (PlanArguments(header, row, arguments, error) &&
        ParseCliOptions(arguments, options, error, helpRequested)) {
        error = MisplacedOption(options);
        if (!error.empty())
            error = "talo-cli: " + error;
        else if (const Refusal refusal = EnterAnalysis(rec, options))
            error = refusal.title + ": " + refusal.text;
    }
    if (!error.empty()) {
        err << "row " << rowNumber << ": " << error << "\n";
        CsvRow cells(kResultColumns.size());
        cells.back() = error;
        return cells;
    }
    CRowMessages messages(err, rowNumber);
    ComputeAnalysis(rec, options, messages);
    return ResultCells(rec);
}

// Every column names an option of a plan, once.
std::string HeaderError(const CsvRow& header)
{
    std::set<std::string> seen;
    for (const std::string& column : header) {
        if (PlanColumnKind(column) == PlanColumn::kNone)
            return "unknown column \"" + column +
                   "\": a column is an option of a plan, without "
                   "the dashes";
        if (!seen.insert(column).second)
            return "the column \"" + column + "\" is there twice";
    }
    return std::string();
}

} // namespace

std::string MisplacedBatchOption(const CliOptions& o)
{
    if (!o.batchFile)
        return o.outputFile ? "--output needs --batch" : "";
    for (const std::string& name : o.given) {
        if (name != "batch" && name != "output")
            return "--" + name + " does not go with --batch: the plans take their options " +
                   "from the file's columns, and the results are written as CSV";
    }
    return std::string();
}

bool ComputeBatch(const std::string& path, std::string& csv, bool& refused, std::ostream& err)
{
    std::string text;
    if (!ReadWholeFile(path, text)) {
        err << "talo-cli: cannot read " << path << "\n";
        return false;
    }
    // A spreadsheet may begin its UTF-8 text with a byte order mark.
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    std::vector<CsvRow> rows;
    std::string error;
    if (ReadCsv(text, rows, error))
        error = rows.empty() ? "no header" : HeaderError(rows[0]);
    if (!error.empty()) {
        err << "talo-cli: " << path << ": " << error << "\n";
        return false;
    }
    const CsvRow& header = rows[0];
    CsvRow columns = header;
    columns.insert(columns.end(), kResultColumns.begin(), kResultColumns.end());
    csv = CsvLine(columns);
    refused = false;
    for (size_t r = 1; r < rows.size(); ++r) {
        // An empty line holds no plan.
        if (rows[r] == CsvRow{""})
            continue;
        CsvRow cells = rows[r];
        cells.resize(header.size());
        const CsvRow results = PlanResults(header, rows[r], static_cast<int>(r + 1), err);
        refused = refused || !results.back().empty();
        cells.insert(cells.end(), results.begin(), results.end());
        csv += CsvLine(cells);
    }
    return true;
}
