#pragma once
// A grid printing device that records what a print draws, for the layout
// tests.
#include "print/EZP.h"

#include <QList>
#include <QString>

struct PrintEvent {
    enum Kind { Text, Rule, Page, End } kind = Text;
    int32_t x = 0, y = 0, x2 = 0, y2 = 0;
    QString text;
    QString font;      // "Arial 16 bold", "Courier 9"
    int16_t page = 1;
    int16_t line = 0;  // grid line of a text
    int16_t column = 0;
};

class RecordingDevice : public GridDevice
{
public:
    RecordingDevice() { PrinterDeviceSet(this); }
    ~RecordingDevice() override { PrinterDeviceSet(nullptr); }

    void OrientationSet(int16_t orientation) override { orientations.append(orientation); }
    void FontSet(const QString &name, int16_t size, bool bold) override
    {
        m_font = name + QLatin1Char(' ') + QString::number(size) + (bold ? QStringLiteral(" bold") : QString());
    }
    void TextDraw(int32_t x, int32_t y, const QString &text) override
    {
        PrintEvent e{PrintEvent::Text, x, y, 0, 0, text, m_font, m_page};
        e.line = static_cast<int16_t>(GridLineHeight ? y / GridLineHeight : 0);
        e.column = static_cast<int16_t>(GridColumnWidth ? x / GridColumnWidth : 0);
        events.append(e);
    }
    void RuleDraw(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override
    {
        events.append({PrintEvent::Rule, x1, y1, x2, y2, {}, {}, m_page});
    }
    void PageNew() override
    {
        events.append({PrintEvent::Page, 0, 0, 0, 0, {}, {}, m_page});
        ++m_page;
    }
    int16_t PageNumber() const override { return m_page; }
    bool DocEnd() override
    {
        events.append({PrintEvent::End, 0, 0, 0, 0, {}, {}, m_page});
        return true;
    }

    // The texts printed, in order.
    QList<PrintEvent> texts() const
    {
        QList<PrintEvent> t;
        for (const PrintEvent &e : events)
            if (e.kind == PrintEvent::Text)
                t.append(e);
        return t;
    }
    // The first text event with this text, or an empty event.
    PrintEvent find(const QString &text) const
    {
        for (const PrintEvent &e : events)
            if (e.kind == PrintEvent::Text && e.text == text)
                return e;
        return {};
    }
    // The texts printed on one grid line of a page, as "column:text".
    QStringList line(int16_t page, int16_t line) const
    {
        QStringList l;
        for (const PrintEvent &e : events)
            if (e.kind == PrintEvent::Text && e.page == page && e.line == line && !e.text.isEmpty())
                l << QString::number(e.column) + QLatin1Char(':') + e.text;
        return l;
    }
    int count(PrintEvent::Kind kind) const
    {
        int n = 0;
        for (const PrintEvent &e : events)
            n += e.kind == kind;
        return n;
    }

    QList<PrintEvent> events;
    QList<int16_t> orientations;

private:
    QString m_font;
    int16_t m_page = 1;
};
