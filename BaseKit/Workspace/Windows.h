#pragma once

#include <QString>

class QWidget;

namespace BaseKit {

// Finding and closing the program's windows by identifier (the window's object name), and making a
// view fill its parent.
class Windows {
public:
    // The first top-level window whose identifier contains `identifier` (case-sensitive); windows
    // without an identifier are passed over. Null when none matches.
    static QWidget* window(const QString& identifier);
    // Closes the window that `window` finds; nothing when none is found.
    static void close(const QString& identifier);
    // Keeps `view` covering its parent's whole area, now and whenever the parent is resized. A view
    // without parent is left as it is.
    static void pinToSuperview(QWidget* view);
};

} // namespace BaseKit
