#include "ViewKit/VKMaterial.h"

namespace ViewKit {

QColor materialTint(VKMaterial material, VKColorScheme scheme)
{
    qreal opacity = 0.6;
    switch (material) {
    case VKMaterial::ultraThin: opacity = 0.3; break;
    case VKMaterial::thin: opacity = 0.45; break;
    case VKMaterial::regular: opacity = 0.6; break;
    case VKMaterial::thick: opacity = 0.75; break;
    case VKMaterial::ultraThick: opacity = 0.88; break;
    }
    QColor tint = scheme == VKColorScheme::dark ? QColor(40, 40, 42) : QColor(246, 246, 246);
    tint.setAlphaF(float(opacity));
    return tint;
}

QColor windowMaterialTint(VKWindowMaterial material, VKColorScheme scheme)
{
    const bool dark = scheme == VKColorScheme::dark;
    QColor tint;
    switch (material) {
    case VKWindowMaterial::sidebar:
    case VKWindowMaterial::underWindowBackground:
        tint = dark ? QColor(36, 36, 38) : QColor(236, 236, 238);
        tint.setAlphaF(0.82f);
        break;
    case VKWindowMaterial::hudWindow:
        tint = QColor(30, 30, 30);
        tint.setAlphaF(0.75f);
        break;
    default:
        tint = dark ? QColor(44, 44, 46) : QColor(246, 246, 246);
        tint.setAlphaF(0.88f);
        break;
    }
    return tint;
}

} // namespace ViewKit
