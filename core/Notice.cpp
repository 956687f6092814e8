#include "core/Notice.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>

namespace {
const QString NoticeName = QStringLiteral("lblNotice");
}

QLabel *NoticeLabel(QWidget *screen)
{
    return screen ? screen->findChild<QLabel *>(NoticeName, Qt::FindDirectChildrenOnly) : nullptr;
}

void NoticeShow(QWidget *screen, const QString &text)
{
    if (!screen)
        return;
    QLabel *label = NoticeLabel(screen);
    if (!label) {
        label = new QLabel(screen);
        label->setObjectName(NoticeName);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setStyleSheet(QStringLiteral("QLabel { background: rgb(255, 255, 192); color: black; "
                                            "border: 2px solid rgb(192, 0, 0); padding: 4px; }"));
        QFont font = label->font();
        font.setBold(true);
        font.setPointSize(std::max(font.pointSize(), 10));
        label->setFont(font);
        auto *timer = new QTimer(label);
        timer->setObjectName(QStringLiteral("tmrNotice"));
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, label, &QWidget::hide);
    }
    label->setText(text);
    label->setAccessibleName(text);
    const int width = std::min(screen->width() - 20, 520);
    label->setFixedWidth(std::max(width, 0));
    label->adjustSize();
    label->move((screen->width() - label->width()) / 2, screen->height() - label->height() - 16);
    label->show();
    label->raise();
    if (auto *timer = label->findChild<QTimer *>(QStringLiteral("tmrNotice")))
        timer->start(NoticeDurationMs);
    QAccessibleEvent event(label, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}
