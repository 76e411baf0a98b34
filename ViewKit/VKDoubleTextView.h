#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

namespace ViewKit {

// Paints a label-and-value row in rect: the symbol (14 x 14, in iconColor) when given, the left text at
// the leading edge and the right text at the trailing edge, both in textColor. The left text is elided
// when the row is too narrow for both.
void paintDoubleText(QPainter& painter, const QRectF& rect, const std::optional<QString>& systemName,
                     const QString& left, const QString& right, const QFont& font, const QColor& textColor,
                     const QColor& iconColor);

// The label-and-value row of the cards. Keys are looked up in the application's main table when
// drawn; texts are shown verbatim.
class VKDoubleTextView : public QWidget
{
    Q_OBJECT

public:
    // A key on the left, a text on the right.
    static VKDoubleTextView* withKey(const QString& key, std::optional<QString> right,
                                     std::optional<QString> systemName = std::nullopt, QWidget* parent = nullptr);
    // Keys on both sides.
    static VKDoubleTextView* withKeys(const QString& key, const QString& rightKey,
                                      std::optional<QString> systemName = std::nullopt, QWidget* parent = nullptr);
    // Texts on both sides (an already translated text counts as a text).
    static VKDoubleTextView* withText(const QString& text, std::optional<QString> right,
                                      std::optional<QString> systemName = std::nullopt, QWidget* parent = nullptr);

    // The left text translated once, now; the right text as given.
    static VKDoubleTextView* withLocalized(LanguageKit::LKLocalizedString localized, std::optional<QString> right,
                                           std::optional<QString> systemName = std::nullopt,
                                           QWidget* parent = nullptr);
    // Both texts translated once, now.
    static VKDoubleTextView* withLocalized(LanguageKit::LKLocalizedString localized,
                                           LanguageKit::LKLocalizedString localizedRight,
                                           std::optional<QString> systemName = std::nullopt,
                                           QWidget* parent = nullptr);

    std::optional<QString> systemName() const { return m_systemName; }
    std::optional<QString> key() const { return m_key; }
    std::optional<QString> text() const { return m_text; }
    std::optional<QString> rightKey() const { return m_rightKey; }
    std::optional<QString> right() const { return m_right; }
    // Set the right-hand text (the value a card updates every second).
    void setRight(std::optional<QString> right);
    void setText(std::optional<QString> text);

    // The texts as drawn.
    QString leftText() const;
    QString rightText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    explicit VKDoubleTextView(QWidget* parent);
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // After a text changed: the layout is asked again only when the row's size changed, and the row is
    // painted again.
    void textChanged();

    std::optional<QString> m_systemName;
    std::optional<QString> m_key;
    std::optional<QString> m_text;
    std::optional<QString> m_rightKey;
    std::optional<QString> m_right;
    // The size hint as last measured, and the font it was measured in; none until measured, and
    // again after a text or language change.
    mutable std::optional<QSize> m_sizeHint;
    mutable QFont m_measuredFont;
};

} // namespace ViewKit
