#include "backend/win32/win32_host.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <thread>
#include <vector>

#include "backend/win32/chinese_buttons.h"

namespace zarq::win32 {
namespace {

// A window of its own that hands the host's messages to it, as the editor's window does.
class PostedWorkTest : public ::testing::Test {
 protected:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<Win32Host*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (host && (message == Win32Host::kPostedMessage ||
                 (message == WM_TIMER && wParam == Win32Host::kPostedTimer))) {
      if (message == WM_TIMER) KillTimer(window, Win32Host::kPostedTimer);
      host->runPosted();
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = L"zarq posted work test";
    RegisterClassW(&windowClass);
    window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&host));
    host.attach(window, 1);
  }
  void TearDown() override {
    host.detach();
    DestroyWindow(window);
  }

  // Runs the window's loop until `done` holds or two seconds have passed.
  template <typename Done>
  void pumpUntil(Done done) {
    const ULONGLONG end = GetTickCount64() + 2000;
    MSG message;
    while (!done() && GetTickCount64() < end) {
      if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
      } else {
        Sleep(1);
      }
    }
  }

  Win32Host host{std::filesystem::current_path()};
  HWND window = nullptr;
};

TEST_F(PostedWorkTest, WorkFromAnotherThreadRunsOnTheWindowsThreadInTheOrderItIsDue) {
  const DWORD windowThread = GetCurrentThreadId();
  std::vector<int> order;
  std::vector<DWORD> threads;
  std::thread worker([&] {
    host.postToWindowThread(150, [&] {
      order.push_back(3);
      threads.push_back(GetCurrentThreadId());
    });
    host.postToWindowThread(0, [&] {
      order.push_back(1);
      threads.push_back(GetCurrentThreadId());
    });
    host.postToWindowThread(0, [&] {
      order.push_back(2);
      threads.push_back(GetCurrentThreadId());
    });
  });
  worker.join();
  const ULONGLONG start = GetTickCount64();
  pumpUntil([&] { return order.size() == 2; });
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  pumpUntil([&] { return order.size() == 3; });
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
  EXPECT_GE(GetTickCount64() - start, 100u);  // the delayed work waited for its time
  for (DWORD thread : threads) EXPECT_EQ(thread, windowThread);
}

TEST_F(PostedWorkTest, WorkPostedBeforeTheWindowExistsRunsOnceItDoes) {
  host.detach();
  bool ran = false;
  host.postToWindowThread(0, [&] { ran = true; });
  pumpUntil([&] { return ran; });
  EXPECT_FALSE(ran);
  host.attach(window, 1);
  pumpUntil([&] { return ran; });
  EXPECT_TRUE(ran);
}

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
      const ChineseButtons chinese;
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
