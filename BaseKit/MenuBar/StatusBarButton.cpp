#include "BaseKit/MenuBar/StatusBarButton.h"

#include <QPainter>

#include <algorithm>

namespace BaseKit {

StatusBarButton::StatusBarButton(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_DontShowOnScreen);
}

StatusBarButton::~StatusBarButton() = default;

void StatusBarButton::setImage(const QIcon& image)
{
    m_image = image;
    emit changed();
}

void StatusBarButton::setImagePosition(ImagePosition position)
{
    m_imagePosition = position;
    emit changed();
}

void StatusBarButton::setTitle(const QString& title)
{
    m_title = title;
    emit changed();
}

void StatusBarButton::setTitleFont(const std::optional<QFont>& font)
{
    m_font = font;
    emit changed();
}

void StatusBarButton::performClick()
{
    if (m_action)
        m_action();
}

QList<QWidget*> StatusBarButton::subviews() const
{
    QList<QWidget*> views;
    for (const auto& view : m_subviews) {
        if (view)
            views.append(view.data());
    }
    return views;
}

void StatusBarButton::addSubview(QWidget* view)
{
    if (!view)
        return;
    view->setParent(this);
    m_subviews.append(view);
    view->show();
    emit changed();
}

void StatusBarButton::removeAllSubviews()
{
    const QList<QPointer<QWidget>> views = std::exchange(m_subviews, {});
    for (const auto& view : views)
        delete view.data();
    emit changed();
}

void StatusBarButton::addConstraint(const std::shared_ptr<LayoutConstraint>& constraint)
{
    if (std::find(m_constraints.begin(), m_constraints.end(), constraint) == m_constraints.end())
        m_constraints.push_back(constraint);
}

void StatusBarButton::activate(const std::shared_ptr<LayoutConstraint>& constraint)
{
    addConstraint(constraint);
    constraint->m_active = true;
    applyConstraints();
}

void StatusBarButton::deactivate(const std::shared_ptr<LayoutConstraint>& constraint)
{
    constraint->m_active = false;
    applyConstraints();
}

void StatusBarButton::setConstant(const std::shared_ptr<LayoutConstraint>& constraint, double constant)
{
    constraint->m_constant = constant;
    applyConstraints();
}

void StatusBarButton::removeConstraints()
{
    m_constraints.clear();
    applyConstraints();
}

void StatusBarButton::applyConstraints()
{
    int width = -1;
    int height = -1;
    for (const auto& constraint : m_constraints) {
        if (!constraint->isActive())
            continue;
        const int size = int(std::clamp(constraint->constant(), 0.0, double(QWIDGETSIZE_MAX)));
        (constraint->attribute == LayoutConstraint::Attribute::width ? width : height) = size;
    }
    setMinimumSize(width < 0 ? 0 : width, height < 0 ? 0 : height);
    setMaximumSize(width < 0 ? QWIDGETSIZE_MAX : width, height < 0 ? QWIDGETSIZE_MAX : height);
    emit changed();
}

QString StatusBarButton::appearanceName() const
{
    return palette().color(QPalette::Window).lightness() < 128 ? QStringLiteral("Dark") : QStringLiteral("Light");
}

QPixmap StatusBarButton::render() const
{
    if (!subviews().isEmpty())
        return const_cast<StatusBarButton*>(this)->grab();
    const int extent = std::max(16, height() > 0 ? height() : 22);
    return m_image.pixmap(extent, extent);
}

void StatusBarButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int x = 0;
    if (!m_image.isNull() && m_imagePosition != ImagePosition::noImage) {
        const int extent = height();
        painter.drawPixmap(0, 0, m_image.pixmap(extent, extent));
        x = extent + 2;
    }
    if (!m_title.isEmpty() && m_imagePosition != ImagePosition::imageOnly) {
        if (m_font)
            painter.setFont(*m_font);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect().adjusted(x, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, m_title);
    }
}

} // namespace BaseKit
