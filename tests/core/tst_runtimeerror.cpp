// The central error report: the log block, the dialog with its list, the
// clipboard, the captions by language and the dialog's buttons.
#include "TestSupport.h"
#include "core/formDebugOutput.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// What the test sees while the dialog is on the screen.
struct Seen {
    bool visible;
    QString log;
    QStringList items;
    int row;
    QString clipboard, title, logPath;
    bool visibleAfterAnswer = true;
};

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
    void reportsTrappedIniErrorsAndQuit();

private:
    // Answers every error dialog with the given button (none: leave it open)
    // after recording what it shows.
    void answerWith(const TestSupport::Sandbox &sb, QPushButton *formDebugOutput::*button)
    {
        Dialogs::SetDialogHandler([this, &sb, button](QDialog *d) {
            auto *f = qobject_cast<formDebugOutput *>(d);
            QStringList items;
            for (int i = 0; i < f->listDebugOutput->count(); ++i)
                items << f->listDebugOutput->item(i)->text();
            seen << Seen{f->isVisible(), sb.logText(), items, f->listDebugOutput->currentRow(),
                         QGuiApplication::clipboard()->text(), f->windowTitle(), f->txtDebugOutput->text()};
            if (button)
                (f->*button)->click();
            seen.last().visibleAfterAnswer = f->isVisible();
            return f->result();
        });
    }
    QList<Seen> seen;
};

void TestRuntimeError::reportsTrappedIniErrorsAndQuit()
{
    TestSupport::Sandbox sb;
    sb.log->LogPrint("before");
    QStringList opened;
    SetDocumentOpenHandler([&](const QString &target) { opened << target; });
    answerWith(sb, &formDebugOutput::cmdDebugOutputOK);

    RuntimeErrorReport("clsUser", "UserNameSeek", 3021, "Either BOF or EOF is True");

    const QString line = "Error 3021 : Either BOF or EOF is True (clsUser -> UserNameSeek)";
    QCOMPARE(RuntimeErrorLines(), QStringList({line}));
    QCOMPARE(seen.size(), 1);
    QVERIFY(seen[0].visible);
    QCOMPARE(seen[0].log, "before" + NewLine + block("clsUser", "UserNameSeek", 3021, "Either BOF or EOF is True"));
    QCOMPARE(seen[0].logPath, sb.logPath());
    QCOMPARE(seen[0].title, ProgramVersionBuild() + " - Laufzeit Fehler :");
    // OK hides the dialog and the caller goes on.
    QVERIFY(!seen[0].visibleAfterAnswer);
    QCOMPARE(RuntimeErrorDialog()->result(), int(QDialog::Accepted));
    QCOMPARE(Seams::ProgramEndRequests(), 0);

    // The support link opens the support page.
    Q_EMIT RuntimeErrorDialog()->txtVelkoSupportURL->linkActivated(VelkoSupportURL);
    QCOMPARE(opened, QStringList({VelkoSupportURL}));

    // A second report adds to the same dialog, list (its row current), clipboard and
    // log; the title follows the language.
    formDebugOutput *first = RuntimeErrorDialog();
    CurrentLanguageNr = 1;
    RuntimeErrorReport("clsQuestion", "QuestionNrSeek", 3704, "closed");
    const QString line2 = "Error 3704 : closed (clsQuestion -> QuestionNrSeek)";
    QCOMPARE(seen.size(), 2);
    QCOMPARE(RuntimeErrorDialog(), first);
    QCOMPARE(seen[1].items, QStringList({line, line2}));
    QCOMPARE(seen[1].row, 1);
    QCOMPARE(seen[1].title, ProgramVersionBuild() + QString::fromUtf8(" - Erreur d'exécution :"));
    QCOMPARE(seen[1].clipboard, line + NewLine + line2 + NewLine);
    QCOMPARE(sb.logText(), seen[0].log + block("clsQuestion", "QuestionNrSeek", 3704, "closed"));

    // An INI "file" that is a directory cannot be read; one in a missing
    // directory cannot be written. Both are reported, and the caller goes on.
    QVERIFY(QDir().mkpath(sb.iniPath()));
    QCOMPARE(GetINIvalue(sb.iniPath(), "Config", "PIC_PATH"), QString(""));
    const QString nowhere = sb.dir.path() + "/missing/dir/velko.ini";
    SetINIvalue(nowhere, "Config", "DB_PATH", "/srv/");
    QVERIFY(!QFile::exists(nowhere));
    const QStringList lines = RuntimeErrorLines().mid(2);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith("Error 75 : ") && lines[0].endsWith(" (modMain -> GetINIvalue)"), qPrintable(lines[0]));
    QVERIFY2(lines[1].startsWith("Error 75 : ") && lines[1].endsWith(" (modMain -> SetINIvalue)"), qPrintable(lines[1]));
    QCOMPARE(Seams::ProgramEndRequests(), 0);

    // Quit removes this run's scratch files, then ends the program.
    const QString own = TempFileCreate(), foreign = PathAddBackslash(sb.tempDir) + "other-program.tmp";
    TestSupport::WriteFile(foreign, "x");
    QString atEnd;   // exit code, own file there, foreign file there
    Seams::SetProgramEndHandler([&](int code) { atEnd = QString("%1%2%3").arg(code).arg(QFile::exists(own)).arg(QFile::exists(foreign)); });
    answerWith(sb, &formDebugOutput::cmdDebugOutputQuit);
    CurrentLanguageNr = 2;
    RuntimeErrorReport("clsQuestion", "DbOpen", 3024, "Could not find file");
    QCOMPARE(seen.last().title, ProgramVersionBuild() + " - Errore runtime :");
    QCOMPARE(Seams::ProgramEndRequests(), 1);
    QCOMPARE(atEnd, QString("001"));
}

QTEST_MAIN(TestRuntimeError)
#include "tst_runtimeerror.moc"
