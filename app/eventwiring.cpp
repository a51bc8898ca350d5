#include "eventwiring.h"

#include "pictureimage.h"
#include "tform1.h"

#include <QAbstractButton>
#include <QSpinBox>
#include <QTimer>

#include <array>

namespace {

using E = FormEvent;

constexpr auto kWiring = std::to_array<EventWire>({
    // Key pictures: click, press and release.
    {"Image41", E::Click, &TForm1::Image41Click},
    {"Image44", E::Click, &TForm1::Image44Click},
    {"Image45", E::Click, &TForm1::Image45Click},
    {"Image46", E::Click, &TForm1::Image46Click},
    {"Image47", E::Click, &TForm1::Image47Click},
    {"Image48", E::Click, &TForm1::Image48Click},
    {"Image49", E::Click, &TForm1::Image49Click},
    {"Image50", E::Click, &TForm1::Image50Click},
    {"Image51", E::Click, &TForm1::Image51Click},
    {"Image52", E::Click, &TForm1::Image52Click},
    {"Image62", E::Click, &TForm1::Image62Click},
    {"Image41", E::MouseDown, &TForm1::Image41MouseDown},
    {"Image44", E::MouseDown, &TForm1::Image44MouseDown},
    {"Image45", E::MouseDown, &TForm1::Image45MouseDown},
    {"Image46", E::MouseDown, &TForm1::Image46MouseDown},
    {"Image47", E::MouseDown, &TForm1::Image47MouseDown},
    {"Image48", E::MouseDown, &TForm1::Image48MouseDown},
    {"Image49", E::MouseDown, &TForm1::Image49MouseDown},
    {"Image50", E::MouseDown, &TForm1::Image50MouseDown},
    {"Image51", E::MouseDown, &TForm1::Image51MouseDown},
    {"Image52", E::MouseDown, &TForm1::Image52MouseDown},
    {"Image62", E::MouseDown, &TForm1::Image62MouseDown},
    {"Image41", E::MouseUp, &TForm1::Image41MouseUp},
    {"Image44", E::MouseUp, &TForm1::Image44MouseUp},
    {"Image45", E::MouseUp, &TForm1::Image45MouseUp},
    {"Image46", E::MouseUp, &TForm1::Image46MouseUp},
    {"Image47", E::MouseUp, &TForm1::Image47MouseUp},
    {"Image48", E::MouseUp, &TForm1::Image48MouseUp},
    {"Image49", E::MouseUp, &TForm1::Image49MouseUp},
    {"Image50", E::MouseUp, &TForm1::Image50MouseUp},
    {"Image51", E::MouseUp, &TForm1::Image51MouseUp},
    {"Image52", E::MouseUp, &TForm1::Image52MouseUp},
    {"Image62", E::MouseUp, &TForm1::Image62MouseUp},

    // Hidden key buttons, the keypad's operations.
    {"Button17", E::Click, &TForm1::Button17Click},
    {"Button18", E::Click, &TForm1::Button18Click},
    {"Button19", E::Click, &TForm1::Button19Click},
    {"Button20", E::Click, &TForm1::Button20Click},
    {"Button21", E::Click, &TForm1::Button21Click},
    {"Button22", E::Click, &TForm1::Button22Click},
    {"Button23", E::Click, &TForm1::Button23Click},
    {"Button24", E::Click, &TForm1::Button24Click},
    {"Button25", E::Click, &TForm1::Button25Click},
    {"Button26", E::Click, &TForm1::Button26Click},
    {"Button28", E::Click, &TForm1::Button28Click},

    // Drill.
    {"BitBtn1", E::Click, &TForm1::BitBtn1Click},
    {"Button29", E::Click, &TForm1::Button29Click},
    {"Button30", E::Click, &TForm1::Button30Click},
    {"Button31", E::Click, &TForm1::Button31Click},
    {"Button32", E::Click, &TForm1::Button32Click},
    {"Button33", E::Click, &TForm1::Button33Click},
    {"Timer1", E::Timer, &TForm1::Timer1Timer},
    {"Button34", E::Click, &TForm1::Button34Click},
    {"BitBtn2", E::Click, &TForm1::BitBtn2Click},
    {"Timer2", E::Timer, &TForm1::Timer2Timer},
    {"BitBtn3", E::Click, &TForm1::BitBtn3Click},
    {"BitBtn4", E::Click, &TForm1::BitBtn4Click},
    {"Timer3", E::Timer, &TForm1::Timer3Timer},

    // Problem bank.
    {"Button5", E::Click, &TForm1::Button5Click},
    {"Button6", E::Click, &TForm1::Button6Click},
    {"Button12", E::Click, &TForm1::Button12Click},
    {"Button13", E::Click, &TForm1::Button13Click},
    {"Button14", E::Click, &TForm1::Button14Click},
    {"Button16", E::Click, &TForm1::Button16Click},
    {"Button27", E::Click, &TForm1::Button27Click},

    // Worksheet printing.
    {"Button1", E::Click, &TForm1::Button1Click},
    {"Button3", E::Click, &TForm1::Button3Click},
    {"SpinEdit1", E::Change, &TForm1::SpinEdit1Change},
    {"SpinEdit2", E::Change, &TForm1::SpinEdit2Change},
    {"SpinEdit3", E::Change, &TForm1::SpinEdit3Change},
    {"SpinEdit4", E::Change, &TForm1::SpinEdit4Change},
    {"Button2", E::Click, &TForm1::Button2Click},
    {"Button11", E::Click, &TForm1::Button11Click},
    {"Button15", E::Click, &TForm1::Button15Click},
    {"Button4", E::Click, &TForm1::Button4Click},
    {"Button7", E::Click, &TForm1::Button7Click},
    {"Button9", E::Click, &TForm1::Button9Click},
    {"Button10", E::Click, &TForm1::Button10Click},
});

template <typename Control, typename Signal>
void connectTo(TForm1 *form, Control *control, const EventWire &wire, Signal signal) {
  const auto handler = wire.handler;
  QObject::connect(control, signal, form, [form, control, handler] { (form->*handler)(control); });
}

} // namespace

std::span<const EventWire> form1Wiring() { return kWiring; }

void wireEvents(TForm1 *form) {
  for (const EventWire &wire : kWiring) {
    QObject *control = form->findChild<QObject *>(QString::fromLatin1(wire.control));
    auto *picture = qobject_cast<PictureImage *>(control);
    auto *button = qobject_cast<QAbstractButton *>(control);
    auto *timer = qobject_cast<QTimer *>(control);
    auto *spin = qobject_cast<QSpinBox *>(control);
    switch (wire.event) {
    case FormEvent::Click:
      if (picture)
        connectTo(form, picture, wire, &PictureImage::clicked);
      else if (button)
        connectTo(form, button, wire, &QAbstractButton::clicked);
      else
        qFatal("%s cannot be clicked", wire.control);
      break;
    case FormEvent::MouseDown:
    case FormEvent::MouseUp:
      if (!picture)
        qFatal("%s is not a picture", wire.control);
      connectTo(form, picture, wire,
                wire.event == FormEvent::MouseDown ? &PictureImage::mouseDown
                                                   : &PictureImage::mouseUp);
      break;
    case FormEvent::Timer:
      if (!timer)
        qFatal("%s is not a timer", wire.control);
      connectTo(form, timer, wire, &QTimer::timeout);
      break;
    case FormEvent::Change:
      if (!spin)
        qFatal("%s is not a spin edit", wire.control);
      connectTo(form, spin, wire, &QSpinBox::valueChanged);
      break;
    }
  }
}
