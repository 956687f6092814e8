#pragma once
// Names that assistive technology reads for the controls of the main window
// whose caption does not say what they are ("<<", "⌫", a password box).
class QWidget;

// Names every such control of the window in the language (0..2).
void AccessibleNamesUpdate(QWidget *mainWindow, int languageNr);
