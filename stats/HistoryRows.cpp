#include "stats/HistoryRows.h"

#include "core/LocalisedTexts.h"
#include "questionbank/clsQuestion.h"
#include "training/QuestionSetBuild.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace {

// Digits at text[from, from + count), or -1.
int DigitsAt(const QString &text, int from, int count)
{
    int value = 0;
    for (int i = from; i < from + count; ++i) {
        const ushort c = text.at(i).unicode();
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

QString TimeFormatWithoutZone(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

// "<name> <n>.<n>...": the name and the numbers, or false.
bool VersionSplit(const QString &text, QString &name, QList<qint64> &numbers)
{
    static const QRegularExpression form(QStringLiteral("^(.*\\S)\\s+(\\d+(?:\\.\\d+)*)$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return false;
    name = m.captured(1);
    numbers.clear();
    for (const QString &part : m.captured(2).split(QLatin1Char('.'))) {
        bool ok = false;
        const qint64 n = part.toLongLong(&ok);
        if (!ok)
            return false;
        numbers << n;
    }
    return true;
}

} // namespace

QString HistoryDateText(const QString &storedText)
{
    // "yyyy-MM-dd HH:mm:ss"
    if (storedText.size() != 19 || storedText.at(4) != QLatin1Char('-') || storedText.at(7) != QLatin1Char('-')
        || storedText.at(10) != QLatin1Char(' ') || storedText.at(13) != QLatin1Char(':')
        || storedText.at(16) != QLatin1Char(':'))
        return storedText;
    const QDate date(DigitsAt(storedText, 0, 4), DigitsAt(storedText, 5, 2), DigitsAt(storedText, 8, 2));
    const QTime time(DigitsAt(storedText, 11, 2), DigitsAt(storedText, 14, 2), DigitsAt(storedText, 17, 2));
    if (!date.isValid() || !time.isValid())
        return storedText;
    static const QLocale locale = QLocale::system();
    static const QString timeFormat = TimeFormatWithoutZone(locale);
    return locale.toString(date, QLocale::ShortFormat) + QLatin1Char(' ') + locale.toString(time, timeFormat);
}

QString HistoryResultText(float percent)
{
    return QLocale::system().toString(static_cast<double>(percent)) + QStringLiteral(" %");
}

QColor HistoryResultColour(float percent)
{
    return percent >= 90.0f ? QColor(0, 255, 0) : QColor(255, 0, 0);
}

QString HistoryQuestionnaireText(int16_t themeNr, int16_t questionnaireNr)
{
    if (themeNr == -1 && questionnaireNr == 0)
        return TitleTexts[3];
    if (themeNr == -1 && questionnaireNr == 1)
        return TitleTexts[4];
    if (themeNr == DrawnSetThemeNr && questionnaireNr == MistakesQuestionnaireNr)
        return MistakesTitleText;
    return QString::number(questionnaireNr);
}

QString HistoryThemeText(int16_t themeNr, int16_t categoryNr, int16_t languageNr)
{
    if (themeNr < 4 || !objQuestion)
        return QString();
    return objQuestion->ThemeNames(themeNr, categoryNr, languageNr);
}

QString HistoryDurationText(int32_t seconds)
{
    if (seconds == 0)
        return QString();
    const qint64 s = seconds < 0 ? -qint64(seconds) : qint64(seconds);
    return QStringLiteral("%1%2:%3").arg(seconds < 0 ? QStringLiteral("-") : QString()).arg(s / 60)
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

bool ProgramVersionBefore(const QString &version, const QString &reference)
{
    QString name, referenceName;
    QList<qint64> numbers, referenceNumbers;
    if (!VersionSplit(version, name, numbers) || !VersionSplit(reference, referenceName, referenceNumbers)
        || name != referenceName)
        return version < reference;
    const qsizetype parts = std::max(numbers.size(), referenceNumbers.size());
    for (qsizetype i = 0; i < parts; ++i) {
        const qint64 a = numbers.value(i, 0), b = referenceNumbers.value(i, 0);
        if (a != b)
            return a < b;
    }
    return false;
}

bool HistoryRecordReopenable(int16_t themeNr, const QString &programVersion)
{
    return themeNr != -1 || !ProgramVersionBefore(programVersion, HistoryOldestRebuildVersion);
}

// --- the grid's model ---------------------------------------------------------------

HistoryModel::HistoryModel(QObject *parent) : QAbstractTableModel(parent) {}

void HistoryModel::RowsSet(QuestionnaireStatList rows, const QStringList &titles, int16_t categoryNr,
                           int16_t languageNr)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_dateTexts.assign(m_rows.size(), QString());
    m_titles = titles;
    while (m_titles.size() < ColumnCount - 1)
        m_titles << QString();
    m_titles = m_titles.mid(0, ColumnCount - 1);
    m_titles << QStringLiteral("StatId");
    m_categoryNr = categoryNr;
    m_languageNr = languageNr;
    endResetModel();
}

const QuestionnaireStatListRow *HistoryModel::Record(int row) const
{
    return row >= 0 && row < RecordCount() ? &m_rows[static_cast<size_t>(row)] : nullptr;
}

int HistoryModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_rows.empty() ? 1 : RecordCount();
}

int HistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString HistoryModel::text(int row, int column) const
{
    const QuestionnaireStatListRow *r = Record(row);
    if (!r)
        return QString();
    switch (column) {
    case 0: {
        QString &date = m_dateTexts[static_cast<size_t>(row)];
        if (date.isNull())
            date = HistoryDateText(r->DateTimeText);
        return date;
    }
    case 1:
        return HistoryDurationText(r->Duration);
    case 2:
        return HistoryResultText(r->ResultPercent);
    case 3:
        return HistoryQuestionnaireText(r->ThemeNr, r->QuestionnaireNr);
    case 4:
        return HistoryThemeText(r->ThemeNr, m_categoryNr, m_languageNr);
    case StatIdColumn:
        return QString::number(r->StatId);
    default:
        return QString();
    }
}

QVariant HistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row(), column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(row, column);
    case Qt::TextAlignmentRole:
        return static_cast<int>(column == 4 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    case Qt::BackgroundRole:
        if (column == 2)
            if (const QuestionnaireStatListRow *r = Record(row))
                return HistoryResultColour(r->ResultPercent);
        return {};
    default:
        return {};
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= m_titles.size())
        return {};
    return m_titles[section];
}
