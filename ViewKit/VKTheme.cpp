#include "ViewKit/VKTheme.h"

#include "ViewKit/VKColors.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QWidget>

#include <algorithm>

namespace ViewKit {

int VKTheme::textSize(VKTextStyle style)
{
    switch (style) {
    case VKTextStyle::largeTitle: return 26;
    case VKTextStyle::title1: return 22;
    case VKTextStyle::title2: return 17;
    case VKTextStyle::title3: return 15;
    case VKTextStyle::headline: return 13;
    case VKTextStyle::subheadline: return 11;
    case VKTextStyle::body: return 13;
    case VKTextStyle::callout: return 12;
    case VKTextStyle::footnote: return 10;
    case VKTextStyle::caption: return 10;
    case VKTextStyle::caption2: return 10;
    }
    return 13;
}

QFont::Weight VKTheme::textWeight(VKTextStyle style)
{
    return style == VKTextStyle::headline ? QFont::Bold : QFont::Normal;
}

QFont VKTheme::font(VKTextStyle style)
{
    return font(style, textWeight(style));
}

QFont VKTheme::font(VKTextStyle style, QFont::Weight weight)
{
    // Views ask for their fonts on every layout and paint. The font of each style and weight is kept
    // while the application font stays the same, so that its copies share the font engine loaded for
    // it instead of looking it up again each time.
    struct Kept {
        QFont base;
        QFont font;
    };
    static QHash<int, Kept> kept;
    const QFont base = QApplication::font();
    Kept& entry = kept[int(style) * 1024 + int(weight)];
    if (entry.font.pixelSize() != textSize(style) || entry.base != base) {
        QFont f = base;
        f.setPixelSize(textSize(style));
        f.setWeight(weight);
        entry = Kept{base, f};
    }
    return entry.font;
}

QFont::Weight VKTheme::renderedWeight(const QFont& font, QFont::Weight wanted)
{
    const QString family = QFontInfo(font).family();
    QList<int> weights;
    for (const QString& style : QFontDatabase::styles(family)) {
        // Italic faces have the weights of their upright ones.
        if (QFontDatabase::italic(family, style))
            continue;
        const int weight = QFontDatabase::weight(family, style);
        if (weight > 0 && !weights.contains(weight))
            weights.append(weight);
    }
    if (weights.isEmpty() || weights.contains(int(wanted)))
        return wanted;
    std::sort(weights.begin(), weights.end());
    if (wanted > QFont::Normal) {
        for (int weight : weights) {
            if (weight > wanted)
                return QFont::Weight(weight);
        }
        return weights.last() > QFont::Normal ? QFont::Weight(weights.last()) : wanted;
    }
    for (auto it = weights.rbegin(); it != weights.rend(); ++it) {
        if (*it < wanted)
            return QFont::Weight(*it);
    }
    return weights.first() < QFont::Normal ? QFont::Weight(weights.first()) : wanted;
}

QFont VKTheme::titleFont()
{
    return font(VKTextStyle::body, QFont::Bold);
}

VKColorScheme VKTheme::scheme(const QPalette& palette)
{
    // Light text on the window means dark mode; the text decides when the window colour is clear.
    return palette.color(QPalette::Active, QPalette::WindowText).lightness() >
                   palette.color(QPalette::Active, QPalette::Window).lightness()
               ? VKColorScheme::dark
               : VKColorScheme::light;
}

VKColorScheme VKTheme::scheme(const QWidget* widget)
{
    return scheme(widget ? widget->palette() : QApplication::palette());
}

QColor VKTheme::color(VKNamedColor name, VKColorScheme scheme)
{
    const bool dark = scheme == VKColorScheme::dark;
    auto pick = [dark](QColor light, QColor darkColor) { return dark ? darkColor : light; };
    switch (name) {
    case VKNamedColor::accent:
    case VKNamedColor::blue: return pick(QColor(0, 122, 255), QColor(10, 132, 255));
    case VKNamedColor::brown: return pick(QColor(162, 132, 94), QColor(172, 142, 104));
    case VKNamedColor::cyan: return pick(QColor(50, 173, 230), QColor(100, 210, 255));
    case VKNamedColor::gray: return pick(QColor(142, 142, 147), QColor(152, 152, 157));
    case VKNamedColor::green: return pick(QColor(40, 205, 65), QColor(50, 215, 75));
    case VKNamedColor::indigo: return pick(QColor(88, 86, 214), QColor(94, 92, 230));
    case VKNamedColor::mint: return pick(QColor(0, 199, 190), QColor(102, 212, 207));
    case VKNamedColor::orange: return pick(QColor(255, 149, 0), QColor(255, 159, 10));
    case VKNamedColor::pink: return pick(QColor(255, 45, 85), QColor(255, 55, 95));
    case VKNamedColor::primary: return pick(QColor(0, 0, 0, 217), QColor(255, 255, 255, 217));
    case VKNamedColor::purple: return pick(QColor(175, 82, 222), QColor(191, 90, 242));
    case VKNamedColor::red: return pick(QColor(255, 59, 48), QColor(255, 69, 58));
    case VKNamedColor::secondary: return pick(QColor(0, 0, 0, 128), QColor(255, 255, 255, 140));
    case VKNamedColor::teal: return pick(QColor(48, 176, 199), QColor(64, 200, 224));
    case VKNamedColor::yellow: return pick(QColor(255, 204, 0), QColor(255, 214, 10));
    case VKNamedColor::tertiary: return pick(QColor(0, 0, 0, 66), QColor(255, 255, 255, 64));
    case VKNamedColor::white: return QColor(255, 255, 255);
    case VKNamedColor::black: return QColor(0, 0, 0);
    case VKNamedColor::clear: return QColor(0, 0, 0, 0);
    }
    return QColor(0, 0, 0);
}

QColor VKTheme::color(VKNamedColor name, VKColorScheme scheme, const QPalette& palette)
{
    if (name == VKNamedColor::accent)
        return palette.color(QPalette::Active, QPalette::Highlight);
    return color(name, scheme);
}

QColor VKTheme::track(VKColorScheme scheme)
{
    return withOpacity(color(VKNamedColor::gray, scheme), 0.4);
}

QColor VKTheme::gridLine(VKColorScheme scheme)
{
    return scheme == VKColorScheme::dark ? QColor(255, 255, 255, 64) : QColor(0, 0, 0, 51);
}

QColor VKTheme::seriesColor(VKColorScheme scheme, const QPalette& palette)
{
    return color(VKNamedColor::accent, scheme, palette);
}

QPalette VKTheme::palette(VKColorScheme scheme)
{
    const bool dark = scheme == VKColorScheme::dark;
    const QColor window = dark ? VKColors::Background::controlBackground(scheme) : QColor(255, 255, 255);
    const QColor text = dark ? QColor(255, 255, 255, 217) : QColor(0, 0, 0, 217);
    const QColor base = dark ? QColor(30, 30, 30) : QColor(255, 255, 255);
    const QColor alternate = dark ? QColor(40, 40, 40) : QColor(244, 245, 245);
    const QColor button = dark ? QColor(64, 64, 64) : QColor(247, 247, 248);
    const QColor accent = color(VKNamedColor::blue, scheme);

    QPalette p;
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, alternate);
    p.setColor(QPalette::ToolTipBase, button);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, secondaryText(scheme));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, button);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, color(VKNamedColor::red, scheme));
    p.setColor(QPalette::Highlight, accent);
    p.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    p.setColor(QPalette::Link, accent);
    p.setColor(QPalette::Light, dark ? QColor(90, 90, 90) : QColor(255, 255, 255));
    p.setColor(QPalette::Midlight, dark ? QColor(75, 75, 75) : QColor(235, 235, 235));
    p.setColor(QPalette::Mid, dark ? QColor(60, 60, 60) : QColor(200, 200, 200));
    p.setColor(QPalette::Dark, dark ? QColor(20, 20, 20) : QColor(160, 160, 160));
    p.setColor(QPalette::Shadow, QColor(0, 0, 0));
    p.setColor(QPalette::Disabled, QPalette::Text, color(VKNamedColor::tertiary, scheme));
    p.setColor(QPalette::Disabled, QPalette::WindowText, color(VKNamedColor::tertiary, scheme));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, color(VKNamedColor::tertiary, scheme));
    return p;
}

QColor withOpacity(QColor color, qreal opacity)
{
    color.setAlphaF(color.alphaF() * opacity);
    return color;
}

} // namespace ViewKit
