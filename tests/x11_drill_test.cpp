// A whole ten-problem subtraction run of the real program in a real X server:
// its own Xvfb, clicks and key presses through xdotool (the XTEST extension),
// and the screen read back with ImageMagick's import. Each problem is read
// off the screen by matching the number cells against the digit pictures,
// answered (the second one wrong first, then erased), and at the end the
// results and the covered keypad are checked on screen before the window is
// closed the way a window manager closes it, with a WM_DELETE_WINDOW message.
//
// The program under test is the one built beside this test, or the one named
// by NUMERIKO_PROGRAM (e.g. /usr/bin/numeriko from the Debian package).
// Screenshots are kept in NUMERIKO_SCREENSHOT_DIR; `latest.png` is the last
// screen the test looked at.

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <array>
#include <functional>
#include <optional>
#include <xcb/xcb.h>

namespace {

constexpr int kTimeoutMs = 30000;
constexpr int kRunLength = 10;

// Places in the window's client area.
const QPoint kLeftTensCell(56, 47);
const QPoint kLeftUnitsCell(112, 47);
const QPoint kRightCell(240, 47);
// The first answer cell; the second one lies over its last columns.
const QPoint kAnswerCell(388, 47);
constexpr int kAnswerCellColumns = 440 - 388;
const QRect kProblemNumber(8, 8, 49, 27);
const QRect kWrongPicture(688, 8, 100, 100);
// The part of the wrong-answer picture above "ちがうよ".
const QRect kWrongPictureUncovered(0, 0, 100, 96 - 8);
const QRect kRewardPicture(696, 8, 100, 100);
const QPoint kKeypad(560, 152);
const QPoint kTenProblemsItem(492, 369);
const QPoint kStartButton(492, 172);
// The results: four captions in white, their values and the time in yellow.
const std::array<QRect, 4> kResultCaptions{
    {{440, 520, 200, 24}, {440, 560, 200, 24}, {440, 600, 200, 24}, {440, 640, 240, 24}}};
const std::array<QRect, 6> kResultValues{{{664, 520, 57, 20},
                                          {664, 560, 57, 20},
                                          {664, 600, 57, 20},
                                          {688, 640, 57, 20},
                                          {432, 472, 41, 20},
                                          {528, 472, 41, 20}}};

const QRgb kWindowGreen = qRgb(0, 128, 0);

// How many pixels of `picture` placed at `at` differ on screen by more than a
// little in any channel (JPEG decoders may round differently), looking only
// at the part of the picture no other control covers.
int differingPixels(const QImage &screen, QPoint at, const QImage &picture, const QRect &part) {
  int differing = 0;
  for (int y = part.top(); y <= part.bottom(); ++y)
    for (int x = part.left(); x <= part.right(); ++x) {
      const QRgb a = screen.pixel(at.x() + x, at.y() + y);
      const QRgb b = picture.pixel(x, y);
      if (qAbs(qRed(a) - qRed(b)) > 24 || qAbs(qGreen(a) - qGreen(b)) > 24 ||
          qAbs(qBlue(a) - qBlue(b)) > 24)
        ++differing;
    }
  return differing;
}

// True when at most one pixel in a hundred of `picture` differs on screen.
bool showsPicture(const QImage &screen, QPoint at, const QImage &picture, QRect part = {}) {
  if (part.isNull())
    part = picture.rect();
  return differingPixels(screen, at, picture, part) * 100 <= part.width() * part.height();
}

int countPixels(const QImage &screen, const QRect &area, const std::function<bool(QRgb)> &is) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (is(screen.pixel(x, y)))
        ++count;
  return count;
}

bool isWhite(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200; }
bool isYellow(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 80; }

struct Finished {
  bool ok = false;
  int exitCode = -1;
  QString output;
};

} // namespace

class X11DrillTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void initTestCase();
  void cleanupTestCase();
  void aTenProblemRunShouldEndWithResultsAndCloseOnRequest();

private:
  // Runs a command-line tool on the test's display and waits for it.
  Finished tool(const QString &program, const QStringList &arguments,
                int timeoutMs = kTimeoutMs) const;
  void startServer();
  void startProgram();
  QImage screenshot(const QString &keepAs = {});
  // Takes screenshots until `condition` holds; false on timeout.
  bool waitForScreen(const std::function<bool(const QImage &)> &condition,
                     int timeoutMs = kTimeoutMs);
  // A real click and a real key press; false, with the tool's words, when
  // xdotool failed.
  bool click(QPoint inWindow);
  bool key(const QString &keysym);
  // The digit a number cell shows: 0..9, 10 for the blank glyph, nothing when
  // it matches no glyph.
  std::optional<int> readCell(const QImage &screen, QPoint cell, int columns = 54) const;
  std::optional<int> readAnswerCell(const QImage &screen) const;
  [[nodiscard]] QString lastScreen() const;
  void closeWindow();

  QString program_;
  QString pictures_;
  QDir shots_;
  QProcess server_;
  QProcess numeriko_;
  QProcessEnvironment environment_;
  QString display_;
  QString window_;
  QPoint origin_;
  std::array<QImage, 11> glyphs_; // digits 0..9, then the blank glyph
  QImage wrong_;
  QImage cover_;
  QImage keySeven_;
  std::array<QImage, 19> rewards_;
};

Finished X11DrillTest::tool(const QString &program, const QStringList &arguments,
                            int timeoutMs) const {
  QProcess process;
  process.setProcessEnvironment(environment_);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  Finished result;
  if (!process.waitForFinished(timeoutMs)) {
    result.output = process.errorString();
    process.kill();
    process.waitForFinished();
    return result;
  }
  result.output = QString::fromLocal8Bit(process.readAll());
  result.exitCode = process.exitCode();
  result.ok = process.exitStatus() == QProcess::NormalExit && result.exitCode == 0;
  return result;
}

void X11DrillTest::initTestCase() {
  for (const char *needed : {"Xvfb", "xdotool", "import"})
    if (QStandardPaths::findExecutable(QString::fromLatin1(needed)).isEmpty())
      QFAIL(qPrintable(QStringLiteral("%1 is not installed; scripts/deps.sh installs it")
                           .arg(QLatin1String(needed))));

  program_ = qEnvironmentVariable("NUMERIKO_PROGRAM", QStringLiteral(NUMERIKO_PROGRAM));
  pictures_ = QStringLiteral(NUMERIKO_PICTURES);
  shots_.setPath(
      qEnvironmentVariable("NUMERIKO_SCREENSHOT_DIR", QStringLiteral(NUMERIKO_SCREENSHOT_DIR)));
  QVERIFY(shots_.mkpath(QStringLiteral(".")));
  // The screenshots of an earlier run would mislead.
  for (const QString &old : shots_.entryList({QStringLiteral("*.png")}, QDir::Files))
    QVERIFY(shots_.remove(old));
  qInfo("program: %s", qPrintable(program_));
  qInfo("screenshots: %s", qPrintable(shots_.absolutePath()));

  auto load = [this](const QString &name) {
    QImage image(pictures_ + u'/' + name);
    if (image.isNull())
      qFatal("cannot read the picture %s/%s", qPrintable(pictures_), qPrintable(name));
    return image.convertToFormat(QImage::Format_RGB32);
  };
  for (int d = 0; d <= 9; ++d)
    glyphs_[d] = load(QStringLiteral("digit_%1.jpg").arg(d));
  glyphs_[10] = load(QStringLiteral("digit_blank.jpg"));
  wrong_ = load(QStringLiteral("wrong.jpg"));
  cover_ = load(QStringLiteral("cover.jpg"));
  keySeven_ = load(QStringLiteral("key_7.jpg"));
  for (int r = 1; r <= 19; ++r)
    rewards_[r - 1] = load(QStringLiteral("reward_%1.jpg").arg(r, 2, 10, QLatin1Char('0')));

  startServer();
  if (!QTest::currentTestFailed())
    startProgram();
}

void X11DrillTest::cleanupTestCase() {
  if (numeriko_.state() != QProcess::NotRunning) {
    numeriko_.kill();
    numeriko_.waitForFinished();
  }
  // Ended by SIGTERM, the server removes its socket and lock file itself.
  if (server_.state() != QProcess::NotRunning) {
    server_.terminate();
    if (!server_.waitForFinished(5000)) {
      server_.kill();
      server_.waitForFinished();
    }
  }
}

void X11DrillTest::startServer() {
  // Xvfb picks a free display itself and writes its number to the given fd.
  server_.setProcessChannelMode(QProcess::SeparateChannels);
  server_.start(QStringLiteral("Xvfb"),
                {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                 QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-noreset"),
                 QStringLiteral("-nolisten"), QStringLiteral("tcp")});
  QVERIFY2(server_.waitForStarted(), qPrintable(server_.errorString()));
  QElapsedTimer waited;
  waited.start();
  while (!server_.canReadLine() && waited.elapsed() < kTimeoutMs)
    if (!server_.waitForReadyRead(1000) && server_.state() == QProcess::NotRunning)
      break;
  const QString number = QString::fromLatin1(server_.readLine()).trimmed();
  QVERIFY2(!number.isEmpty(),
           qPrintable(QStringLiteral("Xvfb did not start: %1")
                          .arg(QString::fromLocal8Bit(server_.readAllStandardError()))));
  display_ = u':' + number;
  qInfo("display: %s", qPrintable(display_));

  environment_ = QProcessEnvironment::systemEnvironment();
  environment_.insert(QStringLiteral("DISPLAY"), display_);
  environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment_.remove(QStringLiteral("WAYLAND_DISPLAY"));
}

void X11DrillTest::startProgram() {
  numeriko_.setProcessEnvironment(environment_);
  numeriko_.setProcessChannelMode(QProcess::MergedChannels);
  numeriko_.start(program_, {});
  QVERIFY2(numeriko_.waitForStarted(), qPrintable(numeriko_.errorString()));

  const Finished search =
      tool(QStringLiteral("xdotool"),
           {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
            QStringLiteral("--name"), QStringLiteral("^Numeriko Ver")});
  QVERIFY2(search.ok,
           qPrintable(QStringLiteral("the window did not appear: %1; program: %2")
                          .arg(search.output, QString::fromLocal8Bit(numeriko_.readAll()))));
  window_ = search.output.split(u'\n', Qt::SkipEmptyParts).value(0).trimmed();

  const Finished geometry =
      tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), window_});
  QVERIFY2(geometry.ok, qPrintable(geometry.output));
  const QRegularExpressionMatch position =
      QRegularExpression(QStringLiteral("Position: (\\d+),(\\d+)")).match(geometry.output);
  QVERIFY2(position.hasMatch(), qPrintable(geometry.output));
  origin_ = QPoint(position.captured(1).toInt(), position.captured(2).toInt());
  QVERIFY2(geometry.output.contains(QStringLiteral("Geometry: 890x695")),
           qPrintable(geometry.output));
  qInfo("window %s, client area at %d,%d", qPrintable(window_), origin_.x(), origin_.y());
}

QImage X11DrillTest::screenshot(const QString &keepAs) {
  const QString path = shots_.filePath(QStringLiteral("latest.png"));
  const Finished grab =
      tool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
  if (!grab.ok)
    qWarning("import failed: %s", qPrintable(grab.output));
  const QImage screen(path);
  if (!keepAs.isEmpty())
    QFile::copy(path, shots_.filePath(keepAs + QStringLiteral(".png")));
  // The client area alone, so that places are those of the window.
  return screen.isNull()
             ? screen
             : screen.copy(QRect(origin_, QSize(890, 695))).convertToFormat(QImage::Format_RGB32);
}

bool X11DrillTest::waitForScreen(const std::function<bool(const QImage &)> &condition,
                                 int timeoutMs) {
  QElapsedTimer waited;
  waited.start();
  do {
    const QImage screen = screenshot();
    if (!screen.isNull() && condition(screen))
      return true;
    QThread::msleep(20);
  } while (waited.elapsed() < timeoutMs && numeriko_.state() == QProcess::Running);
  return false;
}

QString X11DrillTest::lastScreen() const {
  return QStringLiteral("; the last screen is %1")
      .arg(shots_.filePath(QStringLiteral("latest.png")));
}

bool X11DrillTest::click(QPoint inWindow) {
  const QPoint at = origin_ + inWindow;
  const Finished clicked =
      tool(QStringLiteral("xdotool"),
           {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
            QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")});
  if (!clicked.ok)
    qWarning("xdotool click failed: %s", qPrintable(clicked.output));
  return clicked.ok;
}

bool X11DrillTest::key(const QString &keysym) {
  const Finished pressed = tool(QStringLiteral("xdotool"), {QStringLiteral("key"), keysym});
  if (!pressed.ok)
    qWarning("xdotool key failed: %s", qPrintable(pressed.output));
  return pressed.ok;
}

std::optional<int> X11DrillTest::readCell(const QImage &screen, QPoint cell, int columns) const {
  // The glyph that differs least, if it matches closely.
  int best = -1;
  int bestDiffering = 0;
  for (int g = 0; g < int(glyphs_.size()); ++g) {
    const int differing =
        differingPixels(screen, cell, glyphs_[g], QRect(0, 0, columns, glyphs_[g].height()));
    if (best < 0 || differing < bestDiffering) {
      best = g;
      bestDiffering = differing;
    }
  }
  if (bestDiffering * 100 > columns * glyphs_[0].height())
    return std::nullopt;
  return best;
}

std::optional<int> X11DrillTest::readAnswerCell(const QImage &screen) const {
  return readCell(screen, kAnswerCell, kAnswerCellColumns);
}

void X11DrillTest::closeWindow() {
  // What a window manager sends when the user closes a window; the program
  // decides itself to close and end.
  xcb_connection_t *connection = xcb_connect(qPrintable(display_), nullptr);
  QVERIFY(connection && !xcb_connection_has_error(connection));
  auto atom = [connection](const char *name) {
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return found;
  };
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window_.toUInt();
  message.type = atom("WM_PROTOCOLS");
  message.data.data32[0] = atom("WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection, 0, message.window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char *>(&message));
  // A round trip before leaving: the server may drop the last requests of a
  // client that disconnects at once.
  free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
  const bool failed = xcb_connection_has_error(connection) != 0;
  xcb_disconnect(connection);
  QVERIFY2(!failed, "the close request could not be sent");
}

void X11DrillTest::aTenProblemRunShouldEndWithResultsAndCloseOnRequest() {
  // At start the cover lies over the keypad.
  QVERIFY2(waitForScreen([this](const QImage &s) { return showsPicture(s, kKeypad, cover_); }),
           qPrintable(QStringLiteral("the covered keypad never showed") + lastScreen()));
  QImage before = screenshot(QStringLiteral("01-start"));

  QVERIFY(click(kTenProblemsItem));
  QVERIFY(click(kStartButton));
  // The run has started when the keys are uncovered.
  QVERIFY2(waitForScreen([this](const QImage &s) { return showsPicture(s, kKeypad, keySeven_); }),
           qPrintable(QStringLiteral("the keypad was not uncovered") + lastScreen()));

  QImage previousNumber = before.copy(kProblemNumber);
  for (int problem = 1; problem <= kRunLength; ++problem) {
    // A new problem is on screen when its number has changed and the answer
    // cell is blank; read it twice alike, in case a screenshot caught the
    // window halfway through a repaint.
    int left = -1;
    int right = -1;
    const bool shown = waitForScreen([&](const QImage &s) {
      if (s.copy(kProblemNumber) == previousNumber || readAnswerCell(s) != 10)
        return false;
      const std::optional<int> tens = readCell(s, kLeftTensCell);
      const std::optional<int> units = readCell(s, kLeftUnitsCell);
      const std::optional<int> second = readCell(s, kRightCell);
      if (!tens || !units || *units == 10 || !second || *second == 10)
        return false;
      const int readLeft = (*tens == 10 ? 0 : *tens * 10) + *units;
      const bool again = readLeft == left && *second == right;
      left = readLeft;
      right = *second;
      if (again)
        previousNumber = s.copy(kProblemNumber);
      return again;
    });
    QVERIFY2(shown,
             qPrintable(QStringLiteral("problem %1 was not shown").arg(problem) + lastScreen()));
    const int answer = left - right;
    qInfo("problem %d: %d - %d = %d", problem, left, right, answer);
    screenshot(QStringLiteral("02-problem-%1").arg(problem, 2, 10, QLatin1Char('0')));
    QVERIFY2(
        left <= 9 && answer >= 0,
        qPrintable(QStringLiteral("%1 - %2 is no subtraction of the drill").arg(left).arg(right)));

    if (problem == 2) {
      const int wrong = (answer + 1) % 10;
      QVERIFY(key(QString::number(wrong)));
      QVERIFY2(
          waitForScreen([&](const QImage &s) {
            return readAnswerCell(s) == wrong &&
                   showsPicture(s, kWrongPicture.topLeft(), wrong_, kWrongPictureUncovered);
          }),
          qPrintable(QStringLiteral("the wrong answer %1 brought no ちがうよ picture").arg(wrong) +
                     lastScreen()));
      screenshot(QStringLiteral("03-wrong-answer"));
      QVERIFY(key(QStringLiteral("c")));
      QVERIFY2(
          waitForScreen([&](const QImage &s) {
            return readAnswerCell(s) == 10 &&
                   !showsPicture(s, kWrongPicture.topLeft(), wrong_, kWrongPictureUncovered);
          }),
          qPrintable(QStringLiteral("erasing left the wrong answer on screen") + lastScreen()));
      screenshot(QStringLiteral("04-erased"));
    }
    QVERIFY(key(QString::number(answer)));
  }

  // The last right answer ends the run: results and time, the cells blank,
  // the keypad covered again, and the reward picture of the last answer.
  const bool ended = waitForScreen([&](const QImage &s) {
    for (const QRect &caption : kResultCaptions)
      if (countPixels(s, caption, isWhite) < 20)
        return false;
    for (const QRect &value : kResultValues)
      if (countPixels(s, value, isYellow) < 10)
        return false;
    for (QPoint cell : {kLeftTensCell, kLeftUnitsCell, kRightCell})
      if (readCell(s, cell) != 10)
        return false;
    if (readAnswerCell(s) != 10)
      return false;
    return showsPicture(s, kKeypad, cover_);
  });
  QVERIFY2(ended, qPrintable(QStringLiteral("the results and the covered keypad did not show "
                                            "after %1 problems")
                                 .arg(kRunLength) +
                             lastScreen()));
  const QImage end = screenshot(QStringLiteral("05-results"));
  bool rewarded = false;
  for (const QImage &reward : rewards_)
    rewarded = rewarded || showsPicture(end, kRewardPicture.topLeft(), reward);
  QVERIFY2(rewarded,
           qPrintable(QStringLiteral("no reward picture for the last answer") + lastScreen()));
  // Before the run the results' places were bare window.
  for (const QRect &caption : kResultCaptions)
    QCOMPARE(countPixels(before, caption, [](QRgb c) { return c != kWindowGreen; }), 0);

  QVERIFY2(numeriko_.state() == QProcess::Running,
           qPrintable(QStringLiteral("the program ended before its window was closed: %1")
                          .arg(QString::fromLocal8Bit(numeriko_.readAll()))));
  closeWindow();
  numeriko_.waitForFinished(kTimeoutMs);
  QVERIFY2(numeriko_.state() == QProcess::NotRunning,
           "the program did not end after its window was asked to close");
  QVERIFY2(numeriko_.exitStatus() == QProcess::NormalExit && numeriko_.exitCode() == 0,
           qPrintable(QStringLiteral("the program ended with status %1: %2")
                          .arg(numeriko_.exitCode())
                          .arg(QString::fromLocal8Bit(numeriko_.readAll()))));
}

QTEST_GUILESS_MAIN(X11DrillTest)
#include "x11_drill_test.moc"
