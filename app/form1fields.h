#pragma once

#include <array>

class PictureImage;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QWidget;
class RadioGroup;

// The main window's controls as the handlers use them, bound by component
// name to the controls its definition created.
struct Form1Fields {
  void bindFields(QWidget *form);

  // Problem row.
  QLineEdit *Edit1 = nullptr;
  PictureImage *Image24 = nullptr, *Image25 = nullptr, *Image26 = nullptr;
  PictureImage *Image27 = nullptr, *Image68 = nullptr, *Image28 = nullptr;
  QLabel *Label6 = nullptr, *Label8 = nullptr, *Label10 = nullptr;
  QLabel *Label5 = nullptr, *Label7 = nullptr, *Label9 = nullptr, *Label11 = nullptr;

  // Feedback.
  PictureImage *Image1 = nullptr, *Image2 = nullptr;
  QLabel *Label12 = nullptr, *Label13 = nullptr;

  // Keypad: key pictures, the save slot, the cover and the hidden key buttons.
  PictureImage *Image41 = nullptr, *Image44 = nullptr, *Image45 = nullptr, *Image46 = nullptr;
  PictureImage *Image47 = nullptr, *Image48 = nullptr, *Image49 = nullptr, *Image50 = nullptr;
  PictureImage *Image51 = nullptr, *Image52 = nullptr, *Image62 = nullptr;
  PictureImage *Image43 = nullptr, *Image64 = nullptr;
  PictureImage *Image42 = nullptr, *Image53 = nullptr, *Image54 = nullptr, *Image55 = nullptr;
  PictureImage *Image56 = nullptr, *Image57 = nullptr, *Image58 = nullptr, *Image59 = nullptr;
  PictureImage *Image60 = nullptr, *Image61 = nullptr, *Image63 = nullptr; // pressed keys
  QPushButton *Button17 = nullptr, *Button18 = nullptr, *Button19 = nullptr, *Button20 = nullptr;
  QPushButton *Button21 = nullptr, *Button22 = nullptr, *Button23 = nullptr, *Button24 = nullptr;
  QPushButton *Button25 = nullptr, *Button26 = nullptr, *Button28 = nullptr;

  // Run controls and the hint panel.
  RadioGroup *RadioGroup1 = nullptr;
  QFrame *Panel1 = nullptr;

  // Results and time.
  QLabel *Label14 = nullptr, *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr;
  QLabel *Label19 = nullptr, *Label22 = nullptr;
  QLineEdit *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr;
  QLineEdit *Edit6 = nullptr, *Edit7 = nullptr;

  // Worksheet printing.
  QSpinBox *SpinEdit1 = nullptr, *SpinEdit2 = nullptr, *SpinEdit3 = nullptr, *SpinEdit4 = nullptr;
  QCheckBox *CheckBox12 = nullptr, *CheckBox13 = nullptr;

  QTimer *Timer1 = nullptr, *Timer2 = nullptr, *Timer3 = nullptr;

  // Picture stores.
  PictureImage *Image23 = nullptr;                     // blank glyph
  PictureImage *Image3 = nullptr;                      // wrong answer
  PictureImage *Image12 = nullptr, *Image13 = nullptr; // first-try and corrected marks
  PictureImage *Image69 = nullptr, *Image70 = nullptr; // taken-away and plain tile

  // Groups the handlers index.
  std::array<PictureImage *, 10> DigitGlyphs{}; // glyph of digit d
  std::array<PictureImage *, 19> RewardList{};  // reward r = 4..22 at r - 4
  std::array<PictureImage *, 9> HintTiles{};    // tile k = 1 (bottom) .. 9 (top) at k - 1
  std::array<QWidget *, 22> KeypadControls{};   // key pictures and key buttons
};
