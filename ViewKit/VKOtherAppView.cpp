#include "ViewKit/VKOtherAppView.h"

#include "ViewKit/VKSecondaryText.h"

#include "BaseKit/Workspace/Workspace.h"
#include "ViewKit/VKLinkOpener.h"
#include "ViewKit/VKProminentButton.h"
#include "ViewKit/VKRemoteImage.h"
#include "ViewKit/VKStrings.h"
#include "ViewKit/VKTheme.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ViewKit {

QString VKOtherAppView::description(const BaseKit::OtherApp& app, const QLocale& locale)
{
    if (locale.language() != QLocale::C && locale.name().startsWith(QLatin1String("de")))
        return app.german;
    return app.english;
}

VKOtherAppView::VKOtherAppView(const BaseKit::OtherApp& app, BaseKit::Workspace::UrlOpener urlOpener, QWidget* parent)
    : QWidget(parent)
    , m_app(app)
{
    const int scene = int(VKTheme::scenePadding);
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(scene, scene, scene, scene);
    stack->setSpacing(int(VKTheme::defaultSpacing));
    stack->setAlignment(Qt::AlignCenter);

    m_icon = new VKRemoteImage(m_app.iconAddress(), this);
    // 128 points when there is room; a small window shrinks the slot (the picture keeps its shape)
    // rather than letting the name and the button run into it.
    m_icon->setMinimumSize(iconSide / 2, iconSide / 2);
    m_icon->setMaximumSize(iconSide, iconSide);
    m_icon->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    stack->addWidget(m_icon, 0, Qt::AlignHCenter);

    m_nameLabel = new QLabel(m_app.name, this);
    m_nameLabel->setTextFormat(Qt::PlainText);
    m_nameLabel->setFont(VKTheme::font(VKTextStyle::title1));
    m_nameLabel->setAlignment(Qt::AlignCenter);
    stack->addWidget(m_nameLabel, 0, Qt::AlignHCenter);

    m_descriptionLabel = new QLabel(description(m_app), this);
    m_descriptionLabel->setTextFormat(Qt::PlainText);
    m_descriptionLabel->setFont(VKTheme::font(VKTextStyle::subheadline));
    m_descriptionLabel->setAlignment(Qt::AlignCenter);
    m_descriptionLabel->setWordWrap(true);
    VKSecondaryText::follow(m_descriptionLabel);
    stack->addWidget(m_descriptionLabel);

    const QUrl store = m_app.storeAddress();
    if (store.isValid() && !store.isEmpty()) {
        m_storeButton = new VKProminentButton(VKStrings::library("SHOW_IN_APP_STORE"),
                                              VKProminentButtonStyle::prominent(),
                                              [this, store, urlOpener = std::move(urlOpener)] {
                                                  const QString address = store.toString();
                                                  VKLinkOpener::open(this, address, [&] {
                                                      return BaseKit::Workspace::openNetworkUrlString(address, urlOpener);
                                                  });
                                              },
                                              this);
        auto* box = new QVBoxLayout;
        box->setContentsMargins(0, scene, 0, scene);
        box->addWidget(m_storeButton, 0, Qt::AlignHCenter);
        stack->addLayout(box);
    }
}

} // namespace ViewKit
