#include "shell/AccessibleNames.h"

#include "core/AccessibleTexts.h"

#include <QAbstractButton>
#include <QLabel>
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
    // The three "change" buttons of the directories say which one they change.
    for (const auto &[button, label] : {std::pair{"cmdQuestionDBPathSelect", "lblQuestionDBPath"},
                                        std::pair{"cmdUserDBPathSelect", "lblUserDBPath"},
                                        std::pair{"cmdPicPathSelect", "lblPicPath"}}) {
        auto *b = mainWindow->findChild<QAbstractButton *>(QString::fromLatin1(button));
        auto *l = mainWindow->findChild<QLabel *>(QString::fromLatin1(label));
        if (b && l)
            b->setAccessibleName(b->text() + QStringLiteral(": ") + l->text());
    }
    // The lesson buttons show only their number.
    const QString questionnaire = AccessibleText(AccessibleTextId::Questionnaire, languageNr);
    const QList<QWidget *> lessons =
        mainWindow->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^cmdPracticeLesson_\\d+$")));
    for (QWidget *lesson : lessons)
        lesson->setAccessibleName(questionnaire + QLatin1Char(' ')
                                  + QString::number(lesson->objectName().section(QLatin1Char('_'), 1).toInt() + 1));
}
