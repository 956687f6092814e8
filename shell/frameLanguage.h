#pragma once
// The language screen: three buttons, each naming its language in itself.
// Every screen opens it with its cmdLanguage button and gets the front back
// when a language has been chosen.
#include <QGroupBox>
#include <cstdint>

class QPushButton;
class QWidget;

class frameLanguage : public QGroupBox
{
    Q_OBJECT
public:
    explicit frameLanguage(QWidget *parent = nullptr);

    QWidget *picboxLanguageButtons = nullptr;
    QPushButton *cmdLanguageChoice[4] = {};
};

// Index of the cmdLanguage button that opened the language screen
// (0 login, 1 question screen, 2 practice menu, 3 administration,
// 4 grade screen, 5 theme questionnaires, 6 history).
extern int16_t LanguageCaller;

// A screen's language button: remember the caller, show the language screen.
void cmdLanguage_Click(int16_t index);

// Applies language index to the whole window, refreshes the computed texts of
// the calling screen and sends the language screen back.
void cmdLanguageChoice_Click(int16_t index);
