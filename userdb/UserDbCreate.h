#pragma once
// A new user database holding only its administrator account "_Vestr".
#include <QString>
#include <cstdint>

// Creates the file (which must not exist yet) and writes the administrator
// with the given password and language. On failure the error says why and a
// half-made file is removed.
bool UserDbCreateWithAdmin(const QString &file, const QString &password, int16_t languageNr, QString &error);
