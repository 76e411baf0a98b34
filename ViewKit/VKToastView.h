#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace ViewKit {

enum class VKToastSeverity { info, warning, success, error };

// A coloured banner 56 points high: the severity's symbol (20 by 20) and one line of text, shown as
// it stands (never looked up), at the leading edge.
class VKToastView : public QWidget
{
    Q_OBJECT

public:
    VKToastView(VKToastSeverity severity, const QString& text, QWidget* parent = nullptr);

    VKToastSeverity severity() const { return m_severity; }
    void setSeverity(VKToastSeverity severity);
    const QString& text() const { return m_text; }
    void setText(const QString& text);

    static constexpr qreal bannerHeight = 56;
    static QString symbolName(VKToastSeverity severity);
    // The fill in a scheme, and the colour of the symbol and the text (black on the warning's yellow).
    static QColor fillColor(VKToastSeverity severity, bool dark);
    static QColor foregroundColor(VKToastSeverity severity);

    // Where the banner, the symbol and the text stand in the current size.
    QRectF bannerRect() const;
    QRectF symbolRect() const;
    QRectF textRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    VKToastSeverity m_severity;
    QString m_text;
};

} // namespace ViewKit
