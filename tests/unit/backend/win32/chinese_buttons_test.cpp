#include "backend/win32/chinese_buttons.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <thread>
#include <vector>

#include "app/win32/win32_host.h"

namespace zarq::win32 {
namespace {

// The labels of the buttons `ids` of the message box titled `title` once it shows, which is
// then answered with the last of them.
std::map<int, std::wstring> readButtonsThenPressLast(const wchar_t* title, std::vector<int> ids) {
  std::map<int, std::wstring> labels;
  HWND box = nullptr;
  for (int tries = 0; tries < 500 && !box; ++tries) {
    Sleep(10);
    box = FindWindowW(L"#32770", title);
  }
  if (!box) return labels;
  for (int id : ids) {
    wchar_t label[64] = {};
    GetWindowTextW(GetDlgItem(box, id), label, 64);
    labels[id] = label;
  }
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(ids.back(), BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, ids.back())));
  return labels;
}

std::wstring chineseLabel(int id) {
  for (const ButtonLabel& b : kChineseButtonLabels) {
    if (b.id == id) return b.label;
  }
  return L"?";
}

TEST(ChineseButtonsTest, EveryStandardButtonOfAMessageBoxIsLabelledInChinese) {
  const struct {
    UINT style;
    std::vector<int> ids;
  } boxes[] = {
      {MB_OK, {IDOK}},
      {MB_YESNO, {IDYES, IDNO}},
      {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}},
      {MB_OKCANCEL, {IDOK, IDCANCEL}},
      {MB_ABORTRETRYIGNORE | MB_HELP, {IDABORT, IDRETRY, IDHELP, IDIGNORE}},
      {MB_CANCELTRYCONTINUE, {IDTRYAGAIN, IDCONTINUE, IDCANCEL}},
  };
  for (const auto& b : boxes) {
    std::map<int, std::wstring> labels;
    std::thread reader([&] { labels = readButtonsThenPressLast(L"zarq buttons", b.ids); });
    int pressed = 0;
    {
      const ChineseButtons chinese = chineseButtons();
      pressed = MessageBoxW(nullptr, L"?", L"zarq buttons", b.style);
    }
    reader.join();
    EXPECT_EQ(pressed, b.ids.back()) << b.style;
    for (int id : b.ids) EXPECT_EQ(labels[id], chineseLabel(id)) << b.style << " " << id;
  }
}

TEST(ChineseButtonsTest, TheHostsQuestionsAndMessagesSayYesNoAndOkInChinese) {
  Win32Host host{std::filesystem::current_path()};
  std::map<int, std::wstring> labels;
  std::thread question([&] { labels = readButtonsThenPressLast(L"zarq question", {IDYES, IDNO}); });
  EXPECT_EQ(host.messageBox(u"?", u"zarq question", MessageButtons::YesNo), MessageAnswer::No);
  question.join();
  EXPECT_EQ(labels, (std::map<int, std::wstring>{{IDYES, L"是(&Y)"}, {IDNO, L"否(&N)"}}));
  std::thread message([&] { labels = readButtonsThenPressLast(L"zarq message", {IDOK}); });
  EXPECT_EQ(host.messageBox(u"!", u"zarq message", MessageButtons::Ok), MessageAnswer::Ok);
  message.join();
  EXPECT_EQ(labels, (std::map<int, std::wstring>{{IDOK, L"确定"}}));
}

}  // namespace
}  // namespace zarq::win32
