#include "cli/cli_graph.h"

#include <utility>

#include <QFileInfo>

namespace {

GraphWriter& InstalledWriter()
{
    static GraphWriter writer;
    return writer;
}

} // namespace

bool IsGraphFileName(const std::string& path)
{
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    return suffix == QLatin1String("bmp") || suffix == QLatin1String("png") ||
           suffix == QLatin1String("pdf");
}

void SetGraphWriter(GraphWriter writer)
{
    InstalledWriter() = std::move(writer);
}

bool WriteGraph(const DQORecord& rec, const std::string& path, QSize size, std::string& error)
{
    if (!InstalledWriter()) {
        error = "this program cannot draw the graph";
        return false;
    }
    return InstalledWriter()(rec, path, size, error);
}
