#pragma once
// Decodes pictures into covers on a thread of its own, so that the window never waits for
// a decode. One picture at a time: a new request stops the decode in progress, whose result
// is then dropped. Nothing ever waits for a decoder to finish against its will: a loader
// that goes away leaves a decode still running to end on its own thread (it gives up once
// its time budget is spent), and the process ends without it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "image/background_preview.h"
#include "platform/platform.h"

namespace zarq {

class CoverLoader {
 public:
  // `finished` is called on the loader's thread each time a requested decode has ended, its
  // result ready to be taken; never once the loader is gone.
  CoverLoader(ImageDecoder& images, std::function<void()> finished);
  ~CoverLoader();
  CoverLoader(const CoverLoader&) = delete;
  CoverLoader& operator=(const CoverLoader&) = delete;

  // Decodes `file` under `ticket`, instead of anything asked before.
  void request(std::uint64_t ticket, std::filesystem::path file);
  // Nothing is wanted any more: a decode in progress stops and its result is dropped.
  void cancel();

  struct Result {
    std::uint64_t ticket = 0;
    std::optional<Cover> cover;  // nullopt: no loadable picture
  };
  // The result of the last request once its decode has ended; nothing before that, after a
  // cancel, or when it has been taken already.
  std::optional<Result> take();
  // Waits until the last request's decode has ended (at once when nothing is asked).
  void waitUntilDone();

  // A decode left running by a loader that is gone: the process must then end without
  // running its exit handlers under the decoder's feet. Flushes the standard streams and
  // ends the process with `status` when there is one; returns otherwise.
  static void endProcessIfDecoding(int status);

 private:
  struct Shared;
  static void run(const std::shared_ptr<Shared>& shared);

  // Everything the thread touches, kept alive by it for as long as it runs.
  std::shared_ptr<Shared> shared_;
};

}  // namespace zarq
