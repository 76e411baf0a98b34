#include "WidgetCanvas.h"

#include "ViewKit/GlassEffect.h"
#include "ViewKit/VKAboutView.h"
#include "ViewKit/VKGlassCard.h"
#include "ViewKit/VKMaterial.h"
#include "ViewKit/VKOtherAppView.h"
#include "ViewKit/VKOtherAppsView.h"
#include "ViewKit/VKTheme.h"
#include "ViewKit/VKWhatsNewView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace ViewKit;

namespace {

// Installs a scheme's palette for the whole program, as the shell does, and puts the program's
// palette back at the end of the test.
class ProgramScheme
{
public:
    ProgramScheme() : m_before(QApplication::palette()) {}
    ~ProgramScheme() { QApplication::setPalette(m_before); }
    void set(VKColorScheme scheme)
    {
        QApplication::setPalette(VKTheme::palette(scheme));
        QApplication::processEvents();
    }

private:
    QPalette m_before;
};

// The label's pixels as its window shows them.
QImage shown(QLabel* label)
{
    QApplication::processEvents();
    QWidget* window = label->window();
    return window->grab(QRect(label->mapTo(window, QPoint(0, 0)), label->size())).toImage();
}

// How far the lightest and the darkest pixel of an image lie from the window colour (0...255).
int contrast(const QImage& image, const QColor& window)
{
    int best = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            best = std::max(best, std::abs(image.pixelColor(x, y).lightness() - window.lightness()));
    return best;
}

// Each label is drawn legibly (well apart from the window) in the scheme installed last.
void expectLegible(ProgramScheme& program, const std::vector<QLabel*>& labels)
{
    for (const VKColorScheme scheme : {VKColorScheme::light, VKColorScheme::dark, VKColorScheme::light}) {
        program.set(scheme);
        const QColor window = VKTheme::palette(scheme).color(QPalette::Window);
        for (QLabel* label : labels) {
            ASSERT_TRUE(label);
            SCOPED_TRACE(testing::Message() << label->text().toStdString() << " dark "
                                            << (scheme == VKColorScheme::dark));
            EXPECT_GT(contrast(shown(label), window), 70);
            // The secondary colour of the scheme shown, not the one the label was made in.
            EXPECT_EQ(label->palette().color(QPalette::WindowText), VKTheme::secondaryText(scheme));
        }
    }
}

// A window holding a view made while the light scheme was installed.
std::unique_ptr<QWidget> windowWith(QWidget* view)
{
    auto window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    layout->addWidget(view);
    window->show();
    QApplication::processEvents();
    return window;
}

} // namespace

TEST(LiveScheme, AboutViewSecondaryLines)
{
    ProgramScheme program;
    program.set(VKColorScheme::light);
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::green);
    const QVariantMap info{{QStringLiteral("CFBundleName"), QStringLiteral("Kestrion")},
                           {QStringLiteral("CFBundleShortVersionString"), QStringLiteral("1.4")},
                           {QStringLiteral("CFBundleVersion"), QStringLiteral("212")},
                           {QStringLiteral("NSHumanReadableCopyright"), QStringLiteral("Copyright 2026 Brannock")}};
    auto* about = new VKAboutView(icon, info, {QStringLiteral("ViewKit_ViewKit.bundle")});
    const auto window = windowWith(about);
    expectLegible(program, {about->versionLabel(), about->copyrightLabel()});
}

TEST(LiveScheme, OtherApplicationDescription)
{
    ProgramScheme program;
    program.set(VKColorScheme::light);
    const BaseKit::OtherApp app{QStringLiteral("id"), QStringLiteral("Name"), QStringLiteral("Beschreibung"),
                                QStringLiteral("A description"), QString(), QString()};
    auto* page = new VKOtherAppView(app);
    const auto window = windowWith(page);
    expectLegible(program, {page->descriptionLabel()});
}

TEST(LiveScheme, WhatsNewSubtitle)
{
    ProgramScheme program;
    program.set(VKColorScheme::light);
    auto* sheet = new VKWhatsNewView(QStringLiteral("New"), QStringLiteral("What changed in this version"), {});
    const auto window = windowWith(sheet);
    expectLegible(program, {sheet->subtitleLabel()});
}

TEST(GlassMaterials, EachThicknessStandsApartInBothSchemes)
{
    for (const VKColorScheme scheme : {VKColorScheme::light, VKColorScheme::dark}) {
        SCOPED_TRACE(scheme == VKColorScheme::dark ? "dark" : "light");
        // The glass window: its backdrop over the window colour, then each card's material on it.
        QWidget window;
        window.setPalette(VKTheme::palette(scheme));
        window.setAutoFillBackground(true);
        auto* layout = new QVBoxLayout(&window);
        auto* backdrop = new GlassEffect(VKWindowMaterial::sidebar, &window);
        backdrop->resize(400, 400);
        backdrop->lower();
        std::vector<VKGlassCard*> cards;
        for (VKGlassCardStyle style : VKGlassCardStyles::allCases) {
            if (style == VKGlassCardStyle::none)
                continue;
            cards.push_back(new VKGlassCard(style, 8, &window));
            cards.back()->setFixedSize(100, 40);
            layout->addWidget(cards.back());
        }
        window.resize(400, 400);
        window.show();
        QApplication::processEvents();
        const QImage image = window.grab().toImage();
        const int glass = image.pixelColor(380, 5).lightness();
        int previous = glass;
        for (VKGlassCard* card : cards) {
            const int shade = image.pixelColor(card->geometry().center()).lightness();
            EXPECT_GE(std::abs(shade - previous), 6) << int(card->glassStyle());
            previous = shade;
        }
    }
}

TEST(LiveScheme, OtherApplicationsToolbarSymbol)
{
    ProgramScheme program;
    program.set(VKColorScheme::light);
    VKOtherAppsView view(std::nullopt);
    ASSERT_NE(view.developerPageButton(), nullptr);
    auto symbolLightness = [&view] {
        const QImage image = view.developerPageButton()->icon().pixmap(QSize(18, 18)).toImage();
        return strongestPixel(image, QRectF(0, 0, image.width(), image.height())).lightness();
    };
    EXPECT_LT(symbolLightness(), 80);
    program.set(VKColorScheme::dark);
    EXPECT_GT(symbolLightness(), 180);
    program.set(VKColorScheme::light);
    EXPECT_LT(symbolLightness(), 80);
}
