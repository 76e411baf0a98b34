#include "Support/LoopbackServer.h"
#include "WidgetCanvas.h"

#include "ViewKit/VKActionView.h"
#include "ViewKit/VKRemoteImage.h"

#include <QBuffer>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace ViewKit;

namespace {

QByteArray png(QSize size, QColor color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Waits for the fetch to end (or gives up after a while: the test then fails on the phase).
void waitForEnd(VKRemoteImage& image)
{
    QSignalSpy spy(&image, &VKRemoteImage::phaseChanged);
    if (image.phase() == VKRemoteImage::Phase::loading)
        spy.wait(5000);
}

} // namespace

TEST(RemoteImage, ArrivedPictureFitsTheSlotKeepingItsShape)
{
    LoopbackServer server;
    ASSERT_TRUE(server.isListening());
    server.routes["/icon.png"] = {"200 OK", "image/png", png(QSize(64, 32), QColor(200, 0, 0)), true};
    VKRemoteImage image(QUrl(server.url(QStringLiteral("/icon.png"))));
    image.resize(128, 128);
    image.show();
    // The window is not held up: the fetch runs while the indicator turns.
    EXPECT_EQ(image.phase(), VKRemoteImage::Phase::loading);
    EXPECT_TRUE(image.indicator()->isVisible());
    EXPECT_EQ(image.indicator()->geometry(), QRect(56, 56, 16, 16));
    waitForEnd(image);
    ASSERT_EQ(image.phase(), VKRemoteImage::Phase::success);
    EXPECT_FALSE(image.indicator()->isVisible());
    EXPECT_EQ(image.imageRect(), QRectF(0, 32, 128, 64));
    const QImage canvas = renderWidget(image);
    EXPECT_TRUE(isOpaque(pixelAt(canvas, QPointF(64, 64)), QColor(200, 0, 0)));
    EXPECT_EQ(pixelAt(canvas, QPointF(64, 10)).alpha(), 0);
    EXPECT_EQ(server.hits.value("/icon.png"), 1);
}

TEST(RemoteImage, FailuresKeepTheIndicator)
{
    LoopbackServer server;
    server.routes["/garbage.png"] = {"200 OK", "image/png", "this is no picture", true};
    server.routes["/gone.png"] = {"404 Not Found", "image/png", png(QSize(8, 8), Qt::red), true};
    for (const QString& path : {QStringLiteral("/garbage.png"), QStringLiteral("/gone.png")}) {
        SCOPED_TRACE(path.toStdString());
        VKRemoteImage image(QUrl(server.url(path)));
        image.resize(128, 128);
        image.show();
        waitForEnd(image);
        EXPECT_EQ(image.phase(), VKRemoteImage::Phase::failure);
        EXPECT_TRUE(image.image().isNull());
        EXPECT_TRUE(image.indicator()->isVisible());
    }

    // No address: nothing is fetched and the indicator stays.
    VKRemoteImage none{QUrl()};
    none.resize(128, 128);
    none.show();
    EXPECT_EQ(none.phase(), VKRemoteImage::Phase::empty);
    EXPECT_TRUE(none.indicator()->isVisible());
}

TEST(RemoteImage, ASilentServerLeavesItLoadingAndClosingCancels)
{
    LoopbackServer server;
    server.routes["/slow.png"] = {"200 OK", "image/png", {}, false};
    auto image = std::make_unique<VKRemoteImage>(QUrl(server.url(QStringLiteral("/slow.png"))));
    image->resize(128, 128);
    image->show();
    QSignalSpy spy(image.get(), &VKRemoteImage::phaseChanged);
    spy.wait(300);
    EXPECT_EQ(image->phase(), VKRemoteImage::Phase::loading);
    EXPECT_TRUE(image->indicator()->isVisible());
    image.reset();  // the pending fetch goes with the view
    QCoreApplication::processEvents();
}
