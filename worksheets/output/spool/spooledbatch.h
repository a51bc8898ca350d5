#pragma once

#include "spoolreport.h"
#include "spoolsubmit.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

// Every request to the scheduler gives up after this long without an answer.
inline constexpr std::chrono::milliseconds kSpoolRequestLimit = std::chrono::seconds(10);

// Prints a batch of jobs through the spooler and follows each until the
// spooler holds it complete, or it fails, or the wait runs out.
struct SpoolRequest {
  std::string queue; // empty: the user's default queue
  std::string title;
  SpoolOptions options;
  std::size_t jobs = 1;
  std::chrono::milliseconds wait{std::chrono::minutes(2)}; // 0: hand over, do not follow
  std::chrono::milliseconds requestLimit = kSpoolRequestLimit;
  std::chrono::milliseconds pollInterval{std::chrono::milliseconds(200)};
};

struct SpoolProgress {
  enum class Step { QueueChecked, Submitted, Following };
  Step step = Step::QueueChecked;
  const SpoolRun *run = nullptr; // as far as it has come
};

struct SpoolHooks {
  // The PDF of the batch's job `index`; none when it cannot be made.
  std::function<std::optional<std::string>(std::size_t index)> render;
  // Hears of each step, and of each round of following; false stops: no
  // more jobs are submitted, and those handed over are no longer followed.
  std::function<bool(SpoolProgress)> progress;
};

[[nodiscard]] SpoolRun printSpooled(const SpoolRequest &request, const SpoolHooks &hooks);
