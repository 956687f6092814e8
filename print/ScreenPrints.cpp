#include "print/ScreenPrints.h"

#include "core/AppState.h"
#include "core/Screens.h"

#include <QLabel>
#include <QPushButton>
#include <QVariant>

namespace {

QString PracticeLabelText(const char *name)
{
    if (QWidget *practice = ScreenFrame(Screen::Practice))
        if (auto *label = practice->findChild<QLabel *>(QString::fromLatin1(name)))
            return label->text();
    return QString();
}

} // namespace

PrintHead PrintHeadOfScreens(const QString &dateText)
{
    return {ProgramVersionText, PracticeLabelText("lblPracticeTitleUserName"),
            PracticeLabelText("lblPracticeTitleCategoryName"), dateText};
}

StatsPrintRow StatsPrintRowOf(const QPushButton *button, int16_t number)
{
    if (!button)
        return {number, QString(), QString()};
    return {number, button->toolTip(), button->property("Tag").toString()};
}
