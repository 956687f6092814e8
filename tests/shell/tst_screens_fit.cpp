// Every caption of every screen fits its control at the design size, in the
// three languages. With VELKO_SCREENSHOTS=DIR set, each screen is also saved
// there as a PNG per language for a look by eye.
#include "ShellFixture.h"
#include "core/LocalisedTexts.h"
#include "core/Screens.h"
#include "shell/formMain.h"
#include "shell/frameLanguage.h"
#include "training/QuestionSet.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const struct { Screen screen; const char *name; } kScreens[] = {
    {Screen::Login, "login"},   {Screen::Practice, "practice"}, {Screen::Themes, "themes"},
    {Screen::QA, "question"},   {Screen::Grade, "grade"},       {Screen::History, "history"},
    {Screen::Admin, "admin"},   {Screen::Language, "language"}, {Screen::ResultsLog, "resultslog"}};

// The lines of a caption that do not fit the control, empty when all fit.
QString Overflow(const QWidget *w)
{
    QString text;
    QRect room;
    bool wrap = false;
    if (auto *b = qobject_cast<const QAbstractButton *>(w)) {
        text = b->text();
        room = b->rect().adjusted(3, 2, -3, -2);
        if (!qobject_cast<const QPushButton *>(w))
            room.setLeft(room.left() + 20);   // the indicator of a radio button or check box
    } else if (auto *l = qobject_cast<const QLabel *>(w)) {
        if (l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text()) || !l->pixmap().isNull())
            return {};
        text = l->text();
        room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
        wrap = l->wordWrap();
    } else if (auto *g = qobject_cast<const QGroupBox *>(w)) {
        text = g->title();
        room = QRect(0, 0, g->width() - 12, g->fontMetrics().height());
    }
    text.remove(QLatin1Char('&'));
    if (text.trimmed().isEmpty() || room.width() <= 0)
        return {};
    const QFontMetrics fm(w->font());
    const QRect needed = fm.boundingRect(QRect(0, 0, room.width(), 100000),
                                         (wrap ? Qt::TextWordWrap : 0) | Qt::AlignLeft | Qt::AlignTop, text);
    if (needed.width() <= room.width() + 1 && needed.height() <= room.height() + 1)
        return {};
    return QStringLiteral("%1 '%2' needs %3x%4 in %5x%6")
        .arg(w->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

} // namespace

class TestScreensFit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { m_db = std::make_unique<ShellFixture::Databases>(); }
    void captionsFitInEveryLanguage();

private:
    std::unique_ptr<ShellFixture::Databases> m_db;
};

void TestScreensFit::captionsFitInEveryLanguage()
{
    TestSupport::Sandbox sb;
    m_db->install(sb);
    formMain w;
    w.Form_Load();
    Frame_OnTop(Screen::PictureBig, false);
    w.resize(800, 600);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString shots = qEnvironmentVariable("VELKO_SCREENSHOTS");

    // Sign in as Anna (category C) to fill the practice menu, then show
    // every screen in each language with a graded set of three questions.
    auto *list = ShellFixture::child<QListWidget>(&w, QStringLiteral("listLoginUsers"));
    list->setCurrentItem(list->findItems(QStringLiteral("Anna Keller"), Qt::MatchExactly).value(0));
    for (const QChar d : QStringLiteral("4711"))
        ShellFixture::click(&w, QStringLiteral("cmdLoginNumber_%1").arg(d));
    ShellFixture::click(&w, QStringLiteral("cmdLoginOK"));
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Practice));

    QStringList problems;
    for (int16_t language = 0; language <= 2; ++language) {
        LanguageCaller = 2;
        cmdLanguageChoice_Click(language);
        SetRecord.QuestionMode = QuestionModeGraded;
        SetRecord.Redim(3);
        for (int i = 1; i <= 3; ++i)
            SetRecord.QList[i] = i, SetRecord.UserAnswers[i] = i == 2 ? QString() : QStringLiteral("b");
        MainProcs::Call(MainProcs::GradeGridFill);
        for (const auto &s : kScreens) {
            QWidget *frame = ScreenFrame(s.screen);
            Frame_OnTop(frame, true);
            QCoreApplication::processEvents();
            for (QWidget *c : frame->findChildren<QWidget *>())
                if (c->isVisible())
                    if (const QString o = Overflow(c); !o.isEmpty())
                        problems << QStringLiteral("%1 (language %2): %3").arg(QLatin1String(s.name)).arg(language).arg(o);
            if (!shots.isEmpty())
                w.grab().save(QStringLiteral("%1/%2-%3.png").arg(shots, QLatin1String(s.name)).arg(language));
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestScreensFit)
#include "tst_screens_fit.moc"
