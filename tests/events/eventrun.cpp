#include "eventrun.h"

#include "eventdriver.h"
#include "formfixture.h"
#include "windowmonitor.h"

#include <atomic>

namespace {

std::atomic<int64_t> gEventNumber{0};
constexpr int kRecentEvents = 12;

} // namespace

void noteEventNumber(int64_t number) { gEventNumber.store(number, std::memory_order_relaxed); }
int64_t notedEventNumber() { return gEventNumber.load(std::memory_order_relaxed); }

std::optional<EventFailure> runEvents(FormFixture &fixture, EventSource &source, int64_t limit,
                                      int64_t *performed) {
  EventDriver driver(fixture, source);
  WindowMonitor monitor(fixture);
  QStringList recent;
  int64_t count = 0;
  const int64_t first = notedEventNumber();
  std::optional<EventFailure> failure;
  while (count < limit && !source.exhausted() && !failure) {
    for (const WindowEvent &event : driver.drawAction(source)) {
      if (count >= limit)
        break;
      noteEventNumber(first + count);
      recent << event.describe();
      if (recent.size() > kRecentEvents)
        recent.removeFirst();
      monitor.beforeEvent(event);
      driver.perform(event);
      QStringList faults = monitor.afterEvent(event);
      if (!faults.isEmpty()) {
        failure = EventFailure{count, faults, recent};
        break;
      }
      ++count;
    }
  }
  driver.releaseAll();
  noteEventNumber(first + count);
  if (performed)
    *performed = count;
  return failure;
}
