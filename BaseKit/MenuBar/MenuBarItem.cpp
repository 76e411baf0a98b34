#include "BaseKit/MenuBar/MenuBarItem.h"

#include "BaseKit/MenuBar/StatusBar.h"
#include "BaseKit/MenuBar/StatusBarButton.h"
#include "BaseKit/MenuBar/StatusBarMenuHostingView.h"
#include "BaseKit/Workspace/Windows.h"

namespace BaseKit {

MenuBarItem::MenuBarItem(StatusBar& bar)
    : m_item(bar.statusItem(StatusBar::variableLength))
{
}

MenuBarItem::MenuBarItem(QWidget* content, StatusBar& bar)
    : MenuBarItem(bar)
{
    if (StatusBarButton* b = button()) {
        auto* hosting = new StatusBarMenuHostingView(content);
        b->addSubview(hosting);
        Windows::pinToSuperview(hosting);
    } else {
        delete content;
    }
}

MenuBarItem::~MenuBarItem() = default;

StatusBarButton* MenuBarItem::button() const
{
    return m_item ? m_item->button() : nullptr;
}

bool MenuBarItem::isVisible() const
{
    return m_item && m_item->isVisible();
}

void MenuBarItem::setVisible(bool visible)
{
    if (m_item)
        m_item->setVisible(visible);
}

double MenuBarItem::length() const
{
    return m_item ? m_item->length() : 0.0;
}

void MenuBarItem::setLength(double length)
{
    if (m_item)
        m_item->setLength(length);
}

QMenu* MenuBarItem::menu() const
{
    return m_item ? m_item->menu() : nullptr;
}

void MenuBarItem::setMenu(QMenu* menu)
{
    if (m_item)
        m_item->setMenu(menu);
}

QObject* MenuBarItem::target() const
{
    return button() ? button()->target() : nullptr;
}

void MenuBarItem::setTarget(QObject* target)
{
    if (StatusBarButton* b = button())
        b->setTarget(target);
}

std::function<void()> MenuBarItem::action() const
{
    return button() ? button()->action() : std::function<void()>();
}

void MenuBarItem::setAction(std::function<void()> action)
{
    if (StatusBarButton* b = button())
        b->setAction(std::move(action));
}

std::optional<QString> MenuBarItem::title() const
{
    if (!button())
        return std::nullopt;
    return button()->title();
}

void MenuBarItem::setTitle(const std::optional<QString>& title)
{
    if (StatusBarButton* b = button())
        b->setTitle(title.value_or(QString()));
}

std::optional<QFont> MenuBarItem::font() const
{
    return button() ? button()->titleFont() : std::nullopt;
}

void MenuBarItem::setFont(const std::optional<QFont>& font)
{
    if (StatusBarButton* b = button())
        b->setTitleFont(font);
}

std::optional<QIcon> MenuBarItem::image() const
{
    if (!button() || button()->image().isNull())
        return std::nullopt;
    return button()->image();
}

void MenuBarItem::setImage(const std::optional<QIcon>& image)
{
    removeViews();
    if (StatusBarButton* b = button()) {
        b->setImagePosition(StatusBarButton::ImagePosition::imageLeft);
        b->setImage(image.value_or(QIcon()));
    }
}

std::optional<QList<QWidget*>> MenuBarItem::views() const
{
    if (!button())
        return std::nullopt;
    return button()->subviews();
}

void MenuBarItem::setViews(const std::optional<QList<QWidget*>>& views)
{
    setImage(std::nullopt);
    removeViews();
    StatusBarButton* b = button();
    if (!views)
        return;
    for (QWidget* view : *views) {
        if (b)
            b->addSubview(view);
        else
            delete view;
    }
}

bool MenuBarItem::isDarkMode() const
{
    return button() && button()->appearanceName().toLower().contains(QStringLiteral("dark"));
}

void MenuBarItem::addSubview(QWidget* view)
{
    if (StatusBarButton* b = button())
        b->addSubview(view);
    else
        delete view;
}

void MenuBarItem::removeViews()
{
    if (StatusBarButton* b = button())
        b->removeAllSubviews();
}

void MenuBarItem::setSize(double width, double height)
{
    StatusBarButton* b = button();
    if (!b)
        return;
    if (!m_widthConstraint) {
        m_widthConstraint = std::make_shared<LayoutConstraint>(LayoutConstraint::Attribute::width, width);
        b->activate(m_widthConstraint);
    } else {
        b->setConstant(m_widthConstraint, width);
    }
    if (!m_heightConstraint) {
        m_heightConstraint = std::make_shared<LayoutConstraint>(LayoutConstraint::Attribute::height, height);
        b->activate(m_heightConstraint);
    } else {
        b->setConstant(m_heightConstraint, height);
    }
}

void MenuBarItem::setTarget(QObject* target, std::function<void()> action, int tag)
{
    if (StatusBarButton* b = button()) {
        b->setTarget(target);
        b->setAction(std::move(action));
        b->setTag(tag);
    }
}

void MenuBarItem::removeTarget()
{
    if (StatusBarButton* b = button()) {
        b->setTarget(nullptr);
        b->setAction({});
        b->setTag(0);
    }
}

void MenuBarItem::reset()
{
    StatusBarButton* b = button();
    if (!b)
        return;
    b->setImage(QIcon());
    const auto constraints = b->constraints();
    for (const auto& constraint : constraints)
        b->deactivate(constraint);
    b->removeConstraints();
    b->removeAllSubviews();
    // The removed constraints are forgotten, so that the next setSize sizes the button again.
    m_widthConstraint.reset();
    m_heightConstraint.reset();
}

} // namespace BaseKit
