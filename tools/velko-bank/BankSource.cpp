// Reading the CSV sources of a bank.
#include "tools/velko-bank/BankCsv.h"
#include "tools/velko-bank/BankTool.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

namespace BankTool {

namespace {

class RowReader
{
public:
    RowReader(const QString &file, const BankCsv::Record &rec, const QStringList &header, QStringList &errors)
        : m_rec(rec), m_header(header), m_errors(errors),
          m_where(QStringLiteral("%1 line %2").arg(file).arg(rec.line))
    {
    }

    QString where() const { return m_where; }
    bool ok() const { return m_ok; }
    QString text(int col) const { return m_rec.fields.at(col); }

    qint64 number(int col)
    {
        const QString v = m_rec.fields.at(col).trimmed();
        bool ok = false;
        const qint64 n = v.toLongLong(&ok);
        if (!ok)
            fail(QStringLiteral("column %1: \"%2\" is not a whole number").arg(m_header.at(col), v));
        return n;
    }

    qint64 code(int col, const QStringList &codes, const QString &what)
    {
        const QString v = m_rec.fields.at(col).trimmed();
        for (int i = 0; i < codes.size(); ++i)
            if (codes.at(i).compare(v, Qt::CaseInsensitive) == 0)
                return i;
        fail(QStringLiteral("column %1: unknown %2 code \"%3\" (%4)")
                 .arg(m_header.at(col), what, v, codes.join(QLatin1Char(' '))));
        return -1;
    }

    void fail(const QString &what)
    {
        m_errors << m_where + QStringLiteral(": ") + what;
        m_ok = false;
    }

private:
    const BankCsv::Record &m_rec;
    const QStringList &m_header;
    QStringList &m_errors;
    QString m_where;
    bool m_ok = true;
};

template <typename Fn>
void ForEachRow(const QString &dir, const QString &file, const QStringList &header, QStringList &errors, Fn fn)
{
    const QVector<BankCsv::Record> records = BankCsv::ReadFile(QDir(dir).filePath(file), header, errors);
    for (const BankCsv::Record &rec : records) {
        RowReader row(file, rec, header, errors);
        fn(row);
    }
}

} // namespace

BankData::Bank SourceLoad(const QString &sourceDir, QStringList &errors)
{
    using namespace BankData;
    Bank bank;
    if (!QDir(sourceDir).exists()) {
        errors << QStringLiteral("%1: source directory not found").arg(sourceDir);
        return bank;
    }

    // questions.csv: one row per question number, for one or more categories.
    QHash<qint64, QList<qint64>> categoriesOf;
    ForEachRow(sourceDir, QStringLiteral("questions.csv"),
               {QStringLiteral("number"), QStringLiteral("categories"), QStringLiteral("theme"),
                QStringLiteral("picture"), QStringLiteral("answer")},
               errors, [&](RowReader &r) {
                   Question q;
                   q.number = r.number(0);
                   q.theme = r.number(2);
                   q.picture = r.number(3);
                   q.answer = r.text(4).trimmed();
                   q.where = r.where();
                   const QStringList codes = r.text(1).split(QRegularExpression(QStringLiteral("\\s+")),
                                                             Qt::SkipEmptyParts);
                   QList<qint64> cats;
                   if (codes.isEmpty())
                       r.fail(QStringLiteral("column categories: no category given"));
                   for (const QString &code : codes) {
                       const int c = CategoryCodes.indexOf(code.toUpper());
                       if (c < 0)
                           r.fail(QStringLiteral("column categories: unknown category code \"%1\" (C D C1 D1)").arg(code));
                       else if (cats.contains(c))
                           r.fail(QStringLiteral("column categories: category %1 given twice").arg(code));
                       else
                           cats << c;
                   }
                   if (!r.ok())
                       return;
                   if (categoriesOf.contains(q.number)) {
                       r.fail(QStringLiteral("question %1 is defined twice").arg(q.number));
                       return;
                   }
                   categoriesOf.insert(q.number, cats);
                   for (qint64 c : cats) {
                       q.category = c;
                       bank.questions << q;
                   }
               });

    // texts.csv: one row per question and language, for every category of the question.
    QHash<QString, QString> textSeen;
    ForEachRow(sourceDir, QStringLiteral("texts.csv"),
               {QStringLiteral("number"), QStringLiteral("language"), QStringLiteral("question"),
                QStringLiteral("answer_a"), QStringLiteral("answer_b"), QStringLiteral("answer_c")},
               errors, [&](RowReader &r) {
                   Text t;
                   t.number = r.number(0);
                   t.language = r.code(1, LanguageCodes, QStringLiteral("language"));
                   t.question = r.text(2);
                   t.answerA = r.text(3);
                   t.answerB = r.text(4);
                   t.answerC = r.text(5);
                   t.where = r.where();
                   if (!r.ok())
                       return;
                   if (!categoriesOf.contains(t.number)) {
                       r.fail(QStringLiteral("text for unknown question %1").arg(t.number));
                       return;
                   }
                   const QString key = QStringLiteral("%1/%2").arg(t.number).arg(t.language);
                   if (textSeen.contains(key)) {
                       r.fail(QStringLiteral("second text of question %1 in language %2 (first at %3)")
                                  .arg(t.number).arg(LanguageName(t.language), textSeen.value(key)));
                       return;
                   }
                   textSeen.insert(key, t.where);
                   for (qint64 c : categoriesOf.value(t.number)) {
                       t.category = c;
                       bank.texts << t;
                   }
               });

    ForEachRow(sourceDir, QStringLiteral("themes.csv"),
               {QStringLiteral("category"), QStringLiteral("theme"), QStringLiteral("language"), QStringLiteral("name")},
               errors, [&](RowReader &r) {
                   Theme t;
                   t.category = r.code(0, CategoryCodes, QStringLiteral("category"));
                   t.theme = r.number(1);
                   t.language = r.code(2, LanguageCodes, QStringLiteral("language"));
                   t.name = r.text(3);
                   t.where = r.where();
                   if (r.ok())
                       bank.themes << t;
               });

    ForEachRow(sourceDir, QStringLiteral("questionnaires.csv"),
               {QStringLiteral("category"), QStringLiteral("theme"), QStringLiteral("questionnaire"),
                QStringLiteral("questions")},
               errors, [&](RowReader &r) {
                   Questionnaire q;
                   q.category = r.code(0, CategoryCodes, QStringLiteral("category"));
                   q.theme = r.number(1);
                   q.number = r.number(2);
                   q.questions = r.text(3).trimmed();
                   q.where = r.where();
                   if (r.ok())
                       bank.questionnaires << q;
               });

    ForEachRow(sourceDir, QStringLiteral("books.csv"),
               {QStringLiteral("category"), QStringLiteral("book"), QStringLiteral("title"), QStringLiteral("picture")},
               errors, [&](RowReader &r) {
                   Book b;
                   b.category = r.code(0, CategoryCodes, QStringLiteral("category"));
                   b.number = r.number(1);
                   b.title = r.text(2);
                   b.picture = r.text(3).trimmed();
                   b.where = r.where();
                   if (r.ok())
                       bank.books << b;
               });

    ForEachRow(sourceDir, QStringLiteral("bookpages.csv"),
               {QStringLiteral("category"), QStringLiteral("book"), QStringLiteral("question"), QStringLiteral("page")},
               errors, [&](RowReader &r) {
                   BookPage p;
                   p.category = r.code(0, CategoryCodes, QStringLiteral("category"));
                   p.book = r.number(1);
                   p.question = r.number(2);
                   p.page = r.text(3).trimmed();
                   p.where = r.where();
                   if (r.ok())
                       bank.bookPages << p;
               });
    return bank;
}

} // namespace BankTool
