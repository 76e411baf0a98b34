#include "ViewKit/VKAboutView.h"

#include "ViewKit/VKSecondaryText.h"

#include "BaseKit/Workspace/Workspace.h"
#include "LanguageKit/LKLocalizedString.h"
#include "Platform/Files/Bundles.h"
#include "ViewKit/VKColors.h"
#include "ViewKit/VKLinkOpener.h"
#include "ViewKit/VKProminentButton.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTagView.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

namespace ViewKit {

namespace {

// A button that looks like a link: accent-coloured text without bezel.
class LinkButton : public QAbstractButton
{
public:
    LinkButton(const QString& text, QWidget* parent)
        : QAbstractButton(parent)
    {
        setText(text);
        setCursor(Qt::PointingHandCursor);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        const QFontMetricsF metrics(font());
        return QSize(int(std::ceil(metrics.horizontalAdvance(text()))), int(std::ceil(metrics.height())));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const VKColorScheme scheme = VKTheme::scheme(this);
        QColor color = isEnabled() ? VKTheme::color(VKNamedColor::accent, scheme, palette())
                                   : VKTheme::secondaryText(scheme);
        if (isDown())
            color = withOpacity(color, 0.7);
        painter.setPen(color);
        painter.drawText(QRectF(rect()), Qt::AlignCenter, text());
    }
};

QLabel* makeLabel(const QString& text, QWidget* parent, std::optional<VKTextStyle> style, bool secondary,
                  bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    if (style)
        label->setFont(bold ? VKTheme::font(*style, QFont::Bold) : VKTheme::font(*style));
    if (secondary)
        VKSecondaryText::follow(label);
    return label;
}

QLabel* makeParagraph(const QString& text, QWidget* parent)
{
    auto* label = makeLabel(text, parent, std::nullopt, false);
    label->setWordWrap(true);
    label->setFixedWidth(VKAboutView::textWidth);
    return label;
}

} // namespace

QStringList VKAboutView::moduleNames(const QStringList& bundleNames)
{
    static const QString suffix = QStringLiteral(".bundle");
    QStringList names;
    for (const QString& bundle : bundleNames) {
        if (!bundle.endsWith(suffix) || bundle.startsWith(QLatin1Char('.')))
            continue;
        const qsizetype underscore = bundle.indexOf(QLatin1Char('_'));
        const QString name = underscore >= 0 ? bundle.left(underscore) : bundle.chopped(suffix.size());
        if (!name.isEmpty())
            names.append(name);
    }
    names.sort();
    names.removeDuplicates();
    return names;
}

QStringList VKAboutView::installedModules(const Platform::Bundles& bundles)
{
    return moduleNames(bundles.moduleNames());
}

VKNamedColor VKAboutView::tagColor(int index)
{
    const int count = int(colors.size());
    return colors[std::size_t(((index % count) + count) % count)];
}

std::optional<QString> VKAboutView::text(const std::optional<QVariantMap>& data, const char* key)
{
    if (!data)
        return std::nullopt;
    const QVariant value = data->value(QLatin1String(key));
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

VKAboutView::VKAboutView(const QImage& image, const std::optional<QVariantMap>& data, const QStringList& bundleNames,
                         BaseKit::Workspace::UrlOpener urlOpener, QWidget* parent)
    : QWidget(parent)
    , m_image(image)
    , m_data(data)
    , m_bundles(moduleNames(bundleNames))
{
    const int scene = int(VKTheme::scenePadding);
    const VKColorScheme scheme = VKTheme::scheme(this);
    auto* stack = new QVBoxLayout(this);
    stack->setSizeConstraint(QLayout::SetFixedSize);
    stack->setContentsMargins(scene, scene, scene, scene);
    stack->setSpacing(int(VKTheme::defaultSpacing));

    // Icon.
    auto* icon = new QLabel(this);
    icon->setFixedSize(128, 128);
    icon->setScaledContents(true);
    icon->setPixmap(QPixmap::fromImage(m_image));
    stack->addWidget(icon, 0, Qt::AlignHCenter);

    // Identity.
    auto* identity = new QVBoxLayout;
    identity->setSpacing(int(VKTheme::defaultSpacing));
    identity->setContentsMargins(0, 8, 0, 0);
    if (const auto name = text(m_data, "CFBundleName")) {
        m_nameLabel = makeLabel(*name, this, VKTextStyle::title1, false, true);
        identity->addWidget(m_nameLabel);
    }
    const auto version = text(m_data, "CFBundleShortVersionString");
    const auto build = text(m_data, "CFBundleVersion");
    if (version && build) {
        const QString line = VKStrings::mainTable(QStringLiteral("Version %1 (Build %2)")).arg(*version, *build);
        m_versionLabel = makeLabel(line, this, VKTextStyle::headline, true);
        identity->addWidget(m_versionLabel);
    }
    if (const auto copyright = text(m_data, "NSHumanReadableCopyright")) {
        m_copyrightLabel = makeLabel(*copyright, this, VKTextStyle::subheadline, true);
        identity->addWidget(m_copyrightLabel);
    }
    stack->addLayout(identity);

    // Modules, five to a row.
    if (!m_bundles.isEmpty()) {
        auto* modules = new QVBoxLayout;
        modules->setSpacing(16);
        modules->setContentsMargins(0, scene, 0, 0);
        m_modulesHeading = makeLabel(
            LanguageKit::LKLocalizedString(LanguageKit::LKLocalizedString::appIsBuiltUsingFrameworksColon).text(), this,
            std::nullopt, false);
        modules->addWidget(m_modulesHeading, 0, Qt::AlignHCenter);
        for (qsizetype start = 0; start < m_bundles.size(); start += tagsPerRow) {
            auto* row = new QHBoxLayout;
            row->setSpacing(10);
            QList<VKTagView*> tags;
            for (qsizetype i = start; i < std::min(start + tagsPerRow, m_bundles.size()); ++i) {
                const QColor color = VKTheme::color(tagColor(int(i)), scheme, palette());
                auto* tag = VKTagView::withText(m_bundles.at(i), VKBadgeColor::customColor(color), true, std::nullopt,
                                                4, 12, this);
                row->addWidget(tag, 0, Qt::AlignVCenter);
                tags.append(tag);
            }
            m_tagRows.append(tags);
            modules->addLayout(row);
            modules->setAlignment(row, Qt::AlignHCenter);
        }
        stack->addLayout(modules);
    }

    // Privacy statement.
    m_privacyLabel = makeParagraph(VKStrings::library("PRIVACY_POLICY"), this);
    auto* privacy = new QVBoxLayout;
    privacy->setContentsMargins(scene, scene, scene, scene);
    privacy->addWidget(m_privacyLabel, 0, Qt::AlignHCenter);
    stack->addLayout(privacy);

    // Credit.
    auto* credit = new QVBoxLayout;
    credit->setSpacing(int(VKTheme::defaultSpacing));
    credit->setContentsMargins(0, 0, 0, 16);
    m_creditLabel = makeParagraph(VKStrings::library("APP_ICON_INFO"), this);
    credit->addWidget(m_creditLabel, 0, Qt::AlignHCenter);
    const QUrl page(QString::fromLatin1(iconDesignerPage), QUrl::StrictMode);
    if (page.isValid() && !page.scheme().isEmpty()) {
        m_portfolioButton = new LinkButton(VKStrings::library("PORTFOLIO"), this);
        connect(m_portfolioButton, &QAbstractButton::clicked, this,
                [this, urlOpener = std::move(urlOpener)] {
                    VKLinkOpener::open(this, QString::fromLatin1(iconDesignerPage), urlOpener);
                });
        credit->addWidget(m_portfolioButton, 0, Qt::AlignHCenter);
    }
    stack->addLayout(credit);

    // Close.
    m_closeButton = new VKProminentButton(
        LanguageKit::LKLocalizedString(LanguageKit::LKLocalizedString::close).text(), VKProminentButtonStyle::prominent(),
        [this] {
            emit dismissed();
            if (QWidget* host = window())
                host->close();
        },
        this);
    stack->addWidget(m_closeButton, 0, Qt::AlignHCenter);
}

QColor VKAboutView::backgroundColor() const
{
    const VKColorScheme scheme = VKTheme::scheme(this);
    return scheme == VKColorScheme::dark ? VKColors::Background::controlBackground(scheme) : QColor(Qt::white);
}

void VKAboutView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColor());
}

} // namespace ViewKit
