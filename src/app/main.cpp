// The program: one window, shown maximised, until it is closed.

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstring>

#include "quilorn_version.h"
#include "ui/form_main.h"

namespace {
// --version and --help are answered before QApplication exists, so they work
// where no display can be opened (a terminal over ssh, a package check).
bool AnswerInformationOption(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("quilorn " QUILORN_VERSION);
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::puts("usage: quilorn [--help] [--version] [Qt options]\n"
                      "Starts the puzzle game in its window; best times and statistics are kept\n"
                      "in the folder of the problem last opened or saved.");
            return true;
        }
    }
    return false;
}
}  // namespace

int main(int argc, char* argv[])
{
    if (AnswerInformationOption(argc, argv)) return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quilorn"));
    QApplication::setApplicationVersion(QStringLiteral(QUILORN_VERSION));
    // The name of the installed desktop entry, so a desktop shows the game
    // under its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("io.github.quilorn.Quilorn"));
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
