#pragma once

#include "ViewKit/VKTheme.h"

#include "BaseKit/Workspace/Workspace.h"
#include "Platform/Files/Bundles.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QVariantMap>
#include <QWidget>

#include <array>
#include <optional>

class QAbstractButton;
class QLabel;

namespace ViewKit {

class VKProminentButton;
class VKTagView;

// The content of an About window: the icon, the name, version and build and copyright line read from
// an information dictionary ("CFBundleName", "CFBundleShortVersionString", "CFBundleVersion",
// "NSHumanReadableCopyright"; a missing or non-text value removes its line), the modules that ship
// with the program as coloured tags in rows of five, a privacy statement, the icon credit with a link
// to the designer's portfolio and a Close button that closes the window. The view takes its ideal
// size; its background is white in light mode and the control background in dark mode.
class VKAboutView : public QWidget
{
    Q_OBJECT

public:
    // `bundleNames` are resource-bundle folder names ("ViewKit_ViewKit.bundle"), as
    // Platform::Bundles::moduleNames lists them; each shows as its module name. The designer's page goes
    // to `urlOpener`; without one the link opens nothing.
    VKAboutView(const QImage& image, const std::optional<QVariantMap>& data, const QStringList& bundleNames,
                BaseKit::Workspace::UrlOpener urlOpener = {}, QWidget* parent = nullptr);

    // The module names of bundle folder names: the part before the first "_" (the whole name without
    // ".bundle" when it has none), names not ending in ".bundle" left out, without duplicates, sorted.
    static QStringList moduleNames(const QStringList& bundleNames);
    // The modules of `bundles` (Bundles::program(): those that ship with the program).
    static QStringList installedModules(const Platform::Bundles& bundles);

    // The tag palette, in order; the tag at position n (row by row from 0) takes colour n, and from the
    // twelfth module on the palette starts over.
    static constexpr std::array<VKNamedColor, 11> colors{
        VKNamedColor::green, VKNamedColor::blue,   VKNamedColor::yellow, VKNamedColor::purple,
        VKNamedColor::pink,  VKNamedColor::orange, VKNamedColor::brown,  VKNamedColor::cyan,
        VKNamedColor::indigo, VKNamedColor::mint,  VKNamedColor::teal};
    static VKNamedColor tagColor(int index);
    static constexpr int tagsPerRow = 5;
    static constexpr int textWidth = 512;
    // The icon designer's portfolio.
    static constexpr const char* iconDesignerPage = "https://www.brannock.com/credits/app-icon";

    const QImage& image() const { return m_image; }
    const std::optional<QVariantMap>& data() const { return m_data; }
    const QStringList& bundles() const { return m_bundles; }

    // The parts, for the window that hosts the view; a line that is not shown is null.
    QLabel* nameLabel() const { return m_nameLabel; }
    QLabel* versionLabel() const { return m_versionLabel; }
    QLabel* copyrightLabel() const { return m_copyrightLabel; }
    QLabel* modulesHeading() const { return m_modulesHeading; }
    const QList<QList<VKTagView*>>& tagRows() const { return m_tagRows; }
    QLabel* privacyLabel() const { return m_privacyLabel; }
    QLabel* creditLabel() const { return m_creditLabel; }
    QAbstractButton* portfolioButton() const { return m_portfolioButton; }
    VKProminentButton* closeButton() const { return m_closeButton; }

    // The background colour in the view's current scheme.
    QColor backgroundColor() const;

signals:
    // The Close button was pressed; the window is closed right after.
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static std::optional<QString> text(const std::optional<QVariantMap>& data, const char* key);

    QImage m_image;
    std::optional<QVariantMap> m_data;
    QStringList m_bundles;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_versionLabel = nullptr;
    QLabel* m_copyrightLabel = nullptr;
    QLabel* m_modulesHeading = nullptr;
    QList<QList<VKTagView*>> m_tagRows;
    QLabel* m_privacyLabel = nullptr;
    QLabel* m_creditLabel = nullptr;
    QAbstractButton* m_portfolioButton = nullptr;
    VKProminentButton* m_closeButton = nullptr;
};

} // namespace ViewKit
