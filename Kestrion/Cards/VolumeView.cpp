#include "Kestrion/Cards/VolumeView.h"

#include "Kestrion/Cards/PlainSymbolButton.h"
#include "Kestrion/Models/VolumeModel.h"

#include "BaseKit/Images/SymbolGlyphs.h"
#include "SystemKit/Volumes/Volume.h"
#include "SystemKit/Volumes/VolumesController.h"
#include "ViewKit/VKProgressView.h"
#include "ViewKit/VKTheme.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace Kestrion {

using ViewKit::VKTheme;

namespace {
constexpr qreal iconSide = 14;
constexpr qreal barWidth = 64;
constexpr qreal barHeight = 6;
constexpr qreal barRadius = 3;
// The eject glyph fills a little over half of its square: a 14-point square draws it 8 points high.
constexpr qreal ejectHeight = 14;
constexpr qreal ejectPadding = 1;
} // namespace

VolumeView::VolumeView(VolumeModel& model, QWidget* parent)
    : QWidget(parent)
    , m_model(&model)
    , m_eject(new PlainSymbolButton(QStringLiteral("eject.fill"), ejectHeight, ejectPadding, this))
{
    setFont(VKTheme::font(ViewKit::VKTextStyle::callout));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(int(VKTheme::defaultSpacing));
    layout->addStretch(1);
    layout->addWidget(m_eject, 0, Qt::AlignVCenter);
    connect(m_eject, &QAbstractButton::clicked, this, [this] {
        if (m_model && m_model->controller() && m_model->volume())
            m_model->controller()->eject(m_model->volume());
    });
    connect(&model, &VolumeModel::changed, this, &VolumeView::follow);
    follow();
}

void VolumeView::follow()
{
    const SystemKit::Volume* volume = m_model ? m_model->volume() : nullptr;
    m_eject->setEnabled(volume && !volume->isEjecting());
    update();
}

QSize VolumeView::sizeHint() const
{
    const qreal text = QFontMetricsF(font()).height();
    const qreal bar = barHeight + 2 * VKTheme::smallPadding;
    const int height = int(std::ceil(std::max({text, bar, iconSide, qreal(m_eject->sizeHint().height())})));
    const int width = int(std::ceil(iconSide + barWidth + 2 * VKTheme::smallPadding + 3 * VKTheme::defaultSpacing))
                      + m_eject->sizeHint().width() + 60;
    return QSize(width, height);
}

QSize VolumeView::minimumSizeHint() const
{
    return QSize(0, sizeHint().height());
}

QRectF VolumeView::barRect() const
{
    const qreal right = m_eject->geometry().left() - VKTheme::defaultSpacing - VKTheme::smallPadding;
    return QRectF(right - barWidth, (height() - barHeight) / 2, barWidth, barHeight);
}

void VolumeView::paintEvent(QPaintEvent*)
{
    if (!m_model)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ViewKit::VKColorScheme scheme = VKTheme::scheme(this);
    const qreal middle = height() / 2.0;

    const QRectF icon(0, middle - iconSide / 2, iconSide, iconSide);
    BaseKit::SymbolGlyphs::draw(painter, icon, QStringLiteral("externaldrive"), VKTheme::secondaryText(scheme));

    const QRectF bar = barRect();
    const qreal textLeft = icon.right() + VKTheme::defaultSpacing;
    const qreal textWidth = std::max<qreal>(0, bar.left() - VKTheme::smallPadding - VKTheme::defaultSpacing - textLeft);
    painter.setFont(font());
    painter.setPen(VKTheme::primaryText(scheme));
    const QString name = QFontMetricsF(font()).elidedText(m_model->name(), Qt::ElideRight, textWidth);
    painter.drawText(QRectF(textLeft, 0, textWidth, height()), Qt::AlignLeft | Qt::AlignVCenter, name);

    QPainterPath clip;
    clip.addRoundedRect(bar, barRadius, barRadius);
    painter.save();
    painter.setClipPath(clip);
    // The usage passes through single precision as the bar takes it.
    const double usage = double(float(m_model->usage()));
    ViewKit::paintProgressBar(painter, bar, VKTheme::color(ViewKit::VKNamedColor::green, scheme), usage, std::nullopt,
                              std::nullopt, font(), scheme);
    painter.restore();
}

} // namespace Kestrion
