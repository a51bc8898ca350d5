// Redraw of the worksheet window's preview after one change of its form, in
// one process on Qt's offscreen platform. The window runs on settings of its
// own in a temporary folder. Each change ticks or unticks the date field
// through its check box; it is timed from the click until the preview has
// been asked to paint the sheets and its view has drawn them, for a preset
// (divrem100 with its answers) and for a sheet of own kinds (add and subtract
// with answers). 10 changes warm up, then --changes of them (200 unless told)
// are timed; the median and the 99th percentile are held to their budgets.
// Prints rows of the table.

#include "printtypefaces.h"
#include "samples.h"
#include "tablerow.h"
#include "worksheetwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>

namespace {

constexpr double kMedianBudget = 50e-3;
constexpr double kP99Budget = 100e-3;
constexpr int kWarmUpChanges = 10;
constexpr double kPaintTimeoutSeconds = 5.0;

// Counts the paint events a widget receives.
class PaintCount final : public QObject {
public:
  using QObject::QObject;
  int count = 0;

protected:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint)
      ++count;
    return false;
  }
};

class Bench {
public:
  Bench() {
    WorksheetServices services;
    services.saveFileName = [](QWidget *, const QString &) { return QString(); };
    services.report = [](QWidget *, const QString &message) {
      std::fprintf(stderr, "the window reported: %s\n", qPrintable(message));
    };
    services.settings = &settings_;
    window_.emplace(std::move(services));
    preview_ = window_->findChild<QPrintPreviewWidget *>();
    view_ = preview_ ? preview_->findChild<QGraphicsView *>() : nullptr;
    if (view_)
      view_->viewport()->installEventFilter(&painted_);
    if (preview_)
      QObject::connect(preview_, &QPrintPreviewWidget::paintRequested, preview_,
                       [this] { ++requested_; });
    window_->show();
  }

  [[nodiscard]] bool ready() const { return view_ != nullptr; }

  template <typename T> T *labelled(const QString &label) const {
    for (QLabel *name : window_->findChildren<QLabel *>())
      if (name->text().startsWith(label) && name->buddy())
        return qobject_cast<T *>(name->buddy());
    return nullptr;
  }

  // Runs the event loop until the preview's view has drawn since `before`
  // paints; false when it did not within the time-out.
  bool waitForPaint(int before) {
    const auto start = std::chrono::steady_clock::now();
    while (painted_.count == before) {
      if (secondsSince(start) > kPaintTimeoutSeconds)
        return false;
      QCoreApplication::processEvents();
    }
    return true;
  }

  // The time from `change` until the preview has been repainted, or none
  // when the preview was not asked to paint or its view did not draw.
  std::optional<double> timed(const std::function<void()> &change) {
    // Whatever is still pending is not part of this change.
    QCoreApplication::processEvents();
    const int requestedBefore = requested_;
    const int paintedBefore = painted_.count;
    const auto start = std::chrono::steady_clock::now();
    change();
    if (requested_ == requestedBefore || !waitForPaint(paintedBefore))
      return std::nullopt;
    return secondsSince(start);
  }

  [[nodiscard]] int pages() const { return preview_->pageCount(); }
  [[nodiscard]] bool hasJob() const { return window_->job().has_value(); }
  // The window opens with blank pages and draws the sheets just after.
  bool waitForFirstPaint() { return waitForPaint(0) && waitForPaint(painted_.count); }

private:
  QTemporaryDir folder_;
  QSettings settings_{folder_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
  PaintCount painted_;
  int requested_ = 0;
  std::optional<WorksheetWindow> window_;
  QPrintPreviewWidget *preview_ = nullptr;
  QGraphicsView *view_ = nullptr;
};

std::string formatted(const char *format, double a, double b) {
  char text[128];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

// Sets the form up with `prepare`, then times `changes` ticks of the date
// field and prints the row; false when the window did not redraw.
bool measure(const std::string &what, int changes, const std::function<bool(Bench &)> &prepare) {
  Bench bench;
  if (!bench.ready() || !bench.waitForFirstPaint()) {
    std::fprintf(stderr, "the worksheet window showed no preview\n");
    return false;
  }
  auto *fields = bench.labelled<QWidget>(QStringLiteral("らん"));
  QCheckBox *date = nullptr;
  for (QCheckBox *box : fields ? fields->findChildren<QCheckBox *>() : QList<QCheckBox *>())
    if (box->text() == QStringLiteral("日付"))
      date = box;
  auto *seed = bench.labelled<QWidget>(QStringLiteral("シード"));
  auto *seedEdit = seed ? seed->findChild<QLineEdit *>() : nullptr;
  auto *answers = bench.labelled<QComboBox>(QStringLiteral("答えのプリント"));
  if (!date || !seedEdit || !answers || !prepare(bench)) {
    std::fprintf(stderr, "the worksheet window's form is not as expected\n");
    return false;
  }
  seedEdit->setText(QStringLiteral("7"));
  answers->setCurrentIndex(1); // an answer sheet after each sheet
  if (!bench.hasJob() || bench.pages() != 2) {
    std::fprintf(stderr, "%s: the preview does not show a sheet and its answer sheet\n",
                 what.c_str());
    return false;
  }

  Samples samples;
  for (int i = 0; i < kWarmUpChanges + changes; ++i) {
    const auto seconds = bench.timed([date] { date->click(); });
    if (!seconds) {
      std::fprintf(stderr, "%s: the preview was not redrawn after a change\n", what.c_str());
      return false;
    }
    if (i >= kWarmUpChanges)
      samples.add(*seconds);
  }
  const double median = samples.median();
  const double p99 = samples.percentile(99);
  std::puts(markdown({.measure = "Worksheet window: preview redrawn after one change, " + what +
                                 " (" + std::to_string(changes) + " ticks of the date field)",
                      .result = formatted("median %.2f ms; p99 %.2f ms", median * 1e3, p99 * 1e3),
                      .budget = "median ≤ 50 ms; p99 ≤ 100 ms",
                      .held = heldText(median <= kMedianBudget && p99 <= kP99Budget)})
                .c_str());
  return true;
}

bool choosePreset(Bench &bench) {
  auto *presets = bench.labelled<QComboBox>(QStringLiteral("プリント("));
  const int index = presets ? presets->findData(QStringLiteral("divrem100")) : -1;
  if (index < 0)
    return false;
  presets->setCurrentIndex(index);
  return true;
}

bool chooseOwnKinds(Bench &bench) {
  auto *presets = bench.labelled<QComboBox>(QStringLiteral("プリント("));
  auto *kinds = bench.labelled<QWidget>(QStringLiteral("種類"));
  if (!presets || !kinds)
    return false;
  presets->setCurrentIndex(0);
  int ticked = 0;
  for (QCheckBox *box : kinds->findChildren<QCheckBox *>()) {
    const bool wanted =
        box->text() == QStringLiteral("たし算") || box->text() == QStringLiteral("ひき算");
    box->setChecked(wanted);
    ticked += wanted ? 1 : 0;
  }
  return ticked == 2;
}

QtMessageHandler qtHandler = nullptr;

// The offscreen platform says so for every window shown; it is not a result.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
  if (type == QtWarningMsg && message.contains(QLatin1String("propagateSizeHints")))
    return;
  qtHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[]) {
  int changes = 200;
  if (argc == 3 && std::strcmp(argv[1], "--changes") == 0)
    changes = std::max(1, std::atoi(argv[2]));
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qtHandler = qInstallMessageHandler(quietHandler);
  QApplication application(argc, argv);
  installPrintTypefaces();

  const bool measured =
      measure("divrem100 with answers", changes, choosePreset) &&
      measure("own kinds, add and subtract with answers", changes, chooseOwnKinds);
  return measured ? 0 : 1;
}
