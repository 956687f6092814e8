#include "training/GradeRows.h"

#include "core/AppState.h"
#include "core/LocalisedTexts.h"
#include "questionbank/clsQuestion.h"
#include "training/QAState.h"
#include "training/QuestionSet.h"

GradeTable GradeTableBuild(bool answersStored, const QString &pageWord)
{
    GradeTable table;
    table.answersStored = answersStored;
    for (int c = 0; c < 8; ++c)
        table.titles[c] = GradeGridHeaders[c];
    if (!objQuestion)
        return table;

    objQuestion->BookNrSeek();
    table.titles[6] = objQuestion->BookTitle;

    // Seeking each question moves the current question selector; the
    // question screen still shows its own question afterwards.
    const int32_t questionNrBefore = CurrentQuestionNr;
    const QuestionSet &set = SetRecord;
    for (int32_t i = 1; i <= set.QuestionCount && i < set.QList.size(); ++i) {
        CurrentQuestionNr = set.QList[i];
        objQuestion->QuestionNrSeek();
        objQuestion->BookPageGet();
        const QString answer = i < set.UserAnswers.size() ? set.UserAnswers[i] : QString();
        GradeRow row;
        row.cells[0] = QString::number(i);
        row.cells[1] = answer;
        row.cells[3] = objQuestion->Answer;
        row.cells[5] = QStringLiteral("%1").arg(set.QList[i], 4, 10, QLatin1Char('0'));
        row.cells[6] = QAState::BookPageText(objQuestion->BookPageNr, pageWord, QStringLiteral(" "));
        row.cells[7] = objQuestion->ThemeNames(objQuestion->ThemeNr, CurrentCategoryNr, CurrentLanguageNr);
        if (answersStored) {
            // As in the count: an unanswered question is never right, even
            // one that the bank no longer holds.
            if (!answer.isEmpty() && answer == objQuestion->Answer) {
                row.result = GradeResult::Right;
                row.cells[2] = GradeRightText;
            } else {
                row.result = GradeResult::Wrong;
                row.cells[2] = GradeWrongText;
            }
        }
        row.revealState = i < set.RevealState.size() ? set.RevealState[i] : 0;
        row.cells[4] = RevealMarkStored(row.revealState);
        table.rows.append(row);
    }
    CurrentQuestionNr = questionNrBefore;
    return table;
}

QString RevealMarkStored(uint8_t revealState)
{
    switch (revealState) {
    case 1: return QStringLiteral("J");
    case 2: return QStringLiteral("L");
    default: return QString();
    }
}

QString RevealMarkShown(uint8_t revealState)
{
    switch (revealState) {
    case 1: return QString(QChar(0x263A));   // smiling face
    case 2: return QString(QChar(0x2639));   // frowning face
    default: return QString();
    }
}
