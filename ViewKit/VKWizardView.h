#pragma once

#include <QAbstractButton>
#include <QList>
#include <QWidget>

class QStackedLayout;

namespace ViewKit {

// A pager: the current page between a back and a forward chevron, with a row of page dots below (the
// current one in the accent colour, the others gray). A chevron is in the accent colour while it can
// move and gray and disabled at its end. The pages are fixed when the wizard is built; the first page
// shows first.
class VKWizardView : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex NOTIFY currentIndexChanged)

public:
    // Takes ownership of the pages.
    explicit VKWizardView(const QList<QWidget*>& views, QWidget* parent = nullptr);

    const QList<QWidget*>& views() const { return m_views; }
    int currentIndex() const { return m_currentIndex; }
    // The page shown; none without pages.
    QWidget* currentPage() const;

    QAbstractButton* backButton() const { return m_back; }
    QAbstractButton* forwardButton() const { return m_forward; }
    // The colour of a chevron and of the dot of a page index, as drawn now.
    QColor chevronColor(const QAbstractButton* chevron) const;
    QColor dotColor(int index) const;
    // Where the dot of a page index is drawn, in the wizard's coordinates.
    QRectF dotRect(int index) const;
    int dotCount() const { return int(m_views.size()); }

    // One step back or forward; nothing at either end.
    void goBack();
    void goForward();

    static constexpr qreal dotSide = 8;
    static constexpr qreal dotSpacing = 16;

signals:
    void currentIndexChanged(int index);

private:
    void setCurrentIndex(int index);
    void refresh();

    QList<QWidget*> m_views;
    int m_currentIndex = 0;
    QAbstractButton* m_back = nullptr;
    QAbstractButton* m_forward = nullptr;
    QStackedLayout* m_pages = nullptr;
    QWidget* m_dots = nullptr;
};

} // namespace ViewKit
