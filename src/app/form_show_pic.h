#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

class QImage;
class QLabel;
class TPicture;

// The preview window's outer size for a picture of the given size: pictures
// that fit 480 × 320 get a 480 × 320 image area, larger ones are scaled
// to fit it keeping their proportions; 2 pixels of frame and the 41-pixel
// top panel are added.
QSize PreviewWindowSize(QSize picture);

// A decoded picture as an image for display, transparency kept.
QImage DisplayImage(const TPicture &picture);

// The picture preview: one tool window, created at start-up, hidden until
// the first preview and reused for every later one.
class TFormShowPic : public QWidget
{
    Q_OBJECT

public:
    explicit TFormShowPic(QWidget *parent = nullptr);

    // The picture to show.
    QString PicturePath;

    // Sizes the window for PicturePath and shows the picture stretched over
    // the image area. Throws AppError when the picture cannot be read; the
    // caption already names the path then.
    void ShowPicture();

    QWidget *Panel1 = nullptr;
    QLabel *Image1 = nullptr;

protected:
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Gives the window the outer size the last picture asked for, with the
    // frame the window system has now.
    void FitOuterSize();
    // Whether the window system framed the window differently since the last fit.
    void RefitWhenFrameChanged();

    QSize m_outerSize;
    QSize m_frameUsed;
};
