// The program: one window, shown maximised, until it is closed.

#include <QApplication>
#include <QScreen>

#include "ui/form_main.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quilorn"));
    QApplication::setDesktopFileName(QStringLiteral("quilorn"));
    TFormMain formMain;
    // The window asks to be maximised; a display without a window manager
    // ignores that, so it also starts as large as the screen's free area.
    // The first resize fits the start-up board to that size.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        formMain.setGeometry(screen->availableGeometry());
    }
    formMain.showMaximized();
    return QApplication::exec();
}
