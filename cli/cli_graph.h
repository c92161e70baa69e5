#pragma once

#include <functional>
#include <string>

#include <QSize>

struct DQORecord;

// True for the file names --graph accepts: .bmp, .png or .pdf.
bool IsGraphFileName(const std::string& path);

// Draws the graph of the analysis into a file; false with a reason when it
// failed. talo-cli's text never needs Qt Gui, so the drawing lives in a
// module of its own that the program (or a test) installs here.
using GraphWriter = std::function<bool(const DQORecord& rec, const std::string& path, QSize size,
                                       std::string& error)>;
void SetGraphWriter(GraphWriter writer);

// The installed writer's drawing; refused with a reason when none is installed.
bool WriteGraph(const DQORecord& rec, const std::string& path, QSize size, std::string& error);
