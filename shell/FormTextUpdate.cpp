#include "shell/FormTextUpdate.h"

#include "core/AppState.h"
#include "core/LocalisedTexts.h"
#include "core/Screens.h"
#include "core/modMain.h"
#include "shell/AccessibleNames.h"
#include "shell/captions/CaptionTables.h"

#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace {

constexpr int kQuestionStripButtons = 40;
constexpr int kLanguageButtons = 7;

QWidget *findControl(QWidget *root, const QString &name)
{
    if (root->objectName() == name)
        return root;
    return root->findChild<QWidget *>(name);
}

// A caption is the title of a group box and the text of buttons and labels.
void setCaption(QWidget *w, const QString &text)
{
    if (w->metaObject()->indexOfProperty("title") >= 0)
        w->setProperty("title", text);
    else if (w->metaObject()->indexOfProperty("text") >= 0)
        w->setProperty("text", text);
    else
        w->setWindowTitle(text);
}

void applyRow(QWidget *root, const CaptionRow &row, int languageNr)
{
    QWidget *w = findControl(root, QString::fromLatin1(row.control));
    if (!w)
        return;   // screen not built (yet): nothing to caption
    const QString text = CaptionRowText(row, languageNr);
    switch (row.property) {
    case CaptionProperty::Caption:
        setCaption(w, text);
        break;
    case CaptionProperty::Tag:
        w->setProperty("Tag", text);
        break;
    case CaptionProperty::ToolTip:
        w->setToolTip(text);
        break;
    case CaptionProperty::Tab:
        if (auto *tabs = qobject_cast<QTabWidget *>(w); tabs && row.tab >= 1 && row.tab <= tabs->count())
            tabs->setTabText(row.tab - 1, text);
        break;
    }
}

} // namespace

QString MainWindowTitle()
{
    QString title = ProgramVersionText;
    if (!QuestionDbVersionText.isEmpty())
        title += QStringLiteral(" - Database Version ") + QuestionDbVersionText;
    return title;
}

QString LanguageButtonCaption()
{
    return QStringLiteral("SPRACHE") + NewLine + QStringLiteral("LANGUE") + NewLine + QStringLiteral("LINGUA");
}

void FormTextUpdate(QWidget *mainWindow)
{
    if (!mainWindow)
        return;
    mainWindow->setWindowTitle(MainWindowTitle());

    const int languageNr = CurrentLanguageNr;
    if (languageNr < 0 || languageNr > 2)
        return;

    for (const CaptionTable *table : CaptionTables())
        for (std::size_t i = 0; i < table->count; ++i)
            applyRow(mainWindow, table->rows[i], languageNr);
    LocalisedTextsFill(languageNr);

    const QString prefix = QuestionStripToolTipPrefix(languageNr);
    for (int i = 0; i < kQuestionStripButtons; ++i)
        if (QWidget *w = findControl(mainWindow, QStringLiteral("chkQuestion_%1").arg(i)))
            w->setToolTip(prefix + QString::number(i + 1));

    AccessibleNamesUpdate(mainWindow, languageNr);

    const QString languageCaption = LanguageButtonCaption();
    for (int i = 0; i < kLanguageButtons; ++i)
        if (QWidget *w = findControl(mainWindow, QStringLiteral("cmdLanguage_%1").arg(i)))
            setCaption(w, languageCaption);
}

QWidget *ShellMainWindow()
{
    for (Screen s : {Screen::Login, Screen::Language, Screen::Practice, Screen::Themes, Screen::QA,
                     Screen::PictureBig, Screen::Grade, Screen::Admin, Screen::History, Screen::ResultsLog})
        if (QWidget *frame = ScreenFrame(s))
            return frame->window();
    return nullptr;
}
