#pragma once
// The screens of the main window and the switch between them. Every screen
// is a frame of the main window; the one in front is the one the user sees.
#include <QWidget>
#include <functional>

enum class Screen {
    Login, Practice, Themes, QA, PictureBig, Grade, Admin, History, Language, ResultsLog
};

// Brings the frame in front of all its siblings (True) or sends it behind
// them (False). The frame in front is shown and gets the focus; the frames
// it covers are hidden, so that only the screen the user sees takes input.
void Frame_OnTop(QWidget *frame, bool onTop);
// Moves the focus into the screen unless it is there already: to the control
// that last had it, else to the first control of the tab order.
void ScreenFocusSet(QWidget *screen);
void Frame_OnTop(Screen screen, bool onTop);

// The main window registers its frames here so that every screen can reach
// the others.
void ScreenRegister(Screen screen, QWidget *frame);
QWidget *ScreenFrame(Screen screen);
template <class T> T *ScreenAs(Screen screen) { return qobject_cast<T *>(ScreenFrame(screen)); }
// The frame currently in front of its siblings, or nullptr.
QWidget *ScreenOnTop();

// Procedures of one subsystem that another subsystem calls without linking
// to it (the main window wires them up). An unset procedure does nothing.
namespace MainProcs {
extern std::function<void()> FormTextUpdate;
extern std::function<void()> framePracticeInit;
extern std::function<void()> framePracticeStatsShow;
extern std::function<void()> frameThemesInit;
extern std::function<void()> frameThemesStatsShow;
extern std::function<void()> frameThemesLabelsUpdate;
extern std::function<void()> frameHistoryInit;
extern std::function<void()> frameAdminInit;
extern std::function<void()> AdminUserDataDisplay;
extern std::function<void()> frameLoginInit;
extern std::function<void()> frameLoginClose;
extern std::function<void(bool activeOnly)> listLoginUsers_Fill;
extern std::function<void()> QuestionnaireTitleSet;
extern std::function<void()> GradeGridFill;
void Call(const std::function<void()> &procedure);
} // namespace MainProcs
