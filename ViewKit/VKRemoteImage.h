#pragma once

#include <QImage>
#include <QUrl>
#include <QWidget>

class QNetworkAccessManager;
class QNetworkReply;

namespace ViewKit {

class VKActionView;

// A picture fetched from an address in the background. Until one has arrived (and for good when the
// address is empty, the fetch fails or the data is no picture) the slot shows a yellow activity
// indicator, 16 by 16 points, centred; once it has, the picture is drawn as large as fits, with its
// aspect ratio kept, centred. The window never waits for the fetch.
class VKRemoteImage : public QWidget
{
    Q_OBJECT

public:
    enum class Phase { empty, loading, success, failure };
    Q_ENUM(Phase)

    explicit VKRemoteImage(const QUrl& url, QWidget* parent = nullptr);
    ~VKRemoteImage() override;

    const QUrl& url() const { return m_url; }
    Phase phase() const { return m_phase; }
    const QImage& image() const { return m_image; }
    VKActionView* indicator() const { return m_indicator; }
    // Where the picture is drawn in the current size; empty without a picture.
    QRectF imageRect() const;

    QSize sizeHint() const override { return maximumSize().boundedTo(QSize(128, 128)); }

    // A larger answer is not read.
    static constexpr qint64 maximumBytes = 8 * 1024 * 1024;
    static constexpr int timeoutMilliseconds = 10000;

signals:
    void phaseChanged(VKRemoteImage::Phase phase);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void finish(QNetworkReply* reply);
    void setPhase(Phase phase);
    void placeIndicator();

    QUrl m_url;
    Phase m_phase = Phase::empty;
    QImage m_image;
    QNetworkAccessManager* m_network = nullptr;
    VKActionView* m_indicator = nullptr;
};

} // namespace ViewKit
