#pragma once
// Keeps a shown password off the clipboard: copy and cut keys and the
// context menu of the text box do nothing.
#include <QObject>

class QLineEdit;

class PasswordCopyBlock : public QObject
{
    Q_OBJECT
public:
    // Installs itself on the box and lives as long as the box.
    static void Install(QLineEdit *box);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
