#include <iostream>

#include <QGuiApplication>

#include "cli/talo_cli.h"

int main(int argc, char** argv)
{
    // Drawing the graph needs fonts but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RunTaloCli(QCoreApplication::arguments(), std::cout, std::cerr);
}
