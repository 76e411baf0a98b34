#include "ViewKit/VKHeadlineLabel.h"

#include "ViewKit/VKTheme.h"

#include "LanguageKit/LKResources.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace ViewKit {

VKHeadlineLabel::VKHeadlineLabel(const QString& title, const QString& subtitle, qreal spacing, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
    , m_subtitle(subtitle)
    , m_spacing(spacing)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

VKHeadlineLabel::VKHeadlineLabel(LanguageKit::LKLocalizedString localizedTitle, const QString& subtitle,
                                 qreal spacing, QWidget* parent)
    : VKHeadlineLabel(LanguageKit::LKResources::localized(localizedTitle), subtitle, spacing, parent)
{
}

VKHeadlineLabel::VKHeadlineLabel(const QString& title, LanguageKit::LKLocalizedString localizedSubtitle,
                                 qreal spacing, QWidget* parent)
    : VKHeadlineLabel(title, LanguageKit::LKResources::localized(localizedSubtitle), spacing, parent)
{
}

VKHeadlineLabel::VKHeadlineLabel(LanguageKit::LKLocalizedString localizedTitle,
                                 LanguageKit::LKLocalizedString localizedSubtitle, qreal spacing, QWidget* parent)
    : VKHeadlineLabel(LanguageKit::LKResources::localized(localizedTitle),
                      LanguageKit::LKResources::localized(localizedSubtitle), spacing, parent)
{
}

QSize VKHeadlineLabel::sizeHint() const
{
    const QFontMetricsF title(VKTheme::font(VKTextStyle::headline));
    const QFontMetricsF subtitle(VKTheme::font(VKTextStyle::subheadline));
    const qreal width = std::max(title.horizontalAdvance(m_title), subtitle.horizontalAdvance(m_subtitle));
    return QSize(int(std::ceil(width)), int(std::ceil(title.height() + m_spacing + subtitle.height())));
}

void VKHeadlineLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const VKColorScheme scheme = VKTheme::scheme(this);
    const QFont titleFont = VKTheme::font(VKTextStyle::headline);
    const QFont subtitleFont = VKTheme::font(VKTextStyle::subheadline);
    const qreal titleHeight = QFontMetricsF(titleFont).height();
    painter.setFont(titleFont);
    painter.setPen(VKTheme::primaryText(scheme));
    painter.drawText(QRectF(0, 0, width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.setFont(subtitleFont);
    painter.setPen(VKTheme::secondaryText(scheme));
    painter.drawText(QRectF(0, titleHeight + m_spacing, width(), QFontMetricsF(subtitleFont).height()),
                     Qt::AlignLeft | Qt::AlignVCenter, m_subtitle);
}

} // namespace ViewKit
