#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>

#include <functional>
#include <optional>

namespace ViewKit {

// A pill-shaped text button without bezel: headline text in `color`, padded 3 points top and bottom and
// 8 at both ends, on `color` at opacity 0.25 with round ends, at its ideal size. The key wins over the
// plain text and is looked up in the application's table when drawn.
class VKInlineButton : public QAbstractButton
{
    Q_OBJECT

public:
    VKInlineButton(std::function<void()> handler, std::optional<QString> key, std::optional<QString> text,
                   const QColor& color, QWidget* parent = nullptr);

    const std::optional<QString>& key() const { return m_key; }
    const std::optional<QString>& labelText() const { return m_text; }
    QColor color() const { return m_color; }

    // The text shown; empty when there is none.
    QString label() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void()> m_handler;
    std::optional<QString> m_key;
    std::optional<QString> m_text;
    QColor m_color;
};

} // namespace ViewKit
