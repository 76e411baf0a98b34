#include "Kestrion/Cards/InternalBatteryView.h"

#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Models/InternalBatteryModel.h"
#include "LanguageKit/LKLocalizedString.h"
#include "LanguageKit/LKResources.h"
#include "ViewKit/VKDoubleTextView.h"
#include "ViewKit/VKImage.h"
#include "ViewKit/VKProgressView.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace Kestrion {

using InternalBatteryKit::BatteryCondition;
using LanguageKit::LKLocalizedString;
using LanguageKit::LKResources;
using ViewKit::VKDoubleTextView;
using ViewKit::VKNamedColor;
using ViewKit::VKTheme;

namespace {
constexpr qreal kPlugWidth = 16;
constexpr qreal kBarHeight = 24;
constexpr qreal kLight = 8;

qreal lineHeight(const QFont& font)
{
    return std::ceil(QFontMetricsF(font).height());
}
} // namespace

InternalBatteryView::InternalBatteryView(InternalBatteryModel& model, CardLookSettings& settings, QWidget* parent)
    : CardView(settings, Padding::standard, 16, parent)
    , m_model(&model)
{
    const QFont titleFont = VKTheme::titleFont();
    m_header = new CardCanvas(
        std::max(lineHeight(titleFont), kPlugWidth),
        [this, titleFont](QPainter& painter, const QRectF& rect) {
            const ViewKit::VKColorScheme scheme = VKTheme::scheme(m_header);
            qreal textWidth = rect.width();
            if (m_model && showsPlug(*m_model)) {
                const QRectF plug(rect.right() - kPlugWidth, rect.top(), kPlugWidth, rect.height());
                ViewKit::paintSymbol(painter, plug, QStringLiteral("powerplug.fill"),
                                     VKTheme::color(VKNamedColor::accent, scheme, m_header->palette()));
                textWidth -= kPlugWidth + VKTheme::defaultSpacing;
            }
            painter.setFont(titleFont);
            painter.setPen(VKTheme::primaryText(scheme));
            const QString title = LKResources::localized(LKLocalizedString::internalBattery);
            painter.drawText(QRectF(rect.left(), rect.top(), std::max<qreal>(textWidth, 0), rect.height()),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             QFontMetricsF(titleFont).elidedText(title, Qt::ElideRight, std::max<qreal>(textWidth, 0)));
        },
        this);

    QFont barFont = VKTheme::font(ViewKit::VKTextStyle::callout, QFont::Bold);
    m_bar = new CardCanvas(
        kBarHeight,
        [this, barFont](QPainter& painter, const QRectF& rect) {
            const ViewKit::VKColorScheme scheme = VKTheme::scheme(m_bar);
            const double progress = m_model ? chargeProgress(*m_model) : 0.0;
            QPainterPath clip;
            clip.addRoundedRect(rect, 4, 4);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setClipPath(clip);
            ViewKit::paintProgressBar(painter, rect, VKTheme::color(VKNamedColor::green, scheme), progress, std::nullopt,
                                      progress, barFont, scheme);
        },
        this);

    m_health = VKDoubleTextView::withLocalized(LKLocalizedString::batteryHealth, QString(), std::nullopt, this);
    m_cycles = VKDoubleTextView::withLocalized(LKLocalizedString::batteryCycles, QString(), std::nullopt, this);
    m_rate = VKDoubleTextView::withText(QString(), QString(), std::nullopt, this);
    m_time = VKDoubleTextView::withText(QString(), QString(), std::nullopt, this);
    m_temperature = VKDoubleTextView::withLocalized(LKLocalizedString::temperature, QString(), std::nullopt, this);

    const QFont lineFont = m_health->font();
    m_condition = new CardCanvas(
        std::max(lineHeight(lineFont), kLight),
        [this, lineFont](QPainter& painter, const QRectF& rect) {
            const ViewKit::VKColorScheme scheme = VKTheme::scheme(m_condition);
            const QColor secondary = VKTheme::secondaryText(scheme);
            const QRectF light(rect.right() - kLight, rect.center().y() - kLight / 2, kLight, kLight);
            const auto condition = m_model ? m_model->finder()->condition() : std::nullopt;
            ViewKit::paintSymbol(painter, light, QStringLiteral("circle.fill"),
                                 VKTheme::color(conditionColor(condition), scheme, m_condition->palette()));
            const QRectF texts(rect.left(), rect.top(), std::max<qreal>(rect.width() - kLight - VKTheme::defaultSpacing, 0),
                               rect.height());
            ViewKit::paintDoubleText(painter, texts, std::nullopt, LKResources::localized(LKLocalizedString::condition),
                                     m_model ? m_model->conditionText() : QString(), lineFont, secondary, secondary);
        },
        this);

    QVBoxLayout* lines = new QVBoxLayout;
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(16);
    for (QWidget* line : {static_cast<QWidget*>(m_health), static_cast<QWidget*>(m_cycles),
                          static_cast<QWidget*>(m_rate), static_cast<QWidget*>(m_time),
                          static_cast<QWidget*>(m_temperature), static_cast<QWidget*>(m_condition)})
        lines->addWidget(line);

    contentLayout()->addWidget(m_header);
    contentLayout()->addWidget(m_bar);
    contentLayout()->addLayout(lines);

    connect(&model, &InternalBatteryModel::changed, this, &InternalBatteryView::contentChanged);
    refresh();
}

bool InternalBatteryView::showsPlug(const InternalBatteryModel& model)
{
    const auto battery = model.finder()->battery();
    return battery && battery->isCharging().value_or(false);
}

double InternalBatteryView::chargeProgress(const InternalBatteryModel& model)
{
    const auto battery = model.finder()->battery();
    const auto charge = battery ? battery->charge() : std::nullopt;
    if (!charge)
        return 0.0;
    return double(float(*charge) / 100.0f);
}

VKNamedColor InternalBatteryView::conditionColor(std::optional<BatteryCondition> condition)
{
    if (!condition)
        return VKNamedColor::secondary;
    switch (*condition) {
    case BatteryCondition::good:
        return VKNamedColor::green;
    case BatteryCondition::fair:
        return VKNamedColor::yellow;
    case BatteryCondition::poor:
        return VKNamedColor::red;
    }
    return VKNamedColor::secondary;
}

void InternalBatteryView::refresh()
{
    if (!m_model)
        return;
    const InternalBatteryModel& model = *m_model;
    m_health->setRight(model.healthText());
    m_cycles->setRight(model.cycleCountText());
    m_rate->setText(model.rateTitle());
    m_rate->setRight(model.rateText());
    const auto battery = model.finder()->battery();
    m_time->setVisible(battery != nullptr);
    if (battery) {
        m_time->setText(model.timeTitle());
        m_time->setRight(battery->timeLeftText());
    }
    m_temperature->setRight(model.temperatureText());
    m_header->update();
    m_bar->update();
    m_condition->update();
}

} // namespace Kestrion
