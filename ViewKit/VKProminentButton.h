#pragma once

#include "ViewKit/VKProminentButtonStyle.h"

#include <QAbstractButton>

#include <functional>

class QVariantAnimation;

namespace ViewKit {

// A button drawn in a VKProminentButtonStyle: a text label, or a symbol for the square styles. The
// pressed look eases in and out over 0.1 seconds.
class VKProminentButton : public QAbstractButton
{
    Q_OBJECT

public:
    VKProminentButton(const QString& text, const VKProminentButtonStyle& style, std::function<void()> action,
                      QWidget* parent = nullptr);
    // A symbol as the label.
    static VKProminentButton* withSymbol(const QString& systemName, const VKProminentButtonStyle& style,
                                         std::function<void()> action, QWidget* parent = nullptr);

    const VKProminentButtonStyle& buttonStyle() const { return m_style; }
    const QString& symbolName() const { return m_symbolName; }
    // 0 released, 1 held down, between while the change runs.
    qreal pressedAmount() const { return m_pressed; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void animatePressed(bool down);

    VKProminentButtonStyle m_style;
    QString m_symbolName;
    std::function<void()> m_action;
    qreal m_pressed = 0;
    QVariantAnimation* m_animation;
};

} // namespace ViewKit
