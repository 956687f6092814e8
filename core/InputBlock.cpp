#include "core/InputBlock.h"

#include <QApplication>
#include <QEvent>

namespace {
int g_activeBlocks = 0;

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}
} // namespace

InputBlock::InputBlock(QWidget *window) : m_window(window ? window->window() : nullptr)
{
    ++g_activeBlocks;
    if (qApp)
        qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

InputBlock::~InputBlock()
{
    if (qApp)
        qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    --g_activeBlocks;
}

bool InputBlock::Active() { return g_activeBlocks > 0; }

bool InputBlock::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_window || !IsUserInput(event->type()))
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget) {
        // Events of the window's platform window reach its widgets later.
        return false;
    }
    return widget->window() == m_window;
}
