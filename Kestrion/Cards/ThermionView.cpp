#include "Kestrion/Cards/ThermionView.h"

#include "Kestrion/Cards/CardTitle.h"
#include "Kestrion/Cards/SensorRowsView.h"

#include "LanguageKit/LKResources.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace Kestrion {

namespace {

QScrollArea* listArea(QWidget* rows, QWidget* parent)
{
    auto* scroll = new QScrollArea(parent);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The card's surface shows through.
    scroll->viewport()->setAutoFillBackground(false);
    scroll->setAutoFillBackground(false);
    scroll->setWidget(rows);
    // setWidget makes the list paint its background; the card's surface shows through instead.
    rows->setAutoFillBackground(false);
    return scroll;
}

} // namespace

ThermionView::ThermionView(CardLookSettings& settings, QWidget* parent)
    : CardView(settings, Padding::scene, 16, parent)
    , m_title(new CardTitle(LanguageKit::LKResources::localized(LanguageKit::LKLocalizedString::sensors), this))
    , m_rows(new SensorRowsView)
{
    m_scroll = listArea(m_rows, this);
    contentLayout()->addWidget(m_title);
    contentLayout()->addWidget(m_scroll, 1);
}

void ThermionView::setSensors(const SensorModelList& sensors, int temperatureUnit)
{
    m_rows->setSensors(sensors, temperatureUnit);
}

} // namespace Kestrion
