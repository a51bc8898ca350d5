// libFuzzer target: the input's bytes choose a sequence of events on the real
// main window, from the soak test's vocabulary, and the window is checked
// after each event. A broken check or an exception aborts, so that libFuzzer
// keeps the input.

#include "eventrun.h"
#include "formfixture.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// Longer inputs add nothing a sequence of this many events cannot reach.
constexpr int64_t kMaxEvents = 4000;

[[noreturn]] void stop(const QStringList &lines) {
  std::fprintf(stderr, "numeriko_fuzz: the window broke\n  %s\n",
               qPrintable(lines.join(QStringLiteral("\n  "))));
  std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "numeriko_fuzz";
  static char *argv[] = {name, nullptr};
  // Lives to the end of the process: Qt's own objects must not be torn down
  // by the exit handlers after libFuzzer has finished.
  static auto *application = new QApplication(argc, argv);
  (void)application;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FormFixture f;
  ByteEventSource source({data, size});
  try {
    const std::optional<EventFailure> failure = runEvents(f, source, kMaxEvents);
    if (failure)
      stop(QStringList{QStringLiteral("event %1").arg(failure->event)} << failure->recentEvents
                                                                       << failure->faults);
  } catch (const std::exception &exception) {
    stop({QStringLiteral("event %1: exception: %2")
              .arg(notedEventNumber())
              .arg(QString::fromUtf8(exception.what()))});
  }
  return 0;
}
