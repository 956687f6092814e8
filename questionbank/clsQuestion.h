#pragma once
// Access object of the question bank: questions and their texts, themes,
// predefined questionnaires, reference books and book pages. Selecting
// operations take no arguments: they read the current selectors
// (CurrentCategoryNr, CurrentQuestionNr, ...) as their keys and leave the row
// found in the properties; not found is signalled only by cleared properties.
//
// The bank is opened read-only unless RSLockType is set to a writing lock
// ("2") before DbOpen; the bank-building tool does that.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVector>
#include <cstdint>
#include <memory>

class clsQuestion
{
public:
    clsQuestion();    // Class_Initialize: settings from the INI file
    ~clsQuestion();   // Class_Terminate

    clsQuestion(const clsQuestion &) = delete;
    clsQuestion &operator=(const clsQuestion &) = delete;

    // --- connection -------------------------------------------------------
    void DbOpen();
    void DbClose();
    // Creates an empty bank with the current schema at DbPath + DbFileName
    // (the file must not exist yet). Used by the bank-building tool and tests.
    bool DbCreate(QString &error);
    // Groups many writes into one transaction (the bank tool fills a whole
    // bank this way); Commit saves them, Rollback drops them.
    void DbTransactionBegin();
    void DbTransactionCommit();
    void DbTransactionRollback();

    // --- questions and question texts -------------------------------------
    void QuestionNrGetMax();
    void QuestionOpen();
    void QuestionAdd();
    void QuestionUpdate();
    void QuestionDeleteAll();
    void QuestionNrSeek();
    void QuestionClose();
    void QuestionTextOpen();
    void QuestionTextGet();
    void QuestionTextAdd();
    void QuestionTextUpdate();
    void QuestionTextDeleteAll();
    void QuestionTextClose();

    // --- themes ----------------------------------------------------------------
    void ThemeNameOpen();
    void ThemeNameDeleteAll();
    void ThemeNameAddDefault();
    void ThemeNameAdd();
    void ThemeNameUpdate();
    void ThemeNameClose();
    void ThemeNameGetAll();
    int16_t ThemeNameNr(const QString &themeName, int16_t categoryNr, int16_t languageNr);
    // ThemeNames(t, c, l): name of theme t of category c in language l, "" when none.
    QString ThemeNames(int themeNr, int categoryNr, int languageNr) const;

    // --- questionnaires -------------------------------------------------------
    void QuestionnaireOpen();
    void QuestionnaireGet();
    void QuestionnaireAdd();
    void QuestionnaireUpdate();
    void QuestionnaireDeleteAll();
    void QuestionnaireClose();

    // --- books and book pages ----------------------------------------------------
    void BookOpen();
    void BookAdd();
    void BookUpdate();
    void BookNrSeek();
    void BookNrGetMax();
    void BookClose();
    void BookPageOpen();
    void BookPageGet();
    void BookPageAdd();
    void BookPageUpdate();
    void BookPageClose();

    // --- settings properties ------------------------------------------------------
    QString DbPath() const { return m_dbPath; }
    void setDbPath(const QString &v);               // keeps the trailing separator
    QString DbFileName() const { return m_dbFileName; }
    void setDbFileName(const QString &v) { m_dbFileName = v; }
    QString RSCursorType() const { return QString::number(m_cursorType); }
    void setRSCursorType(const QString &v) { m_cursorType = static_cast<int16_t>(v.toInt()); }
    QString RSLockType() const { return QString::number(m_lockType); }
    void setRSLockType(const QString &v) { m_lockType = static_cast<int16_t>(v.toInt()); }
    int16_t BookNrMax() const { return m_bookNrMax; }
    int32_t QuestionNrMax() const { return m_questionNrMax; }
    int16_t ThemeNameNrMax() const { return static_cast<int16_t>(m_themeNameNrMax); }
    bool IsOpen() const;

    // --- current-row properties -------------------------------------------------
    int16_t CategoryNr = 0;
    int32_t QuestionNr = 0;
    int32_t PictureNr = 0;
    int16_t ThemeNr = 0;
    QString Answer;
    int16_t LanguageNr = 0;
    QString QuestionText;
    QString AnsweraText;
    QString AnswerbText;
    QString AnswercText;
    QString ThemeName;
    int16_t QuestionnaireNr = 0;
    QString QuestionnaireQuestions;
    int16_t BookNr = 0;
    QString BookTitle;
    QString BookPictureNr;
    QString BookPageNr;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    QString m_dbPath;
    QString m_dbFileName;
    int16_t m_cursorType = 3;
    int16_t m_lockType = 1;
    int32_t m_questionNrMax = 0;
    int32_t m_themeNameNrMax = 0;
    int16_t m_bookNrMax = 0;
    QVector<QString> m_themeNames;   // [(t * 4 + c) * 3 + l]
};

// The one question-bank object of the running program (owned by the main window).
extern clsQuestion *objQuestion;
