#include "firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

class FirstFrameWatch final : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                Qt::QueuedConnection);
    }
    return false;
  }
};

} // namespace

void quitAtFirstFrame(QWidget *window) { window->installEventFilter(new FirstFrameWatch(window)); }
