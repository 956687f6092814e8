#pragma once
// Keyboard use of the screens: the button that Escape clicks on each screen,
// Return on a focused button, tab orders, and a focus frame that shows where
// the keyboard is.
#include <QList>
#include <QProxyStyle>

class QAbstractButton;
class QKeyEvent;
class QWidget;

// The button Escape clicks while the screen is in front (its quit button).
void EscapeButtonSet(QWidget *screen, QAbstractButton *button);
QAbstractButton *EscapeButton(QWidget *screen);

// The keys of the main window's screens, watched for the whole
// application: Escape clicks the escape button of the screen in front,
// Return and Enter click the focused button. Keys typed in other windows
// (dialogs) are left alone; disabled and hidden buttons are not clicked.
void KeyboardFilterInstall(QWidget *mainWindow);

// Chains the widgets in the tab order given (widgets that are nullptr are
// skipped).
void TabOrderSet(const QList<QWidget *> &widgets);

// Draws a frame of FocusFrameWidth pixels in the highlight colour around
// buttons, options and tool buttons that have the focus, once the keyboard
// has moved it; a mouse user sees nothing new.
class FocusFrameStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    static constexpr int FocusFrameWidth = 2;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
};
// Installs the focus frame on the application's style.
void FocusFrameStyleInstall();
