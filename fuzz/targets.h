#pragma once
// The entry points of the fuzz targets. Each takes one input, runs the code under test on
// it and aborts, saying why, when a promise of that code is broken. libFuzzer calls them
// from fuzz_<target> (built by scripts/fuzz with clang); the replay test calls them with
// every file of fuzz/regressions/<target>/.

#include <cstddef>
#include <cstdint>

namespace zarq::fuzz {

// The preset reader: any bytes as a ".set" file.
void presetReader(const std::uint8_t* data, std::size_t size);
// Chart scanning: any bytes as a chart, whole and streamed in small blocks.
void chartScan(const std::uint8_t* data, std::size_t size);
// Every picture decoder behind the decoder interface: any bytes as an image file.
void imageDecoders(const std::uint8_t* data, std::size_t size);
// The editor driven by a sequence of user actions read from the bytes.
void monkey(const std::uint8_t* data, std::size_t size);

}  // namespace zarq::fuzz
