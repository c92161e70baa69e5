#include "ui/graph/graph.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygon>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/dqo_record.h"
#include "engine/number_text.h"
#include "engine/record_views.h"

namespace {

// Far beyond any window or printed page, and small enough that sums of a few
// positions stay well inside int whatever the record holds.
constexpr int kCoordLimit = 1 << 20;
// Larger than a 12 point font on any printer.
constexpr int kMaxFontPixels = 10000;
// More decimals than a double carries would only add zeros.
constexpr int kMaxDecimals = 17;
// The automatic y ticks never give more than 30 steps; more means a range
// too small for a power of ten.
constexpr int kMaxYTicks = 100;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kAxisBlue(0, 0, 200);
const QColor kRegionGray(150, 150, 150);
const QColor kActionRed(200, 0, 0);
const QColor kBoundGray(200, 200, 200);
const QColor kCurveGreen(0, 128, 0);

int ClampCoord(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, -kCoordLimit, kCoordLimit));
}

// trunc(value), held to the drawing range.
int Trunc(double value)
{
    return ClampCoord(TruncToInt(value));
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// Points through the device's own resolution, so that the screen, images
// and the printer page all get the same physical size.
int PixelSize(int points, const QPaintDevice& device)
{
    const double pixels = std::round(points * device.logicalDpiY() / 72.0);
    return std::clamp(TruncToInt(pixels), 1, kMaxFontPixels);
}

// Family names of the built-in fonts as loaded; empty until they are.
QString g_fixedFamily;
QString g_plainFamily;

QString AddFont(const QString& resource)
{
    const int id = QFontDatabase::addApplicationFont(resource);
    return id < 0 ? QString() : QFontDatabase::applicationFontFamilies(id).value(0);
}

// One of the built-in families and no other: a glyph borrowed from a font of
// the system would change the layout from machine to machine.
QFont GraphFont(const QString& family, const char* fallback, int points, const QPaintDevice& device)
{
    QFont font(family.isEmpty() ? QString::fromLatin1(fallback) : family);
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setPixelSize(PixelSize(points, device));
    return font;
}

// The fixed-pitch texts: Liberation Mono has the metrics of Courier New.
QFont FixedFont(int points, const QPaintDevice& device)
{
    QFont font = GraphFont(g_fixedFamily, "Liberation Mono", points, device);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

int LineHeight(const QFont& font, const QPaintDevice& device)
{
    const QFontMetrics metrics(font, &device);
    return metrics.height() + metrics.leading();
}

int TextWidth(const QFont& font, const QPaintDevice& device, const QString& text)
{
    return QFontMetrics(font, &device).horizontalAdvance(text);
}

int TextHeight(const QFont& font, const QPaintDevice& device)
{
    return QFontMetrics(font, &device).height();
}

// Every text position is its top-left corner; QPainter places the baseline.
void DrawTextTop(QPainter& painter, const QFont& font, int x, int y, const QString& text)
{
    painter.setFont(font);
    painter.setPen(kBlack);
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

// Text that starts at (x, y) and reads upward, its top facing left.
void DrawTextUpward(QPainter& painter, const QFont& font, int x, int y, const QString& text)
{
    painter.save();
    painter.translate(x, y);
    painter.rotate(-90);
    DrawTextTop(painter, font, 0, 0, text);
    painter.restore();
}

QString TickLabel(double value, int decimals)
{
    if (decimals > 0)
        return Text(FormatText("%.*f", std::min(decimals, kMaxDecimals), value));
    return Text(FormatText("%d", TruncToInt(value)));
}

// Ticks at multiples of a power of ten, chosen so that the range holds more
// than two steps: 0.0, 0.1, ... 1.0 for the range 0 to 1.
std::vector<double> AutomaticTicks(double low, double high)
{
    const double range = high - low;
    // An empty, reversed or endless range would never end the search.
    if (!(range > 0) || !std::isfinite(range) || !std::isfinite(low))
        return {};
    int k = 0;
    if (range < 1) {
        while (std::pow(10.0, k) > range)
            --k;
    } else {
        while (std::pow(10.0, k) < range)
            ++k;
        --k;
    }
    if (std::floor(range / std::pow(10.0, k)) <= 2)
        --k;
    const double step = std::pow(10.0, k);
    const double steps = step > 0 ? std::floor(range / step) : 0;
    if (!(steps > 0) || steps > kMaxYTicks)
        return {};
    const int n = TruncToInt(steps);
    const bool onStep = std::floor(low / step) == low / step;
    double value = onStep ? low : (std::floor(low / step) + 1) * step;
    std::vector<double> ticks;
    for (int i = 0; i < (onStep ? n + 1 : n); ++i) {
        ticks.push_back(value);
        value += step;
    }
    return ticks;
}

const char* XLabel(int parameter)
{
    static const char* const labels[] = {"True Mean Concentration", "True Proportion",
                                         "True Difference in Mean Concentration",
                                         "True Difference in Proportions"};
    return labels[std::clamp(parameter, 0, 3)];
}

std::string YLabel(ParameterCode parameter)
{
    const char* word = ParameterWord(parameter, ParameterWordForm::kCurve);
    // The curve is always the probability of deciding "greater".
    if (IsTwoSample(parameter))
        return FormatText(
            "Probability of deciding that the true %s\ndifference is %s than the action level",
            word, "greater");
    return FormatText("Probability of deciding that the true\n%s is %s than the action level", word,
                      "greater");
}

// The last line of the text block: what the design is made of.
QString DesignDetail(const DQORecord& rec)
{
    if (rec.nDesign == kComposite)
        return Text(FormatText("(%d composites of %d aliquots)", rec.nSamples, rec.nAliquots));
    if (rec.nDesign != kStratified)
        return QString();
    QString detail = QStringLiteral("(Strata sizes:");
    for (int i = 0; i < StrataCount(rec); ++i)
        detail += Text(FormatText(" %d", rec.nStratumSamples[i]));
    return detail + QStringLiteral(")");
}

} // namespace

bool LoadGraphFonts()
{
    // Resources of a static library are not registered by themselves.
    static const bool registered = [] {
        Q_INIT_RESOURCE(graph_fonts);
        return true;
    }();
    (void)registered;
    // The font database belongs to the application object.
    if (qGuiApp == nullptr)
        return false;
    if (g_fixedFamily.isEmpty())
        g_fixedFamily = AddFont(QStringLiteral(":/fonts/LiberationMono-Regular.ttf"));
    if (g_plainFamily.isEmpty())
        g_plainFamily = AddFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    return !g_fixedFamily.isEmpty() && !g_plainFamily.isEmpty();
}

CGraph::CGraph(const QString& title, const QString& xLabel, const QString& yLabel)
    : m_strTitle(title), m_strXLabel(xLabel), m_strYLabel(yLabel)
{
}

CGraph CGraph::PerformanceCurve()
{
    return CGraph(QStringLiteral("Estimated Performance Curve"),
                  QStringLiteral("True Mean Concentration"),
                  QStringLiteral("Probability of deciding that the true\nmean is greater than the "
                                 "action level"));
}

void CGraph::SetData(const PlotSpec& spec)
{
    m_spec = spec;
    // The counts index fixed arrays; a larger count must not read past them.
    m_nPoints = std::clamp(spec.nPoints, 0, kCurvePoints);
    m_nXTicks = std::clamp(spec.nXTicks, 0, kXTicks);
    m_nVLines = std::clamp(spec.nVLines, 0, kVLines);
    m_dYMin = spec.dYMin;
    m_dYMax = spec.dYMax;
}

void CGraph::SetDecisionInfo(int baseline, const double* errorPoint, const double* errorLimit,
                             double xOrigin, double xRange, int centred, double actionLevel,
                             int parameter)
{
    m_nBaselineCode = baseline;
    m_pErrorPoint = errorPoint;
    m_pErrorLimit = errorLimit;
    m_dXOrigin = xOrigin;
    m_dXRange = xRange;
    m_bCentred = centred;
    m_dActionLevel = actionLevel;
    m_nParameterCode = parameter;
}

void CGraph::Draw(QPainter& painter, const DQORecord* results, int width, int height, bool printing)
{
    // Without an active painter there is no device to measure fonts on.
    if (!painter.isActive() || painter.device() == nullptr)
        return;
    painter.save();
    if (printing)
        m_bCopyMode = 0;
    // The one-bit copy is thresholded: blended edges would fill small digits.
    const bool aliased = m_bCopyMode != 0;
    if (aliased)
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, false);
    CreateFonts(*painter.device(), aliased);
    painter.setBackground(kWhite);
    painter.setBackgroundMode(Qt::TransparentMode);
    m_nWidth = std::clamp(width, 0, kCoordLimit);
    m_nHeight = std::clamp(height, 0, kCoordLimit);
    if (printing) {
        m_nWidth -= m_metrics.margin;
        m_nHeight -= m_metrics.margin;
    }
    if (results != nullptr)
        DrawResults(painter, *results, printing);
    else
        DrawStandingTitle(painter);
    painter.restore();
}

void CGraph::CreateFonts(const QPaintDevice& device, bool aliased)
{
    // Loaded at start-up; a drawing before that still gets the built-in fonts.
    LoadGraphFonts();
    m_smallFont = FixedFont(8, device);
    m_mediumFont = FixedFont(10, device);
    m_largeFont = FixedFont(12, device);
    // The vertical label in the plain face.
    m_verticalFont = GraphFont(g_plainFamily, "Liberation Sans", 10, device);
    m_verticalFont.setWeight(QFont::Normal);
    if (aliased) {
        for (QFont* font : {&m_smallFont, &m_mediumFont, &m_largeFont, &m_verticalFont})
            font->setStyleStrategy(
                QFont::StyleStrategy(font->styleStrategy() | QFont::NoAntialias));
    }

    m_metrics.hS = LineHeight(m_smallFont, device);
    m_metrics.hM = LineHeight(m_mediumFont, device);
    m_metrics.hL = LineHeight(m_largeFont, device);
    m_metrics.hV = LineHeight(m_verticalFont, device);
    m_metrics.cwM = QFontMetrics(m_mediumFont, &device).averageCharWidth();
    m_metrics.cwL = QFontMetrics(m_largeFont, &device).averageCharWidth();
    m_metrics.margin = 5 * m_metrics.cwM;
}

void CGraph::TakeRecord(const DQORecord& rec)
{
    SetData(rec.plotSpec);
    SetXLabel(QString::fromUtf8(XLabel(rec.nParameter)));
    SetYLabel(Text(YLabel(ParameterOf(rec))));
    // The difference of two proportions is always plotted from -1 to 1.
    const bool centred = rec.nParameter == kTwoProportion;
    SetDecisionInfo(rec.nBaseline, rec.dErrorPoint, rec.dErrorLimit, rec.dMinimum,
                    centred ? 2.0 : rec.dMaximum - rec.dMinimum, centred ? 1 : 0, rec.dActionLevel,
                    rec.nParameter);
}

CGraph::Layout CGraph::ComputeLayout(const QPaintDevice& device, bool printing) const
{
    const Metrics& mt = m_metrics;
    const int margin = printing ? mt.margin : 0;
    Layout lay;
    lay.T0 = m_nHeight - 8 * mt.hS - mt.hL - margin;
    lay.xLabelY = lay.T0 - mt.hM;
    lay.tickBase = mt.hS / 2;
    lay.tickLen = (3 * lay.tickBase) / 2;
    lay.plotBottom = lay.T0 - 2 * mt.hM - lay.tickLen;
    lay.plotHeight = lay.plotBottom - 3 * mt.hL;
    lay.plotTop = lay.plotBottom - lay.plotHeight;
    lay.leftX = mt.hV + margin;
    lay.plotLeft = lay.leftX + 2 * mt.hV + lay.tickLen +
                   2 * TextWidth(m_smallFont, device, QStringLiteral("1.0"));
    lay.plotWidth =
        m_nWidth - TextWidth(m_smallFont, device, QStringLiteral("0.010")) - mt.cwL - lay.plotLeft;
    lay.plotRight = lay.plotLeft + lay.plotWidth;
    lay.tableX = m_nWidth -
                 TextWidth(m_mediumFont, device, QStringLiteral("concentration prob(E) type")) -
                 mt.cwM;
    // Width 0 is the thinnest line the device draws.
    lay.penWidth = mt.hS / 8;
    lay.axisPen = QPen(printing ? kBlack : kAxisBlue, lay.penWidth, Qt::SolidLine, Qt::FlatCap);
    return lay;
}

void CGraph::DrawStandingTitle(QPainter& painter) const
{
    const QString title = QStringLiteral("TALO for Windows");
    const QPaintDevice& device = *painter.device();
    DrawTextTop(painter, m_largeFont, (m_nWidth - TextWidth(m_largeFont, device, title)) / 2,
                TextHeight(m_largeFont, device) / 2, title);
}

void CGraph::DrawResults(QPainter& painter, const DQORecord& rec, bool printing)
{
    TakeRecord(rec);
    const Layout lay = ComputeLayout(*painter.device(), printing);

    painter.setPen(lay.axisPen);
    painter.drawLine(lay.plotLeft, lay.plotBottom, lay.plotRight, lay.plotBottom);
    painter.drawLine(lay.plotLeft, lay.plotBottom, lay.plotLeft, lay.plotTop);
    DrawTitleAndLabels(painter, lay);
    painter.setPen(lay.axisPen);
    DrawAxes(painter, lay.plotWidth, lay.plotHeight, lay.plotLeft, lay.plotBottom, lay.tickBase);
    if (m_bCopyMode == 0)
        DrawGrayRegion(painter, lay);
    DrawBoundLines(painter, lay);
    DrawActionLevelLabel(painter, lay);
    DrawRegionLabels(painter, lay);
    DrawErrorLimits(painter, lay);
    DrawCurve(painter, lay);
    DrawTextBlock(painter, lay, rec);
    DrawLimitTable(painter, lay, rec);
}

void CGraph::DrawTitleAndLabels(QPainter& painter, const Layout& lay) const
{
    const QPaintDevice& device = *painter.device();
    DrawTextTop(painter, m_largeFont, (m_nWidth - TextWidth(m_largeFont, device, m_strTitle)) / 2,
                m_metrics.hL, m_strTitle);
    DrawTextTop(painter, m_largeFont,
                lay.plotLeft + (lay.plotWidth - TextWidth(m_largeFont, device, m_strXLabel)) / 2,
                lay.xLabelY, m_strXLabel);
    DrawVerticalLabel(painter, lay);
}

void CGraph::DrawVerticalLabel(QPainter& painter, const Layout& lay) const
{
    const int lineBreak = static_cast<int>(m_strYLabel.indexOf(QLatin1Char('\n')));
    const QStringList parts =
        lineBreak < 0 ? QStringList{m_strYLabel}
                      : QStringList{m_strYLabel.left(lineBreak), m_strYLabel.mid(lineBreak + 1)};
    int x = lay.leftX;
    for (const QString& part : parts) {
        // Centred along the y axis.
        const int y = lay.plotBottom -
                      (lay.plotHeight - TextWidth(m_verticalFont, *painter.device(), part)) / 2;
        DrawTextUpward(painter, m_verticalFont, x, y, part);
        x += m_metrics.hV;
    }
}

void CGraph::DrawAxes(QPainter& painter, int plotWidth, int plotHeight, int plotLeft,
                      int plotBottom, int tickBase)
{
    const QPen tickPen = painter.pen();
    const int labelHeight = TextHeight(m_smallFont, *painter.device());

    const double range = m_dYMax - m_dYMin;
    const double scale = range != 0 ? plotHeight / range : 1.0;
    for (const double value : AutomaticTicks(m_dYMin, m_dYMax)) {
        const int y = Trunc(plotBottom - (value - m_dYMin) * scale);
        painter.setPen(tickPen);
        painter.drawLine(plotLeft - tickBase, y, plotLeft, y);
        const QString label = TickLabel(value, m_spec.nYDecimals);
        const int labelRight = plotLeft - (3 * tickBase) / 2;
        DrawTextTop(painter, m_smallFont,
                    labelRight - TextWidth(m_smallFont, *painter.device(), label),
                    y - labelHeight / 2, label);
    }

    const double spacing = m_nXTicks > 1 ? static_cast<double>(plotWidth) / (m_nXTicks - 1) : 0.0;
    double offset = 0;
    for (int i = 0; i < m_nXTicks; ++i) {
        const int x = plotLeft + Trunc(offset);
        painter.setPen(tickPen);
        painter.drawLine(x, plotBottom, x, plotBottom + tickBase);
        const QString label = TickLabel(m_spec.dXTickValues[i], m_spec.nXDecimals);
        DrawTextTop(painter, m_smallFont, x - TextWidth(m_smallFont, *painter.device(), label) / 2,
                    plotBottom + (3 * tickBase) / 2, label);
        offset += spacing;
    }
    painter.setPen(tickPen);
}

void CGraph::DrawGrayRegion(QPainter& painter, const Layout& lay) const
{
    const int left = LinePos(lay, 0);
    const int right = LinePos(lay, 1);
    if (right > left && lay.plotHeight > 0)
        painter.fillRect(left, lay.plotTop, right - left, lay.plotHeight, kRegionGray);
}

void CGraph::DrawBoundLines(QPainter& painter, const Layout& lay) const
{
    for (int i = 0; i < m_nVLines; ++i) {
        const bool actionLevel = i == ActionLevelLine();
        painter.setPen(QPen(actionLevel ? kActionRed : kBoundGray, lay.penWidth,
                            actionLevel ? Qt::SolidLine : Qt::DotLine, Qt::FlatCap));
        // A flat-capped line stops short of its end point, so the x axis
        // stays unbroken.
        const int x = LinePos(lay, i);
        painter.drawLine(x, lay.plotTop + 1, x, lay.plotBottom);
    }
}

void CGraph::DrawActionLevelLabel(QPainter& painter, const Layout& lay) const
{
    const QString pointingRight = QStringLiteral("Action Level -->");
    const QString pointingLeft = QStringLiteral("<-- Action Level");
    const int xa = Trunc(lay.plotWidth * m_spec.dVLinePos[ActionLevelLine()]);
    const int wa = TextWidth(m_smallFont, *painter.device(), pointingRight);
    const int y = lay.plotBottom - (7 * lay.plotHeight) / 8;
    // The label goes on the gray region's side of the line when it fits.
    const bool onRight = m_nBaselineCode == 0 ? xa + wa + 4 <= lay.plotWidth : !(xa - wa - 4 >= 0);
    if (onRight)
        DrawTextTop(painter, m_smallFont, lay.plotLeft + xa + 4, y, pointingLeft);
    else
        DrawTextTop(painter, m_smallFont, lay.plotLeft + xa - wa - 4, y, pointingRight);
}

void CGraph::DrawRegionLabels(QPainter& painter, const Layout& lay) const
{
    static const int shifts[] = {40, 45, 58, 58};
    const int parameter = std::clamp(m_nParameterCode, 0, 3);
    const QFontMetrics metrics(m_mediumFont, painter.device());

    // "FR" is measured as four character cells of the fixed-pitch font.
    const int fw = metrics.horizontalAdvance(QStringLiteral("FR  "));
    const int yR = lay.plotBottom - lay.plotHeight / 2 - metrics.height() / 2;
    const int yH = yR + 2 * m_metrics.hM;
    const int xl = Trunc(lay.plotWidth * m_spec.dVLinePos[0]);
    const int xr = Trunc((1 - m_spec.dVLinePos[1]) * lay.plotWidth);
    const int centreLeft = lay.plotLeft + xl / 2 - fw / 2;
    const int centreRight = lay.plotLeft + lay.plotWidth - xr / 2 - fw / 2;

    const bool rejectLeft = m_nBaselineCode != 0;
    DrawTextTop(painter, m_mediumFont, centreLeft, yR, rejectLeft ? "FR" : "FA");
    DrawTextTop(painter, m_mediumFont, centreRight, yR, rejectLeft ? "FA" : "FR");

    const QString lead = QStringLiteral("Ho: ") +
                         QString::fromUtf8(ParameterWord(static_cast<ParameterCode>(parameter),
                                                         ParameterWordForm::kSpaced)) +
                         QStringLiteral(" ");
    const QString hypothesis =
        lead + (rejectLeft ? "< " : "> ") + Text(FormatText("%g", m_dActionLevel));
    // The hypothesis stands under "FR", moved left by its own length in
    // device units; the underscore under the relation makes it read <= or >=.
    const int hx = (rejectLeft ? centreLeft : centreRight) - shifts[parameter] -
                   static_cast<int>(hypothesis.size());
    DrawTextTop(painter, m_mediumFont, hx, yH, hypothesis);
    DrawTextTop(painter, m_mediumFont, hx + metrics.horizontalAdvance(lead), yH,
                QStringLiteral("_"));
}

void CGraph::DrawErrorLimits(QPainter& painter, const Layout& lay) const
{
    const auto yLow = [&lay](double p) { return lay.plotBottom - Trunc(lay.plotHeight * p) - 1; };
    const auto yHigh = [&lay](double p) {
        return lay.plotBottom - Trunc((1 - p) * lay.plotHeight) - 1;
    };
    const double* point = m_pErrorPoint;
    const double* limit = m_pErrorLimit;

    // Staircases inward from each end of the x axis: how often the curve may
    // decide "greater" outside the gray region.
    QPolygon below;
    for (int i = kRowBelow1; i <= kRowLower; ++i) {
        if (!(limit[i] > 0))
            continue;
        const int y = yLow(limit[i]);
        below << (below.isEmpty() ? QPoint(lay.plotLeft, y)
                                  : QPoint(ErrorPointX(lay, point[i - 1]), y));
        below << QPoint(ErrorPointX(lay, point[i]), y);
    }
    QPolygon above;
    for (int i = kRowAbove2; i >= kRowUpper; --i) {
        if (!(limit[i] > 0))
            continue;
        const int y = yHigh(limit[i]);
        above << (above.isEmpty() ? QPoint(lay.plotRight, y)
                                  : QPoint(ErrorPointX(lay, point[i + 1]), y));
        above << QPoint(ErrorPointX(lay, point[i]), y);
    }
    painter.setPen(lay.axisPen);
    if (!below.isEmpty())
        painter.drawPolyline(below);
    if (!above.isEmpty())
        painter.drawPolyline(above);

    const int halfHeight = TextHeight(m_smallFont, *painter.device()) / 2;
    DrawTextTop(painter, m_smallFont, lay.plotRight + 4, yLow(limit[kRowLower]) - halfHeight,
                Text(FormatText("%.3f", limit[kRowLower])));
    DrawTextTop(painter, m_smallFont, lay.plotRight + 4, yHigh(limit[kRowUpper]) - halfHeight,
                Text(FormatText("%.3f", limit[kRowUpper])));
}

void CGraph::DrawCurve(QPainter& painter, const Layout& lay) const
{
    if (m_nPoints < 1)
        return;
    const double range = m_dYMax - m_dYMin;
    QPolygon curve;
    for (int k = 0; k < m_nPoints; ++k) {
        const int x =
            lay.plotLeft + ClampCoord(static_cast<std::int64_t>(k + 1) * lay.plotWidth / m_nPoints);
        const double rise = m_spec.dValues[k] - m_dYMin;
        const double height = range != 0 ? rise * lay.plotHeight / range : rise;
        curve << QPoint(x, Trunc(lay.plotBottom - height));
    }
    painter.setPen(QPen(kCurveGreen, lay.penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawPolyline(curve);
}

void CGraph::DrawTextBlock(QPainter& painter, const Layout& lay, const DQORecord& rec) const
{
    const int x = lay.leftX;
    const int hM = m_metrics.hM;
    DrawTextTop(painter, m_mediumFont, x, lay.T0, QString::fromUtf8(DesignName(rec.nDesign)));
    DrawTextTop(painter, m_mediumFont, x, lay.T0 + hM,
                Text(FormatText("Action Level = %.3f", rec.dActionLevel)));
    DrawTextTop(painter, m_mediumFont, x, lay.T0 + 2 * hM,
                Text(FormatText("Cost = $%.2f", rec.dCalcTotalCost)));
    DrawTextTop(painter, m_mediumFont, x, lay.T0 + 3 * hM,
                Text(FormatText("Sample Size = %d", rec.nSamples)));
    const QString detail = DesignDetail(rec);
    if (!detail.isEmpty())
        DrawTextTop(painter, m_smallFont, x + 3 * m_metrics.cwM, lay.T0 + 4 * hM, detail);
}

namespace {

// The rows of the decision error limit table, for the limits in force.
QStringList LimitTableRows(const DQORecord& rec)
{
    QStringList rows;
    for (int i = 0; i < kErrorRows; ++i) {
        if (!(rec.dErrorLimit[i] > 0))
            continue;
        // Below the gray region a wrong "greater" is a false acceptance when
        // the baseline is "at least", a false rejection otherwise.
        const bool belowSide = i <= kRowLower;
        const char* type = belowSide == (rec.nBaseline == kBaselineAtLeast) ? "A" : "R";
        const char* flag = RowNotSatisfied(rec, static_cast<ErrorRow>(i)) ? "NS" : "";
        rows << Text(FormatText("%5.3f             %.3f      F%s %s", rec.dErrorPoint[i],
                                rec.dErrorLimit[i], type, flag));
    }
    return rows;
}

} // namespace

void CGraph::DrawLimitTable(QPainter& painter, const Layout& lay, const DQORecord& rec) const
{
    const QPaintDevice& device = *painter.device();
    const QStringList rows = LimitTableRows(rec);
    // The rows, in the small font, are longer than the header that places the
    // table: the table moves left until its longest row ends inside.
    int widest = 0;
    for (const QString& row : rows)
        widest = std::max(widest, TextWidth(m_smallFont, device, row));
    const int x = std::min(lay.tableX, m_nWidth - widest - m_metrics.cwM);
    const bool concentration = rec.nParameter == kOneMean || rec.nParameter == kTwoMean;
    DrawTextTop(painter, m_mediumFont, x, lay.T0, QStringLiteral("Decision Error Limits"));
    DrawTextTop(painter, m_mediumFont, x, lay.T0 + m_metrics.hM,
                concentration ? QStringLiteral("concentration prob(E) type")
                              : QStringLiteral("proportion    prob(E) type"));
    int y = lay.T0 + 2 * m_metrics.hM;
    for (const QString& row : rows) {
        DrawTextTop(painter, m_smallFont, x, y, row);
        y += m_metrics.hS;
    }
}

int CGraph::ActionLevelLine() const
{
    return m_nBaselineCode == kBaselineAtLeast ? 1 : 0;
}

int CGraph::LinePos(const Layout& lay, int line) const
{
    return lay.plotLeft + Trunc(lay.plotWidth * m_spec.dVLinePos[line]);
}

int CGraph::ErrorPointX(const Layout& lay, double x) const
{
    const double fromLeft = m_bCentred != 0 ? x + m_dXRange * 0.5 : x - m_dXOrigin;
    // A zero-width axis cannot pass the input checks; it must still not
    // divide by zero.
    const double offset = m_dXRange != 0 ? fromLeft * lay.plotWidth / m_dXRange : 0.0;
    return lay.plotLeft + Trunc(offset);
}
