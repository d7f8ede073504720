#include "app/form_show_pic.h"

#include "media/picture_loader.h"
#include "media/picture_scaling.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace {
constexpr int kImageWidth = 480;
constexpr int kImageHeight = 320;
constexpr int kPanelHeight = 41;
constexpr int kFrame = 2;
constexpr int kInitialClientWidth = 601;
constexpr int kInitialClientHeight = 485;
} // namespace

QSize PreviewWindowSize(QSize picture)
{
    const qint64 width = picture.width();
    const qint64 height = picture.height();
    int w = kImageWidth;
    int h = kImageHeight;
    if (width > kImageWidth || height > kImageHeight) {
        if (width > height)
            h = int(RoundHalfEven(double(height * kImageWidth) / double(width)));
        else {
            h = kImageHeight;
            w = int(RoundHalfEven(double(width * kImageHeight) / double(height)));
        }
    }
    return {w + kFrame, h + kPanelHeight + kFrame};
}

QImage DisplayImage(const TPicture &picture)
{
    return picture.IsPng() ? picture.Png().ToImage() : picture.Image();
}

TFormShowPic::TFormShowPic(QWidget *parent)
    : QWidget(parent, Qt::Tool)
{
    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(kPanelHeight);
    Image1 = new QLabel(this);
    Image1->setScaledContents(true);
    Image1->setMinimumSize(1, 1);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Image1, 1);

    resize(kInitialClientWidth, kInitialClientHeight);
    if (QScreen *display = QGuiApplication::primaryScreen())
        move(display->availableGeometry().topLeft());
}

void TFormShowPic::ShowPicture()
{
    if (PicturePath.isEmpty())
        return;
    setWindowTitle(PicturePath);
    // A JPEG is decoded no larger than the screen, the most the window can
    // stretch it over; the window's size follows the file's own size.
    QSize bound(kImageWidth, kImageHeight);
    if (const QScreen *display = screen())
        bound = bound.expandedTo(display->size() * display->devicePixelRatio());
    const TPicture decoded = LoadPicture(PicturePath, [bound](QSize stored) { return FitWithin(stored, bound); });
    const QImage picture = DisplayImage(decoded);

    m_outerSize = PreviewWindowSize(decoded.StoredSize());
    FitOuterSize();
    Image1->setPixmap(QPixmap::fromImage(picture));
}

void TFormShowPic::FitOuterSize()
{
    // The rule gives the outer size; the frame the window system adds is
    // taken off to get the client size.
    m_frameUsed = frameGeometry().size() - size();
    resize(m_outerSize - m_frameUsed);
}

void TFormShowPic::RefitWhenFrameChanged()
{
    // The window system frames a window only once it is first shown; the
    // size given before that included no frame. Later resizes by the user
    // keep the frame and are left alone.
    if (m_outerSize.isValid() && frameGeometry().size() - size() != m_frameUsed)
        FitOuterSize();
}

void TFormShowPic::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    RefitWhenFrameChanged();
}

void TFormShowPic::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    RefitWhenFrameChanged();
}
