#pragma once

#include <QMainWindow>

namespace Kestrion {

class ContentView;

// The main window: the content view under the program's menus. It tells when it appears and when it
// disappears, and it can be moved by dragging its background.
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

signals:
    void appeared();
    void disappeared();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ContentView* m_content = nullptr;
    bool m_shown = false;
    bool m_sized = false;
};

} // namespace Kestrion
