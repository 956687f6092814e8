#include "stats/StatsButtons.h"

#include "stats/StatsRules.h"
#include "userdb/clsUser.h"

#include <QPalette>
#include <QPushButton>

void StatsButtonFaceSet(QPushButton *button, int32_t count, float best)
{
    if (!button)
        return;
    const BestResultFace face = BestResultFaceOf(count, best);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Window, BestResultColourValue(face.colour));
    palette.setColor(QPalette::Button, BestResultColourValue(face.colour));
    button->setPalette(palette);
    button->setAutoFillBackground(true);
    button->setToolTip(face.toolTip);
    button->setProperty("Tag", face.tag);
}

void StatsButtonsShow(clsUser *user, const QVector<StatsButton> &buttons)
{
    if (!user)
        return;
    user->setRSCursorType(QStringLiteral("3"));
    user->setRSLockType(QStringLiteral("1"));
    user->QuestionnaireStatOpen();
    for (const StatsButton &b : buttons) {
        user->QuestionnaireStatCompute(b.themeNr, b.questionnaireNr);
        StatsButtonFaceSet(b.button, user->QuestionnaireRecordCount(), user->QuestionnaireResultPercentMax());
    }
    user->QuestionnaireStatClose();
}
