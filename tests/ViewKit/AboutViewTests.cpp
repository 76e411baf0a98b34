#include "WidgetCanvas.h"

#include "LanguageKit/LKLocalizedString.h"
#include "Platform/Files/Bundles.h"
#include "ViewKit/VKAboutView.h"
#include "ViewKit/VKColors.h"
#include "ViewKit/VKProminentButton.h"
#include "ViewKit/VKTagView.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace ViewKit;

namespace {

QStringList bundles(int count)
{
    QStringList names;
    for (int i = 0; i < count; ++i) {
        const QString module = QStringLiteral("Module%1").arg(QChar(u'A' + i));
        names.append(module + QLatin1Char('_') + module + QStringLiteral(".bundle"));
    }
    return names;
}

QVariantMap information()
{
    return QVariantMap{{QStringLiteral("CFBundleName"), QStringLiteral("Kestrion")},
                       {QStringLiteral("CFBundleShortVersionString"), QStringLiteral("1.4")},
                       {QStringLiteral("CFBundleVersion"), QStringLiteral("212")},
                       {QStringLiteral("NSHumanReadableCopyright"), QStringLiteral("Copyright 2026 Brannock")}};
}

QImage icon()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(QColor(0, 200, 0));
    return image;
}

} // namespace

TEST(AboutView, ModuleNamesComeFromBundleFolderNames)
{
    EXPECT_EQ(VKAboutView::moduleNames({QStringLiteral("ViewKit_ViewKit.bundle"), QStringLiteral("BaseKit_BaseKit.bundle"),
                                        QStringLiteral("BaseKit_Extra.bundle"), QStringLiteral("Plain.bundle"),
                                        QStringLiteral("notes.txt"), QStringLiteral(".Hidden_Hidden.bundle")}),
              QStringList({QStringLiteral("BaseKit"), QStringLiteral("Plain"), QStringLiteral("ViewKit")}));
    EXPECT_TRUE(VKAboutView::moduleNames({}).isEmpty());
}

TEST(AboutView, InstalledModulesAreTheBundlesBesideTheProgram)
{
    QTemporaryDir share;
    ASSERT_TRUE(share.isValid());
    for (const QString& name : {QStringLiteral("ViewKit_ViewKit.bundle"), QStringLiteral("BaseKit_BaseKit.bundle"),
                                QStringLiteral("LanguageKit_LanguageKit.bundle")})
        ASSERT_TRUE(QDir(share.path()).mkpath(name));
    const QStringList modules = VKAboutView::installedModules(Platform::Bundles({share.path()}));
    EXPECT_EQ(modules, QStringList({QStringLiteral("BaseKit"), QStringLiteral("LanguageKit"), QStringLiteral("ViewKit")}));

    QTemporaryDir empty;
    EXPECT_TRUE(VKAboutView::installedModules(Platform::Bundles({empty.path()})).isEmpty());
}

TEST(AboutView, IdentityLinesNeedTheirTextValues)
{
    VKAboutView full(icon(), information(), {});
    ASSERT_NE(full.nameLabel(), nullptr);
    EXPECT_EQ(full.nameLabel()->text(), QStringLiteral("Kestrion"));
    ASSERT_NE(full.versionLabel(), nullptr);
    EXPECT_EQ(full.versionLabel()->text(), QStringLiteral("Version 1.4 (Build 212)"));
    EXPECT_EQ(full.copyrightLabel()->text(), QStringLiteral("Copyright 2026 Brannock"));

    QVariantMap noBuild = information();
    noBuild.remove(QStringLiteral("CFBundleVersion"));
    VKAboutView partial(icon(), noBuild, {});
    EXPECT_NE(partial.nameLabel(), nullptr);
    EXPECT_EQ(partial.versionLabel(), nullptr);
    EXPECT_NE(partial.copyrightLabel(), nullptr);

    QVariantMap wrongTypes = information();
    wrongTypes[QStringLiteral("CFBundleName")] = 42;
    wrongTypes[QStringLiteral("NSHumanReadableCopyright")] = QStringList{QStringLiteral("x")};
    VKAboutView typed(icon(), wrongTypes, {});
    EXPECT_EQ(typed.nameLabel(), nullptr);
    EXPECT_EQ(typed.copyrightLabel(), nullptr);
    EXPECT_NE(typed.versionLabel(), nullptr);

    // A value holding format markers is shown as it stands.
    QVariantMap markers = information();
    markers[QStringLiteral("CFBundleShortVersionString")] = QStringLiteral("%2");
    VKAboutView marked(icon(), markers, {});
    EXPECT_EQ(marked.versionLabel()->text(), QStringLiteral("Version %2 (Build 212)"));

    VKAboutView none(icon(), std::nullopt, {});
    EXPECT_EQ(none.nameLabel(), nullptr);
    EXPECT_EQ(none.versionLabel(), nullptr);
    EXPECT_EQ(none.copyrightLabel(), nullptr);
    ASSERT_NE(none.closeButton(), nullptr);
}

TEST(AboutView, TagsInRowsOfFiveColouredByPosition)
{
    VKAboutView five(icon(), information(), bundles(5));
    ASSERT_EQ(five.tagRows().size(), 1);
    EXPECT_EQ(five.tagRows().at(0).size(), 5);
    ASSERT_NE(five.modulesHeading(), nullptr);
    EXPECT_EQ(five.modulesHeading()->text(),
              LanguageKit::LKLocalizedString(LanguageKit::LKLocalizedString::appIsBuiltUsingFrameworksColon).text());

    VKAboutView six(icon(), information(), bundles(6));
    const VKColorScheme scheme = VKTheme::scheme(&six);
    ASSERT_EQ(six.tagRows().size(), 2);
    EXPECT_EQ(six.tagRows().at(1).size(), 1);
    const VKTagView* sixth = six.tagRows().at(1).at(0);
    EXPECT_EQ(sixth->text().value_or(QString()), QStringLiteral("ModuleF"));
    EXPECT_EQ(sixth->color().foreground(), VKTheme::color(VKNamedColor::orange, scheme));
    EXPECT_EQ(six.tagRows().at(0).at(0)->color().foreground(), VKTheme::color(VKNamedColor::green, scheme));
    EXPECT_EQ(six.tagRows().at(0).at(4)->color().foreground(), VKTheme::color(VKNamedColor::pink, scheme));
    EXPECT_TRUE(sixth->fixedSize());
    EXPECT_EQ(sixth->spacing(), 4);
    EXPECT_EQ(sixth->dimension(), 12);
    EXPECT_FALSE(sixth->systemName().has_value());
}

TEST(AboutView, TwelveAndMoreModulesCycleThroughThePalette)
{
    VKAboutView view(icon(), information(), bundles(13));
    ASSERT_EQ(view.tagRows().size(), 3);
    EXPECT_EQ(view.tagRows().at(2).size(), 3);
    const VKColorScheme scheme = VKTheme::scheme(&view);
    EXPECT_EQ(view.tagRows().at(2).at(0)->color().foreground(), VKTheme::color(VKNamedColor::teal, scheme));   // 11th
    EXPECT_EQ(view.tagRows().at(2).at(1)->color().foreground(), VKTheme::color(VKNamedColor::green, scheme));  // 12th
    EXPECT_EQ(view.tagRows().at(2).at(2)->color().foreground(), VKTheme::color(VKNamedColor::blue, scheme));   // 13th
    view.show();
    renderWidget(view);
}

TEST(AboutView, NoModulesNoHeadingAndTheViewTakesItsIdealSize)
{
    VKAboutView view(icon(), information(), {QStringLiteral("readme.txt")});
    EXPECT_EQ(view.modulesHeading(), nullptr);
    EXPECT_TRUE(view.tagRows().isEmpty());
    view.show();
    EXPECT_EQ(view.size(), view.sizeHint());
    EXPECT_EQ(view.privacyLabel()->width(), VKAboutView::textWidth);
    EXPECT_TRUE(view.privacyLabel()->wordWrap());
    EXPECT_EQ(view.creditLabel()->width(), VKAboutView::textWidth);
}

TEST(AboutView, BackgroundIsWhiteInLightAndControlBackgroundInDark)
{
    VKAboutView view(icon(), information(), bundles(2));
    view.setPalette(VKTheme::palette(VKColorScheme::light));
    view.show();
    EXPECT_TRUE(isOpaque(pixelAt(renderWidget(view), QPointF(2, 2)), Qt::white));
    view.setPalette(VKTheme::palette(VKColorScheme::dark));
    EXPECT_TRUE(isOpaque(pixelAt(renderWidget(view), QPointF(2, 2)),
                         VKColors::Background::controlBackground(VKColorScheme::dark)));
    // The icon is stretched into its 128-point frame.
    const QImage image = renderWidget(view);
    EXPECT_TRUE(isOpaque(pixelAt(image, QPointF(view.width() / 2.0, VKTheme::scenePadding + 64)), QColor(0, 200, 0)));
}

TEST(AboutView, CloseClosesTheWindowAndThePortfolioOpensTheDesignersPage)
{
    QList<QUrl> opened;
    const auto opener = [&](const QUrl& url) {
        opened.append(url);
        return true;
    };
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* view = new VKAboutView(icon(), information(), bundles(3), opener, &window);
    layout->addWidget(view);
    window.show();
    ASSERT_NE(view->portfolioButton(), nullptr);
    QTest::mouseClick(view->portfolioButton(), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front(), QUrl(QString::fromLatin1(VKAboutView::iconDesignerPage)));

    QSignalSpy dismissed(view, &VKAboutView::dismissed);
    EXPECT_EQ(view->closeButton()->text(),
              LanguageKit::LKLocalizedString(LanguageKit::LKLocalizedString::close).text());
    QTest::mouseClick(view->closeButton(), Qt::LeftButton);
    EXPECT_EQ(dismissed.count(), 1);
    EXPECT_FALSE(window.isVisible());
}
