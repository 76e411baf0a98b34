#pragma once

#include <QWidget>

namespace ViewKit {

// A container that pads its content by the default padding and, while the pointer is over it, draws
// the accent colour at opacity 0.1 behind it in a continuous-corner rectangle of radius 8.
class VKHoverView : public QWidget
{
    Q_OBJECT

public:
    // Takes ownership of content.
    explicit VKHoverView(QWidget* content, QWidget* parent = nullptr);

    QWidget* content() const { return m_content; }
    bool isHovered() const { return m_hovered; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QWidget* m_content;
    bool m_hovered = false;
};

} // namespace ViewKit
