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

QString lines(const QStringList &parts) { return parts.join(NewLine); }

// A widget of the kind the control's prefix names.
void makeControl(const QString &name, QWidget *parent)
{
    QWidget *w;
    if (name == QLatin1String("tabAdmin")) {
        auto *tabs = new QTabWidget(parent);
        tabs->addTab(new QWidget, QStringLiteral("one"));
        tabs->addTab(new QWidget, QStringLiteral("two"));
        w = tabs;
    } else if (name.startsWith(QLatin1String("frame"))) {
        w = new QGroupBox(parent);
    } else if (name.startsWith(QLatin1String("cmd"))) {
        w = new QPushButton(parent);
    } else if (name.startsWith(QLatin1String("chk"))) {
        w = new QRadioButton(parent);
    } else {
        w = new QLabel(parent);   // labels and picture areas
    }
    w->setObjectName(name);
}

// Every control of every table, half of them one level deeper, plus the
// question strip and the language buttons.
std::unique_ptr<QWidget> buildFullWindow()
{
    auto window = std::make_unique<QWidget>();
    auto *nested = new QWidget(window.get());
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

// What the user sees of the control: title, text, tag, tool tip or tab.
QString shown(QWidget *root, const QString &name, CaptionProperty property = CaptionProperty::Caption, int tab = 0)
{
    QWidget *w = root->findChild<QWidget *>(name);
    if (!w)
        return QStringLiteral("<missing>");
    switch (property) {
    case CaptionProperty::Caption:
        if (auto *g = qobject_cast<QGroupBox *>(w))
            return g->title();
        return w->property("text").toString();
    case CaptionProperty::Tag:
        return w->property("Tag").toString();
    case CaptionProperty::ToolTip:
        return w->toolTip();
    case CaptionProperty::Tab:
        return qobject_cast<QTabWidget *>(w)->tabText(tab - 1);
    }
    return QString();
}

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
    void everyRowReachesItsControl_data();
    void everyRowReachesItsControl();
    void spotChecks();
    void titleAndUnknownLanguage();
    void languageButtonsAndStripToolTips();
    void missingControlsAreSkipped();
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
    apply(window.get(), (language + 1) % 3);   // start elsewhere: every text has to change
    apply(window.get(), language);
    int rows = 0;
    for (const CaptionTable *table : CaptionTables())
        for (std::size_t i = 0; i < table->count; ++i, ++rows) {
            const CaptionRow &row = table->rows[i];
            const QString expected = CaptionRowText(row, language);
            QVERIFY2(!expected.isEmpty(), row.control);
            QCOMPARE(shown(window.get(), QString::fromLatin1(row.control), row.property, row.tab), expected);
        }
    QCOMPARE(rows, 69);   // 68 screen rows and the language screen's title
}

void TestFormTextUpdate::spotChecks()
{
    TestSupport::Sandbox sb;
    auto window = buildFullWindow();
    QWidget *w = window.get();
    using P = CaptionProperty;
    const struct {
        int language;
        const char *control;
        P property;
        int tab;
        QString text;
    } checks[] = {
        {0, "frameLoginPassword", P::Caption, 0, "Geben Sie Ihr Passwort ein :"},
        {0, "cmdPracticeHistory", P::Caption, 0, lines({"FRAGE-", "BÖGEN", "ARCHIV"})},
        {0, "cmdUserHistory", P::Caption, 0, lines({"FRAGEBÖGEN", "ARCHIV"})},
        {0, "lblQAQuestionNr", P::Tag, 0, "Frage"},
        {0, "IHImgPictureBig", P::ToolTip, 0, "Klick = Normal Bild"},
        {0, "tabAdmin", P::Tab, 1, "Benützer Verwaltung"},
        {1, "frameLoginPassword", P::Caption, 0, "Introduisez votre mot de passe :"},
        {1, "frameLogin", P::Caption, 0, "Login"},
        {1, "cmdPracticeStatsPrint", P::Caption, 0, lines({"IMPRIMER", "STATS"})},
        {1, "cmdUserHistory", P::Caption, 0, lines({"HISTORIQUE", "QUESTION-", "NAIRES"})},
        {1, "chkUserActive_1", P::Caption, 0, "Désactivé"},
        {1, "lblQABookPage", P::Tag, 0, "Page"},
        {1, "tabAdmin", P::Tab, 2, "Configuration"},
        {2, "frameLoginPassword", P::Caption, 0, "Registrate la vostra parola d'ordine :"},
        {2, "cmdHistoryReview", P::Caption, 0, lines({"MOSTRI", "QUESTIO-", "NARIO"})},
        {2, "cmdAdminQuit", P::Caption, 0, lines({"USCIRE DAL", "PROGRAMMA"})},
        {2, "IHImgQAPicture", P::ToolTip, 0, "Clic = immagine grande"},
        {2, "frameAdmin", P::Caption, 0, "Amministrazione"},
        {2, "frameLanguage", P::Caption, 0, "Sprache / Langue / Lingua"},
    };
    for (const auto &c : checks) {
        apply(w, c.language);
        QCOMPARE(shown(w, QString::fromLatin1(c.control), c.property, c.tab), c.text);
    }
    // The texts held in variables follow the language as well.
    QCOMPARE(CategoryNames[2], QStringLiteral("C1 - Servizio antincendio"));
    QCOMPARE(CaptionLookup(QStringLiteral("lblUserCategoryNr"), 1), QStringLiteral("Catégorie :"));
    QCOMPARE(CaptionLookup(QStringLiteral("lblQAQuestionNr"), 0), QString());   // a tag, not a caption
}

void TestFormTextUpdate::titleAndUnknownLanguage()
{
    TestSupport::Sandbox sb;
    auto window = buildFullWindow();
    QWidget *w = window.get();
    ProgramVersionText = QStringLiteral("Velko 2.1.7");
    apply(w, 0);
    QCOMPARE(w->windowTitle(), QStringLiteral("Velko 2.1.7"));
    w->findChild<QPushButton *>(QStringLiteral("cmdLanguage_2"))->setText(QStringLiteral("untouched"));

    // An unknown language changes the title and nothing else.
    QuestionDbVersionText = QStringLiteral("2026-03");
    apply(w, 3);
    QCOMPARE(w->windowTitle(), QStringLiteral("Velko 2.1.7 - Database Version 2026-03"));
    QCOMPARE(shown(w, QStringLiteral("framePractice")), QStringLiteral("Lernen"));
    QCOMPARE(shown(w, QStringLiteral("cmdLanguage_2")), QStringLiteral("untouched"));
    QCOMPARE(shown(w, QStringLiteral("chkQuestion_3"), CaptionProperty::ToolTip), QStringLiteral("Frage 4"));
    QCOMPARE(CategoryNames[0], QStringLiteral("C - Lastwagen"));
    apply(w, -1);
    QCOMPARE(shown(w, QStringLiteral("cmdGradeQuit")), QStringLiteral("FERTIG"));
}

void TestFormTextUpdate::languageButtonsAndStripToolTips()
{
    TestSupport::Sandbox sb;
    auto window = buildFullWindow();
    const QString prefix[3] = {"Frage ", "Question ", "Domanda "};
    for (int language = 0; language <= 2; ++language) {
        apply(window.get(), language);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(shown(window.get(), QStringLiteral("cmdLanguage_%1").arg(i)),
                     lines({"SPRACHE", "LANGUE", "LINGUA"}));
        for (int i = 0; i < 40; ++i)
            QCOMPARE(shown(window.get(), QStringLiteral("chkQuestion_%1").arg(i), CaptionProperty::ToolTip),
                     prefix[language] + QString::number(i + 1));
    }
}

void TestFormTextUpdate::missingControlsAreSkipped()
{
    TestSupport::Sandbox sb;
    // Only part of the login screen exists; the other screens are not built.
    QWidget window;
    auto *login = new QGroupBox(&window);
    login->setObjectName(QStringLiteral("frameLogin"));
    auto *ok = new QPushButton(QStringLiteral("?"), login);
    ok->setObjectName(QStringLiteral("cmdLoginOK"));
    auto *other = new QPushButton(QStringLiteral("keep"), login);
    other->setObjectName(QStringLiteral("cmdSomethingElse"));
    apply(&window, 1);
    QCOMPARE(login->title(), QStringLiteral("Login"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(other->text(), QStringLiteral("keep"));
    QCOMPARE(LanguageNames[1], QStringLiteral("Français"));
}

QTEST_MAIN(TestFormTextUpdate)
#include "tst_formtextupdate.moc"
