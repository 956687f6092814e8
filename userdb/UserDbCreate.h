#pragma once
// A new user database holding only its administrator account "_Vestr".
#include "core/UserDbLocation.h"

#include <QString>
#include <cstdint>

// Creates the user database and writes the administrator with the given
// password and language: a new SQLite file (an existing one is refused), or
// the schema in an empty server database (one that holds the tables is
// refused). On failure the error says why and nothing half-made stays
// behind: the file is removed, the tables made on the server are dropped.
bool UserDbCreateWithAdmin(const UserDbLocation &location, const QString &password, int16_t languageNr,
                           QString &error);
bool UserDbCreateWithAdmin(const QString &file, const QString &password, int16_t languageNr, QString &error);

// Takes back a UserDbSchema::Create whose database could not be finished:
// removes the SQLite file, or drops the tables it made on the server.
void UserDbRemoveCreated(const UserDbLocation &location);
