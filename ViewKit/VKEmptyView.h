#pragma once

#include "ViewKit/VKImage.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

namespace ViewKit {

// A centred placeholder: the picture stretched to exactly width x height (in `color`, or the text
// colour when none) over the text in the bold third-level title font (secondary), 16 points apart,
// each padded by the default padding.
class VKEmptyView : public QWidget
{
    Q_OBJECT

public:
    VKEmptyView(const VKImage& image, const QString& text, qreal width, qreal height,
                std::optional<QColor> color = std::nullopt, QWidget* parent = nullptr);

    VKImage image() const { return m_image; }
    void setImage(const VKImage& image);
    QString text() const { return m_text; }
    void setText(const QString& text);
    qreal imageWidth() const { return m_width; }
    qreal imageHeight() const { return m_height; }
    void setImageSize(qreal width, qreal height);
    std::optional<QColor> color() const { return m_color; }
    void setColor(std::optional<QColor> color);

    // Where the picture is drawn in the current size.
    QRectF imageRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF contentRect() const;

    VKImage m_image;
    QString m_text;
    qreal m_width;
    qreal m_height;
    std::optional<QColor> m_color;
};

} // namespace ViewKit
