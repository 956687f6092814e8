#include "core/Screens.h"

#include <QApplication>
#include <QMap>
#include <QPointer>

namespace {
QMap<Screen, QPointer<QWidget>> g_frames;
}

namespace {

bool IsRegistered(const QWidget *w)
{
    for (const auto &f : g_frames)
        if (f && f == w)
            return true;
    return false;
}

// The registered frame in front among the children of parent.
QWidget *FrontFrameOf(QWidget *parent, QWidget *alsoConsider)
{
    const QObjectList &children = parent->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        QWidget *w = qobject_cast<QWidget *>(*it);
        if (w && (w == alsoConsider || IsRegistered(w)))
            return w;
    }
    return nullptr;
}

bool TakesFocus(const QWidget *w, const QWidget *screen)
{
    return w && w != screen && screen->isAncestorOf(w) && w->isVisibleTo(screen) && w->isEnabled()
        && (w->focusPolicy() & Qt::TabFocus);
}

} // namespace

void ScreenFocusSet(QWidget *screen)
{
    if (!screen)
        return;
    QWidget *current = QApplication::focusWidget();
    if (current && screen->isAncestorOf(current) && current->isVisibleTo(screen))
        return;
    // The control that had the focus when the screen was last used, or the
    // screen asked for while it was covered; otherwise the first one in the
    // tab order. The reason tells focus handlers that nobody chose it.
    QWidget *target = screen->focusWidget();
    if (!TakesFocus(target, screen)) {
        target = nullptr;
        for (QWidget *w = screen->nextInFocusChain(); w && w != screen; w = w->nextInFocusChain())
            if (TakesFocus(w, screen)) {
                target = w;
                break;
            }
    }
    if (target)
        target->setFocus(Qt::OtherFocusReason);
    else if (current && !screen->isAncestorOf(current))
        current->clearFocus();
}

void Frame_OnTop(QWidget *frame, bool onTop)
{
    if (!frame)
        return;
    if (onTop)
        frame->raise();
    else
        frame->lower();
    // Only the screen in front takes part: the covered ones are hidden, so
    // that they take neither focus nor input and are left out of what
    // assistive tools see. The stacking order stays as set above.
    QWidget *parent = frame->parentWidget();
    if (!parent)
        return;
    QWidget *front = FrontFrameOf(parent, frame);
    if (!front)
        return;
    front->setVisible(true);
    ScreenFocusSet(front);
    for (QObject *child : parent->children()) {
        QWidget *w = qobject_cast<QWidget *>(child);
        if (w && w != front && (w == frame || IsRegistered(w)) && !w->isHidden())
            w->setVisible(false);
    }
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
std::function<void(bool)> listLoginUsers_Fill;
std::function<void()> QuestionnaireTitleSet;
std::function<void()> GradeGridFill;
void Call(const std::function<void()> &procedure)
{
    if (procedure)
        procedure();
}
} // namespace MainProcs
