#pragma once
// A picture area: loads a picture file, scales it to its area keeping the
// proportions, can be cleared, and reports clicks.
#include <QLabel>
#include <QPixmap>

class PictureViewer : public QLabel
{
    Q_OBJECT
public:
    explicit PictureViewer(QWidget *parent = nullptr);

    bool LoadFile(const QString &fileName);   // false when the file cannot be read
    void Clear();                              // drops the picture
    QString FileName() const { return m_fileName; }
    bool HasPicture() const { return !m_pixmap.isNull(); }

Q_SIGNALS:
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void rescale();
    QPixmap m_pixmap;
    QString m_fileName;
};
