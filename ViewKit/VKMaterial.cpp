#include "ViewKit/VKMaterial.h"

namespace ViewKit {

QColor materialTint(VKMaterial material, VKColorScheme scheme)
{
    // Each thickness lifts the window's glass by about a fifth more of the way to the material's
    // colour (white in light mode, a light grey in dark mode), so that the five stand clearly apart
    // from the window and from each other in both schemes. In dark mode the glass window is much darker
    // than the solid one, so the regular material over it is about as light as a solid card.
    qreal opacity = 0.6;
    switch (material) {
    case VKMaterial::ultraThin: opacity = 0.2; break;
    case VKMaterial::thin: opacity = 0.38; break;
    case VKMaterial::regular: opacity = 0.56; break;
    case VKMaterial::thick: opacity = 0.74; break;
    case VKMaterial::ultraThick: opacity = 0.92; break;
    }
    QColor tint = scheme == VKColorScheme::dark ? QColor(110, 112, 122) : QColor(255, 255, 255);
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
        // Darker than the glass cards on it, which lighten it in steps (materialTint). In dark mode
        // it is well darker than the solid window as well, so the two designs never look alike.
        tint = dark ? QColor(8, 10, 16) : QColor(204, 204, 210);
        tint.setAlphaF(dark ? 0.85f : 0.9f);
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
