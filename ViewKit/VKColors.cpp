#include "ViewKit/VKColors.h"

#include <QRandomGenerator>

namespace ViewKit {

QColor VKColors::Background::controlBackground(VKColorScheme scheme)
{
    return scheme == VKColorScheme::dark ? QColor(30, 30, 30) : QColor(255, 255, 255);
}

QColor VKColors::Background::cardLight() { return fromBytes(247, 247, 248); }
QColor VKColors::Background::cardDark() { return fromBytes(64, 64, 64); }
QColor VKColors::Background::lineLight() { return fromBytes(242, 242, 242); }
QColor VKColors::Background::lineDark() { return fromBytes(60, 55, 55); }

QColor VKColors::fromBytes(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return QColor::fromRgbF(float(r / 255.0), float(g / 255.0), float(b / 255.0), 1.0f);
}

QColor VKColors::fromComponents(double red, double green, double blue)
{
    return QColor::fromRgbF(float(red), float(green), float(blue), 1.0f);
}

VKNamedColor VKColors::random()
{
    return randomChoices[QRandomGenerator::global()->bounded(quint32(randomChoices.size()))];
}

} // namespace ViewKit
