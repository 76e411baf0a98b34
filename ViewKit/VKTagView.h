#pragma once

#include "LanguageKit/LKLocalizedString.h"
#include "ViewKit/VKBadgeColor.h"

#include <QString>
#include <QWidget>

#include <optional>

namespace ViewKit {

// A chip in one of the badge colours: an optional symbol (dimension by dimension points) and bold
// callout text, `spacing` apart, in the strong shade on the pale shade, padded 4 points top and bottom
// and 10 at both ends, corners of radius 4. The key wins over the plain text and is looked up in the
// application's table when drawn; with neither only the pale background remains. A fixed-size chip
// hugs its content; otherwise it spans the width offered with the content centred.
class VKTagView : public QWidget
{
    Q_OBJECT

public:
    VKTagView(std::optional<QString> text, std::optional<QString> key, const VKBadgeColor& color, bool fixedSize,
              std::optional<QString> systemName, qreal spacing, qreal dimension, QWidget* parent = nullptr);

    static VKTagView* withText(const QString& text, const VKBadgeColor& color, bool fixedSize,
                               std::optional<QString> systemName, qreal spacing, qreal dimension,
                               QWidget* parent = nullptr);
    static VKTagView* withKey(const QString& key, const VKBadgeColor& color, bool fixedSize,
                              std::optional<QString> systemName, qreal spacing, qreal dimension,
                              QWidget* parent = nullptr);
    // The key's translation, taken now and kept as the plain text.
    static VKTagView* localized(LanguageKit::LKLocalizedString key, const VKBadgeColor& color, bool fixedSize,
                                std::optional<QString> systemName, qreal spacing, qreal dimension,
                                QWidget* parent = nullptr);

    const std::optional<QString>& text() const { return m_text; }
    const std::optional<QString>& key() const { return m_key; }
    const VKBadgeColor& color() const { return m_color; }
    bool fixedSize() const { return m_fixedSize; }
    const std::optional<QString>& systemName() const { return m_systemName; }
    qreal spacing() const { return m_spacing; }
    qreal dimension() const { return m_dimension; }

    // The text shown; none when the chip has no content.
    std::optional<QString> label() const;
    // Where the symbol and the text are drawn in the current size (empty when absent).
    QRectF symbolRect() const;
    QRectF textRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSizeF contentSize() const;
    qreal contentLeft() const;

    std::optional<QString> m_text;
    std::optional<QString> m_key;
    VKBadgeColor m_color;
    bool m_fixedSize;
    std::optional<QString> m_systemName;
    qreal m_spacing;
    qreal m_dimension;
};

} // namespace ViewKit
