#pragma once
// The dialog of an installed program's first start: the administrator's new
// password, typed twice, in the interface language.
#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

class formFirstStart : public QDialog
{
    Q_OBJECT
public:
    explicit formFirstStart(int16_t languageNr, QWidget *parent = nullptr);

    QString Password() const;

    QLineEdit *txtPassword = nullptr;
    QLineEdit *txtPasswordAgain = nullptr;
    QLabel *lblProblem = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

public Q_SLOTS:
    void cmdOK_Click();

private:
    int16_t m_languageNr;
};
