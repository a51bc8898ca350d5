#pragma once

#include <span>

class QObject;
class TForm1;

// Which event of which control runs which handler of the main window.
enum class FormEvent { Click, MouseDown, MouseUp, Timer, Change };

struct EventWire {
  const char *control;
  FormEvent event;
  void (TForm1::*handler)(QObject *Sender);
};

[[nodiscard]] std::span<const EventWire> form1Wiring();

// Connects every row of the wiring table; the handler receives the control
// as its sender.
void wireEvents(TForm1 *form);
