// Velko: the program starts here.
#include "core/Fonts.h"
#include "shell/formMain.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {
bool displayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}
} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "velko: no display found.\n"
                     "Start it on a desktop, or without one under a virtual display:\n"
                     "  xvfb-run -a %s\n",
                     argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(VELKO_APP_TITLE));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(VELKO_VERSION_MAJOR)
                                            .arg(VELKO_VERSION_MINOR)
                                            .arg(VELKO_VERSION_PATCH));
    DesignFontsInstall();
    formMain window;
    window.Form_Load();
    return app.exec();
}
