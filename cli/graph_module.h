#pragma once

#include <string>

struct DQORecord;

// The entry points of talo-cli's graph module, looked up by name after the
// module is loaded: only a graph brings Qt Gui and its libraries into the
// process, so a text report starts in a fraction of the time.

// Starts the GUI application object (the offscreen platform unless
// QT_QPA_PLATFORM names one), loads the graph's fonts and returns run's
// status, run(context) running while the application object lives.
using GraphModuleRun = int (*)(int argc, char** argv, int (*run)(void* context), void* context);
inline constexpr char kGraphModuleRun[] = "talo_cli_graph_run";

// Draws the graph of rec into path, width x height; false with the reason in
// error when it failed.
using GraphModuleWrite = bool (*)(const DQORecord* rec, const char* path, int width, int height,
                                  std::string* error);
inline constexpr char kGraphModuleWrite[] = "talo_cli_graph_write";
