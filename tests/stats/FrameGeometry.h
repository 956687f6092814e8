#pragma once
// Geometry checks shared by the screen frame tests: every named control lies
// inside its container and does not cover a named sibling, at the design size
// and after the window has grown with the resize rules applied.
#include <QList>
#include <QRect>
#include <QSet>
#include <QString>
#include <QWidget>
#include <QtTest>

namespace FrameGeometry {

inline bool isOwnControl(const QWidget *w)
{
    return !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"));
}

inline QList<QWidget *> namedChildren(const QWidget *parent)
{
    QList<QWidget *> out;
    for (QObject *o : parent->children())
        if (auto *w = qobject_cast<QWidget *>(o); w && isOwnControl(w))
            out << w;
    return out;
}

// Controls that deliberately share one place (stacked pages).
inline bool stacked(const QWidget *a, const QWidget *b, const QSet<QString> &sharedPlace)
{
    return sharedPlace.contains(a->objectName()) && sharedPlace.contains(b->objectName());
}

// Fails the calling test with the first control that sticks out of its
// container or covers a sibling.
inline void checkContainment(QWidget *root, const QSet<QString> &sharedPlace = {})
{
    QList<QWidget *> todo{root};
    while (!todo.isEmpty()) {
        QWidget *parent = todo.takeFirst();
        const QList<QWidget *> kids = namedChildren(parent);
        for (int i = 0; i < kids.size(); ++i) {
            QWidget *a = kids[i];
            QVERIFY2(QRect(QPoint(0, 0), parent->size()).contains(a->geometry()),
                     qPrintable(a->objectName() + " outside " + parent->objectName()));
            for (int j = i + 1; j < kids.size(); ++j) {
                QWidget *b = kids[j];
                if (stacked(a, b, sharedPlace))
                    continue;
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " covers " + b->objectName()));
            }
            todo << a;
        }
        // Controls inside a container that is not named themselves (tab pages).
        for (QObject *o : parent->children())
            if (auto *w = qobject_cast<QWidget *>(o); w && !isOwnControl(w))
                for (QWidget *inner : namedChildren(w))
                    todo << inner;
    }
}

// One resize rule of the main window: in pixels, "move right by the width
// gained", "grow by the width gained" or "grow by the height gained".
enum class Rule { MoveRight, GrowWidth, GrowHeight, GrowBoth };

inline void applyGrowth(QWidget *frame, const QList<QPair<QString, Rule>> &rules, int dw, int dh)
{
    frame->resize(frame->width() + dw, frame->height() + dh);
    for (const auto &[name, rule] : rules) {
        QWidget *w = frame->findChild<QWidget *>(name);
        QVERIFY2(w, qPrintable(name));
        switch (rule) {
        case Rule::MoveRight: w->move(w->x() + dw, w->y()); break;
        case Rule::GrowWidth: w->resize(w->width() + dw, w->height()); break;
        case Rule::GrowHeight: w->resize(w->width(), w->height() + dh); break;
        case Rule::GrowBoth: w->resize(w->width() + dw, w->height() + dh); break;
        }
    }
}

} // namespace FrameGeometry
