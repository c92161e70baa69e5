#include "ui/graph/graph.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <climits>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "engine/analysis_pass.h"
#include "engine/dqo_record.h"
#include "tests/support/recording_messages.h"
#include "tests/support/records.h"

// Every expectation follows from the record and from positions measured on
// the drawing itself, never from the size of a font.

namespace {

constexpr int kWidth = 640, kHeight = 480;

// An analysis drawn on the screen (copies and the printed page are the
// view's), with texts it must show among others, separated by "|".
struct GraphCase {
    const char* name;
    int parameter, baseline, design;
    const char* shown;
};

const GraphCase kCases[] = {
    {"Mean", kOneMean, kBaselineAtMost, kSimpleRandom,
     "True Mean Concentration|mean is greater than the action level|concentration prob(E) type|"
     "Simple Random Sampling|Action Level = 50.000|Cost = $13650.00|Sample Size = 13|"
     "50.000             0.010      FR |75.000             0.010      FA "},
    {"MeanComposite", kOneMean, kBaselineAtMost, kComposite, "Composite Sampling"},
    {"MeanStratifiedAtLeast", kOneMean, kBaselineAtLeast, kStratified, "Stratified Sampling"},
    {"Proportion", kOneProportion, kBaselineAtMost, kSimpleRandom,
     "True Proportion|proportion is greater than the action level|proportion    prob(E) type"},
    {"TwoMean", kTwoMean, kBaselineAtMost, kSimpleRandom,
     "True Difference in Mean Concentration|Probability of deciding that the true mean|"
     "difference is greater than the action level|concentration prob(E) type"},
    {"TwoProportion", kTwoProportion, kBaselineAtMost, kSimpleRandom,
     "True Difference in Proportions|Probability of deciding that the true prop.|"
     "difference is greater than the action level|proportion    prob(E) type|-1.0|-0.8|0.0|1.0"},
    {"TwoProportionAtLeast", kTwoProportion, kBaselineAtLeast, kSimpleRandom, ""},
};

// Composites of 4 aliquots; three strata of different sizes.
DQORecord Analysed(const GraphCase& c)
{
    DQORecord rec = StartingRecord(c.parameter, c.baseline);
    rec.nDesign = c.design, rec.dSDRatio = 0.5, rec.nAliquots = 4, rec.nStrata = 3;
    const double deviations[] = {8, 20, 60}, weights[] = {0.5, 0.3, 0.2};
    std::copy_n(deviations, 3, rec.dStratumValue);
    std::copy_n(weights, 3, rec.dStratumWeight);
    FillCalculationBlock(rec);
    RecordingMessages messages;
    ComputeAnalysisPass(rec, messages);
    return rec;
}

void Draw(QPaintDevice& device, const DQORecord* rec, bool printing = false)
{
    CGraph graph = CGraph::PerformanceCurve();
    QPainter painter(&device);
    graph.Draw(painter, rec, kWidth, kHeight, printing);
}

// ---- Pixels ----

QImage Render(const DQORecord* rec, bool printing = false)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    image.fill(Qt::white);
    Draw(image, rec, printing);
    return image;
}

// Colours as drawn, also where an edge is blended with the white or the
// gray under it.
using Colour = bool (*)(QRgb);
const Colour Blue = [](QRgb c) { return qBlue(c) > std::max(qRed(c), qGreen(c)) + 40; };
const Colour Red = [](QRgb c) { return qRed(c) > std::max(qGreen(c), qBlue(c)) + 40; };
const Colour Green = [](QRgb c) { return qGreen(c) > std::max(qRed(c), qBlue(c)) + 30; };
const Colour RegionGray = [](QRgb c) { return c == qRgb(150, 150, 150); };
const Colour White = [](QRgb c) { return c == qRgb(255, 255, 255); };

// Pixels of the colour in each column, or in each row: the fullest, the
// last with any, and how many in all.
struct Profile {
    int fullest = 0, last = -1, total = 0;
};

Profile Measure(const QImage& image, Colour colour, bool columns = true)
{
    std::vector<int> n(columns ? image.width() : image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n[columns ? x : y] += colour(image.pixel(x, y));
    Profile p;
    for (int i = 0; i < int(n.size()); ++i) {
        p.total += n[i];
        p.fullest = n[i] > n[p.fullest] ? i : p.fullest;
        p.last = n[i] > 0 ? i : p.last;
    }
    return p;
}

// ---- Texts ----

struct DrawnText {
    QString text;
    QPointF origin; // the baseline point on the device
    QFont font;
};

// Keeps only the texts drawn with it.
class TextEngine : public QPaintEngine {
public:
    TextEngine() : QPaintEngine(AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        texts.push_back({item.text(), state->transform().map(p), item.font()});
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    std::vector<DrawnText> texts;
};

// An image's metrics with the text-keeping engine.
class TextRecorder : public QImage {
public:
    TextRecorder() : QImage(kWidth, kHeight, QImage::Format_ARGB32) {}
    QPaintEngine* paintEngine() const override { return &engine; }
    mutable TextEngine engine;
};

std::vector<DrawnText> Texts(const DQORecord* rec)
{
    TextRecorder device;
    Draw(device, rec);
    return device.engine.texts;
}

const DrawnText* Find(const std::vector<DrawnText>& texts, const QString& text)
{
    const auto found = std::find_if(texts.begin(), texts.end(),
                                    [&](const DrawnText& t) { return t.text == text; });
    return found == texts.end() ? nullptr : &*found;
}

QStringList Matching(const std::vector<DrawnText>& texts, const char* pattern)
{
    QStringList found;
    for (const DrawnText& t : texts)
        if (t.text.contains(QRegularExpression(pattern)))
            found << t.text;
    return found;
}

class GraphCaseTest : public ::testing::TestWithParam<GraphCase> {
protected:
    DQORecord rec = Analysed(GetParam());
    std::vector<DrawnText> texts = Texts(&rec);
};

TEST_P(GraphCaseTest, AxesGrayRegionActionLevelCurveAndPrintedPage)
{
    const QImage image = Render(&rec);
    // The axes as drawn: the y axis is the fullest column, the x axis the
    // fullest row, unbroken (but where the curve lies on it) up to the right
    // end of the plot.
    const int bottom = Measure(image, Blue, false).fullest;
    const int left = Measure(image, Blue).fullest;
    int right = left;
    while (right + 1 < kWidth &&
           (Blue(image.pixel(right + 1, bottom)) || Green(image.pixel(right + 1, bottom))))
        ++right;
    const auto at = [&](double position) { return left + int((right - left) * position); };
    // A band of the gray region above the x axis, clear of the region's edges.
    const double* bounds = rec.plotSpec.dVLinePos;
    const QRect band(QPoint(at(bounds[0]) + 4, bottom - 40), QPoint(at(bounds[1]) - 4, bottom - 4));
    EXPECT_GT(Measure(image.copy(band), RegionGray).total, band.width() * band.height() * 9 / 10);
    // The action level is the upper bound for "at least", the lower one otherwise.
    const int action = rec.nBaseline == kBaselineAtLeast ? 1 : 0;
    EXPECT_NEAR(Measure(image, Red).fullest, at(bounds[action]), 2);
    EXPECT_GT(Measure(image, Green).total, (right - left) / 2);
    EXPECT_NEAR(Measure(image, Green).last, right, 2);
    // The printed page fills the gray region as the window does, and its axes
    // are black, not blue, also where their edges are blended.
    const QImage page = Render(&rec, true);
    EXPECT_GT(Measure(page, RegionGray).total, Measure(image, RegionGray).total / 2);
    EXPECT_EQ(Measure(page, Blue).total, 0);
}

TEST_P(GraphCaseTest, TextsFollowTheParameterBaselineAndDesign)
{
    for (const QString& text : QString(GetParam().shown).split('|', Qt::SkipEmptyParts))
        EXPECT_NE(Find(texts, text), nullptr) << text.toStdString();
    QStringList details;
    if (rec.nDesign == kComposite)
        details << QString::asprintf("(%d composites of 4 aliquots)", rec.nSamples);
    if (rec.nDesign == kStratified)
        details << QString::asprintf("(Strata sizes: %d %d %d)", rec.nStratumSamples[0],
                                     rec.nStratumSamples[1], rec.nStratumSamples[2]);
    EXPECT_EQ(Matching(texts, "^\\("), details);

    const bool atLeast = rec.nBaseline == kBaselineAtLeast;
    const auto* fr = Find(texts, "FR");
    const auto* fa = Find(texts, "FA");
    ASSERT_TRUE(fr && fa);
    EXPECT_EQ(fr->origin.x() > fa->origin.x(), atLeast);
    EXPECT_NE(Find(texts, atLeast ? "<-- Action Level" : "Action Level -->"), nullptr);
    const char* const terms[] = {"mean ", "proportion ", "mean1 - mean2 ", "prop1 - prop2 "};
    const int shifts[] = {40, 45, 58, 58};
    const QString lead = QStringLiteral("Ho: ") + terms[rec.nParameter];
    const QString hypothesis = lead + (atLeast ? "> " : "< ") + QString::number(rec.dActionLevel);
    const auto* drawn = Find(texts, hypothesis);
    const auto* underscore = Find(texts, "_");
    ASSERT_TRUE(drawn && underscore) << hypothesis.toStdString();
    // Under "FR", moved left by the shift and by its own length in device
    // units; the underscore under the relation makes it read >= or <=.
    EXPECT_EQ(drawn->origin.x(), fr->origin.x() - shifts[rec.nParameter] - hypothesis.size());
    EXPECT_EQ(underscore->origin,
              drawn->origin + QPointF(QFontMetrics(drawn->font).horizontalAdvance(lead), 0));
}

INSTANTIATE_TEST_SUITE_P(Analyses, GraphCaseTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

TEST(GraphTextTest, EachAdditionalRowCarriesItsOwnNotSatisfiedFlag)
{
    DQORecord rec = StartingRecord(kOneMean);
    const double points[] = {10, 20, 0, 0, 80, 90};
    for (int row : {kRowBelow1, kRowBelow2, kRowAbove1, kRowAbove2})
        rec.dErrorPoint[row] = points[row], rec.dErrorLimit[row] = 0.05;
    const QString flagged[kAdditionalRows] = {
        "10.000             0.050      FR NS", "20.000             0.050      FR NS",
        "80.000             0.050      FA NS", "90.000             0.050      FA NS"};
    for (int k = 0; k < kAdditionalRows; ++k) {
        std::fill_n(rec.bNotSatisfied, kAdditionalRows, 0);
        rec.bNotSatisfied[k] = 1;
        const auto texts = Texts(&rec);
        ASSERT_EQ(Matching(texts, " NS$"), QStringList{flagged[k]}) << k;
        // The table stands far enough left for its longest row to end inside.
        const DrawnText& t = *Find(texts, flagged[k]);
        EXPECT_LE(t.origin.x() + QFontMetricsF(t.font).horizontalAdvance(t.text), kWidth);
        EXPECT_EQ(Matching(texts, "      F[AR] ").size(), 6) << "a row for each limit in force";
    }
    rec.dErrorLimit[kRowBelow1] = 0;
    EXPECT_EQ(Matching(Texts(&rec), "      F[AR] ").size(), 5);
}

TEST(GraphStandingTitleTest, DrawnAloneBeforeResults)
{
    const auto texts = Texts(nullptr);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "TALO for Windows");
    // Only the title band at the top is drawn on.
    const QRect below(0, kHeight / 10, kWidth, kHeight - kHeight / 10);
    EXPECT_EQ(Measure(Render(nullptr).copy(below), White).total, below.width() * below.height());
}

// Nothing a record or a target size holds may break the drawing.
TEST(GraphBrokenTest, DrawingGoesOnToTheEndAndRestoresThePainter)
{
    DQORecord rec = Analysed(kCases[0]);
    std::fill_n(rec.plotSpec.dValues, 50, std::numeric_limits<double>::quiet_NaN());
    rec.plotSpec.dVLinePos[0] = std::numeric_limits<double>::infinity();
    rec.plotSpec.dYMax = rec.plotSpec.dYMin, rec.plotSpec.nPoints = 5000, rec.plotSpec.nXTicks = -3;
    rec.dErrorLimit[kRowLower] = 1e300, rec.dMaximum = rec.dMinimum;
    rec.nParameter = 7, rec.nDesign = kStratified, rec.nStrata = 9;
    CGraph graph = CGraph::PerformanceCurve();
    QImage image(kWidth, kHeight, QImage::Format_ARGB32);
    QPainter painter(&image);
    const QPen pen(Qt::magenta, 3);
    painter.setPen(pen);
    for (const QSize size : {QSize(1, 1), QSize(-50, -50), QSize(INT_MAX, INT_MAX)})
        for (const bool printing : {false, true}) {
            graph.Draw(painter, &rec, size.width(), size.height(), printing);
            graph.Draw(painter, nullptr, size.width(), size.height(), printing);
        }
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_NE(Find(Texts(&rec), "Decision Error Limits"), nullptr);
    QPainter inactive; // no device to measure fonts on
    graph.Draw(inactive, &rec, kWidth, kHeight, false);
}

} // namespace
