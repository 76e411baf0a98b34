#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace ViewKit {

// Two buttons on one coloured surface with corners of radius 6: a white title in `font` that runs
// `action`, a thin white divider, and a white symbol (18 by 18 points) that runs `secondaryAction`;
// at its ideal size. The key wins over the plain text and is looked up in the application's table when
// drawn; with neither only the surface is drawn.
class VKSplitButton : public QWidget
{
    Q_OBJECT

public:
    VKSplitButton(std::optional<QString> key, std::optional<QString> text, const QString& icon, const QColor& color,
                  std::function<void()> action, std::function<void()> secondaryAction, const QFont& font,
                  QWidget* parent = nullptr);

    static VKSplitButton* withKey(const QString& key, const QColor& color, const QString& icon, const QFont& font,
                                  std::function<void()> action, std::function<void()> secondaryAction,
                                  QWidget* parent = nullptr);
    static VKSplitButton* withText(const QString& text, const QColor& color, const QString& icon, const QFont& font,
                                   std::function<void()> action, std::function<void()> secondaryAction,
                                   QWidget* parent = nullptr);

    const std::optional<QString>& key() const { return m_key; }
    void setKey(std::optional<QString> key);
    const std::optional<QString>& text() const { return m_text; }
    void setText(std::optional<QString> text);
    const QString& icon() const { return m_icon; }
    void setIcon(const QString& icon);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    void setAction(std::function<void()> action) { m_action = std::move(action); }
    void setSecondaryAction(std::function<void()> action) { m_secondaryAction = std::move(action); }
    QFont titleFont() const { return m_font; }
    void setTitleFont(const QFont& font);

    // The title shown; none when there is no row.
    std::optional<QString> title() const;
    // The areas of the two buttons and the divider in the current size (empty without a row).
    QRectF titleRect() const;
    QRectF dividerRect() const;
    QRectF symbolButtonRect() const;
    QRectF symbolRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    static constexpr qreal cornerRadius = 6;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum class Part { none, title, symbol };
    Part partAt(const QPointF& point) const;
    QSizeF rowSize() const;
    void changed();

    std::optional<QString> m_key;
    std::optional<QString> m_text;
    QString m_icon;
    QColor m_color;
    std::function<void()> m_action;
    std::function<void()> m_secondaryAction;
    QFont m_font;
    Part m_pressed = Part::none;
};

} // namespace ViewKit
