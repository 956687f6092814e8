#pragma once
// Settings of the run: which INI file is read, and the first start of an
// installed program, which writes the user's settings and creates the user
// database with the administrator's password.
#include "core/IniLocation.h"

#include <QString>
#include <QTextStream>
#include <cstdint>

// A new administrator password: digits only, 1 to 254 of them, typed twice alike.
bool AdminPasswordAcceptable(const QString &first, const QString &second);
// The interface language that fits the system's locale: 1 French, 2 Italian,
// otherwise 0 German.
int16_t SystemLanguageNr();

enum class StartSettings { Ready, Cancelled, Failed };

// Chooses the INI file (commandLineIni wins), makes INIFileName() return it
// and, on a first start or when the user's own database is missing, writes
// what is needed. The password comes from passwordIn when given (one line),
// otherwise from the first-start dialog. `message` explains Cancelled and Failed.
StartSettings StartSettingsPrepare(const QString &commandLineIni, QTextStream *passwordIn, QString &message);
