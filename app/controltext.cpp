#include "controltext.h"

#include <QLabel>
#include <QLineEdit>

namespace {

void fitLabel(QWidget *control) {
  if (auto *label = qobject_cast<QLabel *>(control))
    label->adjustSize();
}

} // namespace

void hideControls(std::initializer_list<QWidget *> controls) {
  for (QWidget *control : controls)
    control->hide();
}

void setCaption(QLabel *label, const QString &caption) {
  if (label->text() == caption)
    return;
  label->setText(caption);
  label->adjustSize();
}

void setText(QLineEdit *edit, const QString &text) {
  if (edit->text() != text)
    edit->setText(text);
}

void setFontPoints(QWidget *control, int points) {
  QFont font = control->font();
  if (font.pointSize() == points)
    return;
  font.setPointSize(points);
  control->setFont(font);
  fitLabel(control);
}

void setFontColour(QWidget *control, QColor colour) {
  QPalette palette = control->palette();
  if (palette.color(QPalette::WindowText) == colour && palette.color(QPalette::Text) == colour)
    return;
  palette.setColor(QPalette::WindowText, colour);
  palette.setColor(QPalette::Text, colour);
  control->setPalette(palette);
}
