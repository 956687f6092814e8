#pragma once
// The theme questionnaires screen: one row per theme of the user's category,
// a label with the theme's name and up to six questionnaire buttons.
#include "stats/ThemeRows.h"

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

    static constexpr int ThemeRowMax = ::ThemeRowMax;         // rows of the grid
    static constexpr int ThemeColumnMax = ::ThemeColumnMax;   // questionnaires per row

    // Start-up: builds the 11 x 6 questionnaire grid from the design
    // positions of buttons 0, 1, 2 and label 0 (button 1 gives the
    // horizontal step, button 2 the vertical one).
    void ThemesGridLoad();

    // Builds the rows for CurrentCategoryNr: the named themes from 4 up, at
    // most ThemeRowMax, each with the buttons of its stored questionnaires.
    void frameThemesInit();
    // Re-captions the rows in the current language.
    void frameThemesLabelsUpdate();
    // Colours every questionnaire button of the rows by the signed-in
    // user's best result.
    void frameThemesStatsShow();

    void cmdThemesQuestionnaire_Click(int index);
    void cmdThemesStatsShow_Click();
    // Accessible names of the questionnaire buttons: theme and number.
    void ButtonNamesUpdate();
    void cmdThemesStatsPrint_Click();
    void cmdThemesQuit_Click();

    // Number of rows filled by frameThemesInit, 0 to ThemeRowMax.
    int ThemeRowCount() const { return m_themeRowCount; }
    // Theme number of a row ("Tag" of its label), 0 for a row out of range.
    int16_t RowThemeNr(int row) const;

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
    int m_themeRowCount = 0;

    QPushButton *questionnaireButtonCreate(int index);
};
