#pragma once

#include <QString>

#include <cstdint>

namespace BaseKit {

// One file or folder with its name, its size in bytes (measured once, when it is made: a folder's whole
// tree, hidden files included) and a selection mark.
class FileUrl {
public:
    explicit FileUrl(const QString& path);

    QString url;
    std::uint64_t size = 0;
    QString name;
    bool isSelected = false;
};

} // namespace BaseKit
