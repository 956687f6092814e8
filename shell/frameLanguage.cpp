#include "shell/frameLanguage.h"

#include "core/AppState.h"
#include "core/ControlCreate.h"
#include "core/LocalisedTexts.h"
#include "core/Screens.h"
#include "shell/FormTextUpdate.h"
#include "shell/captions/CaptionTables.h"
#include "training/QuestionSet.h"
#include "training/frameQA.h"

#include <QLabel>
#include <QPushButton>

int16_t LanguageCaller = 0;

namespace {
// Design sizes in pixels: the frame is 785 x 569, the button panel is centred.
constexpr int kButtonWidth = 200;
constexpr int kButtonHeight = 80;
constexpr int kGap = 20;
constexpr int kPanelWidth = 3 * kButtonWidth + 2 * kGap;
constexpr int kPanelHeight = 2 * kButtonHeight + kGap;
} // namespace

frameLanguage::frameLanguage(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("frameLanguage"));
    setTitle(QStringLiteral("Sprache / Langue / Lingua"));
    setGeometry(4, 0, 785, 569);

    picboxLanguageButtons = ControlCreate<QWidget>(this, QStringLiteral("picboxLanguageButtons"),
                                                   (785 - kPanelWidth) / 2, (569 - kPanelHeight) / 2, kPanelWidth,
                                                   kPanelHeight);

    static const char *const captions[4] = {"DEUTSCH", "FRANÇAIS", "ITALIANO", "ENGLISH"};
    QFont font = this->font();
    font.setPointSize(14);
    font.setBold(true);
    for (int i = 0; i < 4; ++i) {
        auto *b = new QPushButton(QString::fromUtf8(captions[i]), picboxLanguageButtons);
        b->setObjectName(QStringLiteral("cmdLanguageChoice_%1").arg(i));
        b->setFont(font);
        cmdLanguageChoice[i] = b;
        if (i < 3) {
            b->setGeometry(i * (kButtonWidth + kGap), 0, kButtonWidth, kButtonHeight);
            connect(b, &QPushButton::clicked, this, [i] { cmdLanguageChoice_Click(static_cast<int16_t>(i)); });
        }
    }
    // English sits below French; it is switched off and nothing switches it on.
    cmdLanguageChoice[3]->setGeometry(kButtonWidth + kGap, kButtonHeight + kGap, kButtonWidth, kButtonHeight);
    cmdLanguageChoice[3]->setEnabled(false);
    cmdLanguageChoice[3]->setVisible(false);
}

void cmdLanguage_Click(int16_t index)
{
    LanguageCaller = index;
    Frame_OnTop(Screen::Language, true);
}

void cmdLanguageChoice_Click(int16_t index)
{
    CurrentLanguageNr = index;
    QWidget *mainWindow = ShellMainWindow();
    if (MainProcs::FormTextUpdate)
        MainProcs::FormTextUpdate();
    else
        FormTextUpdate(mainWindow);

    // The practice title names the category in the new language. An unknown
    // language changed no caption, so the label keeps its text as well.
    if (CurrentLanguageNr >= 0 && CurrentLanguageNr <= 2 && CurrentCategoryNr >= 0 && CurrentCategoryNr <= 3
        && mainWindow) {
        if (auto *label = mainWindow->findChild<QLabel *>(QStringLiteral("lblPracticeTitleCategoryName")))
            label->setText(CaptionLookup(QStringLiteral("lblUserCategoryNr"), CurrentLanguageNr)
                           + QStringLiteral(" ") + CategoryNames[CurrentCategoryNr]);
    }

    MainProcs::Call(MainProcs::QuestionnaireTitleSet);

    // Texts of the calling screen that are computed rather than captioned.
    switch (LanguageCaller) {
    case 1:
        if (auto *qa = ScreenAs<frameQA>(Screen::QA)) {
            qa->QuestionTextDisplay();
            qa->QuestionThemeDisplay();
            qa->BookPageDisplay();
        }
        if (SetRecord.QuestionMode == QuestionModeGraded) {
            MainProcs::Call(MainProcs::GradeGridFill);
        } else if (SetRecord.QuestionMode == QuestionModeHistory) {
            MainProcs::Call(MainProcs::GradeGridFill);
            MainProcs::Call(MainProcs::frameHistoryInit);
        }
        break;
    case 2:
        MainProcs::Call(MainProcs::framePracticeStatsShow);
        break;
    case 3:
        MainProcs::Call(MainProcs::AdminUserDataDisplay);
        break;
    case 4:
        MainProcs::Call(MainProcs::GradeGridFill);
        if (SetRecord.QuestionMode == QuestionModeHistory)
            MainProcs::Call(MainProcs::frameHistoryInit);
        break;
    case 5:
        MainProcs::Call(MainProcs::frameThemesLabelsUpdate);
        MainProcs::Call(MainProcs::frameThemesStatsShow);
        break;
    case 6:
        MainProcs::Call(MainProcs::frameHistoryInit);
        break;
    default:
        break;
    }

    Frame_OnTop(Screen::Language, false);
}
