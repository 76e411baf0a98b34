#pragma once

#include <QWidget>

class QAction;
class QVBoxLayout;

namespace Kestrion {

// A secondary window of the application ("About", "OtherApps", the settings): a top-level window that
// shows one content view and is deleted when closed, so the next request makes it afresh. Esc and
// Ctrl+W close it; Esc in an open drop-down list of it closes the list only.
class SceneWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SceneWindow(const QString& identifier, QWidget* parent = nullptr);

    // Replaces the content. With `fixedSize` the window takes the content's size and cannot be resized.
    void setContent(QWidget* content, bool fixedSize = true);
    QWidget* content() const { return m_content; }
    // Whether the window opens in the middle of its screen.
    void setCentered(bool centered) { m_centered = centered; }
    QAction* closeAction() const { return m_closeAction; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the open popup (a drop-down list) belongs to one of the window's controls.
    bool ownsPopup() const;

    QVBoxLayout* m_layout = nullptr;
    QWidget* m_content = nullptr;
    QAction* m_closeAction = nullptr;
    bool m_centered = false;
    bool m_placed = false;
};

} // namespace Kestrion
