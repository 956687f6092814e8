#pragma once
// Caption tables of the administration dialogs: one row per control, the
// German, French and Italian text side by side.
#include <QWidget>
#include <span>

struct DialogCaption {
    const char *control;   // objectName; "" for the dialog title
    const char *text[3];   // German, French, Italian
};

// Sets the dialog's title and the caption of each named control (a group
// box's title, any other control's text) in the language 0, 1 or 2.
void DialogCaptionsApply(QWidget *dialog, std::span<const DialogCaption> captions, int language);
