#pragma once
// Access object of the user database: accounts, per-question and
// per-questionnaire statistics and the event journal. The object's current
// user row is the user under which statistics and events are written.
//
// Cursor and lock settings keep their meaning: "3"/"1" opens for reading,
// "2"/"2" for writing. The user database is shared by the workstations of a
// school: writers wait for each other's locks, and one grading is written as
// one transaction (GradingBegin .. GradingCommit).
#include "core/UserDbLocation.h"
#include "userdb/UserStatRows.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariant>
#include <QVector>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

class clsUser
{
public:
    clsUser();    // Class_Initialize: settings from the INI file
    ~clsUser();   // Class_Terminate

    clsUser(const clsUser &) = delete;
    clsUser &operator=(const clsUser &) = delete;

    // --- connection and users --------------------------------------------------
    void DbOpen();
    void DbClose();
    // Creates an empty user database with the current schema at the
    // location: a new file, or an empty server database (refuses an existing
    // file or user tables). Used by the user-database tool and tests.
    bool DbCreate(QString &error);
    void UserOpen();
    void UserClose();
    void FirstUser();
    void NextUser();
    // NewUser starts a new row in the properties (UserID 0); UpdateUser
    // stores it and gives it its UserID. A move before that drops it.
    void NewUser();
    void UpdateUser();
    void DelUser();
    void UserNameSeek(const QString &name);
    void PasswordSeek(const QString &password);
    // The UserID of the first user whose name equals name exactly, 0 when
    // there is none; the current user row stays as it is.
    int32_t UserNameIdGet(const QString &name);

    // --- question and questionnaire statistics ------------------------------------
    void QuestionStatOpen();
    // The current user's question rows of the grading at that moment, to the
    // second. The text is best given as Sql::DateTimeToText; QLocale short
    // date with a time is accepted too, and a time without seconds means
    // second 0 of that minute (see DateKey.h).
    void QuestionStatUserDateOpen(const QString &dateTime);
    void QuestionStatFirst();
    void QuestionStatNext();
    // A new statistics or journal row gets its StatId/EventId when its Update
    // saves it; an Add without Update writes nothing. The question writes
    // wait for a lock held elsewhere; any other failure is reported at once,
    // and inside a grading it leaves the later writes of that grading undone.
    void QuestionStatAdd();
    void QuestionStatUpdate();
    void QuestionStatNrSeek();
    int32_t QuestionStatRecordCount();
    void QuestionStatClose();
    void QuestionnaireStatOpen();
    void QuestionnaireStatUserOpen();
    void QuestionnaireStatFirst();
    void QuestionnaireStatNext();
    void QuestionnaireStatSeek(int32_t statId);
    void QuestionnaireStatAdd();
    void QuestionnaireStatUpdate();
    void QuestionnaireStatCompute(int16_t themeNr, int16_t questionnaireNr);
    void QuestionnaireStatClose();

    // Listings of the statistics screens, for the current user and the
    // current user's category. The history's questionnaires, newest first
    // (as QuestionnaireStatUserOpen walks them); and one summary row per
    // question answered, in question-number order. A failure is reported
    // and gives an empty list.
    QuestionnaireStatList QuestionnaireStatUserList();
    QuestionStatSummary QuestionStatUserSummary();
    // The questions whose last answer was wrong, the most recent first, at
    // most limit of them.
    QVector<int32_t> QuestionStatWrongLastList(int32_t limit);
    // The results of the last examinations (at most limit), newest first.
    QVector<float> ExamResultsLast(int32_t limit);

    // One grading (a questionnaire record and all its question records) is
    // written as one transaction: all of it or nothing.
    bool GradingBegin();
    bool GradingCommit();
    void GradingRollback();

    // --- event journal ---------------------------------------------------------------
    void EventsOpen();
    void EventsUserOpen();
    void EventsFirst();
    void EventsNext();
    void EventsAdd();
    void EventsUpdate();
    void EventsNrSeek();
    void EventsClose();

    // --- settings and identity ---------------------------------------------------------
    // The SQLite file's directory and name; with a database server they
    // are kept but not used.
    QString DbPath() const { return m_location.path; }
    void setDbPath(const QString &v);               // keeps the trailing separator
    QString DbFileName() const { return m_location.fileName; }
    void setDbFileName(const QString &v) { m_location.fileName = v; }
    // The whole setting: engine, file or server. Read from the INI file.
    const UserDbLocation &Location() const { return m_location; }
    void setLocation(const UserDbLocation &v) { m_location = v; }
    QString RSCursorType() const { return QString::number(m_cursorType); }
    void setRSCursorType(const QString &v) { m_cursorType = static_cast<int16_t>(v.toInt()); }
    QString RSLockType() const { return QString::number(m_lockType); }
    void setRSLockType(const QString &v) { m_lockType = static_cast<int16_t>(v.toInt()); }
    bool IsOpen() const;
    QString ProgramVersion;
    QString WindowsVersion;
    QString PCName;

    // --- current user row ------------------------------------------------------------
    int32_t UserID() const { return m_userId; }
    QString UserName;
    QString Password;
    int16_t LanguageNr = 0;
    int16_t CategoryNr = 0;
    int16_t BookNr = 0;
    int32_t UserStatus = 0;
    QString UserComment;

    // --- question statistics row ----------------------------------------------------------
    int32_t QuestionStatId() const { return m_questionStatId; }
    int16_t QuestionThemeNr = 0;
    int32_t QuestionNr = 0;
    QDateTime QuestionDateTime;
    bool QuestionAnswer = false;
    int32_t QuestionDuration = 0;
    QString QuestionProgramVersion() const { return m_questionProgramVersion; }

    // --- questionnaire statistics row ------------------------------------------------------
    int32_t QuestionnaireStatId() const { return m_questionnaireStatId; }
    int16_t QuestionnaireThemeNr = 0;
    int16_t QuestionnaireNr = 0;
    QDateTime QuestionnaireDateTime;
    float QuestionnaireResultPercent = 0;
    QString QuestionnaireAnswers;
    int32_t QuestionnaireDuration = 0;
    QString QuestionnaireProgramVersion() const { return m_questionnaireProgramVersion; }
    int32_t QuestionnaireRecordCount() const { return m_questionnaireRecordCount; }
    float QuestionnaireResultPercentMax() const { return m_questionnaireResultPercentMax; }

    // --- event row ----------------------------------------------------------------------------
    int32_t EventId() const { return m_eventId; }
    int32_t EventUserId = 0;
    int32_t EventCode = 0;
    QDateTime EventDateTime;
    QString EventText1;
    QString EventText2;
    QString EventText3;
    QString EventPCName() const { return m_eventPCName; }
    QString EventUserName() const { return m_eventUserName; }
    QString EventProgramVersion() const { return m_eventProgramVersion; }
    QString EventWindowsVersion() const { return m_eventWindowsVersion; }

    // --- sign-in checks -------------------------------------------------------------------------
    bool IsAdmin() const;
    bool IsPasswordValid(const QString &password) const;   // never for an empty password

    // --- test support ------------------------------------------------------------------------------
    // Called before each database step with the operation's name; a valid
    // error returned makes that step fail as if the engine had failed.
    void setFaultHook(std::function<QSqlError(const QString &operation)> hook);

    // Zero date of the statistics and events ("no date").
    static QDateTime ZeroDate();

    struct Impl;   // private state, defined in clsUserImpl.h

private:
    // Internal steps shared by the source files of this class.
    void userSelect(const QString &procedure, const QString &where, std::initializer_list<QVariant> values);
    void userMoveTo(const QVariantList *row);
    void userWalkRead();
    void userDataRead(const QVariantList *row);
    void questionStatDataRead(const QVariantList *row);
    void questionnaireStatDataRead(const QVariantList *row);
    void eventsDataRead(const QVariantList *row);

    std::unique_ptr<Impl> d;
    UserDbLocation m_location;
    int16_t m_cursorType = 3;
    int16_t m_lockType = 1;
    int32_t m_userId = 0;
    int32_t m_questionStatId = 0;
    QString m_questionProgramVersion;
    int32_t m_questionnaireStatId = 0;
    QString m_questionnaireProgramVersion;
    int32_t m_questionnaireRecordCount = 0;
    float m_questionnaireResultPercentMax = 0;
    int32_t m_eventId = 0;
    QString m_eventPCName;
    QString m_eventUserName;
    QString m_eventProgramVersion;
    QString m_eventWindowsVersion;
};

// The user-records object of the login or administration screen, or nullptr.
extern clsUser *objUser;

// Appends one journal row for the current user of objUser.
void EventLogUserDB(int32_t code, const QString &text1, const QString &text2, const QString &text3);
