// Program entry: Qt's own texts in Chinese, the album window, brought to the
// front, then the event loop.
#include "app/form_main.h"
#include "app/qt_translations.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallQtTranslations(app);
    TFormMain formMain;
    formMain.show();
    formMain.raise();
    formMain.activateWindow();
    return app.exec();
}
