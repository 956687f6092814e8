#include "core/PictureViewer.h"

#include <QMouseEvent>

PictureViewer::PictureViewer(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setMinimumSize(0, 0);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

bool PictureViewer::LoadFile(const QString &fileName)
{
    QPixmap pixmap;
    if (!pixmap.load(fileName))
        return false;
    m_pixmap = pixmap;
    m_fileName = fileName;
    rescale();
    return true;
}

void PictureViewer::Clear()
{
    m_pixmap = QPixmap();
    m_fileName.clear();
    QLabel::clear();
}

void PictureViewer::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    rescale();
}

void PictureViewer::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    QLabel::mousePressEvent(event);
}

void PictureViewer::rescale()
{
    if (m_pixmap.isNull() || width() < 1 || height() < 1)
        return;
    setPixmap(m_pixmap.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
