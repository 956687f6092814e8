#include "training/QuestionSetBuild.h"

#include "userdb/clsUser.h"

#include "core/AppState.h"
#include "core/Seams.h"
#include "core/clsDebug.h"
#include "core/modMain.h"
#include "questionbank/clsQuestion.h"
#include "training/QuestionSet.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

namespace {

void LogLine(const QString &text)
{
    if (objDebug)
        objDebug->LogPrint(text);
}

int HexDigitValue(QChar c)
{
    const ushort u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

double RoundHalfEven(double value)
{
    // nearbyint follows the current rounding mode; make sure it is the
    // default "to nearest, halves to even".
    const int previous = std::fegetround();
    if (previous != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    if (previous != FE_TONEAREST)
        std::fesetround(previous);
    return r;
}

// Every question number of the category, ascending, except those already in
// the set. One seek per possible number: used only when random draws keep
// missing.
QVector<int32_t> CategoryQuestionsList(int32_t questionNrMax, const QVector<int32_t> &taken)
{
    QVector<int32_t> found;
    for (int32_t n = 1; n <= questionNrMax; ++n) {
        if (std::find(taken.cbegin(), taken.cend(), n) != taken.cend())
            continue;
        CurrentQuestionNr = n;
        objQuestion->QuestionNrSeek();
        if (objQuestion->QuestionNr != 0)
            found.append(n);
    }
    return found;
}

} // namespace

double TextLeadingNumber(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            s.append(c);
    int i = 0;
    const int n = static_cast<int>(s.size());
    QString number;
    if (i < n && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        number.append(s[i++]);
    bool digits = false;
    while (i < n && s[i].unicode() >= '0' && s[i].unicode() <= '9') {
        number.append(s[i++]);
        digits = true;
    }
    if (i < n && s[i] == QLatin1Char('.')) {
        number.append(s[i++]);
        while (i < n && s[i].unicode() >= '0' && s[i].unicode() <= '9') {
            number.append(s[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0.0;
    if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E') || s[i] == QLatin1Char('d')
                  || s[i] == QLatin1Char('D'))) {
        int j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            exponent.append(s[j++]);
        bool expDigits = false;
        while (j < n && s[j].unicode() >= '0' && s[j].unicode() <= '9') {
            exponent.append(s[j++]);
            expDigits = true;
        }
        if (expDigits)
            number.append(exponent);
    }
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

int16_t RoundToInt16(double value)
{
    const double r = RoundHalfEven(value);
    if (std::isnan(r))
        return 0;
    return static_cast<int16_t>(std::clamp(r, -32768.0, 32767.0));
}

int32_t RoundToInt32(double value)
{
    const double r = RoundHalfEven(value);
    if (std::isnan(r))
        return 0;
    return static_cast<int32_t>(std::clamp(r, static_cast<double>(std::numeric_limits<int32_t>::min()),
                                           static_cast<double>(std::numeric_limits<int32_t>::max())));
}

int32_t QuestionListCount(const QString &questions)
{
    return static_cast<int32_t>(RoundHalfEven(static_cast<double>(questions.size()) / 4.0));
}

QVector<int32_t> QuestionListParse(const QString &questions)
{
    const int32_t count = QuestionListCount(questions);
    QVector<int32_t> list(count, 0);
    for (int32_t i = 0; i < count; ++i) {
        int32_t value = 0;
        for (int32_t k = 4 * i; k < 4 * i + 4 && k < questions.size(); ++k) {
            const int d = HexDigitValue(questions[k]);
            if (d < 0)
                break;
            value = value * 16 + d;
        }
        list[i] = value;
    }
    return list;
}

QVector<int16_t> MaxqptParse(const QString &value, int16_t themeNameNrMax, int16_t unlimitedValue)
{
    QVector<int16_t> quota(std::max<int>(themeNameNrMax, 0) + 1, unlimitedValue);
    QString rest = value;
    if (!rest.endsWith(QLatin1Char(';')))
        rest.append(QLatin1Char(';'));
    int t = 4;
    while (!rest.isEmpty() && t <= themeNameNrMax) {
        const int cut = static_cast<int>(rest.indexOf(QLatin1Char(';')));
        quota[t] = RoundToInt16(TextLeadingNumber(rest.left(cut)));
        rest = rest.mid(cut + 1);
        ++t;
    }
    return quota;
}

int32_t QuestionSetDraw(const std::function<void(int32_t)> &progress)
{
    if (!objQuestion || CurrentCategoryNr < 0 || CurrentCategoryNr > 3) {
        SetRecord.Redim(0);
        Seams::Beep();
        return 0;
    }
    const int32_t count = std::max<int32_t>(ExamQuestionCount[CurrentCategoryNr], 0);
    SetRecord.Redim(count);
    if (count == 0) {
        Seams::Beep();
        return 0;
    }

    // Quotas per theme.
    bool quotasOn = false;
    QVector<int16_t> themeQuota;
    const QString iniFile = INIFileName();
    const QString maxqpt = GetINIvalue(iniFile, QStringLiteral("Config"), QStringLiteral("MAXQPT"));
    if (maxqpt == QLatin1String("NotFound")) {
        LogLine(QStringLiteral("Warning : MAXQPT Parameter in ") + iniFile + QStringLiteral(" is missing !"));
    } else {
        quotasOn = true;
        themeQuota = MaxqptParse(maxqpt, objQuestion->ThemeNameNrMax(), static_cast<int16_t>(count));
    }

    Seams::RandomSeedFromClock();
    const int32_t questionNrMax = objQuestion->QuestionNrMax();
    int32_t attempts = 0;
    QVector<int32_t> drawn;
    drawn.reserve(count);
    bool listed = false;          // the category has been listed (DrawScanAttempts reached)
    QVector<int32_t> remaining;   // its questions not drawn yet

    bool exhausted = questionNrMax < 1;
    for (int32_t i = 1; i <= count && !exhausted; ++i) {
        for (;;) {
            ++attempts;
            if (progress)
                progress(i);
            const double r = Seams::RandomUniform();
            int32_t candidate = 0;
            bool accepted = false;
            if (!listed) {
                const double pick = std::floor(r * questionNrMax + 1.0);
                candidate = static_cast<int32_t>(std::clamp(pick, 1.0, static_cast<double>(questionNrMax)));
                CurrentQuestionNr = candidate;
                objQuestion->QuestionNrSeek();
                if (objQuestion->QuestionNr != 0
                    && std::find(drawn.cbegin(), drawn.cend(), candidate) == drawn.cend()) {
                    if (!quotasOn) {
                        accepted = true;
                    } else {
                        const int theme = objQuestion->ThemeNr;
                        if (theme < 0 || theme >= themeQuota.size()) {
                            accepted = true;   // a theme the quota table does not know is not limited
                        } else if (themeQuota[theme] > 0) {
                            --themeQuota[theme];
                            accepted = true;
                        }
                    }
                }
            } else {
                // Listed category: every pick is a question of the category
                // not drawn yet, chosen uniformly like the draws before. When
                // the list runs out, the category has nothing left to give.
                if (remaining.isEmpty()) {
                    exhausted = true;
                    break;
                }
                const int idx = std::clamp(static_cast<int>(r * remaining.size()), 0,
                                           static_cast<int>(remaining.size()) - 1);
                candidate = remaining.takeAt(idx);
                CurrentQuestionNr = candidate;
                objQuestion->QuestionNrSeek();
                accepted = true;
            }
            if (quotasOn && attempts > MaxDrawAttempts) {
                quotasOn = false;
                LogLine(QStringLiteral("Warning : MAXQPT Parameter in ") + iniFile
                        + QStringLiteral(" is not correctly set !"));
            }
            if (accepted) {
                drawn.append(candidate);
                break;
            }
            if (!listed && attempts > DrawScanAttempts) {
                remaining = CategoryQuestionsList(questionNrMax, drawn);
                listed = true;
                if (remaining.isEmpty()) {
                    exhausted = true;
                    break;
                }
            }
        }
    }

    if (drawn.size() < count) {
        if (drawn.isEmpty())
            LogLine(QStringLiteral("Warning : Category %1 holds no question, no set drawn !")
                        .arg(CurrentCategoryNr));
        else
            LogLine(QStringLiteral("Warning : Category %1 holds only %2 questions, the set has %2 questions !")
                        .arg(CurrentCategoryNr)
                        .arg(drawn.size()));
        SetRecord.Redim(static_cast<int32_t>(drawn.size()));
    }
    for (int32_t i = 1; i <= SetRecord.QuestionCount; ++i) {
        SetRecord.QList[i] = drawn[i - 1];
        SetRecord.UserAnswers[i] = QString();
        SetRecord.RevealState[i] = 0;
    }
    if (SetRecord.QuestionCount == 0)
        Seams::Beep();
    return SetRecord.QuestionCount;
}

int32_t ExamOrMixSetBuild(uint8_t questionMode, int16_t questionnaireNr, int32_t titleKind,
                          const std::function<void(int32_t)> &progress)
{
    SetRecord.QuestionMode = questionMode;
    CurrentThemeNr = -1;
    CurrentQuestionnaireNr = questionnaireNr;
    SetRecord.TitleInfo = TitleInfoRecord{0, 0, titleKind, 0};
    QuestionnaireTitleSet();
    return QuestionSetDraw(progress);
}

int32_t MistakesSetBuild()
{
    SetRecord.QuestionMode = QuestionModePractice;
    CurrentThemeNr = DrawnSetThemeNr;
    CurrentQuestionnaireNr = MistakesQuestionnaireNr;
    SetRecord.TitleInfo = TitleInfoRecord{0, 0, TitleKindMistakes, 0};
    QuestionnaireTitleSet();
    SetRecord.QuestionsSet(objUser ? objUser->QuestionStatWrongLastList(MistakesQuestionMax) : QVector<int32_t>());
    return SetRecord.QuestionCount;
}

bool SingleQuestionSetBuild(const QString &numberText)
{
    const int32_t n = RoundToInt32(TextLeadingNumber(numberText));
    CurrentQuestionNr = n;
    if (!objQuestion)
        return false;
    objQuestion->QuestionNrSeek();
    if (objQuestion->QuestionNr == 0)
        return false;
    SetRecord.QuestionMode = QuestionModeSingle;
    SetRecord.Redim(1);
    SetRecord.TitleInfo = TitleInfoRecord{1, n, 5, 0};
    QuestionnaireTitleSet();
    SetRecord.QList[1] = n;
    SetRecord.UserAnswers[1] = QString();
    SetRecord.CurrentIndex = 1;
    return true;
}

namespace {

// A predefined questionnaire of the bank (CurrentThemeNr,
// CurrentQuestionnaireNr) as a practice set with the given title.
int32_t StoredQuestionnaireSetBuild(const TitleInfoRecord &title)
{
    SetRecord.QuestionMode = QuestionModePractice;
    SetRecord.TitleInfo = title;
    QuestionnaireTitleSet();
    QString q;
    if (objQuestion) {
        objQuestion->QuestionnaireGet();
        q = objQuestion->QuestionnaireQuestions;
    }
    SetRecord.QuestionsSet(QuestionListParse(q));
    return SetRecord.QuestionCount;
}

} // namespace

int32_t LessonSetBuild(int index)
{
    CurrentThemeNr = CurrentCategoryNr;
    CurrentQuestionnaireNr = static_cast<int16_t>(index + 1);
    return StoredQuestionnaireSetBuild(TitleInfoRecord{0, index + 1, 5, 0});
}

int32_t ThemeQuestionnaireSetBuild(int16_t themeNr, int16_t questionnaireNr)
{
    CurrentThemeNr = themeNr;
    CurrentQuestionnaireNr = questionnaireNr;
    return StoredQuestionnaireSetBuild(TitleInfoRecord{0, questionnaireNr, 2, themeNr});
}
