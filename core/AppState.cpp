#include "core/AppState.h"

QString ProgramVersionText;
QString QuestionDbVersionText;
QString WindowsVersionText;
QString PCNameText = QStringLiteral("?");
QString WindowsUserText = QStringLiteral("?");
int16_t SplashSeconds = 0;
float SplashEndTime = 0;
clsDebug *objDebug = nullptr;
QString PicturePath;
QString PictureFileName;

int16_t CurrentLanguageNr = 0;
int16_t CurrentCategoryNr = 0;
int16_t CurrentThemeNr = 0;
int32_t CurrentQuestionNr = 0;
int16_t CurrentQuestionnaireNr = 0;
int16_t CurrentBookNr = 0;
int16_t CurrentBookNrMax = 0;

std::array<QString, 3> AnswerLetters;
std::array<int16_t, 4> ExamQuestionCount{};

QString ProgramVersionBuild()
{
    return QStringLiteral(VELKO_APP_TITLE " %1.%2.%3")
        .arg(VELKO_VERSION_MAJOR)
        .arg(VELKO_VERSION_MINOR)
        .arg(VELKO_VERSION_PATCH);
}

void AppStateReset()
{
    ProgramVersionText.clear();
    QuestionDbVersionText.clear();
    WindowsVersionText.clear();
    PCNameText = QStringLiteral("?");
    WindowsUserText = QStringLiteral("?");
    SplashSeconds = 0;
    SplashEndTime = 0;
    PicturePath.clear();
    PictureFileName.clear();
    CurrentLanguageNr = CurrentCategoryNr = CurrentThemeNr = 0;
    CurrentQuestionNr = 0;
    CurrentQuestionnaireNr = CurrentBookNr = CurrentBookNrMax = 0;
    AnswerLetters = {};
    ExamQuestionCount = {};
}
