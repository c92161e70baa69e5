#pragma once

#include <memory>

#include <QRect>
#include <QWidget>

class CGraph;
class CTaloDoc;
class QPainter;
class QPrinter;
struct DQORecord;

// The main window's frame rectangle for a desktop of the given size: 639
// pixels wide, 539 high (479 on a desktop lower than 600), centred.
QRect InitialFrameRect(const QSize& desktop);

// The client area of the main window: shows the performance curve of the
// current analysis and copies, saves and prints it. It also keeps the
// document's centre point on the main window, where every screen opens.
class CTaloView : public QWidget {
    Q_OBJECT

public:
    explicit CTaloView(CTaloDoc& doc, QWidget* parent = nullptr);
    ~CTaloView() override;

    // Once, after the main window is shown: centres it on its desktop and
    // takes the desktop's centre as the centre point.
    void OnInitialUpdate();

    void OnCopyGraph();
    void OnSaveGraph();
    void OnPrintGraph();
    void OnPrintPreview();

    // One printed page: the graph laid out for the printer on its whole
    // drawing area.
    void PrintGraphPage(QPrinter& printer);
    void DrawPage(QPainter& painter, const QRect& page);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnUpdate();
    const DQORecord* Results() const;
    QImage RenderMonochrome() const;

    CTaloDoc& m_doc;
    std::unique_ptr<CGraph> m_pGraph;
};
