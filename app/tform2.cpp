#include "tform2.h"

#include <QFont>

TForm2::TForm2(QWidget *parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Form2"));
  setGeometry(119, 218, 393, 453); // outer 401 x 480 less a classic frame
  QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
  font.setPixelSize(12);
  setFont(font);
  // Closing the main window ends the program whatever this window does.
  setAttribute(Qt::WA_QuitOnClose, false);
}

TForm2::~TForm2() = default;
