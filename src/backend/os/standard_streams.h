#pragma once
// A standard stream the caller closed (`<&-`, `2>&-`) stays closed in effect: its number is
// taken by /dev/null opened the other way round, so that reading standard input or writing
// standard output still fails, while no file the process opens later (the fonts'
// configuration on a helper thread, a preset being written) takes that number and is read as
// the input, or has a warning meant for standard error written into it.
// Called first thing, before any thread starts. Linux only: Windows hands closed streams out
// as no handle at all.

namespace zarq {

void holdClosedStandardStreams();

}  // namespace zarq
