// velko-pictures: draws the pictures of the demo question bank.
//
//   velko-pictures --bank <dir with questions.csv, books.csv, pictures.csv> --output <dir>
//
// Every picture number used by questions.csv becomes NNNN.jpg (400 x 300),
// drawn after its kind in pictures.csv; every book cover of books.csv becomes
// NNNN.bmp; the start picture is 3000.jpg and the title picture 5000.jpg.
// The drawings are plain vector shapes; nothing is loaded from outside.
#include "tools/velko-pictures/AppIcon.h"
#include "tools/velko-pictures/Drawing.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

namespace {

// One CSV file as rows of fields (RFC 4180: comma, double quotes, quotes
// doubled inside a quoted field, line breaks allowed inside quotes).
// The header row is checked and dropped.
bool CsvRead(const QString &path, const QStringList &header, QList<QStringList> &rows, QString &error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        error = path + QStringLiteral(": cannot open");
        return false;
    }
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QList<QStringList> all;
    QStringList row;
    QString field;
    bool quoted = false, fieldStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"') && !fieldStarted) {
            quoted = fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
            fieldStarted = false;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            row << field;
            if (!(row.size() == 1 && row.first().isEmpty()))
                all << row;
            row.clear();
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (quoted) {
        error = path + QStringLiteral(": unterminated quoted field");
        return false;
    }
    if (fieldStarted || !row.isEmpty()) {
        row << field;
        all << row;
    }
    if (all.isEmpty() || all.first() != header) {
        error = path + QStringLiteral(": the first line must be ") + header.join(QLatin1Char(','));
        return false;
    }
    all.removeFirst();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all.at(i).size() != header.size()) {
            error = path + QStringLiteral(": row %1 has %2 fields, expected %3")
                               .arg(i + 2).arg(all.at(i).size()).arg(header.size());
            return false;
        }
    }
    rows = all;
    return true;
}

bool Save(const QImage &image, const QString &path, const char *format)
{
    // Write beside the target and rename, so an interrupted run leaves no half file.
    const QString tmp = path + QStringLiteral(".part");
    if (!image.save(tmp, format, 92)) {
        std::fprintf(stderr, "velko-pictures: cannot write %s\n", qPrintable(path));
        QFile::remove(tmp);
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(tmp, path)) {
        std::fprintf(stderr, "velko-pictures: cannot rename %s\n", qPrintable(tmp));
        return false;
    }
    return true;
}

QString FileName(const QString &dir, int number, const char *ext)
{
    return QDir(dir).filePath(QStringLiteral("%1.%2").arg(number, 4, 10, QLatin1Char('0')).arg(QLatin1String(ext)));
}

int IconWrite(const QString &dir)
{
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "velko-pictures: cannot create %s\n", qPrintable(dir));
        return 1;
    }
    QFile svg(QDir(dir).filePath(QStringLiteral("velko.svg")));
    bool ok = svg.open(QIODevice::WriteOnly | QIODevice::Truncate) && svg.write(AppIcon::Svg().toUtf8()) > 0;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        ok = AppIcon::Png(size).save(QDir(dir).filePath(QStringLiteral("velko-%1.png").arg(size)), "PNG") && ok;
    if (!ok)
        std::fprintf(stderr, "velko-pictures: the icon could not be written to %s\n", qPrintable(dir));
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velko-pictures"));

    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(VELKO_VERSION_MAJOR)
                                                .arg(VELKO_VERSION_MINOR)
                                                .arg(VELKO_VERSION_PATCH));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the pictures of the Velko demo question bank, or "
                                                    "the program's icon (--icon)."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption iconOpt(QStringLiteral("icon"),
                               QStringLiteral("Write the program's icon (velko.svg and velko-<size>.png) to <dir>."),
                               QStringLiteral("dir"));
    parser.addOption(iconOpt);
    QCommandLineOption bankOpt(QStringLiteral("bank"), QStringLiteral("Directory of the bank sources."),
                               QStringLiteral("dir"));
    QCommandLineOption outOpt(QStringLiteral("output"), QStringLiteral("Picture directory to fill."),
                              QStringLiteral("dir"));
    parser.addOption(bankOpt);
    parser.addOption(outOpt);
    parser.process(app);
    if (parser.isSet(iconOpt))
        return IconWrite(parser.value(iconOpt));
    if (!parser.isSet(bankOpt) || !parser.isSet(outOpt)) {
        std::fputs("usage: velko-pictures --bank <dir> --output <dir>\n", stderr);
        return 2;
    }
    const QString bankDir = parser.value(bankOpt);
    const QString outDir = parser.value(outOpt);
    if (!QDir().mkpath(outDir)) {
        std::fprintf(stderr, "velko-pictures: cannot create %s\n", qPrintable(outDir));
        return 1;
    }

    QString error;
    QList<QStringList> questions, books, pictures;
    if (!CsvRead(QDir(bankDir).filePath(QStringLiteral("questions.csv")),
                 {QStringLiteral("number"), QStringLiteral("categories"), QStringLiteral("theme"),
                  QStringLiteral("picture"), QStringLiteral("answer")},
                 questions, error)
        || !CsvRead(QDir(bankDir).filePath(QStringLiteral("books.csv")),
                    {QStringLiteral("category"), QStringLiteral("book"), QStringLiteral("title"),
                     QStringLiteral("picture")},
                    books, error)
        || !CsvRead(QDir(bankDir).filePath(QStringLiteral("pictures.csv")),
                    {QStringLiteral("number"), QStringLiteral("kind"), QStringLiteral("label")}, pictures,
                    error)) {
        std::fprintf(stderr, "velko-pictures: %s\n", qPrintable(error));
        return 1;
    }

    QMap<int, Drawing::Picture> described;
    for (const QStringList &r : pictures) {
        bool ok = false;
        const int nr = r.at(0).trimmed().toInt(&ok);
        if (!ok || nr < 1 || nr > 9999) {
            std::fprintf(stderr, "velko-pictures: pictures.csv: bad picture number \"%s\"\n", qPrintable(r.at(0)));
            return 1;
        }
        described.insert(nr, {r.at(1).trimmed(), r.at(2).trimmed()});
    }

    int failures = 0, written = 0, generic = 0;
    QSet<int> done;
    for (const QStringList &r : questions) {
        bool ok = false;
        const int nr = r.at(3).trimmed().toInt(&ok);
        if (!ok || nr < 0 || nr > 9999) {
            std::fprintf(stderr, "velko-pictures: questions.csv: question %s has a bad picture number \"%s\"\n",
                         qPrintable(r.at(0)), qPrintable(r.at(3)));
            ++failures;
            continue;
        }
        if (nr == 0 || done.contains(nr))
            continue;
        done.insert(nr);
        Drawing::Picture pic = described.value(nr);
        if (!Drawing::KindKnown(pic.kind)) {
            std::fprintf(stderr, "velko-pictures: picture %04d has no known kind (\"%s\"); drawing a plain panel\n", nr,
                         qPrintable(pic.kind));
            ++generic;
        }
        if (Save(Drawing::QuestionPicture(pic, nr), FileName(outDir, nr, "jpg"), "JPG"))
            ++written;
        else
            ++failures;
    }

    QSet<int> covers;
    for (const QStringList &r : books) {
        bool ok = false;
        const int nr = r.at(3).trimmed().toInt(&ok);
        if (!ok || nr < 1 || nr > 9999) {
            std::fprintf(stderr, "velko-pictures: books.csv: book %s of %s has a bad cover number \"%s\"\n",
                         qPrintable(r.at(1)), qPrintable(r.at(0)), qPrintable(r.at(3)));
            ++failures;
            continue;
        }
        if (covers.contains(nr))
            continue;
        covers.insert(nr);
        if (Save(Drawing::BookCover(r.at(2).trimmed(), r.at(0).trimmed(), nr), FileName(outDir, nr, "bmp"), "BMP"))
            ++written;
        else
            ++failures;
    }

    if (Save(Drawing::StartPicture(), FileName(outDir, 3000, "jpg"), "JPG"))
        ++written;
    else
        ++failures;
    if (Save(Drawing::TitlePicture(), FileName(outDir, 5000, "jpg"), "JPG"))
        ++written;
    else
        ++failures;

    std::printf("velko-pictures: %d pictures written to %s (%d question pictures, %d covers%s)\n", written,
                qPrintable(QDir(outDir).absolutePath()), static_cast<int>(done.size()), static_cast<int>(covers.size()),
                generic ? ", some drawn as plain panels" : "");
    return failures ? 1 : 0;
}
