#pragma once
// The answer, reveal and navigation rules of the question screen, kept apart
// from the widgets: they work on SetRecord and the current selectors only.
// Also the few file-name and text rules shared by the question and grade
// screens, and the way back to the practice menu.
#include <QColor>
#include <QString>
#include <cstdint>

class QWidget;

namespace QAState {

// True when CurrentIndex names a position of the running set.
bool PositionValid();

// CurrentAnswer = UserAnswers(CurrentIndex).
void AnswerLoad();
// CurrentAnswer and UserAnswers(CurrentIndex) take the letter.
void AnswerStore(const QString &letter);
// 1 -> 2 only when the new letter differs from the stored answer and is the
// right one; states 0 and 2 never change here.
void RevealStateUpdate(const QString &letter, const QString &rightAnswer);
// The right answer was shown: 0 -> 1, other states stay.
void RevealMark();
// Position after / before CurrentIndex, wrapping around the set.
int32_t NextIndex();
int32_t PrevIndex();
// Every position of the set has an answer.
bool AllAnswered();
// 0, 1, 2 for "a", "b", "c"; -1 for any other text.
int AnswerIndexOf(const QString &letter);

// Picture of a question: PicturePath + number "0000" + ".jpg", else ".bmp";
// "" when neither exists.
QString PictureFileFind(int32_t pictureNr);
// Book cover: PicturePath + number "0000" + ".bmp" (the number is stored as text).
QString BookPictureFile(const QString &bookPictureNr);
// Page text of a book page: "" stays "", "?" asks for an explanation,
// anything else is the page word and the page, joined by the separator.
QString BookPageText(const QString &page, const QString &pageWord, const QString &separator);
// Book after the current one; anything outside 1..max becomes 1.
int16_t BookNrNext(int16_t current, int16_t max);
// Left edge of the right-aligned question strip for count questions.
int StripLeft(int anchor, int count, int buttonWidth);

// Deletes this program's scratch files in the temporary directory.
void ScratchFilesKill();
// Leaves a set for the practice menu: scratch files, lesson and theme
// colours, the question number box emptied, the menu in front.
void PracticeMenuReturn();

// The neutral colour of buttons, and the back colour of a control.
QColor ButtonFace();
void BackColorSet(QWidget *widget, const QColor &color);
QColor BackColor(const QWidget *widget);

} // namespace QAState
