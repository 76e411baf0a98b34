#include "ViewKit/VKWhatsNewView.h"

#include "ViewKit/VKSecondaryText.h"

#include "ViewKit/VKInfoView.h"
#include "ViewKit/VKTheme.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ViewKit {

VKWhatsNewView::VKWhatsNewView(const QString& title, std::optional<QString> subtitle,
                               const QList<VKInfoViewConfiguration>& items, QWidget* parent)
    : QWidget(parent)
    , m_title(title)
    , m_subtitle(std::move(subtitle))
    , m_items(items)
{
    auto* stack = new QVBoxLayout(this);
    stack->setSpacing(int(VKTheme::defaultSpacing));

    auto* header = new QWidget(this);
    header->setMaximumWidth(headerMaximumWidth);
    auto* headerStack = new QVBoxLayout(header);
    const int scene = int(VKTheme::scenePadding);
    headerStack->setContentsMargins(scene, scene, scene, scene);
    headerStack->setSpacing(16);
    m_titleLabel = new QLabel(m_title, header);
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setFont(VKTheme::font(VKTextStyle::largeTitle, QFont::Bold));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setWordWrap(true);
    headerStack->addWidget(m_titleLabel);
    if (m_subtitle) {
        m_subtitleLabel = new QLabel(*m_subtitle, header);
        m_subtitleLabel->setTextFormat(Qt::PlainText);
        m_subtitleLabel->setAlignment(Qt::AlignCenter);
        m_subtitleLabel->setWordWrap(true);
        m_subtitleLabel->setMaximumWidth(headerMaximumWidth);
        VKSecondaryText::follow(m_subtitleLabel);
        headerStack->addWidget(m_subtitleLabel, 0, Qt::AlignHCenter);
    }
    stack->addWidget(header, 0, Qt::AlignHCenter);

    auto* list = new QVBoxLayout;
    list->setSpacing(int(VKTheme::defaultSpacing));
    const int pad = int(VKTheme::defaultPadding);
    for (const VKInfoViewConfiguration& item : m_items) {
        auto* row = new VKInfoView(item, this);
        row->layout()->setContentsMargins(pad, pad, pad, pad);
        row->setMaximumWidth(rowMaximumWidth);
        row->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        list->addWidget(row, 0, Qt::AlignLeft);
        m_rows.append(row);
    }
    stack->addLayout(list);
}

} // namespace ViewKit
