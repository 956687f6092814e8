#pragma once
// Turns the date key of a stored questionnaire (its date-time as text) into
// the stored moment it stands for, to the second.
#include <QDateTime>
#include <QString>

namespace DateKey {

// Accepted forms, tried in this order:
//   "yyyy-MM-dd HH:mm:ss" (Sql::DateTimeToText, the form the database stores),
//   ISO 8601 with "T",
//   the short date followed by the short or long time of the program's
//   locale or of the system locale (QLocale), and "dd.MM.yyyy HH:mm[:ss]".
// A text without seconds means second 0 of its minute, so that two
// questionnaires graded within one minute are never taken for one; parts of
// a second are dropped.
bool Moment(const QString &text, QDateTime &moment);

} // namespace DateKey
