#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.grimward.Grimward"));
    frmMain window;
    window.show();
    return app.exec();
}
