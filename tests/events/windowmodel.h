#pragma once

#include "windowevent.h"
#include "windowsnapshot.h"

#include <QHash>
#include <QStringList>
#include <array>
#include <optional>

struct FormFixture;

// What each operation does to the window, applied to a snapshot: a reference
// model of the handlers. Where chance decides (reward pictures, shuffles, the
// worksheet blanks) the model checks the window's outcome against what chance
// may give and then takes it over.
class WindowModel {
public:
  explicit WindowModel(const FormFixture &fixture);

  struct Printer {
    bool hasPage = false;
    int32_t pageWidth = 0;
    int32_t pageHeight = 0;
  };

  // Applies `operation` to `expected`; `actual` is the window after the event.
  void apply(Operation operation, int32_t value, const Printer &printer,
             const WindowSnapshot &actual, WindowSnapshot &expected, QStringList &faults) const;

  // Faults of any snapshot, whatever happened before: values out of their
  // ranges and pictures no operation puts there.
  void checkInvariants(const WindowSnapshot &snapshot, QStringList &faults) const;

  // The store a picture comes from, for messages ("Image15", "no picture").
  [[nodiscard]] QString pictureName(qint64 key) const;

  [[nodiscard]] qint64 keyPicture(std::size_t key) const { return keys_[key]; }
  [[nodiscard]] qint64 pressedKeyPicture(std::size_t key) const { return pressed_[key]; }

private:
  void showNextProblem(WindowSnapshot &m) const;
  void endRun(WindowSnapshot &m) const;
  void checkEntry(const WindowSnapshot &actual, WindowSnapshot &m, QStringList &faults) const;
  void enterDigit(int32_t digit, const WindowSnapshot &actual, WindowSnapshot &m,
                  QStringList &faults) const;
  void erase(WindowSnapshot &m) const;
  void feedbackTick(WindowSnapshot &m) const;
  void clockTick(WindowSnapshot &m) const;
  void hintTick(WindowSnapshot &m) const;
  void startSubtractionRun(const WindowSnapshot &actual, WindowSnapshot &m,
                           QStringList &faults) const;
  void startDivisionRun(Operation operation, const WindowSnapshot &actual, WindowSnapshot &m,
                        QStringList &faults) const;
  void openRun(WindowSnapshot &m) const;
  void layOut(const Printer &printer, const WindowSnapshot &actual, WindowSnapshot &m,
              QStringList &faults) const;
  void print(Operation operation, const Printer &printer, const WindowSnapshot &actual,
             WindowSnapshot &m, QStringList &faults) const;
  void preset(Operation operation, const Printer &printer, const WindowSnapshot &actual,
              WindowSnapshot &m, QStringList &faults) const;
  void setSpinValue(WindowSnapshot &m, const WindowSnapshot &actual, int32_t spinEdit,
                    int32_t value) const;

  std::array<qint64, 10> digits_{};
  qint64 blank_ = 0;
  qint64 wrong_ = 0;
  std::array<qint64, 19> rewards_{};
  qint64 plainTile_ = 0;
  qint64 takenTile_ = 0;
  std::array<qint64, 11> keys_{};
  std::array<qint64, 11> pressed_{};
  QHash<qint64, QString> storeNames_;
};
