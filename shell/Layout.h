#pragma once
// Layout scaling of the main window. The window is designed for 800 x 600
// pixels (12000 x 9000 twips); when it is resized, a fixed set of controls is
// moved or stretched by the size difference. All positions are recomputed
// from the stored design values on every resize, so repeated resizes never
// accumulate error. Values are kept in twips (15 per pixel).
#include <QString>
#include <array>
#include <cstdint>

class QWidget;

constexpr int TwipsPerPixel = 15;
constexpr int DesignWindowWidth = 12000;
constexpr int DesignWindowHeight = 9000;
constexpr int FrameDesignLeft = 60;
constexpr int FrameDesignTop = 0;
constexpr int FrameDesignWidth = 11775;
constexpr int FrameDesignHeight = 8535;
constexpr int QAPictureHeightWithText = 4455;
constexpr int QAPictureHeightWithoutText = 5295;
constexpr int DesignPositionCount = 56;

enum class DesignProperty { Height, Width, Left, Top };

struct DesignEntry {
    const char *control;   // object name of the control
    DesignProperty property;
};

// The 55 stored design values, by index.
extern const std::array<DesignEntry, DesignPositionCount> DesignEntries;

int32_t ClampPositive(int32_t value);

class LayoutScaler
{
public:
    explicit LayoutScaler(QWidget *root) : m_root(root) {}

    // Stores the design values of every listed control (once, before any resize).
    void Controls_PositionsStore();
    // Applies the resize rules for the window size differences W and H (twips).
    void Controls_PositionsChange(int32_t widthDelta, int32_t heightDelta);

    bool PositionsStored = false;
    std::array<int32_t, DesignPositionCount> DesignPositions{};

    // Twips of a widget's geometry property, and setting one.
    static int32_t Twips(const QWidget *w, DesignProperty p);
    static void SetTwips(QWidget *w, DesignProperty p, int32_t twips);

private:
    QWidget *find(const char *name) const;
    void set(const char *name, DesignProperty p, int32_t twips) const;
    void frameSize(const char *frame, int32_t w, int32_t h) const;
    QWidget *m_root;
};
