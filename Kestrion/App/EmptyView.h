#pragma once

#include <QWidget>

class QLabel;

namespace Kestrion {

// What the main window shows when every module is switched off: the application icon and two texts,
// centred in a column. Where the height is short, the icon gives way first: it shrinks down to a small
// size and never covers the texts.
class EmptyView : public QWidget
{
    Q_OBJECT

public:
    explicit EmptyView(QWidget* parent = nullptr);

    QLabel* titleLabel() const { return m_title; }
    QLabel* infoLabel() const { return m_info; }
    QLabel* iconLabel() const { return m_icon; }

    static constexpr int iconSide = 192;
    static constexpr int smallestIconSide = 48;
    static constexpr int spacing = 8;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyColors();
    // The height of the two texts with the gaps around them, for the column's width.
    int textsHeight() const;
    int columnWidth() const;
    void place();

    QLabel* m_icon = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_info = nullptr;
};

} // namespace Kestrion
