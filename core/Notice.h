#pragma once
// A short message over a screen, for requests that are refused with a beep:
// not everybody hears the beep. It is not modal and goes away by itself.
#include <QString>

class QLabel;
class QWidget;

// How long a notice stays, in milliseconds.
inline constexpr int NoticeDurationMs = 4000;

// Shows the text at the bottom of the screen frame (replacing a notice that
// is still shown there) and announces it to assistive tools.
void NoticeShow(QWidget *screen, const QString &text);
// The notice label of a screen, or nullptr when none was ever shown.
QLabel *NoticeLabel(QWidget *screen);
