#include "editor/end_requests.h"

namespace zarq {

EndAction repeatedEndAction(EndRequest request) {
  return request == EndRequest::Interrupt ? EndAction::CutShort : EndAction::Ignore;
}

EndAction EndRequests::arrived(EndRequest request) {
  if (!saving_.exchange(true)) return EndAction::Save;
  return repeatedEndAction(request);
}

}  // namespace zarq
