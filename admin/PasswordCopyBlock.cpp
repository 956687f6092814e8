#include "admin/PasswordCopyBlock.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

void PasswordCopyBlock::Install(QLineEdit *box)
{
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setDragEnabled(false);
    box->installEventFilter(new PasswordCopyBlock(box));
}

bool PasswordCopyBlock::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut)) {
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
