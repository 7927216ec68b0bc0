#pragma once
// The two inner loops of the resampler, in plain C++ and with SSE2. Both compute the same
// integer sums and round them the same way, so they give the same bytes.

#include <cstdint>

#include "image/scale_filter.h"

namespace zarq {

enum class ScaleKernel { Portable, Sse2 };

bool scaleKernelRuns(ScaleKernel kernel);
ScaleKernel fastestScaleKernel();

// out[lane] = the byte nearest to the sum over k < taps (even) of weights[k] x rows[k][lane],
// for lane = 0 .. lanes - 1.
void blendRows(ScaleKernel kernel, const std::uint8_t* const* rows, const std::int16_t* weights,
               int taps, int lanes, std::uint8_t* out);

// out[i] = the weighted sum of the pixels of `in` that output i of `columns` reads, each
// byte rounded and clamped, the fourth byte 0. `in` starts at source position
// columns.lowest and holds one pixel beyond columns.highest.
void blendColumns(ScaleKernel kernel, const std::uint32_t* in, const ScaleTaps& columns,
                  std::uint32_t* out, int outputs);

}  // namespace zarq
