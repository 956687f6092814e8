// FormTextUpdate on a window built here: every caption table in the three
// languages, multi-line captions, the window title, an unknown language, the
// language buttons and the question strip tool tips.
#include "TestSupport.h"
#include "core/LocalisedTexts.h"
#include "shell/FormTextUpdate.h"
#include "shell/captions/CaptionTables.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>
#include <memory>

namespace {

QString lines(std::initializer_list<const char *> parts)
{
    QStringList l;
    for (const char *p : parts)
        l << QString::fromUtf8(p);
    return l.join(NewLine);
}

// A widget of the kind the control's prefix names.
QWidget *makeControl(const QString &name, QWidget *parent)
{
    QWidget *w = nullptr;
    if (name == QLatin1String("tabAdmin")) {
        auto *tabs = new QTabWidget(parent);
        tabs->addTab(new QWidget, QStringLiteral("one"));
        tabs->addTab(new QWidget, QStringLiteral("two"));
        w = tabs;
    } else if (name.startsWith(QLatin1String("frame"))) {
        w = new QGroupBox(parent);
    } else if (name.startsWith(QLatin1String("cmd"))) {
        w = new QPushButton(parent);
    } else if (name.startsWith(QLatin1String("chkQuestion"))) {
        w = new QCheckBox(parent);
    } else if (name.startsWith(QLatin1String("chk"))) {
        w = new QRadioButton(parent);
    } else {
        w = new QLabel(parent);   // lbl..., IHImg... picture areas
    }
    w->setObjectName(name);
    return w;
}

// A main window with every control of every table, half of them nested one
// level deeper, plus the question strip and the language buttons.
std::unique_ptr<QWidget> buildFullWindow()
{
    auto window = std::make_unique<QWidget>();
    auto *nested = new QWidget(window.get());
    nested->setObjectName(QStringLiteral("picboxNested"));
    int n = 0;
    for (const CaptionTable *table : CaptionTables())
        for (std::size_t i = 0; i < table->count; ++i) {
            const QString name = QString::fromLatin1(table->rows[i].control);
            if (!window->findChild<QWidget *>(name))
                makeControl(name, (n++ % 2) ? nested : window.get());
        }
    for (int i = 0; i < 40; ++i)
        makeControl(QStringLiteral("chkQuestion_%1").arg(i), nested);
    for (int i = 0; i < 7; ++i)
        makeControl(QStringLiteral("cmdLanguage_%1").arg(i), i % 2 ? nested : window.get());
    return window;
}

template <class T>
T *find(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("control %s missing", name);
    return c;
}

QString shownText(QWidget *w, const CaptionRow &row)
{
    switch (row.property) {
    case CaptionProperty::Caption:
        if (auto *g = qobject_cast<QGroupBox *>(w))
            return g->title();
        return w->property("text").toString();
    case CaptionProperty::Tag:
        return w->property("Tag").toString();
    case CaptionProperty::ToolTip:
        return w->toolTip();
    case CaptionProperty::Tab:
        return qobject_cast<QTabWidget *>(w)->tabText(row.tab - 1);
    }
    return QString();
}

} // namespace

class TestFormTextUpdate : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyRowReachesItsControl_data();
    void everyRowReachesItsControl();
    void spotChecks();
    void windowTitle();
    void unknownLanguageChangesOnlyTheTitle();
    void languageButtonsInEveryLanguage();
    void questionStripToolTips();
    void missingControlsAreSkipped();
    void lookupOfCaptions();
};

void TestFormTextUpdate::everyRowReachesItsControl_data()
{
    QTest::addColumn<int>("language");
    QTest::newRow("German") << 0;
    QTest::newRow("French") << 1;
    QTest::newRow("Italian") << 2;
}

void TestFormTextUpdate::everyRowReachesItsControl()
{
    QFETCH(int, language);
    TestSupport::Sandbox sb;
    auto window = buildFullWindow();
    // Start from another language so that every text has to change.
    CurrentLanguageNr = static_cast<int16_t>((language + 1) % 3);
    FormTextUpdate(window.get());
    CurrentLanguageNr = static_cast<int16_t>(language);
    FormTextUpdate(window.get());

    int rows = 0;
    for (const CaptionTable *table : CaptionTables())
        for (std::size_t i = 0; i < table->count; ++i, ++rows) {
            const CaptionRow &row = table->rows[i];
            QWidget *w = window->findChild<QWidget *>(QString::fromLatin1(row.control));
            QVERIFY(w);
            const QString expected = CaptionRowText(row, language);
            QVERIFY2(!expected.isEmpty(), row.control);
            QCOMPARE(shownText(w, row), expected);
        }
    // 68 rows of the screen tables and the language screen's title.
    QCOMPARE(rows, 69);
    QCOMPARE(CaptionTables().size(), std::size_t(8));
}

void TestFormTextUpdate::spotChecks()
{
    TestSupport::Sandbox sb;
    auto window = buildFullWindow();
    QWidget *w = window.get();

    CurrentLanguageNr = 0;
    FormTextUpdate(w);
    QCOMPARE(find<QGroupBox>(w, "frameLoginPassword")->title(), QStringLiteral("Geben Sie Ihr Passwort ein :"));
    QCOMPARE(find<QGroupBox>(w, "frameLogin")->title(), QStringLiteral("Login"));
    QCOMPARE(find<QPushButton>(w, "cmdPracticeHistory")->text(), lines({"FRAGE-", "BÖGEN", "ARCHIV"}));
    QCOMPARE(find<QPushButton>(w, "cmdPracticeStatsShow")->text(), lines({"STATS", "ZEIGEN"}));
    QCOMPARE(find<QPushButton>(w, "cmdUserHistory")->text(), lines({"FRAGEBÖGEN", "ARCHIV"}));
    QCOMPARE(find<QLabel>(w, "lblQAQuestionNr")->property("Tag").toString(), QStringLiteral("Frage"));
    QCOMPARE(find<QLabel>(w, "IHImgPictureBig")->toolTip(), QStringLiteral("Klick = Normal Bild"));
    QCOMPARE(find<QTabWidget>(w, "tabAdmin")->tabText(0), QStringLiteral("Benützer Verwaltung"));
    QCOMPARE(find<QGroupBox>(w, "frameLanguage")->title(), QStringLiteral("Sprache / Langue / Lingua"));
    QCOMPARE(CategoryNames[0], QStringLiteral("C - Lastwagen"));

    CurrentLanguageNr = 1;
    FormTextUpdate(w);
    QCOMPARE(find<QGroupBox>(w, "frameLoginPassword")->title(), QStringLiteral("Introduisez votre mot de passe :"));
    QCOMPARE(find<QPushButton>(w, "cmdPracticeHistory")->text(), lines({"HISTORIQUE", "QUESTION-", "NAIRES"}));
    QCOMPARE(find<QPushButton>(w, "cmdPracticeStatsPrint")->text(), lines({"IMPRIMER", "STATS"}));
    QCOMPARE(find<QPushButton>(w, "cmdUserHistory")->text(), lines({"HISTORIQUE", "QUESTION-", "NAIRES"}));
    QCOMPARE(find<QPushButton>(w, "cmdPracticeThemes")->text(), QStringLiteral("THÈMES"));
    QCOMPARE(find<QRadioButton>(w, "chkUserActive_1")->text(), QStringLiteral("Désactivé"));
    QCOMPARE(find<QLabel>(w, "lblQABookPage")->property("Tag").toString(), QStringLiteral("Page"));
    QCOMPARE(find<QTabWidget>(w, "tabAdmin")->tabText(1), QStringLiteral("Configuration"));
    QCOMPARE(find<QGroupBox>(w, "frameLogin")->title(), QStringLiteral("Login"));
    QCOMPARE(CategoryNames[1], QStringLiteral("D - Car"));

    CurrentLanguageNr = 2;
    FormTextUpdate(w);
    QCOMPARE(find<QGroupBox>(w, "frameLoginPassword")->title(),
             QStringLiteral("Registrate la vostra parola d'ordine :"));
    QCOMPARE(find<QPushButton>(w, "cmdHistoryReview")->text(), lines({"MOSTRI", "QUESTIO-", "NARIO"}));
    QCOMPARE(find<QPushButton>(w, "cmdAdminQuit")->text(), lines({"USCIRE DAL", "PROGRAMMA"}));
    QCOMPARE(find<QPushButton>(w, "cmdUserHistory")->text(), lines({"ARCHIVIO", "QUESTIONARI"}));
    QCOMPARE(find<QLabel>(w, "IHImgQAPicture")->toolTip(), QStringLiteral("Clic = immagine grande"));
    QCOMPARE(find<QLabel>(w, "lblPicPath")->text(), QStringLiteral("Imagine :"));
    QCOMPARE(find<QTabWidget>(w, "tabAdmin")->tabText(0), QStringLiteral("Gestione utenti"));
    QCOMPARE(find<QGroupBox>(w, "frameAdmin")->title(), QStringLiteral("Amministrazione"));
    QCOMPARE(find<QGroupBox>(w, "frameLanguage")->title(), QStringLiteral("Sprache / Langue / Lingua"));
    QCOMPARE(CategoryNames[2], QStringLiteral("C1 - Servizio antincendio"));
    QCOMPARE(TitleTexts[4], QStringLiteral("ESAMI"));
}

void TestFormTextUpdate::windowTitle()
{
    TestSupport::Sandbox sb;
    QWidget w;
    ProgramVersionText = QStringLiteral("Velko 2.1.7");
    QuestionDbVersionText.clear();
    FormTextUpdate(&w);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velko 2.1.7"));
    QuestionDbVersionText = QStringLiteral("2026-03");
    FormTextUpdate(&w);
    QCOMPARE(w.windowTitle(), QStringLiteral("Velko 2.1.7 - Database Version 2026-03"));
    QCOMPARE(MainWindowTitle(), w.windowTitle());
}

void TestFormTextUpdate::unknownLanguageChangesOnlyTheTitle()
{
    TestSupport::Sandbox sb;
    auto window = buildFullWindow();
    QWidget *w = window.get();
    CurrentLanguageNr = 0;
    FormTextUpdate(w);
    find<QPushButton>(w, "cmdLanguage_2")->setText(QStringLiteral("untouched"));
    find<QCheckBox>(w, "chkQuestion_3")->setToolTip(QStringLiteral("untouched"));

    ProgramVersionText = QStringLiteral("Velko 9.9.9");
    QuestionDbVersionText = QStringLiteral("X1");
    CurrentLanguageNr = 3;
    FormTextUpdate(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Velko 9.9.9 - Database Version X1"));
    QCOMPARE(find<QGroupBox>(w, "framePractice")->title(), QStringLiteral("Lernen"));
    QCOMPARE(find<QPushButton>(w, "cmdGradeQuit")->text(), QStringLiteral("FERTIG"));
    QCOMPARE(find<QPushButton>(w, "cmdLanguage_2")->text(), QStringLiteral("untouched"));
    QCOMPARE(find<QCheckBox>(w, "chkQuestion_3")->toolTip(), QStringLiteral("untouched"));
    QCOMPARE(CategoryNames[0], QStringLiteral("C - Lastwagen"));
    QCOMPARE(StatsTitle, QStringLiteral("Statistiken"));

    CurrentLanguageNr = -1;
    QuestionDbVersionText.clear();
    FormTextUpdate(w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Velko 9.9.9"));
    QCOMPARE(find<QGroupBox>(w, "framePractice")->title(), QStringLiteral("Lernen"));
}

void TestFormTextUpdate::languageButtonsInEveryLanguage()
{
    TestSupport::Sandbox sb;
    auto window = buildFullWindow();
    const QString expected = lines({"SPRACHE", "LANGUE", "LINGUA"});
    QCOMPARE(LanguageButtonCaption(), expected);
    for (int16_t language = 0; language <= 2; ++language) {
        for (int i = 0; i < 7; ++i)
            find<QPushButton>(window.get(), qPrintable(QStringLiteral("cmdLanguage_%1").arg(i)))->setText("x");
        CurrentLanguageNr = language;
        FormTextUpdate(window.get());
        for (int i = 0; i < 7; ++i)
            QCOMPARE(find<QPushButton>(window.get(), qPrintable(QStringLiteral("cmdLanguage_%1").arg(i)))->text(),
                     expected);
    }
}

void TestFormTextUpdate::questionStripToolTips()
{
    TestSupport::Sandbox sb;
    auto window = buildFullWindow();
    QWidget *w = window.get();
    CurrentLanguageNr = 0;
    FormTextUpdate(w);
    QCOMPARE(find<QCheckBox>(w, "chkQuestion_0")->toolTip(), QStringLiteral("Frage 1"));
    QCOMPARE(find<QCheckBox>(w, "chkQuestion_39")->toolTip(), QStringLiteral("Frage 40"));
    CurrentLanguageNr = 1;
    FormTextUpdate(w);
    QCOMPARE(find<QCheckBox>(w, "chkQuestion_9")->toolTip(), QStringLiteral("Question 10"));
    CurrentLanguageNr = 2;
    FormTextUpdate(w);
    for (int i = 0; i < 40; ++i)
        QCOMPARE(find<QCheckBox>(w, qPrintable(QStringLiteral("chkQuestion_%1").arg(i)))->toolTip(),
                 QStringLiteral("Domanda %1").arg(i + 1));
}

void TestFormTextUpdate::missingControlsAreSkipped()
{
    TestSupport::Sandbox sb;
    // Only the login screen exists; the other screens are not built.
    QWidget window;
    auto *login = new QGroupBox(&window);
    login->setObjectName(QStringLiteral("frameLogin"));
    auto *ok = new QPushButton(QStringLiteral("?"), login);
    ok->setObjectName(QStringLiteral("cmdLoginOK"));
    auto *other = new QPushButton(QStringLiteral("keep"), login);
    other->setObjectName(QStringLiteral("cmdSomethingElse"));
    auto *strip = new QCheckBox(&window);
    strip->setObjectName(QStringLiteral("chkQuestion_5"));
    CurrentLanguageNr = 1;
    FormTextUpdate(&window);
    QCOMPARE(login->title(), QStringLiteral("Login"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(other->text(), QStringLiteral("keep"));
    QCOMPARE(strip->toolTip(), QStringLiteral("Question 6"));
    QCOMPARE(LanguageNames[1], QStringLiteral("Français"));
    FormTextUpdate(nullptr);   // no window: nothing happens
}

void TestFormTextUpdate::lookupOfCaptions()
{
    QCOMPARE(CaptionLookup(QStringLiteral("lblUserCategoryNr"), 0), QStringLiteral("Kategorie :"));
    QCOMPARE(CaptionLookup(QStringLiteral("lblUserCategoryNr"), 1), QStringLiteral("Catégorie :"));
    QCOMPARE(CaptionLookup(QStringLiteral("lblUserCategoryNr"), 2), QStringLiteral("Categoria :"));
    QCOMPARE(CaptionLookup(QStringLiteral("lblUserCategoryNr"), 3), QString());
    QCOMPARE(CaptionLookup(QStringLiteral("lblQAQuestionNr"), 0), QString());   // a tag, not a caption
    QCOMPARE(CaptionLookup(QStringLiteral("noSuchControl"), 0), QString());
}

QTEST_MAIN(TestFormTextUpdate)
#include "tst_formtextupdate.moc"
