#include "training/framePictureBig.h"

#include "core/AccessibleTexts.h"
#include "core/ControlCreate.h"
#include "core/PictureViewer.h"
#include "core/Screens.h"

#include <QKeyEvent>

framePictureBig::framePictureBig(QWidget *parent)
    : QGroupBox(parent)
{
    setObjectName(QStringLiteral("framePictureBig"));
    // Screens lie on one another: each one covers those behind it.
    setAutoFillBackground(true);
    setGeometry(4, 0, 785, 569);
    m_viewer = ControlCreate<PictureViewer>(this, QStringLiteral("IHImgPictureBig"), 0, 0, 785, 569);
    connect(m_viewer, &PictureViewer::clicked, this, &framePictureBig::IHImgPictureBig_Click);
    // The keyboard closes the picture as a click does.
    m_viewer->setFocusPolicy(Qt::StrongFocus);
    m_viewer->setAccessibleName(AccessibleText(AccessibleTextId::Picture));
}

void framePictureBig::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        IHImgPictureBig_Click();
        event->accept();
        return;
    }
    QGroupBox::keyPressEvent(event);
}

void framePictureBig::IHImgPictureBig_Click()
{
    Frame_OnTop(this, false);
    m_viewer->Clear();
}
