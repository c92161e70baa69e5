#pragma once

#include <QFont>
#include <QString>

#include "graph/plot_spec.h"

class QPainter;
struct DQORecord;

// Draws the estimated performance curve with its axes, gray region, action
// level, decision error limits and text blocks into any paint device. Every
// position follows from the metrics of the fonts on the target device, so
// the same routine serves the window, images and the printed page.
class CGraph {
public:
    CGraph(const QString& title, const QString& xLabel, const QString& yLabel);

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

    void DrawAxes(QPainter& painter, int plotWidth, int plotHeight, int plotLeft, int plotBottom,
                  int tickBase);

private:
    // (implementation members)
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_bCopyMode = 0;
    QString m_strTitle;
    QString m_strXLabel;
    QString m_strYLabel;
    PlotSpec m_spec;
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
