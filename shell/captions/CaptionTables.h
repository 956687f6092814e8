#pragma once
// Localised captions of the main window, kept as data: one table per screen,
// one row per control text, German, French and Italian side by side.
// A multi-line caption is written as its lines; FormTextUpdate joins them
// with NewLine.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

// Which text of the control a row sets.
enum class CaptionProperty : uint8_t {
    Caption,   // group box title, button or label text
    Tag,       // dynamic property "Tag"
    ToolTip,   // tool tip
    Tab,       // tab text of a tab widget; CaptionRow::tab gives the tab (1 = first)
};

// One language's text: up to three lines, unused lines are nullptr.
struct CaptionLines {
    const char *line[3];
};

struct CaptionRow {
    const char *control;         // objectName of the control
    CaptionProperty property;
    int tab;                     // 1-based tab number for CaptionProperty::Tab, else 0
    CaptionLines text[3];        // 0 German, 1 French, 2 Italian
};

struct CaptionTable {
    const char *screen;          // name of the screen, for diagnostics
    const CaptionRow *rows;
    std::size_t count;
};

// The tables of the screens, defined one per file in shell/captions/.
extern const CaptionTable CaptionsLogin;
extern const CaptionTable CaptionsPractice;
extern const CaptionTable CaptionsThemes;
extern const CaptionTable CaptionsQA;
extern const CaptionTable CaptionsGrade;
extern const CaptionTable CaptionsHistory;
extern const CaptionTable CaptionsAdmin;
extern const CaptionTable CaptionsLanguage;

// Every table, in the order FormTextUpdate applies them.
const std::vector<const CaptionTable *> &CaptionTables();

// The row's text in language 0..2, lines joined with NewLine; "" for other languages.
QString CaptionRowText(const CaptionRow &row, int languageNr);

// The caption (CaptionProperty::Caption) of a control in language 0..2 as the
// tables give it; "" when the control has no caption row or the language is unknown.
QString CaptionLookup(const QString &control, int languageNr);
