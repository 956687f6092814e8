#include "tools/velko-report/ReportTool.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // QPrinter needs a GUI application; the offscreen platform lets the tool
    // run on a server without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = ReportToolRun(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
