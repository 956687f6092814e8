#include "shell/Layout.h"

#include <QWidget>

const std::array<DesignEntry, DesignPositionCount> DesignEntries = {{
    {"IHImgPictureBig", DesignProperty::Height},               // 0
    {"IHImgPictureBig", DesignProperty::Width},
    {"listLoginUsers", DesignProperty::Height},
    {"listLoginUsers", DesignProperty::Width},
    {"picboxLoginPasswordTitle", DesignProperty::Left},
    {"picboxLoginButtons", DesignProperty::Left},              // 5
    {"framePracticeTitle", DesignProperty::Width},
    {"framePracticeTitleData", DesignProperty::Width},
    {"lblPracticeTitleUserName", DesignProperty::Left},
    {"lblPracticeTitleCategoryName", DesignProperty::Left},
    {"lblPracticeTitleDate", DesignProperty::Left},            // 10
    {"lblPracticeTitleTime", DesignProperty::Left},
    {"picboxPracticeButtons", DesignProperty::Left},
    {"framePracticeQuestion", DesignProperty::Left},
    {"picboxThemesButtons", DesignProperty::Left},
    {"frameChkQuestion", DesignProperty::Left},                // 15
    {"IHImgQAPicture", DesignProperty::Width},
    {"picboxQuestionAnswers", DesignProperty::Top},
    {"picboxQuestionAnswers", DesignProperty::Left},
    {"picboxQAButtons", DesignProperty::Left},
    {"gridGrade", DesignProperty::Height},                     // 20
    {"gridGrade", DesignProperty::Width},
    {"picboxGradeLabels", DesignProperty::Left},
    {"picboxGradeButtons", DesignProperty::Left},
    {"gridHistory", DesignProperty::Height},
    {"gridHistory", DesignProperty::Width},                    // 25
    {"picboxHistoryLabels", DesignProperty::Left},
    {"picboxHistoryButtons", DesignProperty::Left},
    {"picboxAdminButtons", DesignProperty::Left},
    {"txtVelkoSupportURL", DesignProperty::Left},
    {"tabAdmin", DesignProperty::Height},                      // 30
    {"tabAdmin", DesignProperty::Width},
    {"frametabAdmin_0", DesignProperty::Height},
    {"frametabAdmin_0", DesignProperty::Width},
    {"picboxUserAdminButtons", DesignProperty::Left},
    {"picboxUserShowTitle", DesignProperty::Left},             // 35
    {"listAdminUsers", DesignProperty::Height},
    {"listAdminUsers", DesignProperty::Width},
    {"picboxPathSettingsTitle", DesignProperty::Height},
    {"picboxPathSettingsTitle", DesignProperty::Width},
    {"framePathSettings", DesignProperty::Width},              // 40
    {"txtQuestionDBPath", DesignProperty::Width},
    {"txtUserDBPath", DesignProperty::Width},
    {"txtPicPath", DesignProperty::Width},
    {"picboxPathSettingsButtons", DesignProperty::Left},
    {"picboxLanguageButtons", DesignProperty::Top},            // 45
    {"picboxLanguageButtons", DesignProperty::Left},
    {"txtResultsLog", DesignProperty::Width},
    {"txtResultsLog", DesignProperty::Height},
    {"picboxResultsLog", DesignProperty::Width},
    {"picboxResultsLog", DesignProperty::Height},              // 50
    {"cmdResultsLogAbort", DesignProperty::Left},
    {"cmdResultsLogAbort", DesignProperty::Top},
    {"cmdResultsLogContinue", DesignProperty::Left},
    {"cmdResultsLogContinue", DesignProperty::Top},
    {"lblPracticeReadiness", DesignProperty::Left},            // 55
}};

int32_t ClampPositive(int32_t value) { return value >= 1 ? value : 0; }

int32_t LayoutScaler::Twips(const QWidget *w, DesignProperty p)
{
    switch (p) {
    case DesignProperty::Height: return w->height() * TwipsPerPixel;
    case DesignProperty::Width: return w->width() * TwipsPerPixel;
    case DesignProperty::Left: return w->x() * TwipsPerPixel;
    case DesignProperty::Top: return w->y() * TwipsPerPixel;
    }
    return 0;
}

void LayoutScaler::SetTwips(QWidget *w, DesignProperty p, int32_t twips)
{
    const int px = qRound(twips / double(TwipsPerPixel));
    switch (p) {
    case DesignProperty::Height: w->resize(w->width(), px); break;
    case DesignProperty::Width: w->resize(px, w->height()); break;
    case DesignProperty::Left: w->move(px, w->y()); break;
    case DesignProperty::Top: w->move(w->x(), px); break;
    }
}

QWidget *LayoutScaler::find(const char *name) const
{
    return m_root->findChild<QWidget *>(QLatin1String(name));
}

void LayoutScaler::set(const char *name, DesignProperty p, int32_t twips) const
{
    if (QWidget *w = find(name))
        SetTwips(w, p, twips);
}

void LayoutScaler::frameSize(const char *frame, int32_t w, int32_t h) const
{
    set(frame, DesignProperty::Height, FrameDesignHeight + h);
    set(frame, DesignProperty::Width, FrameDesignWidth + w);
}

void LayoutScaler::Controls_PositionsStore()
{
    for (int i = 0; i < DesignPositionCount; ++i) {
        const QWidget *w = find(DesignEntries[i].control);
        DesignPositions[i] = w ? Twips(w, DesignEntries[i].property) : 0;
    }
    PositionsStored = true;
}

void LayoutScaler::Controls_PositionsChange(int32_t W, int32_t H)
{
    using P = DesignProperty;
    const auto &D = DesignPositions;
    const int32_t halfW = W / 2;   // toward zero
    const int32_t halfH = H / 2;

    // Practice menu
    frameSize("framePractice", W, H);
    set("framePracticeTitle", P::Width, ClampPositive(D[6] + W));
    set("framePracticeTitleData", P::Width, ClampPositive(D[7] + W));
    set("lblPracticeTitleUserName", P::Left, D[8] + halfW);
    set("lblPracticeTitleCategoryName", P::Left, D[9] + halfW);
    set("lblPracticeTitleDate", P::Left, D[10] + halfW);
    set("lblPracticeTitleTime", P::Left, D[11] + halfW);
    set("lblPracticeReadiness", P::Left, D[55] + halfW);
    set("picboxPracticeButtons", P::Left, D[12] + W);
    set("framePracticeQuestion", P::Left, D[13] + halfW);

    // Theme questionnaires
    frameSize("frameThemes", W, H);
    set("picboxThemesButtons", P::Left, D[14] + W);

    // Question screen: the strip stays right-aligned on its anchor.
    frameSize("frameQA", W, H);
    if (QWidget *strip = find("frameChkQuestion")) {
        const QWidget *first = find("chkQuestion_0");
        const int32_t firstWidth = first ? Twips(first, P::Width) : 0;
        SetTwips(strip, P::Left, D[15] + W - Twips(strip, P::Width) + firstWidth);
    }
    if (QWidget *picture = find("IHImgQAPicture")) {
        const QWidget *text = find("frameQuestion");
        const bool textShown = text && !text->isHidden();
        SetTwips(picture, P::Height,
                 ClampPositive(H + (textShown ? QAPictureHeightWithText : QAPictureHeightWithoutText)));
        SetTwips(picture, P::Width, ClampPositive(D[16] + W));
    }
    set("picboxQuestionAnswers", P::Top, D[17] + H);
    set("picboxQuestionAnswers", P::Left, D[18] + halfW);
    set("picboxQAButtons", P::Left, D[19] + W);

    // Enlarged picture
    frameSize("framePictureBig", W, H);
    set("IHImgPictureBig", P::Height, ClampPositive(D[0] + H));
    set("IHImgPictureBig", P::Width, ClampPositive(D[1] + W));

    // Grade screen
    frameSize("frameGrade", W, H);
    set("gridGrade", P::Height, ClampPositive(D[20] + H));
    set("gridGrade", P::Width, ClampPositive(D[21] + W));
    set("picboxGradeLabels", P::Left, D[22] + W);
    set("picboxGradeButtons", P::Left, D[23] + W);

    // Login
    frameSize("frameLogin", W, H);
    set("listLoginUsers", P::Height, ClampPositive(D[2] + H));
    set("listLoginUsers", P::Width, ClampPositive(D[3] + W));
    set("picboxLoginPasswordTitle", P::Left, D[4] + W);
    set("picboxLoginButtons", P::Left, D[5] + W);

    // Administration
    frameSize("frameAdmin", W, H);
    set("picboxAdminButtons", P::Left, D[28] + W);
    set("txtVelkoSupportURL", P::Left, D[29] + W);
    set("tabAdmin", P::Height, ClampPositive(D[30] + H));
    set("tabAdmin", P::Width, ClampPositive(D[31] + W));
    for (const char *page : {"frametabAdmin_0", "frametabAdmin_1", "frametabAdmin_2"}) {
        set(page, P::Height, ClampPositive(D[32] + H));
        set(page, P::Width, ClampPositive(D[33] + W));
    }
    set("listAdminUsers", P::Height, ClampPositive(D[36] + H));
    set("listAdminUsers", P::Width, ClampPositive(D[37] + W));
    set("picboxUserAdminButtons", P::Left, D[34] + W);
    set("picboxUserShowTitle", P::Left, D[35] + W);
    set("picboxPathSettingsTitle", P::Height, ClampPositive(D[38] + H));
    set("picboxPathSettingsTitle", P::Width, ClampPositive(D[39] + W));
    set("framePathSettings", P::Width, ClampPositive(D[40] + W));
    set("txtQuestionDBPath", P::Width, ClampPositive(D[41] + W));
    set("txtUserDBPath", P::Width, ClampPositive(D[42] + W));
    set("txtPicPath", P::Width, ClampPositive(D[43] + W));
    set("picboxPathSettingsButtons", P::Left, D[44] + W);

    // History
    frameSize("frameHistory", W, H);
    set("gridHistory", P::Height, ClampPositive(D[24] + H));
    set("gridHistory", P::Width, ClampPositive(D[25] + W));
    set("picboxHistoryLabels", P::Left, D[26] + W);
    set("picboxHistoryButtons", P::Left, D[27] + W);

    // Language choice: the buttons stay centred.
    frameSize("frameLanguage", W, H);
    set("picboxLanguageButtons", P::Top, D[45] + halfH);
    set("picboxLanguageButtons", P::Left, D[46] + halfW);

    // Results log
    frameSize("frameResultsLog", W, H);
    set("txtResultsLog", P::Width, D[47] + W);
    set("txtResultsLog", P::Height, D[48] + H);
    set("picboxResultsLog", P::Width, D[49] + W);
    set("picboxResultsLog", P::Height, D[50] + H);
    set("cmdResultsLogAbort", P::Left, D[51] + W);
    set("cmdResultsLogContinue", P::Left, D[53] + W);
    set("cmdResultsLogContinue", P::Top, D[54] + H);
}
