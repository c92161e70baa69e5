#include "cli/csv_table.h"

#include "engine/number_text.h"

namespace {

// The length of the line end at pos, 0 when there is none.
size_t LineEndAt(const std::string& text, size_t pos)
{
    if (text.compare(pos, 2, "\r\n") == 0)
        return 2;
    return text.compare(pos, 1, "\n") == 0 ? 1 : 0;
}

} // namespace

bool ReadCsv(const std::string& text, std::vector<CsvRow>& rows, std::string& error)
{
    rows.clear();
    CsvRow row;
    int line = 1;
    size_t pos = 0;
    while (pos < text.size()) {
        std::string cell;
        if (text[pos] == '"') {
            const int firstLine = line;
            for (++pos;; ++pos) {
                if (pos >= text.size()) {
                    error = FormatText("line %d: a quoted cell is not closed", firstLine);
                    return false;
                }
                if (text[pos] == '"' && text.compare(pos, 2, "\"\"") != 0)
                    break;
                if (text[pos] == '"')
                    ++pos; // the first of two quotes
                line += text[pos] == '\n' ? 1 : 0;
                cell += text[pos];
            }
            ++pos;
        } else {
            while (pos < text.size() && text[pos] != ',' && LineEndAt(text, pos) == 0)
                cell += text[pos++];
        }
        row.push_back(cell);
        const size_t lineEnd = pos < text.size() ? LineEndAt(text, pos) : 0;
        if (pos < text.size() && text[pos] == ',') {
            // A comma at the very end leaves one more empty cell.
            if (++pos == text.size())
                row.emplace_back();
        } else if (lineEnd > 0 || pos == text.size()) {
            pos += lineEnd;
            ++line;
            rows.push_back(row);
            row.clear();
        } else {
            error = FormatText("line %d: a quoted cell must be followed by a comma or a line end",
                               line);
            return false;
        }
    }
    if (!row.empty())
        rows.push_back(row);
    return true;
}

std::string CsvLine(const CsvRow& cells)
{
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        if (i > 0)
            line += ',';
        if (cell.find_first_of(",\"\r\n") == std::string::npos) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell)
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line + "\n";
}
