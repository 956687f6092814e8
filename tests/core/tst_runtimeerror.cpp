// The central error report: the log block, the dialog with its list, the
// clipboard, the captions by language and the dialog's three buttons.
#include "TestSupport.h"
#include "core/formDebugOutput.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// What the test sees while the dialog is on the screen.
struct DialogSnapshot {
    bool visible = false;
    QString logText;
    QStringList items;
    int currentRow = -1;
    QString clipboard;
    QString title;
    QString label0;
    QString label1;
    QString quit;
    QString ok;
    QString logPath;
};

DialogSnapshot snapshot(QDialog *dialog, const TestSupport::Sandbox &sb)
{
    auto *form = qobject_cast<formDebugOutput *>(dialog);
    DialogSnapshot s;
    if (!form)
        return s;
    s.visible = form->isVisible();
    s.logText = sb.logText();
    for (int i = 0; i < form->listDebugOutput->count(); ++i)
        s.items << form->listDebugOutput->item(i)->text();
    s.currentRow = form->listDebugOutput->currentRow();
    s.clipboard = QGuiApplication::clipboard()->text();
    s.title = form->windowTitle();
    s.label0 = form->lblDebugOutput[0]->text();
    s.label1 = form->lblDebugOutput[1]->text();
    s.quit = form->cmdDebugOutputQuit->text();
    s.ok = form->cmdDebugOutputOK->text();
    s.logPath = form->txtDebugOutput->text();
    return s;
}

QString block(const QString &module, const QString &proc, int nr, const QString &msg)
{
    return "Runtime Error !" + NewLine + "  Module Name   :" + module + NewLine + "  Function Name :" + proc
           + NewLine + "  Error Number  : " + QString::number(nr) + NewLine + "  Error Message :" + msg
           + NewLine;
}

} // namespace

class TestRuntimeError : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void reportLineAndLogBlockBeforeDialog();
    void twoReportsAccumulate();
    void captionsByLanguage_data();
    void captionsByLanguage();
    void unknownLanguageKeepsDesignCaptions();
    void okHidesAndCallerResumes();
    void quitCleansTempThenEndsProgram();
    void supportLinkOpensSupportPage();
    void reportWithoutLogStillShowsDialog();
    void trappedIniErrorsAreReportedAndSkipped();
};

void TestRuntimeError::init()
{
    // Each case starts with a program that has not reported anything yet.
    delete RuntimeErrorDialog();
    QGuiApplication::clipboard()->clear();
}

void TestRuntimeError::cleanup()
{
    SetDocumentOpenHandler({});
    Dialogs::SetDialogHandler({});
}

void TestRuntimeError::reportLineAndLogBlockBeforeDialog()
{
    TestSupport::Sandbox sb;
    sb.log->LogPrint("before");
    DialogSnapshot seen;
    int calls = 0;
    Dialogs::SetDialogHandler([&](QDialog *d) {
        ++calls;
        seen = snapshot(d, sb);
        qobject_cast<formDebugOutput *>(d)->cmdDebugOutputOK->click();
        return int(QDialog::Accepted);
    });

    RuntimeErrorReport("clsUser", "UserNameSeek", 3021, "Either BOF or EOF is True");

    QCOMPARE(calls, 1);
    const QString line = "Error 3021 : Either BOF or EOF is True (clsUser -> UserNameSeek)";
    QCOMPARE(RuntimeErrorLines(), QStringList({line}));
    QVERIFY(seen.visible);
    // The block is in the log while the dialog is still open.
    QCOMPARE(seen.logText, "before" + NewLine + block("clsUser", "UserNameSeek", 3021, "Either BOF or EOF is True"));
    QCOMPARE(seen.items, QStringList({line}));
    QCOMPARE(seen.currentRow, 0);
    QCOMPARE(seen.clipboard, line + NewLine);
    QCOMPARE(seen.logPath, sb.logPath());
    QVERIFY(RuntimeErrorDialog());
    QVERIFY(!RuntimeErrorDialog()->isVisible());
    QCOMPARE(Seams::ProgramEndRequests(), 0);
}

void TestRuntimeError::twoReportsAccumulate()
{
    TestSupport::Sandbox sb;
    QList<DialogSnapshot> seen;
    Dialogs::SetDialogHandler([&](QDialog *d) {
        seen << snapshot(d, sb);
        qobject_cast<formDebugOutput *>(d)->cmdDebugOutputOK->click();
        return int(QDialog::Accepted);
    });

    RuntimeErrorReport("modMain", "GetINIvalue", 75, "Path/File access error");
    formDebugOutput *first = RuntimeErrorDialog();
    const QString closed = "Operation is not allowed when the object is closed";
    RuntimeErrorReport("clsQuestion", "QuestionNrSeek", 3704, closed);

    const QString l1 = "Error 75 : Path/File access error (modMain -> GetINIvalue)";
    const QString l2 = "Error 3704 : " + closed + " (clsQuestion -> QuestionNrSeek)";
    QCOMPARE(seen.size(), 2);
    QCOMPARE(RuntimeErrorDialog(), first);   // one dialog for the whole run
    QCOMPARE(seen[1].items, QStringList({l1, l2}));
    QCOMPARE(seen[1].currentRow, 1);
    QCOMPARE(seen[1].clipboard, l1 + NewLine + l2 + NewLine);
    QCOMPARE(sb.logText(), block("modMain", "GetINIvalue", 75, "Path/File access error")
                               + block("clsQuestion", "QuestionNrSeek", 3704, closed));
    QCOMPARE(RuntimeErrorLines(), QStringList({l1, l2}));
    QCOMPARE(first->listDebugOutput->currentRow(), 1);
}

void TestRuntimeError::captionsByLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("label0");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("quit");
    QTest::newRow("German") << 0 << " - Laufzeit Fehler :"
                            << "Alle Fehlermeldungen werden automatisch im Windows Clipboard kopiert !"
                            << "Sie werden auch im folgenden Protokolldatei ausgegeben :"
                            << "PROGRAMM" + NewLine + "VERLASSEN";
    QTest::newRow("French") << 1 << QString::fromUtf8(" - Erreur d'exécution :")
                            << QString::fromUtf8("Tous les messages d'erreur sont automatiquement copiés dans le Clipboard !")
                            << QString::fromUtf8("Ils sont également protocolés dans le fichier :")
                            << "QUITTER LE" + NewLine + "PROGRAMME";
    QTest::newRow("Italian") << 2 << " - Errore runtime :"
                             << "Tutti gli errori sono copiati automaticamente nel clipboard di Windows !"
                             << "Sono anche scritti al seguente logfile :"
                             << "USCIRE DAL" + NewLine + "PROGRAMMA";
}

void TestRuntimeError::captionsByLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, suffix);
    QFETCH(QString, label0);
    QFETCH(QString, label1);
    QFETCH(QString, quit);
    TestSupport::Sandbox sb;
    CurrentLanguageNr = int16_t(language);
    DialogSnapshot seen;
    Dialogs::SetDialogHandler([&](QDialog *d) {
        seen = snapshot(d, sb);
        return int(QDialog::Accepted);
    });
    RuntimeErrorReport("formMain", "cmdLoginOK_Click", 13, "Type mismatch");
    QCOMPARE(seen.title, ProgramVersionBuild() + suffix);
    QCOMPARE(seen.label0, label0);
    QCOMPARE(seen.label1, label1);
    QCOMPARE(seen.quit, quit);
    QCOMPARE(seen.ok, QString("OK"));
    QCOMPARE(seen.logPath, sb.logPath());
}

void TestRuntimeError::unknownLanguageKeepsDesignCaptions()
{
    TestSupport::Sandbox sb;
    CurrentLanguageNr = 3;
    DialogSnapshot seen;
    Dialogs::SetDialogHandler([&](QDialog *d) {
        seen = snapshot(d, sb);
        return int(QDialog::Accepted);
    });
    RuntimeErrorReport("formMain", "frameGradeQuit", 315, "Invalid QuestionMode value");
    QCOMPARE(seen.title, QString("Velko Errors ..."));
    QCOMPARE(seen.quit, QString("QUITTER LE PROGRAMME"));
    // The log path is shown in every language.
    QCOMPARE(seen.logPath, sb.logPath());

    // A later report in a known language re-captions the same dialog.
    CurrentLanguageNr = 1;
    RuntimeErrorReport("formMain", "cmdQAGrade_Click", 316, "Invalid QuestionMode value");
    QCOMPARE(seen.title, ProgramVersionBuild() + QString::fromUtf8(" - Erreur d'exécution :"));
    QCOMPARE(seen.items.size(), 2);
}

void TestRuntimeError::okHidesAndCallerResumes()
{
    TestSupport::Sandbox sb;
    bool visibleBefore = false, visibleAfter = true;
    Dialogs::SetDialogHandler([&](QDialog *d) {
        visibleBefore = d->isVisible();
        qobject_cast<formDebugOutput *>(d)->cmdDebugOutputOK->click();
        visibleAfter = d->isVisible();
        return d->result();
    });
    RuntimeErrorReport("clsUser", "DbOpen", 3044, "Not a valid path");
    QVERIFY(visibleBefore);
    QVERIFY(!visibleAfter);
    QCOMPARE(RuntimeErrorDialog()->result(), int(QDialog::Accepted));
    QCOMPARE(Seams::ProgramEndRequests(), 0);
    QVERIFY(QFile::exists(sb.logPath()));
}

void TestRuntimeError::quitCleansTempThenEndsProgram()
{
    TestSupport::Sandbox sb;
    const QString own = TempFileCreate();
    const QString foreign = PathAddBackslash(sb.tempDir) + "other-program.tmp";
    {
        QFile f(foreign);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::exists(own));

    bool ownGoneAtEnd = false, foreignThereAtEnd = false;
    QString logAtEnd;
    int exitCode = -1;
    Seams::SetProgramEndHandler([&](int code) {
        exitCode = code;
        ownGoneAtEnd = !QFile::exists(own);
        foreignThereAtEnd = QFile::exists(foreign);
        logAtEnd = sb.logText();
    });
    Dialogs::SetDialogHandler([&](QDialog *d) {
        qobject_cast<formDebugOutput *>(d)->cmdDebugOutputQuit->click();
        return int(QDialog::Rejected);
    });

    RuntimeErrorReport("clsQuestion", "DbOpen", 3024, "Could not find file");

    QCOMPARE(Seams::ProgramEndRequests(), 1);
    QCOMPARE(exitCode, 0);
    QVERIFY(ownGoneAtEnd);
    QVERIFY(foreignThereAtEnd);
    QCOMPARE(logAtEnd, block("clsQuestion", "DbOpen", 3024, "Could not find file"));
}

void TestRuntimeError::supportLinkOpensSupportPage()
{
    TestSupport::Sandbox sb;
    QStringList opened;
    SetDocumentOpenHandler([&](const QString &target) { opened << target; });
    QString shownText;
    Dialogs::SetDialogHandler([&](QDialog *d) {
        auto *form = qobject_cast<formDebugOutput *>(d);
        shownText = form->txtVelkoSupportURL->text();
        Q_EMIT form->txtVelkoSupportURL->linkActivated(VelkoSupportURL);
        return int(QDialog::Accepted);
    });
    RuntimeErrorReport("modMain", "FileExists", 52, "Bad file name or number");

    QCOMPARE(opened, QStringList({VelkoSupportURL}));
    QVERIFY(VelkoSupportURL.endsWith("/velko/support/"));
    QVERIFY(VelkoSupportURL.startsWith("https://"));
    QVERIFY(shownText.contains(VelkoSupportURL));
    // Opening the page neither closes the dialog nor ends the program.
    QCOMPARE(Seams::ProgramEndRequests(), 0);
}

void TestRuntimeError::reportWithoutLogStillShowsDialog()
{
    TestSupport::Sandbox sb;
    objDebug = nullptr;
    int calls = 0;
    QString logPath;
    Dialogs::SetDialogHandler([&](QDialog *d) {
        ++calls;
        logPath = qobject_cast<formDebugOutput *>(d)->txtDebugOutput->text();
        return int(QDialog::Accepted);
    });
    RuntimeErrorReport("clsUser", "DbOpen", -2147467259, "Could not find installable ISAM.");
    QCOMPARE(calls, 1);
    QCOMPARE(RuntimeErrorLines(),
             QStringList({"Error -2147467259 : Could not find installable ISAM. (clsUser -> DbOpen)"}));
    QCOMPARE(logPath, QString("Path to Velko.log"));
    QVERIFY(!QFile::exists(sb.logPath()));
}

void TestRuntimeError::trappedIniErrorsAreReportedAndSkipped()
{
    TestSupport::Sandbox sb;
    int dialogs = 0;
    Dialogs::SetDialogHandler([&](QDialog *d) {
        ++dialogs;
        qobject_cast<formDebugOutput *>(d)->cmdDebugOutputOK->click();
        return int(QDialog::Accepted);
    });
    // An INI "file" that is a directory cannot be read; one in a missing
    // directory cannot be written. Both are reported, and the caller goes on.
    QVERIFY(QDir().mkpath(sb.iniPath()));
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "PIC_PATH"), QString(""));
    const QString nowhere = sb.dir.path() + "/missing/dir/velko.ini";
    SetINIvalue(nowhere, "Config", "DB_PATH", "/srv/");
    QVERIFY(!QFile::exists(nowhere));

    QCOMPARE(dialogs, 2);
    const QStringList lines = RuntimeErrorLines();
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith("Error 75 : ") && lines[0].endsWith(" (modMain -> GetINIvalue)"),
             qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith("Error 75 : ") && lines[1].endsWith(" (modMain -> SetINIvalue)"),
             qPrintable(lines[1]));
    QVERIFY(sb.logText().contains("  Function Name :GetINIvalue" + NewLine + "  Error Number  : 75" + NewLine));
    QVERIFY(sb.logText().contains("  Function Name :SetINIvalue" + NewLine));
    QCOMPARE(Seams::ProgramEndRequests(), 0);
}

QTEST_MAIN(TestRuntimeError)
#include "tst_runtimeerror.moc"
