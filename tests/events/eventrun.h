#pragma once

#include "eventsource.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

struct FormFixture;

// The first event after which the window was not as it should be.
struct EventFailure {
  int64_t event = 0; // counted from 0 in this run
  QStringList faults;
  QStringList recentEvents; // the last few events, the failing one last
};

// Drives a window with events drawn from a source, checking it after each.
// Stops at the first failure, after `limit` events, or when the source is
// exhausted; every mouse button is up again afterwards.
std::optional<EventFailure> runEvents(FormFixture &fixture, EventSource &source, int64_t limit,
                                      int64_t *performed = nullptr);

// The number of the event being performed, across runs, for reports of a
// crash or a sanitizer error, which end the process before a failure can be
// returned.
void noteEventNumber(int64_t number);
[[nodiscard]] int64_t notedEventNumber();
