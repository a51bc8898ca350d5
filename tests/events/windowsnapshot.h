#pragma once

#include "numerikostate.h"

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <string_view>

struct FormFixture;
class PictureImage;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;
class RadioGroup;

// The controls whose pictures, visibility, texts and state the checks
// compare, by component name.
inline constexpr auto kSnapshotPictures = std::to_array<std::string_view>({
    "Image24", "Image25", "Image26", "Image27", "Image68", "Image28", // problem row
    "Image41", "Image44", "Image45", "Image46", "Image47", "Image48", // keys 0..5
    "Image49", "Image50", "Image51", "Image52", "Image62",            // keys 6..9, C
    "Image43", "Image1",  "Image2",                                   // save slot, feedback
    "Image86", "Image85", "Image84", "Image83", "Image82",            // hint tiles 1..5
    "Image81", "Image80", "Image79", "Image78",                       // hint tiles 6..9
});
inline constexpr auto kSnapshotShown = std::to_array<std::string_view>({
    "Image1",  "Image2",  "Label12", "Label13", "Panel1",  "Image64", "Label6",  "Label8",
    "Edit2",   "Edit3",   "Edit4",   "Edit5",   "Edit6",   "Edit7",   "Label14", "Label15",
    "Label16", "Label17", "Label19", "Label22", "Image86", "Image85", "Image84", "Image83",
    "Image82", "Image81", "Image80", "Image79", "Image78",
});
inline constexpr auto kSnapshotTexts = std::to_array<std::string_view>({
    "Edit1",
    "Edit2",
    "Edit3",
    "Edit4",
    "Edit5",
    "Edit6",
    "Edit7",
    "Label6",
    "Label8",
    "Label10",
    "Label12",
    "Label13",
    "Label14",
    "Label15",
    "Label16",
    "Label17",
    "Label19",
    "Label22",
});
// The key pictures and the hidden key buttons, enabled and disabled together.
inline constexpr auto kSnapshotKeypad = std::to_array<std::string_view>({
    "Image41",  "Image44",  "Image45",  "Image46",  "Image47",  "Image48",  "Image49",  "Image50",
    "Image51",  "Image52",  "Image62",  "Button17", "Button18", "Button19", "Button20", "Button21",
    "Button22", "Button23", "Button24", "Button25", "Button26", "Button28",
});

template <std::size_t N>
consteval std::size_t indexOf(const std::array<std::string_view, N> &names, std::string_view name) {
  for (std::size_t i = 0; i < N; ++i)
    if (names[i] == name)
      return i;
  throw "not a control of the snapshot";
}

consteval std::size_t pictureOf(std::string_view name) { return indexOf(kSnapshotPictures, name); }
consteval std::size_t shownOf(std::string_view name) { return indexOf(kSnapshotShown, name); }
consteval std::size_t textOf(std::string_view name) { return indexOf(kSnapshotTexts, name); }

// Key k (0..9 the digits, 10 erase) in kSnapshotPictures and kSnapshotKeypad.
constexpr std::size_t kFirstKeyPicture = 6;
constexpr std::size_t kKeyCount = 11;
// Hint tile k (1 at the bottom .. 9 at the top) is picture and shown entry
// kFirstTile... + k - 1.
constexpr std::size_t kFirstTilePicture = 20;
constexpr std::size_t kFirstTileShown = 20;

struct WindowSnapshot {
  NumerikoState state;
  std::array<qint64, kSnapshotPictures.size()> pictures{};
  std::array<bool, kSnapshotShown.size()> shown{};
  std::array<QString, kSnapshotTexts.size()> texts;
  std::array<bool, kSnapshotKeypad.size()> keypadEnabled{};
  int runLengthItem = 0;
  bool nameField = false;
  bool answerSheet = false;
  std::array<int, 4> spinValues{};
  std::array<QString, 4> spinTexts;
};

// Takes snapshots of one window; the controls are looked up once.
class SnapshotCamera {
public:
  explicit SnapshotCamera(const FormFixture &fixture);
  void take(WindowSnapshot &snapshot) const;

private:
  const FormFixture &fixture_;
  std::array<const PictureImage *, kSnapshotPictures.size()> pictures_{};
  std::array<const QWidget *, kSnapshotShown.size()> shown_{};
  std::array<const QWidget *, kSnapshotTexts.size()> texts_{};
  std::array<const QWidget *, kSnapshotKeypad.size()> keypad_{};
  const RadioGroup *runLength_ = nullptr;
  const QCheckBox *nameField_ = nullptr;
  const QCheckBox *answerSheet_ = nullptr;
  std::array<const QSpinBox *, 4> spinEdits_{};
};

// What differs between what was expected and what the window holds, one line
// per difference (at most a few per table).
[[nodiscard]] QStringList snapshotDifferences(const WindowSnapshot &expected,
                                              const WindowSnapshot &actual,
                                              const std::function<QString(qint64)> &pictureName);
