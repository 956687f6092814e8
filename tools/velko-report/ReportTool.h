#pragma once
// The progress report of one candidate: the lesson and theme statistics and
// the result of every chosen graded questionnaire, in the candidate's
// language and category, as one PDF file. Kept apart from main() so tests
// can run it.
#include <QStringList>
#include <QTextStream>

// Runs the tool (arguments without the program name). Returns the exit code:
// 0 written, 1 failed (the reason in one "error: ..." line on err), 2 bad
// command line (with the usage on err).
//
// Needs a QApplication: the PDF is drawn through QPrinter. While it runs,
// message boxes of the database objects are only recorded and a request to
// end the program is only counted; it leaves them so. The program's base name
// becomes "velko", so that the settings file beside the program is found as
// the program finds it.
int ReportToolRun(const QStringList &args, QTextStream &out, QTextStream &err);
