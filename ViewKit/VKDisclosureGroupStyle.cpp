#include "ViewKit/VKDisclosureGroupStyle.h"

#include "ViewKit/VKDisclosureGroup.h"
#include "ViewKit/VKHoverView.h"
#include "ViewKit/VKTheme.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>

#include <cmath>

namespace ViewKit {

namespace {

const char* const styleLeading = "vkDisclosureLeading";
const char* const styleTrailing = "vkDisclosureTrailing";
const char* const styledContent = "vkDisclosureStyled";

int points(std::optional<qreal> value)
{
    const qreal v = value && std::isfinite(*value) ? std::max<qreal>(0, *value) : VKTheme::defaultPadding;
    return int(std::lround(v));
}

class StyleChevron : public QWidget
{
public:
    StyleChevron(LanguageKit::BoolBinding state, QWidget* parent)
        : QWidget(parent)
        , m_state(std::move(state))
    {
        setFixedSize(16, 16);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paintDisclosureChevron(painter, QRectF(rect()), m_state.get && m_state.get(),
                               VKTheme::color(VKNamedColor::accent, VKTheme::scheme(this), palette()));
    }

private:
    LanguageKit::BoolBinding m_state;
};

// The header: a hover view that toggles the state on a click. It knows its one chevron; the row's
// other widgets (the label and what it holds) are never repainted for a change of state.
class Header : public VKHoverView
{
public:
    Header(QWidget* row, StyleChevron* chevron, LanguageKit::BoolBinding state, QWidget* body, QWidget* parent)
        : VKHoverView(row, parent)
        , m_chevron(chevron)
        , m_state(std::move(state))
        , m_body(body)
    {
        setObjectName(QStringLiteral("vkDisclosureHeader"));
    }

    bool isOpen() const { return m_state.get && m_state.get(); }
    StyleChevron* chevron() const { return m_chevron; }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            event->accept();
        else
            VKHoverView::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
            VKHoverView::mouseReleaseEvent(event);
            return;
        }
        if (m_state.get && m_state.set)
            m_state.set(!m_state.get());
        VKDisclosureGroupStyle::sync(m_body);
        event->accept();
    }

private:
    QPointer<StyleChevron> m_chevron;
    LanguageKit::BoolBinding m_state;
    QWidget* m_body;
};

} // namespace

QWidget* VKDisclosureGroupStyle::makeBody(const Configuration& configuration, QWidget* parent) const
{
    auto* body = new QWidget(parent);
    auto* stack = new QVBoxLayout(body);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(int(VKTheme::defaultSpacing));

    auto* row = new QWidget;
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    rowLayout->setSpacing(int(VKTheme::defaultSpacing));
    if (configuration.label)
        rowLayout->addWidget(configuration.label);
    rowLayout->addStretch(1);
    auto* chevron = new StyleChevron(configuration.isExpanded, row);
    rowLayout->addWidget(chevron, 0, Qt::AlignVCenter);
    stack->addWidget(new Header(row, chevron, configuration.isExpanded, body, body));

    auto* frame = new QWidget(body);
    frame->setObjectName(QStringLiteral("vkDisclosureContent"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(points(leading), 0, points(trailing), 0);
    if (configuration.content)
        frameLayout->addWidget(configuration.content);
    // The same look for groups inside the content.
    frame->setProperty(styledContent, true);
    if (leading)
        frame->setProperty(styleLeading, double(*leading));
    if (trailing)
        frame->setProperty(styleTrailing, double(*trailing));
    stack->addWidget(frame);
    frame->setVisible(configuration.isExpanded.get && configuration.isExpanded.get());
    return body;
}

QWidget* VKDisclosureGroupStyle::header(QWidget* body)
{
    return body ? body->findChild<QWidget*>(QStringLiteral("vkDisclosureHeader"), Qt::FindDirectChildrenOnly)
                : nullptr;
}

QWidget* VKDisclosureGroupStyle::contentFrame(QWidget* body)
{
    return body ? body->findChild<QWidget*>(QStringLiteral("vkDisclosureContent"), Qt::FindDirectChildrenOnly)
                : nullptr;
}

void VKDisclosureGroupStyle::sync(QWidget* body)
{
    auto* head = dynamic_cast<Header*>(header(body));
    QWidget* frame = contentFrame(body);
    if (!head || !frame)
        return;
    frame->setVisible(head->isOpen());
    if (StyleChevron* chevron = head->chevron())
        chevron->update();
}

std::optional<VKDisclosureGroupStyle> VKDisclosureGroupStyle::inherited(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (!w->property(styledContent).toBool())
            continue;
        VKDisclosureGroupStyle style;
        const QVariant l = w->property(styleLeading);
        const QVariant t = w->property(styleTrailing);
        if (l.isValid())
            style.leading = l.toDouble();
        if (t.isValid())
            style.trailing = t.toDouble();
        return style;
    }
    return std::nullopt;
}

} // namespace ViewKit
