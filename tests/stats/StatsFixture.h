#pragma once
// The databases of the statistics tests on the real main window.
//
// Bank: questions 1..60 in C and D, right answer "b", theme 4 + n % 14, with
// texts in the three languages.
// Named themes: C 4, 5 and 7..17 (13 named, 6 has none), D 4 and 5. Lessons
// C 1 (questions 1..10), C 2 (11..20), D 1. Theme 4: C questionnaires 1
// ("000F0010"), 2 ("0011") and 4 ("0012"), gap at 3; D questionnaire 1
// ("0020"), stored before C's. Theme 5: C questionnaire 1.
// Users: "_Vestr" 1234, "Anna Keller" 4711 (C, with records), "Bruno Meier"
// 1111 (D), "Eva Leer" 2222 (C, no record), all German.
// Anna's records, newest first: theme 4 questionnaire 2 at 89 (one answer
// "a"), an examination at 75 by "Velko 1.10.0" (40 questions, marks J and L
// on questions 1 and 2), an examination at 95 by "Velko 1.3.15", a mixed set
// at 83 (30 questions 21..50), lesson 1 at 90 (answers "bbbbbbbbba", mark J
// on question 1); and a record of category D that her history never shows.
#include "shell/ShellFixture.h"

namespace StatsFixture {

using UserDbTest::SqlExec;

inline QString List(int first, int last)
{
    QString s;
    for (int n = first; n <= last; ++n)
        s += QStringLiteral("%1").arg(n, 4, 16, QLatin1Char('0')).toUpper();
    return s;
}

class Databases : public ShellFixture::DatabaseFiles
{
public:
    Databases()
    {
        clsUser u;
        create(u);
        UserDbTest::UserAdd(u, "_Vestr", "1234");
        UserDbTest::UserAdd(u, "Anna Keller", "4711");
        UserDbTest::UserAdd(u, "Bruno Meier", "1111", 1);
        UserDbTest::UserAdd(u, "Eva Leer", "2222");
        u.DbClose();

        const QString bank = m_dir.filePath(QStringLiteral("Bank.sqlite"));
        QStringList rows;
        for (int cat = 0; cat <= 1; ++cat)
            for (int n = 1; n <= 60; ++n)
                rows << QStringLiteral("(%1,%2,0,%3,'b')").arg(cat).arg(n).arg(4 + n % 14);
        SqlExec(bank, QStringLiteral("INSERT INTO Question VALUES ") + rows.join(','));
        SqlExec(bank, QStringLiteral("INSERT INTO QuestionText SELECT q.CategoryNr, q.QuestionNr, l.n, 'Text ' || "
                                  "q.QuestionNr, 'eins', 'zwei', 'drei' FROM Question AS q, (SELECT 0 AS n UNION "
                                  "SELECT 1 UNION SELECT 2) AS l"));
        rows.clear();
        const char *words[3] = {"Thema", "Thème", "Tema"};
        for (int t = 4; t <= 17; ++t)
            for (int l = 0; l <= 2; ++l) {
                if (t != 6)
                    rows << QStringLiteral("(0,%1,%2,'%3 %1')").arg(t).arg(l).arg(QString::fromUtf8(words[l]));
                if (t <= 5)
                    rows << QStringLiteral("(1,%1,%2,'%3 %1')").arg(t).arg(l).arg(QString::fromUtf8(words[l]));
            }
        SqlExec(bank, QStringLiteral("INSERT INTO Theme VALUES ") + rows.join(','));
        SqlExec(bank, QStringLiteral("INSERT INTO Questionnaire VALUES (1,4,1,'0020'),(0,0,1,?),(0,0,2,?),(1,1,1,'0001'),"
                                  "(0,4,1,'000F0010'),(0,4,2,'0011'),(0,4,4,'0012'),(0,5,1,'0013')"),
             {List(1, 10), List(11, 20)});
        SqlExec(bank, QStringLiteral("INSERT INTO Book VALUES (0,1,'Handbuch',''),(1,1,'Handbuch','')"));

        const QString users_ = m_dir.filePath(QStringLiteral("Users.sqlite"));
        const auto questionnaire = [&](int category, const char *version, int theme, int nr, const char *when,
                                       double percent, const QString &answers) {
            SqlExec(users_, QStringLiteral("INSERT INTO QuestionnaireStat (UserID, CategoryNr, ProgramVersion, "
                                        "QuestionnaireThemeNr, QuestionnaireNr, QuestionnaireDateTime, "
                                        "QuestionnaireResultPercent, QuestionnaireAnswers, QuestionnaireDuration) "
                                        "VALUES (2, ?, ?, ?, ?, ?, ?, ?, 0)"),
                 {category, QString::fromLatin1(version), theme, nr, QString::fromLatin1(when), percent, answers});
        };
        const auto questions = [&](const char *when, int first, int last) {
            for (int n = first; n <= last; ++n)
                SqlExec(users_, QStringLiteral("INSERT INTO QuestionStat (UserID, CategoryNr, ProgramVersion, "
                                            "QuestionThemeNr, QuestionNr, QuestionDateTime, QuestionAnswer, "
                                            "QuestionDuration) VALUES (2, 0, 'Velko 1.10.0', ?, ?, ?, ?, 0)"),
                     {4 + n % 14, n, QString::fromLatin1(when), n % 4 != 0});
        };
        QString exam = QString(30, QLatin1Char('b')) + QString(10, QLatin1Char('c')) + QStringLiteral("JL")
                       + QString(38, QLatin1Char(' '));
        questionnaire(0, "Velko 1.10.0", -1, 1, "2026-03-10 09:00:00", 75, exam);
        questions("2026-03-10 09:00:00", 1, 40);
        questionnaire(0, "Velko 1.3.15", -1, 1, "2026-03-09 09:00:00", 95, exam);
        questions("2026-03-09 09:00:00", 1, 40);
        questionnaire(0, "Velko 2.0.0", -1, 0, "2026-03-08 09:00:00", 83, QString(60, QLatin1Char('b')));
        questions("2026-03-08 09:00:00", 21, 50);
        questionnaire(0, "Velko 2.0.0", 0, 1, "2026-03-07 09:00:00", 90,
                      QStringLiteral("bbbbbbbbbaJ         "));
        questionnaire(0, "Velko 2.0.0", 4, 2, "2026-03-11 09:00:00", 89, QStringLiteral("a "));
        questionnaire(1, "Velko 2.0.0", 4, 1, "2026-03-12 09:00:00", 100, QStringLiteral("b "));
    }
};

} // namespace StatsFixture
