#pragma once
// A sandbox with a question bank and a user database for the training tests:
// the bank is made through clsQuestion's own add operations, the user
// database through clsUser::DbCreate with one signed-in user.
#include "TestSupport.h"
#include "core/LocalisedTexts.h"
#include "core/SqlSupport.h"
#include "questionbank/BankFixture.h"
#include "questionbank/clsQuestion.h"
#include "training/QuestionSet.h"
#include "userdb/clsUser.h"

#include <QSqlQuery>
#include <QtTest>
#include <memory>
#include <random>

namespace TrainingTest {

// Questions first..last of a category, all of one theme, right answer "a".
inline void AddRange(BankFixture::Content &c, int16_t cat, int32_t first, int32_t last, int16_t theme,
                     const char *answer = "a")
{
    for (int32_t n = first; n <= last; ++n)
        c.questions.append({cat, n, 0, theme, answer});
}

// Theme names of themes 0..maxTheme for every category and language
// ("T<theme>-<category>-<language>").
inline void AddThemeNames(BankFixture::Content &c, int16_t maxTheme)
{
    static QList<QByteArray> names;   // keeps the texts alive for the fixture
    for (int16_t t = 0; t <= maxTheme; ++t)
        for (int16_t cat = 0; cat <= 3; ++cat)
            for (int16_t l = 0; l <= 2; ++l) {
                names.append(QStringLiteral("T%1-%2-%3").arg(t).arg(cat).arg(l).toUtf8());
                c.themes.append({cat, t, l, names.last().constData()});
            }
}

// Creates <dir>bank.mdb with the questions, theme names and questionnaires of
// the content, written as one transaction; the object is left open.
inline void BankBuild(clsQuestion &qb, const QString &dir, const BankFixture::Content &c)
{
    qb.setDbPath(dir);
    qb.setDbFileName(QStringLiteral("bank.mdb"));
    QString error;
    QVERIFY2(qb.DbCreate(error), qPrintable(error));
    qb.setRSLockType(QStringLiteral("2"));
    qb.DbOpen();
    QVERIFY(qb.IsOpen());
    qb.DbTransactionBegin();
    qb.QuestionOpen();
    for (const BankFixture::Q &q : c.questions) {
        qb.QuestionAdd();
        qb.CategoryNr = q.cat;
        qb.QuestionNr = q.nr;
        qb.PictureNr = q.pic;
        qb.ThemeNr = q.theme;
        qb.Answer = QString::fromUtf8(q.answer);
        qb.QuestionUpdate();
    }
    qb.QuestionClose();
    qb.ThemeNameOpen();
    for (const BankFixture::Th &t : c.themes) {
        qb.ThemeNameAdd();
        qb.CategoryNr = t.cat;
        qb.ThemeNr = t.theme;
        qb.LanguageNr = t.lang;
        qb.ThemeName = QString::fromUtf8(t.name);
        qb.ThemeNameUpdate();
    }
    qb.ThemeNameClose();
    qb.QuestionnaireOpen();
    for (const BankFixture::Qn &q : c.questionnaires) {
        qb.QuestionnaireAdd();
        qb.CategoryNr = q.cat;
        qb.ThemeNr = q.theme;
        qb.QuestionnaireNr = q.nr;
        qb.QuestionnaireQuestions = QString::fromUtf8(q.list);
        qb.QuestionnaireUpdate();
    }
    qb.QuestionnaireClose();
    qb.BookOpen();
    for (const BankFixture::Bk &b : c.books) {
        qb.BookAdd();
        qb.CategoryNr = b.cat;
        qb.BookNr = b.nr;
        qb.BookTitle = QString::fromUtf8(b.title);
        qb.BookPictureNr = QString::fromUtf8(b.pic);
        qb.BookUpdate();
    }
    qb.BookClose();
    qb.DbTransactionCommit();
}

struct Fixture {
    TestSupport::Sandbox sb;
    std::unique_ptr<clsQuestion> bank;
    std::unique_ptr<clsUser> users;

    Fixture()
    {
        ExamQuestionCount = {40, 40, 30, 30};
        AnswerLetters = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        LocalisedTextsFill(0);
        SetRecord = QuestionSet();
    }
    ~Fixture()
    {
        objQuestion = nullptr;
        objUser = nullptr;
        Seams::SetRandom({});
        Seams::SetClock({});
    }

    void makeBank(const BankFixture::Content &c)
    {
        bank = std::make_unique<clsQuestion>();
        BankBuild(*bank, sb.programDir + QStringLiteral("/"), c);
        // Reopen read-only, as the program uses it.
        bank->DbClose();
        bank->setRSLockType(QStringLiteral("1"));
        bank->DbOpen();
        objQuestion = bank.get();
    }

    void makeUsers()
    {
        users = std::make_unique<clsUser>();
        QString error;
        QVERIFY2(users->DbCreate(error), qPrintable(error));
        users->ProgramVersion = ProgramVersionText;
        users->setRSCursorType(QStringLiteral("2"));
        users->setRSLockType(QStringLiteral("2"));
        users->DbOpen();
        users->NewUser();
        users->UserName = QStringLiteral("Anna");
        users->Password = QStringLiteral("1234");
        users->CategoryNr = CurrentCategoryNr;
        users->BookNr = 1;
        users->UpdateUser();
        objUser = users.get();
    }

    // All rows of one column of a user-database query, read through a
    // connection of their own.
    QVariantList rows(const QString &sql) const
    {
        QSqlDatabase db = Sql::Open(users->DbPath() + users->DbFileName(), true, 5000);
        QVariantList v;
        {
            QSqlQuery q(db);
            if (q.exec(sql))
                while (q.next())
                    v << q.value(0);
        }
        Sql::Close(db);
        return v;
    }
};

// Random values that pick the given question numbers in order with
// candidate = int(r * max + 1); after the list a seeded generator goes on.
inline void PickSequence(const QVector<int32_t> &numbers, int32_t max, uint32_t seed = 7)
{
    auto state = std::make_shared<std::pair<int, std::mt19937>>(0, std::mt19937(seed));
    Seams::SetRandom(
        [numbers, max, state]() -> double {
            if (state->first < numbers.size())
                return (numbers[state->first++] - 0.5) / max;
            return std::uniform_real_distribution<double>(0.0, 1.0)(state->second);
        },
        [] {});
}

} // namespace TrainingTest
