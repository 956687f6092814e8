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

bool Accept(QDateTime dt, const QString &format, QDateTime &moment)
{
    if (!dt.isValid())
        return false;
    // Two-digit years are read by Qt as 19xx.
    if (!format.contains(QLatin1String("yyyy")) && format.contains(QLatin1String("yy"))
        && dt.date().year() < 1950)
        dt = dt.addYears(100);
    moment = ToSecond(dt);
    return true;
}

QString WithoutZone(QString format)
{
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

} // namespace

bool Moment(const QString &input, QDateTime &moment)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return false;
    if (Accept(Sql::DateTimeFromText(text), QStringLiteral("yyyy"), moment))
        return true;
    const QDateTime iso = QDateTime::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return Accept(iso, QStringLiteral("yyyy"), moment);

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
            if (Accept(loc.toDateTime(text, f), f, moment))
                return true;
        }
    }
    return false;
}

} // namespace DateKey
