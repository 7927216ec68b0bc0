// A preset rewritten on Windows keeps what else was set on the file it replaces: its security
// descriptor, its alternate data streams, and its other names, which all see the new content.
// Each is tried with the folder held open, as the editor holds its own, and without, as
// zarq-preset writes.

#include <aclapi.h>
#include <gtest/gtest.h>
#include <sddl.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "files/atomic_file.h"
#include "platform/file_system.h"
#include "support/temp_dir.h"

namespace zarq {
namespace {

namespace fs = std::filesystem;
using testing::contents;

constexpr SECURITY_INFORMATION kOwnerGroupDacl =
    OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION;

std::wstring securityOf(const fs::path& file) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoW(file.c_str(), SE_FILE_OBJECT, kOwnerGroupDacl, nullptr, nullptr,
                            nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
    return L"unreadable";
  }
  LPWSTR text = nullptr;
  std::wstring result = L"unreadable";
  if (ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor, SDDL_REVISION_1,
                                                           kOwnerGroupDacl, &text, nullptr)) {
    result = text;
  }
  LocalFree(text);
  LocalFree(descriptor);
  return result;
}

// A DACL unlike the one a new file gets: everyone may do anything.
std::wstring letEveryoneWrite(const fs::path& file) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(
      L"D:(A;;FA;;;WD)", SDDL_REVISION_1, &descriptor, nullptr));
  BOOL present = FALSE, defaulted = FALSE;
  PACL dacl = nullptr;
  GetSecurityDescriptorDacl(descriptor, &present, &dacl, &defaulted);
  EXPECT_EQ(SetNamedSecurityInfoW(const_cast<LPWSTR>(file.c_str()), SE_FILE_OBJECT,
                                  DACL_SECURITY_INFORMATION, nullptr, nullptr, dacl, nullptr),
            DWORD{ERROR_SUCCESS});
  LocalFree(descriptor);
  const std::wstring security = securityOf(file);
  EXPECT_NE(security, securityOf(file.parent_path() / "fresh.set")) << "the DACL was not set";
  return security;
}

std::wstring namesAndContent(const fs::path& file) {
  BY_HANDLE_FILE_INFORMATION info{};
  const HANDLE handle = CreateFileW(file.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  GetFileInformationByHandle(handle, &info);
  CloseHandle(handle);
  const std::string other = contents(file.parent_path() / "other.set");
  return std::to_wstring(info.nNumberOfLinks) + L" " + std::wstring(other.begin(), other.end());
}

std::wstring linkAnotherName(const fs::path& file) {
  EXPECT_TRUE(CreateHardLinkW((file.parent_path() / "other.set").c_str(), file.c_str(), nullptr));
  return L"2 new";
}

// The names of the file's alternate data streams, each with its content.
std::string streamsOf(const fs::path& file) {
  std::string streams;
  WIN32_FIND_STREAM_DATA stream;
  const HANDLE find = FindFirstStreamW(file.c_str(), FindStreamInfoStandard, &stream, 0);
  if (find == INVALID_HANDLE_VALUE) return streams;
  do {
    const std::wstring name = stream.cStreamName;
    if (name == L"::$DATA") continue;
    const std::string text =
        contents(file.native() + name.substr(0, name.size() - std::wstring(L":$DATA").size()));
    streams += std::string(name.begin(), name.end()) + "=" + text + ";";
  } while (FindNextStreamW(find, &stream));
  FindClose(find);
  return streams;
}

void rewrite(const fs::path& file, bool held) {
  FileSystem& files = osFileSystem();
  const std::unique_ptr<FolderHold> hold = held ? files.holdFolder(file.parent_path()) : nullptr;
  const std::string bytes = "new";
  const WriteOutcome outcome = writeFileAtomically(
      files, file, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  ASSERT_TRUE(outcome) << static_cast<int>(outcome.error);
  EXPECT_EQ(contents(file), "new");
}

TEST(KeptMetadataTest, ARewrittenFileKeepsItsSecurityAndItsOtherNames) {
  const struct {
    const char* name;
    std::function<std::wstring(const fs::path&)> prepare;  // gives what is to be kept
    std::function<std::wstring(const fs::path&)> look;
  } cases[] = {
      {"a DACL that lets everyone write", letEveryoneWrite, securityOf},
      {"a second name", linkAnotherName, namesAndContent},
  };
  for (const bool held : {false, true}) {
    for (const auto& c : cases) {
      testing::TempDir dir;
      dir.write("fresh.set", "fresh");
      const fs::path file = dir.write("p.set", "old");
      const std::wstring kept = c.prepare(file);
      rewrite(file, held);
      EXPECT_EQ(c.look(file), kept) << c.name << (held ? ", folder held" : "");
    }
  }
}

TEST(KeptMetadataTest, ARewrittenFileKeepsItsAlternateDataStreams) {
  for (const bool held : {false, true}) {
    testing::TempDir dir;
    const fs::path file = dir.write("p.set", "old");
    dir.write("p.set:Zone.Identifier", "[ZoneTransfer]");
    dir.write("p.set:note", "");
    if (streamsOf(file).empty()) {
      GTEST_SKIP() << "this file system lists no alternate data streams (as under Wine)";
    }
    const std::string kept = streamsOf(file);
    rewrite(file, held);
    EXPECT_EQ(streamsOf(file), kept) << (held ? "folder held" : "");
  }
}

}  // namespace
}  // namespace zarq
