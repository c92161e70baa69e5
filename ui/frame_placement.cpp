#include "ui/frame_placement.h"

#include <QEvent>
#include <QWidget>

namespace {

// The frame is known once it is larger than the window's inner area; while
// the window is being shown or hidden it may read as anything.
bool FrameKnown(const QWidget& window)
{
    const QSize frame = window.frameGeometry().size();
    const QSize inner = window.size();
    return window.isVisible() && frame != inner && frame.width() >= inner.width() &&
           frame.height() >= inner.height();
}

// Runs the placement again once an event of the window finds its frame
// known (not every platform reports it with a move), then goes away.
class CFrameWatcher : public QObject {
public:
    CFrameWatcher(QWidget& window, std::function<void()> place)
        : QObject(&window), m_window(window), m_place(std::move(place))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent*) override
    {
        if (watched == &m_window && FrameKnown(m_window)) {
            m_window.removeEventFilter(this);
            // Not inside the event at hand, which may be a paint.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    // The window may have closed or changed in the meantime.
                    if (FrameKnown(m_window))
                        m_place();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget& m_window;
    std::function<void()> m_place;
};

} // namespace

void PlaceByFrame(QWidget& window, const std::function<void()>& place)
{
    place();
    if (!FrameKnown(window) && !window.windowFlags().testFlag(Qt::FramelessWindowHint))
        new CFrameWatcher(window, place);
}
