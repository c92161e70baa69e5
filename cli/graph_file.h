#pragma once

#include <string>

#include <QSize>

struct DQORecord;

// Draws the graph of the analysis off-screen into a file: .bmp gives the
// one-bit bitmap the desktop program saves, .png the window's colour
// picture, .pdf the printed page. Needs the GUI application object. False
// with a reason when it failed.
bool WriteGraphFile(const DQORecord& rec, const std::string& path, QSize size, std::string& error);
