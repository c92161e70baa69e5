#include "ui/graph/graph.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

// Every expectation follows from the record and from positions measured on
// the drawing itself, never from the size of a font.

namespace {

constexpr int kWidth = 640, kHeight = 480;

// An analysis drawn on the screen, with texts it must show among others,
// separated by "|".
struct GraphCase {
    int parameter, baseline, design;
    const char* shown;
};

const GraphCase kCases[] = {
    {kOneMean, kBaselineAtMost, kSimpleRandom,
     "True Mean Concentration|mean is greater than the action level|concentration prob(E) type|"
     "Simple Random Sampling|Action Level = 50.000|Cost = $13650.00|Sample Size = 13|"
     "Action Level -->|Ho: mean < 50"},
    {kOneMean, kBaselineAtMost, kComposite, "Composite Sampling|(7 composites of 4 aliquots)"},
    {kOneMean, kBaselineAtLeast, kStratified,
     "Stratified Sampling|(Strata sizes: 3 5 10)|<-- Action Level|Ho: mean > 50"},
    {kOneProportion, kBaselineAtMost, kSimpleRandom,
     "True Proportion|proportion is greater than the action level|proportion    prob(E) type|"
     "Ho: proportion < 0.5"},
    {kTwoMean, kBaselineAtMost, kSimpleRandom,
     "True Difference in Mean Concentration|Probability of deciding that the true mean|"
     "difference is greater than the action level|Ho: mean1 - mean2 < 0"},
    {kTwoProportion, kBaselineAtMost, kSimpleRandom,
     "True Difference in Proportions|Probability of deciding that the true prop.|"
     "-1.0|-0.8|0.0|1.0|Ho: prop1 - prop2 < 0"},
};

// Composites of 4 aliquots; three strata of different sizes.
DQORecord Analysed(const GraphCase& c)
{
    DQORecord rec = StartingRecord(c.parameter, c.baseline);
    rec.nDesign = c.design, rec.dSDRatio = 0.5, rec.nAliquots = 4, rec.nStrata = 3;
    const double deviations[] = {8, 20, 60}, weights[] = {0.5, 0.3, 0.2};
    for (int i = 0; i < 3; ++i)
        rec.dStratumValue[i] = deviations[i], rec.dStratumWeight[i] = weights[i];
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    return rec;
}

// A text at its baseline point, or a shape by its bounds and colours, as
// drawn on the device.
struct Drawn {
    QString text;
    QPointF origin;
    QFont font;
    QRectF bounds;
    QColor pen, brush;
};

// An image's metrics, keeping what is drawn on it instead of painting it.
class Recorder : public QImage, public QPaintEngine {
public:
    Recorder() : QImage(kWidth, kHeight, QImage::Format_ARGB32), QPaintEngine(AllFeatures) {}
    QPaintEngine* paintEngine() const override { return const_cast<Recorder*>(this); }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        drawn.push_back({item.text(), state->transform().map(p), item.font(), {}, {}, {}});
    }
    void drawPath(const QPainterPath& path) override { Shape(path.boundingRect()); }
    void drawPolygon(const QPointF* points, int n, PolygonDrawMode) override
    {
        Shape(QPolygonF(QList<QPointF>(points, points + n)).boundingRect());
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void Shape(const QRectF& bounds)
    {
        const QRectF mapped = state->transform().mapRect(bounds);
        drawn.push_back({{}, {}, {}, mapped, state->pen().color(), state->brush().color()});
    }
    std::vector<Drawn> drawn;
};

std::vector<Drawn> Drawing(const DQORecord* rec)
{
    Recorder device;
    CGraph graph = CGraph::PerformanceCurve();
    QPainter painter(&device);
    graph.Draw(painter, rec, kWidth, kHeight, false);
    return device.drawn;
}

const Drawn* Find(const std::vector<Drawn>& drawn, const QString& text)
{
    const auto found =
        std::find_if(drawn.begin(), drawn.end(), [&](const Drawn& d) { return d.text == text; });
    return found == drawn.end() ? nullptr : &*found;
}

// Every text drawn, each on a line of its own.
QString Joined(const std::vector<Drawn>& drawn)
{
    QString all;
    for (const Drawn& d : drawn)
        all += d.text.isEmpty() ? QString() : d.text + '\n';
    return all;
}

// The bounds of all shapes drawn with the colour as their pen (or brush).
QRectF Bounds(const std::vector<Drawn>& drawn, QColor colour, QColor Drawn::*use = &Drawn::pen)
{
    QRectF all;
    for (const Drawn& d : drawn)
        if (d.text.isEmpty() && d.*use == colour)
            all |= d.bounds;
    return all;
}

class GraphCaseTest : public ::testing::TestWithParam<GraphCase> {};

TEST_P(GraphCaseTest, DrawnAsTheParameterBaselineAndDesignHaveIt)
{
    const DQORecord rec = Analysed(GetParam());
    const auto drawn = Drawing(&rec);
    for (const QString& text : QString(GetParam().shown).split('|'))
        EXPECT_NE(Find(drawn, text), nullptr) << text.toStdString();
    const QColor gray(150, 150, 150), blue(0, 0, 200);
    const QRectF region = Bounds(drawn, gray, &Drawn::brush);
    ASSERT_GT(region.width() * region.height(), 0);
    // The action level is the gray region's upper bound for "at least", its
    // lower one otherwise; "FR" stands on the other side.
    const bool atLeast = rec.nBaseline == kBaselineAtLeast;
    EXPECT_EQ(Bounds(drawn, QColor(200, 0, 0)).left(), atLeast ? region.right() : region.left());
    const auto ho = std::find_if(drawn.begin(), drawn.end(),
                                 [](const Drawn& d) { return d.text.startsWith("Ho: "); });
    const Drawn *fr = Find(drawn, "FR"), *fa = Find(drawn, "FA"), *bar = Find(drawn, "_");
    ASSERT_TRUE(fr && fa && bar && ho != drawn.end());
    EXPECT_EQ(fr->origin.x() > fa->origin.x(), atLeast);
    // The hypothesis stands under "FR"; the underscore under its relation
    // makes it read <= or >=.
    EXPECT_LT(std::abs(ho->origin.x() - fr->origin.x()), std::abs(ho->origin.x() - fa->origin.x()));
    const QString lead = ho->text.left(ho->text.indexOf(QRegularExpression("[<>]")));
    EXPECT_EQ(bar->origin, ho->origin + QPointF(QFontMetrics(ho->font).horizontalAdvance(lead), 0));
    // The curve goes on to the right end of the axes.
    EXPECT_EQ(Bounds(drawn, QColor(0, 128, 0)).right(), Bounds(drawn, blue).right());
}

INSTANTIATE_TEST_SUITE_P(Analyses, GraphCaseTest, ::testing::ValuesIn(kCases));

// Each additional row carries its own not-satisfied flag. Before results
// only the standing title is drawn. Nothing a record or a target size holds
// may break the drawing.
TEST(GraphTextTest, FlaggedRowsTitleAloneThenBrokenRecordsAndSizes)
{
    DQORecord rec = StartingRecord(kOneMean);
    const double points[] = {10, 20, 0, 0, 80, 90};
    for (int row : {kRowBelow1, kRowBelow2, kRowAbove1, kRowAbove2})
        rec.dErrorPoint[row] = points[row], rec.dErrorLimit[row] = 0.05;
    const char* const flagged[kAdditionalRows] = {
        "10.000             0.050      FR NS", "20.000             0.050      FR NS",
        "80.000             0.050      FA NS", "90.000             0.050      FA NS"};
    for (int k = 0; k < kAdditionalRows; ++k) {
        std::fill_n(rec.bNotSatisfied, kAdditionalRows, 0);
        rec.bNotSatisfied[k] = 1;
        const auto drawn = Drawing(&rec);
        const Drawn* row = Find(drawn, flagged[k]);
        ASSERT_TRUE(row && Joined(drawn).count(" NS\n") == 1) << k;
        // The table stands far enough left for its longest row to end inside.
        EXPECT_LE(row->origin.x() + QFontMetricsF(row->font).horizontalAdvance(row->text), kWidth);
    }
    EXPECT_EQ(Joined(Drawing(&rec)).count("      F"), 6) << "a row for each limit in force";
    rec.dErrorLimit[kRowBelow1] = 0;
    EXPECT_EQ(Joined(Drawing(&rec)).count("      F"), 5);
    EXPECT_EQ(Joined(Drawing(nullptr)), "TALO for Windows\n");
    rec = Analysed(kCases[0]);
    std::fill_n(rec.plotSpec.dValues, 50, NAN);
    rec.plotSpec.dVLinePos[0] = INFINITY, rec.dErrorLimit[kRowLower] = 1e300;
    rec.plotSpec.dYMax = rec.plotSpec.dYMin, rec.plotSpec.nPoints = 5000, rec.plotSpec.nXTicks = -3;
    rec.dMaximum = rec.dMinimum, rec.nParameter = 7, rec.nDesign = kStratified, rec.nStrata = 9;
    CGraph graph = CGraph::PerformanceCurve();
    Recorder device;
    QPainter painter(&device);
    painter.setPen(QPen(Qt::magenta, 3));
    for (const QSize size : {QSize(1, 1), QSize(-50, -50), QSize(INT_MAX, INT_MAX)})
        for (const bool printing : {false, true}) {
            graph.Draw(painter, &rec, size.width(), size.height(), printing);
            graph.Draw(painter, nullptr, size.width(), size.height(), printing);
        }
    EXPECT_EQ(painter.pen(), QPen(Qt::magenta, 3));
    EXPECT_NE(Find(Drawing(&rec), "Decision Error Limits"), nullptr);
    QPainter inactive; // no device to measure fonts on
    graph.Draw(inactive, &rec, kWidth, kHeight, false);
}

} // namespace
