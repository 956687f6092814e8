#pragma once
// The grid printing device of a real print job: draws through a QPainter on
// a QPrinter, either the system's default printer or a PDF file.
#include "print/EZP.h"

#include <QFont>
#include <QPainter>
#include <memory>

class QPrinter;

class PrinterGridDevice : public GridDevice
{
public:
    // The default printer, without a dialog.
    static std::unique_ptr<PrinterGridDevice> ForDefaultPrinter();
    // A PDF file on A4 paper.
    static std::unique_ptr<PrinterGridDevice> ForPdf(const QString &fileName);
    ~PrinterGridDevice() override;

    void OrientationSet(int16_t orientation) override;
    void FontSet(const QString &name, int16_t size, bool bold) override;
    void TextDraw(int32_t x, int32_t y, const QString &text) override;
    void RuleDraw(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;
    void PageNew() override;
    int16_t PageNumber() const override { return m_page; }
    bool DocEnd() override;
    bool Finished() const { return m_ended; }
    bool Succeeded() const { return m_ok; }

    // The face drawn for a design font name ("Wingdings" draws its marks
    // as face symbols).
    static QFont PrintFont(const QString &name, int16_t size, bool bold);
    // The text drawn for a text in a design font: the Wingdings marks "J",
    // "K" and "L" become the smiling, neutral and frowning faces.
    static QString PrintText(const QString &fontName, const QString &text);

private:
    explicit PrinterGridDevice(std::unique_ptr<QPrinter> printer);
    bool Begin();   // starts the job on the first text or rule
    double Scale() const;

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    QString m_fontName;
    int16_t m_page = 1;
    bool m_started = false;
    bool m_failed = false;
    bool m_ended = false;
    bool m_ok = false;
};
