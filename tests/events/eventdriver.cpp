#include "eventdriver.h"

#include "eventactions.h"
#include "formfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QWindow>
#include <array>
#include <limits>

using namespace actions;

namespace {

struct HandlerCall {
  Operation operation;
  void (TForm1::*handler)(QObject *);
  const char *control;
};

constexpr auto kHandlerCalls = std::to_array<HandlerCall>({
    {Operation::FeedbackTick, &TForm1::Timer1Timer, "Timer1"},
    {Operation::ClockTick, &TForm1::Timer2Timer, "Timer2"},
    {Operation::HintTick, &TForm1::Timer3Timer, "Timer3"},
    {Operation::StartDivisionWithRemainder, &TForm1::Button29Click, "Button29"},
    {Operation::StartHardDivision, &TForm1::Button30Click, "Button30"},
    {Operation::StartExactDivision, &TForm1::Button31Click, "Button31"},
    {Operation::FillSubtractions, &TForm1::Button5Click, "Button5"},
    {Operation::ClearTable, &TForm1::Button12Click, "Button12"},
    {Operation::FillDivisionsWithRemainder, &TForm1::Button13Click, "Button13"},
    {Operation::FillHardSet, &TForm1::Button14Click, "Button14"},
    {Operation::FillExactDivisions, &TForm1::Button27Click, "Button27"},
    {Operation::Shuffle, &TForm1::Button6Click, "Button6"},
    {Operation::ShuffleHardSet, &TForm1::Button16Click, "Button16"},
    {Operation::LayOut, &TForm1::Button1Click, "Button1"},
    {Operation::PrinterSetup, &TForm1::Button3Click, "Button3"},
    {Operation::PrintMultiplication, &TForm1::Button2Click, "Button2"},
    {Operation::PrintDivisions, &TForm1::Button11Click, "Button11"},
    {Operation::PrintHardDivisions, &TForm1::Button15Click, "Button15"},
    {Operation::PresetTimesTable, &TForm1::Button4Click, "Button4"},
    {Operation::PresetDivisionsWithRemainder, &TForm1::Button7Click, "Button7"},
    {Operation::PresetExactDivisions, &TForm1::Button9Click, "Button9"},
    {Operation::PresetHardDivisions, &TForm1::Button10Click, "Button10"},
});

// Key pictures by the digit they key; index 10 is the erase key.
constexpr std::array<const char *, 11> kKeys{"Image41", "Image44", "Image45", "Image46",
                                             "Image47", "Image48", "Image49", "Image50",
                                             "Image51", "Image52", "Image62"};
// The hint buttons come up more often than the run start and the stop.
constexpr std::array<const char *, 6> kVisibleButtons{"BitBtn1", "BitBtn2", "BitBtn3",
                                                      "BitBtn3", "BitBtn4", "BitBtn4"};
constexpr std::array<const char *, 4> kRunLengthItems{"RadioGroup1Item0", "RadioGroup1Item1",
                                                      "RadioGroup1Item2", "RadioGroup1Item3"};
constexpr std::array<char, 9> kOtherCharacters{'C', 'a', 'x', ' ', '.', '-', '+', '#', 'Z'};
constexpr std::array<Qt::Key, 9> kOtherKeys{Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Backspace,
                                            Qt::Key_Return, Qt::Key_Escape,  Qt::Key_Left,
                                            Qt::Key_Right,  Qt::Key_Up,      Qt::Key_Down};
constexpr int32_t kLowest = std::numeric_limits<int32_t>::min();
constexpr int32_t kHighest = std::numeric_limits<int32_t>::max();
constexpr std::array<int32_t, 17> kSpinValues{
    0, -1, -7, 1, 2, 3, 4, 8, 19, 20, 21, 33, 100, 1000, 1000000000, kHighest, kLowest};
constexpr std::array<const char *, 6> kSpinTexts{"abc", "", "-", "1x", "++3", "99999999999"};

template <typename T, std::size_t N> T drawFrom(EventSource &source, const std::array<T, N> &from) {
  return from[source.pick(N)];
}

WindowEvent call(Operation operation, int32_t value = 0, int32_t number = 0) {
  WindowEvent event;
  event.kind = WindowEvent::Kind::Call;
  event.operation = operation;
  event.value = value;
  event.number = number;
  return event;
}

WindowEvent typed(char character) {
  WindowEvent event;
  event.kind = WindowEvent::Kind::Type;
  event.text = QString(QChar::fromLatin1(character));
  return event;
}

const HandlerCall &handlerCall(Operation operation) {
  for (const HandlerCall &handler : kHandlerCalls)
    if (handler.operation == operation)
      return handler;
  qFatal("no handler for operation %d", static_cast<int>(operation));
}

} // namespace

EventDriver::EventDriver(FormFixture &fixture, EventSource &source)
    : fixture_(fixture), diligent_(source.pick(4) == 0) {
  keypadArea_ = fixture_.control("Image64")->geometry();
}

QPoint EventDriver::pointIn(const QWidget *control, EventSource &source) const {
  const QPoint inside(static_cast<int>(source.pick(static_cast<uint32_t>(control->width()))),
                      static_cast<int>(source.pick(static_cast<uint32_t>(control->height()))));
  return control->mapTo(fixture_.form.get(), inside);
}

QPoint EventDriver::pointInWindow(EventSource &source) const {
  const QSize size = fixture_.form->size();
  return {static_cast<int>(source.pick(static_cast<uint32_t>(size.width()))),
          static_cast<int>(source.pick(static_cast<uint32_t>(size.height())))};
}

WindowEvent EventDriver::mouseEvent(WindowEvent::Kind kind, Qt::MouseButton button,
                                    const QWidget *control, QPoint at) const {
  WindowEvent event;
  event.kind = kind;
  event.button = button;
  event.at = at;
  event.target = control ? control->objectName() : QStringLiteral("window");
  return event;
}

WindowEvent EventDriver::keyEvent(int32_t digitOrErase, bool onKeypad) const {
  if (!onKeypad)
    return typed(digitOrErase == 10 ? 'c' : static_cast<char>('0' + digitOrErase));
  const QWidget *key = fixture_.control(kKeys[static_cast<std::size_t>(digitOrErase)]);
  return mouseEvent(WindowEvent::Kind::Click, Qt::LeftButton, key, fixture_.centreOf(key));
}

// Any button on a key or on the cover's area; left presses anywhere.
WindowEvent EventDriver::press(EventSource &source) const {
  static constexpr std::array<Qt::MouseButton, 3> kButtons{Qt::LeftButton, Qt::RightButton,
                                                           Qt::MiddleButton};
  Qt::MouseButton button = drawFrom(source, kButtons);
  // With a button held, a press goes to the control that took the first
  // one; a right press there would open an edit box's context menu, a popup
  // of Qt's own. So the other buttons go down only first, on a key or the
  // cover, where they have no menu.
  if (held_ != Qt::NoButton) {
    if (held_ & Qt::LeftButton)
      return release(source);
    button = Qt::LeftButton;
  }
  switch (source.pick(3)) {
  case 0: {
    const QWidget *key = fixture_.control(drawFrom(source, kKeys));
    return mouseEvent(WindowEvent::Kind::Press, button, key, pointIn(key, source));
  }
  case 1:
    return mouseEvent(WindowEvent::Kind::Press, button, fixture_.control("Image64"),
                      pointIn(fixture_.control("Image64"), source));
  default:
    if (button != Qt::LeftButton) {
      const QWidget *key = fixture_.control(drawFrom(source, kKeys));
      return mouseEvent(WindowEvent::Kind::Press, button, key, fixture_.centreOf(key));
    }
    return mouseEvent(WindowEvent::Kind::Press, button, nullptr, pointInWindow(source));
  }
}

// A held button let go on a key, on the cover's area or anywhere.
WindowEvent EventDriver::release(EventSource &source) const {
  Qt::MouseButton button = Qt::LeftButton;
  for (Qt::MouseButton candidate : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton})
    if (held_ & candidate)
      button = candidate;
  switch (source.pick(3)) {
  case 0: {
    const QWidget *key = fixture_.control(drawFrom(source, kKeys));
    return mouseEvent(WindowEvent::Kind::Release, button, key, pointIn(key, source));
  }
  case 1:
    return mouseEvent(WindowEvent::Kind::Release, button, fixture_.control("Image64"),
                      pointIn(fixture_.control("Image64"), source));
  default:
    return mouseEvent(WindowEvent::Kind::Release, button, nullptr, pointInWindow(source));
  }
}

// The digits of the answer on screen, as a child who knows it keys them;
// `clearFirst` erases a wrong entry before.
void EventDriver::appendAnswer(std::vector<WindowEvent> &events, bool onKeypad,
                               bool clearFirst) const {
  const DrillState &drill = fixture_.drill();
  const int32_t index = drill.CurrentIndex;
  if (index < 1 || index > 500) {
    events.push_back(keyEvent(index % 10, onKeypad));
    return;
  }
  const int32_t answer = fixture_.state().bank.ProblemTable.at(index).Result;
  if (answer < 0 || answer > 99) {
    events.push_back(keyEvent(0, onKeypad));
    return;
  }
  const bool tensKeyed = answer >= 10 && drill.EnteredAnswer == answer / 10;
  if (clearFirst && !tensKeyed)
    for (int32_t entered = drill.EnteredAnswer; entered != 0;
         entered = entered < 10 ? 0 : entered / 10)
      events.push_back(keyEvent(10, onKeypad));
  if (answer >= 10 && !tensKeyed)
    events.push_back(keyEvent(answer / 10, onKeypad));
  events.push_back(keyEvent(answer % 10, onKeypad));
}

std::vector<WindowEvent> EventDriver::drawAction(EventSource &source) {
  const bool free = held_ == Qt::NoButton;
  const Action action = diligent_ ? drawKind(source, kDiligent) : drawKind(source, kRestless);
  // Clicks start with every button up; with one held, its release comes first.
  const bool click = action == Action::KeyClick || action == Action::KeyDoubleClick ||
                     action == Action::OtherButtonKeyClick || action == Action::CoverClick ||
                     action == Action::VisibleButtonClick || action == Action::RunLengthClick ||
                     action == Action::AnywhereClick || action == Action::ProblemNumberClick;
  if (click && !free)
    return {release(source)};

  switch (action) {
  case Action::FeedbackTick:
    return {call(Operation::FeedbackTick)};
  case Action::ClockTick:
    return {call(Operation::ClockTick)};
  case Action::HintTick:
    return {call(Operation::HintTick)};
  case Action::TypeDigit:
    return {typed(static_cast<char>('0' + source.pick(10)))};
  case Action::TypeErase:
    return {typed('c')};
  case Action::TypeOther:
    return {typed(drawFrom(source, kOtherCharacters))};
  case Action::TypeOtherKey: {
    WindowEvent event;
    event.kind = WindowEvent::Kind::TypeKey;
    event.number = drawFrom(source, kOtherKeys);
    return {event};
  }
  case Action::AnswerDigit: {
    std::vector<WindowEvent> events;
    appendAnswer(events, free && source.pick(2) == 0, false);
    return events;
  }
  case Action::Solve: {
    std::vector<WindowEvent> events;
    const DrillState &drill = fixture_.drill();
    const bool standing = drill.FeedbackShown == 1;
    if (!standing)
      appendAnswer(events, free && source.pick(2) == 0, true);
    for (int tick = 0; tick < 6; ++tick)
      events.push_back(call(Operation::FeedbackTick));
    return events;
  }
  case Action::KeyClick:
  case Action::KeyDoubleClick: {
    const QWidget *key = fixture_.control(drawFrom(source, kKeys));
    const auto kind =
        action == Action::KeyClick ? WindowEvent::Kind::Click : WindowEvent::Kind::DoubleClick;
    return {mouseEvent(kind, Qt::LeftButton, key, pointIn(key, source))};
  }
  case Action::OtherButtonKeyClick: {
    const QWidget *key = fixture_.control(drawFrom(source, kKeys));
    const Qt::MouseButton button = source.pick(2) == 0 ? Qt::RightButton : Qt::MiddleButton;
    return {mouseEvent(WindowEvent::Kind::Click, button, key, pointIn(key, source))};
  }
  case Action::Press:
    return {press(source)};
  case Action::Release:
    return {free ? press(source) : release(source)};
  case Action::CoverClick: {
    const QWidget *cover = fixture_.control("Image64");
    const auto kind =
        source.pick(2) == 0 ? WindowEvent::Kind::Click : WindowEvent::Kind::DoubleClick;
    return {mouseEvent(kind, Qt::LeftButton, cover, pointIn(cover, source))};
  }
  case Action::VisibleButtonClick: {
    const QWidget *button = fixture_.control(drawFrom(source, kVisibleButtons));
    const auto kind =
        source.pick(4) == 0 ? WindowEvent::Kind::DoubleClick : WindowEvent::Kind::Click;
    return {mouseEvent(kind, Qt::LeftButton, button, pointIn(button, source))};
  }
  case Action::RunLengthClick: {
    const QWidget *item = fixture_.control(drawFrom(source, kRunLengthItems));
    const auto kind =
        source.pick(4) == 0 ? WindowEvent::Kind::DoubleClick : WindowEvent::Kind::Click;
    return {mouseEvent(kind, Qt::LeftButton, item, fixture_.centreOf(item))};
  }
  case Action::AnywhereClick: {
    const auto kind =
        source.pick(2) == 0 ? WindowEvent::Kind::Click : WindowEvent::Kind::DoubleClick;
    return {mouseEvent(kind, Qt::LeftButton, nullptr, pointInWindow(source))};
  }
  case Action::ProblemNumberClick: {
    const QWidget *edit = fixture_.control("Edit1");
    return {mouseEvent(WindowEvent::Kind::Click, Qt::LeftButton, edit, fixture_.centreOf(edit))};
  }
  case Action::DivisionRun: {
    static constexpr std::array<Operation, 3> kRuns{Operation::StartDivisionWithRemainder,
                                                    Operation::StartHardDivision,
                                                    Operation::StartExactDivision};
    return {call(drawFrom(source, kRuns))};
  }
  case Action::BankHandler: {
    static constexpr std::array<Operation, 7> kBank{Operation::FillSubtractions,
                                                    Operation::ClearTable,
                                                    Operation::FillDivisionsWithRemainder,
                                                    Operation::FillHardSet,
                                                    Operation::FillExactDivisions,
                                                    Operation::Shuffle,
                                                    Operation::ShuffleHardSet};
    return {call(drawFrom(source, kBank))};
  }
  case Action::SpinValue: {
    const auto spinEdit = static_cast<int32_t>(1 + source.pick(4));
    return {call(Operation::SetSpinValue, spinEdit, drawFrom(source, kSpinValues))};
  }
  case Action::SpinText: {
    WindowEvent event = call(Operation::SetSpinText, static_cast<int32_t>(1 + source.pick(4)));
    event.text = QString::fromLatin1(drawFrom(source, kSpinTexts));
    return {event};
  }
  case Action::CheckBox:
    return {call(Operation::ToggleCheckBox, source.pick(2) == 0 ? 12 : 13)};
  case Action::LayOut:
    return {call(Operation::LayOut)};
  case Action::PrinterSetup:
    return {call(Operation::PrinterSetup)};
  case Action::PrintRun: {
    static constexpr std::array<Operation, 3> kRuns{
        Operation::PrintMultiplication, Operation::PrintDivisions, Operation::PrintHardDivisions};
    return {call(drawFrom(source, kRuns))};
  }
  case Action::Preset: {
    static constexpr std::array<Operation, 4> kPresets{
        Operation::PresetTimesTable, Operation::PresetDivisionsWithRemainder,
        Operation::PresetExactDivisions, Operation::PresetHardDivisions};
    return {call(drawFrom(source, kPresets))};
  }
  case Action::PrinterChange:
    return {call(Operation::ChangePrinter, static_cast<int32_t>(source.pick(8)))};
  }
  return {};
}

// Changes 0 to 3 set the page (0 none: no printer installed); 4 to 7 arm a
// failure of the next or the second next document's beginning or end.
void EventDriver::changePrinter(int32_t change) {
  RecordingPrinter &printer = fixture_.printer();
  RecordingCanvas &canvas = printer.recording();
  const auto ends = static_cast<int32_t>(canvas.documents().size());
  switch (change) {
  case 0:
    printer.setPage(std::nullopt);
    break;
  case 1:
    printer.setPage(PrintablePage{4800, 6800});
    break;
  case 2:
    printer.setPage(PrintablePage{1, 1});
    break;
  case 3:
    printer.setPage(PrintablePage{40000, 30000});
    break;
  case 4:
  case 5:
    canvas.refuseBegin(canvas.beginAttempts() + change - 3);
    break;
  default:
    canvas.failEnd(ends + change - 5);
    break;
  }
}

void EventDriver::perform(const WindowEvent &event) {
  QWindow *window = fixture_.form->windowHandle();
  switch (event.kind) {
  case WindowEvent::Kind::Press:
    held_ |= event.button;
    QTest::mousePress(window, event.button, {}, event.at);
    return;
  case WindowEvent::Kind::Release:
    held_ &= ~event.button;
    QTest::mouseRelease(window, event.button, {}, event.at);
    return;
  case WindowEvent::Kind::Click:
    QTest::mouseClick(window, event.button, {}, event.at);
    return;
  case WindowEvent::Kind::DoubleClick:
    QTest::mouseDClick(window, event.button, {}, event.at);
    return;
  case WindowEvent::Kind::Type:
    QTest::keyClick(window, event.text.at(0).toLatin1());
    return;
  case WindowEvent::Kind::TypeKey:
    QTest::keyClick(window, static_cast<Qt::Key>(event.number));
    return;
  case WindowEvent::Kind::Call:
    break;
  }

  switch (event.operation) {
  case Operation::SetSpinValue:
    fixture_.control<QSpinBox>(qPrintable(QStringLiteral("SpinEdit%1").arg(event.value)))
        ->setValue(event.number);
    return;
  case Operation::SetSpinText:
    fixture_.control<QSpinBox>(qPrintable(QStringLiteral("SpinEdit%1").arg(event.value)))
        ->findChild<QLineEdit *>()
        ->setText(event.text);
    return;
  case Operation::ToggleCheckBox: {
    auto *box =
        fixture_.control<QCheckBox>(qPrintable(QStringLiteral("CheckBox%1").arg(event.value)));
    box->setChecked(!box->isChecked());
    return;
  }
  case Operation::ChangePrinter:
    changePrinter(event.value);
    return;
  default: {
    const HandlerCall &handler = handlerCall(event.operation);
    (fixture_.form.get()->*handler.handler)(fixture_.control<QObject>(handler.control));
    return;
  }
  }
}

void EventDriver::releaseAll() {
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
    if (held_ & button) {
      held_ &= ~button;
      QTest::mouseRelease(fixture_.form->windowHandle(), button, {}, QPoint(1, 1));
    }
}
