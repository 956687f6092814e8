#include "print/PrinterGridDevice.h"

#include "core/Fonts.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

PrinterGridDevice::PrinterGridDevice(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer))
{
    m_font = PrintFont(QStringLiteral("Arial"), 10, false);
}

PrinterGridDevice::~PrinterGridDevice()
{
    if (m_painter.isActive())
        m_painter.end();
}

std::unique_ptr<PrinterGridDevice> PrinterGridDevice::ForDefaultPrinter()
{
    // Without a default the first printer installed.
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() && !QPrinterInfo::availablePrinterNames().isEmpty())
        info = QPrinterInfo::printerInfo(QPrinterInfo::availablePrinterNames().first());
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    return std::unique_ptr<PrinterGridDevice>(new PrinterGridDevice(std::move(printer)));
}

std::unique_ptr<PrinterGridDevice> PrinterGridDevice::ForPdf(const QString &fileName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    // A4 with quarter-inch margins holds the usable area of both orientations.
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    return std::unique_ptr<PrinterGridDevice>(new PrinterGridDevice(std::move(printer)));
}

QFont PrinterGridDevice::PrintFont(const QString &name, int16_t size, bool bold)
{
    QFont font = name.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0
                     ? QFont(QStringLiteral("DejaVu Sans"), size)
                     : DesignFont(name, size);
    font.setBold(bold);
    return font;
}

QString PrinterGridDevice::PrintText(const QString &fontName, const QString &text)
{
    if (fontName.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) != 0)
        return text;
    QString shown;
    for (QChar c : text) {
        switch (c.unicode()) {
        case 'J': shown += QChar(0x263A); break;
        case 'K': shown += QChar(0x2610); break;
        case 'L': shown += QChar(0x2639); break;
        default: shown += c;
        }
    }
    return shown;
}

void PrinterGridDevice::OrientationSet(int16_t orientation)
{
    // The orientation applies to pages not yet started.
    m_printer->setPageOrientation(orientation == 1 ? QPageLayout::Portrait : QPageLayout::Landscape);
}

void PrinterGridDevice::FontSet(const QString &name, int16_t size, bool bold)
{
    m_fontName = name;
    m_font = PrintFont(name, size, bold);
    if (m_painter.isActive())
        m_painter.setFont(m_font);
}

double PrinterGridDevice::Scale() const
{
    return m_printer->resolution() / 1440.0;
}

bool PrinterGridDevice::Begin()
{
    if (m_started)
        return !m_failed;
    m_started = true;
    m_failed = !m_painter.begin(m_printer.get());
    if (!m_failed) {
        m_painter.setFont(m_font);
        QPen pen(Qt::black);
        pen.setWidthF(m_printer->resolution() / 96.0);   // about a quarter of a millimetre
        m_painter.setPen(pen);
    }
    return !m_failed;
}

void PrinterGridDevice::TextDraw(int32_t x, int32_t y, const QString &text)
{
    if (text.isEmpty() || !Begin())
        return;
    const double s = Scale();
    const double ascent = m_painter.fontMetrics().ascent();
    m_painter.drawText(QPointF(x * s, y * s + ascent), PrintText(m_fontName, text));
}

void PrinterGridDevice::RuleDraw(int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    if (!Begin())
        return;
    const double s = Scale();
    m_painter.drawLine(QPointF(x1 * s, y1 * s), QPointF(x2 * s, y2 * s));
}

void PrinterGridDevice::PageNew()
{
    // A page break before anything was drawn still gives an empty page.
    if (!Begin())
        return;
    if (m_printer->newPage())
        ++m_page;
}

bool PrinterGridDevice::DocEnd()
{
    if (m_ended)
        return m_ok;
    m_ended = true;
    // Nothing printed, or the job could not be started: no document.
    m_ok = m_started && !m_failed && m_painter.end();
    return m_ok;
}
