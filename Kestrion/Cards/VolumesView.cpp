#include "Kestrion/Cards/VolumesView.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/CardTitle.h"
#include "Kestrion/Cards/PlainSymbolButton.h"
#include "Kestrion/Cards/VolumeView.h"
#include "Kestrion/Models/VolumesModel.h"

#include "LanguageKit/LKResources.h"
#include "SystemKit/Volumes/VolumesController.h"
#include "ViewKit/VKTheme.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using ViewKit::VKTheme;

namespace {
constexpr qreal emptyPadding = 4;
// The eject glyph fills a little over half of its square: a 14-point square draws it 8 points high.
constexpr qreal ejectHeight = 14;
constexpr qreal ejectPadding = 1;
} // namespace

VolumesView::VolumesView(VolumesModel& model, CardLookSettings& settings, QWidget* parent)
    : CardView(settings, Padding::standard, VKTheme::defaultSpacing, parent)
    , m_model(&model)
    , m_title(new CardTitle(LKResources::localized(LKLocalizedString::externalVolumes), this))
    , m_ejectAll(new PlainSymbolButton(QStringLiteral("eject.fill"), ejectHeight, ejectPadding, this))
{
    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setSpacing(int(VKTheme::defaultSpacing));
    header->addWidget(m_title, 1, Qt::AlignVCenter);
    header->addWidget(m_ejectAll, 0, Qt::AlignVCenter);
    contentLayout()->addLayout(header);

    const QFont font = VKTheme::font(ViewKit::VKTextStyle::body);
    const qreal emptyHeight = QFontMetricsF(font).height() + 2 * emptyPadding;
    m_empty = new CardCanvas(emptyHeight, [this, font](QPainter& painter, const QRectF& rect) {
        painter.setFont(font);
        painter.setPen(VKTheme::secondaryText(VKTheme::scheme(m_empty)));
        painter.drawText(rect.adjusted(emptyPadding, emptyPadding, -emptyPadding, -emptyPadding), Qt::AlignCenter,
                         LKResources::localized(LKLocalizedString::noVolumes));
    }, this);
    contentLayout()->addWidget(m_empty);

    m_list = new QWidget(this);
    auto* rows = new QVBoxLayout(m_list);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(int(VKTheme::defaultSpacing));
    contentLayout()->addWidget(m_list);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    connect(m_ejectAll, &QAbstractButton::clicked, this, [this] {
        if (m_model)
            m_model->controller()->ejectAll();
    });
    connect(&model, &VolumesModel::volumesChanged, this, &VolumesView::contentChanged);
    refresh();
}

QList<VolumeView*> VolumesView::rows() const
{
    QList<VolumeView*> result;
    auto* layout = static_cast<QVBoxLayout*>(m_list->layout());
    for (int i = 0; i < layout->count(); ++i) {
        if (auto* row = qobject_cast<VolumeView*>(layout->itemAt(i)->widget()))
            result.append(row);
    }
    return result;
}

void VolumesView::refresh()
{
    const QList<VolumeModel*> volumes = m_model ? m_model->volumes() : QList<VolumeModel*>();
    auto* layout = static_cast<QVBoxLayout*>(m_list->layout());
    while (QLayoutItem* item = layout->takeAt(0))
        delete item;
    std::map<VolumeModel*, VolumeView*> kept;
    for (VolumeModel* volume : volumes) {
        auto found = m_rows.find(volume);
        VolumeView* row = nullptr;
        // A row is kept only for the very model it was made for (an address can be reused).
        if (found != m_rows.end() && found->second->model() == volume) {
            row = found->second;
            m_rows.erase(found);
        } else {
            row = new VolumeView(*volume, m_list);
        }
        kept[volume] = row;
        layout->addWidget(row);
    }
    for (auto& [volume, row] : m_rows)
        delete row;
    m_rows = std::move(kept);
    m_ejectAll->setVisible(!volumes.isEmpty());
    m_empty->setVisible(volumes.isEmpty());
    m_list->setVisible(!volumes.isEmpty());
    updateGeometry();
}

} // namespace Kestrion
