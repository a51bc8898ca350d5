#pragma once

#include <cstdint>
#include <span>

// The main window's definition as data: every control in creation order,
// read by the control factory the way a form file is read. Positions are
// pixels of the client area (of Panel1 for its children), laid out for 96
// pixels per inch; font heights are in pixels.

enum class ControlKind {
  Edit,
  Label,
  Image,
  Button,
  BitBtn,
  SpinEdit,
  CheckBox,
  RadioGroup,
  Panel,
  Timer,
  PrinterSetupDialog,
};

enum class Colour { Default, White, Green, Yellow };

struct FontDef {
  const char *family = nullptr; // nullptr: the window's "ＭＳ Ｐゴシック"
  int pixels = 0;               // 0: the window's 12 pixels
  Colour colour = Colour::Default;
  bool bold = false;
};

struct ControlDef {
  const char *name;
  ControlKind kind;
  int left = 0;
  int top = 0;
  int width = 0; // 0: a label sizes itself to its text
  int height = 0;
  const char *caption = nullptr;
  FontDef font{};
  bool visible = true;
  bool enabled = true;
  const char *picture = nullptr; // picture file embedded in the program
  // A key's name for screen readers, whatever picture it shows.
  const char *accessibleName = nullptr;
  bool stretch = false;
  int value = 0; // spin edit value, timer interval, check box state, selected radio item
  const char *items = nullptr;  // radio group items, separated by '|'
  const char *parent = nullptr; // nullptr: the window itself
  Colour background = Colour::Default;
};

struct WindowDef {
  const char *caption;
  int clientWidth;
  int clientHeight;
  int outerWidth;
  int outerHeight;
  FontDef font;
};

[[nodiscard]] const WindowDef &form1Window();
[[nodiscard]] std::span<const ControlDef> form1Controls();
