#include "ViewKit/VKBadgeColor.h"

#include "ViewKit/VKColors.h"
#include "ViewKit/VKTheme.h"

namespace ViewKit {

VKBadgeColor::VKBadgeColor(Kind kind)
    : VKBadgeColor(kind, kind == custom ? QColor(0, 0, 0) : QColor())
{
}

VKBadgeColor::VKBadgeColor(Kind kind, const QColor& custom)
    : m_kind(kind)
    , m_custom(custom)
{
}

VKBadgeColor VKBadgeColor::customColor(const QColor& color)
{
    return VKBadgeColor(custom, color);
}

QColor VKBadgeColor::background() const
{
    switch (m_kind) {
    case custom: return withOpacity(m_custom, 0.25);
    case blue: return VKColors::fromBytes(161, 197, 226);
    case green: return VKColors::fromBytes(197, 214, 154);
    case orange: return VKColors::fromBytes(240, 195, 154);
    case red: return VKColors::fromBytes(226, 176, 174);
    case pink: return VKColors::fromBytes(238, 194, 216);
    }
    return QColor();
}

QColor VKBadgeColor::foreground() const
{
    switch (m_kind) {
    case custom: return m_custom;
    case blue: return VKColors::fromBytes(34, 117, 145);
    case green: return VKColors::fromBytes(64, 102, 72);
    case orange: return VKColors::fromBytes(209, 105, 31);
    case red: return VKColors::fromBytes(179, 74, 45);
    case pink: return VKColors::fromBytes(152, 68, 120);
    }
    return QColor();
}

} // namespace ViewKit
