#pragma once
// Colours the lesson and theme questionnaire buttons by the signed-in user's
// best results, through the user-records object.
#include <QVector>
#include <cstdint>

class QPushButton;
class clsUser;

// One button and the questionnaire it stands for.
struct StatsButton {
    QPushButton *button = nullptr;
    int16_t themeNr = 0;
    int16_t questionnaireNr = 0;
};

// Opens the questionnaire statistics for reading, computes the count and
// best result of every button's questionnaire (hidden buttons too) and sets
// its colour, tool tip and "Tag", then closes the statistics. Without a
// user-records object nothing changes.
void StatsButtonsShow(clsUser *user, const QVector<StatsButton> &buttons);
// Colour, tool tip and "Tag" of one button.
void StatsButtonFaceSet(QPushButton *button, int32_t count, float best);
