#pragma once
// The databases of the main-window tests, built once per test program and
// copied into each test's sandbox together with an INI file pointing at them.
#include "core/Screens.h"
#include "questionbank/clsQuestion.h"
#include "shell/formMain.h"
#include "userdb/UserDbFixture.h"

#include <QDir>
#include <QListWidget>
#include <QtTest>

namespace ShellFixture {

using UserDbTest::query;

template <class T = QWidget> T *child(const QWidget *root, const QString &name)
{
    T *c = root->findChild<T *>(name);
    if (!c)
        qFatal("missing control %s", qPrintable(name));
    return c;
}
inline void click(const QWidget *root, const QString &name) { QTest::mouseClick(child(root, name), Qt::LeftButton); }

// The texts of a list's rows.
inline QStringList items(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}
// Clicks a row of a list as the mouse does.
inline void clickItem(QListWidget *list, const QString &name)
{
    QListWidgetItem *item = list->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY2(item, qPrintable(name));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QCOMPARE(list->currentItem(), item);
}
inline void typeDigits(const QWidget *w, const QString &digits)
{
    for (const QChar d : digits)
        click(w, QStringLiteral("cmdLoginNumber_%1").arg(d));
}
// Selection, password on the keypad and OK, as a candidate signs in.
inline void signIn(const QWidget *w, const QString &name, const QString &password)
{
    clickItem(child<QListWidget>(w, QStringLiteral("listLoginUsers")), name);
    typeDigits(w, password);
    click(w, QStringLiteral("cmdLoginOK"));
}

// The real main window loaded and active, the start picture gone as its
// timer does it.
inline std::unique_ptr<formMain> startMainWindow()
{
    auto w = std::make_unique<formMain>();
    w->Form_Load();
    Frame_OnTop(Screen::PictureBig, false);
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("main window not active");
    return w;
}

inline QString dataDir(const TestSupport::Sandbox &sb) { return sb.dir.path() + QStringLiteral("/data/"); }
inline QString picDir(const TestSupport::Sandbox &sb) { return sb.dir.path() + QStringLiteral("/pics/"); }

// A bank and a user database built once in a directory of their own.
class DatabaseFiles
{
public:
    // The INI file beside the program and copies of the databases in <root>/data.
    void install(const TestSupport::Sandbox &sb, const QString &extraIni = {}) const
    {
        QDir().mkpath(dataDir(sb));
        QDir().mkpath(picDir(sb));
        sb.writeIni(QStringLiteral("[Config]\nDB_PATH=%1\nDB_NAME=Bank.sqlite\nUSERDB_PATH=%1\n"
                                   "USERDB_NAME=Users.sqlite\nPIC_PATH=%2\n").arg(dataDir(sb), picDir(sb))
                    + extraIni);
        for (const QString &file : QStringList{"Bank.sqlite", "Users.sqlite"}) {
            QVERIFY(QFile::copy(m_dir.filePath(file), dataDir(sb) + file));
            QFile::setPermissions(dataDir(sb) + file, QFile::ReadOwner | QFile::WriteOwner);
        }
    }

protected:
    // An empty bank, and an empty user database opened for writing.
    void create(clsUser &users) const
    {
        clsQuestion q;
        q.setDbPath(m_dir.path() + QLatin1Char('/'));
        q.setDbFileName(QStringLiteral("Bank.sqlite"));
        QString error;
        QVERIFY2(q.DbCreate(error), qPrintable(error));
        users.setDbPath(m_dir.path() + QLatin1Char('/'));
        users.setDbFileName(QStringLiteral("Users.sqlite"));
        UserDbTest::UserDbOpen(users);
    }

    QTemporaryDir m_dir;
};

// Bank: 50 questions and two books per category. Users: the administrator,
// three active candidates (German/C, French/C1, Italian/C1) and a deactivated one.
class Databases : public DatabaseFiles
{
public:
    explicit Databases(int16_t adminLanguage = 0)
    {
        clsUser u;
        create(u);
        // Questions 1..50 of theme 4 + nr % 3 with answer b, books 1 and 2, in every category.
        const QString bank = m_dir.filePath(QStringLiteral("Bank.sqlite"));
        query(bank, QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 50) "
                                   "INSERT INTO Question SELECT c.x - 1, n.x, 0, 4 + n.x % 3, 'b' FROM n AS c, n "
                                   "WHERE c.x <= 4 ORDER BY c.x, n.x"));
        query(bank, QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < 4) "
                                   "INSERT INTO Book SELECT c.x - 1, b.x, 'Handbuch', '' FROM n AS c, n AS b "
                                   "WHERE b.x <= 2 ORDER BY c.x, b.x"));
        const struct { const char *name, *password; int16_t language, category; int32_t status; } users[] = {
            {"_Vestr", "1234", adminLanguage, 0, 0}, {"Anna Keller", "4711", 0, 0, 0},
            {"Bruno Meier", "1111", 0, 1, 1},        {"Claire Dubois", "2580", 1, 1, 0},
            {"Giulia Rossi", "369", 2, 2, 0}};
        for (const auto &c : users)
            UserDbTest::UserAdd(u, c.name, c.password, c.category, 1, c.language, c.status);
        u.DbClose();
    }
};

} // namespace ShellFixture
