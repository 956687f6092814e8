#include "shell/AccessibleNames.h"

#include "core/AccessibleTexts.h"

#include <QRegularExpression>
#include <QWidget>

namespace {

struct NamedControl {
    const char *control;
    AccessibleTextId id;
};

const NamedControl kNamedControls[] = {
    {"listLoginUsers", AccessibleTextId::Users},
    {"listAdminUsers", AccessibleTextId::Users},
    {"txtLoginPassword", AccessibleTextId::Password},
    {"cmdLoginDel", AccessibleTextId::Delete},
    {"txtPracticeQuestion", AccessibleTextId::QuestionNumber},
    {"cmdPracticeQuestionDel", AccessibleTextId::Delete},
    {"cmdPracticeQuestionClear", AccessibleTextId::ClearAll},
    {"cmdPracticeQuestionStatsShow", AccessibleTextId::QuestionStatsShow},
    {"cmdPracticeQuestionStatsPrint", AccessibleTextId::QuestionStatsPrint},
    {"cmdQAPrev", AccessibleTextId::PreviousQuestion},
    {"cmdQANext", AccessibleTextId::NextQuestion},
};

} // namespace

void AccessibleNamesUpdate(QWidget *mainWindow, int languageNr)
{
    if (!mainWindow)
        return;
    for (const NamedControl &named : kNamedControls)
        if (QWidget *w = mainWindow->findChild<QWidget *>(QString::fromLatin1(named.control)))
            w->setAccessibleName(AccessibleText(named.id, languageNr));
    // The lesson buttons show only their number.
    const QString questionnaire = AccessibleText(AccessibleTextId::Questionnaire, languageNr);
    const QList<QWidget *> lessons =
        mainWindow->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^cmdPracticeLesson_\\d+$")));
    for (QWidget *lesson : lessons)
        lesson->setAccessibleName(questionnaire + QLatin1Char(' ')
                                  + QString::number(lesson->objectName().section(QLatin1Char('_'), 1).toInt() + 1));
}
