#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

namespace ViewKit {

// Paints a legend row in rect with `font`: a 12-point square in `color` (corner radius 2), the label
// in labelColor after the default spacing, and the right text in rightColor at the trailing edge.
void paintLegend(QPainter& painter, const QRectF& rect, const QColor& color, const QString& label,
                 const std::optional<QString>& rightText, const QFont& font, const QColor& labelColor,
                 const QColor& rightColor);
// Where paintLegend puts the parts of a legend row in rect: the label's leading edge, and the right
// text's rect (its whole width at the trailing edge).
qreal legendLabelLeft(const QRectF& rect);
QRectF legendValueRect(const QRectF& rect, const QString& rightText, const QFont& font);
// Paints the right text of a legend row alone, where paintLegend paints it: a changed value beside a
// label that stays is repainted without the label.
void paintLegendValue(QPainter& painter, const QRectF& rect, const QString& rightText, const QFont& font,
                      const QColor& rightColor);

// One legend row of a card: a coloured square, a label and an optional value at the trailing edge.
class VKLegendView : public QWidget
{
    Q_OBJECT

public:
    // A plain-text label.
    VKLegendView(const QColor& color, std::optional<QString> text, std::optional<QString> rightText,
                 QWidget* parent = nullptr);
    // The label translated once, now; the right text as given.
    VKLegendView(const QColor& color, LanguageKit::LKLocalizedString localized, std::optional<QString> rightText,
                 QWidget* parent = nullptr);
    // Label and right text translated once, now.
    VKLegendView(const QColor& color, LanguageKit::LKLocalizedString localized,
                 LanguageKit::LKLocalizedString localizedRight, QWidget* parent = nullptr);
    // A label looked up in the application's main table when drawn.
    static VKLegendView* withKey(const QColor& color, const QString& key, std::optional<QString> rightText,
                                 QWidget* parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    std::optional<QString> text() const { return m_text; }
    std::optional<QString> key() const { return m_key; }
    // The plain text wins over the key.
    void setText(std::optional<QString> text);
    void setKey(std::optional<QString> key);
    std::optional<QString> rightText() const { return m_rightText; }
    void setRightText(std::optional<QString> rightText);

    // The label as drawn: the text, else the key looked up, else nothing.
    QString label() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updatePolicy();

    QColor m_color;
    std::optional<QString> m_text;
    std::optional<QString> m_key;
    std::optional<QString> m_rightText;
};

} // namespace ViewKit
