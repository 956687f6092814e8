#pragma once
// Turns the date key of a stored questionnaire (its date-time as text) into
// the range of stored moments it stands for.
#include <QDateTime>
#include <QString>

namespace DateKey {

// Accepted forms, tried in this order:
//   "yyyy-MM-dd HH:mm:ss" (Sql::DateTimeToText, the form the database stores),
//   ISO 8601 with "T",
//   the short date followed by the short or long time of the program's
//   locale or of the system locale (QLocale), and "dd.MM.yyyy HH:mm[:ss]".
// A text with seconds gives one moment (from == to); a text without seconds
// gives the whole minute (from hh:mm:00 to hh:mm:59).
bool Range(const QString &text, QDateTime &from, QDateTime &to);

} // namespace DateKey
