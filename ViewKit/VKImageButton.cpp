#include "ViewKit/VKImageButton.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "ViewKit/VKGeometry.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <cmath>

namespace ViewKit {

namespace {

// The label area when the button has no size of its own.
constexpr int naturalSymbolSide = 16;

} // namespace

VKImageButton::VKImageButton(const QString& systemName, std::optional<qreal> size, std::function<void()> action,
                             QWidget* parent)
    : QAbstractButton(parent)
    , m_systemName(systemName)
    , m_size(size ? std::optional<qreal>(std::max<qreal>(0, *size)) : std::nullopt)
    , m_action(std::move(action))
{
    setAttribute(Qt::WA_Hover);
    if (m_size) {
        const int side = int(std::ceil(*m_size));
        setFixedSize(side, side);
    } else {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (m_action)
            m_action();
    });
}

QSize VKImageButton::sizeHint() const
{
    if (m_size) {
        const int side = int(std::ceil(*m_size));
        return QSize(side, side);
    }
    QStyleOptionButton option;
    option.initFrom(this);
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(naturalSymbolSide, naturalSymbolSide),
                                     this);
}

QSize VKImageButton::minimumSizeHint() const
{
    return m_size ? sizeHint() : QSize(0, 0);
}

QRect VKImageButton::labelRect() const
{
    QStyleOptionButton option;
    option.initFrom(this);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    return contents.isValid() && !contents.isEmpty() ? contents : rect();
}

QRectF VKImageButton::symbolRect() const
{
    return centredSquare(QRectF(labelRect()));
}

void VKImageButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.features = QStyleOptionButton::None;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    else
        option.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    BaseKit::SymbolGlyphs::draw(painter, symbolRect(), m_systemName, palette().color(group, QPalette::ButtonText));
}

} // namespace ViewKit
