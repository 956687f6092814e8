#pragma once
// The main window. It owns every screen frame, the log and question-bank
// objects, the two timers and the layout scaling, and runs the start-up
// sequence. Screens are frames stacked on one another; the one in front is
// the one the user sees.
#include "shell/Layout.h"

#include <QWidget>
#include <memory>

class QTimer;
class clsDebug;
class framePractice;
class frameThemes;
class frameQA;
class framePictureBig;
class frameGrade;
class frameLogin;
class frameAdmin;
class frameHistory;
class frameLanguage;
class frameResultsLog;

class formMain : public QWidget
{
    Q_OBJECT
public:
    formMain();    // Form_Initialize
    ~formMain() override;

    void Form_Load();     // the start-up sequence
    void Form_Resize();
    void Form_Unload();   // ends the program
    void FormTextUpdate();

    void Form_InitSize();
    void Frame_InitSize(QWidget *frame);
    void Controls_PositionsStore();
    void Controls_PositionsChange();

    void tmrSplash_Timer();
    void tmrTime_Timer();

    // Form-level layout state.
    bool PositionsStored() const { return m_layout.PositionsStored; }
    const std::array<int32_t, DesignPositionCount> &DesignPositions() const { return m_layout.DesignPositions; }
    int32_t WidthDelta = 0;
    int32_t HeightDelta = 0;

    QTimer *tmrSplash = nullptr;
    QTimer *tmrTime = nullptr;

    framePractice *m_framePractice = nullptr;
    frameThemes *m_frameThemes = nullptr;
    frameQA *m_frameQA = nullptr;
    framePictureBig *m_framePictureBig = nullptr;
    frameGrade *m_frameGrade = nullptr;
    frameLogin *m_frameLogin = nullptr;
    frameAdmin *m_frameAdmin = nullptr;
    frameHistory *m_frameHistory = nullptr;
    frameLanguage *m_frameLanguage = nullptr;
    frameResultsLog *m_frameResultsLog = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createFrames();
    void wireProcedures();
    bool endRequestedSince(int before) const;
    void startPictureShow(int number, const char *viewerName);

    LayoutScaler m_layout;
    std::unique_ptr<clsDebug> m_debug;
    bool m_loading = false;
    // Monotonic time (Seams::MonotonicMs) at which the start picture ends; a
    // time of day would not pass the end when start-up is just before midnight.
    qint64 m_splashEndMs = 0;
};
