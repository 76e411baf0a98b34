#pragma once

#include <QString>
#include <QWidget>

#include <optional>

namespace ViewKit {

// Two compact rows, each an 8 x 8 symbol and a text at size 8, padded 2 points top and bottom; as
// wide as offered, or exactly `width` points when given.
class VKDoubleIconTextView : public QWidget
{
    Q_OBJECT

public:
    VKDoubleIconTextView(const QString& upperIcon, const QString& upperText, const QString& lowerIcon,
                         const QString& lowerText, std::optional<qreal> width, QWidget* parent = nullptr);

    QString upperIcon() const { return m_upperIcon; }
    QString upperText() const { return m_upperText; }
    QString lowerIcon() const { return m_lowerIcon; }
    QString lowerText() const { return m_lowerText; }
    std::optional<qreal> viewWidth() const { return m_width; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QString m_upperIcon;
    const QString m_upperText;
    const QString m_lowerIcon;
    const QString m_lowerText;
    const std::optional<qreal> m_width;
};

} // namespace ViewKit
