#include "training/QuestionnaireTitle.h"

#include "core/AppState.h"
#include "core/LocalisedTexts.h"
#include "core/Screens.h"
#include "questionbank/clsQuestion.h"
#include "training/QuestionSet.h"

#include <QGroupBox>
#include <QLabel>

QString QuestionnaireTitleCompose(int32_t titleIndex, int32_t number, int32_t kind, int32_t themeNr)
{
    auto T = [](int32_t i) {
        return i >= 0 && i < static_cast<int32_t>(TitleTexts.size()) ? TitleTexts[i] : QString();
    };
    QString t = T(titleIndex) + QStringLiteral(" : ");
    switch (kind) {
    case 2:
        t += QString::number(number) + QStringLiteral(", ") + T(2) + QStringLiteral(" : ")
             + (objQuestion ? objQuestion->ThemeNames(themeNr, CurrentCategoryNr, CurrentLanguageNr) : QString());
        break;
    case 3:
    case 4:
        t += T(kind);
        break;
    case 5:
        t += QString::number(number);
        break;
    case TitleKindMistakes:
        t += MistakesTitleText;
        break;
    default:
        break;
    }
    return t;
}

void QuestionnaireTitleSet()
{
    const TitleInfoRecord &ti = SetRecord.TitleInfo;
    SetRecord.QuestionnaireTitle = QuestionnaireTitleCompose(ti.TitleIndex, ti.Number, ti.Kind, ti.ThemeNr);
    if (auto *qa = qobject_cast<QGroupBox *>(ScreenFrame(Screen::QA)))
        qa->setTitle(SetRecord.QuestionnaireTitle);
    if (QWidget *grade = ScreenFrame(Screen::Grade))
        if (auto *label = grade->findChild<QLabel *>(QStringLiteral("lblGradeQName")))
            label->setText(SetRecord.QuestionnaireTitle);
}

