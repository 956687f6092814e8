#include "core/ControlCreate.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QPushButton *ButtonCreate(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w, int h)
{
    return ControlCreate<QPushButton>(parent, name, caption, x, y, w, h);
}

QLabel *LabelCreate(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w, int h)
{
    return ControlCreate<QLabel>(parent, name, caption, x, y, w, h);
}

QLineEdit *DisplayBoxCreate(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *t = ControlCreate<QLineEdit>(parent, name, x, y, w, h);
    t->setReadOnly(true);
    return t;
}
