#pragma once
// The screen that opened the questionnaire history, and to which its quit
// button returns: the practice menu or the administration. frameHistoryInit
// takes it from the screen in front when it is one of these two; a caller
// may also set it before.
#include "core/Screens.h"

inline Screen HistoryCaller = Screen::Practice;
