#include "LoopbackStartup.h"
#include "CardTestSupport.h"

#include "Kestrion/App/ContentView.h"
#include "Kestrion/App/KestrionApp.h"
#include "Kestrion/Cards/CardCanvas.h"
#include "Kestrion/Cards/LegendButton.h"
#include "Kestrion/Cards/NetworkUsageView.h"
#include "Kestrion/Cards/NetworkView.h"
#include "Kestrion/Models/NetworkModel.h"
#include "Kestrion/Settings/AppSettings.h"

#include "BaseKit/Bundle.h"
#include "BaseKit/IO.h"
#include "Support/LoopbackServer.h"
#include "BaseKit/TextUtilities.h"
#include "SystemKit/Network/Ip.h"
#include "SystemKit/Network/WifiAdapter.h"
#include "SystemKit/FakeTool.h"
#include "SystemKit/LookupServices.h"
#include "SystemKit/NetworkFixture.h"
#include "ViewKit/VKDoubleTextView.h"
#include "ViewKit/VKNoNetworkAdapterView.h"
#include "ViewKit/VKTheme.h"

#include <QApplication>
#include <QDBusConnection>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <optional>

using namespace Kestrion;
using SystemKit::NetworkController;

namespace {

// A network model over a machine the test writes, with the card settings of a suite of its own.
struct NetworkCardFixture {
    NetworkCardFixture()
    {
        machine.netdev(QStringLiteral("eth0"), QStringLiteral("Ethernet"));
        machine.netdev(QStringLiteral("wlan0"), QStringLiteral("IEEE80211"));
        machine.link(QStringLiteral("eth0"), 0, 0);
        machine.link(QStringLiteral("wlan0"), 0, 0);
        machine.address(QStringLiteral("eth0"), Platform::NetworkInterfaces::inet4Family, QStringLiteral("192.0.2.2"));
    }
    // The public address is asked of `addressServices`, by default of a closed port.
    void start(const std::optional<QString>& primary,
               SystemKit::Ip::Hosts addressServices = loopbackStartup().addressServices)
    {
        machine.primary(primary);
        model = std::make_unique<NetworkModel>(new NetworkController(30, false, machine.environment()),
                                               std::move(addressServices));
    }
    void sample(std::uint32_t sent, std::uint32_t received, const QString& name = QStringLiteral("eth0"))
    {
        machine.clock->advance(std::chrono::seconds(1));
        machine.link(name, sent, received);
        model->controller()->updateAdapters();
        QApplication::processEvents();
    }

    NetworkMachine machine;
    LookFixture look;
    Kestrion::AppSettings settings{look.defaults};
    std::unique_ptr<NetworkModel> model;
};

// Cards refresh only while shown.
template <typename Card>
Card& shown(Card& card)
{
    card.setAttribute(Qt::WA_DontShowOnScreen);
    card.show();
    QApplication::processEvents();
    return card;
}

QStringList visibleRights(const NetworkView& card)
{
    QStringList result;
    for (const auto* row : card.rows())
        if (!row->isHidden())
            result.append(row->rightText());
    return result;
}

} // namespace

TEST(NetworkModel, StartsTheSamplerAndKnowsNoAddressUntilTheLookupAnswers)
{
    NetworkCardFixture f;
    f.start(QStringLiteral("eth0"));
    // Two samples: the adapter of the primary interface is already current.
    ASSERT_NE(f.model->controller()->adapter(), nullptr);
    ASSERT_NE(f.model->controller()->timer(), nullptr);
    EXPECT_TRUE(f.model->controller()->timer()->isActive());
    EXPECT_EQ(f.model->externalIp(), std::nullopt);
    EXPECT_EQ(f.model->countryCode(), std::nullopt);
    // The lookup goes to a closed port and fails: both stay none.
    QSignalSpy failed(f.model.get(), &NetworkModel::countryCodeChanged);
    EXPECT_TRUE(failed.wait(5000));
    EXPECT_EQ(f.model->externalIp(), std::nullopt);
}

TEST(NetworkModel, LookupFillsAddressAndCountry)
{
    LookupServices services;
    LoopbackServer& echo = services.echo;
    echo.reply.body = "203.0.113.9\n";
    services.geo.reply = LookupServices::located("CH");
    NetworkCardFixture f;
    f.start(QStringLiteral("eth0"), services.hosts);
    QSignalSpy done(f.model.get(), &NetworkModel::countryCodeChanged);
    EXPECT_TRUE(done.wait(5000));
    EXPECT_EQ(f.model->externalIp(), QStringLiteral("203.0.113.9"));
    EXPECT_EQ(f.model->countryCode(), QStringLiteral("CH"));
    EXPECT_EQ(echo.requests.size(), 1u);
    EXPECT_EQ(echo.requests[0].header("User-Agent"),
              (BaseKit::Bundle::name() + QLatin1Char('/') + BaseKit::Bundle::version()).toUtf8());

    // A change of the VPN state starts one more lookup, whatever the state.
    services.geo.reply = LookupServices::located("AT");
    emit f.model->controller()->vpnStateDidChange(false);
    EXPECT_TRUE(done.wait(5000));
    EXPECT_EQ(echo.requests.size(), 2u);
    EXPECT_EQ(f.model->countryCode(), QStringLiteral("AT"));
}

TEST(NetworkModel, AnAnswerThatComesInAfterThatOfALaterLookupIsDropped)
{
    // The geolocation service holds every request until the test answers it, so the lookups of the
    // model's start and of two later calls are answered in an order the test picks.
    LookupServices services;
    LoopbackServer& echo = services.echo;
    LoopbackServer& geo = services.geo;
    geo.holds = true;
    const auto located = &LookupServices::located;
    NetworkCardFixture f;
    echo.reply.body = "198.51.100.7\n";
    f.start(QStringLiteral("eth0"), services.hosts);
    ASSERT_TRUE(waitUntil([&] { return geo.requests.size() == 1; }, 5000));
    echo.reply.body = "203.0.113.9\n";
    f.model->fetchExternalIp();
    ASSERT_TRUE(waitUntil([&] { return geo.requests.size() == 2; }, 5000));
    EXPECT_EQ(geo.requests[0].target, QByteArray("/api/lookup/198.51.100.7"));
    EXPECT_EQ(geo.requests[1].target, QByteArray("/api/lookup/203.0.113.9"));

    // The newest lookup's echo answer is an error page: it is the first to finish, with none.
    QSignalSpy written(f.model.get(), &NetworkModel::externalIpChanged);
    echo.reply.status = "503 Service Unavailable";
    f.model->fetchExternalIp();
    ASSERT_TRUE(written.wait(5000));
    EXPECT_EQ(f.model->externalIp(), std::nullopt);
    written.clear();

    // The two older answers come in after the newest one and change nothing.
    ASSERT_TRUE(geo.release(1, located("NL")));
    ASSERT_TRUE(geo.release(0, located("DE")));
    spin(500);
    EXPECT_EQ(written.count(), 0);
    EXPECT_EQ(f.model->externalIp(), std::nullopt);
    EXPECT_EQ(f.model->countryCode(), std::nullopt);

    // Out of order among themselves: the later lookup's answer stays when the earlier one's follows.
    echo.reply.status = "200 OK";
    f.model->fetchExternalIp();
    ASSERT_TRUE(waitUntil([&] { return geo.requests.size() == 3; }, 5000));
    echo.reply.body = "192.0.2.44\n";
    f.model->fetchExternalIp();
    ASSERT_TRUE(waitUntil([&] { return geo.requests.size() == 4; }, 5000));
    ASSERT_TRUE(geo.release(3, located("CH")));
    ASSERT_TRUE(waitUntil([&] { return f.model->countryCode() == QStringLiteral("CH"); }, 5000));
    EXPECT_EQ(f.model->externalIp(), QStringLiteral("192.0.2.44"));
    ASSERT_TRUE(geo.release(2, located("NL")));
    spin(500);
    EXPECT_EQ(f.model->externalIp(), QStringLiteral("192.0.2.44"));
    EXPECT_EQ(f.model->countryCode(), QStringLiteral("CH"));
}

TEST(NetworkCards, NoPrimaryAdapterShowsOnlyThePlaceholder)
{
    NetworkCardFixture f;
    f.start(std::nullopt);
    NetworkUsageView usage(*f.model, f.settings, f.look.settings);
    NetworkView details(*f.model, [] { return QStringLiteral("studio"); }, f.look.settings);
    shown(usage);
    shown(details);
    EXPECT_TRUE(usage.showsPlaceholder());
    EXPECT_TRUE(details.showsPlaceholder());
    EXPECT_EQ(usage.placeholder()->symbolSize(), 48);
    EXPECT_FALSE(usage.placeholder()->embedInTile());
    // The details card's placeholder takes the whole card, without padding; the usage card's is padded.
    const int padding = int(ViewKit::VKTheme::defaultPadding);
    details.resize(260, 200);
    usage.resize(260, 200);
    QApplication::processEvents();
    EXPECT_EQ(details.placeholder()->geometry(), details.rect());
    EXPECT_EQ(usage.placeholder()->geometry(), usage.rect().marginsRemoved(QMargins(padding, padding, padding, padding)));

    // The default route comes: the next samples switch both cards to their contents.
    f.machine.primary(QStringLiteral("eth0"));
    f.sample(0, 0);
    f.sample(0, 0);
    EXPECT_FALSE(usage.showsPlaceholder());
    EXPECT_FALSE(details.showsPlaceholder());
    // The details stand within the default padding again.
    QApplication::processEvents();
    EXPECT_EQ(details.rows().front()->mapTo(&details, QPoint(0, 0)).x(), padding);
}

TEST(NetworkCards, DetailsOfAnEthernetAdapter)
{
    NetworkCardFixture f;
    f.start(QStringLiteral("eth0"));
    QSignalSpy lookup(f.model.get(), &NetworkModel::countryCodeChanged);
    NetworkView card(*f.model, [] { return QStringLiteral("studio"); }, f.look.settings);
    shown(card);
    EXPECT_EQ(NetworkView::kindSymbol(*f.model->controller()->adapter()), QStringLiteral("rectangle.connected.to.line.below"));
    EXPECT_EQ(visibleRights(card), (QStringList{QStringLiteral("studio"), QStringLiteral("192.0.2.2"),
                                                QStringLiteral("-"), QStringLiteral("-")}));
    // The start-up lookup (to a closed port) ends first.
    if (lookup.isEmpty()) {
        ASSERT_TRUE(lookup.wait(5000));
    }
    f.model->setExternalIp(QStringLiteral("203.0.113.9"));
    f.model->setCountryCode(QStringLiteral("DE"));
    QApplication::processEvents();
    EXPECT_EQ(visibleRights(card)[2], QStringLiteral("203.0.113.9"));
    EXPECT_EQ(visibleRights(card)[3], BaseKit::TextUtilities::flagEmoji(QStringLiteral("DE")));
    EXPECT_EQ(visibleRights(card)[3], QString::fromUcs4(U"\U0001F1E9\U0001F1EA"));
}

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

TEST(NetworkCards, DetailsPaintAgainOnlyWhatChanged)
{
    NetworkCardFixture f;
    f.start(QStringLiteral("eth0"));
    NetworkView card(*f.model, [] { return QStringLiteral("studio"); }, f.look.settings);
    card.resize(300, 200);
    card.show(); // painted, on the offscreen screen
    QApplication::processEvents();
    PaintCounter header;
    PaintCounter rows;
    card.header()->installEventFilter(&header);
    for (auto* row : card.rows())
        row->installEventFilter(&rows);
    // Seconds that change nothing the card shows paint nothing of it.
    f.sample(0, 0);
    f.sample(1000, 2000);
    QApplication::processEvents();
    EXPECT_EQ(header.count, 0);
    EXPECT_EQ(rows.count, 0);
    // A new address paints its row; the title stays.
    for (auto& entry : f.machine.list->entries)
        if (entry.address == QStringLiteral("192.0.2.2"))
            entry.address = QStringLiteral("192.0.2.7");
    f.sample(2000, 4000);
    QApplication::processEvents();
    EXPECT_EQ(visibleRights(card)[1], QStringLiteral("192.0.2.7"));
    EXPECT_GE(rows.count, 1);
    EXPECT_EQ(header.count, 0);
    // Another primary adapter paints the title again.
    f.machine.primary(QStringLiteral("wlan0"));
    f.sample(0, 0, QStringLiteral("wlan0"));
    QApplication::processEvents();
    ASSERT_EQ(f.model->controller()->adapter()->name(), QStringLiteral("wlan0"));
    EXPECT_GE(header.count, 1);
}

TEST(NetworkCards, WifiRowsAppearWithTheFirstLiveValues)
{
    NetworkCardFixture f;
    f.start(QStringLiteral("wlan0"));
    NetworkView card(*f.model, [] { return QStringLiteral("studio"); }, f.look.settings);
    shown(card);
    EXPECT_EQ(NetworkView::kindSymbol(*f.model->controller()->adapter()), QStringLiteral("wifi"));
    EXPECT_EQ(visibleRights(card).size(), 4);
    EXPECT_EQ(visibleRights(card)[1], SystemKit::Addresses{}.displayAddress()); // no address at all

    Platform::WlanInterface values;
    values.name = QStringLiteral("wlan0");
    values.transmitRate = 866.7;
    values.rssi = -54;
    values.noise = -92;
    f.machine.wlan->list = std::vector<Platform::WlanInterface>{values};
    f.sample(0, 0, QStringLiteral("wlan0"));
    const QStringList rights = visibleRights(card);
    ASSERT_EQ(rights.size(), 7);
    EXPECT_EQ(rights[4], QStringLiteral("866 MBit/s"));
    EXPECT_EQ(rights[5], QStringLiteral("-54 dBm"));
    EXPECT_EQ(rights[6], QStringLiteral("-92 dBm"));

    // A driver that measures no noise and reports no transmit rate: "-", not "0 dBm" and "0 MBit/s".
    values.transmitRate = 0;
    values.noise = 0;
    f.machine.wlan->list = std::vector<Platform::WlanInterface>{values};
    f.sample(0, 0, QStringLiteral("wlan0"));
    const QStringList unreported = visibleRights(card);
    ASSERT_EQ(unreported.size(), 7);
    EXPECT_EQ(unreported[4], QStringLiteral("-"));
    EXPECT_EQ(unreported[5], QStringLiteral("-54 dBm"));
    EXPECT_EQ(unreported[6], QStringLiteral("-"));
}

TEST(NetworkCards, PlaceholdersForOddValues)
{
    EXPECT_EQ(NetworkView::transmitRateText(std::nan("")), QStringLiteral("-"));
    EXPECT_EQ(NetworkView::transmitRateText(std::numeric_limits<double>::infinity()), QStringLiteral("-"));
    EXPECT_EQ(NetworkView::transmitRateText(1e300), QStringLiteral("-"));
    EXPECT_EQ(NetworkView::transmitRateText(0.9), QStringLiteral("0 MBit/s"));
    EXPECT_EQ(NetworkView::countryText(std::nullopt), QStringLiteral("-"));
    EXPECT_EQ(NetworkView::countryText(QStringLiteral("DEU")), QStringLiteral("-"));
    EXPECT_EQ(NetworkView::countryText(QStringLiteral("1A")), QStringLiteral("-"));
    EXPECT_EQ(NetworkView::countryText(QString()), QStringLiteral("-"));
}

TEST(NetworkCards, UsageRowsChartsAndLegendSwitch)
{
    NetworkCardFixture f;
    f.start(QStringLiteral("eth0"));
    NetworkUsageView card(*f.model, f.settings, f.look.settings);
    shown(card);
    EXPECT_EQ(card.downloadRow()->rightText(), BaseKit::IO::rateText(0, false));
    f.sample(2048, 10 * 1024 * 1024);
    EXPECT_EQ(card.downloadRow()->rightText(), BaseKit::IO::rateText(10 * 1024 * 1024, false));
    EXPECT_EQ(card.uploadRow()->rightText(), BaseKit::IO::rateText(2048, false));

    // The legend button writes "ShowLegends" back to the suite.
    EXPECT_FALSE(f.settings.boolValue(SettingKey::showLegends));
    EXPECT_FALSE(card.legendButton()->isOn());
    card.legendButton()->click();
    EXPECT_TRUE(f.settings.boolValue(SettingKey::showLegends));
    EXPECT_TRUE(AppSettings(f.look.defaults).boolValue(SettingKey::showLegends));
    card.legendButton()->click();
    EXPECT_FALSE(f.settings.boolValue(SettingKey::showLegends));

    // The download chart draws its series in its colour.
    card.resize(320, card.sizeHint().height());
    QApplication::processEvents();
    QImage image(card.downloadChart()->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    card.downloadChart()->render(&image);
    bool found = false;
    for (int y = 0; y < image.height() && !found; ++y)
        for (int x = 0; x < image.width() && !found; ++x)
            found = sameRgb(image.pixelColor(x, y), NetworkUsageView::downloadColor, 8) && image.pixelColor(x, y).alpha() == 255;
    EXPECT_TRUE(found);
}

namespace {

// The rate a compact rate label names ("500 B/s", "2 KB/s", "1.25 GB/s"), read back from its text.
std::optional<double> rateOfLabel(const QString& label)
{
    const QStringList parts = label.split(QLatin1Char(' '));
    if (parts.size() != 2)
        return std::nullopt;
    bool ok = false;
    const double number = QString(parts[0]).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    const std::map<QString, double> units{{QStringLiteral("B/s"), 1.0}, {QStringLiteral("KB/s"), 1024.0},
                                          {QStringLiteral("MB/s"), 1048576.0}, {QStringLiteral("GB/s"), 1073741824.0}};
    const auto unit = units.find(parts[1]);
    if (!ok || unit == units.end())
        return std::nullopt;
    return number * unit->second;
}

} // namespace

TEST(NetworkCards, GridLinesStandOnTheRatesTheirLabelsName)
{
    EXPECT_EQ(NetworkUsageView::gridLabel(0.5), QString());      // no whole number: no label
    EXPECT_EQ(NetworkUsageView::gridLabel(-1), QString());
    EXPECT_EQ(NetworkUsageView::gridLabel(std::nan("")), QString());

    // From a quiet link (a history of zeros: never an empty range) to the largest 64-bit rate, the
    // busy ones read off running links: 1.4 KB/s down and a steady 3.34 MB/s up.
    constexpr std::uint64_t KiB = 1024, MiB = KiB * KiB, GiB = MiB * KiB;
    for (std::uint64_t largest : {std::uint64_t(0), std::uint64_t(1), std::uint64_t(700), std::uint64_t(1000),
                                  std::uint64_t(1400), std::uint64_t(3000), 1023 * KiB, std::uint64_t(3502243),
                                  3 * MiB, 1000 * MiB, 1023 * MiB + 1, 3 * GiB / 2, 40 * GiB,
                                  std::uint64_t(1) << 63, std::numeric_limits<std::uint64_t>::max()}) {
        SCOPED_TRACE(largest);
        QList<SystemKit::NetworkHistoryItem> history(30);
        history[28].value = largest / 2;
        history[29].value = largest;
        const NetworkUsageView::Grid grid = NetworkUsageView::grid(history);
        ASSERT_GE(grid.values.size(), 2u);
        EXPECT_LE(grid.values.size(), 5u);     // a handful of lines on a 64-point chart
        EXPECT_EQ(grid.values.front(), 0.0);
        EXPECT_EQ(grid.domain.lower, 0.0);
        EXPECT_EQ(grid.domain.upper, grid.values.back());
        EXPECT_GT(grid.domain.upper, double(largest));   // every value under the top line
        QStringList labels;
        for (double value : grid.values) {
            const QString label = NetworkUsageView::gridLabel(value);
            if (value >= 18446744073709551616.0) {   // past the 64-bit rates: a line without a label
                EXPECT_TRUE(label.isEmpty());
                continue;
            }
            EXPECT_EQ(label, BaseKit::IO::compactRateText(std::uint64_t(value), false));
            // The label names the very rate of its line: a curve at that rate runs on it.
            EXPECT_EQ(rateOfLabel(label), value) << label.toStdString();
            EXPECT_FALSE(labels.contains(label)) << label.toStdString();
            labels.append(label);
        }
    }
}

TEST(NetworkCards, MainWindowPlacesBothCardsOverTheApplicationsModel)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    LookFixture look;
    AppSettings settings(look.defaults);
    KestrionApp app(settings, loopbackStartup());
    ASSERT_NE(app.network(), nullptr);
    ASSERT_NE(app.network()->controller()->timer(), nullptr);
    EXPECT_TRUE(app.network()->controller()->timer()->isActive());
    // The details card heads the third column, the usage card the fourth.
    ASSERT_FALSE(app.contentView()->visibleCards(2).isEmpty());
    ASSERT_FALSE(app.contentView()->visibleCards(3).isEmpty());
    EXPECT_TRUE(qobject_cast<NetworkView*>(app.contentView()->visibleCards(2).front()));
    EXPECT_TRUE(qobject_cast<NetworkUsageView*>(app.contentView()->visibleCards(3).front()));

    settings.setBool(SettingKey::disableNetworkUsage, true);
    QApplication::processEvents();
    for (QWidget* card : app.contentView()->visibleCards(3))
        EXPECT_FALSE(qobject_cast<NetworkUsageView*>(card));
    EXPECT_TRUE(qobject_cast<NetworkView*>(app.contentView()->visibleCards(2).front()));
}
