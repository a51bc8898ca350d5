#include "tform1.h"

#include "controlfactory.h"
#include "eventwiring.h"
#include "fonts.h"
#include "formdefinition.h"
#include "pictureshelf.h"
#include "printerservice.h"
#include "windowsurface.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <chrono>

namespace {

const QColor kWindowGreen(0, 128, 0);

void reportInMessageBox(QWidget *window, const QString &message) {
  QMessageBox::critical(window, window->windowTitle(), message);
}

uint32_t clockSeed() {
  return static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

} // namespace

Form1Services::Form1Services() = default;
Form1Services::Form1Services(Form1Services &&) noexcept = default;
Form1Services &Form1Services::operator=(Form1Services &&) noexcept = default;
Form1Services::~Form1Services() = default;

TForm1::TForm1(Form1Services services, QWidget *parent)
    : QWidget(parent), state_(std::make_unique<NumerikoState>()), services_(std::move(services)),
      pictures_(std::make_unique<PictureShelf>()) {
  const WindowDef &window = form1Window();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(window.caption));
  resize(window.clientWidth, window.clientHeight);
  setFont(fontFor(window.font, window.font));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kWindowGreen);
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::ButtonText, Qt::white);
  setPalette(palette);
  // The paint handler covers every pixel from the drawing surface.
  setAttribute(Qt::WA_OpaquePaintEvent);
  surface_ = std::make_unique<WindowSurface>(this, QSize(window.clientWidth, window.clientHeight),
                                             kWindowGreen, font(), Qt::white);

  createControls(this, window, form1Controls(), *pictures_);
  bindFields(this);

  if (!services_.random)
    services_.random = std::make_unique<MersenneRandom>(clockSeed());
  if (!services_.printer)
    services_.printer = makeSystemPrinterService();
  if (!services_.reportError)
    services_.reportError = reportInMessageBox;

  wireEvents(this);
  qApp->installEventFilter(this);
  if (services_.startTimers) {
    Timer1->start();
    Timer2->start();
    Timer3->start();
  }
}

TForm1::~TForm1() = default;

bool TForm1::eventFilter(QObject *watched, QEvent *event) {
  // Key preview: a character typed while the window is active reaches the
  // window (its QWindow) once, before the focused control; it is passed on
  // untouched, so the focused control still receives it.
  if (event->type() == QEvent::KeyPress && watched == windowHandle()) {
    const QString typed = static_cast<QKeyEvent *>(event)->text();
    for (QChar key : typed)
      FormKeyPress(this, key);
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::paintEvent(QPaintEvent *event) {
  QPainter painter(this);
  surface_->paint(painter, event->rect());
}

void TForm1::setVisible(bool visible) {
  if (visible && !placed_) {
    placed_ = true;
    if (const QScreen *screen = this->screen()) {
      const WindowDef &window = form1Window();
      move(screen->availableGeometry().center() -
           QPoint(window.outerWidth / 2, window.outerHeight / 2));
    }
  }
  QWidget::setVisible(visible);
}
