#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

namespace ViewKit {

// A white symbol (16 by 16 points) and white callout text, 8 points apart, on a colour gradient, padded
// by the given spacings, at its ideal size. The key wins over the plain text and is looked up in the
// application's table when drawn.
class VKBadgeIconLabel : public QWidget
{
    Q_OBJECT

public:
    VKBadgeIconLabel(std::optional<QString> key, std::optional<QString> text, const QString& systemName,
                     const QColor& color, qreal horizontalSpacing, qreal verticalSpacing, QWidget* parent = nullptr);

    static VKBadgeIconLabel* withKey(const QString& key, const QString& systemName, const QColor& color,
                                     qreal horizontalSpacing, qreal verticalSpacing, QWidget* parent = nullptr);
    static VKBadgeIconLabel* withText(const QString& text, const QString& systemName, const QColor& color,
                                      qreal horizontalSpacing, qreal verticalSpacing, QWidget* parent = nullptr);

    static constexpr qreal symbolSide = 16;
    static constexpr qreal contentSpacing = 8;

    const std::optional<QString>& key() const { return m_key; }
    const std::optional<QString>& text() const { return m_text; }
    const QString& systemName() const { return m_systemName; }
    QColor color() const { return m_color; }
    qreal horizontalSpacing() const { return m_horizontalSpacing; }
    qreal verticalSpacing() const { return m_verticalSpacing; }

    // The text shown beside the symbol; none when there is no text.
    std::optional<QString> label() const;
    // Where the symbol is drawn.
    QRectF symbolRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF contentSize() const;

    std::optional<QString> m_key;
    std::optional<QString> m_text;
    QString m_systemName;
    QColor m_color;
    qreal m_horizontalSpacing;
    qreal m_verticalSpacing;
};

} // namespace ViewKit
