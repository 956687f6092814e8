#include "print/EZP.h"

#include <cmath>

int16_t GridOrientation = 1;
int16_t GridSize = 0;
int16_t GridColumnWidth = 0;
int16_t GridLineHeight = 0;
int16_t GridColumnMax = 0;
int16_t GridLineMax = 0;
int16_t GridLine = 0;
int16_t GridColumn = 0;
int16_t GridPage = 0;
QString GridFontName;
int16_t GridFontSize = 0;
bool GridFontBold = false;

namespace {

GridDevice *g_device = nullptr;

// A value converted to a 16-bit integer: halves go to the even neighbour.
int16_t ToInt16(double value)
{
    return static_cast<int16_t>(std::nearbyint(value));
}

} // namespace

void PrinterDeviceSet(GridDevice *device) { g_device = device; }
GridDevice *PrinterDevice() { return g_device; }

void PrinterOrientationSet(int16_t orientation)
{
    GridOrientation = orientation;
    if (g_device)
        g_device->OrientationSet(orientation);
}

void PrinterGridSet(int16_t size)
{
    GridSize = size;
    GridColumnWidth = static_cast<int16_t>(12 * size);
    GridLineHeight = static_cast<int16_t>(20 * size);
    GridPage = g_device ? g_device->PageNumber() : 1;
    GridLine = 0;
    GridColumn = 0;
    if (size <= 0) {
        GridColumnMax = 0;
        GridLineMax = 0;
        return;
    }
    const double width = GridOrientation == 1 ? 10944.0 : 15840.0;
    const double height = GridOrientation == 1 ? 15360.0 : 10320.0;
    GridColumnMax = ToInt16(width / 12.0 / size - 1.0);
    GridLineMax = ToInt16(height / 20.0 / size - 1.0);
}

void PrinterFontSet(const QString &name, int16_t size, bool bold)
{
    GridFontName = name;
    GridFontSize = size;
    GridFontBold = bold;
    if (g_device)
        g_device->FontSet(name, size, bold);
}

void PrinterLineSet(int16_t line) { GridLine = line; }

void PrinterLineNext() { ++GridLine; }

void PrinterLinesSkip(int16_t count)
{
    for (int16_t i = 0; i < count; ++i)
        PrinterLineNext();
}

void PrinterTextPrint(int16_t column, const QString &text)
{
    if (g_device)
        g_device->TextDraw(int32_t(column) * GridColumnWidth, int32_t(GridLine) * GridLineHeight, text);
}

void PrinterRuleDraw(int16_t column1, int16_t line1, int16_t column2, int16_t line2)
{
    if (!g_device)
        return;
    const auto x = [](int16_t column) { return static_cast<int32_t>((column + 0.5) * GridColumnWidth); };
    const auto y = [](int16_t line) { return static_cast<int32_t>((line + 0.5) * GridLineHeight); };
    g_device->RuleDraw(x(column1), y(line1), x(column2), y(line2));
}

void PrinterRuleLine() { PrinterRuleDraw(9, GridLine, 92, GridLine); }

void PrinterPageNew()
{
    if (g_device) {
        g_device->PageNew();
        GridPage = g_device->PageNumber();
    }
    GridLine = 0;
    GridColumn = 0;
}

bool PrinterDocEnd()
{
    return g_device ? g_device->DocEnd() : false;
}

QString TextRightAligned(int number, int width)
{
    return QString::number(number).rightJustified(width, QLatin1Char(' '));
}
