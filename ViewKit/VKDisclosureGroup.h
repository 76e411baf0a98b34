#pragma once

#include <QColor>
#include <QRectF>
#include <QWidget>

#include <functional>
#include <optional>

class QPainter;
class QVariantAnimation;
class QVBoxLayout;

namespace ViewKit {

class VKHoverView;

// The disclosure chevron: the library's chevron in `color`, 16 high, in frame's centre, pointing right
// when closed and down (a quarter turn clockwise) when open.
void paintDisclosureChevron(QPainter& painter, const QRectF& frame, bool open, const QColor& color);

// A header that opens and closes a section below it. The header row (content, then the chevron at
// the trailing edge) lights up under the pointer; a click anywhere in the group that nothing inside
// takes opens or closes the section, which slides in and out over 0.2 seconds. The section is inset
// by `leading` and `trailing` (the default padding when absent). Starts closed.
class VKDisclosureGroup : public QWidget
{
    Q_OBJECT

public:
    using Builder = std::function<QWidget*()>;

    // Each builder is called once, now. `spacing` is the gap between header and section (the default
    // stack spacing when absent).
    VKDisclosureGroup(const Builder& content, const Builder& expandedView, std::optional<qreal> spacing = std::nullopt,
                      std::optional<qreal> leading = std::nullopt, std::optional<qreal> trailing = std::nullopt,
                      QWidget* parent = nullptr);

    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool expanded);
    void toggle() { setExpanded(!m_expanded); }

    QWidget* content() const { return m_content; }
    QWidget* expandedView() const { return m_expandedView; }
    VKHoverView* header() const { return m_header; }
    // The frame around the section that carries its insets.
    QWidget* section() const { return m_section; }

    static constexpr int animationMilliseconds = 200;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_expanded = false;
    QWidget* m_content;
    QWidget* m_expandedView;
    VKHoverView* m_header;
    QWidget* m_chevron;
    QWidget* m_section;
    QVariantAnimation* m_animation;
};

} // namespace ViewKit
