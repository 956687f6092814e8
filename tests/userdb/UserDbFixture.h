#pragma once
// A user database in the test's sandbox, opened for writing, and small
// helpers that add users and results and read the stored rows directly.
// The free helpers are shared with the training and statistics fixtures.
#include "TestSupport.h"
#include "core/SqlSupport.h"
#include "userdb/clsUser.h"

#include <QSqlQuery>
#include <QtTest>

namespace UserDbTest {

// One statement with its values, through a connection of its own.
inline void SqlExec(const QString &file, const QString &sql, const QVariantList &values = {})
{
    QSqlDatabase db = Sql::Open(file, false, 5000);
    {
        QSqlQuery q(db);
        QVERIFY2(q.prepare(sql), qPrintable(sql + " " + q.lastError().text()));
        for (const QVariant &v : values)
            q.addBindValue(v);
        QVERIFY2(q.exec(), qPrintable(sql + " " + q.lastError().text()));
    }
    Sql::Close(db);
}

// A new user database at the user object's path, opened for writing.
inline void UserDbOpen(clsUser &user)
{
    QString error;
    QVERIFY2(user.DbCreate(error), qPrintable(error));
    user.setRSCursorType(QStringLiteral("2")), user.setRSLockType(QStringLiteral("2"));
    user.DbOpen();
}

inline int32_t UserAdd(clsUser &user, const QString &name, const QString &password, int16_t category = 0,
                       int16_t book = 1, int16_t language = 0, int32_t status = 0, const QString &comment = {})
{
    user.NewUser();
    user.UserName = name, user.Password = password, user.UserComment = comment;
    user.LanguageNr = language, user.CategoryNr = category, user.BookNr = book, user.UserStatus = status;
    user.UpdateUser();
    return user.UserID();
}

// One questionnaire result of the current user.
inline void QuestionnaireAdd(clsUser &user, int16_t theme, int16_t nr, float percent, const QDateTime &when,
                             const QString &answers = QStringLiteral("abcJ  "))
{
    user.QuestionnaireStatOpen();
    user.QuestionnaireStatAdd();
    user.QuestionnaireThemeNr = theme, user.QuestionnaireNr = nr, user.QuestionnaireDateTime = when;
    user.QuestionnaireResultPercent = percent, user.QuestionnaireAnswers = answers;
    user.QuestionnaireStatUpdate();
    user.QuestionnaireStatClose();
}

struct Fixture {
    TestSupport::Sandbox sb;
    clsUser user;   // created after the sandbox: reads the sandbox's INI file

    explicit Fixture(bool open = true)
    {
        if (!open)
            return;
        user.ProgramVersion = QStringLiteral("Velko 2.0.0");
        user.PCName = QStringLiteral("PC-7"), user.WindowsVersion = QStringLiteral("6.1.7601");
        UserDbOpen(user);
    }
    QString file() const { return user.DbPath() + user.DbFileName(); }

    int32_t addUser(const QString &name, const QString &password, int16_t category = 0, int32_t status = 0,
                    const QString &comment = QString())
    {
        return UserAdd(user, name, password, category, 2, 1, status, comment);
    }

    void addQuestionnaire(int16_t theme, int16_t nr, float percent, const QDateTime &when,
                          const QString &answers = QStringLiteral("abcJ  "))
    {
        QuestionnaireAdd(user, theme, nr, percent, when, answers);
    }

    void addQuestions(const QDateTime &when, const QList<int> &numbers)
    {
        user.QuestionStatOpen();
        for (int nr : numbers) {
            user.QuestionStatAdd();
            user.QuestionNr = nr, user.QuestionDateTime = when;
            user.QuestionStatUpdate();
        }
        user.QuestionStatClose();
    }

    int count(const QString &table) const { return raw("SELECT COUNT(*) FROM " + table).toInt(); }

    // One value read through a connection of its own.
    QVariant raw(const QString &sql) const
    {
        QSqlDatabase db = Sql::Open(file(), true, 5000);
        QVariant v;
        {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                v = q.value(0);
        }
        Sql::Close(db);
        return v;
    }
};

} // namespace UserDbTest
