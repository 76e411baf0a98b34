#pragma once

#include "LanguageKit/LKLocalizedString.h"

#include <QColor>
#include <QString>
#include <QWidget>

#include <optional>

namespace ViewKit {

// White text in the callout font on a colour gradient, at its ideal size. The plain text wins over the
// key; a key is looked up in the application's table when drawn. With neither the label is hidden and
// takes no space.
class VKBadgeLabel : public QWidget
{
    Q_OBJECT

public:
    VKBadgeLabel(std::optional<QString> key, std::optional<QString> text, const QColor& color,
                 QWidget* parent = nullptr);

    static VKBadgeLabel* withKey(const QString& key, const QColor& color, QWidget* parent = nullptr);
    static VKBadgeLabel* withText(const QString& text, const QColor& color, QWidget* parent = nullptr);
    // The key's translation, taken now and kept as the plain text.
    static VKBadgeLabel* localized(LanguageKit::LKLocalizedString key, const QColor& color,
                                   QWidget* parent = nullptr);

    const std::optional<QString>& key() const { return m_key; }
    const std::optional<QString>& text() const { return m_text; }
    QColor color() const { return m_color; }

    // The text shown; none when the label shows nothing.
    std::optional<QString> label() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QString> m_key;
    std::optional<QString> m_text;
    QColor m_color;
};

} // namespace ViewKit
