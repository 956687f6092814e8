#include "stats/HistoryLoad.h"

#include "core/AppState.h"
#include "core/SqlSupport.h"
#include "questionbank/clsQuestion.h"
#include "stats/HistoryRows.h"
#include "training/QuestionSet.h"
#include "training/QuestionSetBuild.h"
#include "training/QuestionnaireTitle.h"
#include "userdb/clsUser.h"

void StoredAnswersApply(const QString &answers)
{
    const int32_t n = SetRecord.QuestionCount;
    for (int32_t i = 1; i <= n && i < SetRecord.UserAnswers.size() && i < SetRecord.RevealState.size(); ++i) {
        const qsizetype answerAt = i - 1, markAt = n + i - 1;
        const QChar answer = answerAt < answers.size() ? answers.at(answerAt) : QChar(QLatin1Char(' '));
        SetRecord.UserAnswers[i] = answer == QLatin1Char(' ') ? QString() : QString(answer);
        const QChar mark = markAt < answers.size() ? answers.at(markAt) : QChar(QLatin1Char(' '));
        SetRecord.RevealState[i] = mark == QLatin1Char('J') ? 1 : mark == QLatin1Char('L') ? 2 : 0;
    }
}

int16_t RightAnswerCountRebuild(int16_t percent, int32_t count)
{
    if (count <= 0)
        return 0;
    return static_cast<int16_t>((static_cast<int64_t>(percent) * count + 49) / 100);
}

int32_t HistoryQuestionnaireLoad(clsUser &user)
{
    const int16_t themeNr = user.QuestionnaireThemeNr;
    const int16_t questionnaireNr = user.QuestionnaireNr;
    CurrentThemeNr = themeNr;
    CurrentQuestionnaireNr = questionnaireNr;
    SetRecord.ResultPercent = RoundToInt16(static_cast<double>(user.QuestionnaireResultPercent));
    const QString answers = user.QuestionnaireAnswers;

    if (themeNr == -1)
        SetRecord.TitleInfo = TitleInfoRecord{0, 0,
                                              questionnaireNr == 0                         ? 3
                                              : questionnaireNr == 1                       ? 4
                                              : questionnaireNr == MistakesQuestionnaireNr ? TitleKindMistakes
                                                                                           : 5,
                                              0};
    else if (themeNr > 3)
        SetRecord.TitleInfo = TitleInfoRecord{0, questionnaireNr, 2, themeNr};
    else
        SetRecord.TitleInfo = TitleInfoRecord{0, questionnaireNr, 5, 0};
    QuestionnaireTitleSet();

    if (themeNr != -1) {
        // A lesson or theme questionnaire: the bank's question list.
        QString list;
        if (objQuestion) {
            objQuestion->QuestionnaireGet();
            list = objQuestion->QuestionnaireQuestions;
        }
        SetRecord.QuestionsSet(QuestionListParse(list));
    } else {
        // An examination or mixed set: the question records written with the
        // questionnaire, to the second, in the order they were written.
        user.setRSCursorType(QStringLiteral("3"));
        user.setRSLockType(QStringLiteral("1"));
        user.QuestionStatUserDateOpen(Sql::DateTimeToText(user.QuestionnaireDateTime));
        const int32_t count = user.QuestionStatRecordCount();
        SetRecord.Redim(count);
        for (int32_t i = 1; i <= count; ++i) {
            SetRecord.QList[i] = user.QuestionNr;
            user.QuestionStatNext();
        }
        user.QuestionStatClose();
    }
    StoredAnswersApply(answers);
    SetRecord.RightAnswerCount = RightAnswerCountRebuild(SetRecord.ResultPercent, SetRecord.QuestionCount);
    return SetRecord.QuestionCount;
}

HistoryReopen HistoryRecordReopen(clsUser &user, int32_t statId)
{
    user.setRSCursorType(QStringLiteral("3"));
    user.setRSLockType(QStringLiteral("1"));
    user.QuestionnaireStatOpen();
    user.QuestionnaireStatSeek(statId);
    user.QuestionnaireStatClose();
    if (user.QuestionnaireStatId() == 0)
        return HistoryReopen::Gone;
    if (!HistoryRecordReopenable(user.QuestionnaireThemeNr, user.QuestionnaireProgramVersion()))
        return HistoryReopen::NotReopenable;
    SetRecord.QuestionMode = QuestionModeHistory;
    return HistoryQuestionnaireLoad(user) < 1 ? HistoryReopen::Empty : HistoryReopen::Loaded;
}
