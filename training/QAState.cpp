#include "training/QAState.h"

#include "core/AppState.h"
#include "core/LocalisedTexts.h"
#include "core/Screens.h"
#include "core/modMain.h"
#include "training/QuestionSet.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace QAState {

bool PositionValid()
{
    const int32_t i = SetRecord.CurrentIndex;
    return i >= 1 && i <= SetRecord.QuestionCount && i < SetRecord.QList.size()
        && i < SetRecord.UserAnswers.size() && i < SetRecord.RevealState.size();
}

void AnswerLoad()
{
    SetRecord.CurrentAnswer = PositionValid() ? SetRecord.UserAnswers[SetRecord.CurrentIndex] : QString();
}

void AnswerStore(const QString &letter)
{
    SetRecord.CurrentAnswer = letter;
    if (PositionValid())
        SetRecord.UserAnswers[SetRecord.CurrentIndex] = letter;
}

void RevealStateUpdate(const QString &letter, const QString &rightAnswer)
{
    if (!PositionValid())
        return;
    const int32_t i = SetRecord.CurrentIndex;
    if (SetRecord.RevealState[i] == 1 && letter != SetRecord.UserAnswers[i] && letter == rightAnswer)
        SetRecord.RevealState[i] = 2;
}

void RevealMark()
{
    if (PositionValid() && SetRecord.RevealState[SetRecord.CurrentIndex] == 0)
        SetRecord.RevealState[SetRecord.CurrentIndex] = 1;
}

int32_t NextIndex()
{
    const int32_t next = SetRecord.CurrentIndex + 1;
    return next > SetRecord.QuestionCount ? 1 : next;
}

int32_t PrevIndex()
{
    const int32_t prev = SetRecord.CurrentIndex - 1;
    return prev < 1 ? SetRecord.QuestionCount : prev;
}

bool AllAnswered()
{
    for (int32_t i = 1; i <= SetRecord.QuestionCount && i < SetRecord.UserAnswers.size(); ++i)
        if (SetRecord.UserAnswers[i].isEmpty())
            return false;
    return true;
}

int AnswerIndexOf(const QString &letter)
{
    for (int i = 0; i < 3; ++i)
        if (!AnswerLetters[i].isEmpty() && letter == AnswerLetters[i])
            return i;
    return -1;
}

static QString Format0000(int32_t n)
{
    return n < 0 ? QStringLiteral("-%1").arg(-static_cast<int64_t>(n), 4, 10, QLatin1Char('0'))
                 : QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

QString PictureFileFind(int32_t pictureNr)
{
    const QString base = PicturePath + Format0000(pictureNr);
    if (FileExists(base + QStringLiteral(".jpg")))
        return base + QStringLiteral(".jpg");
    if (FileExists(base + QStringLiteral(".bmp")))
        return base + QStringLiteral(".bmp");
    return QString();
}

QString BookPictureFile(const QString &bookPictureNr)
{
    bool ok = false;
    const int n = bookPictureNr.trimmed().toInt(&ok);
    return PicturePath + (ok ? Format0000(n) : bookPictureNr) + QStringLiteral(".bmp");
}

QString BookPageText(const QString &page, const QString &pageWord, const QString &separator)
{
    if (page.isEmpty())
        return QString();
    if (page == QStringLiteral("?"))
        return AskExplanationText1 + separator + AskExplanationText2;
    return pageWord + separator + page;
}

int16_t BookNrNext(int16_t current, int16_t max)
{
    const int next = current + 1;
    return (next < 1 || next > max) ? int16_t(1) : static_cast<int16_t>(next);
}

int StripLeft(int anchor, int count, int buttonWidth)
{
    const int n = count < 40 ? count : 40;
    return anchor - n * buttonWidth + buttonWidth;
}

void ScratchFilesKill()
{
    FilesKill(TempDirectory() + QStringLiteral("*.tmp"));
}

void PracticeMenuReturn()
{
    ScratchFilesKill();
    MainProcs::Call(MainProcs::framePracticeStatsShow);
    MainProcs::Call(MainProcs::frameThemesStatsShow);
    if (QWidget *practice = ScreenFrame(Screen::Practice)) {
        if (auto *box = practice->findChild<QLineEdit *>(QStringLiteral("txtPracticeQuestion")))
            box->clear();
        else if (QWidget *other = practice->findChild<QWidget *>(QStringLiteral("txtPracticeQuestion")))
            other->setProperty("text", QString());
    }
    Frame_OnTop(Screen::Practice, true);
}

QColor ButtonFace()
{
    return QApplication::palette().color(QPalette::Button);
}

void BackColorSet(QWidget *widget, const QColor &color)
{
    if (!widget)
        return;
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Button, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QColor BackColor(const QWidget *widget)
{
    return widget ? widget->palette().color(QPalette::Window) : QColor();
}

} // namespace QAState
