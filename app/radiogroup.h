#pragma once

#include <QGroupBox>

class QAbstractButton;
class QButtonGroup;

// A captioned group of radio items, one of which is always selected.
class RadioGroup : public QGroupBox {
  Q_OBJECT

public:
  RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);
  ~RadioGroup() override;

  [[nodiscard]] int itemIndex() const;
  void setItemIndex(int index);
  [[nodiscard]] QList<QAbstractButton *> items() const;

protected:
  void resizeEvent(QResizeEvent *event) override;

private:
  QButtonGroup *const group_;
};
