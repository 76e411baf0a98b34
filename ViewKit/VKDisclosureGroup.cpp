#include "ViewKit/VKDisclosureGroup.h"

#include "ViewKit/VKAnimation.h"
#include "ViewKit/VKHoverView.h"
#include "ViewKit/VKImage.h"
#include "ViewKit/VKTheme.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include <cmath>

namespace ViewKit {

namespace {

constexpr qreal chevronHeight = 16;

class Chevron : public QWidget
{
public:
    Chevron(std::function<bool()> open, QWidget* parent)
        : QWidget(parent)
        , m_open(std::move(open))
    {
        setFixedSize(int(chevronHeight), int(chevronHeight));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paintDisclosureChevron(painter, QRectF(rect()), m_open(),
                               VKTheme::color(VKNamedColor::accent, VKTheme::scheme(this), palette()));
    }

private:
    std::function<bool()> m_open;
};

int points(std::optional<qreal> value, qreal fallback)
{
    const qreal v = value && std::isfinite(*value) ? std::max<qreal>(0, *value) : fallback;
    return int(std::lround(v));
}

} // namespace

void paintDisclosureChevron(QPainter& painter, const QRectF& frame, bool open, const QColor& color)
{
    const QRectF box(frame.center().x() - chevronHeight / 2, frame.center().y() - chevronHeight / 2, chevronHeight,
                     chevronHeight);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (open) {
        painter.translate(box.center());
        painter.rotate(90);
        painter.translate(-box.center());
    }
    paintImage(painter, box, VKImages::chevron(), color, VKContentMode::fit);
    painter.restore();
}

VKDisclosureGroup::VKDisclosureGroup(const Builder& content, const Builder& expandedView, std::optional<qreal> spacing,
                                     std::optional<qreal> leading, std::optional<qreal> trailing, QWidget* parent)
    : QWidget(parent)
    , m_content(content ? content() : nullptr)
    , m_expandedView(expandedView ? expandedView() : nullptr)
    , m_animation(new QVariantAnimation(this))
{
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(points(spacing, VKTheme::defaultSpacing));

    auto* row = new QWidget;
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(int(VKTheme::defaultSpacing));
    if (m_content)
        rowLayout->addWidget(m_content);
    rowLayout->addStretch(1);
    m_chevron = new Chevron([this] { return m_expanded; }, row);
    rowLayout->addWidget(m_chevron, 0, Qt::AlignVCenter);
    m_header = new VKHoverView(row, this);
    stack->addWidget(m_header);

    m_section = new QWidget(this);
    auto* sectionLayout = new QVBoxLayout(m_section);
    sectionLayout->setContentsMargins(points(leading, VKTheme::defaultPadding), 0,
                                      points(trailing, VKTheme::defaultPadding), 0);
    if (m_expandedView)
        sectionLayout->addWidget(m_expandedView);
    m_section->hide();
    stack->addWidget(m_section);
    stack->addStretch(0);

    m_animation->setEasingCurve(easeInOut());
    m_animation->setDuration(animationMilliseconds);
    connect(m_animation, &QVariantAnimation::valueChanged, this,
            [this](const QVariant& v) { m_section->setMaximumHeight(v.toInt()); });
    connect(m_animation, &QVariantAnimation::finished, this, [this] {
        m_section->setMaximumHeight(QWIDGETSIZE_MAX);
        m_section->setVisible(m_expanded);
    });
}

void VKDisclosureGroup::setExpanded(bool expanded)
{
    if (expanded == m_expanded)
        return;
    m_expanded = expanded;
    m_chevron->update();
    m_animation->stop();
    if (!isVisible()) {
        // Nothing on screen to slide: the section changes at once.
        m_section->setMaximumHeight(QWIDGETSIZE_MAX);
        m_section->setVisible(expanded);
        return;
    }
    const int full = m_section->sizeHint().height();
    m_section->setMaximumHeight(expanded ? 0 : m_section->height());
    m_section->show();
    m_animation->setStartValue(expanded ? 0 : m_section->height());
    m_animation->setEndValue(expanded ? full : 0);
    m_animation->start();
}

void VKDisclosureGroup::mousePressEvent(QMouseEvent* event)
{
    // Taking the press makes the release come here too, wherever in the group it began.
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QWidget::mousePressEvent(event);
}

void VKDisclosureGroup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        toggle();
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace ViewKit
