#pragma once
// Creation of the controls of the screen frames: a control of a given type
// with its object name, geometry and, for the captioned ones, its caption.
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

template <class T = QWidget>
T *ControlCreate(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *c = new T(parent);
    c->setObjectName(name);
    c->setGeometry(x, y, w, h);
    return c;
}

// A control with a text (button, label).
template <class T>
T *ControlCreate(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w, int h)
{
    auto *c = ControlCreate<T>(parent, name, x, y, w, h);
    c->setText(caption);
    return c;
}

QPushButton *ButtonCreate(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w, int h);
QLabel *LabelCreate(QWidget *parent, const QString &name, const QString &caption, int x, int y, int w, int h);
// A read-only text box that shows a value.
QLineEdit *DisplayBoxCreate(QWidget *parent, const QString &name, int x, int y, int w, int h);
