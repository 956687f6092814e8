#include "core/Keyboard.h"

#include "core/Screens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QVariant>

namespace {

const char *const EscapeProperty = "EscapeButton";

bool Usable(const QAbstractButton *b)
{
    return b && b->isEnabled() && b->isVisible();
}

void FocusFrameDraw(const QStyleOption *option, QPainter *painter)
{
    if (!(option->state & QStyle::State_HasFocus) || !(option->state & QStyle::State_KeyboardFocusChange))
        return;
    painter->save();
    QPen pen(option->palette.color(QPalette::Highlight));
    pen.setWidth(FocusFrameStyle::FocusFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const int half = FocusFrameStyle::FocusFrameWidth / 2;
    painter->drawRect(option->rect.adjusted(half, half, -half, -half));
    painter->restore();
}

class KeyboardFilter : public QObject
{
public:
    explicit KeyboardFilter(QWidget *mainWindow) : QObject(mainWindow), m_main(mainWindow) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_main)
            return false;
        auto *w = qobject_cast<QWidget *>(watched);
        // The focus frame shows while the keyboard is used, until the mouse is.
        if (event->type() == QEvent::MouseButtonPress && w && w->window() == m_main)
            FocusShownSet(false);
        if (event->type() != QEvent::KeyPress)
            return false;
        // The window's own focus widget: keys reach it even while another
        // application holds the input focus.
        QWidget *focused = m_main->focusWidget();
        // Only the first receiver of the key, in the main window.
        if (!w || (focused ? w != focused : w != m_main) || w->window() != m_main)
            return false;
        FocusShownSet(true);
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            QAbstractButton *quit = EscapeButton(ScreenOnTop());
            if (!Usable(quit))
                return false;
            quit->click();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()) {
            auto *button = qobject_cast<QAbstractButton *>(w);
            if (!Usable(button))
                return false;
            button->click();
            return true;
        }
        return false;
    }

private:
    void FocusShownSet(bool shown)
    {
        if (m_main->testAttribute(Qt::WA_KeyboardFocusChange) == shown)
            return;
        m_main->setAttribute(Qt::WA_KeyboardFocusChange, shown);
        if (QWidget *focused = m_main->focusWidget())
            focused->update();
    }

    QPointer<QWidget> m_main;
};

} // namespace

void EscapeButtonSet(QWidget *screen, QAbstractButton *button)
{
    if (screen)
        screen->setProperty(EscapeProperty, QVariant::fromValue(static_cast<QObject *>(button)));
}

QAbstractButton *EscapeButton(QWidget *screen)
{
    return screen ? qobject_cast<QAbstractButton *>(screen->property(EscapeProperty).value<QObject *>()) : nullptr;
}

void KeyboardFilterInstall(QWidget *mainWindow)
{
    if (mainWindow && qApp)
        qApp->installEventFilter(new KeyboardFilter(mainWindow));
}

void TabOrderSet(const QList<QWidget *> &widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *w : widgets) {
        if (!w)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void FocusFrameStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton || element == CE_RadioButton || element == CE_CheckBox)
        FocusFrameDraw(option, painter);
}

void FocusFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                         QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ToolButton)
        FocusFrameDraw(option, painter);
}

void FocusFrameStyleInstall()
{
    if (!dynamic_cast<FocusFrameStyle *>(QApplication::style()))
        QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
}
