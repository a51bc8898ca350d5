#pragma once

#include <QWidget>

// The second window: created hidden with the program and never shown.
class TForm2 : public QWidget {
  Q_OBJECT

public:
  explicit TForm2(QWidget *parent = nullptr);
  ~TForm2() override;
};
