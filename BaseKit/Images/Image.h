#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

namespace BaseKit {

// An image with a template flag. A template image is a shape whose colour the drawing context decides
// (symbols are templates); tinting gives it a colour of its own. Copies share their pixels until one is
// changed, so a copy is the same image (same cacheKey()).
class Image {
public:
    Image() = default;
    explicit Image(QImage pixels, bool isTemplate = false) : m_pixels(std::move(pixels)), m_template(isTemplate) {}

    const QImage& pixels() const { return m_pixels; }
    bool isNull() const { return m_pixels.isNull(); }
    // The size in device-independent pixels.
    QSize size() const { return m_pixels.deviceIndependentSize().toSize(); }
    bool isTemplate() const { return m_template; }
    void setTemplate(bool isTemplate) { m_template = isTemplate; }
    // Equal for an image and its unchanged copies.
    qint64 cacheKey() const { return m_pixels.cacheKey(); }

    // A template image comes back as a new image of the same size in which every covered pixel takes
    // `color` and keeps its own opacity, flagged as no template; any other image comes back unchanged.
    Image tinted(const QColor& color) const;

private:
    QImage m_pixels;
    bool m_template = false;
};

} // namespace BaseKit
