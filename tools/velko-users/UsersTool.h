#pragma once
// The user-database tool: creates a user database with its administrator,
// adds users, lists them and copies a whole user database to another place
// or engine. Kept apart from main() so tests can run it.
#include <QStringList>
#include <QTextStream>

// Runs one command (arguments without the program name). Returns the exit
// code: 0 done, 1 the database refused or failed, 2 bad command line.
// A PIN asked for with --password-stdin is read from `in`; without one, from
// the process's standard input (with a prompt and no echo at a terminal).
int UsersToolRun(const QStringList &args, QTextStream &out, QTextStream &err, QTextStream *in = nullptr);
