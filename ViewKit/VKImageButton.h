#pragma once

#include <QAbstractButton>
#include <QString>

#include <functional>
#include <optional>

namespace ViewKit {

// A push button of the platform's style whose label is a symbol, scaled to fit with its aspect ratio
// kept. With a size the button is size by size points; without one it takes the space offered.
class VKImageButton : public QAbstractButton
{
    Q_OBJECT

public:
    VKImageButton(const QString& systemName, std::optional<qreal> size, std::function<void()> action,
                  QWidget* parent = nullptr);

    const QString& systemName() const { return m_systemName; }
    std::optional<qreal> symbolSize() const { return m_size; }

    // Where the symbol is drawn: the largest square inside the button's label area.
    QRectF symbolRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect labelRect() const;

    QString m_systemName;
    std::optional<qreal> m_size;
    std::function<void()> m_action;
};

} // namespace ViewKit
