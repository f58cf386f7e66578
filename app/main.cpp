#include "FrmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    brannock::FrmMain window;
    window.show();
    return app.exec();
}
