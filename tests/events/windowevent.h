#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>

// What a handler of the window does, as the checks tell operations apart.
// Keypad operations and the visible buttons' handlers are reached through the
// controls; the others are called as the hidden controls' handlers are.
enum class Operation {
  None,
  Digit, // value: the digit
  Erase,
  StartSubtraction,             // BitBtn1Click
  Stop,                         // BitBtn2Click
  ShowHint,                     // BitBtn3Click
  AnimateHint,                  // BitBtn4Click
  StartDivisionWithRemainder,   // Button29Click
  StartHardDivision,            // Button30Click
  StartExactDivision,           // Button31Click
  FeedbackTick,                 // Timer1Timer
  ClockTick,                    // Timer2Timer
  HintTick,                     // Timer3Timer
  FillSubtractions,             // Button5Click
  ClearTable,                   // Button12Click
  FillDivisionsWithRemainder,   // Button13Click
  FillHardSet,                  // Button14Click
  FillExactDivisions,           // Button27Click
  Shuffle,                      // Button6Click
  ShuffleHardSet,               // Button16Click
  LayOut,                       // Button1Click
  PrinterSetup,                 // Button3Click
  PrintMultiplication,          // Button2Click
  PrintDivisions,               // Button11Click
  PrintHardDivisions,           // Button15Click
  PresetTimesTable,             // Button4Click
  PresetDivisionsWithRemainder, // Button7Click
  PresetExactDivisions,         // Button9Click
  PresetHardDivisions,          // Button10Click
  SetSpinValue,                 // value: spin edit 1..4
  SetSpinText,                  // value: spin edit 1..4
  ToggleCheckBox,               // value: 12 or 13
  ChangePrinter,                // the printer's page or an armed failure changes
};

// One event on the window: real input through its QWindow, a timer tick, or
// a handler of a hidden control called as other handlers call it.
struct WindowEvent {
  enum class Kind {
    Press,
    Release,
    Click,
    DoubleClick,
    Type,    // `text`: one character
    TypeKey, // `number`: a Qt::Key without text of its own meaning here
    Call,    // `operation` (a handler, a spin edit, a check box or the printer)
  };

  Kind kind = Kind::Call;
  Qt::MouseButton button = Qt::NoButton;
  QPoint at;
  QString target; // the control aimed at, for the description
  QString text;
  Operation operation = Operation::None;
  int32_t value = 0;
  int32_t number = 0;

  // One line that says what the event was, enough to tell it apart.
  [[nodiscard]] QString describe() const;
};

// The handler's name, e.g. "Button29Click", or what the event changes.
[[nodiscard]] QString operationName(Operation operation, int32_t value = 0);
