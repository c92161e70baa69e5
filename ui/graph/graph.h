#pragma once

#include <QFont>
#include <QPen>
#include <QString>

#include "engine/plot_description.h"

class QPainter;
class QPaintDevice;
struct DQORecord;

// The graph draws every text in fonts built into the program (Liberation
// Mono and Liberation Sans), so that its layout is the same on every
// machine. Loads them into the application's font database once; needs the
// application object. False when they could not be loaded: the graph then
// falls back to fonts of the system.
bool LoadGraphFonts();

// The smallest drawing in which the labels of the graph neither overlap nor
// crowd the plot out.
inline constexpr int kMinimumGraphWidth = 480;
inline constexpr int kMinimumGraphHeight = 360;

// Draws the estimated performance curve with its axes, gray region, action
// level, decision error limits and text blocks into any paint device. Every
// position follows from the metrics of the fonts on the target device, so
// the same routine serves the window, images and the printed page.
class CGraph {
public:
    CGraph(const QString& title, const QString& xLabel, const QString& yLabel);

    // The plot of the performance curve with its standing title and labels.
    static CGraph PerformanceCurve();

    void SetCopyMode(int flag) { m_bCopyMode = flag; }
    int CopyMode() const { return m_bCopyMode; }
    void SetData(const PlotSpec& spec);
    void SetXLabel(const QString& label) { m_strXLabel = label; }
    void SetYLabel(const QString& label) { m_strYLabel = label; }
    void SetDecisionInfo(int baseline, const double* errorPoint, const double* errorLimit,
                         double xOrigin, double xRange, int centred, double actionLevel,
                         int parameter);

    // Draws into painter's device, width x height device units. results is
    // the analysis to show, or null before the first analysis (only the
    // standing title is drawn). printing: the printed-page layout (margin,
    // black axes, gray region filled whatever the copy mode).
    void Draw(QPainter& painter, const DQORecord* results, int width, int height, bool printing);

    // Ticks and tick labels of both axes, in the small font of the current
    // drawing; tick lines use the painter's pen.
    void DrawAxes(QPainter& painter, int plotWidth, int plotHeight, int plotLeft, int plotBottom,
                  int tickBase);

private:
    // Line heights and character widths of the four fonts on the device.
    struct Metrics {
        int hS = 0, hM = 0, hL = 0, hV = 0;
        int cwM = 0, cwL = 0;
        int margin = 0;
    };

    // Positions of one drawing, in device units.
    struct Layout {
        int T0 = 0;
        int xLabelY = 0;
        int tickBase = 0;
        int tickLen = 0;
        int plotBottom = 0;
        int plotHeight = 0;
        int plotTop = 0;
        int leftX = 0;
        int plotLeft = 0;
        int plotWidth = 0;
        int plotRight = 0;
        int tableX = 0;
        int penWidth = 0;
        QPen axisPen;
    };

    void CreateFonts(const QPaintDevice& device, bool aliased);
    void TakeRecord(const DQORecord& rec);
    Layout ComputeLayout(const QPaintDevice& device, bool printing) const;

    void DrawStandingTitle(QPainter& painter) const;
    void DrawResults(QPainter& painter, const DQORecord& rec, bool printing);
    void DrawTitleAndLabels(QPainter& painter, const Layout& lay) const;
    void DrawVerticalLabel(QPainter& painter, const Layout& lay) const;
    void DrawGrayRegion(QPainter& painter, const Layout& lay) const;
    void DrawBoundLines(QPainter& painter, const Layout& lay) const;
    void DrawActionLevelLabel(QPainter& painter, const Layout& lay) const;
    void DrawRegionLabels(QPainter& painter, const Layout& lay) const;
    void DrawErrorLimits(QPainter& painter, const Layout& lay) const;
    void DrawCurve(QPainter& painter, const Layout& lay) const;
    void DrawTextBlock(QPainter& painter, const Layout& lay, const DQORecord& rec) const;
    void DrawLimitTable(QPainter& painter, const Layout& lay, const DQORecord& rec) const;

    int ActionLevelLine() const;
    int LinePos(const Layout& lay, int line) const;
    int ErrorPointX(const Layout& lay, double x) const;

    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_bCopyMode = 0;
    QString m_strTitle;
    QString m_strXLabel;
    QString m_strYLabel;
    QFont m_smallFont;
    QFont m_mediumFont;
    QFont m_largeFont;
    QFont m_verticalFont;
    Metrics m_metrics;
    PlotSpec m_spec;
    int m_nPoints = 0;
    int m_nXTicks = 0;
    int m_nVLines = 0;
    double m_dYMax = 1.0;
    double m_dYMin = 0.0;
    int m_nBaselineCode = 0;
    const double* m_pErrorPoint = nullptr;
    const double* m_pErrorLimit = nullptr;
    double m_dXOrigin = 0;
    double m_dXRange = 1;
    double m_dActionLevel = 0;
    int m_nParameterCode = 0;
    int m_bCentred = 0;
};
