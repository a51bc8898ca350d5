#pragma once

#include "spoolconnection.h"
#include "spoolreport.h"

#include <string>
#include <string_view>
#include <variant>

// What the print dialog chose beyond the queue, as CUPS job options.
struct SpoolOptions {
  int copies = 1;
  bool duplex = false;
  std::string media; // a PWG media name, e.g. iso_a4_210x297mm; empty: the queue's
};

// Submits one PDF as one job to the queue; the job's id, or why not. A job
// created but not completely sent is cancelled, so that no half job prints.
[[nodiscard]] std::variant<int, SpoolError>
submitPdf(const SpoolConnection &spool, const std::string &queue, const std::string &title,
          const SpoolOptions &options, std::string_view pdf);
