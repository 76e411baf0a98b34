#pragma once

#include "Kestrion/Cards/CardView.h"

#include <QPointer>

#include <map>

namespace Kestrion {

class CardCanvas;
class CardTitle;
class PlainSymbolButton;
class VolumeModel;
class VolumeView;
class VolumesModel;

// The volumes card: the title with an eject-all button (while there are volumes), then one row per
// mounted volume in the model's order, or "no volumes". Eject-all asks the sampler to eject every
// volume that can be ejected and is not the system volume.
class VolumesView : public CardView
{
    Q_OBJECT

public:
    VolumesView(VolumesModel& model, CardLookSettings& settings, QWidget* parent = nullptr);

    CardTitle* title() const { return m_title; }
    PlainSymbolButton* ejectAllButton() const { return m_ejectAll; }
    // The rows as shown, top to bottom.
    QList<VolumeView*> rows() const;
    // The "no volumes" text, shown while the list is empty.
    CardCanvas* emptyText() const { return m_empty; }

protected:
    void refresh() override;

private:
    QPointer<VolumesModel> m_model;
    CardTitle* m_title;
    PlainSymbolButton* m_ejectAll;
    CardCanvas* m_empty;
    QWidget* m_list;
    std::map<VolumeModel*, VolumeView*> m_rows;
};

} // namespace Kestrion
