#pragma once
// A user database in the test's sandbox, opened for writing, and small
// helpers that add users and results and read the stored rows directly.
#include "TestSupport.h"
#include "core/SqlSupport.h"
#include "userdb/clsUser.h"

#include <QSqlQuery>
#include <QtTest>

namespace UserDbTest {

struct Fixture {
    TestSupport::Sandbox sb;
    clsUser user;   // created after the sandbox: reads the sandbox's INI file

    explicit Fixture(bool open = true)
    {
        if (!open)
            return;
        QString error;
        if (!user.DbCreate(error))
            qFatal("user database not created: %s", qPrintable(error));
        user.ProgramVersion = QStringLiteral("Velko 2.0.0");
        user.PCName = QStringLiteral("PC-7");
        user.WindowsVersion = QStringLiteral("6.1.7601");
        user.setRSCursorType(QStringLiteral("2"));
        user.setRSLockType(QStringLiteral("2"));
        user.DbOpen();
    }
    QString file() const { return user.DbPath() + user.DbFileName(); }

    int32_t addUser(const QString &name, const QString &password, int16_t category = 0, int32_t status = 0,
                    const QString &comment = QString())
    {
        user.NewUser();
        user.UserName = name;
        user.Password = password;
        user.LanguageNr = 1;
        user.CategoryNr = category;
        user.BookNr = 2;
        user.UserStatus = status;
        user.UserComment = comment;
        user.UpdateUser();
        return user.UserID();
    }

    void addQuestionnaire(int16_t theme, int16_t nr, float percent, const QDateTime &when,
                          const QString &answers = QStringLiteral("abcJ  "))
    {
        user.QuestionnaireStatOpen();
        user.QuestionnaireStatAdd();
        user.QuestionnaireThemeNr = theme;
        user.QuestionnaireNr = nr;
        user.QuestionnaireDateTime = when;
        user.QuestionnaireResultPercent = percent;
        user.QuestionnaireAnswers = answers;
        user.QuestionnaireStatUpdate();
        user.QuestionnaireStatClose();
    }

    void addQuestions(const QDateTime &when, const QList<int> &numbers)
    {
        user.QuestionStatOpen();
        for (int nr : numbers) {
            user.QuestionStatAdd();
            user.QuestionNr = nr;
            user.QuestionDateTime = when;
            user.QuestionStatUpdate();
        }
        user.QuestionStatClose();
    }

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
