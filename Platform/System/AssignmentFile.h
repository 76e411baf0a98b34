#pragma once

#include <QString>
#include <QStringList>

namespace Platform {

// A file of shell-style variable assignments, one a line, as os-release and machine-info are:
// KEY=value, the value bare or in single or double quotes; inside double quotes a backslash takes
// the next character as it stands. Lines starting with '#' are comments.
class AssignmentFile {
public:
    // The values assigned to `key` in `text`, in file order, unquoted and trimmed.
    static QStringList values(const QString& text, const QString& key);
};

} // namespace Platform
