#pragma once

#include <QString>
#include <QWidget>

namespace Kestrion {

// The title line of a card: the text in the bold body font at the leading edge, taking the whole
// width. A text too long for one line wraps onto the next ones (between words, or inside a word
// longer than the width) and the title grows to hold every line.
class CardTitle : public QWidget
{
    Q_OBJECT

public:
    explicit CardTitle(QString text, QWidget* parent = nullptr);

    const QString& text() const { return m_text; }
    void setText(const QString& text);

    // The height of the text wrapped within `width`: one line at least. The title asks for the height
    // of the width it was last given.
    int heightForWidth(int width) const override;

    // The height of its own text at its width, and the height of the row of titles it stands in
    // (CardTitleRow): the title takes the larger of the two.
    int naturalHeight() const { return m_height; }
    void setRowHeight(int height);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void naturalHeightChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Takes the height of the current width; the layout above is told when it changes.
    void fitHeight();

    QString m_text;
    int m_height = 0;
    int m_rowHeight = 0;
};

} // namespace Kestrion
