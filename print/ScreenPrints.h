#pragma once
// What the screens hand to the print layouts: the head read from the practice
// menu's title labels and the statistics rows read from the buttons.
#include "print/PrintLayouts.h"

class QPushButton;

// The head with the signed-in user's name and category as the practice menu
// shows them.
PrintHead PrintHeadOfScreens(const QString &dateText);
// A statistics row from a lesson or theme questionnaire button: its tool tip
// and best result ("Tag").
StatsPrintRow StatsPrintRowOf(const QPushButton *button, int16_t number);
