#pragma once

#include <QColor>
#include <QLabel>

#include <optional>

// A label that acts as a hyperlink: hand cursor, blue and underlined while
// the mouse is over it, back to its own colour when the mouse leaves. A left
// click emits clicked(); what opens `Url` is up to the owner.
class TVelUrlLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TVelUrlLabel(QWidget *parent = nullptr);

    // The address a click opens.
    QString Url;

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void SetLook(const QColor &color, bool underline);

    // The layout colour, taken when the mouse first enters.
    std::optional<QColor> m_rememberedColor;
    bool m_pressed = false;
};
