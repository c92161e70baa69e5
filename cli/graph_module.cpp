#include "cli/graph_module.h"

#include <iostream>
#include <type_traits>

#include <QGuiApplication>

#include "cli/graph_file.h"
#include "ui/graph/graph.h"

#define TALO_GRAPH_MODULE_EXPORT __attribute__((visibility("default")))

extern "C" {

TALO_GRAPH_MODULE_EXPORT int talo_cli_graph_run(int argc, char** argv, int (*run)(void* context),
                                                void* context)
{
    // Drawing needs fonts but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The graph's own fonts, so that its files are the same on every machine.
    if (!LoadGraphFonts())
        std::cerr << "talo-cli: the graph's fonts could not be loaded\n";
    return run(context);
}

TALO_GRAPH_MODULE_EXPORT bool talo_cli_graph_write(const DQORecord* rec, const char* path,
                                                   int width, int height, std::string* error)
{
    return WriteGraphFile(*rec, path, QSize(width, height), *error);
}

} // extern "C"

// The executable calls them through these types.
static_assert(std::is_same_v<decltype(&talo_cli_graph_run), GraphModuleRun>);
static_assert(std::is_same_v<decltype(&talo_cli_graph_write), GraphModuleWrite>);
