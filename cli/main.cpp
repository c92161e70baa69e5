#include <iostream>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QGuiApplication>

#include "cli/cli_options.h"
#include "cli/talo_cli.h"
#include "ui/graph/graph.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv, argv + argc);
    // Text needs no GUI platform: only a graph starts one, for its fonts.
    if (!DrawsGraph(arguments)) {
        QCoreApplication app(argc, argv);
        return RunTaloCli(arguments, std::cout, std::cerr);
    }
    // Drawing needs fonts but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The graph's own fonts, so that its files are the same on every machine.
    if (!LoadGraphFonts())
        std::cerr << "talo-cli: the graph's fonts could not be loaded\n";
    return RunTaloCli(arguments, std::cout, std::cerr);
}
