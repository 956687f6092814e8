#pragma once
// A small question bank and user database for tests of the main window,
// created through the access objects themselves, plus the INI file that
// points the program at them.
#include "TestSupport.h"
#include "questionbank/clsQuestion.h"
#include "userdb/clsUser.h"

#include <QDir>
#include <QtTest>

namespace ShellFixture {

struct Candidate {
    QString name;
    QString password;
    int16_t language;
    int16_t category;
    int32_t status;
};

inline void createUsers(const QString &dir, const QList<Candidate> &users)
{
    clsUser u;
    u.setDbPath(dir);
    u.setDbFileName(QStringLiteral("Users.sqlite"));
    QString error;
    QVERIFY2(u.DbCreate(error), qPrintable(error));
    u.setRSCursorType(QStringLiteral("2"));
    u.setRSLockType(QStringLiteral("2"));
    u.DbOpen();
    for (const Candidate &c : users) {
        u.NewUser();
        u.UserName = c.name;
        u.Password = c.password;
        u.LanguageNr = c.language;
        u.CategoryNr = c.category;
        u.BookNr = 1;
        u.UserStatus = c.status;
        u.UpdateUser();
    }
    u.DbClose();
}

inline void createBank(const QString &dir)
{
    clsQuestion q;
    q.setDbPath(dir);
    q.setDbFileName(QStringLiteral("Bank.sqlite"));
    QString error;
    QVERIFY2(q.DbCreate(error), qPrintable(error));
    q.setRSLockType(QStringLiteral("2"));
    q.DbOpen();
    q.DbTransactionBegin();
    q.QuestionOpen();
    for (int16_t cat = 0; cat < 4; ++cat) {
        for (int32_t nr = 1; nr <= 50; ++nr) {
            q.QuestionAdd();
            q.CategoryNr = cat;
            q.QuestionNr = nr;
            q.ThemeNr = static_cast<int16_t>(4 + nr % 3);
            q.PictureNr = 0;
            q.Answer = QStringLiteral("b");
            q.QuestionUpdate();
        }
    }
    q.QuestionClose();
    q.QuestionTextOpen();
    for (int16_t cat = 0; cat < 4; ++cat)
        for (int32_t nr = 1; nr <= 50; ++nr)
            for (int16_t lang = 0; lang < 3; ++lang) {
                q.QuestionTextAdd();
                q.CategoryNr = cat;
                q.QuestionNr = nr;
                q.LanguageNr = lang;
                q.QuestionText = QStringLiteral("Q%1 L%2").arg(nr).arg(lang);
                q.AnsweraText = QStringLiteral("a");
                q.AnswerbText = QStringLiteral("b");
                q.AnswercText = QStringLiteral("c");
                q.QuestionTextUpdate();
            }
    q.QuestionTextClose();
    q.ThemeNameOpen();
    for (int16_t cat = 0; cat < 4; ++cat)
        for (int16_t t = 4; t <= 6; ++t)
            for (int16_t lang = 0; lang < 3; ++lang) {
                q.ThemeNameAdd();
                q.CategoryNr = cat;
                q.ThemeNr = t;
                q.LanguageNr = lang;
                q.ThemeName = QStringLiteral("Theme %1/%2").arg(t).arg(lang);
                q.ThemeNameUpdate();
            }
    q.ThemeNameClose();
    q.BookOpen();
    for (int16_t cat = 0; cat < 4; ++cat) {
        q.BookAdd();
        q.CategoryNr = cat;
        q.BookNr = 1;
        q.BookTitle = QStringLiteral("Handbuch");
        q.BookPictureNr = QStringLiteral("9001");
        q.BookUpdate();
    }
    q.BookClose();
    q.DbTransactionCommit();
    q.DbClose();
}

// Writes the INI file beside the program: databases in <root>/data,
// pictures in <root>/pics.
inline void writeIni(const TestSupport::Sandbox &sb, const QString &extra = QString())
{
    const QString data = sb.dir.path() + QStringLiteral("/data/");
    const QString pics = sb.dir.path() + QStringLiteral("/pics/");
    QDir().mkpath(data);
    QDir().mkpath(pics);
    sb.writeIni(QStringLiteral("[Config]\nDB_PATH=%1\nDB_NAME=Bank.sqlite\nUSERDB_PATH=%1\n"
                               "USERDB_NAME=Users.sqlite\nPIC_PATH=%2\n")
                    .arg(data, pics)
                + extra);
}

inline QString dataDir(const TestSupport::Sandbox &sb) { return sb.dir.path() + QStringLiteral("/data/"); }
inline QString picDir(const TestSupport::Sandbox &sb) { return sb.dir.path() + QStringLiteral("/pics/"); }

} // namespace ShellFixture
