#include "stats/frameThemes.h"

#include "core/ControlCreate.h"

#include <QLabel>
#include <QPushButton>

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
    cmdThemesStatsPrint->setEnabled(false);   // enabled once a printer is known to exist
    cmdThemesStatsShow->setEnabled(false);    // statistics are not available yet
    cmdLanguage = ButtonCreate(picboxThemesButtons, QStringLiteral("cmdLanguage_5"), QStringLiteral("Language"), 4,
                               4 + 2 * step, bw, bh);
    cmdThemesQuit = ButtonCreate(picboxThemesButtons, QStringLiteral("cmdThemesQuit"), QStringLiteral("Quit"),
                                 4, 4 + 3 * step, bw, bh);
    // The theme questionnaires cannot be started or left yet.
    cmdThemesQuit->setEnabled(false);
    for (QPushButton *b : std::as_const(cmdThemesQuestionnaire))
        b->setEnabled(false);
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
    return ButtonCreate(this, QStringLiteral("cmdThemesQuestionnaire_%1").arg(index),
                        QString::number(index % ThemeColumnMax + 1), 0, 0, 50, 40);
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
}
