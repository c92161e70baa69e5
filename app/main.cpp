#include <QApplication>
#include <QIcon>

#include "ui/shell/talo_app.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setWindowIcon(TaloIcon());
    CTaloApp talo;
    talo.InitInstance();
    return QApplication::exec();
}
