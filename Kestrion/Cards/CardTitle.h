#pragma once

#include <QString>
#include <QWidget>

namespace Kestrion {

// The title line of a card: the text in the bold body font at the leading edge, taking the whole
// width; a text too long for it is cut with an ellipsis.
class CardTitle : public QWidget
{
    Q_OBJECT

public:
    explicit CardTitle(QString text, QWidget* parent = nullptr);

    const QString& text() const { return m_text; }
    void setText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

} // namespace Kestrion
