#pragma once

#include <QObject>

#include "engine/dqo_record.h"
#include "engine/summary_report.h"

// The single document: the analysis being explored (m_dqoCurrent), the
// analysis as the wizard entered it (m_dqoOriginal), the point on which
// every screen centres itself and the report file of the analysis.
class CTaloDoc : public QObject {
    Q_OBJECT

public:
    explicit CTaloDoc(QObject* parent = nullptr);

    DQORecord m_dqoCurrent;
    int m_nCentreX = 320;
    int m_nCentreY = 240;
    DQORecord m_dqoOriginal;
    int m_bResultsReady = 0;

    // A new analysis: the original record back to its reset values, no
    // results, and the report file forgotten.
    void ResetDQO();
    void CopyOriginalToCurrent();

    // Fills both calculation blocks and computes one pass on m_dqoCurrent:
    // design, additional limits, curve and plot description; then the
    // results are ready and the views are told.
    void ComputeResults();

    int IsResultsReady() const { return m_bResultsReady; }
    const PlotSpec& GetPlotSpec() const { return m_dqoCurrent.plotSpec; }

    // Appends the summary of m_dqoCurrent to the report file, asking for the
    // file at the first save of an analysis. 1 when written.
    int SaveSummaryReport();
    const CReportFile& ReportFile() const { return m_report; }

    void UpdateAllViews();

signals:
    // The views redraw and take the main window's centre point.
    void ViewsUpdated();

private:
    CReportFile m_report;
};
