#include "tools/velko-report/ReportTool.h"

#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/IniLocation.h"
#include "core/LocalisedTexts.h"
#include "core/RuntimeError.h"
#include "core/Seams.h"
#include "core/SqlSupport.h"
#include "core/modMain.h"
#include "print/EZP.h"
#include "print/PrintLayouts.h"
#include "print/PrinterGridDevice.h"
#include "questionbank/clsQuestion.h"
#include "shell/captions/CaptionTables.h"
#include "stats/HistoryLoad.h"
#include "stats/HistoryRows.h"
#include "stats/StatsRules.h"
#include "stats/ThemeRows.h"
#include "training/GradeRows.h"
#include "training/QuestionSet.h"
#include "training/QuestionnaireTitle.h"
#include "training/framePractice.h"
#include "userdb/clsUser.h"
#include "tools/ToolCommon.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <algorithm>
#include <memory>
#include <optional>

namespace {

using Tool::ExitFailed;
using Tool::ExitOk;
using Tool::ExitUsage;

const QString Usage = QStringLiteral(
    "usage:\n"
    "  velko-report [--ini FILE] (--user NAME | --user-id N) --output FILE.pdf\n"
    "               [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--last N]\n"
    "  velko-report --help | --version\n"
    "\n"
    "Writes one PDF for one user of the user database: the lesson statistics,\n"
    "the theme statistics and the result of every graded questionnaire, oldest\n"
    "first, in the user's language and category. --from and --to (both days\n"
    "included) and --last N (the N newest) choose the questionnaires. Without\n"
    "--ini the settings file is chosen as the program chooses it.\n");

// The command line, checked.
struct Options {
    QString ini;
    QString userName;
    std::optional<int32_t> userId;
    QString output;
    QDate from;
    QDate to;
    int last = -1;   // -1: every questionnaire
};

// A usage problem: the message and the usage on err.
int UsageError(QTextStream &err, const QString &problem)
{
    err << "error: " << problem << "\n" << Usage;
    return ExitUsage;
}

int Failure(QTextStream &err, const QString &problem)
{
    err << "error: " << problem << "\n";
    return ExitFailed;
}

bool DateParse(const QString &text, QDate &date)
{
    date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    return date.isValid();
}

// Parses the arguments; ExitOk when the report is to be made.
int OptionsParse(const QStringList &args, Options &o, QTextStream &err)
{
    const QStringList withValue = {QStringLiteral("--ini"),  QStringLiteral("--user"), QStringLiteral("--user-id"),
                                   QStringLiteral("--output"), QStringLiteral("--from"), QStringLiteral("--to"),
                                   QStringLiteral("--last")};
    QMap<QString, QString> values;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (!withValue.contains(a))
            return UsageError(err, QStringLiteral("unknown argument '") + a + QStringLiteral("'"));
        if (i + 1 >= args.size())
            return UsageError(err, QStringLiteral("option ") + a + QStringLiteral(" needs a value"));
        if (values.contains(a))
            return UsageError(err, QStringLiteral("option ") + a + QStringLiteral(" given twice"));
        values[a] = args[++i];
    }
    const bool byName = values.contains(QStringLiteral("--user"));
    const bool byId = values.contains(QStringLiteral("--user-id"));
    if (byName == byId)
        return UsageError(err, QStringLiteral("give the user with either --user or --user-id"));
    if (!values.contains(QStringLiteral("--output")) || values.value(QStringLiteral("--output")).isEmpty())
        return UsageError(err, QStringLiteral("option --output is required"));

    o.ini = values.value(QStringLiteral("--ini"));
    o.output = values.value(QStringLiteral("--output"));
    o.userName = values.value(QStringLiteral("--user"));
    if (byName && o.userName.isEmpty())
        return UsageError(err, QStringLiteral("the user name must not be empty"));
    if (byId) {
        bool ok = false;
        const int id = values.value(QStringLiteral("--user-id")).toInt(&ok);
        if (!ok || id < 1)
            return UsageError(err, QStringLiteral("--user-id needs a number from 1 up, not '")
                                       + values.value(QStringLiteral("--user-id")) + QStringLiteral("'"));
        o.userId = id;
    }
    for (const QString &key : {QStringLiteral("--from"), QStringLiteral("--to")}) {
        if (!values.contains(key))
            continue;
        if (!DateParse(values.value(key), key == QLatin1String("--from") ? o.from : o.to))
            return UsageError(err, key + QStringLiteral(" needs a date YYYY-MM-DD, not '") + values.value(key)
                                       + QStringLiteral("'"));
    }
    if (o.from.isValid() && o.to.isValid() && o.from > o.to)
        return UsageError(err, QStringLiteral("--from lies after --to"));
    if (values.contains(QStringLiteral("--last"))) {
        bool ok = false;
        o.last = values.value(QStringLiteral("--last")).toInt(&ok);
        if (!ok || o.last < 1)
            return UsageError(err, QStringLiteral("--last needs a number from 1 up, not '")
                                       + values.value(QStringLiteral("--last")) + QStringLiteral("'"));
    }
    return ExitOk;
}

// A text of the main window's caption tables in a language, for the given
// control and property; "" when the tables have none.
QString CaptionText(const char *control, CaptionProperty property, int languageNr)
{
    for (const CaptionTable *table : CaptionTables())
        for (std::size_t i = 0; i < table->count; ++i) {
            const CaptionRow &row = table->rows[i];
            if (row.property == property && qstrcmp(row.control, control) == 0)
                return CaptionRowText(row, languageNr);
        }
    return QString();
}

QString Caption(const char *control, int languageNr)
{
    return CaptionText(control, CaptionProperty::Caption, languageNr);
}

// Where the output goes must be a file in an existing, writable directory.
bool OutputUsable(const QString &file, QString &problem)
{
    const QFileInfo info(file);
    const QFileInfo dir(info.absolutePath());
    if (!dir.isDir())
        problem = QStringLiteral("the directory '") + dir.filePath() + QStringLiteral("' does not exist");
    else if (!dir.isWritable())
        problem = QStringLiteral("the directory '") + dir.filePath() + QStringLiteral("' cannot be written");
    else if (info.exists() && (!info.isFile() || !info.isWritable()))
        problem = QStringLiteral("'") + file + QStringLiteral("' cannot be written");
    return problem.isEmpty();
}

// Everything the report prints, gathered before the print starts.
struct ReportData {
    PrintHead statsHead;
    QString lessonsCaption;
    QString themesCaption;
    QVector<StatsPrintRow> lessons;
    QVector<ThemePrintRow> themes;
    QVector<ResultPrintData> results;
    int skipped = 0;
};

StatsPrintRow StatsRowOf(clsUser &user, int16_t themeNr, int16_t questionnaireNr)
{
    user.QuestionnaireStatCompute(themeNr, questionnaireNr);
    const BestResultFace face = BestResultFaceOf(user.QuestionnaireRecordCount(), user.QuestionnaireResultPercentMax());
    return {questionnaireNr, face.toolTip, face.tag};
}

// The lessons (all of them, as the practice menu prints them) and the named
// themes of the category with the questionnaires the bank holds, as the
// themes screen shows them.
void StatsRowsBuild(clsUser &user, clsQuestion &bank, ReportData &data)
{
    user.setRSCursorType(QStringLiteral("3"));
    user.setRSLockType(QStringLiteral("1"));
    user.QuestionnaireStatOpen();
    for (int i = 1; i <= framePractice::LessonCountMax; ++i)
        data.lessons.append(StatsRowOf(user, CurrentCategoryNr, static_cast<int16_t>(i)));
    for (const ThemeRow &row : ThemeRowsBuild(bank, CurrentCategoryNr, CurrentLanguageNr)) {
        ThemePrintRow theme{row.name, {}};
        for (int j = 0; j < ThemeColumnMax; ++j)
            if (row.stored[j])
                theme.questionnaires.append(StatsRowOf(user, row.themeNr, static_cast<int16_t>(j + 1)));
        data.themes.append(theme);
    }
    user.QuestionnaireStatClose();
}

// The user's questionnaires in the date range, the newest `last` of them,
// oldest first.
QVector<int32_t> RecordsChoose(clsUser &user, const Options &o)
{
    user.setRSCursorType(QStringLiteral("3"));
    user.setRSLockType(QStringLiteral("1"));
    QVector<int32_t> ids;   // newest first
    for (const QuestionnaireStatListRow &row : user.QuestionnaireStatUserList()) {
        const QDate day = Sql::DateTimeFromText(row.DateTimeText).date();
        if ((o.from.isValid() && day < o.from) || (o.to.isValid() && day > o.to))
            continue;
        if (o.last >= 0 && ids.size() >= o.last)
            break;
        ids.append(row.StatId);
    }
    std::reverse(ids.begin(), ids.end());
    return ids;
}

// Reopens one questionnaire record as the history does and makes its result
// print; false when it cannot be reopened.
bool ResultBuild(clsUser &user, int32_t statId, const ReportData &data, int languageNr, ResultPrintData &result)
{
    if (HistoryRecordReopen(user, statId) != HistoryReopen::Loaded)
        return false;
    QuestionnaireTitleSet();

    result.head = data.statsHead;
    result.head.dateText = PrintResultDateText(user.QuestionnaireDateTime);
    result.gradeCaption = Caption("frameGrade", languageNr);
    result.questionnaireTitle = SetRecord.QuestionnaireTitle;
    result.valueLabels = {Caption("lblGradeQNr", languageNr), Caption("lblGradeQRight", languageNr),
                          Caption("lblGradePercentRight", languageNr)};
    result.questionCount = SetRecord.QuestionCount;
    result.rightCount = SetRecord.RightAnswerCount;
    result.percentText = QString::number(SetRecord.ResultPercent) + QStringLiteral("%");
    result.table = GradeTableBuild(!user.QuestionnaireAnswers.isEmpty(),
                                   CaptionText("lblQABookPage", CaptionProperty::Tag, languageNr));
    return true;
}

// One document: the lesson statistics, the theme statistics, then one result
// after the other, each from a new page.
bool ReportPrint(const QString &file, const ReportData &data)
{
    const std::unique_ptr<PrinterGridDevice> device = PrinterGridDevice::ForPdf(file);
    PrinterDeviceSet(device.get());
    PrinterOrientationSet(1);
    PrinterGridSet(10);
    LessonStatsPrintPages(data.statsHead, data.lessonsCaption, data.lessons);
    PrinterPageNew();
    ThemesStatsPrintPages(data.statsHead, data.themesCaption, data.themes);
    for (const ResultPrintData &result : data.results) {
        PrinterPageNew();
        ResultPrintPages(result);
    }
    PrinterDocEnd();
    PrinterDeviceSet(nullptr);
    return device->Succeeded();
}

// The process-wide settings the database objects and layouts read, set for
// one run and put back afterwards where a caller may still need them.
class RunState
{
public:
    RunState()
        : m_ini(IniFileInUse()), m_testMode(Dialogs::TestMode()), m_question(objQuestion),
          m_errors(RuntimeErrorLines().size()), m_endRequests(Seams::ProgramEndRequests())
    {
        // Nothing may open a window or end the process under the tool's
        // hands: message boxes are recorded, an end request only counted.
        Dialogs::SetTestMode(true);
        Seams::SetProgramEndHandler([](int) {});
    }
    ~RunState()
    {
        objQuestion = m_question;
        Dialogs::SetTestMode(m_testMode);
        IniFileUse(m_ini);
    }
    // The first database failure of this run, "" when there was none.
    QString Problem() const
    {
        if (RuntimeErrorLines().size() > m_errors)
            return RuntimeErrorLines().at(m_errors);
        if (Seams::ProgramEndRequests() != m_endRequests) {
            const QList<Dialogs::MessageRecord> &shown = Dialogs::Shown();
            return shown.isEmpty() ? QStringLiteral("a database could not be opened")
                                   : QString(shown.last().text).replace(NewLine, QStringLiteral(" "));
        }
        return QString();
    }

private:
    QString m_ini;
    bool m_testMode;
    clsQuestion *m_question;
    qsizetype m_errors;
    int m_endRequests;
};

// A database file must exist before its object opens it: a missing file
// would be reported in a message box and end the program.
bool DatabaseFileCheck(const QString &file, const QString &what, QTextStream &err)
{
    if (QFileInfo(file).isFile())
        return true;
    Failure(err, what + QStringLiteral(" not found: '") + file + QStringLiteral("'"));
    return false;
}

int Report(const Options &o, QTextStream &out, QTextStream &err)
{
    QString problem;
    if (!OutputUsable(o.output, problem))
        return Failure(err, problem);

    RunState state;
    // The settings file as the program picks it: beside the program is
    // velko.ini, whatever this tool is called.
    SetProgramLocation(ProgramDirectory(), QStringLiteral("velko"));
    const IniChoice choice = IniFileChoose(o.ini);
    if (choice.source == IniSource::FirstStart || choice.source == IniSource::None)
        return Failure(err, QStringLiteral("no settings file found (") + choice.file + QStringLiteral(", ")
                                + SystemIniFile() + QStringLiteral(", ") + UserIniFile()
                                + QStringLiteral("); give one with --ini"));
    if (!QFileInfo(choice.file).isFile())
        return Failure(err, QStringLiteral("settings file not found: '") + choice.file + QStringLiteral("'"));
    IniFileUse(choice.file);
    if (ProgramVersionText.isEmpty())
        ProgramVersionText = ProgramVersionBuild();

    clsQuestion bank;
    if (!DatabaseFileCheck(bank.DbPath() + bank.DbFileName(), QStringLiteral("question bank"), err))
        return ExitFailed;
    bank.DbOpen();
    if (!bank.IsOpen() || !state.Problem().isEmpty())
        return Failure(err, QStringLiteral("the question bank '") + bank.DbPath() + bank.DbFileName()
                                + QStringLiteral("' could not be opened: ") + state.Problem());
    objQuestion = &bank;

    clsUser user;
    const bool server = user.Location().isServer();
    const QString userDb = server ? user.Location().describe() : user.DbPath() + user.DbFileName();
    if (!server && !DatabaseFileCheck(userDb, QStringLiteral("user database"), err))
        return ExitFailed;
    user.setRSCursorType(QStringLiteral("3"));
    user.setRSLockType(QStringLiteral("1"));
    user.DbOpen();
    if (!user.IsOpen() || !state.Problem().isEmpty())
        return Failure(err, QStringLiteral("the user database '") + userDb + QStringLiteral("' could not be opened: ")
                                + state.Problem());

    if (o.userId) {
        user.FirstUser();
        while (user.UserID() != 0 && user.UserID() != *o.userId)
            user.NextUser();
    } else {
        user.UserNameSeek(o.userName);
    }
    if (!state.Problem().isEmpty())
        return Failure(err, state.Problem());
    if (user.UserID() == 0)
        return Failure(err, (o.userId ? QStringLiteral("no user with UserID ") + QString::number(*o.userId)
                                      : QStringLiteral("no user named '") + o.userName + QStringLiteral("'"))
                                + QStringLiteral(" in '") + userDb + QStringLiteral("'"));
    if (user.CategoryNr < 0 || user.CategoryNr > 3)
        return Failure(err, QStringLiteral("the user '") + user.UserName + QStringLiteral("' has no valid category"));

    // The user's language and category, as after the user's sign-in.
    CurrentLanguageNr = user.LanguageNr >= 0 && user.LanguageNr <= 2 ? user.LanguageNr : 0;
    CurrentCategoryNr = user.CategoryNr;
    LocalisedTextsFill(CurrentLanguageNr);
    bank.BookNrGetMax();
    CurrentBookNrMax = bank.BookNrMax();
    CurrentBookNr = user.BookNr;
    bank.BookNrSeek();
    CurrentBookNr = bank.BookNr;
    if (CurrentBookNr < 1 || CurrentBookNr > CurrentBookNrMax)
        CurrentBookNr = 1;

    ReportData data;
    data.statsHead = {ProgramVersionText, user.UserName, CategoryNames[CurrentCategoryNr],
                      PrintStatsDateText(Seams::Now())};
    data.lessonsCaption = Caption("lblPracticeQuestionnaires", CurrentLanguageNr);
    data.themesCaption = Caption("frameThemes", CurrentLanguageNr);
    StatsRowsBuild(user, bank, data);
    for (int32_t statId : RecordsChoose(user, o)) {
        ResultPrintData result;
        if (ResultBuild(user, statId, data, CurrentLanguageNr, result))
            data.results.append(result);
        else
            ++data.skipped;
    }
    if (!state.Problem().isEmpty())
        return Failure(err, state.Problem());

    const QString file = QFileInfo(o.output).absoluteFilePath();
    if (!ReportPrint(file, data))
        return Failure(err, QStringLiteral("the PDF '") + file + QStringLiteral("' could not be written"));
    if (data.skipped > 0)
        out << "skipped " << data.skipped << " questionnaire" << (data.skipped == 1 ? "" : "s")
            << " that cannot be reopened\n";
    out << "written: " << file << " (" << data.results.size() << " questionnaires)\n";
    return ExitOk;
}

} // namespace

int ReportToolRun(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString first = args.value(0);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << Usage;
        return ExitOk;
    }
    if (Tool::IsVersionOption(first))
        return Tool::VersionPrint(out, "velko-report");
    if (args.isEmpty())
        return UsageError(err, QStringLiteral("no arguments given"));
    Options o;
    const int parsed = OptionsParse(args, o, err);
    return parsed == ExitOk ? Report(o, out, err) : parsed;
}
