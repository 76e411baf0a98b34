#include "Kestrion/SettingsWindow/SensorUpdateView.h"

#include "Kestrion/Common/AppStrings.h"
#include "LanguageKit/Views/LKLocalizedButton.h"
#include "ThermionKit/ThermionCheck.h"
#include "ViewKit/VKLinkOpener.h"
#include "ViewKit/VKSymbolView.h"
#include "ViewKit/VKTheme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <utility>

namespace Kestrion {

using LanguageKit::LKLocalizedButton;
using LanguageKit::LKLocalizedString;
using ViewKit::VKTheme;

SensorUpdateView::SensorUpdateView(ThermionKit::ThermionCheck companion, QWidget* parent)
    : QDialog(parent)
    , m_companion(std::move(companion))
{
    setObjectName(QStringLiteral("SensorUpdateView"));
    const int scene = int(VKTheme::scenePadding);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(scene, scene, scene, scene);
    column->setSizeConstraint(QLayout::SetFixedSize);

    // The companion's icon.
    column->addSpacing(24);
    auto* icon = new ViewKit::VKSymbolView(QStringLiteral("thermometer"),
                                           VKTheme::color(ViewKit::VKNamedColor::orange, VKTheme::scheme(this)), 128,
                                           this);
    icon->setFixedSize(128, 128);
    column->addWidget(icon, 0, Qt::AlignHCenter);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(12);
    texts->setContentsMargins(scene, scene, scene, scene);
    auto* title = new QLabel(AppStrings::text("NEW_THERMION_AVAILABLE"), this);
    title->setFont(VKTheme::font(ViewKit::VKTextStyle::title1));
    title->setAlignment(Qt::AlignCenter);
    auto* body = new QLabel(AppStrings::text("UPDATE_IS_AVAILABLE"), this);
    body->setFont(VKTheme::font(ViewKit::VKTextStyle::body));
    body->setAlignment(Qt::AlignCenter);
    body->setWordWrap(true);
    body->setFixedWidth(360);
    // A wrapped label gets no height for its width from a fixed-size layout: give it the lines it needs.
    body->setFixedHeight(body->heightForWidth(360));
    QPalette secondary = body->palette();
    secondary.setColor(QPalette::WindowText, VKTheme::secondaryText(VKTheme::scheme(this)));
    body->setPalette(secondary);
    texts->addWidget(title, 0, Qt::AlignHCenter);
    texts->addWidget(body, 0, Qt::AlignHCenter);
    column->addLayout(texts);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(24);
    m_download = new LKLocalizedButton(LKLocalizedString::downloadUpdate, std::nullopt,
                                       [this] {
                                           ViewKit::VKLinkOpener::open(this, m_companion.environment().downloadPage,
                                                                       [this] { return m_companion.openDownloadPage(); });
                                       },
                                       this);
    m_download->setDefault(true);
    m_dismiss = new LKLocalizedButton(LKLocalizedString::dismiss, std::nullopt, [this] { reject(); }, this);
    m_dismiss->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(m_download);
    buttons->addWidget(m_dismiss);
    buttons->addStretch();
    column->addLayout(buttons);
    column->addSpacing(24);
}

SensorUpdateView* SensorUpdateView::present(QWidget* window, const ThermionKit::ThermionCheck& companion)
{
    if (window) {
        if (auto* open = window->findChild<SensorUpdateView*>(QString(), Qt::FindDirectChildrenOnly); open && open->isVisible())
            return open;
    }
    auto* sheet = new SensorUpdateView(companion, window);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setWindowModality(Qt::WindowModal);
    sheet->show();
    return sheet;
}

} // namespace Kestrion
