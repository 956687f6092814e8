#include "shell/captions/CaptionTables.h"

#include "core/modMain.h"

const std::vector<const CaptionTable *> &CaptionTables()
{
    static const std::vector<const CaptionTable *> tables = {
        &CaptionsLogin, &CaptionsPractice, &CaptionsThemes, &CaptionsQA,
        &CaptionsGrade, &CaptionsHistory,  &CaptionsAdmin,  &CaptionsLanguage,
    };
    return tables;
}

QString CaptionRowText(const CaptionRow &row, int languageNr)
{
    if (languageNr < 0 || languageNr > 2)
        return QString();
    QString text;
    const CaptionLines &lines = row.text[languageNr];
    for (int i = 0; i < 3 && lines.line[i]; ++i) {
        if (i > 0)
            text += NewLine;
        text += QString::fromUtf8(lines.line[i]);
    }
    return text;
}

QString CaptionLookup(const QString &control, int languageNr)
{
    for (const CaptionTable *table : CaptionTables())
        for (std::size_t i = 0; i < table->count; ++i) {
            const CaptionRow &row = table->rows[i];
            if (row.property == CaptionProperty::Caption && control == QLatin1String(row.control))
                return CaptionRowText(row, languageNr);
        }
    return QString();
}
