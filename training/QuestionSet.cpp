#include "training/QuestionSet.h"

QuestionSet SetRecord;

void QuestionSet::Redim(int32_t count)
{
    QuestionCount = count < 0 ? 0 : count;
    QList = QVector<int32_t>(QuestionCount + 1, 0);
    UserAnswers = QVector<QString>(QuestionCount + 1);
    RevealState = QVector<uint8_t>(QuestionCount + 1, 0);
}

void QuestionSet::QuestionsSet(const QVector<int32_t> &numbers)
{
    Redim(static_cast<int32_t>(numbers.size()));
    for (int32_t i = 1; i <= QuestionCount; ++i)
        QList[i] = numbers[i - 1];
}
