#include "tools/velko-users/UsersTool.h"

#include "core/RuntimeError.h"
#include "userdb/UserDbCopy.h"
#include "userdb/UserDbCreate.h"
#include "userdb/clsUser.h"
#include "tools/ToolCommon.h"

#include <QFileInfo>
#include <QMap>
#include <cstdio>
#include <string>

#if defined(Q_OS_UNIX)
#include <termios.h>
#include <unistd.h>
#endif

namespace {

using Tool::ExitFailed;
using Tool::ExitOk;
using Tool::ExitUsage;

const QString Usage = QStringLiteral(
    "usage:\n"
    "  velko-users create <database> --password-stdin\n"
    "  velko-users add <database> --name <name> --password-stdin --language de|fr|it\n"
    "                  --category C|D|C1|D1 --book <number> [--inactive] [--comment <text>]\n"
    "  velko-users list <database>\n"
    "  velko-users copy <from> <to> [--replace]\n"
    "  velko-users --help | --version\n"
    "\n"
    "A <database> is a SQLite file or a database on a PostgreSQL server:\n"
    "  postgresql://[user@]host[:port]/database\n"
    "  postgresql:///database?host=/socket/directory&port=5432&user=role\n"
    "The server's password never goes on the command line: libpq reads it from\n"
    "~/.pgpass or the file named by PGPASSFILE.\n"
    "\n"
    "create makes a new SQLite file, or the tables in an empty server database.\n"
    "copy copies every table of a user database, keys included, into a new\n"
    "SQLite file, a server database without the tables, or with --replace into\n"
    "a user database whose rows it deletes first.\n"
    "\n"
    "--password-stdin reads the PIN (the administrator's for create, the new\n"
    "user's for add; digits 0 to 9) from the first line of standard input; at a\n"
    "terminal it is asked for and not shown. The older --admin-password <digits>\n"
    "(create) and --password <digits> (add) still work but put the PIN on the\n"
    "command line, where every user of the machine can read it in the process\n"
    "list; they print a warning.\n");

const QString PasswordStdin = QStringLiteral("--password-stdin");

// Reads one line of the process's standard input; at a terminal after a
// prompt on the error output and with the echo turned off.
bool ReadStandardInputLine(const QString &prompt, QTextStream &err, QString &line)
{
#if defined(Q_OS_UNIX)
    const bool terminal = isatty(STDIN_FILENO) == 1;
    termios saved{};
    bool echoOff = false;
    if (terminal) {
        err << prompt;
        err.flush();
        if (tcgetattr(STDIN_FILENO, &saved) == 0) {
            termios quiet = saved;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            echoOff = tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
        }
    }
#endif
    std::string text;
    bool got = false;
    for (int c = std::getchar(); c != EOF; c = std::getchar()) {
        got = true;
        if (c == '\n')
            break;
        text.push_back(static_cast<char>(c));
    }
#if defined(Q_OS_UNIX)
    if (echoOff)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    if (terminal) {
        err << "\n";
        err.flush();
    }
#else
    Q_UNUSED(prompt);
#endif
    line = QString::fromLocal8Bit(text);
    return got;
}

// The PIN of a command: from standard input with --password-stdin, else from
// the old option, which shows it in the process list and is warned about.
bool PinOf(const QMap<QString, QString> &o, const QString &oldOption, QTextStream *in, QTextStream &err,
           QString &pin)
{
    const bool fromStdin = o.contains(PasswordStdin);
    if (fromStdin == o.contains(oldOption)) {
        err << "error: give the PIN with " << PasswordStdin << (fromStdin ? " only" : "") << "\n" << Usage;
        return false;
    }
    if (!fromStdin) {
        err << "warning: " << oldOption << " puts the PIN on the command line, where other users of this "
            << "machine can read it; use " << PasswordStdin << " instead\n";
        pin = o.value(oldOption);
        return true;
    }
    bool got = false;
    if (in) {
        pin = in->readLine();
        got = !pin.isNull();
    } else {
        got = ReadStandardInputLine(QStringLiteral("PIN: "), err, pin);
    }
    if (pin.endsWith(QLatin1Char('\r')))
        pin.chop(1);
    if (!got) {
        err << "error: no PIN on standard input\n";
        return false;
    }
    return true;
}

const QStringList LanguageCodes = {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("it")};
const QStringList CategoryCodes = {QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("C1"),
                                   QStringLiteral("D1")};

bool IsDigits(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Options of the form --key value, and flags without a value.
bool ParseOptions(const QStringList &args, int from, const QStringList &withValue, const QStringList &flags,
                  QMap<QString, QString> &options, QString &problem)
{
    for (int i = from; i < args.size(); ++i) {
        const QString &a = args[i];
        if (flags.contains(a)) {
            options[a] = QStringLiteral("1");
        } else if (withValue.contains(a)) {
            if (i + 1 >= args.size()) {
                problem = QStringLiteral("option ") + a + QStringLiteral(" needs a value");
                return false;
            }
            options[a] = args[++i];
        } else {
            problem = QStringLiteral("unknown argument '") + a + QStringLiteral("'");
            return false;
        }
    }
    return true;
}

// A <database> argument: a file or a postgresql:// address. An address
// that cannot be used is a bad command line.
bool DatabaseOf(const QString &text, QTextStream &err, UserDbLocation &location)
{
    location = UserDbLocation::FromText(text);
    if (location.problem.isEmpty())
        return true;
    err << "error: " << location.problem << "\n" << Usage;
    return false;
}

// Points the access object at the database and opens it.
bool OpenDb(clsUser &user, const UserDbLocation &location, bool forWriting, QTextStream &err)
{
    if (!location.isServer() && !QFileInfo(location.file()).isFile()) {
        err << "error: no user database at '" << location.file() << "'\n";
        return false;
    }
    user.setLocation(location);
    user.setRSCursorType(forWriting ? QStringLiteral("2") : QStringLiteral("3"));
    user.setRSLockType(forWriting ? QStringLiteral("2") : QStringLiteral("1"));
    user.DbOpen();
    if (!user.IsOpen()) {
        err << "error: " << location.describe() << " could not be opened as a user database\n";
        return false;
    }
    return true;
}

bool WriteUser(clsUser &user, const QString &name, const QString &password, int16_t language, int16_t category,
               int16_t book, int32_t status, const QString &comment)
{
    const qsizetype errorsBefore = RuntimeErrorLines().size();
    user.NewUser();
    if (RuntimeErrorLines().size() != errorsBefore)
        return false;
    user.UserName = name;
    user.Password = password;
    user.LanguageNr = language;
    user.CategoryNr = category;
    user.BookNr = book;
    user.UserStatus = status;
    user.UserComment = comment;
    user.UpdateUser();
    return RuntimeErrorLines().size() == errorsBefore && user.UserID() != 0;
}

int Create(const QStringList &args, QTextStream &out, QTextStream &err, QTextStream *in)
{
    QMap<QString, QString> o;
    QString problem;
    if (args.size() < 2
        || !ParseOptions(args, 2, {QStringLiteral("--admin-password")}, {PasswordStdin}, o, problem)) {
        err << "error: " << (problem.isEmpty() ? QStringLiteral("create needs <database>") : problem) << "\n"
            << Usage;
        return ExitUsage;
    }
    UserDbLocation location;
    if (!DatabaseOf(args[1], err, location))
        return ExitUsage;
    QString password;
    if (!PinOf(o, QStringLiteral("--admin-password"), in, err, password))
        return ExitUsage;
    if (!IsDigits(password)) {
        err << "error: the password must consist of the digits 0 to 9 only\n";
        return ExitUsage;
    }
    QString error;
    if (!UserDbCreateWithAdmin(location, password, 0, error)) {
        err << "error: " << error << "\n";
        return ExitFailed;
    }
    out << "created user database " << location.describe() << " with the administrator _Vestr\n";
    return ExitOk;
}

int Add(const QStringList &args, QTextStream &out, QTextStream &err, QTextStream *in)
{
    QMap<QString, QString> o;
    QString problem;
    const QStringList withValue = {QStringLiteral("--name"), QStringLiteral("--language"),
                                   QStringLiteral("--category"), QStringLiteral("--book"),
                                   QStringLiteral("--comment"), QStringLiteral("--password")};
    if (args.size() < 2
        || !ParseOptions(args, 2, withValue, {QStringLiteral("--inactive"), PasswordStdin}, o, problem)) {
        err << "error: " << (problem.isEmpty() ? QStringLiteral("add needs <database>") : problem) << "\n"
            << Usage;
        return ExitUsage;
    }
    UserDbLocation location;
    if (!DatabaseOf(args[1], err, location))
        return ExitUsage;
    for (const QString &key : withValue.mid(0, 4)) {
        if (!o.contains(key)) {
            err << "error: option " << key << " is required\n" << Usage;
            return ExitUsage;
        }
    }
    const QString name = o.value(QStringLiteral("--name"));
    QString password;
    if (!PinOf(o, QStringLiteral("--password"), in, err, password))
        return ExitUsage;
    const int language = LanguageCodes.indexOf(o.value(QStringLiteral("--language")));
    const int category = CategoryCodes.indexOf(o.value(QStringLiteral("--category")).toUpper());
    bool bookOk = false;
    const int book = o.value(QStringLiteral("--book")).toInt(&bookOk);
    if (name.trimmed().isEmpty()) {
        err << "error: the name must not be empty\n";
        return ExitUsage;
    }
    if (!IsDigits(password)) {
        err << "error: the password must consist of the digits 0 to 9 only\n";
        return ExitUsage;
    }
    if (language < 0) {
        err << "error: the language must be de, fr or it\n";
        return ExitUsage;
    }
    if (category < 0) {
        err << "error: the category must be C, D, C1 or D1\n";
        return ExitUsage;
    }
    if (!bookOk || book < 1 || book > 32767) {
        err << "error: the book must be a number from 1 to 32767\n";
        return ExitUsage;
    }

    clsUser user;
    if (!OpenDb(user, location, true, err))
        return ExitFailed;
    user.UserNameSeek(name);
    if (user.UserID() != 0) {
        err << "error: a user named '" << name << "' already exists\n";
        user.DbClose();
        return ExitFailed;
    }
    const bool ok = WriteUser(user, name, password, static_cast<int16_t>(language), static_cast<int16_t>(category),
                              static_cast<int16_t>(book), o.contains(QStringLiteral("--inactive")) ? 1 : 0,
                              o.value(QStringLiteral("--comment")));
    const int32_t id = user.UserID();
    user.DbClose();
    if (!ok) {
        err << "error: the user could not be written\n";
        return ExitFailed;
    }
    out << "added user '" << name << "' (UserID " << id << ")\n";
    return ExitOk;
}

int List(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 2) {
        err << "error: list needs exactly <database>\n" << Usage;
        return ExitUsage;
    }
    UserDbLocation location;
    if (!DatabaseOf(args[1], err, location))
        return ExitUsage;
    clsUser user;
    if (!OpenDb(user, location, false, err))
        return ExitFailed;
    const qsizetype errorsBefore = RuntimeErrorLines().size();
    out << "UserID\tUserName\tLanguage\tCategory\tBook\tStatus\tComment\n";
    for (user.FirstUser(); user.UserID() != 0; user.NextUser()) {
        out << user.UserID() << '\t' << user.UserName << '\t' << LanguageCodes.value(user.LanguageNr, QStringLiteral("?"))
            << '\t' << CategoryCodes.value(user.CategoryNr, QStringLiteral("?")) << '\t' << user.BookNr << '\t'
            << (user.UserStatus == 0 ? "active" : "inactive") << '\t' << user.UserComment << '\n';
    }
    user.DbClose();
    return RuntimeErrorLines().size() == errorsBefore ? ExitOk : ExitFailed;
}

int Copy(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QMap<QString, QString> o;
    QString problem;
    if (args.size() < 3 || !ParseOptions(args, 3, {}, {QStringLiteral("--replace")}, o, problem)) {
        err << "error: " << (problem.isEmpty() ? QStringLiteral("copy needs <from> and <to>") : problem) << "\n"
            << Usage;
        return ExitUsage;
    }
    UserDbLocation from, to;
    if (!DatabaseOf(args[1], err, from) || !DatabaseOf(args[2], err, to))
        return ExitUsage;
    QStringList report;
    QString error;
    if (!UserDbCopy(from, to, o.contains(QStringLiteral("--replace")), report, error)) {
        err << "error: " << error << "\n";
        return ExitFailed;
    }
    for (const QString &line : report)
        out << line << '\n';
    return ExitOk;
}

} // namespace

int UsersToolRun(const QStringList &args, QTextStream &out, QTextStream &err, QTextStream *in)
{
    const QString command = args.value(0);
    if (command == QLatin1String("create"))
        return Create(args, out, err, in);
    if (command == QLatin1String("add"))
        return Add(args, out, err, in);
    if (command == QLatin1String("list"))
        return List(args, out, err);
    if (command == QLatin1String("copy"))
        return Copy(args, out, err);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") || command == QLatin1String("help")) {
        out << Usage;
        return ExitOk;
    }
    if (Tool::IsVersionOption(command))
        return Tool::VersionPrint(out, "velko-users");
    err << (command.isEmpty() ? QStringLiteral("error: no command given\n")
                              : QStringLiteral("error: unknown command '") + command + QStringLiteral("'\n"))
        << Usage;
    return ExitUsage;
}
