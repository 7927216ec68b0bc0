#pragma once
// A read-only COM stream over an open file, for the decoders that read a stream: what they
// read is that file, whatever lies at its name by now, and a failed read (a USB stick pulled)
// is an error they report, where the same failure in a mapped view would end the process.

#include <objidl.h>
#include <wrl/client.h>

#include <cstdio>

namespace zarq::win32 {

// Reads `file` from its start. The file stays the caller's, closed once the decoder is let go
// of: a decoder may keep its stream past its own release (Wine's do), and would keep the file
// open with it.
Microsoft::WRL::ComPtr<IStream> streamOver(std::FILE* file);

}  // namespace zarq::win32
