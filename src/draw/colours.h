#pragma once

#include "platform/platform.h"

namespace zarq {

inline constexpr Argb kWhite = 0xFFFFFFFF;
inline constexpr Argb kBlack = 0xFF000000;
// Every disabled text and widget is drawn in this grey.
inline constexpr Argb kDisabledColour = 0xFFBEBEBE;

}  // namespace zarq
