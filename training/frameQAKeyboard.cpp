// The question screen for the keyboard and for assistive technology: keys
// that answer and move, the tab order, and the names that say what each
// control is.
#include "training/frameQA.h"

#include "core/AccessibleTexts.h"
#include "core/AppState.h"
#include "core/Keyboard.h"
#include "core/LocalisedTexts.h"
#include "core/PictureViewer.h"
#include "training/QAState.h"
#include "training/QuestionSet.h"

#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace {

bool Press(QPushButton *b)
{
    if (!b || !b->isVisible() || !b->isEnabled())
        return false;
    b->click();
    return true;
}

// The option of an answer key: a, b, c or 1, 2, 3; -1 for other keys.
int AnswerKeyIndex(const QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return -1;
    switch (event->key()) {
    case Qt::Key_A: case Qt::Key_1: return 0;
    case Qt::Key_B: case Qt::Key_2: return 1;
    case Qt::Key_C: case Qt::Key_3: return 2;
    default: return -1;
    }
}

} // namespace

void frameQA::keyPressEvent(QKeyEvent *event)
{
    if (KeyHandle(event))
        event->accept();
    else
        QGroupBox::keyPressEvent(event);
}

bool frameQA::KeyHandle(QKeyEvent *event)
{
    const int index = AnswerKeyIndex(event);
    if (index >= 0) {
        if (!QAState::PositionValid() || !m_picboxQuestionAnswers->isVisible())
            return false;
        m_chkAnswer[index]->setFocus(Qt::ShortcutFocusReason);
        // In review the answer shown stays as it was given.
        if (SetRecord.QuestionMode == QuestionModeGraded || SetRecord.QuestionMode == QuestionModeHistory)
            AnswerOptionsShow();
        else if (SetRecord.CurrentAnswer != AnswerLetters[index])
            AnswerChoose(index);
        return true;
    }
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((key == Qt::Key_PageDown && modifiers == Qt::NoModifier) || (key == Qt::Key_Right && modifiers == Qt::AltModifier))
        return Press(m_cmdQANext);
    if ((key == Qt::Key_PageUp && modifiers == Qt::NoModifier) || (key == Qt::Key_Left && modifiers == Qt::AltModifier))
        return Press(m_cmdQAPrev);
    // Escape in review: back to the result (the quit button is hidden then).
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier
        && (SetRecord.QuestionMode == QuestionModeGraded || SetRecord.QuestionMode == QuestionModeHistory))
        return Press(m_cmdQAGrade);
    return false;
}

void frameQA::TabOrderUpdate()
{
    QList<QWidget *> order;
    for (QToolButton *b : std::as_const(m_chkQuestion))
        order << b;
    order << m_IHImgQAPicture;
    for (QRadioButton *option : m_chkAnswer)
        order << option;
    order << m_picboxQABook << m_cmdQAPrev << m_cmdQANext << m_cmdQARevealAnswer << m_cmdQAGrade
          << m_cmdQAQuit << m_cmdLanguage;
    TabOrderSet(order);
}

void frameQA::AccessibleTextsUpdate()
{
    const int languageNr = CurrentLanguageNr;
    const QString prefix = QuestionStripToolTipPrefix(languageNr);
    const QString answered = QStringLiteral(", ") + AccessibleText(AccessibleTextId::Answered);
    const QString current = QStringLiteral(", ") + AccessibleText(AccessibleTextId::Current);
    for (int i = 0; i < m_chkQuestion.size(); ++i) {
        const int position = i + 1;
        QString name;
        if (position <= SetRecord.QuestionCount) {
            name = prefix + QString::number(position);
            if (position < SetRecord.UserAnswers.size() && !SetRecord.UserAnswers[position].isEmpty())
                name += answered;
            if (position == SetRecord.CurrentIndex)
                name += current;
        }
        m_chkQuestion[i]->setAccessibleName(name);
    }
    for (int i = 0; i < 3; ++i)
        m_chkAnswer[i]->setAccessibleName(GradeGridHeaders[1] + QLatin1Char(' ') + AnswerLetters[i]
                                          + QStringLiteral(": ") + m_lblAnswer[i]->text());
    const QString picture = QFileInfo(m_IHImgQAPicture->FileName()).completeBaseName();
    m_IHImgQAPicture->setAccessibleName(AccessibleText(AccessibleTextId::Picture)
                                        + (picture.isEmpty() ? QString() : QLatin1Char(' ') + picture));
    m_picboxQABook->setAccessibleName(AccessibleText(AccessibleTextId::BookChange) + QStringLiteral(": ")
                                      + m_lblQABookTitle->text());
    m_picboxQABook->setAccessibleDescription(QString(m_lblQABookPage->text()).replace(QLatin1Char('\n'),
                                                                                       QLatin1Char(' ')));
}
