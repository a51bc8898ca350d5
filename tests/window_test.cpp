// The main window as built from its definition: controls, pictures,
// stacking, the event routing of picture controls, key preview and timers.

#include "fonts.h"
#include "formdefinition.h"
#include "formfixture.h"
#include "picturecatalogue.h"
#include "picturelibrary.h"
#include "programfonts.h"
#include "radiogroup.h"
#include "startupwarmup.h"
#include "tform2.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtMath>
#include <fontconfig/fontconfig.h>
#include <map>
#include <set>

namespace {

QString utf8(const char *text) { return QString::fromUtf8(text); }

// What Qt's font engine takes from fontconfig for a face at a size and weight.
QString renderSettings(FcConfig *config, const char *family, int pixels, bool bold) {
  FcPattern *pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixels);
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern *match = FcFontMatch(config, pattern, &result);
  QString settings;
  if (match) {
    FcChar8 *text = FcPatternFormat(
        match, reinterpret_cast<const FcChar8 *>(
                   "%{fullname} aa=%{antialias} hinting=%{hinting} style=%{hintstyle} "
                   "auto=%{autohint} rgba=%{rgba} lcd=%{lcdfilter} bitmaps=%{embeddedbitmap} "
                   "bold=%{embolden} matrix=%{matrix}"));
    settings = QString::fromUtf8(reinterpret_cast<const char *>(text));
    FcStrFree(text);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return settings;
}

const char *kindClass(ControlKind kind) {
  switch (kind) {
  case ControlKind::Edit:
    return "QLineEdit";
  case ControlKind::Label:
    return "QLabel";
  case ControlKind::Image:
    return "PictureImage";
  case ControlKind::Button:
  case ControlKind::BitBtn:
    return "QPushButton";
  case ControlKind::SpinEdit:
    return "QSpinBox";
  case ControlKind::CheckBox:
    return "QCheckBox";
  case ControlKind::RadioGroup:
    return "RadioGroup";
  case ControlKind::Panel:
    return "QFrame";
  case ControlKind::Timer:
    return "QTimer";
  case ControlKind::PrinterSetupDialog:
    break;
  }
  return "";
}

} // namespace

class WindowTest : public QObject {
  Q_OBJECT

private Q_SLOTS:
  void windowShouldMatchItsDefinition() {
    FormFixture f;
    QCOMPARE(f.form->windowTitle(), QStringLiteral("Numeriko Verβ1.01　2004.6.20"));
    QCOMPARE(f.form->size(), QSize(890, 695));
    QCOMPARE(f.form->palette().color(QPalette::Window), QColor(0, 128, 0));
    QCOMPARE(f.form->font().pixelSize(), 12);
    QVERIFY(f.form->maximumSize().width() > 890); // resizable
    // Every control of the definition exists once, by its component name.
    int widgets = 0;
    for (const ControlDef &def : form1Controls()) {
      const QString name = utf8(def.name);
      if (def.kind == ControlKind::PrinterSetupDialog)
        continue;
      QCOMPARE(f.form->findChildren<QObject *>(name).size(), 1);
      if (def.kind == ControlKind::Timer)
        continue;
      ++widgets;
      auto *widget = f.control(def.name);
      QVERIFY2(widget, qPrintable(name));
      QVERIFY2(widget->inherits(kindClass(def.kind)), qPrintable(name));
      if (def.caption && def.kind != ControlKind::RadioGroup)
        QCOMPARE(widget->property("text").toString(), utf8(def.caption));
      QCOMPARE(!widget->isHidden(), def.visible);
      if (def.width > 0)
        QCOMPARE(widget->geometry(), QRect(def.left, def.top, def.width, def.height));
      else
        QCOMPARE(widget->pos(), QPoint(def.left, def.top));
    }
    QCOMPARE(widgets, 150);
  }

  void controlsShouldHaveTheirKindsCaptionsAndFonts() {
    FormFixture f;
    // The window's font stands in for the application's only while the
    // controls are made.
    QVERIFY(QApplication::font() != f.form->font());
    const std::map<const char *, QString> captions{
        {"BitBtn1", QStringLiteral("ひきざんれんしゅう")},
        {"BitBtn2", QStringLiteral("とちゅうでやめる")},
        {"BitBtn3", QStringLiteral("わかんない")},
        {"BitBtn4", QStringLiteral("まだわかんない")},
        {"Button4", QStringLiteral("かけ算九九逆８１題")},
        {"Button7", QStringLiteral("余りのあるわり算１００題")},
        {"Button9", QStringLiteral("余りのないわり算９０題")},
        {"Button10", QStringLiteral("難しいのだけ１００題")},
        {"Button1", QStringLiteral("ＰＲＩＮＴ準備")},
        {"Button11", QStringLiteral("PRINT実行２")},
        {"Button28", QStringLiteral("C")},
        {"Button17", QStringLiteral("7")},
    };
    for (const auto &[name, caption] : captions)
      QCOMPARE(f.control<QPushButton>(name)->text(), caption);
    QCOMPARE(f.control<QLabel>("Label18")->text(),
             QStringLiteral("キーボードの数字キーからも入力できます。消すときはＣのキーです。"));
    QCOMPARE(f.control<QLabel>("Label21")->text(), QStringLiteral("Numeriko Verβ1.01　2004.6.20"));
    QCOMPARE(f.control<QLabel>("Label5")->text(), QStringLiteral("8"));
    QCOMPARE(f.control<QCheckBox>("CheckBox12")->text(), QStringLiteral("名前欄"));
    QVERIFY(f.control<QCheckBox>("CheckBox12")->isChecked());
    QVERIFY(!f.control<QCheckBox>("CheckBox13")->isChecked());
    QCOMPARE(f.control<QSpinBox>("SpinEdit1")->value(), 33);
    QCOMPARE(f.control<QSpinBox>("SpinEdit2")->value(), 3);
    QCOMPARE(f.control<QSpinBox>("SpinEdit3")->value(), 1);
    QCOMPARE(f.control<QSpinBox>("SpinEdit4")->value(), 8);
    QVERIFY(f.control<QLineEdit>("Edit1")->text().isEmpty());
    QCOMPARE(f.control<QLineEdit>("Edit1")->font().pixelSize(), 19);
    QCOMPARE(f.control("Label22")->font().pixelSize(), 21);
    QCOMPARE(f.control("Button17")->font().family(), QStringLiteral("FC数字書体05"));
    QVERIFY(f.control("BitBtn1")->font().bold());
    // Every control has its own definition's font, inherited or set.
    for (const ControlDef &def : form1Controls()) {
      const auto *widget = f.form->findChild<QWidget *>(QString::fromUtf8(def.name));
      if (!widget)
        continue; // a timer
      const QFont expected = fontFor(def.font, form1Window().font);
      const QFont font = widget->font();
      QVERIFY2(font.family() == expected.family() && font.pixelSize() == expected.pixelSize() &&
                   font.bold() == expected.bold(),
               def.name);
    }
    QCOMPARE(f.control("BitBtn1")->palette().color(QPalette::ButtonText), QColor(0, 128, 0));

    auto *group = f.control<RadioGroup>("RadioGroup1");
    QCOMPARE(group->title(), QStringLiteral("もんだいの数"));
    QStringList items;
    for (QAbstractButton *item : group->items())
      items << item->text();
    QCOMPARE(items, QStringList({QStringLiteral("１０だい"), QStringLiteral("２０だい"),
                                 QStringLiteral("５０だい"), QStringLiteral("１００だい")}));
    QCOMPARE(group->itemIndex(), 3);
  }

  void fontsShouldResolveToTheInstalledJapaneseFont() {
    FormFixture f;
    for (const char *name : {"Label18", "BitBtn1", "Button17"}) {
      const QFontInfo info(f.control(name)->font());
      QVERIFY2(info.family().startsWith(QStringLiteral("IPA")), qPrintable(info.family()));
    }
  }

  // The drill tells fontconfig about its own fonts only: at every size and
  // weight the window uses, they must render as the system's configuration
  // renders them (Debian's; a machine set up otherwise fails here).
  void programFontsShouldRenderAsTheSystemConfigurationDoes() {
    FcConfig *system = FcInitLoadConfigAndFonts();
    QVERIFY(useProgramFontsOnly());
    FcConfig *program = FcConfigGetCurrent();
    std::set<std::pair<int, bool>> sizes{{form1Window().font.pixels, form1Window().font.bold}};
    for (const ControlDef &def : form1Controls())
      if (def.font.pixels > 0)
        sizes.emplace(def.font.pixels, def.font.bold);
    QVERIFY(sizes.size() > 5);
    for (const auto &[pixels, bold] : sizes) {
      for (const char *family : {"IPAPGothic", "IPAGothic"}) {
        const QString ours = renderSettings(program, family, pixels, bold);
        // The face's names, in the locale's order (IPA Pゴシック first under a Japanese one).
        const QStringList names = ours.left(ours.indexOf(QLatin1String(" aa="))).split(u',');
        QVERIFY2(names.contains(QLatin1String(family)), qPrintable(ours));
        QCOMPARE(ours, renderSettings(system, family, pixels, bold));
      }
      // Qt's dialogs: in the proportional face.
      QCOMPARE(renderSettings(program, "Sans Serif", pixels, bold),
               renderSettings(program, "IPAPGothic", pixels, bold));
    }
    FcConfigDestroy(system);
  }

  void everyPictureShouldDecodeAtItsCatalogueSize() {
    FormFixture f;
    std::map<QString, QSize> sizes;
    for (const PictureFile &file : pictureFiles())
      sizes[utf8(file.name)] = QSize(file.width, file.height);
    int pictures = 0;
    for (const ControlDef &def : form1Controls()) {
      if (!def.picture)
        continue;
      ++pictures;
      const QPixmap &held = f.picture(def.name)->picture();
      QVERIFY2(!held.isNull(), def.name);
      QCOMPARE(held.size(), sizes.at(utf8(def.picture)));
    }
    QCOMPARE(pictures, 65);
    // The blank glyph is decoded once and shared by its seven holders.
    QVERIFY(f.shows("Image24", "Image23"));
    QVERIFY(f.shows("Image28", "Image23"));
    QVERIFY(f.shows("Image78", "Image70"));
    // The C key's picture is a column wider than its control.
    QCOMPARE(f.picture("Image62")->width(), 153);
    QCOMPARE(f.picture("Image62")->picture().width(), 154);

    // The window icon decoded ahead holds every picture Qt reads from its file.
    StartupWarmUp warmUp;
    warmUp.applicationCreated();
    const QIcon icon = warmUp.icon();
    const QIcon read(QStringLiteral(":/pictures/icon.ico"));
    QCOMPARE(icon.availableSizes(), read.availableSizes());
    QCOMPARE(icon.availableSizes().size(), 2);
    for (const QSize size : read.availableSizes())
      QCOMPARE(icon.pixmap(size).toImage(), read.pixmap(size).toImage());
  }

  // What a picture control paints on an image of a device pixel ratio: its
  // 1× picture at 1, its 2× variant as it is at 2 and smoothly reduced to the
  // device pixels it covers in between.
  void picturesShouldBeDrawnForTheDensityPaintedOn_data() {
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0})
      QTest::newRow(qPrintable(QString::number(ratio))) << ratio;
  }
  void picturesShouldBeDrawnForTheDensityPaintedOn() {
    QFETCH(qreal, ratio);
    FormFixture f;
    for (const ControlDef &def : form1Controls()) {
      if (!def.picture || def.stretch)
        continue;
      PictureImage *control = f.picture(def.name);
      const QSize size = control->source().size();
      const QSize device(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
      QCOMPARE(control->source().pixmap(ratio).devicePixelRatio(), ratio);
      QImage expected = loadPicture(QString::fromUtf8(def.picture));
      if (ratio > 1)
        expected = loadPicture(QString::fromStdString(denseFileName(def.picture)))
                       .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      QCOMPARE(expected.size(), device);
      QImage drawn(device, QImage::Format_RGB32);
      drawn.setDevicePixelRatio(ratio);
      control->render(&drawn);
      drawn.setDevicePixelRatio(1);
      const QRect part(0, 0, qMin(device.width(), int(control->width() * ratio)),
                       qMin(device.height(), int(control->height() * ratio)));
      QCOMPARE(drawn.copy(part), expected.convertToFormat(QImage::Format_RGB32).copy(part));
    }
  }

  void stackingShouldPutTheCoverAndFeedbackOnTop() {
    FormFixture f;
    for (const char *key : {"Image50", "Image41", "Image62", "Image46"})
      QCOMPARE(f.form->childAt(f.centreOf(f.control(key))), f.control("Image64"));
    f.control("Image1")->show();
    f.control("Image2")->show();
    f.control("Label12")->show();
    QCOMPARE(f.form->childAt(QPoint(700, 50)), f.control("Image2"));
    QCOMPARE(f.form->childAt(f.centreOf(f.control("Label12"))), f.control("Label12"));
    // Windowed controls lie above pictures and texts.
    const QObjectList &children = f.form->children();
    QVERIFY(children.indexOf(f.control("Edit1")) > children.indexOf(f.control("Image64")));
  }

  void pictureShouldReportClickBeforeRelease() {
    FormFixture f;
    auto *key = f.picture("Image50");
    key->setEnabled(true);
    f.control("Image64")->hide();
    QStringList events;
    connect(key, &PictureImage::mouseDown, this, [&] { events << "down"; });
    connect(key, &PictureImage::clicked, this, [&] { events << "click"; });
    connect(key, &PictureImage::mouseUp, this, [&] { events << "up"; });

    f.click(key);
    QCOMPARE(events, QStringList({"down", "click", "up"}));

    events.clear();
    f.click(key, Qt::RightButton);
    QCOMPARE(events, QStringList({"down", "up"}));

    events.clear();
    f.press(key);
    f.release(QPoint(100, 600)); // released outside: the release still comes, no click
    QCOMPARE(events, QStringList({"down", "up"}));

    events.clear();
    f.doubleClick(key);
    QCOMPARE(events, QStringList({"down", "click", "up", "down", "up"}));

    // Every press is reported, whichever button gives the double-click.
    events.clear();
    QTest::mouseDClick(f.form->windowHandle(), Qt::RightButton, {}, f.centreOf(key));
    QCOMPARE(events, QStringList({"down", "up", "down", "up"}));

    events.clear();
    key->setEnabled(false);
    f.click(key);
    f.doubleClick(key);
    QVERIFY(events.isEmpty());
  }

  void keyPreviewShouldSeeCharactersBeforeTheFocusedControl() {
    FormFixture f;
    auto *edit = f.control<QLineEdit>("Edit1");
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    int32_t enteredWhenEditSaw = -1;
    connect(edit, &QLineEdit::textEdited, this,
            [&] { enteredWhenEditSaw = f.drill().EnteredAnswer; });
    f.type(QStringLiteral("4"));
    QCOMPARE(f.drill().EnteredAnswer, 4);
    QCOMPARE(enteredWhenEditSaw, 4); // the window's handler ran first
    QCOMPARE(edit->text(), QStringLiteral("4"));
    QVERIFY(f.shows("Image27", "Image16"));
  }

  void timersShouldRunAtTheirIntervals() {
    installFontSubstitutions();
    TForm1 form; // the program's own services: timers start with the window
    const auto *timer1 = form.findChild<QTimer *>(QStringLiteral("Timer1"));
    const auto *timer2 = form.findChild<QTimer *>(QStringLiteral("Timer2"));
    const auto *timer3 = form.findChild<QTimer *>(QStringLiteral("Timer3"));
    QCOMPARE(timer1->interval(), 100);
    QCOMPARE(timer2->interval(), 100);
    QCOMPARE(timer3->interval(), 1000);
    QVERIFY(timer1->isActive() && timer2->isActive() && timer3->isActive());
    // A second's worth of ticks reaches the clock's handler.
    form.state().drill.ClockState = 3;
    QTRY_VERIFY_WITH_TIMEOUT(form.state().drill.ClockTenths >= 5, 5000);
  }

  void theSecondWindowShouldExistHidden() {
    FormFixture f;
    TForm2 second;
    QCOMPARE(second.windowTitle(), QStringLiteral("Form2"));
    QVERIFY(second.isHidden());
    QVERIFY(!second.testAttribute(Qt::WA_QuitOnClose));
  }

  void stateShouldStartAtZero() {
    FormFixture f;
    QCOMPARE(f.drill(), DrillState{});
    QCOMPARE(f.state().layout, PrintLayout{});
    QCOMPARE(f.state().PrintCount, 0);
    QCOMPARE(f.state().bank.ProblemCount, 0);
    for (int32_t slot = 1; slot <= 1500; ++slot)
      QCOMPARE(f.state().bank.ProblemTable.at(slot), ProblemRecord{});
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
