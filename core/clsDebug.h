#pragma once
// Diagnostic log: one plain-text line per call, appended to a file in the
// temporary directory. The file is opened and closed for every line, so the
// log is complete up to the last call even if the program ends abruptly.
#include <QString>
#include <cstdint>

class clsDebug
{
public:
    clsDebug();   // Class_Initialize

    uint8_t LogTargetList = 1;
    uint8_t LogTargetDebugger = 2;
    uint8_t LogTargetFile = 4;

    void LogPrint(const QString &text);
    void LogPrintSeparatorLine(const QString &character, int16_t length);
    void LogPrintHeader();
    void LogFileDel();
    void LogEnable(uint8_t flags);
    void LogDisable(uint8_t flags);
    uint8_t LogState() const { return m_state; }

    void setLogFilePath(const QString &path);   // appends the separator when missing
    QString LogFilePath() const { return m_path; }
    void setLogFileName(const QString &name) { m_name = name; }
    QString LogFileName() const { return m_name; }

private:
    uint8_t m_state = 0;
    QString m_path;
    QString m_name;
};
