#include "ViewKit/VKRemoteImage.h"

#include "ViewKit/VKActionView.h"
#include "ViewKit/VKTheme.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>

namespace ViewKit {

namespace {

constexpr int indicatorSide = 16;

} // namespace

VKRemoteImage::VKRemoteImage(const QUrl& url, QWidget* parent)
    : QWidget(parent)
    , m_url(url)
{
    m_indicator = new VKActionView(VKTheme::color(VKNamedColor::yellow, VKTheme::scheme(this)), Qt::FlatCap, this);
    m_indicator->resize(indicatorSide, indicatorSide);
    placeIndicator();
    if (!m_url.isValid() || m_url.isEmpty() || m_url.isRelative())
        return;

    m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(m_url);
    request.setTransferTimeout(timeoutMilliseconds);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::downloadProgress, this, [reply](qint64 received, qint64 total) {
        if (received > maximumBytes || total > maximumBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
    setPhase(Phase::loading);
}

VKRemoteImage::~VKRemoteImage() = default;

void VKRemoteImage::finish(QNetworkReply* reply)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QImage image;
    if (reply->error() == QNetworkReply::NoError && (status == 0 || (status >= 200 && status < 300))) {
        const QByteArray data = reply->read(maximumBytes + 1);
        if (data.size() <= maximumBytes)
            image.loadFromData(data);
    }
    if (image.isNull()) {
        setPhase(Phase::failure);
        return;
    }
    m_image = image;
    m_indicator->hide();
    setPhase(Phase::success);
    update();
}

void VKRemoteImage::setPhase(Phase phase)
{
    m_phase = phase;
    emit phaseChanged(phase);
}

void VKRemoteImage::placeIndicator()
{
    m_indicator->move((width() - indicatorSide) / 2, (height() - indicatorSide) / 2);
}

void VKRemoteImage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeIndicator();
}

QRectF VKRemoteImage::imageRect() const
{
    if (m_image.isNull())
        return QRectF();
    const QSizeF scaled = QSizeF(m_image.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return QRectF((width() - scaled.width()) / 2, (height() - scaled.height()) / 2, scaled.width(), scaled.height());
}

void VKRemoteImage::paintEvent(QPaintEvent*)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(imageRect(), m_image);
}

} // namespace ViewKit
