#include "BaseKit/Workspace/Windows.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWindow>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace BaseKit {

namespace {

// Follows the parent's size; a child of the pinned view, so it goes with it.
class EdgePin : public QObject {
public:
    static constexpr const char* name = "BaseKit.EdgePin";

    explicit EdgePin(QWidget* view) : QObject(view), m_view(view)
    {
        setObjectName(QString::fromLatin1(name));
        view->parentWidget()->installEventFilter(this);
    }

    void apply() const
    {
        if (m_view && m_view->parentWidget())
            m_view->setGeometry(m_view->parentWidget()->rect());
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_view && watched == m_view->parentWidget() && event->type() == QEvent::Resize)
            apply();
        return false;
    }

private:
    QPointer<QWidget> m_view;
};

// The program's windows in the order the desktop got them (windows that were shown, oldest first),
// then those never shown.
std::vector<QWidget*> windowsInOrder()
{
    const QWindowList native = QGuiApplication::topLevelWindows();
    std::vector<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isWindow())
            windows.push_back(widget);
    }
    const auto rank = [&native](QWidget* widget) {
        const QWindow* handle = widget->windowHandle();
        const qsizetype index = handle ? native.indexOf(const_cast<QWindow*>(handle)) : -1;
        return index < 0 ? native.size() : index;
    };
    std::stable_sort(windows.begin(), windows.end(),
                     [&rank](QWidget* a, QWidget* b) { return rank(a) < rank(b); });
    return windows;
}

} // namespace

QWidget* Windows::window(const QString& identifier)
{
    for (QWidget* widget : windowsInOrder()) {
        const QString own = widget->objectName();
        if (own.isEmpty())
            continue;
        if (own.contains(identifier, Qt::CaseSensitive))
            return widget;
    }
    return nullptr;
}

void Windows::close(const QString& identifier)
{
    if (QWidget* found = window(identifier))
        found->close();
}

void Windows::pinToSuperview(QWidget* view)
{
    if (!view || !view->parentWidget())
        return;
    // One pin per view: pinning again only re-applies it.
    if (auto* existing = view->findChild<QObject*>(QString::fromLatin1(EdgePin::name), Qt::FindDirectChildrenOnly)) {
        static_cast<EdgePin*>(existing)->apply();
        return;
    }
    auto* pin = new EdgePin(view);
    pin->apply();
}

} // namespace BaseKit
