#pragma once
// Shared by the screen frame tests: every control named in the table exists
// exactly once and lies inside its container.
#include <QStringList>
#include <QWidget>
#include <QtTest>

namespace FrameGeometry {

struct Placement {
    QString container;
    QStringList names;
};

inline void checkPlacements(QWidget *root, const QList<Placement> &table)
{
    for (const Placement &p : table) {
        QWidget *box = root->objectName() == p.container ? root : root->findChild<QWidget *>(p.container);
        QVERIFY2(box, qPrintable(p.container));
        for (const QString &name : p.names) {
            const QList<QWidget *> found = root->findChildren<QWidget *>(name);
            QVERIFY2(found.size() == 1 && box->isAncestorOf(found[0]), qPrintable(name + " in " + p.container));
        }
    }
}

} // namespace FrameGeometry
