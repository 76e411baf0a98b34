#pragma once

#include <QEasingCurve>

namespace ViewKit {

// The ease-in-out timing curve of the views' animations: the cubic Bezier (0.42, 0) (0.58, 1).
QEasingCurve easeInOut();

} // namespace ViewKit
