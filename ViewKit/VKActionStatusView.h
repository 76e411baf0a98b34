#pragma once

#include <QWidget>

namespace ViewKit {

class VKActionView;

enum class VKActionStatus { idle, active, success, fail };

// One glyph for the state of an action: a dimmed check (idle, 24 points), the running indicator in
// yellow (active, 32 points), a green check (success) or a red cross (fail), centred.
class VKActionStatusView : public QWidget
{
    Q_OBJECT

public:
    explicit VKActionStatusView(VKActionStatus status, QWidget* parent = nullptr);

    VKActionStatus status() const { return m_status; }
    void setStatus(VKActionStatus status);

    // The glyph's frame in the current size, and its symbol ("" while active).
    QRectF glyphRect() const;
    static QString symbolName(VKActionStatus status);
    VKActionView* activityView() const { return m_activity; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    static qreal side(VKActionStatus status);

    VKActionStatus m_status;
    VKActionView* m_activity;
};

} // namespace ViewKit
