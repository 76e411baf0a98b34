#pragma once

#include <QMainWindow>

class QAction;

namespace Kestrion {

class ContentView;

// The main window: the content view under the program's menus. It tells when it appears and when it
// disappears, and it can be moved by dragging its background. It is never larger than its screen's
// available area: where the cards need more, the content scrolls. When the cards shown change, the
// window grows or shrinks by what their arrangement asks for more or less, so a column that goes
// gives its width back. Ctrl+W closes it as its close button does.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(ContentView* content, QWidget* parent = nullptr);

    ContentView* contentView() const { return m_content; }

    // The size the window opens at: the preferred one, no larger than the screen's available area
    // and no smaller than the window's minimum.
    static QSize openingSize(QSize preferred, QSize minimum, QSize available);

    void setVisible(bool visible) override;

    // The screen area the window has to stay in: the available area of its screen (frame included),
    // or the one set here (tests give a screen's size); an invalid size follows the screen again.
    QSize availableArea() const;
    void setAvailableArea(QSize area);
    QAction* closeAction() const { return m_closeAction; }

signals:
    void appeared();
    void disappeared();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Tells the content how much room the screen leaves it, and keeps the window inside the screen.
    void fitToScreen();
    // The window follows a change of the cards shown.
    void followArrangement();
    void activateLayouts();

    ContentView* m_content = nullptr;
    QAction* m_closeAction = nullptr;
    QSize m_availableOverride;
    QSize m_preferred;
    bool m_shown = false;
    bool m_sized = false;
    bool m_followsScreen = false;
};

} // namespace Kestrion
