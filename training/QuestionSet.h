#pragma once
// The running question set shared by the practice menu, the question screen,
// grading, the grade screen, the theme questionnaires and the history. Only
// one set exists at a time; starting a set overwrites the previous one.
#include <QString>
#include <QVector>
#include <cstdint>

// QuestionMode values
enum : uint8_t {
    QuestionModePractice = 0,   // lesson, mixed set, theme questionnaire
    QuestionModeExam = 1,       // examination
    QuestionModeGraded = 2,     // review after grading
    QuestionModeSingle = 3,     // one question by number
    QuestionModeHistory = 4,    // review of a stored questionnaire
};

struct TitleInfoRecord {
    int32_t TitleIndex = 0;
    int32_t Number = 0;
    int32_t Kind = 0;
    int32_t ThemeNr = 0;
};

class QuestionSet
{
public:
    uint8_t QuestionMode = QuestionModePractice;
    int32_t QuestionCount = 0;
    // Positions are 1-based as everywhere on screen: element 0 is unused.
    QVector<int32_t> QList;
    QVector<QString> UserAnswers;
    QVector<uint8_t> RevealState;
    int32_t CurrentIndex = 0;
    QString CurrentAnswer;
    QString QuestionnaireTitle;
    TitleInfoRecord TitleInfo;
    // Valid after grading.
    int16_t RightAnswerCount = 0;
    int16_t ResultPercent = 0;

    // Re-dimensions the three arrays to count positions, every answer "" and
    // every reveal state 0.
    void Redim(int32_t count);
    // Redim to the numbers' count with the numbers as the questions, in order.
    void QuestionsSet(const QVector<int32_t> &numbers);
};

// The one set record of the running program.
extern QuestionSet SetRecord;
