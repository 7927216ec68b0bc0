#include "editor/end_requests.h"

#include <gtest/gtest.h>

#include <vector>

namespace zarq {
namespace {

using enum EndRequest;
using enum EndAction;

TEST(EndRequests, OnlyCtrlCAgainCutsTheSaveShort) {
  const struct {
    const char* name;
    std::vector<EndRequest> requests;
    std::vector<EndAction> actions;
  } cases[] = {
      {"Ctrl+C twice", {Interrupt, Interrupt}, {Save, CutShort}},
      {"a closing terminal hangs up twice", {HangUp, HangUp}, {Save, Ignore}},
      {"a group kill after a kill", {Terminate, Terminate}, {Save, Ignore}},
      {"Ctrl+C after a hang-up", {HangUp, Interrupt}, {Save, CutShort}},
      {"a close after Ctrl+C", {Interrupt, HangUp, Terminate}, {Save, Ignore, Ignore}},
  };
  for (const auto& c : cases) {
    EndRequests requests;
    std::vector<EndAction> actions;
    for (const EndRequest request : c.requests) actions.push_back(requests.arrived(request));
    EXPECT_EQ(actions, c.actions) << c.name;
  }
}

}  // namespace
}  // namespace zarq
