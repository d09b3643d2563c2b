#include "ratioscaler.h"

extern "C" {
#include <libavutil/pixfmt.h>
}

#include <cstddef>

// The row loops below are written for the compiler to vectorise; that needs
// -O3's cost model, and on x86-64 a second, AVX2 version chosen at run time:
// baseline SSE2 cannot pick every third pixel out of a row cheaply.
// (Clang has no per-function optimisation level and vectorises these as
// they are.)
#if defined(__GNUC__) && !defined(__clang__)
#define TAVREL_OPTIMISE_ROWS
#pragma GCC push_options
#pragma GCC optimize("O3")
#endif
#if defined(__x86_64__) && defined(__GNUC__) && defined(__ELF__)
#define TAVREL_ROW_LOOP __attribute__((target_clones("avx2", "default")))
#else
#define TAVREL_ROW_LOOP
#endif

namespace {

enum class Ratio { None, ThreeToTwo, TwoToOne };

Ratio PlaneRatio(QSize from, QSize to)
{
    if (to.isEmpty())
        return Ratio::None;
    if (from.width() == to.width() * 3 / 2 && to.width() % 2 == 0
        && from.height() == to.height() * 3 / 2 && to.height() % 2 == 0)
        return Ratio::ThreeToTwo;
    if (from.width() == to.width() * 2 && from.height() == to.height() * 2)
        return Ratio::TwoToOne;
    return Ratio::None;
}

QSize ChromaSize(QSize luma)
{
    return QSize((luma.width() + 1) / 2, (luma.height() + 1) / 2);
}

// 3:2 weights: each output pixel covers one source pixel wholly and half of
// the next, 2/3 and 1/3 of its area, here 11/16 and 5/16 so that both passes'
// sums (at most 255 * 16 * 16) stay within 16 bits and one rounding is made.
constexpr unsigned Near = 11;
constexpr unsigned Far = 5;

// Three source rows into two rows of 16-bit sums (weighted by 16).
TAVREL_ROW_LOOP void ThirdsDown(const uint8_t *__restrict r0, const uint8_t *__restrict r1,
                                const uint8_t *__restrict r2, uint16_t *__restrict v0,
                                uint16_t *__restrict v1, int width)
{
    for (int x = 0; x < width; ++x) {
        v0[x] = uint16_t(Near * r0[x] + Far * r1[x]);
        v1[x] = uint16_t(Far * r1[x] + Near * r2[x]);
    }
}

// Every three sums of a row into two pixels.
TAVREL_ROW_LOOP void ThirdsAcross(const uint16_t *__restrict sums, uint8_t *__restrict out,
                                  int pairs)
{
    for (int k = 0; k < pairs; ++k) {
        const uint16_t a = sums[3 * k], b = sums[3 * k + 1], c = sums[3 * k + 2];
        out[2 * k] = uint8_t(uint16_t(Near * a + Far * b + 128) >> 8);
        out[2 * k + 1] = uint8_t(uint16_t(Far * b + Near * c + 128) >> 8);
    }
}

TAVREL_ROW_LOOP void HalvesDown(const uint8_t *__restrict r0, const uint8_t *__restrict r1,
                                uint16_t *__restrict sums, int width)
{
    for (int x = 0; x < width; ++x)
        sums[x] = uint16_t(r0[x] + r1[x]);
}

TAVREL_ROW_LOOP void HalvesAcross(const uint16_t *__restrict sums, uint8_t *__restrict out,
                                  int width)
{
    for (int x = 0; x < width; ++x)
        out[x] = uint8_t((sums[2 * x] + sums[2 * x + 1] + 2) >> 2);
}

void ScalePlane(Ratio ratio, const uint8_t *source, int sourceStride, QSize to, uint8_t *target,
                int targetStride, uint16_t *rows)
{
    const auto row
        = [](auto *plane, int stride, int y) { return plane + std::ptrdiff_t(stride) * y; };
    if (ratio == Ratio::ThreeToTwo) {
        const int sourceWidth = to.width() * 3 / 2;
        uint16_t *second = rows + sourceWidth;
        for (int y = 0; y < to.height(); y += 2) {
            const int from = y * 3 / 2;
            ThirdsDown(row(source, sourceStride, from), row(source, sourceStride, from + 1),
                       row(source, sourceStride, from + 2), rows, second, sourceWidth);
            ThirdsAcross(rows, row(target, targetStride, y), to.width() / 2);
            ThirdsAcross(second, row(target, targetStride, y + 1), to.width() / 2);
        }
        return;
    }
    for (int y = 0; y < to.height(); ++y) {
        HalvesDown(row(source, sourceStride, 2 * y), row(source, sourceStride, 2 * y + 1), rows,
                   to.width() * 2);
        HalvesAcross(rows, row(target, targetStride, y), to.width());
    }
}

} // namespace

bool TRatioScaler::Handles(QSize from, QSize to)
{
    const Ratio luma = PlaneRatio(from, to);
    return luma != Ratio::None && PlaneRatio(ChromaSize(from), ChromaSize(to)) == luma;
}

bool TRatioScaler::Scale(const TSourcePicture &source, TPlanarFrame &target)
{
    if (source.pixelFormat != AV_PIX_FMT_YUV420P || !Handles(source.size, target.size))
        return false;
    const Ratio ratio = PlaneRatio(source.size, target.size);
    // Two rows of sums as wide as the source.
    m_rows.resize(std::size_t(source.size.width()) * 2);
    for (std::size_t plane = 0; plane < 3; ++plane) {
        const QSize to = plane == 0 ? target.size : ChromaSize(target.size);
        ScalePlane(ratio, source.planes[plane], source.strides[plane], to, target.planes[plane],
                   target.strides[plane], m_rows.data());
    }
    return true;
}

#ifdef TAVREL_OPTIMISE_ROWS
#pragma GCC pop_options
#undef TAVREL_OPTIMISE_ROWS
#endif
#undef TAVREL_ROW_LOOP
