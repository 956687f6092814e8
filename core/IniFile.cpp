// INI file access with the semantics of the private-profile functions:
// sections and keys match without regard to case, values are taken verbatim
// (backslashes included) with surrounding blanks and one pair of enclosing
// quotes removed, and writing keeps every other line of the file as it was.
// Only the first section of a name counts, for reading as for writing, and
// within it the first line of a key. A UTF-8 byte-order mark at the start of
// the file (as Windows editors write it) is skipped and kept.
#include "core/modMain.h"
#include "core/RuntimeError.h"

#include <QFile>
#include <QSaveFile>

namespace {

constexpr int IniValueMax = 254;
constexpr int ErrInvalidArgument = 5;   // "Invalid procedure call or argument"

const QByteArray Utf8Bom("\xEF\xBB\xBF");

// Takes a leading byte-order mark off the data; true when there was one.
bool takeBom(QByteArray &data)
{
    if (!data.startsWith(Utf8Bom))
        return false;
    data.remove(0, Utf8Bom.size());
    return true;
}

bool hasLineBreak(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

QString sectionOf(const QByteArray &line)
{
    const QByteArray t = line.trimmed();
    if (t.size() < 2 || t.front() != '[')
        return {};
    const int close = t.indexOf(']');
    if (close < 0)
        return {};
    return QString::fromUtf8(t.mid(1, close - 1)).trimmed();
}

bool isSection(const QByteArray &line) { return line.trimmed().startsWith('['); }

// Splits "key = value"; false for comments and lines without '='.
bool keyValueOf(const QByteArray &line, QString &key, QString &value)
{
    const QByteArray t = line.trimmed();
    if (t.isEmpty() || t.front() == ';' || t.front() == '[')
        return false;
    const int eq = t.indexOf('=');
    if (eq < 0)
        return false;
    key = QString::fromUtf8(t.left(eq)).trimmed();
    value = QString::fromUtf8(t.mid(eq + 1)).trimmed();
    if (value.size() >= 2
        && ((value.front() == '"' && value.back() == '"') || (value.front() == '\'' && value.back() == '\'')))
        value = value.mid(1, value.size() - 2);
    return true;
}

QList<QByteArray> splitLines(const QByteArray &data, QByteArray &eol)
{
    eol = data.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    QList<QByteArray> lines = data.split('\n');
    for (QByteArray &l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

QString GetINIvalue(const QString &file, const QString &section, const QString &key)
{
    const QString notFound = QStringLiteral("NotFound");
    QFile f(file);
    if (!f.exists())
        return notFound;
    if (!f.open(QIODevice::ReadOnly)) {
        RuntimeErrorReport(QStringLiteral("modMain"), QStringLiteral("GetINIvalue"), 75,
                           f.errorString());
        return QString();
    }
    QByteArray data = f.readAll();
    takeBom(data);
    QByteArray eol;
    const QList<QByteArray> lines = splitLines(data, eol);
    bool inSection = false;
    for (const QByteArray &line : lines) {
        if (isSection(line)) {
            if (inSection)
                break;   // a later section of the same name is not read
            inSection = sectionOf(line).compare(section, Qt::CaseInsensitive) == 0;
            continue;
        }
        QString k, v;
        if (inSection && keyValueOf(line, k, v) && k.compare(key, Qt::CaseInsensitive) == 0)
            return v.left(IniValueMax);
    }
    return notFound;
}

void SetINIvalue(const QString &file, const QString &section, const QString &key, const QString &value)
{
    // A line break would end the line early and let the rest of the text
    // stand as a line of its own (a key or section of its choosing).
    for (const QString *part : {&value, &key, &section}) {
        if (hasLineBreak(*part)) {
            const QString what = part == &value ? QStringLiteral("value")
                               : part == &key   ? QStringLiteral("key name")
                                                : QStringLiteral("section name");
            RuntimeErrorReport(QStringLiteral("modMain"), QStringLiteral("SetINIvalue"), ErrInvalidArgument,
                               QStringLiteral("Invalid procedure call or argument: the %1 for key '%2' in "
                                              "section [%3] contains a line break and is not written to %4")
                                   .arg(what, key.simplified(), section.simplified(), file));
            return;
        }
    }
    QByteArray data;
    {
        QFile f(file);
        if (f.exists()) {
            if (!f.open(QIODevice::ReadOnly)) {
                RuntimeErrorReport(QStringLiteral("modMain"), QStringLiteral("SetINIvalue"), 75,
                                   f.errorString());
                return;
            }
            data = f.readAll();
        }
    }
    const bool bom = takeBom(data);
    QByteArray eol;
    QList<QByteArray> lines = splitLines(data, eol);
    if (data.isEmpty())
        eol = NewLine.toUtf8();
    const QByteArray newLine = key.toUtf8() + '=' + value.toUtf8();

    int sectionStart = -1;
    int lastKeyLine = -1;
    bool inSection = false;
    bool done = false;
    for (int i = 0; i < lines.size() && !done; ++i) {
        if (isSection(lines[i])) {
            if (inSection)
                break;   // end of our section
            inSection = sectionOf(lines[i]).compare(section, Qt::CaseInsensitive) == 0;
            if (inSection) {
                sectionStart = i;
                lastKeyLine = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        QString k, v;
        if (keyValueOf(lines[i], k, v)) {
            if (k.compare(key, Qt::CaseInsensitive) == 0) {
                lines[i] = newLine;
                done = true;
            }
        }
        if (!lines[i].trimmed().isEmpty())
            lastKeyLine = i;
    }
    if (!done) {
        if (sectionStart >= 0) {
            lines.insert(lastKeyLine + 1, newLine);
        } else {
            if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
                lines.append(QByteArray());
            lines.append('[' + section.toUtf8() + ']');
            lines.append(newLine);
        }
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        RuntimeErrorReport(QStringLiteral("modMain"), QStringLiteral("SetINIvalue"), 75,
                           out.errorString());
        return;
    }
    if (bom)
        out.write(Utf8Bom);
    for (const QByteArray &l : lines) {
        out.write(l);
        out.write(eol);
    }
    if (!out.commit())
        RuntimeErrorReport(QStringLiteral("modMain"), QStringLiteral("SetINIvalue"), 75,
                           out.errorString());
}
