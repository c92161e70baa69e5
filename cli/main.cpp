#include <iostream>

#include <QGuiApplication>

#include "cli/talo_cli.h"
#include "ui/graph/graph.h"

int main(int argc, char** argv)
{
    // Drawing the graph needs fonts but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The graph's own fonts, so that its files are the same on every machine.
    if (!LoadGraphFonts())
        std::cerr << "talo-cli: the graph's fonts could not be loaded\n";
    return RunTaloCli(QCoreApplication::arguments(), std::cout, std::cerr);
}
