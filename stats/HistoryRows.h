#pragma once
// What the questionnaire history shows, kept apart from the grid: the rows of
// the stored questionnaires, their texts and colours, and the rule that
// tells which stored examinations can be rebuilt.
#include "userdb/UserStatRows.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringList>
#include <cstdint>

// The platform's default date-and-time text (short date, time with seconds)
// of a date-time stored as "yyyy-MM-dd HH:mm:ss"; a text of another form is
// shown as stored. No local-time lookup is made.
QString HistoryDateText(const QString &storedText);
// The result as the platform's default number text followed by " %".
QString HistoryResultText(float percent);
// Green (0, 255, 0) at 90 or more, red (255, 0, 0) below.
QColor HistoryResultColour(float percent);
// Questionnaire column: "MIX" (TitleTexts 3) for a mixed set, the
// examination word (TitleTexts 4) for an examination, else the number.
QString HistoryQuestionnaireText(int16_t themeNr, int16_t questionnaireNr);
// Theme column: the theme's name in the category and language for themes 4
// and up, else empty.
QString HistoryThemeText(int16_t themeNr, int16_t categoryNr, int16_t languageNr);
// Duration column: empty for 0 (the program stores none), else minutes and
// seconds "m:ss".
QString HistoryDurationText(int32_t seconds);

// True when the program version text sorts before the reference. Texts of
// the form "<name> <n>.<n>..." with the same name are compared by their
// numbers, part by part ("Velko 1.10.0" comes after "Velko 1.3.16"); any
// other text is compared character by character.
bool ProgramVersionBefore(const QString &version, const QString &reference);
// The oldest program version whose examinations and mixed sets can be
// rebuilt from their question records.
inline const QString HistoryOldestRebuildVersion = QStringLiteral("Velko 1.3.16");
// Whether a stored questionnaire can be reopened: examinations and mixed
// sets (theme -1) stored before HistoryOldestRebuildVersion cannot.
bool HistoryRecordReopenable(int16_t themeNr, const QString &programVersion);

// The history grid's rows: the six columns of the screen (date, duration,
// result, questionnaire, theme, StatId), titles in the header. With no
// record it holds one empty row. Date texts are made for the rows shown only.
class HistoryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int ColumnCount = 6;
    static constexpr int StatIdColumn = 5;

    explicit HistoryModel(QObject *parent = nullptr);

    // Takes the rows (newest first), the column titles (five, "StatId" is
    // added) and the category and language of the theme names.
    void RowsSet(QuestionnaireStatList rows, const QStringList &titles, int16_t categoryNr, int16_t languageNr);
    bool IsEmpty() const { return m_rows.empty(); }
    int RecordCount() const { return static_cast<int>(m_rows.size()); }
    // The record of a row (0-based), or nullptr.
    const QuestionnaireStatListRow *Record(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(int row, int column) const;

    QuestionnaireStatList m_rows;
    mutable std::vector<QString> m_dateTexts;   // made on first display
    QStringList m_titles;
    int16_t m_categoryNr = 0;
    int16_t m_languageNr = 0;
};
