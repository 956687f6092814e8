#pragma once
// Whether a control's caption fits the control at its size.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace CaptionFit {

// The lines of a caption that do not fit the control, empty when all fit.
inline QString Overflow(const QWidget *w)
{
    QString text;
    QRect room;
    bool wrap = false;
    if (auto *b = qobject_cast<const QAbstractButton *>(w)) {
        text = b->text();
        room = b->rect().adjusted(3, 2, -3, -2);
        if (!qobject_cast<const QPushButton *>(w))
            room.setLeft(room.left() + 20);   // the indicator of a radio button or check box
    } else if (auto *l = qobject_cast<const QLabel *>(w)) {
        if (l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()) || !l->pixmap().isNull())
            return {};
        text = l->text();
        room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        wrap = l->wordWrap();
    } else if (auto *g = qobject_cast<const QGroupBox *>(w)) {
        text = g->title();
        room = QRect(0, 0, g->width() - 12, g->fontMetrics().height());
    }
    text.remove(QLatin1Char('&'));
    if (text.trimmed().isEmpty() || room.width() <= 0)
        return {};
    const QFontMetrics fm(w->font());
    const QRect needed = fm.boundingRect(QRect(0, 0, room.width(), 100000),
                                         (wrap ? Qt::TextWordWrap : 0) | Qt::AlignLeft | Qt::AlignTop, text);
    if (needed.width() <= room.width() + 1 && needed.height() <= room.height() + 1)
        return {};
    return QStringLiteral("%1 '%2' needs %3x%4 in %5x%6")
        .arg(w->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// The captions of the visible controls below root that do not fit, each line
// led by where (screen or dialog, language). With VELKO_SCREENSHOTS=DIR set,
// shot is saved there as <where>.png for a look by eye.
inline QStringList Problems(const QWidget *root, const QString &where, QWidget *shot = nullptr)
{
    QCoreApplication::processEvents();
    QStringList out;
    for (const QWidget *c : root->findChildren<QWidget *>())
        if (c->isVisible())
            if (const QString o = Overflow(c); !o.isEmpty())
                out << where + QStringLiteral(": ") + o;
    if (const QString dir = qEnvironmentVariable("VELKO_SCREENSHOTS"); shot && !dir.isEmpty())
        shot->grab().save(QStringLiteral("%1/%2.png").arg(dir, where));
    return out;
}

} // namespace CaptionFit
