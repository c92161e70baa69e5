#include "engine/summary_report.h"

#include <new>

#include "engine/dqo_record.h"
#include "engine/file_output.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/record_views.h"

namespace {

const char* const kFrame = "************************************************************\n";
const char* const kCannotAllocate = "ERROR: Cannot allocate space for the file stream object.";
const char* const kCannotOpen = "ERROR: Cannot open file.";
const char* const kCannotWrite = "ERROR: Cannot write to file.";

std::string DesignLines(const DQORecord& rec)
{
    std::string text = FormatText("For the Sampling Design of:  %s\n", DesignName(rec.nDesign));
    text += FormatText("Total Cost: $%.2f\n", rec.dTotalCost);
    text += FormatText("  Laboratory Cost per Sample: $%.2f\n", static_cast<double>(rec.fLabCost));
    text += FormatText("  Field Cost per Sample: $%.2f\n", static_cast<double>(rec.fFieldCost));
    text += FormatText("Number of Samples: %d\n", rec.nSamples);
    if (rec.nDesign == kComposite)
        text += FormatText("Number of Aliquots within Composite: %d\n", rec.nAliquots);
    else if (rec.nDesign == kStratified)
        text += FormatText("Number of Strata: %d\n", rec.nStrata);
    return text + "\n";
}

std::string StrataTable(const DQORecord& rec)
{
    std::string text = rec.nParameter == kOneMean
                           ? "          Number of\n"
                             "Stratum    Samples      Weight              SD    \n"
                           : "          Number of                     Underlying\n"
                             "Stratum    Samples      Weight          Proportion\n";
    const int strata = StrataCount(rec);
    for (int h = 0; h < strata; ++h)
        text += FormatText("  %2d       %4d          %4.3f     %13.2f\n", h + 1,
                           rec.nStratumSamples[h], rec.dStratumWeight[h], rec.dStratumValue[h]);
    return text + "\n";
}

std::string ObjectiveLines(const DQORecord& rec)
{
    std::string text = "                Data Quality Objectives\n";
    text += FormatText("Action Level:    %.3f\n", rec.dActionLevel);
    text += FormatText("Gray Region:     %.3f - %.3f\n", rec.dLowerBound, rec.dUpperBound);
    const char* relation = rec.nBaseline == kBaselineAtMost ? "<=" : ">=";
    // The differences without blanks around the minus, unlike the summary screen.
    text += FormatText("Baseline Condition: %s %s %.3f\n",
                       ParameterWord(ParameterOf(rec), ParameterWordForm::kPlain), relation,
                       rec.dActionLevel);
    if (rec.nParameter == kOneMean) {
        text += FormatText("Standard Deviation (SD):  %.2f\n", rec.dSD);
        if (rec.nDesign == kComposite)
            text += FormatText("Ratio of Measurement SD to Total SD:  %.2f\n", rec.dSDRatio);
    }
    return text;
}

std::string UnusedRow(const char* label)
{
    return FormatText("             ---            ----         %s\n", label);
}

// Rows up to the lower bound carry the "Not Satisfied" column; the lower
// bound itself has no flag, as the computed design always meets it.
std::string LowerRow(const DQORecord& rec, int row, const char* label)
{
    if (rec.dErrorLimit[row] == 0)
        return UnusedRow(label);
    const bool flagged = RowNotSatisfied(rec, static_cast<ErrorRow>(row));
    return FormatText("    %13.3f         %5.4f        %s    %s\n", rec.dErrorPoint[row],
                      rec.dErrorLimit[row], label, flagged ? "Not Satisfied" : "");
}

// Rows from the upper bound on have no column, but an unmet limit above the
// gray region is named as one below it is.
std::string UpperRow(const DQORecord& rec, int row, const char* label)
{
    if (rec.dErrorLimit[row] == 0)
        return UnusedRow(label);
    const bool flagged = RowNotSatisfied(rec, static_cast<ErrorRow>(row));
    return FormatText("    %13.3f         %5.4f        %s%s\n", rec.dErrorPoint[row],
                      rec.dErrorLimit[row], label, flagged ? "    Not Satisfied" : "");
}

// The table shows the calculation block, which may differ from the inputs
// after a too-large adjustment.
std::string LimitsTable(const DQORecord& rec)
{
    const bool nullBelow = rec.nBaseline == kBaselineAtMost;
    const char* lowerLabel = nullBelow ? "FR" : "FA";
    const char* upperLabel = nullBelow ? "FA" : "FR";
    std::string text = "\n                Decision Error Limits\n";
    text += FormatText("            %s        prob(error)     type\n",
                       IsProportion(rec.nParameter) ? "prop." : "conc.");
    for (int row = kRowBelow1; row <= kRowLower; ++row)
        text += LowerRow(rec, row, lowerLabel);
    for (int row = kRowUpper; row <= kRowAbove2; ++row)
        text += UpperRow(rec, row, upperLabel);
    return text + "\n";
}

// Later saves append through the report's stream; a full disk or a lost
// device shows only at the flush or the close, so both are checked.
FileWrite AppendThrough(std::ofstream& stream, const std::string& path, const std::string& text)
{
    stream.open(path, std::ios::out | std::ios::app);
    if (!stream.is_open())
        return FileWrite::kOpenFailed;
    stream << text;
    stream.flush();
    const bool written = stream.good();
    stream.close();
    return written && !stream.fail() ? FileWrite::kWritten : FileWrite::kWriteFailed;
}

} // namespace

std::string FormatSummaryReport(const DQORecord& rec)
{
    std::string text = kFrame;
    text += "\n                Design/DQO Summary Screen\n\n";
    text += DesignLines(rec);
    if (rec.nDesign == kStratified)
        text += StrataTable(rec);
    text += ObjectiveLines(rec);
    text += LimitsTable(rec);
    return text + kFrame;
}

bool WriteTextFile(const std::string& path, const std::string& text, bool append)
{
    const FileWrite outcome = append ? AppendToFile(path, text) : WriteFileWhole(path, text);
    return outcome == FileWrite::kWritten;
}

int CReportFile::Save(const DQORecord& rec, FilePrompt& prompt, Messages& messages)
{
    const bool append = m_pReportStream != nullptr;
    if (!append && !CreateStream(prompt, messages))
        return 0;
    // The first save replaces the chosen file whole, so a failure leaves it as it was.
    const std::string block = FormatSummaryReport(rec);
    const FileWrite outcome = append ? AppendThrough(*m_pReportStream, m_strReportPath, block)
                                     : WriteFileWhole(m_strReportPath, block);
    if (outcome == FileWrite::kWritten)
        return 1;
    // The stream and the path stay, so the next save appends to the same file.
    messages.Show(kTitleTalo, outcome == FileWrite::kOpenFailed ? kCannotOpen : kCannotWrite,
                  MessageIcon::Warning);
    return 0;
}

void CReportFile::Forget()
{
    m_pReportStream.reset();
    m_strReportPath.clear();
}

// The first save of an analysis: ask for the file and create its stream.
// Nothing is kept when the user cancels or the stream cannot be made.
bool CReportFile::CreateStream(FilePrompt& prompt, Messages& messages)
{
    std::string chosen;
    if (!prompt.AskSaveFileName(m_strReportPath, chosen))
        return false;
    m_pReportStream.reset(new (std::nothrow) std::ofstream);
    if (!m_pReportStream) {
        messages.Show(kTitleTalo, kCannotAllocate, MessageIcon::Warning);
        return false;
    }
    m_strReportPath = chosen;
    return true;
}
