#include "ui/graph/talo_view.h"

#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>

#include "ui/frame_placement.h"
#include "ui/graph/bitmap_writer.h"
#include "ui/graph/graph.h"
#include "ui/platform_seams.h"
#include "ui/talo_doc.h"

namespace {

constexpr int kFrameHalfWidth = 320;
constexpr int kTallFrameHalfHeight = 270;
constexpr int kShortFrameHalfHeight = 240;
constexpr int kTallDesktopHeight = 600;

// Moves a top-level window so that its outer frame, decoration included,
// covers rect.
void MoveFrameTo(QWidget& frame, const QRect& rect)
{
    const QSize decoration = frame.frameGeometry().size() - frame.geometry().size();
    frame.resize(rect.size() - decoration);
    frame.move(rect.topLeft());
}

} // namespace

QRect InitialFrameRect(const QSize& desktop)
{
    const int centreX = desktop.width() / 2;
    const int centreY = desktop.height() / 2;
    const int halfHeight =
        desktop.height() >= kTallDesktopHeight ? kTallFrameHalfHeight : kShortFrameHalfHeight;
    // One pixel short of twice the half sizes: 639 x 539 or 639 x 479.
    return QRect(centreX - kFrameHalfWidth, centreY - halfHeight, 2 * kFrameHalfWidth - 1,
                 2 * halfHeight - 1);
}

CTaloView::CTaloView(CTaloDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_pGraph(std::make_unique<CGraph>(CGraph::PerformanceCurve()))
{
    setObjectName(QStringLiteral("taloView"));
    // paintEvent fills every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_doc, &CTaloDoc::ViewsUpdated, this, &CTaloView::OnUpdate);
}

CTaloView::~CTaloView() = default;

void CTaloView::OnInitialUpdate()
{
    const QSize desktop = screen()->geometry().size();
    m_doc.m_nCentreX = desktop.width() / 2;
    m_doc.m_nCentreY = desktop.height() / 2;
    QWidget& frame = *window();
    const QRect rect = InitialFrameRect(desktop);
    PlaceByFrame(frame, [&frame, rect] { MoveFrameTo(frame, rect); });
    update();
}

void CTaloView::OnUpdate()
{
    const QRect frame = window()->frameGeometry();
    m_doc.m_nCentreX = frame.left() + frame.width() / 2;
    m_doc.m_nCentreY = frame.top() + frame.height() / 2;
    update();
}

const DQORecord* CTaloView::Results() const
{
    return m_doc.IsResultsReady() ? &m_doc.m_dqoCurrent : nullptr;
}

void CTaloView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    m_pGraph->Draw(painter, Results(), width(), height(), false);
}

QImage CTaloView::RenderMonochrome() const
{
    // Drawn off the screen: the window goes on showing the gray region.
    return RenderGraphMonochrome(*m_pGraph, Results(), size());
}

void CTaloView::OnCopyGraph()
{
    const QImage mono = RenderMonochrome();
    if (!mono.isNull())
        QGuiApplication::clipboard()->setImage(mono);
}

void CTaloView::OnSaveGraph()
{
    SaveFileRequest request;
    request.filters = QStringLiteral("Bitmap Files (*.BMP);;All Files (*.*)");
    request.defaultSuffix = QStringLiteral("bmp");
    CPlatformSeams& seams = CPlatformSeams::Current();
    QString fileName;
    if (!seams.AskSaveFileName(this, request, fileName))
        return;
    // A failed write is said, so that nobody relies on a file that is not there.
    if (!WriteBitmapFile(RenderMonochrome(), fileName))
        seams.ShowMessage(window(), QStringLiteral("TALO"),
                          QStringLiteral("Cannot write the graph to the file %1.")
                              .arg(QDir::toNativeSeparators(fileName)),
                          MessageIcon::Warning, MessageButtons::Ok);
}

void CTaloView::OnPrintGraph()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (CPlatformSeams::Current().RunModal(dialog) == QDialog::Accepted)
        PrintGraphPage(printer);
}

void CTaloView::OnPrintPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* pagePrinter) { PrintGraphPage(*pagePrinter); });
    CPlatformSeams::Current().RunModal(preview);
}

void CTaloView::PrintGraphPage(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    DrawPage(painter, QRect(0, 0, printer.width(), printer.height()));
}

void CTaloView::DrawPage(QPainter& painter, const QRect& page)
{
    painter.save();
    painter.translate(page.topLeft());
    m_pGraph->Draw(painter, Results(), page.width(), page.height(), true);
    painter.restore();
}
