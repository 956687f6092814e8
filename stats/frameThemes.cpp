#include "stats/frameThemes.h"

#include "core/AccessibleTexts.h"
#include "core/AppState.h"
#include "core/ControlCreate.h"
#include "core/Keyboard.h"
#include "core/Notice.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "core/clsDebug.h"
#include "print/PrintJob.h"
#include "print/ScreenPrints.h"
#include "questionbank/clsQuestion.h"
#include "stats/StatsButtons.h"
#include "stats/StatsTexts.h"
#include "stats/ThemeRows.h"
#include "training/QuestionSet.h"
#include "training/QuestionSetBuild.h"
#include "training/frameQA.h"
#include "userdb/clsUser.h"

#include <QLabel>
#include <QPushButton>
#include <QVariant>

frameThemes::frameThemes(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("frameThemes"));
    setTitle(QStringLiteral("Themes"));
    setGeometry(4, 0, 785, 569);

    // Design elements of the grid: label 0 and buttons 0 and 1 on the first
    // row, button 2 one row down. ThemesGridLoad puts button 2 in its place.
    lblThemesQuestionnaire.append(questionnaireLabelCreate(0));
    lblThemesQuestionnaire[0]->setGeometry(12, 28, 260, 40);
    for (int i = 0; i < 3; ++i)
        cmdThemesQuestionnaire.append(questionnaireButtonCreate(i));
    cmdThemesQuestionnaire[0]->setGeometry(280, 28, 50, 40);
    cmdThemesQuestionnaire[1]->setGeometry(336, 28, 50, 40);
    cmdThemesQuestionnaire[2]->setGeometry(280, 76, 50, 40);

    // Button panel at the right edge.
    picboxThemesButtons = ControlCreate<QWidget>(this, QStringLiteral("picboxThemesButtons"), 640, 292, 137, 270);
    const int bw = 129, bh = 60, step = 66;
    cmdThemesStatsShow = ButtonCreate(picboxThemesButtons, QStringLiteral("cmdThemesStatsShow"),
                                      QStringLiteral("Stats"), 4, 4, bw, bh);
    cmdThemesStatsPrint = ButtonCreate(picboxThemesButtons, QStringLiteral("cmdThemesStatsPrint"),
                                       QStringLiteral("Print"), 4, 4 + step, bw, bh);
    // Enabled once the statistics are shown and a print can be made.
    cmdThemesStatsPrint->setEnabled(false);
    cmdLanguage = ButtonCreate(picboxThemesButtons, QStringLiteral("cmdLanguage_5"), QStringLiteral("Language"), 4,
                               4 + 2 * step, bw, bh);
    cmdThemesQuit = ButtonCreate(picboxThemesButtons, QStringLiteral("cmdThemesQuit"), QStringLiteral("Quit"),
                                 4, 4 + 3 * step, bw, bh);
    EscapeButtonSet(this, cmdThemesQuit);
    connect(cmdThemesStatsShow, &QPushButton::clicked, this, &frameThemes::cmdThemesStatsShow_Click);
    connect(cmdThemesStatsPrint, &QPushButton::clicked, this, &frameThemes::cmdThemesStatsPrint_Click);
    connect(cmdThemesQuit, &QPushButton::clicked, this, &frameThemes::cmdThemesQuit_Click);
}

QLabel *frameThemes::questionnaireLabelCreate(int index)
{
    auto *label = new QLabel(QStringLiteral("Theme"), this);
    label->setObjectName(QStringLiteral("lblThemesQuestionnaire_%1").arg(index));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setWordWrap(true);
    return label;
}

QPushButton *frameThemes::questionnaireButtonCreate(int index)
{
    QPushButton *b = ButtonCreate(this, QStringLiteral("cmdThemesQuestionnaire_%1").arg(index),
                                  QString::number(index % ThemeColumnMax + 1), 0, 0, 50, 40);
    connect(b, &QPushButton::clicked, this, [this, index] { cmdThemesQuestionnaire_Click(index); });
    return b;
}

void frameThemes::ThemesGridLoad()
{
    QPushButton *const first = cmdThemesQuestionnaire[0];
    QLabel *const firstLabel = lblThemesQuestionnaire[0];
    if (!m_gridLoaded) {
        m_buttonOrigin = first->pos();
        m_labelOrigin = firstLabel->pos();
        m_stepX = cmdThemesQuestionnaire[1]->x() - first->x();
        m_stepY = cmdThemesQuestionnaire[2]->y() - first->y();
        m_gridLoaded = true;
    }
    const int left0 = m_buttonOrigin.x();
    const int top0 = m_buttonOrigin.y();
    const int stepX = m_stepX;
    const int stepY = m_stepY;

    for (int row = 0; row < ThemeRowMax; ++row) {
        if (row > 0) {
            if (row >= lblThemesQuestionnaire.size()) {
                QLabel *label = questionnaireLabelCreate(row);
                label->setText(firstLabel->text());
                label->resize(firstLabel->size());
                lblThemesQuestionnaire.append(label);
            }
            QLabel *label = lblThemesQuestionnaire[row];
            label->move(m_labelOrigin.x(), m_labelOrigin.y() + row * stepY);
            label->setVisible(true);
        }
        for (int column = 0; column < ThemeColumnMax; ++column) {
            const int index = row * ThemeColumnMax + column;
            if (index >= cmdThemesQuestionnaire.size()) {
                QPushButton *b = questionnaireButtonCreate(index);
                b->resize(first->size());
                b->setEnabled(first->isEnabled());
                cmdThemesQuestionnaire.append(b);
            }
            QPushButton *b = cmdThemesQuestionnaire[index];
            b->setText(QString::number(column + 1));
            b->move(left0 + column * stepX, top0 + row * stepY);
            b->setVisible(true);
        }
    }
    // Row by row, then the buttons at the right edge.
    QList<QWidget *> order(cmdThemesQuestionnaire.begin(), cmdThemesQuestionnaire.end());
    order << cmdThemesStatsShow << cmdThemesStatsPrint << cmdLanguage << cmdThemesQuit;
    TabOrderSet(order);
}

void frameThemes::ButtonNamesUpdate()
{
    // "Theme name, Fragebogen 2": the buttons show only the number.
    const QString questionnaire = AccessibleText(AccessibleTextId::Questionnaire);
    for (int row = 0; row < m_themeRowCount && row < lblThemesQuestionnaire.size(); ++row)
        for (int j = 0; j < ThemeColumnMax; ++j) {
            const int index = row * ThemeColumnMax + j;
            if (index < cmdThemesQuestionnaire.size())
                cmdThemesQuestionnaire[index]->setAccessibleName(lblThemesQuestionnaire[row]->text() + QStringLiteral(", ")
                                                                 + questionnaire + QLatin1Char(' ')
                                                                 + QString::number(j + 1));
        }
}

int16_t frameThemes::RowThemeNr(int row) const
{
    if (row < 0 || row >= m_themeRowCount || row >= lblThemesQuestionnaire.size())
        return 0;
    return static_cast<int16_t>(lblThemesQuestionnaire[row]->property("Tag").toString().toInt());
}

void frameThemes::frameThemesInit()
{
    for (QLabel *label : std::as_const(lblThemesQuestionnaire))
        label->setVisible(false);
    for (QPushButton *b : std::as_const(cmdThemesQuestionnaire))
        b->setVisible(false);

    int row = 0;
    const QVector<ThemeRow> rows =
        objQuestion ? ThemeRowsBuild(*objQuestion, CurrentCategoryNr, CurrentLanguageNr) : QVector<ThemeRow>();
    for (const ThemeRow &theme : rows) {
        if (row >= lblThemesQuestionnaire.size())
            break;
        QLabel *label = lblThemesQuestionnaire[row];
        label->setText(theme.name);
        label->setProperty("Tag", QString::number(theme.themeNr));
        label->setVisible(true);
        for (int j = 0; j < ThemeColumnMax; ++j) {
            const int index = row * ThemeColumnMax + j;
            if (index < cmdThemesQuestionnaire.size())
                cmdThemesQuestionnaire[index]->setVisible(theme.stored[j]);
        }
        ++row;
    }
    m_themeRowCount = row;
    ButtonNamesUpdate();
    if (objDebug)
        objDebug->LogPrint(QStringLiteral("Themes# : ") + QString::number(row));
}

void frameThemes::frameThemesLabelsUpdate()
{
    for (int row = 0; row < m_themeRowCount && row < lblThemesQuestionnaire.size(); ++row)
        lblThemesQuestionnaire[row]->setText(
            objQuestion ? objQuestion->ThemeNames(RowThemeNr(row), CurrentCategoryNr, CurrentLanguageNr) : QString());
    ButtonNamesUpdate();
}

void frameThemes::frameThemesStatsShow()
{
    QVector<StatsButton> buttons;
    for (int row = 0; row < m_themeRowCount; ++row)
        for (int j = 0; j < ThemeColumnMax; ++j) {
            const int index = row * ThemeColumnMax + j;
            if (index < cmdThemesQuestionnaire.size())
                buttons.append({cmdThemesQuestionnaire[index], RowThemeNr(row), static_cast<int16_t>(j + 1)});
        }
    StatsButtonsShow(objUser, buttons);
    if (PrintAvailable())
        cmdThemesStatsPrint->setEnabled(true);
}

void frameThemes::cmdThemesStatsPrint_Click()
{
    if (!PrintAvailable())
        return;
    QVector<ThemePrintRow> themes;
    for (int row = 0; row < m_themeRowCount && row < lblThemesQuestionnaire.size(); ++row) {
        ThemePrintRow theme{lblThemesQuestionnaire[row]->text(), {}};
        for (int j = 0; j < ThemeColumnMax; ++j) {
            const int index = row * ThemeColumnMax + j;
            if (index < cmdThemesQuestionnaire.size() && !cmdThemesQuestionnaire[index]->isHidden())
                theme.questionnaires.append(StatsPrintRowOf(cmdThemesQuestionnaire[index], static_cast<int16_t>(j + 1)));
        }
        themes.append(theme);
    }
    const PrintHead head = PrintHeadOfScreens(PrintStatsDateText(Seams::Now()));
    PrintRunShown(PrintKind::ThemesStats, head.userName,
                  [&] { ThemesStatsPrint(head, title(), themes); });
}

void frameThemes::cmdThemesQuestionnaire_Click(int index)
{
    const int row = index / ThemeColumnMax;
    if (index < 0 || row >= m_themeRowCount)
        return;
    if (ThemeQuestionnaireSetBuild(RowThemeNr(row), static_cast<int16_t>(index % ThemeColumnMax + 1)) < 1) {
        Seams::Beep();
        NoticeShow(this, StatsText(StatsTextId::NoticeEmptyQuestionnaire, CurrentLanguageNr));
        return;
    }
    QuestionSetShow();
    Frame_OnTop(Screen::QA, true);
}

void frameThemes::cmdThemesStatsShow_Click()
{
    frameThemesStatsShow();
}

void frameThemes::cmdThemesQuit_Click()
{
    Frame_OnTop(Screen::Practice, true);
}
