// Event journal operations of clsUser.
#include "core/SqlSupport.h"
#include "userdb/clsUserImpl.h"

namespace {

const QString EventColumns = QStringLiteral(
    "SELECT EventId, UserID, EventCode, EventDateTime, EventText1, EventText2, EventText3, PCName, UserName, "
    "ProgramVersion, WindowsVersion FROM Events ");
const QString EventIdColumn = QStringLiteral("EventId");

} // namespace

void clsUser::eventsDataRead(const QVariantList *row)
{
    if (!row) {
        m_eventId = 0;
        EventUserId = 0;
        EventCode = 0;
        EventDateTime = ZeroDate();
        EventText1.clear();
        EventText2.clear();
        EventText3.clear();
        m_eventPCName.clear();
        m_eventUserName.clear();
        m_eventProgramVersion.clear();
        m_eventWindowsVersion.clear();
        return;
    }
    const QVariantList &r = *row;
    m_eventId = r[0].toInt();
    EventUserId = r[1].toInt();
    EventCode = r[2].toInt();
    EventDateTime = Impl::dateOut(r[3]);
    EventText1 = Impl::blankOut(r[4]);
    EventText2 = Impl::blankOut(r[5]);
    EventText3 = Impl::blankOut(r[6]);
    m_eventPCName = r[7].toString();
    m_eventUserName = r[8].toString();
    m_eventProgramVersion = r[9].toString();
    m_eventWindowsVersion = r[10].toString();
}

void clsUser::EventsOpen()
{
    EventsClose();
    d->openTable(d->events, QStringLiteral("EventsOpen"), m_lockType != 1);
}

void clsUser::EventsUserOpen()
{
    const QString proc = QStringLiteral("EventsUserOpen");
    EventsClose();
    const QSqlError e = d->openSelection(
        d->events, proc, EventColumns + QStringLiteral("WHERE UserID = ? ORDER BY EventDateTime DESC, EventId DESC"),
        {m_userId}, m_lockType != 1);
    if (!Impl::succeeded(proc, e))
        return;
    EventsFirst();
}

void clsUser::EventsFirst()
{
    const QVariantList *row = nullptr;
    if (d->moveReported(d->events, QStringLiteral("EventsFirst"), EventColumns, EventIdColumn, true, row))
        eventsDataRead(row);
}

void clsUser::EventsNext()
{
    const QVariantList *row = nullptr;
    if (d->moveReported(d->events, QStringLiteral("EventsNext"), EventColumns, EventIdColumn, false, row))
        eventsDataRead(row);
}

void clsUser::EventsAdd()
{
    const QString proc = QStringLiteral("EventsAdd");
    Impl::Cursor &c = d->events;
    if (!Impl::succeeded(proc, d->addCheck(c, proc)))
        return;
    // The new row is saved, and gets its EventId, by EventsUpdate.
    c.pendingNew = true;
    m_eventId = 0;
    EventCode = 0;
    EventDateTime = ZeroDate();
    EventText1.clear();
    EventText2.clear();
    EventText3.clear();
}

void clsUser::EventsUpdate()
{
    const QString proc = QStringLiteral("EventsUpdate");
    Impl::Cursor &c = d->events;
    QSqlError e = Impl::updateCheck(c, m_eventId);
    if (!Impl::succeeded(proc, e))
        return;
    // Without a current user row the event belongs to no user and no name.
    const QString userName = m_userId == 0 ? QString() : UserName;
    const QString when = Sql::DateTimeToText(EventDateTime);
    QSqlQuery *q = nullptr;
    if (c.pendingNew)
        e = d->run(proc,
                   QStringLiteral("INSERT INTO Events (UserID, EventCode, EventDateTime, EventText1, EventText2, "
                                  "EventText3, PCName, UserName, ProgramVersion, WindowsVersion) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING EventId"),
                   {m_userId, EventCode, when, Impl::blankIn(EventText1), Impl::blankIn(EventText2),
                    Impl::blankIn(EventText3), PCName, userName, ProgramVersion, WindowsVersion},
                   &q);
    else
        e = d->run(proc,
                   QStringLiteral("UPDATE Events SET UserID = ?, EventCode = ?, EventDateTime = ?, EventText1 = ?, "
                                  "EventText2 = ?, EventText3 = ?, PCName = ?, UserName = ?, ProgramVersion = ?, "
                                  "WindowsVersion = ? WHERE EventId = ?"),
                   {m_userId, EventCode, when, Impl::blankIn(EventText1), Impl::blankIn(EventText2),
                    Impl::blankIn(EventText3), PCName, userName, ProgramVersion, WindowsVersion, m_eventId});
    if (!Impl::failed(e) && c.pendingNew)
        e = d->newKey(q, m_eventId);
    if (!Impl::succeeded(proc, e))
        return;
    c.pendingNew = false;
}

void clsUser::EventsNrSeek()
{
    EventsClose();
}

void clsUser::EventsClose()
{
    if (d->events.open)
        d->events.close();
}
