// Program entry: the album window, brought to the front, then the event loop.
#include "app/form_main.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    TFormMain formMain;
    formMain.show();
    formMain.raise();
    formMain.activateWindow();
    return app.exec();
}
