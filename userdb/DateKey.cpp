#include "userdb/DateKey.h"

#include "core/SqlSupport.h"

#include <QLocale>
#include <QStringList>

namespace DateKey {
namespace {

QDateTime ToSecond(const QDateTime &dt)
{
    const QTime t = dt.time();
    return QDateTime(dt.date(), QTime(t.hour(), t.minute(), t.second()));
}

bool Accept(QDateTime dt, const QString &format, QDateTime &from, QDateTime &to)
{
    if (!dt.isValid())
        return false;
    // Two-digit years are read by Qt as 19xx.
    if (!format.contains(QLatin1String("yyyy")) && format.contains(QLatin1String("yy"))
        && dt.date().year() < 1950)
        dt = dt.addYears(100);
    from = ToSecond(dt);
    if (format.contains(QLatin1Char('s'))) {
        to = from;
    } else {
        from = QDateTime(from.date(), QTime(from.time().hour(), from.time().minute(), 0));
        to = from.addSecs(59);
    }
    return true;
}

QString WithoutZone(QString format)
{
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

} // namespace

bool Range(const QString &input, QDateTime &from, QDateTime &to)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return false;
    if (Accept(Sql::DateTimeFromText(text), QStringLiteral("ss"), from, to))
        return true;
    const QDateTime iso = QDateTime::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return Accept(iso, text.count(QLatin1Char(':')) >= 2 ? QStringLiteral("ss") : QStringLiteral("mm"), from, to);

    QStringList formats;
    for (const QLocale &loc : {QLocale(), QLocale::system()}) {
        const QString date = loc.dateFormat(QLocale::ShortFormat);
        formats << date + QLatin1Char(' ') + WithoutZone(loc.timeFormat(QLocale::LongFormat))
                << date + QLatin1Char(' ') + loc.timeFormat(QLocale::ShortFormat)
                << WithoutZone(loc.dateTimeFormat(QLocale::ShortFormat));
    }
    formats << QStringLiteral("dd.MM.yyyy HH:mm:ss") << QStringLiteral("dd.MM.yyyy HH:mm")
            << QStringLiteral("d.M.yyyy H:mm:ss") << QStringLiteral("d.M.yyyy H:mm");
    for (const QString &f : formats) {
        for (const QLocale &loc : {QLocale(), QLocale::system()}) {
            if (Accept(loc.toDateTime(text, f), f, from, to))
                return true;
        }
    }
    return false;
}

} // namespace DateKey
