#include "core/RuntimeError.h"
#include "core/Seams.h"
#include "userdb/clsUser.h"

void EventLogUserDB(int32_t code, const QString &text1, const QString &text2, const QString &text3)
{
    if (!objUser) {
        RuntimeErrorReport(QStringLiteral("modMain"), QStringLiteral("EventLogUserDB"), 91,
                           QStringLiteral("Object variable or With block variable not set"));
        return;
    }
    clsUser &u = *objUser;
    u.setRSCursorType(QStringLiteral("2"));
    u.setRSLockType(QStringLiteral("2"));
    u.EventsOpen();
    u.EventsAdd();
    u.EventCode = code;
    const QDateTime now = Seams::Now();
    const QTime t = now.time();
    u.EventDateTime = QDateTime(now.date(), QTime(t.hour(), t.minute(), t.second()));
    u.EventText1 = text1.left(50);
    u.EventText2 = text2.left(100);
    u.EventText3 = text3.left(255);
    u.EventsUpdate();
    u.EventsClose();
}
