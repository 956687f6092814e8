// velko-bank: builds a question bank from CSV sources, or checks a bank file.
#include "tools/velko-bank/BankTool.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

const char *const UsageText = "usage:\n"
                              "  velko-bank build --source <dir> --pictures <dir> --output <file>\n"
                              "  velko-bank check <bank-file> [--pictures <dir>]\n"
                              "  velko-bank --help | --version\n";

int Usage()
{
    std::fputs(UsageText, stderr);
    return 2;
}

int Fail(const QStringList &errors)
{
    constexpr int shown = 200;
    for (int i = 0; i < errors.size() && i < shown; ++i)
        std::fprintf(stderr, "%s\n", errors.at(i).toUtf8().constData());
    if (errors.size() > shown)
        std::fprintf(stderr, "... and %d more problems\n", static_cast<int>(errors.size() - shown));
    std::fprintf(stderr, "%d problem(s) found\n", static_cast<int>(errors.size()));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return Usage();

    const QString command = args.first();
    if (args.size() == 1 && (command == QLatin1String("--help") || command == QLatin1String("-h"))) {
        std::fputs(UsageText, stdout);
        return 0;
    }
    if (args.size() == 1 && (command == QLatin1String("--version") || command == QLatin1String("-v"))) {
        std::printf("velko-bank %d.%d.%d\n", VELKO_VERSION_MAJOR, VELKO_VERSION_MINOR, VELKO_VERSION_PATCH);
        return 0;
    }
    QString source, pictures, output, bankFile;
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--source") && hasValue)
            source = args.at(++i);
        else if (a == QLatin1String("--pictures") && hasValue)
            pictures = args.at(++i);
        else if (a == QLatin1String("--output") && hasValue)
            output = args.at(++i);
        else if (!a.startsWith(QLatin1String("--")) && bankFile.isEmpty())
            bankFile = a;
        else
            return Usage();
    }

    QStringList errors;
    if (command == QLatin1String("build")) {
        if (source.isEmpty() || pictures.isEmpty() || output.isEmpty() || !bankFile.isEmpty())
            return Usage();
        if (!BankTool::Build(source, pictures, output, errors))
            return Fail(errors);
        QString summary;
        BankTool::Check(output, QString(), errors, &summary);
        std::printf("%s: %s\n", output.toUtf8().constData(), summary.toUtf8().constData());
        return 0;
    }
    if (command == QLatin1String("check")) {
        if (bankFile.isEmpty() || !source.isEmpty() || !output.isEmpty())
            return Usage();
        QString summary;
        if (!BankTool::Check(bankFile, pictures, errors, &summary))
            return Fail(errors);
        std::printf("%s: OK, %s\n", bankFile.toUtf8().constData(), summary.toUtf8().constData());
        return 0;
    }
    return Usage();
}
