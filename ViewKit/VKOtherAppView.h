#pragma once

#include "BaseKit/Services/OtherApps.h"
#include "BaseKit/Workspace/Workspace.h"

#include <QLocale>
#include <QWidget>

class QLabel;

namespace ViewKit {

class VKProminentButton;
class VKRemoteImage;

// One application of the maker: its icon (128 by 128 points, fetched in the background), its name, its
// description in German or English, and a button that hands its store page to the view's opener (only
// for a valid store address; without an opener it opens nothing).
class VKOtherAppView : public QWidget
{
    Q_OBJECT

public:
    explicit VKOtherAppView(const BaseKit::OtherApp& app, BaseKit::Workspace::UrlOpener urlOpener = {},
                            QWidget* parent = nullptr);

    const BaseKit::OtherApp& app() const { return m_app; }

    // The German description for a locale whose language is German (any region), else the English one.
    static QString description(const BaseKit::OtherApp& app, const QLocale& locale = QLocale());

    VKRemoteImage* icon() const { return m_icon; }
    QLabel* nameLabel() const { return m_nameLabel; }
    QLabel* descriptionLabel() const { return m_descriptionLabel; }
    // None when the store address is not valid.
    VKProminentButton* storeButton() const { return m_storeButton; }

    static constexpr int iconSide = 128;

private:
    BaseKit::OtherApp m_app;
    VKRemoteImage* m_icon = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_descriptionLabel = nullptr;
    VKProminentButton* m_storeButton = nullptr;
};

} // namespace ViewKit
