#pragma once

#include <QPointer>
#include <QWidget>

namespace Kestrion {

class PlainSymbolButton;
class VolumeModel;

// One row of the volumes card: the drive symbol, the volume's name, a green usage bar 64 points wide
// and an eject button that is dimmed and disabled while the volume is ejecting. Name and bar follow
// the volume's live values. A refused eject shows nothing but makes the button usable again.
class VolumeView : public QWidget
{
    Q_OBJECT

public:
    explicit VolumeView(VolumeModel& model, QWidget* parent = nullptr);

    VolumeModel* model() const { return m_model; }
    PlainSymbolButton* ejectButton() const { return m_eject; }
    // Where the usage bar is drawn.
    QRectF barRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QPointer<VolumeModel> m_model;
    PlainSymbolButton* m_eject;
};

} // namespace Kestrion
