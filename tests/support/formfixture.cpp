#include "formfixture.h"

#include "fonts.h"
#include "radiogroup.h"

#include <QAbstractButton>
#include <QTest>
#include <QWindow>

FormFixture::FormFixture(uint32_t seed) : FormFixture(std::make_unique<RecordingPrinter>(), seed) {}

FormFixture::FormFixture(std::unique_ptr<PrinterService> printer, uint32_t seed)
    : FormFixture(std::move(printer),
                  std::make_unique<MersenneRandom>(seed, MersenneRandom::Reseed::Never)) {}

FormFixture::FormFixture(std::unique_ptr<PrinterService> printer,
                         std::unique_ptr<RandomSource> random) {
  installFontSubstitutions();
  Form1Services services;
  services.random = std::move(random);
  printer_ = dynamic_cast<RecordingPrinter *>(printer.get());
  services.printer = std::move(printer);
  services.reportError = [this](QWidget *, const QString &message) { errors << message; };
  services.startTimers = false;
  form = std::make_unique<TForm1>(std::move(services));
  form->show();
  if (!QTest::qWaitForWindowExposed(form.get()))
    qFatal("the main window was not exposed");
  form->activateWindow();
  if (!QTest::qWaitForWindowActive(form.get()))
    qFatal("the main window did not become active");
}

FormFixture::~FormFixture() = default;

RecordingPrinter &FormFixture::printer() const {
  if (!printer_)
    qFatal("the window prints on another printer service");
  return *printer_;
}

bool FormFixture::shows(const char *controlName, const char *store) const {
  return picture(controlName)->picture().cacheKey() == picture(store)->picture().cacheKey();
}

QPoint FormFixture::centreOf(const QWidget *widget) const {
  return widget->mapTo(form.get(), widget->rect().center());
}

void FormFixture::click(const QWidget *widget, Qt::MouseButton button) const {
  QTest::mouseClick(form->windowHandle(), button, {}, centreOf(widget));
}

void FormFixture::press(const QWidget *widget, Qt::MouseButton button) const {
  QTest::mousePress(form->windowHandle(), button, {}, centreOf(widget));
}

void FormFixture::release(QPoint at, Qt::MouseButton button) const {
  QTest::mouseRelease(form->windowHandle(), button, {}, at);
}

void FormFixture::doubleClick(const QWidget *widget) const {
  QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, centreOf(widget));
}

void FormFixture::type(const QString &characters) const {
  for (QChar character : characters)
    QTest::keyClick(form->windowHandle(), character.toLatin1());
}

void FormFixture::startRun(int lengthItem) const {
  click(control(qPrintable(QStringLiteral("RadioGroup1Item%1").arg(lengthItem))));
  click(control("BitBtn1"));
}

void FormFixture::runOutFeedback() const {
  for (int tick = 0; tick < 6; ++tick)
    form->Timer1Timer(control<QObject>("Timer1"));
}

int32_t FormFixture::answerOnScreen() const {
  return state().bank.ProblemTable.at(drill().CurrentIndex).Result;
}

void FormFixture::showProblem(ProblemRecord problem) const {
  state().bank.ProblemTable.at(drill().CurrentIndex + 1) = problem;
  form->Button32Click(control<QObject>("Button32"));
}
