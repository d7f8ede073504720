#include "about/vel_url_label.h"

#include <QMouseEvent>

TVelUrlLabel::TVelUrlLabel(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void TVelUrlLabel::SetLook(const QColor &color, bool underline)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
    QFont look = font();
    look.setUnderline(underline);
    setFont(look);
}

void TVelUrlLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    if (!m_rememberedColor)
        m_rememberedColor = palette().color(QPalette::WindowText);
    SetLook(QColor(0, 0, 255), true);
}

void TVelUrlLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    if (m_rememberedColor)
        SetLook(*m_rememberedColor, false);
}

void TVelUrlLabel::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void TVelUrlLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    if (click)
        emit clicked();
}
