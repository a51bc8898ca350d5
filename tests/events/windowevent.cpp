#include "windowevent.h"

#include <array>

namespace {

QString buttonName(Qt::MouseButton button) {
  switch (button) {
  case Qt::LeftButton:
    return QStringLiteral("left");
  case Qt::RightButton:
    return QStringLiteral("right");
  case Qt::MiddleButton:
    return QStringLiteral("middle");
  default:
    return QStringLiteral("button %1").arg(static_cast<int>(button));
  }
}

QString kindName(WindowEvent::Kind kind) {
  switch (kind) {
  case WindowEvent::Kind::Press:
    return QStringLiteral("press");
  case WindowEvent::Kind::Release:
    return QStringLiteral("release");
  case WindowEvent::Kind::Click:
    return QStringLiteral("click");
  case WindowEvent::Kind::DoubleClick:
    return QStringLiteral("double-click");
  default:
    return {};
  }
}

} // namespace

QString operationName(Operation operation, int32_t value) {
  switch (operation) {
  case Operation::None:
    return QStringLiteral("nothing");
  case Operation::Digit:
    return QStringLiteral("digit %1").arg(value);
  case Operation::Erase:
    return QStringLiteral("erase");
  case Operation::StartSubtraction:
    return QStringLiteral("BitBtn1Click");
  case Operation::Stop:
    return QStringLiteral("BitBtn2Click");
  case Operation::ShowHint:
    return QStringLiteral("BitBtn3Click");
  case Operation::AnimateHint:
    return QStringLiteral("BitBtn4Click");
  case Operation::StartDivisionWithRemainder:
    return QStringLiteral("Button29Click");
  case Operation::StartHardDivision:
    return QStringLiteral("Button30Click");
  case Operation::StartExactDivision:
    return QStringLiteral("Button31Click");
  case Operation::FeedbackTick:
    return QStringLiteral("Timer1Timer");
  case Operation::ClockTick:
    return QStringLiteral("Timer2Timer");
  case Operation::HintTick:
    return QStringLiteral("Timer3Timer");
  case Operation::FillSubtractions:
    return QStringLiteral("Button5Click");
  case Operation::ClearTable:
    return QStringLiteral("Button12Click");
  case Operation::FillDivisionsWithRemainder:
    return QStringLiteral("Button13Click");
  case Operation::FillHardSet:
    return QStringLiteral("Button14Click");
  case Operation::FillExactDivisions:
    return QStringLiteral("Button27Click");
  case Operation::Shuffle:
    return QStringLiteral("Button6Click");
  case Operation::ShuffleHardSet:
    return QStringLiteral("Button16Click");
  case Operation::LayOut:
    return QStringLiteral("Button1Click");
  case Operation::PrinterSetup:
    return QStringLiteral("Button3Click");
  case Operation::PrintMultiplication:
    return QStringLiteral("Button2Click");
  case Operation::PrintDivisions:
    return QStringLiteral("Button11Click");
  case Operation::PrintHardDivisions:
    return QStringLiteral("Button15Click");
  case Operation::PresetTimesTable:
    return QStringLiteral("Button4Click");
  case Operation::PresetDivisionsWithRemainder:
    return QStringLiteral("Button7Click");
  case Operation::PresetExactDivisions:
    return QStringLiteral("Button9Click");
  case Operation::PresetHardDivisions:
    return QStringLiteral("Button10Click");
  case Operation::SetSpinValue:
    return QStringLiteral("SpinEdit%1 value").arg(value);
  case Operation::SetSpinText:
    return QStringLiteral("SpinEdit%1 text").arg(value);
  case Operation::ToggleCheckBox:
    return QStringLiteral("CheckBox%1 toggled").arg(value);
  case Operation::ChangePrinter: {
    static const std::array<const char *, 8> kChanges{"no printer installed",
                                                      "page 4800 x 6800",
                                                      "page 1 x 1",
                                                      "page 40000 x 30000",
                                                      "next document refused",
                                                      "second next document refused",
                                                      "next document fails to finish",
                                                      "second next document fails to finish"};
    if (value >= 0 && value < static_cast<int32_t>(kChanges.size()))
      return QStringLiteral("printer: %1")
          .arg(QString::fromLatin1(kChanges[static_cast<std::size_t>(value)]));
    return QStringLiteral("printer change %1").arg(value);
  }
  }
  return QStringLiteral("operation %1").arg(static_cast<int>(operation));
}

QString WindowEvent::describe() const {
  switch (kind) {
  case Kind::Press:
  case Kind::Release:
  case Kind::Click:
  case Kind::DoubleClick:
    return QStringLiteral("%1 %2 at (%3, %4) on %5")
        .arg(buttonName(button), kindName(kind))
        .arg(at.x())
        .arg(at.y())
        .arg(target);
  case Kind::Type:
    return QStringLiteral("type '%1'").arg(text);
  case Kind::TypeKey:
    return QStringLiteral("type key 0x%1").arg(number, 0, 16);
  case Kind::Call:
    break;
  }
  if (operation == Operation::SetSpinValue)
    return QStringLiteral("SpinEdit%1 set to %2").arg(value).arg(number);
  if (operation == Operation::SetSpinText)
    return QStringLiteral("SpinEdit%1 text set to \"%2\"").arg(value).arg(text);
  return operationName(operation, value);
}
