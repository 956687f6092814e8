#pragma once
// Writes every caption, tag and tool tip of the main window in the language
// CurrentLanguageNr and fills the localised texts held in variables.
#include <QString>

class QWidget;

// Window title, caption tables, localised texts, question strip tool tips and
// the captions of the language buttons. Controls missing from the window are
// skipped. A language outside 0..2 changes only the window title.
void FormTextUpdate(QWidget *mainWindow);

// The window title: ProgramVersionText, plus " - Database Version " and
// QuestionDbVersionText when that is not empty.
QString MainWindowTitle();

// Caption of every cmdLanguage button, the same in every language.
QString LanguageButtonCaption();

// The main window holding the registered screens, or nullptr.
QWidget *ShellMainWindow();
