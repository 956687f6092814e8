#include "training/framePictureBig.h"

#include "core/ControlCreate.h"
#include "core/PictureViewer.h"
#include "core/Screens.h"

framePictureBig::framePictureBig(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("framePictureBig"));
    // Screens lie on one another: each one covers those behind it.
    setAutoFillBackground(true);
    setGeometry(4, 0, 785, 569);
    m_viewer = ControlCreate<PictureViewer>(this, QStringLiteral("IHImgPictureBig"), 0, 0, 785, 569);
    connect(m_viewer, &PictureViewer::clicked, this, &framePictureBig::IHImgPictureBig_Click);
}

void framePictureBig::IHImgPictureBig_Click()
{
    Frame_OnTop(this, false);
    m_viewer->Clear();
}
