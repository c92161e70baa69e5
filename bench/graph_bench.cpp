#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <benchmark/benchmark.h>

#include "bench/bench.h"
#include "engine/analysis_pass.h"
#include "tests/support/records.h"
#include "ui/graph/bitmap_writer.h"
#include "ui/graph/graph.h"

namespace {

DQORecord AnalysedRecord()
{
    DQORecord rec = StartingRecord(kOneMean);
    DiscardedMessages messages;
    ComputeAnalysisPass(rec, messages);
    return rec;
}

// The graph as the view draws it: onto white, antialiased, gray region filled.
void GraphDraw(benchmark::State& state, int width, int height)
{
    const DQORecord rec = AnalysedRecord();
    CGraph graph = CGraph::PerformanceCurve();
    QImage image(width, height, QImage::Format_ARGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        graph.Draw(painter, &rec, width, height, false);
    }
}

// The one-bit image as the clipboard and the bitmap file take it: drawn in
// copy mode, thresholded, and encoded as the file's bytes.
void MonoImage(benchmark::State& state, int width, int height)
{
    const DQORecord rec = AnalysedRecord();
    CGraph graph = CGraph::PerformanceCurve();
    for (auto _ : state) {
        const QByteArray bytes =
            EncodeMonoBitmap(RenderGraphMonochrome(graph, &rec, {width, height}));
        benchmark::DoNotOptimize(bytes.constData());
    }
}

} // namespace

void RegisterGraphBenchmarks()
{
    benchmark::RegisterBenchmark("GraphDraw/640x480", GraphDraw, 640, 480);
    benchmark::RegisterBenchmark("GraphDraw/1920x1080", GraphDraw, 1920, 1080);
    benchmark::RegisterBenchmark("MonoImage/640x480", MonoImage, 640, 480);
    benchmark::RegisterBenchmark("MonoImage/1920x1080", MonoImage, 1920, 1080);
}
