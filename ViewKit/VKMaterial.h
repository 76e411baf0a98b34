#pragma once

#include "ViewKit/VKTheme.h"

#include <QColor>

namespace ViewKit {

// The translucent materials of drawn shapes, from the thinnest to the thickest. Nothing is blurred
// behind them: each is a translucent tint of its own, more opaque the thicker it is.
enum class VKMaterial { ultraThin, thin, regular, thick, ultraThick };

// The tint of a material in a colour scheme (always translucent).
QColor materialTint(VKMaterial material, VKColorScheme scheme);

// Window-level materials of a window's backdrop, by their stored raw values.
enum class VKWindowMaterial : int { titlebar = 3, menu = 5, popover = 6, sidebar = 7, headerView = 10, sheet = 11,
                                    windowBackground = 12, hudWindow = 13, contentBackground = 18,
                                    underWindowBackground = 21 };

// The tint of a window-level material in a colour scheme (always translucent).
QColor windowMaterialTint(VKWindowMaterial material, VKColorScheme scheme);

} // namespace ViewKit
