#include "Kestrion/App/EmptyView.h"

#include "Kestrion/Common/AppStrings.h"
#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLabel>

#include <algorithm>

namespace Kestrion {

EmptyView::EmptyView(QWidget* parent)
    : QWidget(parent)
{
    m_icon = new QLabel(this);
    m_icon->setAlignment(Qt::AlignCenter);

    m_title = new QLabel(AppStrings::text("NO_VIEWS_CONFIGURED"), this);
    m_title->setAlignment(Qt::AlignCenter);

    m_info = new QLabel(AppStrings::text("NO_VIEWS_CONFIGURED_INFO"), this);
    m_info->setWordWrap(true);
    m_info->setAlignment(Qt::AlignCenter);
    m_info->setContentsMargins(32, 16, 32, 16);
    m_info->setFixedWidth(384);
    applyColors();
    place();
}

int EmptyView::columnWidth() const
{
    return std::max(m_info->width(), m_title->sizeHint().width());
}

int EmptyView::textsHeight() const
{
    return m_title->sizeHint().height() + spacing + m_info->heightForWidth(m_info->width());
}

QSize EmptyView::sizeHint() const
{
    return QSize(columnWidth(), iconSide + spacing + textsHeight());
}

QSize EmptyView::minimumSizeHint() const
{
    return QSize(columnWidth(), smallestIconSide + spacing + textsHeight());
}

void EmptyView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void EmptyView::place()
{
    const int texts = textsHeight();
    const int side = std::clamp(height() - spacing - texts, 0, iconSide);
    const int total = side + spacing + texts;
    int y = std::max(0, (height() - total) / 2);
    const int centre = width() / 2;

    m_icon->setGeometry(centre - side / 2, y, side, side);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull() && side > 0)
        m_icon->setPixmap(icon.pixmap(QSize(side, side)));
    m_icon->setVisible(side > 0);
    y += side + spacing;

    const int titleWidth = std::min(width(), m_title->sizeHint().width());
    m_title->setGeometry(centre - titleWidth / 2, y, titleWidth, m_title->sizeHint().height());
    y += m_title->height() + spacing;
    m_info->setGeometry(centre - m_info->width() / 2, y, m_info->width(), m_info->heightForWidth(m_info->width()));
}

void EmptyView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        applyColors();
    QWidget::changeEvent(event);
    // Other fonts take other room: the icon and the texts are placed anew.
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        place();
    }
}

void EmptyView::applyColors()
{
    QPalette palette = m_info->palette();
    palette.setColor(QPalette::WindowText, ViewKit::VKTheme::secondaryText(ViewKit::VKTheme::scheme(this)));
    m_info->setPalette(palette);
}

} // namespace Kestrion
