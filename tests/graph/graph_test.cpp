#include "graph/graph.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>
#include <iterator>
#include <limits>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "doc/analysis_pass.h"
#include "doc/dqo_record.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

const QRgb kBlue = qRgb(0, 0, 200);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRegionGray = qRgb(150, 150, 150);
const QRgb kRed = qRgb(200, 0, 0);
const QRgb kLightGray = qRgb(200, 200, 200);
const QRgb kGreen = qRgb(0, 128, 0);

// ---- Records ----

struct GraphCase {
    const char* name;
    int parameter;
    int baseline;
    int design;
};

const GraphCase kCases[] = {
    {"Mean", kOneMean, kBaselineAtMost, kSimpleRandom},
    {"MeanAtLeast", kOneMean, kBaselineAtLeast, kSimpleRandom},
    {"MeanComposite", kOneMean, kBaselineAtMost, kComposite},
    {"MeanStratifiedAtLeast", kOneMean, kBaselineAtLeast, kStratified},
    {"Proportion", kOneProportion, kBaselineAtMost, kSimpleRandom},
    {"ProportionAtLeast", kOneProportion, kBaselineAtLeast, kSimpleRandom},
    {"ProportionStratified", kOneProportion, kBaselineAtMost, kStratified},
    {"TwoMean", kTwoMean, kBaselineAtMost, kSimpleRandom},
    {"TwoMeanAtLeast", kTwoMean, kBaselineAtLeast, kSimpleRandom},
    {"TwoProportion", kTwoProportion, kBaselineAtMost, kSimpleRandom},
    {"TwoProportionAtLeast", kTwoProportion, kBaselineAtLeast, kSimpleRandom},
};

DQORecord Analysed(DQORecord rec)
{
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    return rec;
}

DQORecord Analysed(const GraphCase& c)
{
    static const double kProportions[kMaxStrata] = {0.3, 0.5, 0.6};
    static const double kDeviations[kMaxStrata] = {10, 16.67, 25};
    static const double kWeights[kMaxStrata] = {0.5, 0.3, 0.2};

    DQORecord rec = StartingRecord(c.parameter);
    if (c.baseline == kBaselineAtLeast) {
        // A gray region of the same width, below the action level.
        rec.nBaseline = kBaselineAtLeast;
        rec.dLowerBound = 2 * rec.dActionLevel - rec.dUpperBound;
        rec.dUpperBound = rec.dActionLevel;
    }
    rec.nDesign = c.design;
    if (c.design == kComposite) {
        rec.dSDRatio = 0.5;
        rec.nAliquots = 4;
    }
    if (c.design == kStratified) {
        const double* values = IsProportion(c.parameter) ? kProportions : kDeviations;
        rec.nStrata = 3;
        std::copy(values, values + kMaxStrata, rec.dStratumValue);
        std::copy(kWeights, kWeights + kMaxStrata, rec.dStratumWeight);
    }
    return Analysed(rec);
}

void PrintTo(const GraphCase& c, std::ostream* os)
{
    *os << c.name;
}

int ActionLine(const DQORecord& rec)
{
    return rec.nBaseline == kBaselineAtLeast ? 1 : 0;
}

// ---- Pixels ----

QImage Render(CGraph& graph, const DQORecord* rec, bool printing = false,
              QSize size = {kWidth, kHeight})
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    graph.Draw(painter, rec, size.width(), size.height(), printing);
    painter.end();
    return image;
}

int CountPixels(const QImage& image, QRgb colour, QRect area = {})
{
    const QRect box = area.isNull() ? image.rect() : area & image.rect();
    int count = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

double Share(const QImage& image, QRgb colour, QRect area)
{
    return static_cast<double>(CountPixels(image, colour, area)) / (area.width() * area.height());
}

struct Run {
    int line = -1;
    int from = 0;
    int to = -1;
};

// The longest unbroken run of the colour along rows (or columns).
Run LongestRun(const QImage& image, QRgb colour, bool alongRows)
{
    const int lines = alongRows ? image.height() : image.width();
    const int length = alongRows ? image.width() : image.height();
    Run best;
    for (int line = 0; line < lines; ++line) {
        int start = -1;
        for (int i = 0; i <= length; ++i) {
            const bool on =
                i < length && image.pixel(alongRows ? i : line, alongRows ? line : i) == colour;
            if (on && start < 0)
                start = i;
            if (!on && start >= 0) {
                if (i - 1 - start > best.to - best.from)
                    best = {line, start, i - 1};
                start = -1;
            }
        }
    }
    return best;
}

// The plot's corners as the drawn axes show them.
struct PlotBox {
    int left, right, top, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    int At(double position) const { return left + static_cast<int>(Width() * position); }
};

PlotBox FindAxes(const QImage& image, QRgb colour)
{
    const Run xAxis = LongestRun(image, colour, true);
    const Run yAxis = LongestRun(image, colour, false);
    return {yAxis.line, xAxis.to, yAxis.from, xAxis.line};
}

// The column holding most pixels of the colour.
int FullestColumn(const QImage& image, QRgb colour)
{
    int best = -1;
    int bestCount = 0;
    for (int x = 0; x < image.width(); ++x) {
        const int count = CountPixels(image, colour, QRect(x, 0, 1, image.height()));
        if (count > bestCount) {
            best = x;
            bestCount = count;
        }
    }
    return best;
}

// The gray region without its edges, where only the fill can be.
QRect RegionInside(const PlotBox& box, const DQORecord& rec)
{
    const int left = box.At(rec.plotSpec.dVLinePos[0]) + 3;
    const int right = box.At(rec.plotSpec.dVLinePos[1]) - 3;
    return QRect(left, box.top + 3, right - left, box.Height() - 6);
}

class GraphScreenTest : public ::testing::TestWithParam<GraphCase> {
protected:
    DQORecord rec = Analysed(GetParam());
    CGraph graph = CGraph::PerformanceCurve();
};

TEST_P(GraphScreenTest, BlueAxesSpanThePlot)
{
    const PlotBox box = FindAxes(Render(graph, &rec), kBlue);
    EXPECT_GT(box.Width(), kWidth / 2);
    EXPECT_GT(box.Height(), kHeight / 3);
    EXPECT_GT(box.left, 0);
    EXPECT_LT(box.right, kWidth);
}

TEST_P(GraphScreenTest, GrayRegionIsFilledBetweenItsBounds)
{
    const QImage image = Render(graph, &rec);
    const PlotBox box = FindAxes(image, kBlue);
    const QRect inside = RegionInside(box, rec);
    EXPECT_GT(Share(image, kRegionGray, inside), 0.9);
    const QRect leftOfIt(box.left + 2, box.top + 3, inside.left() - 6 - box.left, box.Height() - 6);
    EXPECT_LT(Share(image, kRegionGray, leftOfIt), 0.01);
}

TEST_P(GraphScreenTest, ActionLevelLineIsRedAndTheOtherBoundDotted)
{
    const QImage image = Render(graph, &rec);
    const PlotBox box = FindAxes(image, kBlue);
    const int action = ActionLine(rec);
    const int red = FullestColumn(image, kRed);
    EXPECT_NEAR(red, box.At(rec.plotSpec.dVLinePos[action]), 1);
    EXPECT_GT(CountPixels(image, kRed, QRect(red, 0, 1, kHeight)), box.Height() * 9 / 10);
    const int dotted = FullestColumn(image, kLightGray);
    EXPECT_NEAR(dotted, box.At(rec.plotSpec.dVLinePos[1 - action]), 1);
    const int dots = CountPixels(image, kLightGray, QRect(dotted, 0, 1, kHeight));
    EXPECT_GT(dots, box.Height() / 5);
    EXPECT_LT(dots, box.Height() * 2 / 3);
}

TEST_P(GraphScreenTest, CurveRisesFromTheLeftToTheRightEnd)
{
    const QImage image = Render(graph, &rec);
    const PlotBox box = FindAxes(image, kBlue);
    std::vector<int> topmost(kWidth, -1);
    for (int x = 0; x < kWidth; ++x)
        for (int y = kHeight - 1; y >= 0; --y)
            if (image.pixel(x, y) == kGreen)
                topmost[x] = y;
    const auto first = std::find_if(topmost.begin(), topmost.end(), [](int y) { return y >= 0; });
    const auto last = std::find_if(topmost.rbegin(), topmost.rend(), [](int y) { return y >= 0; });
    ASSERT_NE(first, topmost.end());
    EXPECT_NEAR(first - topmost.begin(), box.left + box.Width() / kCurvePoints, 2);
    EXPECT_NEAR(topmost.rend() - last - 1, box.right, 1);
    EXPECT_LT(*last, *first - box.Height() / 2);
    int previous = kHeight;
    for (const int y : topmost) {
        if (y < 0)
            continue;
        EXPECT_LE(y, previous + 1);
        previous = y;
    }
}

TEST_P(GraphScreenTest, CopyModeLeavesTheGrayRegionUnfilled)
{
    graph.SetCopyMode(1);
    const QImage image = Render(graph, &rec);
    const PlotBox box = FindAxes(image, kBlue);
    EXPECT_LT(Share(image, kRegionGray, RegionInside(box, rec)), 0.01);
    EXPECT_GT(CountPixels(image, kRed), box.Height() * 9 / 10);
    EXPECT_GT(CountPixels(image, kGreen), box.Width() / 2);
    EXPECT_EQ(graph.CopyMode(), 1);
}

TEST_P(GraphScreenTest, PrintingDrawsBlackAxesInsideTheMarginAndFillsTheRegion)
{
    const PlotBox screen = FindAxes(Render(graph, &rec), kBlue);
    graph.SetCopyMode(1);
    const QImage image = Render(graph, &rec, true);
    EXPECT_EQ(CountPixels(image, kBlue), 0);
    const PlotBox page = FindAxes(image, kBlack);
    EXPECT_GT(page.left, screen.left);
    EXPECT_LT(page.right, screen.right);
    EXPECT_LT(page.bottom, screen.bottom);
    EXPECT_GT(Share(image, kRegionGray, RegionInside(page, rec)), 0.9);
}

INSTANTIATE_TEST_SUITE_P(Analyses, GraphScreenTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

TEST(GraphStandingTitleTest, OnlyTheTitleCentredAtTheTop)
{
    CGraph graph = CGraph::PerformanceCurve();
    const QImage image = Render(graph, nullptr);
    EXPECT_EQ(CountPixels(image, kBlue), 0);
    EXPECT_EQ(CountPixels(image, kGreen), 0);
    const QRect band(0, 0, kWidth, kHeight / 10);
    EXPECT_GT(CountPixels(image, kBlack, band), 20);
    const QRect below(0, band.bottom() + 1, kWidth, kHeight - band.height());
    EXPECT_EQ(CountPixels(image, qRgb(255, 255, 255), below), below.width() * below.height());
    int left = kWidth;
    int right = 0;
    for (int y = 0; y < band.height(); ++y)
        for (int x = 0; x < kWidth; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    EXPECT_NEAR(left + right, kWidth, 4);
}

// ---- What is drawn, by call ----

// A paint device that keeps the texts and strokes drawn on it: texts with
// their baseline point on the device, strokes with their pen.
class RecordingDevice : public QPaintDevice {
public:
    struct Text {
        QString text;
        QPointF origin;
        QTransform transform;
        QFont font;
    };
    struct Stroke {
        QPolygonF points;
        QColor colour;
        Qt::PenStyle style;
        bool polyline;
    };
    struct Fill {
        QRectF rect;
        QColor colour;
    };

    explicit RecordingDevice(int dpi = 96) : m_dpi(dpi), m_engine(this) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }

    std::vector<Text> texts;
    std::vector<Stroke> strokes;
    std::vector<Fill> fills;

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return kWidth;
        case PdmHeight:
            return kHeight;
        case PdmWidthMM:
            return kWidth * 254 / (10 * m_dpi);
        case PdmHeightMM:
            return kHeight * 254 / (10 * m_dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return m_dpi;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return INT_MAX;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(RecordingDevice* device) : QPaintEngine(AllFeatures), m_device(device) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return User; }
        void updateState(const QPaintEngineState& state) override
        {
            if (state.state() & DirtyTransform)
                m_transform = state.transform();
            if (state.state() & DirtyPen)
                m_pen = state.pen();
            if (state.state() & DirtyBrush)
                m_brush = state.brush();
        }
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            m_device->texts.push_back({item.text(), m_transform.map(p), m_transform, item.font()});
        }
        void drawLines(const QLineF* lines, int count) override
        {
            for (int i = 0; i < count; ++i)
                AddStroke(QPolygonF{lines[i].p1(), lines[i].p2()}, false);
        }
        void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
        {
            if (mode == PolylineMode)
                AddStroke(QPolygonF(QList<QPointF>(points, points + count)), true);
        }
        void drawRects(const QRectF* rects, int count) override
        {
            for (int i = 0; i < count; ++i)
                m_device->fills.push_back({rects[i], m_brush.color()});
        }
        void drawPath(const QPainterPath&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    private:
        void AddStroke(const QPolygonF& points, bool polyline)
        {
            m_device->strokes.push_back(
                {m_transform.map(points), m_pen.color(), m_pen.style(), polyline});
        }
        RecordingDevice* m_device;
        QTransform m_transform;
        QPen m_pen;
        QBrush m_brush;
    };

    int m_dpi;
    mutable Engine m_engine;
};

struct Recording {
    std::vector<RecordingDevice::Text> texts;
    std::vector<RecordingDevice::Stroke> strokes;
    std::vector<RecordingDevice::Fill> fills;
    PlotBox box{};
    QColor axisColour;

    const RecordingDevice::Text* Find(const QString& text) const
    {
        const auto found = std::find_if(texts.begin(), texts.end(),
                                        [&](const auto& item) { return item.text == text; });
        return found == texts.end() ? nullptr : &*found;
    }
    // The texts on the same baseline as the given one, left to right.
    std::vector<RecordingDevice::Text> Row(const QString& member) const
    {
        std::vector<RecordingDevice::Text> row;
        const auto* anchor = Find(member);
        if (anchor == nullptr)
            return row;
        std::copy_if(texts.begin(), texts.end(), std::back_inserter(row),
                     [&](const auto& t) { return t.origin.y() == anchor->origin.y(); });
        std::sort(row.begin(), row.end(),
                  [](const auto& a, const auto& b) { return a.origin.x() < b.origin.x(); });
        return row;
    }
    std::vector<RecordingDevice::Stroke> Strokes(QColor colour, bool polyline) const
    {
        std::vector<RecordingDevice::Stroke> found;
        std::copy_if(strokes.begin(), strokes.end(), std::back_inserter(found),
                     [&](const auto& s) { return s.colour == colour && s.polyline == polyline; });
        return found;
    }
    int LineX(double position) const { return box.left + static_cast<int>(box.Width() * position); }
};

Recording Record(CGraph& graph, const DQORecord* rec, bool printing = false, int dpi = 96)
{
    RecordingDevice device(dpi);
    QPainter painter(&device);
    graph.Draw(painter, rec, kWidth, kHeight, printing);
    painter.end();
    Recording recording{device.texts, device.strokes, device.fills, {}, {}};
    // The first two strokes are the x axis and the y axis.
    if (recording.strokes.size() >= 2) {
        const QLineF xAxis(recording.strokes[0].points[0], recording.strokes[0].points[1]);
        const QLineF yAxis(recording.strokes[1].points[0], recording.strokes[1].points[1]);
        recording.box = {static_cast<int>(xAxis.x1()), static_cast<int>(xAxis.x2()),
                         static_cast<int>(yAxis.y2()), static_cast<int>(xAxis.y1())};
        recording.axisColour = recording.strokes[0].colour;
    }
    return recording;
}

int Ascent(const RecordingDevice::Text& item)
{
    return QFontMetrics(item.font).ascent();
}

int Top(const RecordingDevice::Text& item)
{
    return static_cast<int>(item.origin.y()) - Ascent(item);
}

int Advance(const RecordingDevice::Text& item, const QString& text)
{
    return QFontMetrics(item.font).horizontalAdvance(text);
}

QString Formatted(const char* format, double value)
{
    return QString::asprintf(format, value);
}

TEST(GraphTextTest, StartingMeanAnalysisShowsItsWorkedValues)
{
    CGraph graph = CGraph::PerformanceCurve();
    const DQORecord rec = Analysed(StartingRecord(kOneMean));
    const Recording drawn = Record(graph, &rec);
    for (const char* text :
         {"Estimated Performance Curve", "True Mean Concentration", "Simple Random Sampling",
          "Action Level = 50.000", "Cost = $13650.00", "Sample Size = 13", "Decision Error Limits",
          "concentration prob(E) type", "50.000             0.010      FR ",
          "75.000             0.010      FA ", "Ho: mean < 50", "Action Level -->", "FR", "FA"})
        EXPECT_NE(drawn.Find(text), nullptr) << text;
    const int limitLabels = std::count_if(drawn.texts.begin(), drawn.texts.end(),
                                          [](const auto& item) { return item.text == "0.010"; });
    EXPECT_EQ(limitLabels, 2);
}

TEST(GraphTextTest, TextBlockAndTableAreStackedLines)
{
    CGraph graph = CGraph::PerformanceCurve();
    const DQORecord rec = Analysed(StartingRecord(kOneMean));
    const Recording drawn = Record(graph, &rec);
    const char* const block[] = {"Simple Random Sampling", "Action Level = 50.000",
                                 "Cost = $13650.00", "Sample Size = 13"};
    for (int i = 1; i < 4; ++i) {
        const auto* above = drawn.Find(block[i - 1]);
        const auto* line = drawn.Find(block[i]);
        ASSERT_TRUE(above && line);
        EXPECT_EQ(line->origin.x(), above->origin.x());
        EXPECT_GE(Top(*line), Top(*above) + QFontMetrics(line->font).height());
    }
    const auto* title = drawn.Find("Decision Error Limits");
    const auto* header = drawn.Find("concentration prob(E) type");
    ASSERT_TRUE(title && header);
    // The table's header ends near the right edge.
    EXPECT_NEAR(header->origin.x() + Advance(*header, header->text), kWidth, 10);
    EXPECT_EQ(Top(*title), Top(*drawn.Find(block[0])));
}

TEST(GraphTextTest, TitleCentredOneLargeLineDownAndTicksLabelled)
{
    CGraph graph = CGraph::PerformanceCurve();
    const DQORecord rec = Analysed(StartingRecord(kOneMean));
    const Recording drawn = Record(graph, &rec);
    const auto* title = drawn.Find("Estimated Performance Curve");
    ASSERT_NE(title, nullptr);
    const QFontMetrics large(title->font);
    EXPECT_NEAR(title->origin.x() * 2 + Advance(*title, title->text), kWidth, 1);
    EXPECT_EQ(Top(*title), large.height() + large.leading());

    // y ticks 0.0 .. 1.0 right-aligned at one x, centred on their height.
    for (int i = 0; i <= 10; ++i) {
        const QString label = Formatted("%.1f", i / 10.0);
        const auto* item = drawn.Find(label);
        ASSERT_NE(item, nullptr) << label.toStdString();
        const int labelMid = Top(*item) + QFontMetrics(item->font).height() / 2;
        const int tickY = drawn.box.bottom - drawn.box.Height() * i / 10;
        EXPECT_NEAR(labelMid, tickY, 2) << label.toStdString();
        EXPECT_NEAR(item->origin.x() + Advance(*item, label),
                    drawn.Find("1.0")->origin.x() + Advance(*item, "1.0"), 0.5);
        EXPECT_LT(item->origin.x() + Advance(*item, label), drawn.box.left);
    }
    // x ticks 0.0 .. 100.0 centred under their tick.
    const auto row = drawn.Row("100.0");
    ASSERT_EQ(row.size(), 11u);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(row[i].text, Formatted("%.1f", i * 10.0));
        const double centre = row[i].origin.x() + Advance(row[i], row[i].text) / 2.0;
        EXPECT_NEAR(centre, drawn.box.left + drawn.box.Width() * i / 10.0, 2);
        EXPECT_GT(Top(row[i]), drawn.box.bottom);
    }
    // Between the axis and the x label, clear of both.
    const auto* xLabel = drawn.Find("True Mean Concentration");
    ASSERT_NE(xLabel, nullptr);
    EXPECT_LE(Top(row[0]) + QFontMetrics(row[0].font).height(), Top(*xLabel));
}

TEST(GraphTextTest, TwoSampleProportionAxisRunsFromMinusOneToOne)
{
    CGraph graph = CGraph::PerformanceCurve();
    DQORecord rec = Analysed(StartingRecord(kTwoProportion));
    // The axis ignores whatever the range fields hold.
    rec.dMinimum = -0.5;
    rec.dMaximum = 0.8;
    const Recording drawn = Record(graph, &rec);
    const char* const labels[] = {"-1.0", "-0.8", "-0.6", "-0.4", "-0.2", "0.0",
                                  "0.2",  "0.4",  "0.6",  "0.8",  "1.0"};
    const auto row = drawn.Row("-1.0");
    ASSERT_EQ(row.size(), std::size(labels));
    for (std::size_t i = 0; i < row.size(); ++i)
        EXPECT_EQ(row[i].text, labels[i]);
    // The staircase at the lower bound (the action level 0) ends at the
    // middle of the axis, where the red line stands.
    const auto stairs = drawn.Strokes(drawn.axisColour, true);
    ASSERT_FALSE(stairs.empty());
    EXPECT_NEAR(stairs.front().points.back().x(), drawn.box.left + drawn.box.Width() / 2, 1);
}

// Labels that depend on the parameter.
struct LabelCase {
    int parameter;
    const char* xLabel;
    const char* yFirst;
    const char* ySecond;
    const char* header;
    const char* hypothesis;
};

class GraphLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(GraphLabelTest, AxisLabelsHeaderAndHypothesis)
{
    const LabelCase& c = GetParam();
    CGraph graph = CGraph::PerformanceCurve();
    const DQORecord rec = Analysed(StartingRecord(c.parameter));
    const Recording drawn = Record(graph, &rec);
    for (const char* text : {c.xLabel, c.yFirst, c.ySecond, c.header, c.hypothesis})
        EXPECT_NE(drawn.Find(text), nullptr) << text;
}

TEST_P(GraphLabelTest, YLabelReadsUpwardCentredOnTheAxis)
{
    const LabelCase& c = GetParam();
    CGraph graph = CGraph::PerformanceCurve();
    const DQORecord rec = Analysed(StartingRecord(c.parameter));
    const Recording drawn = Record(graph, &rec);
    const auto* first = drawn.Find(c.yFirst);
    const auto* second = drawn.Find(c.ySecond);
    ASSERT_TRUE(first && second);
    for (const auto* part : {first, second}) {
        const QPointF along = part->transform.map(QPointF(1, 0)) - part->transform.map(QPointF());
        EXPECT_NEAR(along.x(), 0, 1e-9);
        EXPECT_NEAR(along.y(), -1, 1e-9);
        const double middle = part->origin.y() - Advance(*part, part->text) / 2.0;
        EXPECT_NEAR(middle, drawn.box.bottom - drawn.box.Height() / 2.0, 1.5);
    }
    EXPECT_GT(second->origin.x(), first->origin.x());
    EXPECT_LT(second->origin.x() + Ascent(*second), drawn.box.left);
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, GraphLabelTest,
    ::testing::ValuesIn(std::vector<LabelCase>{
        {kOneMean, "True Mean Concentration", "Probability of deciding that the true",
         "mean is greater than the action level", "concentration prob(E) type", "Ho: mean < 50"},
        {kOneProportion, "True Proportion", "Probability of deciding that the true",
         "proportion is greater than the action level", "proportion    prob(E) type",
         "Ho: proportion < 0.5"},
        {kTwoMean, "True Difference in Mean Concentration",
         "Probability of deciding that the true mean",
         "difference is greater than the action level", "concentration prob(E) type",
         "Ho: mean1 - mean2 < 0"},
        {kTwoProportion, "True Difference in Proportions",
         "Probability of deciding that the true prop.",
         "difference is greater than the action level", "proportion    prob(E) type",
         "Ho: prop1 - prop2 < 0"},
    }));

class GraphDecisionTest : public ::testing::TestWithParam<GraphCase> {
protected:
    DQORecord rec = Analysed(GetParam());
    CGraph graph = CGraph::PerformanceCurve();
    Recording drawn = Record(graph, &rec);
    bool atLeast = GetParam().baseline == kBaselineAtLeast;
};

TEST_P(GraphDecisionTest, BoundLinesStandAtTheGrayRegionBounds)
{
    const auto red = drawn.Strokes(QColor(200, 0, 0), false);
    const auto dotted = drawn.Strokes(QColor(200, 200, 200), false);
    ASSERT_EQ(red.size(), 1u);
    ASSERT_EQ(dotted.size(), 1u);
    EXPECT_EQ(dotted.front().style, Qt::DotLine);
    EXPECT_EQ(red.front().points[0].x(), drawn.LineX(rec.plotSpec.dVLinePos[ActionLine(rec)]));
    EXPECT_EQ(dotted.front().points[0].x(),
              drawn.LineX(rec.plotSpec.dVLinePos[1 - ActionLine(rec)]));
    ASSERT_EQ(drawn.fills.size(), 1u);
    EXPECT_EQ(drawn.fills.front().colour, QColor(150, 150, 150));
    EXPECT_EQ(drawn.fills.front().rect.left(), drawn.LineX(rec.plotSpec.dVLinePos[0]));
    EXPECT_EQ(drawn.fills.front().rect.right(), drawn.LineX(rec.plotSpec.dVLinePos[1]));
}

TEST_P(GraphDecisionTest, ActionLevelLabelPointsAtTheLineFromTheGrayRegionSide)
{
    const int line = drawn.LineX(rec.plotSpec.dVLinePos[ActionLine(rec)]);
    if (atLeast) {
        const auto* label = drawn.Find("<-- Action Level");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->origin.x(), line + 4);
    } else {
        const auto* label = drawn.Find("Action Level -->");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->origin.x() + Advance(*label, label->text), line - 4);
    }
}

TEST_P(GraphDecisionTest, RejectionLabelOverItsSideWithTheHypothesisBelow)
{
    const auto* fr = drawn.Find("FR");
    const auto* fa = drawn.Find("FA");
    ASSERT_TRUE(fr && fa);
    const int lower = drawn.LineX(rec.plotSpec.dVLinePos[0]);
    const int upper = drawn.LineX(rec.plotSpec.dVLinePos[1]);
    const int cell = Advance(*fr, "FR  ");
    const auto* left = atLeast ? fa : fr;
    const auto* right = atLeast ? fr : fa;
    EXPECT_NEAR(left->origin.x() + cell / 2.0, (drawn.box.left + lower) / 2.0, 1.5);
    EXPECT_NEAR(right->origin.x() + cell / 2.0, (upper + drawn.box.right) / 2.0, 1.5);
    EXPECT_NEAR(Top(*fr) + QFontMetrics(fr->font).height() / 2.0,
                drawn.box.bottom - drawn.box.Height() / 2.0, 1.5);

    // The underscore stands under the relation sign and makes it read <= or >=.
    const auto hypothesis = std::find_if(drawn.texts.begin(), drawn.texts.end(),
                                         [](const auto& t) { return t.text.startsWith("Ho: "); });
    const auto* underscore = drawn.Find("_");
    ASSERT_TRUE(hypothesis != drawn.texts.end() && underscore);
    const int relation = hypothesis->text.indexOf(atLeast ? "> " : "< ");
    ASSERT_GT(relation, 0);
    EXPECT_EQ(underscore->origin.x(),
              hypothesis->origin.x() + Advance(*hypothesis, hypothesis->text.left(relation)));
    EXPECT_EQ(underscore->origin.y(), hypothesis->origin.y());
    EXPECT_GT(Top(*hypothesis), Top(*fr));
    EXPECT_LT(hypothesis->origin.x(), fr->origin.x());
    EXPECT_LT(std::abs(hypothesis->origin.x() - fr->origin.x()),
              std::abs(hypothesis->origin.x() - fa->origin.x()));
}

TEST_P(GraphDecisionTest, StaircasesRunInwardToTheBoundsAtTheirLimits)
{
    const auto stairs = drawn.Strokes(drawn.axisColour, true);
    ASSERT_EQ(stairs.size(), 2u);
    const QPolygonF& below = stairs[0].points;
    const QPolygonF& above = stairs[1].points;
    EXPECT_EQ(below.front().x(), drawn.box.left);
    EXPECT_NEAR(below.back().x(), drawn.LineX(rec.plotSpec.dVLinePos[0]), 1);
    EXPECT_EQ(above.front().x(), drawn.box.right);
    EXPECT_NEAR(above.back().x(), drawn.LineX(rec.plotSpec.dVLinePos[1]), 1);
    // At the limit above the x axis and the limit below the top; the labels
    // beside the plot are centred on them.
    const double lowerLimit = rec.dErrorLimit[kRowLower] * drawn.box.Height();
    const double upperLimit = rec.dErrorLimit[kRowUpper] * drawn.box.Height();
    EXPECT_NEAR(below.front().y(), drawn.box.bottom - lowerLimit, 1.5);
    EXPECT_NEAR(above.front().y(), drawn.box.top + upperLimit, 1.5);
    std::vector<double> labelMiddles;
    for (const auto& item : drawn.texts)
        if (item.text == "0.010") {
            EXPECT_EQ(item.origin.x(), drawn.box.right + 4);
            labelMiddles.push_back(Top(item) + QFontMetrics(item.font).height() / 2.0);
        }
    ASSERT_EQ(labelMiddles.size(), 2u);
    EXPECT_NEAR(labelMiddles[0], below.front().y(), 1);
    EXPECT_NEAR(labelMiddles[1], above.front().y(), 1);
}

TEST_P(GraphDecisionTest, CurvePointsFollowTheValues)
{
    const auto curves = drawn.Strokes(QColor(0, 128, 0), true);
    ASSERT_EQ(curves.size(), 1u);
    const QPolygonF& curve = curves.front().points;
    ASSERT_EQ(curve.size(), kCurvePoints);
    EXPECT_EQ(curve.front().x(), drawn.box.left + drawn.box.Width() / kCurvePoints);
    EXPECT_EQ(curve.back().x(), drawn.box.right);
    for (int k = 0; k < kCurvePoints; ++k)
        EXPECT_NEAR(drawn.box.bottom - curve[k].y(), rec.dCurve[k] * drawn.box.Height(), 1);
}

TEST_P(GraphDecisionTest, TableListsTheLimitsInForceWithTheirType)
{
    const char* lowType = atLeast ? "A" : "R";
    const char* highType = atLeast ? "R" : "A";
    const QString lower =
        QString::asprintf("%5.3f             0.010      F%s ", rec.dErrorPoint[kRowLower], lowType);
    const QString upper = QString::asprintf("%5.3f             0.010      F%s ",
                                            rec.dErrorPoint[kRowUpper], highType);
    const auto* lowRow = drawn.Find(lower);
    const auto* highRow = drawn.Find(upper);
    ASSERT_TRUE(lowRow && highRow) << lower.toStdString() << " / " << upper.toStdString();
    EXPECT_EQ(Top(*highRow) - Top(*lowRow),
              QFontMetrics(lowRow->font).height() + QFontMetrics(lowRow->font).leading());
}

TEST_P(GraphDecisionTest, TextBlockEndsWithTheDesignMakeUp)
{
    const int design = GetParam().design;
    QString detail;
    if (design == kComposite)
        detail = QString::asprintf("(%d composites of 4 aliquots)", rec.nSamples);
    if (design == kStratified)
        detail = QString::asprintf("(Strata sizes: %d %d %d)", rec.nStratumSamples[0],
                                   rec.nStratumSamples[1], rec.nStratumSamples[2]);
    EXPECT_NE(drawn.Find(DesignName(design)), nullptr);
    EXPECT_NE(drawn.Find(QString::asprintf("Sample Size = %d", rec.nSamples)), nullptr);
    const bool hasDetail = std::any_of(drawn.texts.begin(), drawn.texts.end(),
                                       [](const auto& t) { return t.text.startsWith("("); });
    EXPECT_EQ(hasDetail, !detail.isEmpty());
    if (!detail.isEmpty()) {
        EXPECT_NE(drawn.Find(detail), nullptr) << detail.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Analyses, GraphDecisionTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

TEST(GraphTableTest, AdditionalRowsCarryTheirFlags)
{
    CGraph graph = CGraph::PerformanceCurve();
    DQORecord rec = Analysed(StartingRecord(kOneMean));
    rec.dErrorPoint[kRowBelow1] = 10;
    rec.dErrorLimit[kRowBelow1] = 0.05;
    rec.dErrorPoint[kRowAbove2] = 95;
    rec.dErrorLimit[kRowAbove2] = 0.002;
    // Points not in force stand at the ends of the axis.
    rec.dErrorPoint[kRowBelow2] = rec.dMinimum;
    rec.dErrorPoint[kRowAbove1] = rec.dMaximum;
    rec.bNotSatisfied[0] = 1;
    rec.bNotSatisfied[3] = 0;
    rec.bNotSatisfied[1] = 1; // its row is not in force, so nothing shows it
    const Recording drawn = Record(graph, &rec);
    const auto* first = drawn.Find("10.000             0.050      FR NS");
    const auto* last = drawn.Find("95.000             0.002      FA ");
    ASSERT_TRUE(first && last);
    EXPECT_NE(drawn.Find("50.000             0.010      FR "), nullptr);
    EXPECT_EQ(Top(*last) - Top(*first),
              3 * (QFontMetrics(first->font).height() + QFontMetrics(first->font).leading()));
    // The staircase below the gray region steps up from the additional limit.
    const auto stairs = drawn.Strokes(drawn.axisColour, true);
    ASSERT_EQ(stairs.size(), 2u);
    EXPECT_EQ(stairs[0].points.size(), 4);
    EXPECT_EQ(stairs[1].points.size(), 4);
}

// The action level label goes to the other side when the plot ends there.
struct EdgeCase {
    const char* name;
    int baseline;
    double actionLevel;
    const char* label;
    bool rightOfLine;
};

class GraphActionLabelEdgeTest : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(GraphActionLabelEdgeTest, LabelFallsBackToTheSideWithRoom)
{
    const EdgeCase& c = GetParam();
    DQORecord rec = StartingRecord(kOneMean);
    rec.nBaseline = c.baseline;
    rec.dActionLevel = c.actionLevel;
    rec.dLowerBound = c.baseline == kBaselineAtLeast ? c.actionLevel - 25 : c.actionLevel;
    rec.dUpperBound = c.baseline == kBaselineAtLeast ? c.actionLevel : c.actionLevel + 25;
    rec = Analysed(rec);
    CGraph graph = CGraph::PerformanceCurve();
    const Recording drawn = Record(graph, &rec);
    const auto* label = drawn.Find(c.label);
    ASSERT_NE(label, nullptr);
    const int line = drawn.LineX(rec.plotSpec.dVLinePos[ActionLine(rec)]);
    if (c.rightOfLine)
        EXPECT_EQ(label->origin.x(), line + 4);
    else
        EXPECT_EQ(label->origin.x() + Advance(*label, label->text), line - 4);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, GraphActionLabelEdgeTest,
    ::testing::ValuesIn(std::vector<EdgeCase>{
        {"AtLeastAtTheRightEnd", kBaselineAtLeast, 100, "Action Level -->", false},
        {"AtLeastNearTheRightEnd", kBaselineAtLeast, 97, "Action Level -->", false},
        {"AtMostAtTheLeftEnd", kBaselineAtMost, 0, "<-- Action Level", true},
        {"AtMostNearTheLeftEnd", kBaselineAtMost, 3, "<-- Action Level", true},
    }),
    [](const auto& info) { return info.param.name; });

TEST(GraphPrintTest, LayoutMovesInsideTheMarginWithBlackAxes)
{
    CGraph graph = CGraph::PerformanceCurve();
    const DQORecord rec = Analysed(StartingRecord(kOneMean));
    const Recording screen = Record(graph, &rec);
    graph.SetCopyMode(1);
    const Recording page = Record(graph, &rec, true);
    EXPECT_EQ(screen.axisColour, QColor(0, 0, 200));
    EXPECT_EQ(page.axisColour, QColor(0, 0, 0));
    // Printing leaves copy mode: the region is filled.
    EXPECT_EQ(graph.CopyMode(), 0);
    EXPECT_EQ(page.fills.size(), 1u);

    const auto* design = screen.Find("Simple Random Sampling");
    const int margin = 5 * QFontMetrics(design->font).averageCharWidth();
    EXPECT_EQ(page.box.left, screen.box.left + margin);
    EXPECT_EQ(page.box.right, screen.box.right - margin);
    EXPECT_EQ(page.box.bottom, screen.box.bottom - 2 * margin);
    EXPECT_EQ(page.Find("Simple Random Sampling")->origin.x(), design->origin.x() + margin);
}

class GraphResolutionTest : public ::testing::TestWithParam<int> {};

TEST_P(GraphResolutionTest, FontSizesFollowTheDevice)
{
    const int dpi = GetParam();
    const auto pixels = [dpi](int points) { return std::lround(points * dpi / 72.0); };
    CGraph graph = CGraph::PerformanceCurve();
    const DQORecord rec = Analysed(StartingRecord(kOneMean));
    const Recording drawn = Record(graph, &rec, false, dpi);
    const auto* title = drawn.Find("Estimated Performance Curve");
    const auto* fr = drawn.Find("FR");
    const auto* tick = drawn.Find("0.5");
    const auto* vertical = drawn.Find("Probability of deciding that the true");
    ASSERT_TRUE(title && fr && tick && vertical);
    EXPECT_EQ(title->font.pixelSize(), pixels(12));
    EXPECT_EQ(fr->font.pixelSize(), pixels(10));
    EXPECT_EQ(tick->font.pixelSize(), pixels(8));
    EXPECT_EQ(vertical->font.pixelSize(), pixels(10));
    EXPECT_TRUE(QFontInfo(title->font).fixedPitch());
}

INSTANTIATE_TEST_SUITE_P(Dpi, GraphResolutionTest, ::testing::Values(72, 96, 300, 600));

TEST(GraphStandingTitleTest, DrawnAlone)
{
    CGraph graph = CGraph::PerformanceCurve();
    const Recording drawn = Record(graph, nullptr);
    ASSERT_EQ(drawn.texts.size(), 1u);
    EXPECT_EQ(drawn.texts[0].text, "TALO for Windows");
    EXPECT_TRUE(drawn.strokes.empty());
    EXPECT_TRUE(drawn.fills.empty());
    const QFontMetrics large(drawn.texts[0].font);
    EXPECT_EQ(Top(drawn.texts[0]), large.height() / 2);
}

// ---- Nothing a record holds may break the drawing ----

struct OddCase {
    const char* name;
    std::function<void(DQORecord&)> change;
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

class GraphOddRecordTest : public ::testing::TestWithParam<OddCase> {};

TEST_P(GraphOddRecordTest, DrawingGoesOnToTheEnd)
{
    DQORecord rec = Analysed(StartingRecord(kOneMean));
    GetParam().change(rec);
    CGraph graph = CGraph::PerformanceCurve();
    Render(graph, &rec);
    const Recording drawn = Record(graph, &rec);
    EXPECT_GT(drawn.box.Width(), kWidth / 2);
    EXPECT_EQ(drawn.axisColour, QColor(0, 0, 200));
    EXPECT_NE(drawn.Find("Decision Error Limits"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Records, GraphOddRecordTest,
    ::testing::ValuesIn(std::vector<OddCase>{
        {"CurveNotANumber", [](DQORecord& r) { std::fill_n(r.plotSpec.dValues, 50, kNaN); }},
        {"CurveEndless", [](DQORecord& r) { r.plotSpec.dValues[3] = -kInf; }},
        {"CurveHuge", [](DQORecord& r) { r.plotSpec.dValues[7] = 1e300; }},
        {"ZeroWidthAxis", [](DQORecord& r) { r.dMaximum = r.dMinimum; }},
        {"EndlessErrorPoint", [](DQORecord& r) { r.dErrorPoint[kRowUpper] = kInf; }},
        {"NaNErrorLimit", [](DQORecord& r) { r.dErrorLimit[kRowAbove1] = kNaN; }},
        {"HugeErrorLimit",
         [](DQORecord& r) {
             r.dErrorLimit[kRowLower] = 1e300;
             r.dErrorLimit[kRowUpper] = -1e300;
         }},
        {"TooManyPoints", [](DQORecord& r) { r.plotSpec.nPoints = 5000; }},
        {"NegativePoints", [](DQORecord& r) { r.plotSpec.nPoints = -3; }},
        {"OneXTick", [](DQORecord& r) { r.plotSpec.nXTicks = 1; }},
        {"TooManyXTicks", [](DQORecord& r) { r.plotSpec.nXTicks = 400; }},
        {"FlatYRange", [](DQORecord& r) { r.plotSpec.dYMax = r.plotSpec.dYMin; }},
        {"ReversedYRange", [](DQORecord& r) { r.plotSpec.dYMax = -1; }},
        {"EndlessYRange", [](DQORecord& r) { r.plotSpec.dYMax = kInf; }},
        {"NaNYMinimum", [](DQORecord& r) { r.plotSpec.dYMin = kNaN; }},
        {"TinyYRange", [](DQORecord& r) { r.plotSpec.dYMax = 5e-324; }},
        {"NaNLinePositions",
         [](DQORecord& r) {
             r.plotSpec.dVLinePos[0] = kNaN;
             r.plotSpec.dVLinePos[1] = kInf;
         }},
        {"ManyDecimals",
         [](DQORecord& r) {
             r.plotSpec.nXDecimals = 1000;
             r.plotSpec.nYDecimals = -4;
         }},
        {"TooManyStrata",
         [](DQORecord& r) {
             r.nDesign = kStratified;
             r.nStrata = 9;
         }},
        {"UnknownParameter", [](DQORecord& r) { r.nParameter = 7; }},
        {"NegativeParameter", [](DQORecord& r) { r.nParameter = -2; }},
        {"NaNActionLevel", [](DQORecord& r) { r.dActionLevel = kNaN; }},
    }),
    [](const auto& info) { return info.param.name; });

class GraphSizeTest : public ::testing::TestWithParam<QSize> {};

TEST_P(GraphSizeTest, SmallTargetsLeaveThePainterAsItWas)
{
    CGraph graph = CGraph::PerformanceCurve();
    const DQORecord rec = Analysed(StartingRecord(kOneMean));
    const QSize size = GetParam();
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QPen pen(Qt::magenta, 3);
    painter.setPen(pen);
    for (const bool printing : {false, true}) {
        graph.Draw(painter, &rec, size.width(), size.height(), printing);
        graph.Draw(painter, nullptr, size.width(), size.height(), printing);
    }
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_TRUE(painter.transform().isIdentity());
}

INSTANTIATE_TEST_SUITE_P(Sizes, GraphSizeTest,
                         ::testing::Values(QSize(0, 0), QSize(1, 1), QSize(10, 10), QSize(40, 30),
                                           QSize(-50, -50), QSize(INT_MAX, INT_MAX),
                                           QSize(INT_MIN, 200)));

TEST(GraphInactivePainterTest, DrawsNothing)
{
    CGraph graph = CGraph::PerformanceCurve();
    const DQORecord rec = Analysed(StartingRecord(kOneMean));
    QPainter painter;
    graph.Draw(painter, &rec, kWidth, kHeight, false);
    EXPECT_FALSE(painter.isActive());
}

} // namespace
