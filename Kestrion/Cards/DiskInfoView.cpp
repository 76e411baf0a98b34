#include "Kestrion/Cards/DiskInfoView.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Models/VolumesModel.h"

#include "BaseKit/IO.h"
#include "BaseKit/Images/SymbolGlyphs.h"
#include "BaseKit/Text.h"
#include "LanguageKit/LKResources.h"
#include "SystemKit/Volumes/Volume.h"
#include "SystemKit/Volumes/VolumesController.h"
#include "ViewKit/VKProgressView.h"
#include "ViewKit/VKTheme.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace Kestrion {

using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using ViewKit::VKNamedColor;
using ViewKit::VKTextStyle;
using ViewKit::VKTheme;

namespace {
constexpr qreal rateWidth = 80;
constexpr qreal lightSide = 8;
constexpr qreal barHeight = 24;
constexpr qreal barRadius = 4;
constexpr qreal cardSpacing = 12;
} // namespace

DiskInfoView::DiskInfoView(VolumesModel& model, int sizeClass, CardLookSettings& settings, QWidget* parent)
    : CardView(settings, Padding::standard, cardSpacing, parent)
    , m_model(&model)
    , m_sizeClass(sizeClass)
{
    const QFont title = VKTheme::titleFont();
    const QFont rate = VKTheme::font(VKTextStyle::subheadline);
    m_header = new CardCanvas(QFontMetricsF(title).height(), [this, title, rate](QPainter& painter, const QRectF& rect) {
        const Texts shown = current();
        const ViewKit::VKColorScheme scheme = VKTheme::scheme(m_header);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF light(rect.right() - lightSide, rect.center().y() - lightSide / 2, lightSide, lightSide);
        BaseKit::SymbolGlyphs::draw(painter, light, QStringLiteral("circle.fill"),
                                    VKTheme::color(shown.active ? VKNamedColor::green : VKNamedColor::gray, scheme));
        const QRectF rateRect(light.left() - VKTheme::defaultSpacing - rateWidth, rect.top(), rateWidth, rect.height());
        painter.setFont(rate);
        painter.setPen(VKTheme::secondaryText(scheme));
        painter.drawText(rateRect, Qt::AlignRight | Qt::AlignVCenter, shown.rate);
        const QRectF nameRect(rect.left(), rect.top(), std::max<qreal>(0, rateRect.left() - VKTheme::defaultSpacing - rect.left()),
                              rect.height());
        painter.setFont(title);
        painter.setPen(VKTheme::primaryText(scheme));
        painter.drawText(nameRect, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(title).elidedText(shown.name, Qt::ElideRight, nameRect.width()));
    }, this);

    QFont percent = VKTheme::font(VKTextStyle::callout, QFont::Bold);
    m_bar = new CardCanvas(barHeight, [this, percent](QPainter& painter, const QRectF& rect) {
        const Texts shown = current();
        const ViewKit::VKColorScheme scheme = VKTheme::scheme(m_bar);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath clip;
        clip.addRoundedRect(rect, barRadius, barRadius);
        painter.setClipPath(clip);
        ViewKit::paintProgressBar(painter, rect, VKTheme::color(VKNamedColor::accent, scheme, m_bar->palette()),
                                  shown.usage, std::nullopt, shown.usage, percent, scheme);
    }, this);

    const QFont line = VKTheme::font(sizeClass == 2 ? VKTextStyle::body : VKTextStyle::callout);
    m_capacity = new CardCanvas(QFontMetricsF(line).height(), [this, line](QPainter& painter, const QRectF& rect) {
        painter.setFont(line);
        painter.setPen(VKTheme::secondaryText(VKTheme::scheme(m_capacity)));
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(line).elidedText(current().capacity, Qt::ElideRight, rect.width()));
    }, this);

    contentLayout()->addWidget(m_header);
    contentLayout()->addWidget(m_bar);
    contentLayout()->addWidget(m_capacity);
    contentLayout()->addStretch(1);

    // Every tick may change the rate, the light, the capacity or the system volume itself. A tick
    // ends with the list announced again, after all of them were read, and so does every mount and
    // unmount between ticks: following that alone follows each tick once, with what it read.
    connect(model.controller(), &SystemKit::VolumesController::volumesChanged, this, &DiskInfoView::follow);
}

DiskInfoView::Texts DiskInfoView::texts(const SystemKit::Volume* volume, const QString& peakRateText)
{
    Texts result;
    if (!volume) {
        result.name = BaseKit::Text::dash;
        result.rate = BaseKit::Text::dash;
        result.capacity = LKResources::localized(LKLocalizedString::capacityInfo,
                                                 {BaseKit::Text::dash, BaseKit::Text::dash, BaseKit::Text::dash});
        return result;
    }
    result.name = volume->name();
    result.rate = peakRateText;
    result.active = volume->isReading() || volume->isWriting();
    result.usage = volume->usage();
    result.capacity = LKResources::localized(LKLocalizedString::capacityInfo,
                                             {BaseKit::IO::sizeText(volume->usedBytes()),
                                              BaseKit::IO::sizeText(volume->totalBytes()),
                                              BaseKit::IO::sizeText(volume->freeBytes())});
    return result;
}

void DiskInfoView::follow()
{
    // Most ticks change the rate at most: the other lines are not painted again.
    Texts now = current();
    const bool known = m_shown.has_value();
    if (!known || now.name != m_shown->name || now.rate != m_shown->rate || now.active != m_shown->active)
        m_header->update();
    if (!known || now.usage != m_shown->usage)
        m_bar->update();
    if (!known || now.capacity != m_shown->capacity)
        m_capacity->update();
    m_shown = std::move(now);
}

DiskInfoView::Texts DiskInfoView::current() const
{
    if (!m_model)
        return texts(nullptr, QString());
    return texts(m_model->controller()->listedSystemVolume(), m_model->peakRateText());
}

} // namespace Kestrion
