// A preset rewritten on Windows keeps what else was set on the file it replaces: its security
// descriptor, its alternate data streams, its hidden and system marks, and its other names,
// which all see the new content.
// Each is tried with the folder held open, as the editor holds its own, and without, as
// zarq-preset writes.

#include <aclapi.h>
#include <gtest/gtest.h>
#include <sddl.h>
#include <windows.h>

#include <fstream>
#include <functional>
#include <string>

#include "files/atomic_file.h"
#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;
using testing::contents;

constexpr SECURITY_INFORMATION kParts =
    OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;

std::wstring securityOf(const fs::path& file) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  LPWSTR text = nullptr;
  GetNamedSecurityInfoW(file.c_str(), SE_FILE_OBJECT, kParts, nullptr, nullptr, nullptr, nullptr,
                        &descriptor);
  if (descriptor) {
    ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1, kParts, &text,
                                                         nullptr);
  }
  const std::wstring result = text ? text : L"unreadable";
  LocalFree(text);
  LocalFree(descriptor);
  return result;
}

// A DACL unlike a new file's: everyone may do anything.
std::wstring letEveryoneWrite(const fs::path& file) {
  const std::wstring fresh = securityOf(file);
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;FA;;;WD)", SDDL_REVISION_1,
                                                       &descriptor, nullptr);
  BOOL present = FALSE, defaulted = FALSE;
  PACL dacl = nullptr;
  GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted);
  SetNamedSecurityInfoW(const_cast<LPWSTR>(file.c_str()), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                        nullptr, nullptr, dacl, nullptr);
  LocalFree(descriptor);
  EXPECT_NE(securityOf(file), fresh) << "the DACL was not set";
  return securityOf(file);
}

std::wstring linkAnotherName(const fs::path& file) {
  EXPECT_TRUE(CreateHardLinkW((file.parent_path() / "other.set").c_str(), file.c_str(), nullptr));
  return L"new";
}

std::wstring otherName(const fs::path& file) {
  const std::string other = contents(file.parent_path() / "other.set");
  return {other.begin(), other.end()};
}

// The file's alternate data streams, each with its content.
std::wstring streamsOf(const fs::path& file) {
  std::wstring streams;
  WIN32_FIND_STREAM_DATA stream;
  const HANDLE find = FindFirstStreamW(file.c_str(), FindStreamInfoStandard, &stream, 0);
  for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextStreamW(find, &stream)) {
    const std::wstring name(stream.cStreamName);
    const std::string text = contents(file.native() + name.substr(0, name.rfind(L':')));
    if (name != L"::$DATA") streams += name + L"=" + std::wstring(text.begin(), text.end()) + L";";
  }
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  return streams;
}

std::wstring addStreams(const fs::path& file) {
  std::ofstream(fs::path(file.native() + L":Zone.Identifier")) << "[ZoneTransfer]";
  std::ofstream(fs::path(file.native() + L":note")) << "";
  return streamsOf(file);
}

constexpr DWORD kMarks = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

std::wstring marksOf(const fs::path& file) {
  return std::to_wstring(GetFileAttributesW(file.c_str()) & kMarks);
}

std::wstring hide(const fs::path& file) {
  SetFileAttributesW(file.c_str(), kMarks);
  EXPECT_EQ(marksOf(file), std::to_wstring(kMarks)) << "the marks were not set";
  return marksOf(file);
}

// Rewrites "p.set", made by `prepare` (which gives what is to be kept) with the folder held
// and not, and expects `look` to find it kept.
void expectKept(const char* name, const std::function<std::wstring(const fs::path&)>& prepare,
                const std::function<std::wstring(const fs::path&)>& look) {
  for (const bool held : {false, true}) {
    testing::TempDir dir;
    const fs::path file = dir.write("p.set", "old");
    const std::wstring kept = prepare(file);
    FileSystem& files = osFileSystem();
    const auto hold = held ? files.holdFolder(dir.path()) : nullptr;
    const std::string bytes = "new";
    ASSERT_TRUE(writeFileAtomically(
        files, file, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}));
    EXPECT_EQ(contents(file), "new") << name;
    EXPECT_EQ(look(file), kept) << name << (held ? ", folder held" : "");
  }
}

TEST(KeptMetadataTest, ARewrittenFileKeepsItsSecurityAndItsOtherNames) {
  expectKept("a DACL that lets everyone write", letEveryoneWrite, securityOf);
  expectKept("a second name", linkAnotherName, otherName);
  expectKept("hidden and system", hide, marksOf);
}

TEST(KeptMetadataTest, ARewrittenFileKeepsItsAlternateDataStreams) {
  testing::TempDir dir;
  // Wine makes a file of a stream's name, and lists no streams.
  if (addStreams(dir.write("probe.set", "")).empty()) {
    GTEST_SKIP() << "this file system lists no alternate data streams";
  }
  expectKept("alternate data streams", addStreams, streamsOf);
}

}  // namespace
}  // namespace zarq
