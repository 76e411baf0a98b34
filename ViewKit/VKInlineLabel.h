#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

namespace ViewKit {

// The size of a pill around a text in `font`: the text padded 3 points top and bottom, 8 leading and
// trailing.
QSizeF pillSize(const QString& text, const QFont& font);

// Paints a pill in rect: `color` at opacity 0.25 behind, round ends (corner radius half the height),
// the text centred in `color`.
void paintPill(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font, const QColor& color);

// A pill-shaped label at its ideal size, in the headline font.
class VKInlineLabel : public QWidget
{
    Q_OBJECT

public:
    VKInlineLabel(const QString& text, const QColor& color, QWidget* parent = nullptr);
    // The text translated once, now.
    VKInlineLabel(LanguageKit::LKLocalizedString localized, const QColor& color, QWidget* parent = nullptr);
    // A label looked up in the application's main table when drawn.
    static VKInlineLabel* withKey(const QString& key, const QColor& color, QWidget* parent = nullptr);

    std::optional<QString> text() const { return m_text; }
    std::optional<QString> key() const { return m_key; }
    QColor color() const { return m_color; }
    // The label as drawn: the key looked up, else the text.
    QString label() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QString> m_text;
    std::optional<QString> m_key;
    QColor m_color;
};

} // namespace ViewKit
