#pragma once

#include <QString>
#include <QWidget>

#include <optional>

namespace ViewKit {

// A compact row: a 12 x 12 symbol and a text at size 10 (in a frame `width` points wide, centred,
// when given, where it wraps and the row grows to hold its lines), at the leading edge of the width
// offered.
class VKSingleIconTextView : public QWidget
{
    Q_OBJECT

public:
    VKSingleIconTextView(const QString& icon, const QString& text, std::optional<qreal> width,
                         QWidget* parent = nullptr);

    QString icon() const { return m_icon; }
    QString text() const { return m_text; }
    std::optional<qreal> textWidth() const { return m_width; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QString m_icon;
    const QString m_text;
    const std::optional<qreal> m_width;
};

} // namespace ViewKit
