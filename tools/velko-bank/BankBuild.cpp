// Writing a bank through the question-bank object, and checking a bank file.
#include "tools/velko-bank/BankTool.h"

#include "core/AppState.h"
#include "core/RuntimeError.h"
#include "core/SqlSupport.h"
#include "questionbank/QuestionBankSchema.h"
#include "questionbank/clsQuestion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <cstdio>

namespace BankTool {

namespace {

// Writes the rows of one table: each row is added, filled in and saved.
template <class Row, class Fill>
void WriteTable(clsQuestion &qb, void (clsQuestion::*open)(), void (clsQuestion::*add)(),
                void (clsQuestion::*update)(), void (clsQuestion::*close)(), const QVector<Row> &rows, Fill fill)
{
    (qb.*open)();
    for (const Row &row : rows) {
        (qb.*add)();
        fill(row);
        (qb.*update)();
    }
    (qb.*close)();
}

void Write(clsQuestion &qb, const BankData::Bank &bank)
{
    WriteTable(qb, &clsQuestion::QuestionOpen, &clsQuestion::QuestionAdd, &clsQuestion::QuestionUpdate,
               &clsQuestion::QuestionClose, bank.questions, [&](const BankData::Question &q) {
                   qb.CategoryNr = static_cast<int16_t>(q.category);
                   qb.QuestionNr = static_cast<int32_t>(q.number);
                   qb.PictureNr = static_cast<int32_t>(q.picture);
                   qb.ThemeNr = static_cast<int16_t>(q.theme);
                   qb.Answer = q.answer;
               });

    WriteTable(qb, &clsQuestion::QuestionTextOpen, &clsQuestion::QuestionTextAdd, &clsQuestion::QuestionTextUpdate,
               &clsQuestion::QuestionTextClose, bank.texts, [&](const BankData::Text &t) {
                   qb.CategoryNr = static_cast<int16_t>(t.category);
                   qb.QuestionNr = static_cast<int32_t>(t.number);
                   qb.LanguageNr = static_cast<int16_t>(t.language);
                   qb.QuestionText = t.question;
                   qb.AnsweraText = t.answerA;
                   qb.AnswerbText = t.answerB;
                   qb.AnswercText = t.answerC;
               });

    WriteTable(qb, &clsQuestion::ThemeNameOpen, &clsQuestion::ThemeNameAdd, &clsQuestion::ThemeNameUpdate,
               &clsQuestion::ThemeNameClose, bank.themes, [&](const BankData::Theme &t) {
                   qb.CategoryNr = static_cast<int16_t>(t.category);
                   qb.ThemeNr = static_cast<int16_t>(t.theme);
                   qb.LanguageNr = static_cast<int16_t>(t.language);
                   qb.ThemeName = t.name;
               });

    WriteTable(qb, &clsQuestion::QuestionnaireOpen, &clsQuestion::QuestionnaireAdd, &clsQuestion::QuestionnaireUpdate,
               &clsQuestion::QuestionnaireClose, bank.questionnaires, [&](const BankData::Questionnaire &q) {
                   qb.CategoryNr = static_cast<int16_t>(q.category);
                   qb.ThemeNr = static_cast<int16_t>(q.theme);
                   qb.QuestionnaireNr = static_cast<int16_t>(q.number);
                   qb.QuestionnaireQuestions = q.questions;
               });

    WriteTable(qb, &clsQuestion::BookOpen, &clsQuestion::BookAdd, &clsQuestion::BookUpdate,
               &clsQuestion::BookClose, bank.books, [&](const BankData::Book &b) {
                   qb.CategoryNr = static_cast<int16_t>(b.category);
                   qb.BookNr = static_cast<int16_t>(b.number);
                   qb.BookTitle = b.title;
                   qb.BookPictureNr = b.picture;
               });

    WriteTable(qb, &clsQuestion::BookPageOpen, &clsQuestion::BookPageAdd, &clsQuestion::BookPageUpdate,
               &clsQuestion::BookPageClose, bank.bookPages, [&](const BankData::BookPage &p) {
                   qb.CategoryNr = static_cast<int16_t>(p.category);
                   qb.BookNr = static_cast<int16_t>(p.book);
                   qb.QuestionNr = static_cast<int32_t>(p.question);
                   qb.BookPageNr = p.page;
               });
}

QVariant Field(QSqlQuery &q, int col, const QString &table, qint64 rowId, const QString &column,
               QStringList &errors, bool number)
{
    const QVariant v = q.value(col);
    if (number && v.isNull())
        errors << QStringLiteral("table %1 row %2: column %3 is empty").arg(table).arg(rowId).arg(column);
    return v;
}

} // namespace

bool BankLoad(const QString &bankFile, BankData::Bank &bank, QStringList &errors)
{
    if (!QFileInfo(bankFile).isFile()) {
        errors << QStringLiteral("%1: file not found").arg(bankFile);
        return false;
    }
    QSqlDatabase db = Sql::Open(bankFile, true, 5000);
    bool ok = true;
    {
        const QStringList missing = QuestionBankSchema::Missing(db);
        if (!missing.isEmpty()) {
            errors << QStringLiteral("%1 is not a question bank: missing %2").arg(bankFile, missing.join(QStringLiteral("; ")));
            ok = false;
        } else {
            const int version = Sql::SchemaVersion(db);
            if (version != QuestionBankSchema::Version) {
                errors << QStringLiteral("%1: schema version %2, expected %3")
                              .arg(bankFile).arg(version).arg(QuestionBankSchema::Version);
                ok = false;
            }
        }
        for (const QuestionBankSchema::Table &t : QuestionBankSchema::Tables()) {
            if (!ok)
                break;
            QSqlQuery q(db);
            q.setForwardOnly(true);
            if (!Sql::Run(q, QStringLiteral("SELECT rowid, %1 FROM \"%2\" ORDER BY rowid")
                                 .arg(t.columns.join(QLatin1Char(',')), t.name))) {
                errors << QStringLiteral("table %1: %2").arg(t.name, Sql::ErrorMessage(q.lastError()));
                ok = false;
                break;
            }
            while (q.next()) {
                const qint64 id = q.value(0).toLongLong();
                const QString where = QStringLiteral("table %1 row %2").arg(t.name).arg(id);
                auto num = [&](int i) { return Field(q, i + 1, t.name, id, t.columns.at(i), errors, true).toLongLong(); };
                auto txt = [&](int i) { return q.value(i + 1).toString(); };
                if (t.name == QLatin1String("Question"))
                    bank.questions << BankData::Question{num(0), num(1), num(2), num(3), txt(4), where};
                else if (t.name == QLatin1String("QuestionText"))
                    bank.texts << BankData::Text{num(0), num(1), num(2), txt(3), txt(4), txt(5), txt(6), where};
                else if (t.name == QLatin1String("Theme"))
                    bank.themes << BankData::Theme{num(0), num(1), num(2), txt(3), where};
                else if (t.name == QLatin1String("Questionnaire"))
                    bank.questionnaires << BankData::Questionnaire{num(0), num(1), num(2), txt(3), where};
                else if (t.name == QLatin1String("Book"))
                    bank.books << BankData::Book{num(0), num(1), txt(2), txt(3), where};
                else
                    bank.bookPages << BankData::BookPage{num(0), num(1), num(2), txt(3), where};
            }
        }
    }
    Sql::Close(db);
    return ok;
}

bool Check(const QString &bankFile, const QString &picturesDir, QStringList &errors, QString *summary)
{
    const int before = errors.size();
    if (!picturesDir.isEmpty() && !QFileInfo(picturesDir).isDir()) {
        errors << QStringLiteral("%1: picture directory not found").arg(picturesDir);
        return false;
    }
    BankData::Bank bank;
    if (!BankLoad(bankFile, bank, errors))
        return false;
    errors << BankData::Check(bank, picturesDir);
    if (summary)
        *summary = QStringLiteral("%1 questions, %2 texts, %3 theme names, %4 questionnaires, %5 books, %6 book pages")
                       .arg(bank.questions.size()).arg(bank.texts.size()).arg(bank.themes.size())
                       .arg(bank.questionnaires.size()).arg(bank.books.size()).arg(bank.bookPages.size());
    return errors.size() == before;
}

bool Build(const QString &sourceDir, const QString &picturesDir, const QString &output, QStringList &errors)
{
    const int before = errors.size();
    if (picturesDir.isEmpty() || !QFileInfo(picturesDir).isDir()) {
        errors << QStringLiteral("%1: picture directory not found").arg(picturesDir);
        return false;
    }
    const QFileInfo target(output);
    if (!target.absoluteDir().exists()) {
        errors << QStringLiteral("%1: output directory not found").arg(target.absolutePath());
        return false;
    }
    if (target.exists() && !target.isFile()) {
        errors << QStringLiteral("%1: output is not a file").arg(output);
        return false;
    }

    const BankData::Bank bank = SourceLoad(sourceDir, errors);
    if (errors.size() != before)
        return false;
    errors << BankData::Check(bank, picturesDir);
    if (errors.size() != before)
        return false;

    // Built beside the target so that the final rename stays on one file system
    // (not a hidden name: the bank object does not open hidden files).
    const QString dir = target.absolutePath();
    const QString tempName = QStringLiteral("%1.building-%2").arg(target.fileName()).arg(QCoreApplication::applicationPid());
    const QString tempPath = QDir(dir).filePath(tempName);
    QFile::remove(tempPath);

    const int reportsBefore = RuntimeErrorLines().size();
    {
        clsQuestion qb;
        qb.setDbPath(QDir::toNativeSeparators(dir));
        qb.setDbFileName(tempName);
        QString error;
        if (!qb.DbCreate(error)) {
            errors << QStringLiteral("%1: cannot be created: %2").arg(tempPath, error);
            return false;
        }
        qb.setRSLockType(QStringLiteral("2"));
        qb.DbOpen();
        if (qb.IsOpen()) {
            qb.DbTransactionBegin();
            Write(qb, bank);
            qb.DbTransactionCommit();
        } else {
            errors << QStringLiteral("%1: the new bank cannot be opened").arg(tempPath);
        }
        qb.DbClose();
    }
    const QStringList &reports = RuntimeErrorLines();
    for (int i = reportsBefore; i < reports.size(); ++i)
        errors << QStringLiteral("writing %1: %2").arg(tempPath, reports.at(i));
    if (errors.size() == before)
        Check(tempPath, picturesDir, errors);
    if (errors.size() != before) {
        QFile::remove(tempPath);
        return false;
    }
    if (std::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        errors << QStringLiteral("%1: cannot replace it with the new bank").arg(output);
        QFile::remove(tempPath);
        return false;
    }
    return true;
}

} // namespace BankTool
