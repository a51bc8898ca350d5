#include "radiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

// Items stand one under the other below the caption, evenly spaced.
constexpr int kCaptionHeight = 17;
constexpr int kItemLeft = 8;

} // namespace

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  for (int i = 0; i < items.size(); ++i) {
    auto *item = new QRadioButton(items[i], this);
    group_->addButton(item, i);
  }
}

RadioGroup::~RadioGroup() = default;

int RadioGroup::itemIndex() const { return group_->checkedId(); }

void RadioGroup::setItemIndex(int index) {
  if (QAbstractButton *item = group_->button(index))
    item->setChecked(true);
}

QList<QAbstractButton *> RadioGroup::items() const { return group_->buttons(); }

void RadioGroup::resizeEvent(QResizeEvent *event) {
  QGroupBox::resizeEvent(event);
  const QList<QAbstractButton *> buttons = group_->buttons();
  if (buttons.isEmpty())
    return;
  const int pitch = (height() - kCaptionHeight - 2) / static_cast<int>(buttons.size());
  for (int i = 0; i < buttons.size(); ++i)
    buttons[i]->setGeometry(kItemLeft, kCaptionHeight + i * pitch, width() - 2 * kItemLeft, pitch);
}
