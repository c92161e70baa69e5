#pragma once

#include <functional>

class QWidget;

// Places a top-level window by its whole frame, title bar and borders
// included. A window manager adds the frame only after the window is first
// shown, so a placement made then sees no frame at all and would let the
// frame reach past the screen; place runs now and once more when the frame
// becomes known.
void PlaceByFrame(QWidget& window, const std::function<void()>& place);
