// FormTextUpdate on a window built here: the window title, an unknown
// language and a window without the screens' controls. Every caption of the
// real main window is checked with the screens' fit.
#include "TestSupport.h"
#include "core/LocalisedTexts.h"
#include "shell/FormTextUpdate.h"

#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

void apply(QWidget *w, int languageNr)
{
    CurrentLanguageNr = static_cast<int16_t>(languageNr);
    FormTextUpdate(w);
}

} // namespace

class TestFormTextUpdate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void titleUnknownLanguageAndMissingControls();
};

void TestFormTextUpdate::titleUnknownLanguageAndMissingControls()
{
    TestSupport::Sandbox sb;
    QWidget w;
    auto *practice = new QGroupBox(&w);
    practice->setObjectName(QStringLiteral("framePractice"));
    auto *language = new QPushButton(practice);
    language->setObjectName(QStringLiteral("cmdLanguage_2"));
    auto *strip = new QToolButton(practice);
    strip->setObjectName(QStringLiteral("chkQuestion_3"));
    ProgramVersionText = QStringLiteral("Velko 2.1.7");
    apply(&w, 0);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velko 2.1.7"));
    language->setText(QStringLiteral("untouched"));

    // An unknown language changes the title and nothing else.
    QuestionDbVersionText = QStringLiteral("2026-03");
    apply(&w, 3);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velko 2.1.7 - Database Version 2026-03"));
    QCOMPARE(practice->title(), QStringLiteral("Lernen"));
    QCOMPARE(language->text(), QStringLiteral("untouched"));
    QCOMPARE(strip->toolTip(), QStringLiteral("Frage 4"));

    // A window without the screens' controls only gets its title.
    QWidget bare;
    apply(&bare, 1);
    QCOMPARE(bare.windowTitle(), QStringLiteral("Velko 2.1.7 - Database Version 2026-03"));
}

QTEST_MAIN(TestFormTextUpdate)
#include "tst_formtextupdate.moc"
