#include "app/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its launcher entry and icon (on X11 the entry's
    // StartupWMClass names the window class, the name of the executable).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.grimward.Grimward"));
    frmMain window;
    window.show();
    return app.exec();
}
