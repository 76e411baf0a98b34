#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>

#include <functional>

class QVariantAnimation;

namespace ViewKit {

// A bezel-less symbol button whose symbol takes the accent colour while the pointer is over it and
// `color` otherwise; the change runs linearly over `duration` seconds (at once for 0).
class VKImageHoverButton : public QAbstractButton
{
    Q_OBJECT

public:
    VKImageHoverButton(const QString& iconName, const QColor& color, double duration, std::function<void()> action,
                       QWidget* parent = nullptr);
    ~VKImageHoverButton() override;

    bool isHovered() const { return m_isHovered; }
    double duration() const { return m_duration; }
    QColor color() const { return m_color; }
    const QString& iconName() const { return m_iconName; }

    // The symbol's colour now (between the two while the change runs).
    QColor currentColor() const { return m_current; }
    // The colour the symbol moves to: the accent colour while hovered, `color` otherwise.
    QColor targetColor() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHovered(bool hovered);

    bool m_isHovered = false;
    double m_duration;
    std::function<void()> m_action;
    QColor m_color;
    QString m_iconName;
    QColor m_current;
    QVariantAnimation* m_animation;
};

} // namespace ViewKit
