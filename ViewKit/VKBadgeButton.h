#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QString>

#include <functional>
#include <optional>

namespace ViewKit {

// A compact text button on a colour gradient, without bezel: white callout text padded 4 points top
// and bottom and 10 at both ends, corners of radius 4, at its ideal size. The key wins over the plain
// text and is looked up in the application's table when drawn. With neither the button is hidden,
// takes no space and cannot be pressed.
class VKBadgeButton : public QAbstractButton
{
    Q_OBJECT

public:
    VKBadgeButton(std::function<void()> handler, std::optional<QString> key, std::optional<QString> text,
                  const QColor& color, QWidget* parent = nullptr);

    static VKBadgeButton* withKey(const QString& key, const QColor& color, std::function<void()> handler,
                                  QWidget* parent = nullptr);
    static VKBadgeButton* withText(const QString& text, const QColor& color, std::function<void()> handler,
                                   QWidget* parent = nullptr);

    const std::optional<QString>& key() const { return m_key; }
    const std::optional<QString>& labelText() const { return m_text; }
    QColor color() const { return m_color; }

    // The text shown; none when the button shows nothing.
    std::optional<QString> label() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    std::function<void()> m_handler;
    std::optional<QString> m_key;
    std::optional<QString> m_text;
    QColor m_color;
};

} // namespace ViewKit
