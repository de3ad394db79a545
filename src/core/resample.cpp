#include "core/resample.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

#include "core/checked.h"

namespace tessera {
namespace {

// Weights are 16-bit fixed point. A horizontal pass keeps 8 fraction bits per channel
// (at most 255 * 256), so a vertical sum of them times weights fits in 32 bits unsigned.
constexpr int kWeightBits = 16;
constexpr std::int64_t kWeightOne = std::int64_t{1} << kWeightBits;

// The taps of one axis for the visible destination samples: sample i reads source samples
// first[i] .. first[i] + count[i] - 1 with the weights from weights[offset[i]] on, which
// add up to exactly kWeightOne (so a uniform source stays exactly uniform).
struct AxisTaps {
    std::vector<std::int32_t> first;
    std::vector<std::int32_t> count;
    std::vector<std::int32_t> offset;
    std::vector<std::uint32_t> weights;

    void Add(std::int32_t start, std::initializer_list<std::int64_t> tapWeights) {
        first.push_back(start);
        count.push_back(static_cast<std::int32_t>(tapWeights.size()));
        offset.push_back(static_cast<std::int32_t>(weights.size()));
        for (auto w : tapWeights) weights.push_back(static_cast<std::uint32_t>(w));
    }
};

// Area averaging: destination sample i covers the source interval [i*s/d, (i+1)*s/d).
// Positions are kept in units of 1/d source pixel; each source pixel's share is the
// difference of the rounded running total, so the weights sum exactly to one.
void AddAveragingTaps(AxisTaps& taps, std::int64_t i, std::int64_t d, std::int64_t s) {
    const std::int64_t begin = CheckedMul(i, s);
    const std::int64_t end = begin + s;
    const auto rounded = [&](std::int64_t q) { return (q * kWeightOne + s / 2) / s; };
    const std::int64_t firstPixel = begin / d;
    const std::int64_t lastPixel = (end - 1) / d;
    taps.first.push_back(static_cast<std::int32_t>(firstPixel));
    taps.count.push_back(static_cast<std::int32_t>(lastPixel - firstPixel + 1));
    taps.offset.push_back(static_cast<std::int32_t>(taps.weights.size()));
    for (std::int64_t k = firstPixel; k <= lastPixel; ++k) {
        const std::int64_t p0 = std::max(k * d, begin) - begin;
        const std::int64_t p1 = std::min((k + 1) * d, end) - begin;
        taps.weights.push_back(static_cast<std::uint32_t>(rounded(p1) - rounded(p0)));
    }
}

// Bilinear: the centre of destination sample i sits at (i + 0.5) * s / d - 0.5 in source
// pixels, computed in units of 1/(2d); beyond the outer pixel centres the edge repeats.
void AddBilinearTaps(AxisTaps& taps, std::int64_t i, std::int64_t d, std::int64_t s) {
    const std::int64_t centre = CheckedSub(CheckedMul(2 * i + 1, s), d);
    if (centre <= 0) return taps.Add(0, {kWeightOne});
    const std::int64_t k = centre / (2 * d);
    if (k >= s - 1) return taps.Add(static_cast<std::int32_t>(s - 1), {kWeightOne});
    const std::int64_t w1 = ((centre % (2 * d)) * kWeightOne + d) / (2 * d);
    if (w1 == 0) return taps.Add(static_cast<std::int32_t>(k), {kWeightOne});
    if (w1 == kWeightOne) return taps.Add(static_cast<std::int32_t>(k + 1), {kWeightOne});
    taps.Add(static_cast<std::int32_t>(k), {kWeightOne - w1, w1});
}

// Taps for the destination samples [visibleBegin, visibleEnd) of a length-d target drawn
// from s source samples; indices are relative to the target's start.
AxisTaps MakeTaps(std::int32_t visibleBegin, std::int32_t visibleEnd, std::int32_t d,
                  std::int32_t s) {
    AxisTaps taps;
    const std::size_t n = static_cast<std::size_t>(visibleEnd - visibleBegin);
    taps.first.reserve(n);
    taps.count.reserve(n);
    taps.offset.reserve(n);
    for (std::int64_t i = visibleBegin; i < visibleEnd; ++i) {
        if (d == s) {
            taps.Add(static_cast<std::int32_t>(i), {kWeightOne});
        } else if (d < s) {
            AddAveragingTaps(taps, i, d, s);
        } else {
            AddBilinearTaps(taps, i, d, s);
        }
    }
    return taps;
}

// Column taps padded with zero weights to one count, so that the horizontal pass runs the
// same unrolled loop for every column instead of branching on a varying count.
struct UniformTaps {
    std::int32_t count = 1;
    std::vector<std::int32_t> first;
    std::vector<std::uint32_t> weights;  // count per sample
};

// The padding goes before the taps where they end at the source's last pixel, so no
// sample reads outside the source (the widest run never exceeds the source's length).
UniformTaps MakeUniform(const AxisTaps& taps, std::int32_t sourceLength) {
    UniformTaps uniform;
    uniform.count = *std::max_element(taps.count.begin(), taps.count.end());
    const std::size_t n = taps.first.size();
    uniform.first.resize(n);
    uniform.weights.assign(n * static_cast<std::size_t>(uniform.count), 0);
    for (std::size_t i = 0; i < n; ++i) {
        const std::int32_t shift = std::max(0, taps.first[i] + uniform.count - sourceLength);
        uniform.first[i] = taps.first[i] - shift;
        std::copy_n(
            taps.weights.begin() + taps.offset[i], taps.count[i],
            uniform.weights.begin() + static_cast<std::ptrdiff_t>(i * uniform.count) + shift);
    }
    return uniform;
}

// One source row filtered horizontally to the visible width, 8 fraction bits per channel.
template <int kCount>
void FilterRowFixed(const std::uint8_t* src, const UniformTaps& taps, std::uint16_t* out) {
    const std::size_t n = taps.first.size();
    const std::uint32_t* w = taps.weights.data();
    for (std::size_t x = 0; x < n; ++x, out += 3, w += kCount) {
        const std::uint8_t* p = src + static_cast<std::ptrdiff_t>(taps.first[x]) * 3;
        std::uint32_t b = 128, g = 128, r = 128;
        for (int k = 0; k < kCount; ++k) {
            b += w[k] * p[3 * k];
            g += w[k] * p[3 * k + 1];
            r += w[k] * p[3 * k + 2];
        }
        out[0] = static_cast<std::uint16_t>(b >> 8);
        out[1] = static_cast<std::uint16_t>(g >> 8);
        out[2] = static_cast<std::uint16_t>(r >> 8);
    }
}

void FilterRowAnyCount(const std::uint8_t* src, const UniformTaps& taps, std::uint16_t* out) {
    const std::size_t n = taps.first.size();
    const std::uint32_t* w = taps.weights.data();
    for (std::size_t x = 0; x < n; ++x, out += 3, w += taps.count) {
        const std::uint8_t* p = src + static_cast<std::ptrdiff_t>(taps.first[x]) * 3;
        std::uint32_t b = 128, g = 128, r = 128;
        for (std::int32_t k = 0; k < taps.count; ++k, p += 3) {
            b += w[k] * p[0];
            g += w[k] * p[1];
            r += w[k] * p[2];
        }
        out[0] = static_cast<std::uint16_t>(b >> 8);
        out[1] = static_cast<std::uint16_t>(g >> 8);
        out[2] = static_cast<std::uint16_t>(r >> 8);
    }
}

void FilterRow(const std::uint8_t* src, const UniformTaps& taps, std::uint16_t* out) {
    switch (taps.count) {
        case 1: return FilterRowFixed<1>(src, taps, out);
        case 2: return FilterRowFixed<2>(src, taps, out);
        case 3: return FilterRowFixed<3>(src, taps, out);
        case 4: return FilterRowFixed<4>(src, taps, out);
        case 5: return FilterRowFixed<5>(src, taps, out);
        case 6: return FilterRowFixed<6>(src, taps, out);
        default: return FilterRowAnyCount(src, taps, out);
    }
}

// Horizontally filtered source rows. Consecutive destination rows read overlapping runs
// of source rows, so two slots (by row parity) hold every row that is read twice.
class FilteredRows {
  public:
    FilteredRows(const Bgr24View& source, const UniformTaps& columns)
        : source_(source), columns_(columns), values_(columns.first.size() * 3) {
        for (auto& slot : slots_) slot.assign(values_, 0);
    }

    const std::uint16_t* Get(std::int32_t row) {
        const int slot = row & 1;
        if (rowInSlot_[slot] != row) {
            FilterRow(source_.Row(row), columns_, slots_[slot].data());
            rowInSlot_[slot] = row;
        }
        return slots_[slot].data();
    }
    std::size_t Values() const { return values_; }

  private:
    const Bgr24View& source_;
    const UniformTaps& columns_;
    std::size_t values_;
    std::vector<std::uint16_t> slots_[2];
    std::int32_t rowInSlot_[2] = {-1, -1};
};

constexpr std::uint32_t kRoundFinal = std::uint32_t{1} << 23;

// One destination row from the filtered source rows its taps name.
void BlendRow(FilteredRows& rows, std::int32_t first, std::int32_t count, const std::uint32_t* w,
              std::vector<std::uint32_t>& sum, std::uint8_t* out) {
    const std::size_t n = rows.Values();
    if (count == 1) {
        const std::uint16_t* h = rows.Get(first);
        for (std::size_t x = 0; x < n; ++x) out[x] = static_cast<std::uint8_t>((h[x] + 128) >> 8);
        return;
    }
    if (count == 2) {
        const std::uint16_t* h0 = rows.Get(first);
        const std::uint16_t* h1 = rows.Get(first + 1);
        const std::uint32_t w0 = w[0], w1 = w[1];
        for (std::size_t x = 0; x < n; ++x) {
            out[x] = static_cast<std::uint8_t>((w0 * h0[x] + w1 * h1[x] + kRoundFinal) >> 24);
        }
        return;
    }
    std::fill(sum.begin(), sum.end(), kRoundFinal);
    for (std::int32_t k = 0; k < count; ++k) {
        const std::uint16_t* h = rows.Get(first + k);
        for (std::size_t x = 0; x < n; ++x) sum[x] += w[k] * h[x];
    }
    for (std::size_t x = 0; x < n; ++x) out[x] = static_cast<std::uint8_t>(sum[x] >> 24);
}

// A run of destination rows with its own filtered-row cache and sums.
class Band {
  public:
    Band(const Bgr24View& source, const UniformTaps& columns, std::size_t begin, std::size_t end)
        : rows_(source, columns), sum_(rows_.Values()), begin_(begin), end_(end) {}

    void Draw(const Bgr24View& dest, const Rect& visible, const AxisTaps& taps) {
        for (std::size_t i = begin_; i < end_; ++i) {
            const auto y = visible.top + static_cast<std::int32_t>(i);
            BlendRow(rows_, taps.first[i], taps.count[i], taps.weights.data() + taps.offset[i],
                     sum_, dest.At(visible.left, y));
        }
    }

  private:
    FilteredRows rows_;
    std::vector<std::uint32_t> sum_;
    std::size_t begin_, end_;
};

// Large stretches are shared among the processors; a band of fewer than about a million
// destination values is not worth a thread.
std::size_t BandCount(std::size_t rows, std::size_t values) {
    const std::size_t processors = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t byWork = rows * values * 3 / (1u << 20);
    return std::clamp<std::size_t>(std::min({processors, byWork, rows}), 1, 8);
}

Rect Intersect(const Rect& a, const Rect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

void CopyUnscaled(const Bgr24View& dest, const Rect& target, const Bgr24View& source,
                  const Rect& visible) {
    const std::size_t bytes = static_cast<std::size_t>(visible.right - visible.left) * 3;
    for (std::int32_t y = visible.top; y < visible.bottom; ++y) {
        std::memmove(dest.At(visible.left, y),
                     source.At(visible.left - target.left, y - target.top), bytes);
    }
}

}  // namespace

Rect StretchCoverage(const Bgr24View& dest, const Rect& target, const Rect& clip) {
    if (target.right <= target.left || target.bottom <= target.top) return {};
    const Rect visible = Intersect(Intersect(target, clip), Rect{0, 0, dest.width, dest.height});
    return IsEmpty(visible) ? Rect{} : visible;
}

void StretchSmooth(const Bgr24View& dest, const Rect& target, const Bgr24View& source,
                   const Rect& clip) {
    if (source.Empty()) return;
    const Rect visible = StretchCoverage(dest, target, clip);
    if (IsEmpty(visible)) return;
    const std::int32_t width = target.Width();
    const std::int32_t height = target.Height();
    if (width == source.width && height == source.height) {
        return CopyUnscaled(dest, target, source, visible);
    }
    const UniformTaps columns = MakeUniform(
        MakeTaps(visible.left - target.left, visible.right - target.left, width, source.width),
        source.width);
    const AxisTaps rows =
        MakeTaps(visible.top - target.top, visible.bottom - target.top, height, source.height);
    // Every band gets its buffers here, so that the workers neither allocate nor throw.
    const std::size_t bandCount = BandCount(rows.first.size(), columns.first.size());
    std::vector<Band> bands;
    bands.reserve(bandCount);
    for (std::size_t i = 0; i < bandCount; ++i) {
        bands.emplace_back(source, columns, rows.first.size() * i / bandCount,
                           rows.first.size() * (i + 1) / bandCount);
    }
    const auto run = [&](Band& band) noexcept { band.Draw(dest, visible, rows); };
    std::vector<std::thread> workers;
    workers.reserve(bands.size());  // from here on only starting a thread may fail
    for (std::size_t i = 1; i < bands.size(); ++i) {
        try {
            workers.emplace_back(run, std::ref(bands[i]));
        } catch (const std::system_error&) {
            run(bands[i]);  // no thread to be had: draw the band here
        }
    }
    run(bands[0]);
    for (auto& worker : workers) worker.join();
}

void StretchSmooth(const Bgr24View& dest, const Rect& target, const Bgr24View& source) {
    StretchSmooth(dest, target, source, Rect{0, 0, dest.width, dest.height});
}

}  // namespace tessera
