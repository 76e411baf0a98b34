#include "BaseKit/Images/Images.h"

#include "BaseKit/Images/SymbolGlyphs.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cmath>

namespace BaseKit {

namespace {

qreal pixelRatio()
{
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app ? std::max<qreal>(1, app->devicePixelRatio()) : 1;
}

} // namespace

Image Images::symbol(const QString& name)
{
    return symbol(name, defaultPointSize, 0);
}

Image Images::symbol(const QString& name, qreal pointSize, qreal weight)
{
    if (!std::isfinite(pointSize) || pointSize <= 0 || pointSize > 4096)
        pointSize = defaultPointSize;
    const qreal ratio = pixelRatio();
    QImage pixels = SymbolGlyphs::render(name, int(std::ceil(pointSize * ratio)), Qt::black,
                                         std::isfinite(weight) ? weight : 0);
    pixels.setDevicePixelRatio(ratio);
    return Image(std::move(pixels), true);
}

Image Images::symbol(const QString& name, const QColor& color)
{
    return symbol(name).tinted(color);
}

Image Images::symbol(const QString& name, const QColor& color, qreal pointSize, qreal weight)
{
    return symbol(name, pointSize, weight).tinted(color);
}

Image Images::named(const QString& name)
{
    const QString file = name == applicationIconName ? QStringLiteral("AppIcon") : name;
    if (file.isEmpty() || file.contains(QLatin1Char('/')))
        return {};
    const QString path = QStringLiteral(":/kestrion/images/") + file + QStringLiteral(".png");
    if (!QFileInfo::exists(path))
        return {};
    return Image(QImage(path), false);
}

} // namespace BaseKit
