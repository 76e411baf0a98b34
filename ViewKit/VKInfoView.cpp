#include "ViewKit/VKInfoView.h"

#include "LanguageKit/LKResources.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace ViewKit {

namespace {

constexpr int symbolPadding = 8;
constexpr int textSpacing = 4;

} // namespace

VKInfoView::VKInfoView(const QColor& color, const QString& systemName, std::optional<QString> title,
                       std::optional<QString> titleString, const QString& description, qreal imageSize,
                       VKSymbolRenderingMode symbolRenderingMode, QWidget* parent)
    : QWidget(parent)
    , m_color(color)
    , m_systemName(systemName)
    , m_title(std::move(title))
    , m_titleString(std::move(titleString))
    , m_description(description)
    , m_imageSize(imageSize)
    , m_symbolRenderingMode(symbolRenderingMode)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(int(VKTheme::defaultSpacing));
    m_symbol = new VKSymbolView(systemName, color, imageSize, this);
    row->addSpacing(symbolPadding);
    row->addWidget(m_symbol, 0, Qt::AlignVCenter);
    row->addSpacing(symbolPadding);

    auto* column = new QVBoxLayout;
    column->setSpacing(textSpacing);
    if (m_title || m_titleString) {
        m_titleLabel = new QLabel(this);
        m_titleLabel->setWordWrap(true);
        m_titleLabel->setTextFormat(Qt::PlainText);
        column->addWidget(m_titleLabel);
    }
    auto* descriptionRow = new QHBoxLayout;
    m_descriptionLabel = new QLabel(this);
    m_descriptionLabel->setWordWrap(true);
    m_descriptionLabel->setTextFormat(Qt::PlainText);
    m_descriptionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    descriptionRow->addWidget(m_descriptionLabel, 1);
    column->addLayout(descriptionRow);
    row->addLayout(column, 1);
    retranslate();
}

VKInfoView* VKInfoView::withTitle(const QColor& color, const QString& systemName, std::optional<QString> title,
                                  const QString& description, qreal imageSize,
                                  VKSymbolRenderingMode symbolRenderingMode, QWidget* parent)
{
    return new VKInfoView(color, systemName, std::move(title), std::nullopt, description, imageSize,
                          symbolRenderingMode, parent);
}

VKInfoView* VKInfoView::withLocalizedTitle(const QColor& color, const QString& systemName,
                                           LanguageKit::LKLocalizedString localizedTitle, const QString& description,
                                           qreal imageSize, VKSymbolRenderingMode symbolRenderingMode, QWidget* parent)
{
    return new VKInfoView(color, systemName, std::nullopt, LanguageKit::LKResources::localized(localizedTitle),
                          description, imageSize, symbolRenderingMode, parent);
}

VKInfoView::VKInfoView(const VKInfoViewConfiguration& configuration, QWidget* parent)
    : VKInfoView(configuration.color, configuration.systemName, configuration.title, configuration.text,
                 configuration.description, configuration.imageSize, configuration.symbolRenderingMode, parent)
{
}

std::optional<QString> VKInfoView::shownTitle() const
{
    if (m_title)
        return VKStrings::mainTable(*m_title);
    return m_titleString;
}

QString VKInfoView::shownDescription() const
{
    return VKStrings::mainTable(m_description);
}

void VKInfoView::retranslate()
{
    if (m_titleLabel)
        m_titleLabel->setText(shownTitle().value_or(QString()));
    m_descriptionLabel->setText(shownDescription());
}

void VKInfoView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

} // namespace ViewKit
