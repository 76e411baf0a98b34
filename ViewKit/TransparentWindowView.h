#pragma once

#include <QWidget>

namespace ViewKit {

// A zero-size view that, once placed in a window, clears that window's background so translucent
// content shows through. It draws nothing, and leaves the window as it is when taken out of it.
// A window only becomes translucent when this happens before its native window exists (before it is
// first shown); a window shown already keeps its opaque backing and shows its content as before.
class TransparentWindowView : public QWidget
{
    Q_OBJECT

public:
    explicit TransparentWindowView(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(0, 0); }

protected:
    bool event(QEvent* event) override;

private:
    void clearWindowBackground();
};

} // namespace ViewKit
