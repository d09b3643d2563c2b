#pragma once

#include <QSize>
#include <array>
#include <cstdint>
#include <memory>

// One decoded picture as its planes lie in memory: the scaler's input.
struct TSourcePicture
{
    enum class Matrix { Bt601, Bt709, Smpte240, Bt2020, Fcc };

    int pixelFormat = -1; // an AVPixelFormat
    QSize size;
    std::array<const uint8_t *, 4> planes{};
    std::array<int, 4> strides{};
    Matrix matrix = Matrix::Bt601;
    bool fullRange = false;
};

// A 4:2:0 picture at the size it is shown, in a scaler's own memory.
struct TPlanarFrame
{
    std::unique_ptr<uint8_t, void (*)(void *)> memory{nullptr, nullptr};
    QSize size;
    std::array<uint8_t *, 4> planes{};
    std::array<int, 4> strides{};
    TSourcePicture::Matrix matrix = TSourcePicture::Matrix::Bt601;
    bool fullRange = false;

    // The frame as a scaler reads it.
    TSourcePicture Picture() const;
};
