#pragma once
// The one place where trapped runtime errors are reported: a block in the
// diagnostic log, a line in the error dialog and everything on the clipboard.
#include <QString>
#include <QStringList>
#include <cstdint>

void RuntimeErrorReport(const QString &moduleName, const QString &procedureName,
                        int32_t errorNumber, const QString &errorMessage);

// Every report line of this run, oldest first.
const QStringList &RuntimeErrorLines();
void RuntimeErrorLinesClear();   // tests

class formDebugOutput;
formDebugOutput *RuntimeErrorDialog();   // nullptr until the first report
