#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Platform {

// Names the kernel hands out (mount points, interface names, folder entries) are bytes, most often
// UTF-8 but not always. A name is kept as a text that gives its bytes back: valid UTF-8 decodes as
// usual, and each byte of an invalid sequence becomes the lone surrogate U+DC80 + (byte - 0x80),
// which no valid text holds. Such a text is a key and a path; it is shown only through displayed().
class KernelName {
public:
    KernelName() = delete;

    // The kernel's bytes as a text that encode() turns back into the same bytes.
    static QString decode(QByteArrayView bytes);
    // The bytes of a text made by decode() (any other text: its UTF-8, a lone surrogate as U+FFFD).
    static QByteArray encode(QStringView name);
    // The text to show: every byte that was no UTF-8 as U+FFFD.
    static QString displayed(QStringView name);
};

} // namespace Platform
