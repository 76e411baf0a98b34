#include "Kestrion/App/EmptyView.h"

#include "Kestrion/App/AppStrings.h"
#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace Kestrion {

EmptyView::EmptyView(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    layout->setAlignment(Qt::AlignCenter);

    m_icon = new QLabel(this);
    m_icon->setFixedSize(192, 192);
    m_icon->setAlignment(Qt::AlignCenter);
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        m_icon->setPixmap(icon.pixmap(QSize(192, 192)));
    layout->addWidget(m_icon, 0, Qt::AlignHCenter);

    m_title = new QLabel(AppStrings::text("NO_VIEWS_CONFIGURED"), this);
    m_title->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_title, 0, Qt::AlignHCenter);

    m_info = new QLabel(AppStrings::text("NO_VIEWS_CONFIGURED_INFO"), this);
    m_info->setWordWrap(true);
    m_info->setAlignment(Qt::AlignCenter);
    m_info->setContentsMargins(32, 16, 32, 16);
    m_info->setFixedWidth(384);
    layout->addWidget(m_info, 0, Qt::AlignHCenter);
    applyColors();
}

void EmptyView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        applyColors();
    QWidget::changeEvent(event);
}

void EmptyView::applyColors()
{
    QPalette palette = m_info->palette();
    palette.setColor(QPalette::WindowText, ViewKit::VKTheme::secondaryText(ViewKit::VKTheme::scheme(this)));
    m_info->setPalette(palette);
}

} // namespace Kestrion
