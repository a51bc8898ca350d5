#pragma once

#include "worksheetjob.h"

#include <QWidget>

#include <optional>

class QCheckBox;
class QSpinBox;

// A range the user may set or leave to the kind: a tick and two numbers.
class RangeField : public QWidget {
  Q_OBJECT

public:
  explicit RangeField(const QString &tick, QWidget *parent = nullptr);

  [[nodiscard]] std::optional<NumberRange> range() const;
  void setRange(std::optional<NumberRange> range);
  [[nodiscard]] QCheckBox *tick() const { return tick_; }
  [[nodiscard]] QSpinBox *low() const { return low_; }
  [[nodiscard]] QSpinBox *high() const { return high_; }

Q_SIGNALS:
  void changed();

private:
  QCheckBox *const tick_;
  QSpinBox *const low_;
  QSpinBox *const high_;
};
