#include "stats/StatsRules.h"

#include "core/LocalisedTexts.h"
#include "stats/StatsTexts.h"

#include <QApplication>
#include <QLocale>
#include <QPalette>

QString BestResultText(float best)
{
    const QLocale locale = QLocale::system();
    QString text = locale.toString(static_cast<double>(best), 'f', 1);
    if (text.endsWith(QLatin1Char('0')))
        text = locale.toString(static_cast<double>(best), 'f', 0);
    return text;
}

BestResultColour BestResultColourOf(int32_t count, float best)
{
    if (count == 0)
        return BestResultColour::Plain;
    if (best >= 90.0f)
        return BestResultColour::Green;
    if (best >= 80.0f)
        return BestResultColour::Orange;
    return BestResultColour::Red;
}

QColor BestResultColourValue(BestResultColour colour)
{
    switch (colour) {
    case BestResultColour::Green:
        return QColor(0, 255, 0);
    case BestResultColour::Orange:
        return QColor(255, 128, 0);
    case BestResultColour::Red:
        return QColor(255, 0, 0);
    case BestResultColour::Plain:
        break;
    }
    return QApplication::palette().color(QPalette::Button);
}

BestResultFace BestResultFaceOf(int32_t count, float best)
{
    BestResultFace face;
    face.colour = BestResultColourOf(count, best);
    if (count == 0) {
        face.toolTip = StatsNeverDone;
        return face;
    }
    face.tag = BestResultText(best);
    face.toolTip = StatsDonePrefix + QString::number(count) + StatsDoneMiddle + face.tag + StatsPercentSign;
    return face;
}

QString BestResultComment(const QString &tag)
{
    if (tag.isEmpty())
        return StatsNoResult;
    bool ok = false;
    double value = QLocale::system().toDouble(tag, &ok);
    if (!ok)
        value = tag.toDouble();
    if (value >= 90.0)
        return StatsOk;
    if (value >= 80.0)
        return StatsAlmostOk;
    return StatsInsufficient;
}

ExamReadiness ExamReadinessOf(const QVector<float> &lastResults)
{
    ExamReadiness r;
    r.examined = static_cast<int>(std::min<qsizetype>(lastResults.size(), 5));
    int streak = 0;
    bool streakOn = true;
    for (int i = 0; i < r.examined; ++i) {
        const bool pass = lastResults[i] >= 90.0f;
        r.passed += pass;
        streakOn = streakOn && pass;
        streak += streakOn;
    }
    r.needed = std::max(0, 3 - streak);
    return r;
}

QString ExamReadinessText(const ExamReadiness &readiness, int languageNr)
{
    if (readiness.needed == 0)
        return StatsText(StatsTextId::ReadinessReady, languageNr).arg(readiness.passed).arg(readiness.examined);
    return StatsText(StatsTextId::ReadinessNeeded, languageNr)
        .arg(readiness.passed)
        .arg(readiness.examined)
        .arg(readiness.needed);
}
