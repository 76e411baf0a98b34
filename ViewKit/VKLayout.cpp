#include "ViewKit/VKLayout.h"

#include "ViewKit/VKSecondaryText.h"

#include "ViewKit/VKTheme.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace ViewKit::VKLayout {

void fillParent(QWidget* widget)
{
    if (!widget)
        return;
    widget->setMinimumSize(0, 0);
    widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setAlignment(Qt::AlignCenter);
}

void paddingSmall(QLayout* layout)
{
    if (!layout)
        return;
    const int pad = int(VKTheme::smallPadding);
    layout->setContentsMargins(pad, pad, pad, pad);
}

void paddingLeftSmall(QLayout* layout)
{
    if (layout)
        layout->setContentsMargins(int(VKTheme::smallPadding), 0, 0, 0);
}

void titleFont(QWidget* widget)
{
    if (widget)
        widget->setFont(VKTheme::titleFont());
}

void fullWidthFrame(QWidget* widget, Qt::Alignment alignment)
{
    if (!widget)
        return;
    widget->setMaximumWidth(QWIDGETSIZE_MAX);
    widget->setSizePolicy(QSizePolicy::Expanding, widget->sizePolicy().verticalPolicy());
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setAlignment(alignment);
}

void leadingFrame(QWidget* widget)
{
    fullWidthFrame(widget, Qt::AlignLeading | Qt::AlignVCenter);
}

void trailingFrame(QWidget* widget)
{
    fullWidthFrame(widget, Qt::AlignTrailing | Qt::AlignVCenter);
}

void centerFrame(QWidget* widget)
{
    fullWidthFrame(widget, Qt::AlignCenter);
}

namespace {
void secondaryCallout(QLabel* label)
{
    label->setFont(VKTheme::font(VKTextStyle::callout));
    VKSecondaryText::follow(label);
}
} // namespace

void trailingSecondaryCallout(QLabel* label)
{
    if (!label)
        return;
    trailingFrame(label);
    secondaryCallout(label);
}

void leadingSecondaryCallout(QLabel* label, qreal maxWidth)
{
    if (!label)
        return;
    leadingFrame(label);
    secondaryCallout(label);
    label->setMaximumWidth(int(std::lround(maxWidth)));
}

qreal mainScaleFactor()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

std::optional<qreal> heightSixtyPercent()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return screen->availableGeometry().height() * 0.6;
}

std::optional<qreal> heightSeventyFivePercent()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return screen->availableGeometry().height() * 0.75;
}

} // namespace ViewKit::VKLayout
