#include "cli/graph_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include "engine/dqo_record.h"
#include "engine/file_output.h"
#include "ui/graph/bitmap_writer.h"
#include "ui/graph/graph.h"

namespace {

QString Suffix(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).suffix().toLower();
}

QByteArray ColourImage(CGraph& graph, const DQORecord& rec, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return QByteArray();
    image.fill(Qt::white);
    QPainter painter(&image);
    graph.Draw(painter, &rec, size.width(), size.height(), false);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

QByteArray PrintedPage(CGraph& graph, const DQORecord& rec)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        QPainter painter;
        if (!painter.begin(&writer))
            return QByteArray();
        graph.Draw(painter, &rec, writer.width(), writer.height(), true);
        if (!painter.end())
            return QByteArray();
    }
    return bytes;
}

// The file's content in the format its name asks for; empty when it could
// not be drawn.
QByteArray GraphFileBytes(const DQORecord& rec, const std::string& path, QSize size)
{
    CGraph graph = CGraph::PerformanceCurve();
    const QString suffix = Suffix(path);
    if (suffix == QLatin1String("bmp"))
        return EncodeMonoBitmap(RenderGraphMonochrome(graph, &rec, size));
    if (suffix == QLatin1String("png"))
        return ColourImage(graph, rec, size);
    return PrintedPage(graph, rec);
}

} // namespace

bool WriteGraphFile(const DQORecord& rec, const std::string& path, QSize size, std::string& error)
{
    // Fonts need the GUI platform, which talo-cli starts only for a graph.
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        error = "the graph needs a GUI platform";
        return false;
    }
    const QByteArray bytes = GraphFileBytes(rec, path, size);
    if (bytes.isEmpty()) {
        error = "the graph could not be drawn";
        return false;
    }
    // Drawn in memory first, so that a failed write leaves the old file as it was.
    if (WriteFileWhole(path, bytes.toStdString()) != FileWrite::kWritten) {
        error = "the file could not be written";
        return false;
    }
    return true;
}
