#include "training/frameGrade.h"

#include "core/AccessibleTexts.h"
#include "core/ControlCreate.h"
#include "core/Keyboard.h"
#include "core/LocalisedTexts.h"
#include "core/RuntimeError.h"
#include "core/Screens.h"
#include "core/Seams.h"
#include "core/modMain.h"
#include "print/PrintJob.h"
#include "print/ScreenPrints.h"
#include "training/GradeRows.h"
#include "training/QAState.h"
#include "training/QuestionSet.h"
#include "training/frameQA.h"
#include "userdb/clsUser.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include "core/Fonts.h"

#include <QProxyStyle>
#include <QSlider>
#include <QTableWidget>

namespace {

// Column widths in twips and alignments of the grid.
constexpr int ColumnTwips[8] = {800, 800, 800, 700, 500, 600, 1900, 4500};
constexpr Qt::Alignment ColumnAlign[8] = {
    Qt::AlignCenter, Qt::AlignCenter, Qt::AlignCenter, Qt::AlignCenter,
    Qt::AlignCenter, Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignLeft | Qt::AlignVCenter};

// The labels of the three result boxes, in print order.
const char *const ValueLabelNames[3] = {"lblGradeQNr", "lblGradeQRight", "lblGradePercentRight"};

// The localised word for "page" of the question screen's book page label.
QString BookPageWord()
{
    if (QWidget *qa = ScreenFrame(Screen::QA))
        if (QWidget *page = qa->findChild<QWidget *>(QStringLiteral("lblQABookPage")))
            return page->property("Tag").toString();
    return QString();
}

const QColor GradeRightColor(0, 255, 0);
const QColor GradeWrongColor(255, 0, 0);

// A read-only box that shows a number, right-aligned.
QLineEdit *ValueBoxCreate(QWidget *parent, const QString &name, int x, int y, int w, int h)
{
    auto *t = DisplayBoxCreate(parent, name, x, y, w, h);
    t->setAlignment(Qt::AlignRight);
    return t;
}

QTableWidgetItem *Cell(const QString &text, int column, const QFont &font)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(ColumnAlign[column]);
    item->setFont(font);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// The grid's columns were laid out for cells with a narrow inner margin:
// two pixels on each side instead of the style's three.
class CompactCellStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_FocusFrameHMargin)
            return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

frameGrade::frameGrade(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("frameGrade"));
    // Screens lie on one another: each one covers those behind it.
    setAutoFillBackground(true);
    setTitle(QStringLiteral("Ergebnis"));
    setGeometry(4, 0, 785, 569);

    m_lblGradeQName = LabelCreate(this, QStringLiteral("lblGradeQName"), QString(), 10, 20, 575, 24);
    QFont bold = m_lblGradeQName->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    m_lblGradeQName->setFont(bold);

    m_gridGrade = ControlCreate<QTableWidget>(this, QStringLiteral("gridGrade"), 10, 50, 575, 510);
    auto *cellStyle = new CompactCellStyle;
    cellStyle->setParent(m_gridGrade);
    m_gridGrade->setStyle(cellStyle);
    m_gridGrade->horizontalHeader()->hide();
    m_gridGrade->verticalHeader()->hide();
    m_gridGrade->verticalHeader()->setDefaultSectionSize(18);
    m_gridGrade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_gridGrade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_gridGrade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_gridGrade->setWordWrap(false);
    // A row is opened by a double click or the Enter key (never by a single
    // click, whatever the style's habit).
    connect(m_gridGrade, &QTableWidget::doubleClicked, this, [this](const QModelIndex &) { gridGrade_RowActivate(); });
    m_gridGrade->installEventFilter(this);
    // Tab leaves the grid for the buttons; the arrow keys move in it.
    m_gridGrade->setTabKeyNavigation(false);

    m_picboxGradeLabels = ControlCreate<QFrame>(this, QStringLiteral("picboxGradeLabels"), 595, 50, 185, 215);
    // Each value box is named by its label (its buddy).
    LabelCreate(m_picboxGradeLabels, QStringLiteral("lblGradeQNr"), QStringLiteral("Anzahl Fragen :"), 0, 0, 185, 18)
        ->setBuddy(m_txtGradeQNr = ValueBoxCreate(m_picboxGradeLabels, QStringLiteral("txtGradeQNr"), 0, 20, 80, 24));
    LabelCreate(m_picboxGradeLabels, QStringLiteral("lblGradeQRight"), QStringLiteral("Richtige Antworte :"), 0, 52,
                185, 18)
        ->setBuddy(m_txtGradeQRight = ValueBoxCreate(m_picboxGradeLabels, QStringLiteral("txtGradeQRight"), 0, 72, 80,
                                                     24));
    m_lblGradePercentRight = LabelCreate(m_picboxGradeLabels, QStringLiteral("lblGradePercentRight"),
                                         QStringLiteral("Prozent richtige :"), 0, 104, 185, 18);
    m_txtGradePercentRight = ValueBoxCreate(m_picboxGradeLabels, QStringLiteral("txtGradePercentRight"), 0, 124, 80,
                                            24);
    m_lblGradePercentRight->setBuddy(m_txtGradePercentRight);
    m_sliderGrade = new QSlider(Qt::Horizontal, m_picboxGradeLabels);
    m_sliderGrade->setObjectName(QStringLiteral("sliderGrade"));
    m_sliderGrade->setGeometry(0, 160, 185, 24);
    m_sliderGrade->setRange(0, 100);
    m_sliderGrade->setTickPosition(QSlider::TicksBelow);
    m_sliderGrade->setTickInterval(10);
    // The slider shows the result; it is not an input.
    m_sliderGrade->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_sliderGrade->setFocusPolicy(Qt::NoFocus);
    LabelCreate(m_picboxGradeLabels, QStringLiteral("lblGrade0Percent"), QStringLiteral("0%"), 0, 190, 40, 18);
    LabelCreate(m_picboxGradeLabels, QStringLiteral("lblGrade50Percent"), QStringLiteral("50%"), 72, 190, 40, 18)
        ->setAlignment(Qt::AlignCenter);
    LabelCreate(m_picboxGradeLabels, QStringLiteral("lblGrade100Percent"), QStringLiteral("100%"), 145, 190, 40, 18)
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_picboxGradeButtons = ControlCreate<QFrame>(this, QStringLiteral("picboxGradeButtons"), 595, 300, 185, 260);
    m_cmdGradeReview = ButtonCreate(m_picboxGradeButtons, QStringLiteral("cmdGradeReview"),
                                    QStringLiteral("FRAGE") + NewLine + QStringLiteral("ZEIGEN"), 0, 0, 185, 50);
    m_cmdGradePrint = ButtonCreate(m_picboxGradeButtons, QStringLiteral("cmdGradePrint"), QStringLiteral("DRUCKEN"), 0,
                                   60, 185, 50);
    m_cmdGradePrint->setEnabled(false);   // until there is a result to print
    m_cmdGradeQuit = ButtonCreate(m_picboxGradeButtons, QStringLiteral("cmdGradeQuit"), QStringLiteral("FERTIG"), 0,
                                  120, 185, 50);
    ButtonCreate(m_picboxGradeButtons, QStringLiteral("cmdLanguage_4"), QStringLiteral("LANGUE"), 0, 194, 185, 64);

    EscapeButtonSet(this, m_cmdGradeQuit);
    TabOrderSet({m_gridGrade, m_txtGradeQNr, m_txtGradeQRight, m_txtGradePercentRight, m_cmdGradeReview,
                 m_cmdGradePrint, m_cmdGradeQuit, m_picboxGradeButtons->findChild<QWidget *>(QStringLiteral("cmdLanguage_4"))});
    connect(m_cmdGradeReview, &QPushButton::clicked, this, &frameGrade::cmdGradeReview_Click);
    connect(m_cmdGradePrint, &QPushButton::clicked, this, &frameGrade::cmdGradePrint_Click);
    connect(m_cmdGradeQuit, &QPushButton::clicked, this, &frameGrade::cmdGradeQuit_Click);
    // cmdLanguage_4 belongs to the main window.
}

void frameGrade::GradeGridFill()
{
    const QFont gridFont = DesignFont(QStringLiteral("MS Sans Serif"), 8);
    const QFont pageFont = DesignFont(QStringLiteral("Arial"), 8);
    QTableWidget *grid = m_gridGrade;
    grid->clear();
    grid->setFont(gridFont);
    grid->setRowCount(0);
    grid->setColumnCount(8);
    for (int c = 0; c < 8; ++c) {
        grid->setColumnHidden(c, false);
        grid->setColumnWidth(c, ColumnTwips[c] / 15);
    }

    const bool answersStored = !(objUser && objUser->QuestionnaireAnswers.isEmpty());
    const GradeTable table = GradeTableBuild(answersStored, BookPageWord());

    // Title row: fixed, in the button-face colour.
    grid->insertRow(0);
    for (int c = 0; c < 8; ++c) {
        QTableWidgetItem *item = Cell(table.titles[c], c, gridFont);
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(QAState::ButtonFace());
        grid->setItem(0, c, item);
    }
    // The title row is what the eye reads; assistive technology reads the
    // same titles from the (hidden) header, and the grid by the screen's name.
    grid->setHorizontalHeaderLabels(QStringList(table.titles.begin(), table.titles.end()));
    grid->setAccessibleName(title());
    m_sliderGrade->setAccessibleName(m_lblGradePercentRight->text());
    if (!answersStored) {
        for (int c : {2, 4}) {
            grid->setColumnWidth(c, 0);
            grid->setColumnHidden(c, true);
            for (int r = 0; r < grid->rowCount(); ++r)
                if (QTableWidgetItem *item = grid->item(r, c))
                    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
    }

    for (const GradeRow &row : table.rows) {
        const int r = grid->rowCount();
        grid->insertRow(r);
        for (int c = 0; c < 8; ++c) {
            const QFont &font = c >= 6 ? pageFont : gridFont;
            QTableWidgetItem *item = Cell(c == 4 ? QString() : row.cells[c], c, font);
            if (!answersStored && (c == 2 || c == 4))
                item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            grid->setItem(r, c, item);
        }
        if (row.result == GradeResult::Right)
            grid->item(r, 2)->setBackground(GradeRightColor);
        else if (row.result == GradeResult::Wrong)
            grid->item(r, 2)->setBackground(GradeWrongColor);
        // The marks are kept as stored ("J", "L") and shown as faces.
        if (row.revealState == 1 || row.revealState == 2) {
            QTableWidgetItem *mark = grid->item(r, 4);
            mark->setData(Qt::UserRole, row.cells[4]);
            mark->setText(RevealMarkShown(row.revealState));
            mark->setFont(QFont(QStringLiteral("DejaVu Sans"), row.revealState == 1 ? 8 : 10));
            mark->setData(Qt::AccessibleTextRole,
                          AccessibleText(row.revealState == 1 ? AccessibleTextId::RevealShown
                                                              : AccessibleTextId::RevealChanged));
        }
    }

    if (table.rows.isEmpty()) {
        grid->insertRow(1);
        grid->setEnabled(false);
    } else {
        grid->setEnabled(true);
        grid->setCurrentCell(1, 0);
    }

    m_txtGradeQNr->setText(QString::number(SetRecord.QuestionCount));
    m_txtGradeQRight->setText(QString::number(SetRecord.RightAnswerCount));
    m_txtGradePercentRight->setText(QString::number(SetRecord.ResultPercent) + QStringLiteral("%"));
    m_sliderGrade->setValue(SetRecord.ResultPercent);

    m_cmdGradePrint->setEnabled(PrintAvailable());
}

void frameGrade::cmdGradePrint_Click()
{
    if (!PrintAvailable())
        return;
    ResultPrintData data;
    data.head = PrintHeadOfScreens(objUser ? PrintResultDateText(objUser->QuestionnaireDateTime) : QString());
    data.gradeCaption = title();
    data.questionnaireTitle = m_lblGradeQName->text();
    for (int k = 0; k < 3; ++k)
        if (auto *label = m_picboxGradeLabels->findChild<QLabel *>(QString::fromLatin1(ValueLabelNames[k])))
            data.valueLabels[k] = label->text();
    data.questionCount = SetRecord.QuestionCount;
    data.rightCount = SetRecord.RightAnswerCount;
    data.percentText = m_txtGradePercentRight->text();
    const bool answersStored = !(objUser && objUser->QuestionnaireAnswers.isEmpty());
    data.table = GradeTableBuild(answersStored, BookPageWord());
    PrintRunShown(PrintKind::Result, data.head.userName, [&data] { ResultPrint(data); });
}

bool frameGrade::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_gridGrade && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            gridGrade_RowActivate();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void frameGrade::QuestionReopen(int position)
{
    SetRecord.CurrentIndex = position;
    if (auto *qa = ScreenAs<frameQA>(Screen::QA))
        qa->frameQAQuestion_Display();
    Frame_OnTop(Screen::QA, true);
}

void frameGrade::gridGrade_RowActivate()
{
    const int r = m_gridGrade->currentRow();
    if (SetRecord.QuestionCount != 0 && r >= 1 && r <= SetRecord.QuestionCount)
        QuestionReopen(r);
}

void frameGrade::cmdGradeReview_Click()
{
    // An empty set has no question to open.
    if (SetRecord.QuestionCount < 1)
        return;
    const int r = m_gridGrade->currentRow();
    QuestionReopen(r >= 1 && r <= SetRecord.QuestionCount ? r : 1);
}

void frameGrade::cmdGradeQuit_Click()
{
    switch (SetRecord.QuestionMode) {
    case QuestionModeGraded:
        QAState::PracticeMenuReturn();
        return;
    case QuestionModeHistory:
        Frame_OnTop(this, false);
        return;
    default:
        RuntimeErrorReport(QStringLiteral("formMain"), QStringLiteral("frameGradeQuit"), 315,
                           QStringLiteral("Invalid QuestionMode value"));
        Seams::ProgramEnd();
        return;
    }
}
