#pragma once
// While an InputBlock lives, the user's clicks and key presses on one window
// are dropped, so that nothing can change the program's state under a piece
// of work that lets pending window events run (the window is still painted).
// Dialogs opened meanwhile stay usable. Blocks may nest.
#include <QObject>
#include <QPointer>
#include <QWidget>

class InputBlock : public QObject
{
public:
    explicit InputBlock(QWidget *window);
    ~InputBlock() override;
    InputBlock(const InputBlock &) = delete;
    InputBlock &operator=(const InputBlock &) = delete;

    // True while any block is active.
    static bool Active();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
};
