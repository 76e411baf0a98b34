#include "LoopbackStartup.h"
#include "CardTestSupport.h"
#include "FakeCompanion.h"

#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/KestrionApp.h"
#include "Kestrion/Cards/CardTitle.h"
#include "Kestrion/Cards/CompanionCards.h"
#include "Kestrion/Cards/FanRowsView.h"
#include "Kestrion/Cards/FansView.h"
#include "Kestrion/Cards/SensorRowsView.h"
#include "Kestrion/Cards/ThermionView.h"
#include "Kestrion/Models/ThermionViewModel.h"
#include "Kestrion/Settings/AppSettings.h"
#include "Kestrion/SettingsWindow/SensorUpdateView.h"
#include "ThermionKit/ThermionCheck.h"

#include "Support/LoopbackServer.h"

#include <QApplication>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

using namespace Kestrion;
using ThermionKit::SensorType;
using ViewKit::VKColorScheme;
using ViewKit::VKTheme;

namespace {

std::shared_ptr<SensorModel> sensor(const char* name, double value, SensorType type = SensorType::thermal)
{
    return std::make_shared<SensorModel>(type, QString::fromLatin1(name), QString::fromLatin1(name), value);
}

QImage render(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

} // namespace

TEST(SensorsCard, RowsShowNameValueWeightAndColourOfEachReading)
{
    LookFixture look;
    ThermionView card(look.settings);
    EXPECT_EQ(card.title()->text(), QStringLiteral("Sensors"));
    // The card's surface shows behind the rows.
    EXPECT_FALSE(card.rows()->autoFillBackground());
    EXPECT_FALSE(card.scrollArea()->viewport()->autoFillBackground());
    card.setSensors({sensor("CPU", 49.9), sensor("GPU", 50.0), sensor("GPU", 12.5, SensorType::voltage),
                     sensor("Fan", 1800, SensorType::fan)},
                    0);
    const auto& rows = card.rows()->rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].value, QStringLiteral("49.9 °C"));
    EXPECT_FALSE(rows[0].medium);
    EXPECT_TRUE(rows[1].medium);
    EXPECT_EQ(rows[1].color, ViewKit::VKNamedColor::red);
    // Two lines of one name stay two lines.
    EXPECT_EQ(rows[1].name, rows[2].name);
    EXPECT_NE(rows[1].id, rows[2].id);
    EXPECT_EQ(rows[2].value, QStringLiteral("12.50000 V"));
    EXPECT_TRUE(rows[3].medium); // any reading of 50 or more, whatever its kind

    // In Fahrenheit the weight still follows the Celsius reading.
    card.setSensors({sensor("CPU", 49.9), sensor("GPU", 50.0)}, 1);
    EXPECT_EQ(card.rows()->rows()[0].value, QStringLiteral("121.8 °F"));
    EXPECT_FALSE(card.rows()->rows()[0].medium);
    EXPECT_TRUE(card.rows()->rows()[1].medium);
}

TEST(SensorsCard, MediumValuesLookHeavierThanRegularOnes)
{
    // The installed family may have no medium face (DejaVu Sans has none and falls back to its
    // regular one): the medium values still stand out.
    SensorRowsView rows;
    auto ink = [](const QFont& font) {
        const QString text = QStringLiteral("50.0 °C");
        QImage image(QFontMetrics(font).size(0, text) + QSize(4, 4), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignCenter, text);
        painter.end();
        qint64 sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += qAlpha(image.pixel(x, y));
        return sum;
    };
    EXPECT_GT(double(ink(rows.valueFont(true))), 1.08 * double(ink(rows.valueFont(false))));
}

TEST(SensorsCard, ManySensorsScrollBelowTheTitle)
{
    LookFixture look;
    ThermionView card(look.settings);
    SensorModelList many;
    for (int i = 0; i < 60; ++i)
        many.push_back(sensor("Sensor", 20 + i));
    card.setSensors(many, 0);
    card.resize(320, 300);
    card.show();
    QApplication::processEvents();
    EXPECT_GT(card.scrollArea()->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(card.title()->isVisible());
    EXPECT_LT(card.title()->geometry().bottom(), card.scrollArea()->geometry().top());
    // The list paints without touching rows out of view; the first row's value is drawn in its colour.
    const QImage image = render(*card.rows());
    const QColor blue = VKTheme::color(ViewKit::VKNamedColor::blue, VKTheme::scheme(card.rows()));
    bool found = false;
    for (int x = image.width() - 60; x < image.width() && !found; ++x) {
        for (int y = 0; y < card.rows()->rowHeight() && !found; ++y)
            found = qAbs(QColor(image.pixel(x, y)).hue() - blue.hue()) < 10 && QColor(image.pixel(x, y)).alpha() > 200;
    }
    EXPECT_TRUE(found);
}

TEST(FansCard, SpeedsArePlainDigitsAndBarsStayInTheirRange)
{
    LookFixture look;
    FansView card(look.settings);
    EXPECT_EQ(card.title()->text(), QStringLiteral("Fans"));
    EXPECT_FALSE(card.rows()->autoFillBackground());
    card.setFans({std::make_shared<FanModel>("A", "At minimum", 1200, 1200, 6000),
                  std::make_shared<FanModel>("B", "Above maximum", 7000, 1200, 6000),
                  std::make_shared<FanModel>("C", "Below minimum", -5, 1200, 6000),
                  std::make_shared<FanModel>("D", "Stopped", 0, 0, 0)});
    const auto& rows = card.rows()->rows();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].speed, QStringLiteral("1200"));
    EXPECT_EQ(rows[0].progress, 0.0);
    EXPECT_EQ(rows[1].progress, 1.0);
    EXPECT_EQ(rows[2].speed, QStringLiteral("-5"));
    EXPECT_EQ(rows[2].progress, 0.0);
    EXPECT_EQ(rows[3].progress, 0.0);

    card.resize(340, card.sizeHint().height());
    card.show();
    QApplication::processEvents();
    // The full bar is the accent colour at its trailing end; the empty one is not.
    const QImage image = render(*card.rows());
    const QColor accent = VKTheme::color(ViewKit::VKNamedColor::accent, VKTheme::scheme(card.rows()),
                                         card.rows()->palette());
    const auto at = [&image](const QRectF& bar) {
        return QColor(image.pixel(int(bar.right()) - 3, int(bar.center().y())));
    };
    EXPECT_EQ(card.rows()->barRect(1).size(), QSizeF(64, 6));
    EXPECT_EQ(at(card.rows()->barRect(1)).rgb(), accent.rgb());
    EXPECT_NE(at(card.rows()->barRect(0)).rgb(), accent.rgb());
}

TEST(FansCard, ManyFansScrollInsideTheCard)
{
    LookFixture look;
    FansView card(look.settings);
    FanModelList fans;
    for (int i = 0; i < 20; ++i)
        fans.push_back(std::make_shared<FanModel>("F", "Fan", 1000 + i, 0, 5000));
    card.setFans(fans);
    card.resize(340, card.sizeHint().height());
    card.show();
    QApplication::processEvents();
    EXPECT_GT(card.scrollArea()->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(card.title()->isVisible());
}

namespace {

// The main window over label cards and the companion's two cards.
CardCatalog companionCards(KestrionApp& app)
{
    CardCatalog catalog;
    catalog.add(Card::processorUsage, [](QWidget* parent) { return new QWidget(parent); });
    CompanionCards::add(catalog, {.thermion = app.thermion(), .settings = &app.settings()});
    return catalog;
}

} // namespace

TEST(CompanionCards, AppearWhileTheCompanionRunsAndLeaveWhenItQuits)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                  + QStringLiteral("/com.brannock.kestrion.plist"));
    Platform::Defaults defaults(QStringLiteral("com.brannock.kestrion"));
    AppSettings settings(defaults);
    KestrionApp app(settings, loopbackStartup(), companionCards);
    app.showMainWindow();
    const auto column = [&app] { return app.contentView()->visibleCards(4); };
    EXPECT_TRUE(column().isEmpty());
    {
        FakeCompanion companion;
        ASSERT_TRUE(companion.owns);
        companion.sensors = FakeCompanion::sensorList({{"TC0P", "CPU Proximity", 48.5}});
        companion.fans = {{QStringLiteral("F0"), QStringLiteral("Left"), 2000, 1200, 6000, 0}};
        ASSERT_TRUE(QTest::qWaitFor([&] { return column().size() == 2; }, 20000));
        auto* fans = qobject_cast<FansView*>(column()[0]);
        auto* sensors = qobject_cast<ThermionView*>(column()[1]);
        ASSERT_TRUE(fans && sensors);
        EXPECT_EQ(fans->rows()->rows().at(0).name, QStringLiteral("Left"));
        EXPECT_EQ(sensors->rows()->rows().at(0).value, QStringLiteral("48.5 °C"));
        EXPECT_GE(sensors->width(), 304);

        // The unit setting shows at once.
        settings.setTemperatureUnit(TemperatureUnit::imperial);
        EXPECT_EQ(sensors->rows()->rows().at(0).value, QStringLiteral("119.3 °F"));

        // A companion with no fans shows only the sensors card.
        companion.fans.clear();
        ASSERT_TRUE(QTest::qWaitFor([&] { return column().size() == 1; }, 20000));
        EXPECT_TRUE(qobject_cast<ThermionView*>(column()[0]));
    }
    // The companion quit: its cards leave within a second or so.
    EXPECT_TRUE(QTest::qWaitFor([&] { return column().isEmpty(); }, 20000));
}

TEST(CompanionCards, TheMainWindowAnnouncesANewerCompanionOnly)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    QTemporaryDir share;
    ASSERT_TRUE(share.isValid());
    QDir().mkpath(share.filePath(QStringLiteral("applications")));
    QDir().mkpath(share.filePath(QStringLiteral("metainfo")));
    {
        QFile entry(share.filePath(QStringLiteral("applications/com.brannock.thermion.desktop")));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Thermion\nExec=/nonexistent/thermion\n");
        QFile info(share.filePath(QStringLiteral("metainfo/com.brannock.thermion.metainfo.xml")));
        ASSERT_TRUE(info.open(QIODevice::WriteOnly));
        info.write("<component><releases><release version=\"1.9.3\"/></releases></component>");
    }
    LoopbackServer server;
    StartupEnvironment environment = loopbackStartup();
    environment.companion.dataDirectories = {share.path()};
    environment.companion.fixedEntryPath = share.filePath(QStringLiteral("none"));
    environment.companion.versionDocumentUrl = server.url(QStringLiteral("/files/thermion.json"));

    Platform::Defaults defaults(QStringLiteral("update-") + QUuid::createUuid().toString(QUuid::Id128));
    AppSettings settings(defaults);
    // Whether the sheet shows within `ms` of the server's having been asked: a sheet that must show is
    // waited for up to 20 s, far beyond what a loaded machine takes; one that must not is given 300 ms.
    const auto sheetAfterShowing = [&](const QByteArray& body, int ms) {
        server.reply.body = body;
        const std::size_t asked = server.requests.size();
        KestrionApp app(settings, environment, companionCards);
        app.showMainWindow();
        if (!QTest::qWaitFor([&] { return server.requests.size() > asked; }, 20000))
            return false;
        return QTest::qWaitFor([&] { return app.mainWindow()->findChild<SensorUpdateView*>() != nullptr; }, ms);
    };
    EXPECT_TRUE(sheetAfterShowing(R"({"version": "1.10.0"})", 20000));
    EXPECT_FALSE(sheetAfterShowing(R"({"version": "1.9.3"})", 300));
    EXPECT_FALSE(sheetAfterShowing("not json", 300));
    // Installed without a known version: nothing to compare, no sheet.
    ASSERT_TRUE(QFile::remove(share.filePath(QStringLiteral("metainfo/com.brannock.thermion.metainfo.xml"))));
    EXPECT_FALSE(sheetAfterShowing(R"({"version": "9.0"})", 300));
}

TEST(CompanionCards, TheMainWindowStartsTheCompanionOnlyWhenAsked)
{
    QTemporaryDir share;
    ASSERT_TRUE(share.isValid());
    const QString marker = share.filePath(QStringLiteral("started"));
    const QString program = share.filePath(QStringLiteral("fake-thermion"));
    {
        QFile script(program);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho started >> \"" + marker.toUtf8() + "\"\n");
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QDir().mkpath(share.filePath(QStringLiteral("applications")));
        QFile entry(share.filePath(QStringLiteral("applications/com.brannock.thermion.desktop")));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write("[Desktop Entry]\nType=Application\nName=Thermion\nExec=" + program.toUtf8() + "\n");
    }
    StartupEnvironment environment = loopbackStartup();
    environment.companion.dataDirectories = {share.path()};
    environment.companion.fixedEntryPath = share.filePath(QStringLiteral("none"));
    environment.companion.versionDocumentUrl = QStringLiteral("http://127.0.0.1:1/files/thermion.json");

    Platform::Defaults defaults(QStringLiteral("start-") + QUuid::createUuid().toString(QUuid::Id128));
    AppSettings settings(defaults);
    {
        KestrionApp app(settings, environment, companionCards);
        app.showMainWindow();
        QTest::qWait(300);
        EXPECT_FALSE(QFile::exists(marker));
    }
    settings.setBool(SettingKey::autoStartHelper, true);
    {
        KestrionApp app(settings, environment, companionCards);
        app.showMainWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 20000));
    }
}
