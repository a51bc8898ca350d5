#pragma once

// The main window of Numeriko.
//
// TForm1 is built from its definition (formdefinition.cpp: one table of
// every control and picture, read by controlfactory.cpp) and binds the
// controls its handlers use by name (form1fields). Every action of the
// program is a handler of TForm1, named after its control and event and
// wired by the table in eventwiring.cpp; handlers reuse behaviour by calling
// one another, as the hidden buttons' handlers exist to be called. The
// handlers are thin: the problem bank (problems/), the drill's arithmetic
// (drill/core/) and the page layout and print runs (print/) are plain C++,
// and the handlers apply their results to the controls. The handlers are
// defined beside their subsystem: keypad input in app/keypad.cpp, the drill
// in drill/*.cpp, printing in print/ui/*.cpp.
//
// All state lives in one NumerikoState, created zeroed with the window.

#include "form1fields.h"
#include "form1services.h"
#include "numerikostate.h"
#include "printruns.h"

#include <QWidget>

#include <memory>

class PictureShelf;
struct WorksheetPreset;
class WindowSurface;

class TForm1 : public QWidget, protected Form1Fields {
  Q_OBJECT

public:
  explicit TForm1(Form1Services services = {}, QWidget *parent = nullptr);
  ~TForm1() override;

  [[nodiscard]] NumerikoState &state() { return *state_; }
  [[nodiscard]] const NumerikoState &state() const { return *state_; }
  [[nodiscard]] const WindowSurface &surface() const { return *surface_; }

  // Centres the window on its screen the first time it is shown, before its
  // native window is made: moved once made, it would first ask the display
  // for its frame.
  void setVisible(bool visible) override;

  // Keyboard (key preview).
  void FormKeyPress(QObject *Sender, QChar Key);

  // Keypad operations.
  void Button17Click(QObject *Sender);
  void Button18Click(QObject *Sender);
  void Button19Click(QObject *Sender);
  void Button20Click(QObject *Sender);
  void Button21Click(QObject *Sender);
  void Button22Click(QObject *Sender);
  void Button23Click(QObject *Sender);
  void Button24Click(QObject *Sender);
  void Button25Click(QObject *Sender);
  void Button26Click(QObject *Sender);
  void Button28Click(QObject *Sender);

  // Key pictures.
  void Image41Click(QObject *Sender);
  void Image44Click(QObject *Sender);
  void Image45Click(QObject *Sender);
  void Image46Click(QObject *Sender);
  void Image47Click(QObject *Sender);
  void Image48Click(QObject *Sender);
  void Image49Click(QObject *Sender);
  void Image50Click(QObject *Sender);
  void Image51Click(QObject *Sender);
  void Image52Click(QObject *Sender);
  void Image62Click(QObject *Sender);
  void Image41MouseDown(QObject *Sender);
  void Image44MouseDown(QObject *Sender);
  void Image45MouseDown(QObject *Sender);
  void Image46MouseDown(QObject *Sender);
  void Image47MouseDown(QObject *Sender);
  void Image48MouseDown(QObject *Sender);
  void Image49MouseDown(QObject *Sender);
  void Image50MouseDown(QObject *Sender);
  void Image51MouseDown(QObject *Sender);
  void Image52MouseDown(QObject *Sender);
  void Image62MouseDown(QObject *Sender);
  void Image41MouseUp(QObject *Sender);
  void Image44MouseUp(QObject *Sender);
  void Image45MouseUp(QObject *Sender);
  void Image46MouseUp(QObject *Sender);
  void Image47MouseUp(QObject *Sender);
  void Image48MouseUp(QObject *Sender);
  void Image49MouseUp(QObject *Sender);
  void Image50MouseUp(QObject *Sender);
  void Image51MouseUp(QObject *Sender);
  void Image52MouseUp(QObject *Sender);
  void Image62MouseUp(QObject *Sender);

  // Problem bank.
  void Button5Click(QObject *Sender);
  void Button6Click(QObject *Sender);
  void Button12Click(QObject *Sender);
  void Button13Click(QObject *Sender);
  void Button14Click(QObject *Sender);
  void Button16Click(QObject *Sender);
  void Button27Click(QObject *Sender);

  // Drill: run start and problem display.
  void BitBtn1Click(QObject *Sender);
  void Button29Click(QObject *Sender);
  void Button30Click(QObject *Sender);
  void Button31Click(QObject *Sender);
  void Button32Click(QObject *Sender);
  // Answer checking and the feedback timer.
  void Button33Click(QObject *Sender);
  void Timer1Timer(QObject *Sender);
  // Results and the clock.
  void Button34Click(QObject *Sender);
  void BitBtn2Click(QObject *Sender);
  void Timer2Timer(QObject *Sender);
  // Hints.
  void BitBtn3Click(QObject *Sender);
  void BitBtn4Click(QObject *Sender);
  void Timer3Timer(QObject *Sender);

  // Worksheet printing: layout, printer set-up, print runs and presets.
  void Button1Click(QObject *Sender);
  void Button3Click(QObject *Sender);
  void SpinEdit1Change(QObject *Sender);
  void SpinEdit2Change(QObject *Sender);
  void SpinEdit3Change(QObject *Sender);
  void SpinEdit4Change(QObject *Sender);
  void Button2Click(QObject *Sender);
  void Button11Click(QObject *Sender);
  void Button15Click(QObject *Sender);
  void Button4Click(QObject *Sender);
  void Button7Click(QObject *Sender);
  void Button9Click(QObject *Sender);
  void Button10Click(QObject *Sender);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  // Keypad.
  void enterDigit(QObject *Sender, int32_t digit);
  void pressKey(PictureImage *key, const PictureImage *pressed);
  void releaseKey(PictureImage *key);
  // Drill.
  void startRunFrame();
  void startDivisionRun(void (TForm1::*fill)(QObject *), void (TForm1::*shuffle)(QObject *),
                        QObject *Sender);
  void openKeypad();
  void setKeypadEnabled(bool enabled);
  void showGlyph(PictureImage *cell, int glyph);
  void writeLogLine(int32_t problemIndex);
  ProblemRecord *problemOnScreen();
  // Printing.
  bool layOutPage();
  void setPresetGrid(const WorksheetPreset &preset);
  void runPreset(const WorksheetPreset &preset, QObject *Sender);
  [[nodiscard]] PrintOptions printOptions() const;
  void reportPrintOutcome(PrintOutcome outcome);

  std::unique_ptr<NumerikoState> state_;
  Form1Services services_;
  std::unique_ptr<PictureShelf> pictures_;
  std::unique_ptr<WindowSurface> surface_;
  bool placed_ = false;
};
