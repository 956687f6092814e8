#include "training/Grading.h"

#include "core/AppState.h"
#include "core/RuntimeError.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "core/clsDebug.h"
#include "core/modMain.h"
#include "questionbank/clsQuestion.h"
#include "training/QuestionSet.h"
#include "training/QuestionSetBuild.h"
#include "training/frameResultsLog.h"
#include "userdb/clsUser.h"

#include <QPushButton>

namespace {

// Exact, case-sensitive comparison with the bank's answer. An unanswered
// question is wrong even when the bank has no answer for it (a question
// missing from the bank reads an empty answer).
bool AnswerIsRight(int32_t position)
{
    const QString &given = SetRecord.UserAnswers[position];
    return !given.isEmpty() && given == objQuestion->Answer;
}

void QuestionSeekAt(int32_t position)
{
    CurrentQuestionNr = SetRecord.QList[position];
    objQuestion->QuestionNrSeek();
}

} // namespace

int16_t ResultPercentOf(int32_t right, int32_t count)
{
    if (count < 1)
        return 0;
    return RoundToInt16(static_cast<double>(right) * 100.0 / static_cast<double>(count));
}

void ResultsCompute()
{
    SetRecord.RightAnswerCount = 0;
    SetRecord.ResultPercent = 0;
    if (!objQuestion)
        return;
    int32_t right = 0;
    for (int32_t i = 1; i <= SetRecord.QuestionCount; ++i) {
        QuestionSeekAt(i);
        if (AnswerIsRight(i))
            ++right;
    }
    SetRecord.RightAnswerCount = static_cast<int16_t>(right);
    SetRecord.ResultPercent = ResultPercentOf(right, SetRecord.QuestionCount);
}

QString QuestionnaireAnswersText()
{
    const int32_t n = SetRecord.QuestionCount;
    QString text;
    text.reserve(2 * n);
    for (int32_t i = 1; i <= n; ++i) {
        const QString &a = SetRecord.UserAnswers[i];
        text.append(a.isEmpty() ? QChar(QLatin1Char(' ')) : a.at(0));
    }
    for (int32_t i = 1; i <= n; ++i) {
        switch (SetRecord.RevealState[i]) {
        case 1:
            text.append(QLatin1Char('J'));
            break;
        case 2:
            text.append(QLatin1Char('L'));
            break;
        default:
            text.append(QLatin1Char(' '));
            break;
        }
    }
    return text;
}

void QuestionnaireResultStore(clsUser &user, const QDateTime &timestamp)
{
    user.setRSCursorType(QStringLiteral("2"));
    user.setRSLockType(QStringLiteral("2"));
    ResultsLogAppend(QStringLiteral("- ouverture de la database Users.mdb") + NewLine);
    user.QuestionnaireStatOpen();
    ResultsLogAppend(QStringLiteral("- ajout de l'enregistrement contenant les résultats") + NewLine);
    user.QuestionnaireStatAdd();
    user.QuestionnaireThemeNr = CurrentThemeNr;
    user.QuestionnaireNr = CurrentQuestionnaireNr;
    user.QuestionnaireDateTime = timestamp;
    user.QuestionnaireResultPercent = static_cast<float>(SetRecord.ResultPercent);
    user.QuestionnaireAnswers = QuestionnaireAnswersText();
    ResultsLogAppend(QStringLiteral("- ecriture de l'enregistrement") + NewLine);
    user.QuestionnaireStatUpdate();
    ResultsLogAppend(QStringLiteral("- fermeture de la database Users.mdb") + NewLine);
    user.QuestionnaireStatClose();
}

void QuestionAnswersStore(clsUser &user, const QDateTime &timestamp)
{
    user.setRSCursorType(QStringLiteral("2"));
    user.setRSLockType(QStringLiteral("2"));
    ResultsLogAppend(QStringLiteral("- ouverture de la database Users.mdb") + NewLine);
    user.QuestionStatOpen();
    for (int32_t i = 1; i <= SetRecord.QuestionCount; ++i) {
        if (objQuestion)
            QuestionSeekAt(i);
        else
            CurrentQuestionNr = SetRecord.QList[i];
        ResultsLogAppend(QStringLiteral("- ajout de l'enregistrement pour la question No ") + QString::number(i)
                         + NewLine);
        user.QuestionStatAdd();
        user.QuestionThemeNr = objQuestion ? objQuestion->ThemeNr : 0;
        user.QuestionNr = CurrentQuestionNr;
        user.QuestionDateTime = timestamp;
        user.QuestionAnswer = objQuestion && AnswerIsRight(i);
        ResultsLogAppend(QStringLiteral("- ecriture de l'enregistrement") + NewLine);
        user.QuestionStatUpdate();
    }
    ResultsLogAppend(QStringLiteral("- fermeture de la database Users.mdb") + NewLine);
    user.QuestionStatClose();
}

bool GradingRun()
{
    // One timestamp for every record of this grading, to the second (the
    // history finds the question records of a questionnaire by it).
    QDateTime timestamp = Seams::Now();
    timestamp.setTime(QTime(timestamp.time().hour(), timestamp.time().minute(), timestamp.time().second()));

    frameResultsLog *log = ScreenAs<frameResultsLog>(Screen::ResultsLog);
    if (log)
        log->frameResultsLogInit();

    const QString done = QStringLiteral("Terminé !") + NewLine + NewLine;
    ResultsLogAppend(QStringLiteral("Calcul des résultats ...") + NewLine);
    ResultsCompute();
    ResultsLogAppend(done);

    // All records of the grading or none: a step that the user-records
    // object reports as failed undoes the whole grading.
    // The records belong to the user who asked for the grading, whatever
    // happens on the screens while the steps let window events run.
    bool stored = false;
    clsUser *const user = objUser;
    if (user && user->GradingBegin()) {
        const qsizetype reportsBefore = RuntimeErrorLines().size();
        ResultsLogAppend(QStringLiteral("Stockage des résultats du questionnaire ...") + NewLine);
        QuestionnaireResultStore(*user, timestamp);
        ResultsLogAppend(done);
        ResultsLogAppend(QStringLiteral("Stockage des réponses du questionnaire ...") + NewLine);
        QuestionAnswersStore(*user, timestamp);
        ResultsLogAppend(done);
        bool stepFailed = false;
        const QStringList &reports = RuntimeErrorLines();
        for (qsizetype i = reportsBefore; i < reports.size(); ++i)
            stepFailed = stepFailed || reports[i].contains(QLatin1String("(clsUser -> "));
        if (stepFailed)
            user->GradingRollback();
        else
            stored = user->GradingCommit();
    }
    if (!stored) {
        ResultsLogAppend(QStringLiteral("Erreur : les résultats n'ont pas pu être enregistrés !") + NewLine);
        if (objDebug)
            objDebug->LogPrint(QStringLiteral("Error : the results of the questionnaire could not be stored !"));
    }

    if (log)
        if (auto *cont = log->findChild<QPushButton *>(QStringLiteral("cmdResultsLogContinue")))
            cont->setEnabled(true);
    return stored;
}
