#pragma once
// The theme questionnaires screen: one row per theme of the user's category,
// a label with the theme's name and up to six questionnaire buttons.
#include <QGroupBox>
#include <QPoint>
#include <QVector>

class QLabel;
class QPushButton;
class QWidget;

class frameThemes : public QGroupBox
{
    Q_OBJECT
public:
    explicit frameThemes(QWidget *parent = nullptr);

    static constexpr int ThemeRowMax = 11;   // rows of the grid
    static constexpr int ThemeColumnMax = 6; // questionnaires per row

    // Start-up: builds the 11 x 6 questionnaire grid from the design
    // positions of buttons 0, 1, 2 and label 0 (button 1 gives the
    // horizontal step, button 2 the vertical one).
    void ThemesGridLoad();

    QVector<QLabel *> lblThemesQuestionnaire;        // 0..10, one per row
    QVector<QPushButton *> cmdThemesQuestionnaire;   // row * 6 + column

    QWidget *picboxThemesButtons = nullptr;
    QPushButton *cmdThemesStatsShow = nullptr;
    QPushButton *cmdThemesStatsPrint = nullptr;
    QPushButton *cmdThemesQuit = nullptr;
    QPushButton *cmdLanguage = nullptr;   // cmdLanguage_5

private:
    QLabel *questionnaireLabelCreate(int index);
    // Place of element 0 and the grid steps, taken once from the design
    // elements: after the first load button 2 no longer marks the next row.
    bool m_gridLoaded = false;
    QPoint m_buttonOrigin;
    QPoint m_labelOrigin;
    int m_stepX = 0;
    int m_stepY = 0;

    QPushButton *questionnaireButtonCreate(int index);
};
