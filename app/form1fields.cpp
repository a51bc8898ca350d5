#include "form1fields.h"

#include "answercheck.h"
#include "pictureimage.h"
#include "radiogroup.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {

// A definition without the control the code names is a fault of the program
// itself; stop at once rather than run with a missing control.
template <typename T> T *child(QWidget *form, const char *name) {
  T *found = form->findChild<T *>(QString::fromLatin1(name));
  if (!found)
    qFatal("The main window has no control %s of the expected kind", name);
  return found;
}

} // namespace

#define NUMERIKO_BIND(field) field = child<std::remove_pointer_t<decltype(field)>>(form, #field)

void Form1Fields::bindFields(QWidget *form) {
  NUMERIKO_BIND(Edit1);
  NUMERIKO_BIND(Image24);
  NUMERIKO_BIND(Image25);
  NUMERIKO_BIND(Image26);
  NUMERIKO_BIND(Image27);
  NUMERIKO_BIND(Image68);
  NUMERIKO_BIND(Image28);
  NUMERIKO_BIND(Label5);
  NUMERIKO_BIND(Label6);
  NUMERIKO_BIND(Label7);
  NUMERIKO_BIND(Label8);
  NUMERIKO_BIND(Label9);
  NUMERIKO_BIND(Label10);
  NUMERIKO_BIND(Label11);
  NUMERIKO_BIND(Image1);
  NUMERIKO_BIND(Image2);
  NUMERIKO_BIND(Label12);
  NUMERIKO_BIND(Label13);
  NUMERIKO_BIND(Image41);
  NUMERIKO_BIND(Image44);
  NUMERIKO_BIND(Image45);
  NUMERIKO_BIND(Image46);
  NUMERIKO_BIND(Image47);
  NUMERIKO_BIND(Image48);
  NUMERIKO_BIND(Image49);
  NUMERIKO_BIND(Image50);
  NUMERIKO_BIND(Image51);
  NUMERIKO_BIND(Image52);
  NUMERIKO_BIND(Image62);
  NUMERIKO_BIND(Image43);
  NUMERIKO_BIND(Image64);
  NUMERIKO_BIND(Image42);
  NUMERIKO_BIND(Image53);
  NUMERIKO_BIND(Image54);
  NUMERIKO_BIND(Image55);
  NUMERIKO_BIND(Image56);
  NUMERIKO_BIND(Image57);
  NUMERIKO_BIND(Image58);
  NUMERIKO_BIND(Image59);
  NUMERIKO_BIND(Image60);
  NUMERIKO_BIND(Image61);
  NUMERIKO_BIND(Image63);
  NUMERIKO_BIND(Button17);
  NUMERIKO_BIND(Button18);
  NUMERIKO_BIND(Button19);
  NUMERIKO_BIND(Button20);
  NUMERIKO_BIND(Button21);
  NUMERIKO_BIND(Button22);
  NUMERIKO_BIND(Button23);
  NUMERIKO_BIND(Button24);
  NUMERIKO_BIND(Button25);
  NUMERIKO_BIND(Button26);
  NUMERIKO_BIND(Button28);
  NUMERIKO_BIND(RadioGroup1);
  NUMERIKO_BIND(Panel1);
  NUMERIKO_BIND(Label14);
  NUMERIKO_BIND(Label15);
  NUMERIKO_BIND(Label16);
  NUMERIKO_BIND(Label17);
  NUMERIKO_BIND(Label19);
  NUMERIKO_BIND(Label22);
  NUMERIKO_BIND(Edit2);
  NUMERIKO_BIND(Edit3);
  NUMERIKO_BIND(Edit4);
  NUMERIKO_BIND(Edit5);
  NUMERIKO_BIND(Edit6);
  NUMERIKO_BIND(Edit7);
  NUMERIKO_BIND(SpinEdit1);
  NUMERIKO_BIND(SpinEdit2);
  NUMERIKO_BIND(SpinEdit3);
  NUMERIKO_BIND(SpinEdit4);
  NUMERIKO_BIND(CheckBox12);
  NUMERIKO_BIND(CheckBox13);
  NUMERIKO_BIND(Timer1);
  NUMERIKO_BIND(Timer2);
  NUMERIKO_BIND(Timer3);
  NUMERIKO_BIND(Image23);
  NUMERIKO_BIND(Image3);
  NUMERIKO_BIND(Image12);
  NUMERIKO_BIND(Image13);
  NUMERIKO_BIND(Image69);
  NUMERIKO_BIND(Image70);

  constexpr std::array<const char *, 10> kDigitGlyphs{"Image22", "Image11", "Image14", "Image15",
                                                      "Image16", "Image17", "Image18", "Image19",
                                                      "Image20", "Image21"};
  for (std::size_t d = 0; d < kDigitGlyphs.size(); ++d)
    DigitGlyphs[d] = child<PictureImage>(form, kDigitGlyphs[d]);
  for (int32_t r = 4; r <= 22; ++r)
    RewardList[static_cast<std::size_t>(r - 4)] = child<PictureImage>(form, rewardPictureFor(r));
  constexpr std::array<const char *, 9> kTilesFromBottom{"Image86", "Image85", "Image84",
                                                         "Image83", "Image82", "Image81",
                                                         "Image80", "Image79", "Image78"};
  for (std::size_t k = 0; k < kTilesFromBottom.size(); ++k)
    HintTiles[k] = child<PictureImage>(form, kTilesFromBottom[k]);
  KeypadControls = {Button17, Button18, Button19, Button20, Button21, Button22, Button23, Button24,
                    Button25, Button26, Button28, Image41,  Image44,  Image45,  Image46,  Image47,
                    Image48,  Image49,  Image50,  Image51,  Image52,  Image62};
}
