#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace ViewKit {

// Parts of a drawing that stay the same from one repaint to the next (a gauge's track, a chart's grid, a
// card's surface) are drawn once into a pixmap and copied afterwards. The pixmap is aligned to the
// device's pixels with the part's offset inside the pixel kept, so the copy covers the same pixels
// as drawing it would. `key` names what is drawn and every input that changes it (colours, values);
// the size, the offset and the device pixel ratio are added here. A painter that does more than move
// (scales, rotates, draws with opacity or another composition) draws directly.
// Only the rows of the copy that hold something are copied: the others would leave the pixels under
// them as they are.
void paintCached(QPainter& painter, const QRectF& bounds, const QString& key,
                 const std::function<void(QPainter&)>& paint);

} // namespace ViewKit
