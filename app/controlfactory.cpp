#include "controlfactory.h"

#include "fonts.h"
#include "picturecatalogue.h"
#include "pictureimage.h"
#include "pictureshelf.h"
#include "radiogroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <limits>
#include <string_view>
#include <vector>

namespace {

QString text(const char *utf8) { return utf8 ? QString::fromUtf8(utf8) : QString(); }

void setTextColour(QWidget *widget, QColor colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::ButtonText, colour);
  // Text is what an edit box types in; elsewhere it draws the radio and check
  // marks, which must stay visible on their white fields.
  if (qobject_cast<QLineEdit *>(widget))
    palette.setColor(QPalette::Text, colour);
  widget->setPalette(palette);
}

void setBackground(QWidget *widget, QColor colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, colour);
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

bool isWindowFont(const FontDef &font, const FontDef &windowFont) {
  const bool family = !font.family || std::string_view(font.family) == windowFont.family;
  const bool size = font.pixels == 0 || font.pixels == windowFont.pixels;
  return family && size && font.bold == windowFont.bold;
}

QWidget *createWidget(const ControlDef &def, QWidget *parent, PictureShelf &pictures) {
  switch (def.kind) {
  case ControlKind::Edit:
    return new QLineEdit(text(def.caption), parent);
  case ControlKind::Label:
    return new QLabel(text(def.caption), parent);
  case ControlKind::Image: {
    auto *image = new PictureImage(parent);
    if (def.picture) {
      const PictureFile *file = findPictureFile(def.picture);
      image->setPicture(pictures.picture(text(def.picture)),
                        file ? QString::fromUtf8(file->description) : QString());
    }
    if (def.accessibleName)
      image->setFixedName(text(def.accessibleName));
    image->setStretch(def.stretch);
    return image;
  }
  case ControlKind::Button:
  case ControlKind::BitBtn:
    return new QPushButton(text(def.caption), parent);
  case ControlKind::SpinEdit: {
    auto *spin = new QSpinBox(parent);
    spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spin->setValue(def.value);
    return spin;
  }
  case ControlKind::CheckBox: {
    auto *box = new QCheckBox(text(def.caption), parent);
    box->setChecked(def.value != 0);
    return box;
  }
  case ControlKind::RadioGroup: {
    auto *group = new RadioGroup(text(def.caption), text(def.items).split(u'|'), parent);
    group->setItemIndex(def.value);
    return group;
  }
  case ControlKind::Panel: {
    auto *panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
  }
  case ControlKind::Timer:
  case ControlKind::PrinterSetupDialog:
    break;
  }
  return nullptr;
}

// Fits a label that starts hidden to its text when it is first shown, so that
// start-up measures only the texts on show (a hidden label's font may be one
// nothing on show uses, and measuring loads it).
class FitToTextWhenShown final : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Show) {
      static_cast<QWidget *>(watched)->adjustSize();
      watched->removeEventFilter(this);
    }
    return false;
  }
};

// A line edit lays out its text in the application's font before it takes its
// own, which costs a font of its own at start-up. While the controls are made
// the application's font is the window's, whose font is loaded anyway.
class ApplicationFontWhileMaking {
public:
  explicit ApplicationFontWhileMaking(const QFont &font) : saved_(QApplication::font()) {
    QApplication::setFont(font);
  }
  ~ApplicationFontWhileMaking() { QApplication::setFont(saved_); }
  ApplicationFontWhileMaking(const ApplicationFontWhileMaking &) = delete;
  ApplicationFontWhileMaking &operator=(const ApplicationFontWhileMaking &) = delete;

private:
  QFont saved_;
};

bool isWindowed(ControlKind kind) {
  switch (kind) {
  case ControlKind::Edit:
  case ControlKind::Button:
  case ControlKind::BitBtn:
  case ControlKind::SpinEdit:
  case ControlKind::CheckBox:
  case ControlKind::RadioGroup:
  case ControlKind::Panel:
    return true;
  default:
    return false;
  }
}

} // namespace

void createControls(QWidget *form, const WindowDef &window, std::span<const ControlDef> controls,
                    PictureShelf &pictures) {
  const ApplicationFontWhileMaking windowFont(form->font());
  std::vector<QWidget *> windowed;
  for (const ControlDef &def : controls) {
    const QString name = QString::fromUtf8(def.name);
    if (def.kind == ControlKind::Timer) {
      auto *timer = new QTimer(form);
      timer->setObjectName(name);
      timer->setInterval(def.value);
      continue;
    }
    // The printer set-up dialog is not on screen; it is made when opened.
    if (def.kind == ControlKind::PrinterSetupDialog)
      continue;

    QWidget *parent = def.parent ? form->findChild<QWidget *>(QString::fromUtf8(def.parent)) : form;
    QWidget *widget = createWidget(def, parent, pictures);
    widget->setObjectName(name);
    // Most controls are in the window's own font: they inherit it instead of
    // each resolving a font of its own.
    if (!isWindowFont(def.font, window.font))
      widget->setFont(fontFor(def.font, window.font));
    if (def.font.colour != Colour::Default)
      setTextColour(widget, colourFor(def.font.colour, Qt::white));
    if (def.background != Colour::Default)
      setBackground(widget, colourFor(def.background, Qt::white));
    if (def.width > 0)
      widget->setGeometry(def.left, def.top, def.width, def.height);
    else {
      widget->move(def.left, def.top);
      if (def.visible)
        widget->adjustSize();
      else
        widget->installEventFilter(new FitToTextWhenShown(widget));
    }
    widget->setVisible(def.visible);
    widget->setEnabled(def.enabled);
    if (auto *group = qobject_cast<RadioGroup *>(widget)) {
      const QList<QAbstractButton *> items = group->items();
      for (int i = 0; i < items.size(); ++i)
        items[i]->setObjectName(name + QStringLiteral("Item%1").arg(i));
    }
    if (isWindowed(def.kind))
      windowed.push_back(widget);
  }
  for (QWidget *widget : windowed)
    widget->raise();
}

#include "controlfactory.moc"
