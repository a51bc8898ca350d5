#pragma once

#include "spoolreport.h"

#include <chrono>
#include <memory>
#include <variant>

using http_t = struct _http_s;

// One connection to the CUPS scheduler that libcups names (CUPS_SERVER, the
// client configuration, the local socket), made within a time limit. Every
// request on it gives up after the same limit without an answer, so that no
// call waits forever on a scheduler that hangs.
class SpoolConnection {
public:
  [[nodiscard]] static std::variant<SpoolConnection, SpoolError>
  open(std::chrono::milliseconds limit);

  SpoolConnection(SpoolConnection &&) noexcept;
  SpoolConnection &operator=(SpoolConnection &&) noexcept;
  ~SpoolConnection();

  // The connection, for one request.
  [[nodiscard]] http_t *request() const;
  // That request's failure, in libcups' words (a timeout's message is the
  // limit in seconds).
  [[nodiscard]] SpoolError lastError() const;

private:
  struct State;
  explicit SpoolConnection(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};
