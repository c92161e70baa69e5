#include "cli/cli_graph.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "engine/dqo_record.h"
#include "ui/graph/bitmap_writer.h"
#include "ui/graph/graph.h"

namespace {

bool WriteColourImage(CGraph& graph, const DQORecord& rec, const QString& path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    graph.Draw(painter, &rec, size.width(), size.height(), false);
    painter.end();
    return image.save(path, "PNG");
}

bool WritePrintedPage(CGraph& graph, const DQORecord& rec, const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(300);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    graph.Draw(painter, &rec, writer.width(), writer.height(), true);
    return painter.end();
}

} // namespace

bool IsGraphFileName(const std::string& path)
{
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    return suffix == QLatin1String("bmp") || suffix == QLatin1String("png") ||
           suffix == QLatin1String("pdf");
}

bool WriteGraphFile(const DQORecord& rec, const std::string& path, QSize size, std::string& error)
{
    const QString file = QString::fromStdString(path);
    const QString suffix = QFileInfo(file).suffix().toLower();
    CGraph graph = CGraph::PerformanceCurve();
    bool written = false;
    if (suffix == QLatin1String("bmp"))
        written = WriteBitmapFile(RenderGraphMonochrome(graph, &rec, size), file);
    else if (suffix == QLatin1String("png"))
        written = WriteColourImage(graph, rec, file, size);
    else
        written = WritePrintedPage(graph, rec, file);
    if (!written)
        error = "the file could not be written";
    return written;
}
