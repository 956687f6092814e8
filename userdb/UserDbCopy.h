#pragma once
// Copies a whole user database, every table with every column and its keys,
// from one location to another of either engine: a school's SQLite file onto
// a server, or a server database into a SQLite file as a backup.
#include "core/UserDbLocation.h"

#include <QString>
#include <QStringList>

// The source is read in one read transaction, the target written in one
// writing transaction. The target may be a SQLite file that does not exist
// yet or a server database without the tables: the schema is made first.
// A target that holds rows is refused unless replace is set; then its rows
// are deleted in the same transaction. After the copy the rows of every
// table are counted on both sides. report gets a line per table and one
// naming both databases; on failure error says why, the target keeps what
// it held before, and a target the copy made itself is removed again.
bool UserDbCopy(const UserDbLocation &from, const UserDbLocation &to, bool replace, QStringList &report,
                QString &error);
