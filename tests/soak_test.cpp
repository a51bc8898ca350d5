// Random events on the real window: mouse input on every key, button and the
// cover, typed characters, timer ticks and the hidden controls' handlers,
// checked after each event against a model of the handlers. The sequence
// comes from NUMERIKO_SOAK_SEED and runs for NUMERIKO_SOAK_EVENTS events; a
// failure names both, with the event that failed.

#include "eventrun.h"
#include "formfixture.h"

#include <QTest>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <exception>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NUMERIKO_HAS_SANITIZER_INTERFACE 1
#endif
#elif defined(__SANITIZE_ADDRESS__)
#define NUMERIKO_HAS_SANITIZER_INTERFACE 1
#endif
#ifdef NUMERIKO_HAS_SANITIZER_INTERFACE
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

constexpr uint64_t kDefaultSeed = 20040620;
constexpr int64_t kDefaultEvents = 200000;
// Each window lives for this many events, so the states after start-up recur.
constexpr int64_t kEventsPerWindow = 10000;

uint64_t gSeed = kDefaultSeed;

uint64_t fromEnvironment(const char *name, uint64_t fallback) {
  bool ok = false;
  const qulonglong value = qEnvironmentVariable(name).toULongLong(&ok);
  return ok ? value : fallback;
}

// A crash or a sanitizer's report ends the process before the test can fail;
// this line still tells how to repeat it.
void writeReproduction() {
  static std::atomic_flag once = ATOMIC_FLAG_INIT;
  if (once.test_and_set())
    return;
  char line[160];
  const int length = std::snprintf(line, sizeof line,
                                   "\nsoak: stopped at event %lld; repeat with "
                                   "NUMERIKO_SOAK_SEED=%llu NUMERIKO_SOAK_EVENTS=%lld\n",
                                   static_cast<long long>(notedEventNumber()),
                                   static_cast<unsigned long long>(gSeed),
                                   static_cast<long long>(notedEventNumber() + 1));
  if (length > 0) {
    const ssize_t written = ::write(STDERR_FILENO, line, static_cast<size_t>(length));
    (void)written;
  }
}

void onFatalSignal(int signal) {
  writeReproduction();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

void noteReproductionOnCrash() {
  std::set_terminate([] {
    writeReproduction();
    std::abort();
  });
  for (int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
    std::signal(signal, onFatalSignal);
#ifdef NUMERIKO_HAS_SANITIZER_INTERFACE
  __sanitizer_set_death_callback(writeReproduction);
#endif
}

} // namespace

class SoakTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void randomEventsShouldKeepTheWindowSound() {
    gSeed = fromEnvironment("NUMERIKO_SOAK_SEED", kDefaultSeed);
    const auto events =
        static_cast<int64_t>(fromEnvironment("NUMERIKO_SOAK_EVENTS", kDefaultEvents));
    noteReproductionOnCrash();
    qInfo("soak: seed %llu, %lld events", static_cast<unsigned long long>(gSeed),
          static_cast<long long>(events));

    int64_t done = 0;
    noteEventNumber(0);
    for (uint64_t window = 0; done < events; ++window) {
      FormFixture f(static_cast<uint32_t>(gSeed + window));
      SeededEventSource source(gSeed * 1000003u + window);
      const int64_t stretch = std::min(kEventsPerWindow, events - done);
      int64_t performed = 0;
      std::optional<EventFailure> failure;
      try {
        failure = runEvents(f, source, stretch, &performed);
      } catch (const std::exception &exception) {
        failure = EventFailure{
            notedEventNumber() - done, {QStringLiteral("exception: %1").arg(exception.what())}, {}};
      }
      if (failure) {
        const int64_t number = done + failure->event;
        QFAIL(qPrintable(QStringLiteral("event %1 (window %2) broke the window; repeat with "
                                        "NUMERIKO_SOAK_SEED=%3 NUMERIKO_SOAK_EVENTS=%4\n"
                                        "last events:\n  %5\nfaults:\n  %6")
                             .arg(number)
                             .arg(window)
                             .arg(gSeed)
                             .arg(number + 1)
                             .arg(failure->recentEvents.join(QStringLiteral("\n  ")),
                                  failure->faults.join(QStringLiteral("\n  ")))));
      }
      QCOMPARE(performed, stretch);
      done += stretch;
    }
    qInfo("soak: %lld events checked", static_cast<long long>(done));
  }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
