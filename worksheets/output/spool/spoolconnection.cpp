#include "spoolconnection.h"

#include <cups/cups.h>

#include <cstdio>
#include <string>

struct SpoolConnection::State {
  http_t *http = nullptr;
  std::chrono::milliseconds limit{};
  bool timedOut = false;
};

namespace {

// Called by libcups when a request has waited the whole limit: give up.
int giveUp(http_t *, void *data) {
  *static_cast<bool *>(data) = true;
  return 0;
}

} // namespace

std::variant<SpoolConnection, SpoolError> SpoolConnection::open(std::chrono::milliseconds limit) {
  auto state = std::make_unique<State>();
  state->limit = limit;
  state->http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             static_cast<int>(limit.count()), nullptr);
  // What errno holds by then is the clean-up's, not the reason: name the place.
  if (!state->http)
    return SpoolError{SpoolProblem::NoScheduler, cupsServer()};
  httpSetTimeout(state->http, double(limit.count()) / 1000.0, giveUp, &state->timedOut);
  return SpoolConnection(std::move(state));
}

SpoolConnection::SpoolConnection(std::unique_ptr<State> state) : state_(std::move(state)) {}
SpoolConnection::SpoolConnection(SpoolConnection &&) noexcept = default;
SpoolConnection &SpoolConnection::operator=(SpoolConnection &&) noexcept = default;

SpoolConnection::~SpoolConnection() {
  if (state_ && state_->http)
    httpClose(state_->http);
}

http_t *SpoolConnection::request() const {
  state_->timedOut = false;
  return state_->http;
}

SpoolError SpoolConnection::lastError() const {
  if (state_->timedOut) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", double(state_->limit.count()) / 1000.0);
    return {SpoolProblem::NoAnswer, seconds};
  }
  const char *message = cupsLastErrorString();
  std::string text = message ? message : "";
  switch (cupsLastError()) {
  case IPP_STATUS_ERROR_NOT_FOUND:
    return {SpoolProblem::NoSuchQueue, text};
  case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
    return {SpoolProblem::Refused, text};
  case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
    return {SpoolProblem::NoScheduler, text};
  default:
    return {SpoolProblem::Other, text};
  }
}
