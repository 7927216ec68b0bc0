#include "backend/win32/win32_host.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

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

  Win32Host host;
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

}  // namespace
}  // namespace zarq::win32
