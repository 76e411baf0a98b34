#include "Kestrion/App/Utilities.h"

#include <QGuiApplication>
#include <QScreen>

namespace Kestrion {

int Utilities::screenSizeClass()
{
    QList<QSizeF> sizes;
    for (const QScreen* screen : QGuiApplication::screens())
        sizes.append(QSizeF(screen->geometry().size()));
    return screenSizeClass(sizes);
}

int Utilities::screenSizeClass(const QList<QSizeF>& screens)
{
    if (screens.isEmpty())
        return 2;
    QSizeF smallest = screens.first();
    for (const QSizeF& size : screens) {
        if (size.width() * size.height() < smallest.width() * smallest.height())
            smallest = size;
    }
    const qreal w = smallest.width();
    const qreal h = smallest.height();
    if (w <= 1368 || h <= 720)
        return 0;
    if (w <= 1440 || h <= 900)
        return 1;
    return 2;
}

} // namespace Kestrion
