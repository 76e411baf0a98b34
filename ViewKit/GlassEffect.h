#pragma once

#include "ViewKit/VKMaterial.h"

#include <QWidget>

namespace ViewKit {

// A window's translucent backdrop: fills its rect with the tint of a window-level material. The
// material is fixed when the widget is made.
class GlassEffect : public QWidget
{
    Q_OBJECT

public:
    explicit GlassEffect(VKWindowMaterial material, QWidget* parent = nullptr);

    VKWindowMaterial material() const { return m_material; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const VKWindowMaterial m_material;
};

} // namespace ViewKit
