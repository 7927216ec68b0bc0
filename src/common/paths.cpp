#include "common/paths.h"

#include "common/utf.h"

namespace zarq {

std::filesystem::path pathFromText(TextView text) {
#ifdef _WIN32
  return std::filesystem::path(std::wstring(text.begin(), text.end()));
#else
  return std::filesystem::path(toUtf8(text));
#endif
}

Text textFromPath(const std::filesystem::path& path) {
#ifdef _WIN32
  const std::wstring& native = path.native();
  return Text(native.begin(), native.end());
#else
  return fromUtf8(path.native());
#endif
}

Text fileNameText(const std::filesystem::path& path) { return textFromPath(path.filename()); }

}  // namespace zarq
