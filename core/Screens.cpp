#include "core/Screens.h"

#include <QMap>
#include <QPointer>

namespace {
QMap<Screen, QPointer<QWidget>> g_frames;
}

void Frame_OnTop(QWidget *frame, bool onTop)
{
    if (!frame)
        return;
    if (onTop)
        frame->raise();
    else
        frame->lower();
}

void Frame_OnTop(Screen screen, bool onTop) { Frame_OnTop(ScreenFrame(screen), onTop); }

void ScreenRegister(Screen screen, QWidget *frame) { g_frames[screen] = frame; }

QWidget *ScreenFrame(Screen screen) { return g_frames.value(screen); }

QWidget *ScreenOnTop()
{
    QWidget *any = nullptr;
    for (const auto &f : g_frames)
        if (f) {
            any = f;
            break;
        }
    if (!any || !any->parentWidget())
        return nullptr;
    // The last child in the stacking order is the one in front.
    const QObjectList &children = any->parentWidget()->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        QWidget *w = qobject_cast<QWidget *>(*it);
        for (const auto &f : g_frames)
            if (f && f == w)
                return w;
    }
    return nullptr;
}

namespace MainProcs {
std::function<void()> FormTextUpdate;
std::function<void()> framePracticeInit;
std::function<void()> framePracticeStatsShow;
std::function<void()> frameThemesInit;
std::function<void()> frameThemesStatsShow;
std::function<void()> frameThemesLabelsUpdate;
std::function<void()> frameHistoryInit;
std::function<void()> frameAdminInit;
std::function<void()> AdminUserDataDisplay;
std::function<void()> frameLoginInit;
std::function<void()> frameLoginClose;
std::function<void()> QuestionnaireTitleSet;
std::function<void()> GradeGridFill;
void Call(const std::function<void()> &procedure)
{
    if (procedure)
        procedure();
}
} // namespace MainProcs
