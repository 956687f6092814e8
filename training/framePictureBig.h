#pragma once
// The enlarged picture of the question screen, also the start picture of the
// program: one picture viewer filling the frame. A click on it sends the
// frame to the back and drops the picture.
#include <QGroupBox>

class PictureViewer;
class QKeyEvent;

class framePictureBig : public QGroupBox
{
    Q_OBJECT
public:
    explicit framePictureBig(QWidget *parent = nullptr);

    PictureViewer *IHImgPictureBig() const { return m_viewer; }
    void IHImgPictureBig_Click();

protected:
    // Escape, Return and Space close the picture.
    void keyPressEvent(QKeyEvent *event) override;

private:
    PictureViewer *m_viewer = nullptr;
};
