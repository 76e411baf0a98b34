#pragma once

#include "Kestrion/Common/CardCatalog.h"
#include "Kestrion/Common/MainLayout.h"
#include "Kestrion/Settings/BackgroundTheme.h"

#include <QPointer>
#include <QWidget>

#include <map>
#include <utility>

class QBoxLayout;
class QStackedLayout;
class QVBoxLayout;

namespace ViewKit {
class GlassEffect;
}

namespace Kestrion {

class EmptyView;
class GridScrollArea;

// The main window's content: an optional system-information row above five columns of cards, or the
// empty state when every module is switched off. Spacings follow the screen-size class; the background
// is the solid window colour or the glass tint. Cards come from the catalog, made the first time they
// are shown and kept while hidden; a card the catalog cannot make is left out. The grid scrolls where it
// needs more room than the view is allowed to ask for (setRoom).
class ContentView : public QWidget
{
    Q_OBJECT

public:
    ContentView(CardCatalog catalog, int sizeClass, QWidget* parent = nullptr);

    // Lays the window out for these switches and model states.
    void apply(const MainLayoutInputs& inputs);
    void setBackgroundTheme(BackgroundTheme theme);
    // The largest size the view may ask for as its minimum (the room its window has on the screen);
    // an invalid size sets no bound.
    void setRoom(QSize room);

    const MainLayout& layoutPlan() const { return m_plan; }
    BackgroundTheme backgroundTheme() const { return m_background; }
    int sizeClass() const { return m_sizeClass; }

    // The card widget standing in a column (0...4) for a card; nullptr when it was never made.
    QWidget* cardWidget(int column, Card card) const;
    QWidget* systemInfoWidget() const { return m_systemInfo; }
    EmptyView* emptyView() const { return m_empty; }
    // Whether the window shows the empty state: every module switched off, or no card to show at all.
    bool showsEmptyState() const;
    // The widgets a column shows now, top to bottom.
    QList<QWidget*> visibleCards(int column) const;
    GridScrollArea* scrollArea() const { return m_scroll; }

signals:
    // The cards shown, or their places, changed: what the view asks for has changed with them.
    void arrangementChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* slotWidget(int column, Card card);
    void frameCard(QWidget* widget, int column, Card card) const;
    void showGrid(bool grid);
    void arrange(const MainLayout& plan);

    CardCatalog m_catalog;
    int m_sizeClass = 2;
    MainLayout m_plan;
    BackgroundTheme m_background = BackgroundTheme::solid;

    ViewKit::GlassEffect* m_glass = nullptr;
    QStackedLayout* m_stack = nullptr;
    GridScrollArea* m_scroll = nullptr;
    QWidget* m_grid = nullptr;
    QWidget* m_systemInfo = nullptr;
    bool m_systemInfoMade = false;
    std::array<QVBoxLayout*, MainLayout::columnCount> m_columns{};
    std::map<std::pair<int, Card>, QWidget*> m_cards;
    EmptyView* m_empty = nullptr;
    bool m_applied = false;
};

} // namespace Kestrion
