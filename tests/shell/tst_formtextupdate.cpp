// FormTextUpdate on a window built here: every caption table, the language
// buttons and the strip tool tips in the three languages, multi-line
// captions, the window title and an unknown language.
#include "TestSupport.h"
#include "core/LocalisedTexts.h"
#include "shell/FormTextUpdate.h"
#include "shell/captions/CaptionTables.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace {

QString lines(const QStringList &parts) { return parts.join(NewLine); }

// A widget of the kind the control's prefix names.
void makeControl(const QString &name, QWidget *parent)
{
    QWidget *w = name.startsWith(QLatin1String("cmd"))   ? static_cast<QWidget *>(new QPushButton(parent))
                 : name.startsWith(QLatin1String("chk")) ? new QRadioButton(parent)
                 : name == QLatin1String("tabAdmin")     ? new QTabWidget(parent)
                 : name.startsWith(QLatin1String("frame")) ? static_cast<QWidget *>(new QGroupBox(parent))
                                                           : new QLabel(parent);   // labels and picture areas
    if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
        tabs->addTab(new QWidget, QStringLiteral("one"));
        tabs->addTab(new QWidget, QStringLiteral("two"));
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
    auto *group = qobject_cast<QGroupBox *>(w);
    return !w                                     ? QStringLiteral("<missing>")
           : property == CaptionProperty::Tag     ? w->property("Tag").toString()
           : property == CaptionProperty::ToolTip ? w->toolTip()
           : property == CaptionProperty::Tab     ? qobject_cast<QTabWidget *>(w)->tabText(tab - 1)
           : group                                ? group->title()
                                                  : w->property("text").toString();
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
    void everyRowReachesItsControl();
    void titleUnknownLanguageAndMissingControls();
};

void TestFormTextUpdate::everyRowReachesItsControl()
{
    TestSupport::Sandbox sb;
    auto window = buildFullWindow();
    for (const int language : {0, 1, 2}) {
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
        // Known texts, the multi-line captions among them.
        using P = CaptionProperty;
        const struct { int language; const char *control; P property; int tab; QString text; } spots[] = {
            {0, "cmdPracticeHistory", P::Caption, 0, lines({"FRAGE-", "BÖGEN", "ARCHIV"})},
            {0, "lblQAQuestionNr", P::Tag, 0, "Frage"},
            {0, "tabAdmin", P::Tab, 1, "Benützer Verwaltung"},
            {1, "cmdUserHistory", P::Caption, 0, lines({"HISTORIQUE", "QUESTION-", "NAIRES"})},
            {2, "cmdAdminQuit", P::Caption, 0, lines({"USCIRE DAL", "PROGRAMMA"})},
            {2, "IHImgQAPicture", P::ToolTip, 0, "Clic = immagine grande"}};
        for (const auto &c : spots)
            if (c.language == language)
                QCOMPARE(shown(window.get(), QString::fromLatin1(c.control), c.property, c.tab), c.text);
        // The language buttons keep their three-line caption; the strip's tool tips follow.
        for (int i = 0; i < 7; ++i)
            QCOMPARE(shown(window.get(), QStringLiteral("cmdLanguage_%1").arg(i)), lines({"SPRACHE", "LANGUE", "LINGUA"}));
        for (int i = 0; i < 40; ++i)
            QCOMPARE(shown(window.get(), QStringLiteral("chkQuestion_%1").arg(i), CaptionProperty::ToolTip),
                     QStringList({"Frage ", "Question ", "Domanda "})[language] + QString::number(i + 1));
    }
}

void TestFormTextUpdate::titleUnknownLanguageAndMissingControls()
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

    // A window without the screens' controls only gets its title.
    QWidget bare;
    apply(&bare, 1);
    QCOMPARE(bare.windowTitle(), QStringLiteral("Velko 2.1.7 - Database Version 2026-03"));
}

QTEST_MAIN(TestFormTextUpdate)
#include "tst_formtextupdate.moc"
