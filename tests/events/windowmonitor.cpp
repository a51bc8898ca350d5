#include "windowmonitor.h"

#include "formfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<const char *, 11> kKeys{"Image41", "Image44", "Image45", "Image46",
                                             "Image47", "Image48", "Image49", "Image50",
                                             "Image51", "Image52", "Image62"};

std::vector<const QObject *> childrenOf(const QWidget *form) {
  const QList<QObject *> found = form->findChildren<QObject *>();
  return {found.begin(), found.end()};
}

std::vector<const QObject *> sorted(std::vector<const QObject *> objects) {
  std::sort(objects.begin(), objects.end());
  return objects;
}

bool isMouse(WindowEvent::Kind kind) {
  return kind == WindowEvent::Kind::Press || kind == WindowEvent::Kind::Release ||
         kind == WindowEvent::Kind::Click || kind == WindowEvent::Kind::DoubleClick;
}

bool isKeyboard(WindowEvent::Kind kind) {
  return kind == WindowEvent::Kind::Type || kind == WindowEvent::Kind::TypeKey;
}

bool isPrintRun(Operation operation) {
  return operation == Operation::PrintMultiplication || operation == Operation::PrintDivisions ||
         operation == Operation::PrintHardDivisions;
}

bool isPreset(Operation operation) {
  return operation == Operation::PresetTimesTable ||
         operation == Operation::PresetDivisionsWithRemainder ||
         operation == Operation::PresetExactDivisions ||
         operation == Operation::PresetHardDivisions;
}

} // namespace

WindowMonitor::WindowMonitor(FormFixture &fixture)
    : fixture_(fixture), camera_(fixture), model_(fixture) {
  for (std::size_t k = 0; k < kKeys.size(); ++k) {
    auto *key = fixture.picture(kKeys[k]);
    keyCentres_.push_back(fixture.centreOf(key));
    const auto operation = k == 10 ? std::pair{Operation::Erase, 0}
                                   : std::pair{Operation::Digit, static_cast<int32_t>(k)};
    connect(key, &PictureImage::clicked, this,
            [this, operation] { observed_.push_back(operation); });
    clickTargets_.push_back({key, operation});
  }
  constexpr std::array<std::pair<const char *, Operation>, 4> kButtons{{
      {"BitBtn1", Operation::StartSubtraction},
      {"BitBtn2", Operation::Stop},
      {"BitBtn3", Operation::ShowHint},
      {"BitBtn4", Operation::AnimateHint},
  }};
  for (const auto &[name, operation] : kButtons) {
    auto *button = fixture.control<QAbstractButton>(name);
    connect(button, &QAbstractButton::clicked, this, [this, operation = operation] {
      observed_.push_back({operation, 0});
    });
    clickTargets_.push_back({button, {operation, 0}});
  }

  children_ = childrenOf(fixture.form.get());
  sortedChildren_ = sorted(children_);
  // Controls hidden at start that no handler shows.
  for (QObject *child : fixture.form->children()) {
    const auto *widget = qobject_cast<const QWidget *>(child);
    if (!widget || !widget->isHidden())
      continue;
    const std::string name = widget->objectName().toStdString();
    if (std::find(kSnapshotShown.begin(), kSnapshotShown.end(), name) == kSnapshotShown.end())
      neverShown_.push_back(widget);
  }
}

void WindowMonitor::beforeEvent(const WindowEvent &event) {
  camera_.take(before_);
  observed_.clear();
  expectedClicks_.clear();
  // A whole left click reaches the key picture or button under the pointer
  // if it is enabled: once, and a double-click reaches a button twice.
  if ((event.kind == WindowEvent::Kind::Click || event.kind == WindowEvent::Kind::DoubleClick) &&
      event.button == Qt::LeftButton) {
    const QWidget *under = fixture_.form->childAt(event.at);
    for (const auto &[control, operation] : clickTargets_)
      if (under == control && control->isEnabled()) {
        expectedClicks_.push_back(operation);
        if (event.kind == WindowEvent::Kind::DoubleClick &&
            qobject_cast<const QAbstractButton *>(control))
          expectedClicks_.push_back(operation);
      }
  }
  focusBefore_ = QApplication::focusWidget();
  QString failure;
  const std::optional<PrintablePage> page = fixture_.printer().printablePage(failure);
  printer_ = {page.has_value(), page ? page->width : 0, page ? page->height : 0};
  const RecordingCanvas &canvas = fixture_.printer().recording();
  documentsBefore_ = canvas.documents().size();
  attemptsBefore_ = canvas.beginAttempts();
  setupDialogsBefore_ = fixture_.printer().setupDialogs;
}

QStringList WindowMonitor::afterEvent(const WindowEvent &event) {
  QStringList faults;
  camera_.take(after_);

  std::vector<std::pair<Operation, int32_t>> operations;
  if (event.kind == WindowEvent::Kind::Type) {
    const QChar typed = event.text.at(0);
    if (typed >= u'0' && typed <= u'9')
      operations.push_back({Operation::Digit, typed.unicode() - u'0'});
    else if (typed == u'c')
      operations.push_back({Operation::Erase, 0});
  } else if (event.kind == WindowEvent::Kind::Call) {
    operations.push_back({event.operation, event.value});
  }
  operations.insert(operations.end(), observed_.begin(), observed_.end());
  checkClicks(event, faults);

  expected_ = before_;
  for (const auto &[operation, value] : operations)
    model_.apply(operation, value, printer_, after_, expected_, faults);
  // A spin edit has no bounds: it holds any value it is given.
  if (event.kind == WindowEvent::Kind::Call && event.operation == Operation::SetSpinValue &&
      after_.spinValues[static_cast<std::size_t>(event.value - 1)] != event.number)
    faults << QStringLiteral("SpinEdit%1 holds %2, not the %3 it was given")
                  .arg(event.value)
                  .arg(after_.spinValues[static_cast<std::size_t>(event.value - 1)])
                  .arg(event.number);

  // What the toolkit does by itself: items of "もんだいの数" are picked with
  // the mouse and the keyboard, and a focused edit box takes typed keys.
  if (isMouse(event.kind) || isKeyboard(event.kind))
    expected_.runLengthItem = after_.runLengthItem;
  if (isKeyboard(event.kind))
    for (std::size_t i = 0; i < kSnapshotTexts.size(); ++i)
      if (focusBefore_ && focusBefore_->objectName().toStdString() == kSnapshotTexts[i] &&
          qobject_cast<const QLineEdit *>(focusBefore_))
        expected_.texts[i] = after_.texts[i];
  checkKeyPictures(event, expected_, faults);

  faults << snapshotDifferences(expected_, after_,
                                [this](qint64 key) { return model_.pictureName(key); });
  model_.checkInvariants(after_, faults);
  checkPrinting(operations, faults);
  checkControls(faults);

  if (!faults.isEmpty()) {
    QStringList ran;
    for (const auto &[operation, value] : operations)
      ran << operationName(operation, value);
    faults.prepend(
        QStringLiteral("operations that ran: %1")
            .arg(ran.isEmpty() ? QStringLiteral("none") : ran.join(QStringLiteral(", "))));
  }
  fixture_.errors.clear();
  // The recording canvas keeps every document; start afresh now and then.
  if (fixture_.printer().recording().documents().size() > 64)
    fixture_.printer().recording() = RecordingCanvas{};
  return faults;
}

// Which clicks the controls reported: exactly those expected of a whole
// click; at most one for a release of the left button or a typed space on a
// focused button; none otherwise.
void WindowMonitor::checkClicks(const WindowEvent &event, QStringList &faults) const {
  auto names = [](const std::vector<std::pair<Operation, int32_t>> &operations) {
    QStringList list;
    for (const auto &[operation, value] : operations)
      list << operationName(operation, value);
    return list.isEmpty() ? QStringLiteral("none") : list.join(QStringLiteral(", "));
  };
  bool sound = true;
  switch (event.kind) {
  case WindowEvent::Kind::Click:
  case WindowEvent::Kind::DoubleClick:
    sound = observed_ == expectedClicks_;
    break;
  case WindowEvent::Kind::Release:
    sound = observed_.size() <= (event.button == Qt::LeftButton ? 1u : 0u);
    break;
  case WindowEvent::Kind::Type:
  case WindowEvent::Kind::TypeKey:
    sound = observed_.size() <= 1 &&
            std::none_of(observed_.begin(), observed_.end(), [](const auto &operation) {
              return operation.first == Operation::Digit || operation.first == Operation::Erase;
            });
    break;
  default:
    sound = observed_.empty();
    break;
  }
  if (!sound)
    faults << QStringLiteral("the controls reported %1, expected %2")
                  .arg(names(observed_), names(expectedClicks_));
}

// A press puts a key's pressed picture on it and keeps its own in the save
// slot, the release puts the save slot back; a whole click leaves every key as
// it was. Nothing else touches the keys.
void WindowMonitor::checkKeyPictures(const WindowEvent &event, WindowSnapshot &expected,
                                     QStringList &faults) {
  std::vector<std::size_t> changed;
  for (std::size_t k = 0; k < kKeyCount; ++k)
    if (after_.pictures[kFirstKeyPicture + k] != before_.pictures[kFirstKeyPicture + k])
      changed.push_back(k);
  const qint64 slotBefore = before_.pictures[pictureOf("Image43")];
  const qint64 slotAfter = after_.pictures[pictureOf("Image43")];
  auto fault = [&](const QString &what) { faults << QStringLiteral("keys: %1").arg(what); };

  if (!isMouse(event.kind)) {
    if (!changed.empty() || slotAfter != slotBefore)
      fault(QStringLiteral("a key picture or the save slot changed without the mouse"));
    return;
  }
  if (changed.size() > 1)
    fault(QStringLiteral("%1 key pictures changed in one event").arg(changed.size()));
  auto wasShownByAKey = [&](qint64 picture, bool pressedOnly) {
    for (std::size_t k = 0; k < kKeyCount; ++k)
      if (before_.pictures[kFirstKeyPicture + k] == picture &&
          (!pressedOnly || picture == model_.pressedKeyPicture(k)))
        return true;
    return false;
  };
  switch (event.kind) {
  case WindowEvent::Kind::Press:
    if (changed.size() == 1) {
      const std::size_t k = changed.front();
      if (after_.pictures[kFirstKeyPicture + k] != model_.pressedKeyPicture(k))
        fault(QStringLiteral("the pressed key %1 does not show its pressed picture").arg(kKeys[k]));
      if (slotAfter != before_.pictures[kFirstKeyPicture + k])
        fault(QStringLiteral("the save slot does not hold what %1 showed").arg(kKeys[k]));
    } else if (slotAfter != slotBefore && !wasShownByAKey(slotAfter, true)) {
      fault(QStringLiteral("the save slot changed without a key being pressed"));
    }
    break;
  case WindowEvent::Kind::Release:
    if (changed.size() == 1 && after_.pictures[kFirstKeyPicture + changed.front()] != slotBefore)
      fault(QStringLiteral("the released key %1 does not show the save slot's picture")
                .arg(kKeys[changed.front()]));
    if (slotAfter != slotBefore)
      fault(QStringLiteral("a release changed the save slot"));
    break;
  default:
    if (!changed.empty())
      fault(QStringLiteral("%1 was not restored after a whole click").arg(kKeys[changed.front()]));
    if (slotAfter != slotBefore && !wasShownByAKey(slotAfter, false))
      fault(QStringLiteral("the save slot holds no key's picture after a click"));
    break;
  }
  for (std::size_t k = 0; k < kKeyCount; ++k)
    expected.pictures[kFirstKeyPicture + k] = after_.pictures[kFirstKeyPicture + k];
  expected.pictures[pictureOf("Image43")] = slotAfter;
}

// Documents are always ended; a failure of the printing service is reported
// once by the run it stopped, and nothing else reports an error.
void WindowMonitor::checkPrinting(const std::vector<std::pair<Operation, int32_t>> &operations,
                                  QStringList &faults) const {
  const RecordingCanvas &canvas = fixture_.printer().recording();
  const auto &documents = canvas.documents();
  if (canvas.documentOpen())
    faults << QStringLiteral("a document was left open");
  if (!canvas.misuses().empty())
    faults << QStringLiteral("the canvas was misused: %1")
                  .arg(QString::fromStdString(canvas.misuses().front()));
  const auto added = static_cast<int32_t>(documents.size() - documentsBefore_);
  const int32_t attempts = canvas.beginAttempts() - attemptsBefore_;
  const bool refused = attempts > added;
  const auto unfinished =
      std::count_if(documents.begin() + static_cast<std::ptrdiff_t>(documentsBefore_),
                    documents.end(), [](const RecordedDocument &d) { return !d.finished; });
  const bool failed = refused || unfinished > 0;

  bool prints = false;
  int32_t expectedErrors = 0;
  for (const auto &[operation, value] : operations) {
    if (operation == Operation::LayOut) {
      expectedErrors = printer_.hasPage ? 0 : 1;
    } else if (isPreset(operation) && !printer_.hasPage) {
      expectedErrors = 1;
    } else if (isPrintRun(operation) || isPreset(operation)) {
      prints = true;
      expectedErrors = failed ? 1 : 0;
    }
  }
  const int sheets = before_.answerSheet ? 2 : 1;
  if (prints && !failed && added != sheets)
    faults << QStringLiteral("%1 documents printed, expected %2").arg(added).arg(sheets);
  if (prints && (added > sheets || attempts > added + 1 || unfinished > 1))
    faults << QStringLiteral("the run went on after a failure: %1 attempts, %2 documents")
                  .arg(attempts)
                  .arg(added);
  if (!prints && (added != 0 || attempts != 0))
    faults << QStringLiteral("%1 documents begun without a print run").arg(attempts);
  if (fixture_.errors.size() != expectedErrors)
    faults << QStringLiteral("%1 errors reported, expected %2: %3")
                  .arg(fixture_.errors.size())
                  .arg(expectedErrors)
                  .arg(fixture_.errors.join(QStringLiteral(" | ")));
  const bool setup = std::any_of(operations.begin(), operations.end(), [](const auto &operation) {
    return operation.first == Operation::PrinterSetup;
  });
  if (fixture_.printer().setupDialogs != setupDialogsBefore_ + (setup ? 1 : 0))
    faults << QStringLiteral("the printer set-up dialog opened %1 times")
                  .arg(fixture_.printer().setupDialogs - setupDialogsBefore_);
}

void WindowMonitor::checkControls(QStringList &faults) {
  // Raising a control reorders the children; only then are they sorted.
  std::vector<const QObject *> children = childrenOf(fixture_.form.get());
  if (children != children_) {
    if (sorted(children) != sortedChildren_)
      faults << QStringLiteral("a control was created or destroyed");
    children_ = std::move(children);
  }
  for (const QWidget *widget : neverShown_)
    if (!widget->isHidden())
      faults << QStringLiteral("%1 was shown").arg(widget->objectName());
  const QWidget *cover = fixture_.control("Image64");
  if (!cover->isHidden())
    for (const QPoint &centre : keyCentres_)
      if (fixture_.form->childAt(centre) != cover) {
        faults << QStringLiteral("the cover does not lie over the key at (%1, %2)")
                      .arg(centre.x())
                      .arg(centre.y());
        break;
      }
}
