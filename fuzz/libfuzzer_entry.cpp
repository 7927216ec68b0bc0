// libFuzzer's entry point for one target, named by ZARQ_FUZZ_TARGET when it is compiled.

#include "targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zarq::fuzz::ZARQ_FUZZ_TARGET(data, size);
  return 0;
}
