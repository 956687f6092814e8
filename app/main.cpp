// Velko: the program starts here.
#include "core/Fonts.h"
#include "core/Keyboard.h"
#include "shell/FirstStart.h"
#include "shell/formMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

namespace {

bool displayAvailable()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString VersionText()
{
    return QStringLiteral("%1.%2.%3").arg(VELKO_VERSION_MAJOR).arg(VELKO_VERSION_MINOR).arg(VELKO_VERSION_PATCH);
}

// --help, --version and the options of a run; nothing here needs a display.
struct CommandLine {
    QString ini;
    bool passwordFromStdin = false;
};

// Returns -1 when the program is to run, otherwise the exit status.
int CommandLineRead(const QStringList &arguments, CommandLine &result)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Velko: trainer for the theory examination of the heavy-vehicle driving licences "
                       "C, D, C1 and D1.\n\nWithout --ini, the settings come from velko.ini beside the program, "
                       "else /etc/velko/velko.ini, else the user's own settings (written on the first start)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version."));
    const QCommandLineOption ini(QStringLiteral("ini"), QStringLiteral("Read the settings from <file>."),
                                 QStringLiteral("file"));
    const QCommandLineOption passwordStdin(
        QStringLiteral("admin-password-stdin"),
        QStringLiteral("On a first start, read the new administrator password from standard input instead of "
                       "asking for it."));
    parser.addOptions({help, version, ini, passwordStdin});
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString problem = parser.errorText().isEmpty()
            ? QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().value(0))
            : parser.errorText();
        std::fprintf(stderr, "velko: %s\n\n%s", qPrintable(problem), qPrintable(parser.helpText()));
        return 2;
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", VELKO_APP_TITLE, qPrintable(VersionText()));
        return 0;
    }
    result.ini = parser.value(ini);
    result.passwordFromStdin = parser.isSet(passwordStdin);
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CommandLine commandLine;
    if (const int status = CommandLineRead(arguments, commandLine); status >= 0)
        return status;

    if (!displayAvailable()) {
        std::fprintf(stderr,
                     "velko: no display found.\n"
                     "Start it on a desktop, or without one under a virtual display:\n"
                     "  xvfb-run -a %s\n",
                     argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velko"));
    QApplication::setApplicationDisplayName(QStringLiteral(VELKO_APP_TITLE));
    QApplication::setApplicationVersion(VersionText());
    QApplication::setDesktopFileName(QStringLiteral(VELKO_DESKTOP_ID));
    DesignFontsInstall();
    FocusFrameStyleInstall();

    QTextStream in(stdin);
    QString message;
    const StartSettings settings =
        StartSettingsPrepare(commandLine.ini, commandLine.passwordFromStdin ? &in : nullptr, message);
    if (settings != StartSettings::Ready) {
        std::fprintf(stderr, "velko: %s\n", qPrintable(message));
        return 1;
    }
    formMain window;
    window.Form_Load();
    return app.exec();
}
