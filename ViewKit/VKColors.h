#pragma once

#include "ViewKit/VKTheme.h"

#include <QColor>

#include <array>
#include <cstdint>

namespace ViewKit {

// The library's named colours and colour constructors.
class VKColors
{
public:
    VKColors() = delete;

    class Shared
    {
    public:
        Shared() = delete;
    };

    class Background
    {
    public:
        Background() = delete;
        // The control background, which follows the scheme: the solid window's background in dark mode.
        static QColor controlBackground(VKColorScheme scheme);
        // Card surface colours, the same in every scheme.
        static QColor cardLight();
        static QColor cardDark();
        static QColor lineLight();
        static QColor lineDark();
    };

    // sRGB from byte components over 255, opacity 1.
    static QColor fromBytes(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    // sRGB from components 0...1, opacity 1.
    static QColor fromComponents(double red, double green, double blue);

    // The colours random() chooses from, in their order.
    static constexpr std::array<VKNamedColor, 16> randomChoices{
        VKNamedColor::accent, VKNamedColor::blue,   VKNamedColor::brown,  VKNamedColor::cyan,
        VKNamedColor::gray,   VKNamedColor::green,  VKNamedColor::indigo, VKNamedColor::mint,
        VKNamedColor::orange, VKNamedColor::pink,   VKNamedColor::primary, VKNamedColor::purple,
        VKNamedColor::red,    VKNamedColor::secondary, VKNamedColor::teal, VKNamedColor::yellow};
    // One of randomChoices, uniformly.
    static VKNamedColor random();
};

} // namespace ViewKit
