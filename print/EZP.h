#pragma once
// Grid printing: a page is a grid of character cells derived from a font
// size. Callers move a line cursor down the page, print texts at column
// numbers and draw rules through cell centres. Positions are in twips
// (1/1440 inch). One print job at a time; the state lives in the module
// variables below.
#include <QString>
#include <cstdint>

// Where a print job is drawn: a printer, a PDF file, or a recorder in tests.
// Coordinates are twips from the top-left corner of the page's usable area.
class GridDevice
{
public:
    virtual ~GridDevice() = default;
    virtual void OrientationSet(int16_t orientation) = 0;   // 1 portrait, else landscape
    virtual void FontSet(const QString &name, int16_t size, bool bold) = 0;
    virtual void TextDraw(int32_t x, int32_t y, const QString &text) = 0;   // (x, y) = top-left of the text
    virtual void RuleDraw(int32_t x1, int32_t y1, int32_t x2, int32_t y2) = 0;
    virtual void PageNew() = 0;
    virtual int16_t PageNumber() const = 0;                  // 1 for the first page
    // Ends the job; false when the document could not be produced.
    virtual bool DocEnd() = 0;
};

extern int16_t GridOrientation;
extern int16_t GridSize;
extern int16_t GridColumnWidth;
extern int16_t GridLineHeight;
extern int16_t GridColumnMax;
extern int16_t GridLineMax;
extern int16_t GridLine;
extern int16_t GridColumn;
extern int16_t GridPage;
extern QString GridFontName;
extern int16_t GridFontSize;
extern bool GridFontBold;

// The device of the current job; nullptr makes every procedure below do
// nothing but keep the grid state. The module does not own the device.
void PrinterDeviceSet(GridDevice *device);
GridDevice *PrinterDevice();

void PrinterOrientationSet(int16_t orientation);
void PrinterGridSet(int16_t size);
void PrinterFontSet(const QString &name, int16_t size, bool bold);
void PrinterLineSet(int16_t line);
void PrinterLineNext();
void PrinterTextPrint(int16_t column, const QString &text);
void PrinterRuleDraw(int16_t column1, int16_t line1, int16_t column2, int16_t line2);
void PrinterPageNew();
// Ends the job; false when the device could not produce the document.
bool PrinterDocEnd();

// Helpers of the layouts.
void PrinterLinesSkip(int16_t count);   // count calls of PrinterLineNext
void PrinterRuleLine();                 // rule from column 9 to column 92 on the current line
QString TextRightAligned(int number, int width);   // the number right-aligned in width characters
