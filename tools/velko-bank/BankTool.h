#pragma once
// The two jobs of the velko-bank tool, callable without a console.
#include "tools/velko-bank/BankData.h"

#include <QString>
#include <QStringList>

namespace BankTool {

// Reads the six CSV sources of a directory (questions.csv, texts.csv,
// themes.csv, questionnaires.csv, books.csv, bookpages.csv). Problems of
// form (columns, codes, numbers) are appended to errors.
BankData::Bank SourceLoad(const QString &sourceDir, QStringList &errors);

// Builds a bank from the sources. Everything is checked first; the bank is
// written to a temporary file beside the output and renamed over it only
// when writing and the final check succeeded, so a failed build leaves the
// output as it was. Returns false with the reasons in errors.
bool Build(const QString &sourceDir, const QString &picturesDir, const QString &output, QStringList &errors);

// Checks a bank file: schema version, tables and columns, and the same
// consistency rules as the sources (pictures only when a directory is given).
// summary receives the row counts when the file could be read.
bool Check(const QString &bankFile, const QString &picturesDir, QStringList &errors, QString *summary = nullptr);

// Reads a bank file into memory; false with a reason when it cannot be read.
bool BankLoad(const QString &bankFile, BankData::Bank &bank, QStringList &errors);

} // namespace BankTool
