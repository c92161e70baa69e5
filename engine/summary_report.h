#pragma once

#include <fstream>
#include <memory>
#include <string>

struct DQORecord;
class Messages;

// The text of one report block, exactly as written to the file.
std::string FormatSummaryReport(const DQORecord& rec);

// Asks the user for the name of a file to save (a file dialog in the
// program, a script in tests). Returns false when the user cancelled.
class FilePrompt {
public:
    virtual ~FilePrompt() = default;
    virtual bool AskSaveFileName(const std::string& initialName, std::string& chosenName) = 0;
};

// Writes text to path, truncating or appending; true only when the open, the
// write and the close all succeeded.
bool WriteTextFile(const std::string& path, const std::string& text, bool append);

// The report file of one analysis: the first save asks for the file and
// truncates it, later saves append to the same path without asking.
class CReportFile {
public:
    // 1 when a block was written, 0 when the prompt was cancelled or an
    // error was reported.
    int Save(const DQORecord& rec, FilePrompt& prompt, Messages& messages);
    // A new analysis: no stream, empty path, so the next save prompts again.
    void Forget();
    const std::string& Path() const { return m_strReportPath; }
    bool HasStream() const { return m_pReportStream != nullptr; }

private:
    bool CreateStream(FilePrompt& prompt, Messages& messages);

    std::unique_ptr<std::ofstream> m_pReportStream;
    std::string m_strReportPath;
};
