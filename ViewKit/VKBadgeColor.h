#pragma once

#include <QColor>

namespace ViewKit {

// The colour of a tag chip: one of five fixed pairs of a pale background and a strong foreground, or
// a colour of the caller's own (its background is that colour at opacity 0.25).
class VKBadgeColor
{
public:
    enum Kind { custom, blue, green, orange, red, pink };

    // One of the fixed colours; `custom` without a colour carries black.
    VKBadgeColor(Kind kind);
    static VKBadgeColor customColor(const QColor& color);

    Kind kind() const { return m_kind; }
    // The carried colour of `custom`; invalid for the fixed colours.
    QColor customValue() const { return m_custom; }

    QColor background() const;
    QColor foreground() const;

    friend bool operator==(const VKBadgeColor& a, const VKBadgeColor& b)
    {
        return a.m_kind == b.m_kind && (a.m_kind != custom || a.m_custom == b.m_custom);
    }

private:
    VKBadgeColor(Kind kind, const QColor& custom);

    Kind m_kind;
    QColor m_custom;
};

} // namespace ViewKit
