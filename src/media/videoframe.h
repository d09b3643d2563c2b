#pragma once

#include "framescaler.h"

#include <QImage>
#include <QSize>
#include <memory>
#include <utility>

// A frame on its way to the screen: 32-bit pixels ready to copy, or 4:2:0
// planes at the size they are shown, converted while they are painted (one
// pass over the pixels fewer than converting first and copying after).
class TVideoFrame
{
public:
    TVideoFrame() = default;
    explicit TVideoFrame(QImage pixels)
        : m_pixels(std::move(pixels))
    {}
    explicit TVideoFrame(std::shared_ptr<const TPlanarFrame> planes)
        : m_planes(std::move(planes))
    {}

    bool isNull() const { return !m_planes && m_pixels.isNull(); }
    QSize size() const { return m_planes ? m_planes->size : m_pixels.size(); }
    // Null for a planar frame.
    const QImage &Pixels() const { return m_pixels; }
    // Null for a frame of pixels.
    const TPlanarFrame *Planes() const { return m_planes.get(); }

private:
    QImage m_pixels;
    std::shared_ptr<const TPlanarFrame> m_planes;
};
