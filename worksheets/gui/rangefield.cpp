#include "rangefield.h"

#include "jobvalidation.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

RangeField::RangeField(const QString &tick, QWidget *parent)
    : QWidget(parent), tick_(new QCheckBox(tick, this)), low_(new QSpinBox(this)),
      high_(new QSpinBox(this)) {
  auto *layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tick_);
  layout->addWidget(low_);
  layout->addWidget(new QLabel(QStringLiteral("–"), this));
  layout->addWidget(high_);
  layout->addStretch();
  for (QSpinBox *spin : {low_, high_}) {
    spin->setRange(int(kColumnOperandLimits.low), int(kColumnOperandLimits.high));
    spin->setEnabled(false);
    connect(spin, &QSpinBox::valueChanged, this, &RangeField::changed);
  }
  low_->setAccessibleName(tr("%1 から").arg(tick));
  high_->setAccessibleName(tr("%1 まで").arg(tick));
  high_->setValue(9);
  connect(tick_, &QCheckBox::toggled, this, [this](bool on) {
    low_->setEnabled(on);
    high_->setEnabled(on);
    Q_EMIT changed();
  });
}

std::optional<NumberRange> RangeField::range() const {
  if (!tick_->isChecked())
    return std::nullopt;
  return NumberRange{low_->value(), high_->value()};
}

void RangeField::setRange(std::optional<NumberRange> range) {
  tick_->setChecked(range.has_value());
  if (range) {
    low_->setValue(int(range->low));
    high_->setValue(int(range->high));
  }
}
