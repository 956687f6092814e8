// Layout scaling of the main window: controls follow the window's size
// differences and always return to their design places.
#include "ShellFixture.h"
#include "core/Screens.h"
#include "shell/Layout.h"
#include "shell/formMain.h"

#include <QtTest>

class TestLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resizeRules();
    void frameOnTopChangesOnlyTheStackingOrder();

private:
    static int px(int twips) { return qRound(twips / 15.0); }
    static QWidget *child(formMain &w, const char *name) { return ShellFixture::child(&w, QLatin1String(name)); }
    static void resizeTo(formMain &w, int width, int height)
    {
        w.resize(width, height);
        QCoreApplication::processEvents();
        QTRY_COMPARE(w.size(), QSize(width, height));
    }
};

void TestLayout::resizeRules()
{
    TestSupport::Sandbox sb;
    formMain w;
    for (const DesignEntry &e : DesignEntries)
        QVERIFY2(w.findChild<QWidget *>(QLatin1String(e.control)), e.control);
    QVERIFY(w.PositionsStored());
    w.show();
    const auto &D = w.DesignPositions();
    QWidget *text = child(w, "frameQuestion");
    QWidget *picture = child(w, "IHImgQAPicture");
    text->show();

    resizeTo(w, 1024, 768);
    QCOMPARE(w.WidthDelta, 3360);
    QCOMPARE(w.HeightDelta, 2520);
    QCOMPARE(child(w, "framePractice")->width(), px(11775 + 3360));
    QCOMPARE(child(w, "framePractice")->height(), px(8535 + 2520));
    QCOMPARE(child(w, "picboxPracticeButtons")->x(), px(D[12] + 3360));
    QCOMPARE(child(w, "lblPracticeTitleUserName")->x(), px(D[8] + 1680));
    QCOMPARE(child(w, "listLoginUsers")->height(), px(D[2] + 2520));
    QCOMPARE(child(w, "gridGrade")->width(), px(D[21] + 3360));
    QCOMPARE(child(w, "picboxQuestionAnswers")->y(), px(D[17] + 2520));
    QCOMPARE(child(w, "picboxLanguageButtons")->y(), px(D[45] + 1260));
    for (const char *page : {"frametabAdmin_0", "frametabAdmin_1", "frametabAdmin_2"})
        QCOMPARE(child(w, page)->width(), px(D[33] + 3360));
    // The question strip stays right-aligned on its moved anchor.
    QWidget *strip = child(w, "frameChkQuestion");
    QCOMPARE(strip->x(), px(D[15] + 3360 - strip->width() * 15 + child(w, "chkQuestion_0")->width() * 15));

    // Without the text frame the picture is 840 twips taller.
    const int withText = picture->height();
    QCOMPARE(withText, px(2520 + 4455));
    text->hide();
    resizeTo(w, 1024, 769);
    resizeTo(w, 1024, 768);
    QCOMPARE(picture->height() - withText, px(840));
    text->show();

    // Smaller than the design size: panels move left, sizes stop at 0.
    resizeTo(w, 400, 300);
    QCOMPARE(w.WidthDelta, -6000);
    QCOMPARE(w.HeightDelta, -4500);
    QCOMPARE(child(w, "picboxPracticeButtons")->x(), px(D[12] - 6000));
    QCOMPARE(child(w, "listLoginUsers")->height(), px(qMax(0, D[2] - 4500)));
    QCOMPARE(child(w, "gridGrade")->height(), px(qMax(0, D[20] - 4500)));
    QCOMPARE(picture->height(), 0);

    resizeTo(w, 800, 600);
    QCOMPARE(w.WidthDelta, 0);
    QCOMPARE(w.HeightDelta, 0);
    for (int i = 0; i < DesignPositionCount; ++i) {
        if (i == 15 || i == 52)   // the strip anchor is computed; the abort button's top is not moved
            continue;
        QCOMPARE(LayoutScaler::Twips(child(w, DesignEntries[i].control), DesignEntries[i].property), D[i]);
    }
}

void TestLayout::frameOnTopChangesOnlyTheStackingOrder()
{
    TestSupport::Sandbox sb;
    formMain w;
    w.show();
    Frame_OnTop(Screen::Grade, true);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Grade));
    Frame_OnTop(Screen::Language, true);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Language));
    Frame_OnTop(Screen::Language, false);
    QCOMPARE(ScreenOnTop(), ScreenFrame(Screen::Grade));
    QVERIFY(!ScreenFrame(Screen::Language)->isHidden());
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
