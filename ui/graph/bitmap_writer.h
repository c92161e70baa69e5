#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class CGraph;
struct DQORecord;

// The graph as the clipboard and the bitmap file take it: drawn in copy mode
// (no gray fill) onto white, then every pixel that is not white made black.
// A one-bit image with colour 0 black and colour 1 white; a null image for
// an empty size. The graph is left in copy mode 0.
QImage RenderGraphMonochrome(CGraph& graph, const DQORecord* results, QSize size);

// The bytes of a one-bit Windows bitmap file of the image: white pixels are
// 1 bits, all others 0; rows bottom-up, each padded to four bytes. Empty for
// a null image.
QByteArray EncodeMonoBitmap(const QImage& mono);

// Writes the image as a one-bit bitmap file, whole or not at all: false, and
// no file left behind, when anything fails.
bool WriteBitmapFile(const QImage& mono, const QString& path);
