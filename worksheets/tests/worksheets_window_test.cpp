// The worksheet window through its real widgets: the form builds the job the
// core checks, a refusal stops the outputs, saving writes whole files or
// none, and the English window shows no Japanese but the sheets' own.

#include "batch.h"
#include "cupsscheduler.h"
#include "jobform.h"
#include "rangefield.h"
#include "reprintcode.h"
#include "seededrandom.h"
#include "sheetgenerator.h"
#include "translations.h"
#include "units.h"
#include "worksheetpresets.h"
#include "worksheetwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Fixture {
  QTemporaryDir folder;
  QSettings settings{folder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
  QString answer; // the save dialog's answer
  QStringList reports;
  QString queue;  // the print dialog's choice
  QString opened; // the folder opened
  std::unique_ptr<WorksheetWindow> window;

  Fixture() {
    WorksheetServices services;
    services.saveFileName = [this](QWidget *, const QString &) { return answer; };
    services.report = [this](QWidget *, const QString &message) { reports << message; };
    services.inform = [this](QWidget *, const QString &message) { reports << message; };
    services.choosePrinter = [this](QWidget *, const QString &, PageSetup) {
      return std::optional<PrintChoice>(PrintChoice{queue, {}, {}});
    };
    services.settings = &settings;
    services.openFolder = [this](const QString &folder) { opened = folder; };
    window = std::make_unique<WorksheetWindow>(std::move(services));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  template <typename T> T *field(const char *name) const {
    return window->findChild<T *>(QLatin1String(name));
  }
  // The first choice's row of a kind and key, wherever it stands.
  void chooseSheet(ChoiceKind kind, const QString &key = {}) const {
    auto *choice = field<QComboBox>("choice");
    choose(choice, qobject_cast<SheetChoices *>(choice->model())->rowOf(kind, key));
  }
  // A tick, clicked on its box: a box's middle may lie past its text.
  static void tick(QCheckBox *box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
  }
  void choose(QComboBox *combo, int index) const {
    combo->setFocus();
    while (combo->currentIndex() < index)
      QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index)
      QTest::keyClick(combo, Qt::Key_Up);
  }
  void type(QWidget *field, const QString &text) const {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }
  bool outputsEnabled() const {
    return field<QPushButton>("print")->isEnabled() && field<QPushButton>("save")->isEnabled();
  }
};

bool japanese(const QString &text) {
  static const QRegularExpression kana(QStringLiteral("[\\x{3040}-\\x{30ff}\\x{4e00}-\\x{9fff}]"));
  return text.contains(kana);
}

int pagesOf(const QString &pdf) {
  QFile file(pdf);
  if (!file.open(QIODevice::ReadOnly))
    return -1;
  return int(file.readAll().count("/Type /Page\n")) + int(0);
}

} // namespace

class WorksheetsWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<CupsScheduler> cups_;

private Q_SLOTS:
  // Before the first window asks CUPS for printers: libcups reads CUPS_SERVER once.
  void initTestCase() { cups_ = std::make_unique<CupsScheduler>(); }

  void theFormShouldBuildTheJobAndARefusalStopTheOutputs() {
    Fixture f;
    // A new teacher starts at the first grade's first unit, which the fields show.
    QVERIFY(f.window->job());
    QCOMPARE(f.window->job()->sheet.units.front()->id, std::string_view("g1-add-10"));
    QTRY_COMPARE(f.field<QPrintPreviewWidget>("preview")->pageCount(), 2);
    QVERIFY(f.field<QCheckBox>("add")->isChecked() && !f.field<QCheckBox>("subtract")->isChecked());
    QCOMPARE(f.field<QComboBox>("size")->currentIndex(), int(SheetSize::Large));

    // Ticking another kind makes the unit's sheet the teacher's own.
    f.tick(f.field<QCheckBox>("divide"));
    WorksheetJob job = f.window->form().job();
    QVERIFY(job.units.empty());
    QCOMPARE(job.kinds, (std::vector<SheetKind>{SheetKind::Add, SheetKind::Divide}));
    QCOMPARE(job.first, (std::optional<NumberRange>{{1, 9}}));
    auto *first = f.field<RangeField>("first");
    f.type(first->high(), QStringLiteral("40"));
    QCOMPARE(f.window->form().job().first, (std::optional<NumberRange>{{1, 40}}));
    QVERIFY(f.outputsEnabled());

    // Low above high: the core's refusal at the field, no preview, no output.
    f.type(first->low(), QStringLiteral("50"));
    QVERIFY(!f.window->job());
    QVERIFY(!f.outputsEnabled());
    QVERIFY(f.field<QPrintPreviewWidget>("preview")->isHidden());
    bool said = false;
    for (QLabel *label : f.window->findChildren<QLabel *>(QStringLiteral("refusal")))
      said |= label->isVisible() && label->text().contains(QStringLiteral("大きく"));
    QVERIFY(said);
    f.type(first->low(), QStringLiteral("1"));
    QVERIFY(f.window->job() && f.outputsEnabled());
    QVERIFY(f.field<QPrintPreviewWidget>("preview")->isVisible());

    // The size, the typeface, kana headings, rows and the paper's turn go
    // into the job; choosing the large size ticks the kana headings.
    f.choose(f.field<QComboBox>("size"), 1);
    f.choose(f.field<QComboBox>("size"), 0);
    f.choose(f.field<QComboBox>("typeface"), 1);
    f.tick(f.field<QCheckBox>("landscape"));
    f.type(f.field<QSpinBox>("rows"), QStringLiteral("3"));
    job = f.window->form().job();
    QVERIFY(job.size == SheetSize::Large && job.typeface == Typeface::UdGothic && job.kana == true);
    QVERIFY(job.page.landscape && job.rows == 3);
    f.tick(f.field<QCheckBox>("kana"));
    QCOMPARE(f.window->form().job().kana, std::optional(false));
    f.type(f.field<QSpinBox>("rows"), QStringLiteral("0"));

    // Column form and its guide, which only it takes.
    auto *format = f.field<QComboBox>("format");
    auto *guide = f.field<QComboBox>("guide");
    QVERIFY(!guide->isVisible());
    f.choose(format, 1);
    f.choose(guide, 2);
    job = f.window->form().job();
    QVERIFY(job.format == SheetFormat::Column && job.guide == Guide::None);
    f.tick(f.field<QCheckBox>("noTrivial"));
    QVERIFY(f.window->form().job().leaveOutTrivial);
    // 百ます, a row of ten cells; the division ticked is refused at the format.
    f.choose(format, 2);
    QVERIFY(!guide->isVisible() && f.field<QComboBox>("cells")->isVisible());
    f.choose(f.field<QComboBox>("cells"), 2);
    QCOMPARE(f.window->form().job().cells, std::optional(GridCells::Ten));
    QVERIFY(!f.window->job());
    said = false;
    for (QLabel *label : f.window->findChildren<QLabel *>(QStringLiteral("refusal")))
      said |=
          label->isVisible() && label->text().contains(QStringLiteral("たし算、ひき算、かけ算"));
    QVERIFY(said);
    // さくらんぼ, splitting the first number of the additions ticked.
    f.choose(format, 3);
    f.choose(f.field<QComboBox>("split"), 1);
    job = f.window->form().job();
    QVERIFY(job.format == SheetFormat::Cherry && job.split == CherrySplit::First);
    // Three numbers, inline: their signs wait for the kind, and one stays ticked.
    f.choose(format, 0);
    QVERIFY(!f.field<QWidget>("signs")->isEnabled());
    f.tick(f.field<QCheckBox>("three"));
    for (const char *name : {"add-add", "subtract-subtract", "subtract-add", "add-subtract"})
      f.tick(f.field<QCheckBox>(name));
    QVERIFY(f.field<QCheckBox>("add-subtract")->isChecked());
    QCOMPARE(f.window->form().job().signs, std::vector{SignPair::AddSubtract});

    // A preset shows its own kind, never the ticks before it; answers,
    // paper, sheets go into the job.
    auto *choice = f.field<QComboBox>("choice");
    f.chooseSheet(ChoiceKind::Preset, QStringLiteral("divrem100"));
    QVERIFY(f.field<QCheckBox>("divide-remainder")->isChecked() &&
            !f.field<QCheckBox>("add")->isChecked() && !f.field<QCheckBox>("three")->isChecked());
    f.choose(f.field<QComboBox>("answers"), 2);
    f.choose(f.field<QComboBox>("paper"), 1);
    f.type(f.field<QSpinBox>("sheets"), QStringLiteral("30"));
    job = f.window->form().job();
    QCOMPARE(job.preset, &kWorksheetPresets[2]);
    QVERIFY(job.kinds.empty() && !job.first && job.answers && job.answersAtEnd);
    QCOMPARE(job.page.paper, Paper::B5);
    QCOMPARE(job.sheets, 30);
    QCOMPARE(f.window->form().suggestedName(), QStringLiteral("余りのあるわり算100題-30枚.pdf"));

    // A sheet's reprint code makes that sheet again; one mistyped is refused.
    const std::string code = reprintCode(job, 7, {5, 30});
    f.type(f.field<QLineEdit>("code"), QString::fromStdString(code));
    QVERIFY(f.window->job() && f.window->job()->firstSheet == 5 && f.window->job()->seed == 7);
    QVERIFY(!f.field<QComboBox>("choice")->isEnabled());
    f.type(f.field<QLineEdit>("code"), QStringLiteral("12-XYZ"));
    QVERIFY(!f.outputsEnabled());
    f.type(f.field<QLineEdit>("code"), QString());
    QTest::keyClick(f.field<QLineEdit>("code"), Qt::Key_Backspace);
    QVERIFY(f.outputsEnabled());

    // A kept sheet is listed with the others and brings its choices back.
    f.window->keepUnderName(QStringLiteral("3年/2組"));
    QCOMPARE(choice->currentText(), QStringLiteral("3年／2組"));
    QVERIFY(f.field<QPushButton>("remove")->isEnabled());
    f.chooseSheet(ChoiceKind::Custom);
    QVERIFY(!f.field<QPushButton>("remove")->isEnabled());
    f.type(f.field<QSpinBox>("sheets"), QStringLiteral("2"));
    f.chooseSheet(ChoiceKind::Kept, QStringLiteral("3年／2組"));
    QCOMPARE(f.window->form().job().preset, &kWorksheetPresets[2]);
    QCOMPARE(f.window->form().job().sheets, 30);
    f.window->renameKept(QStringLiteral("3年／2組"), QStringLiteral("宿題"));
    QCOMPARE(choice->currentText(), QStringLiteral("宿題"));
    QCOMPARE(choice->findText(QStringLiteral("3年／2組")), -1);

    // The choices come back at the next start; the problems only when kept.
    const uint32_t seed = uint32_t(f.window->form().job().seed);
    f.window->close();
    Fixture again;
    again.settings.clear();
    for (const QString &key : f.settings.allKeys())
      again.settings.setValue(key, f.settings.value(key));
    WorksheetServices services;
    services.settings = &again.settings;
    again.window = std::make_unique<WorksheetWindow>(std::move(services));
    QCOMPARE(again.window->form().job().preset, &kWorksheetPresets[2]);
    QCOMPARE(again.window->form().currentKept(), QStringLiteral("宿題"));
    QVERIFY(uint32_t(again.window->form().job().seed) != seed);
    again.window->removeKept(QStringLiteral("宿題"));
    QVERIFY(again.window->form().currentKept().isEmpty());
    QCOMPARE(again.window->form().job().preset, &kWorksheetPresets[2]);
    QVERIFY(!again.settings.contains(QStringLiteral("kept/宿題")));
  }

  // A teacher's class set: grade, unit, thirty sheets, save; the window says
  // where the file went and opens its folder.
  void aUnitShouldMakeAClassSetInAFewSteps() {
    Fixture f;
    f.choose(f.field<QComboBox>("grade"), 2); // 3年
    f.chooseSheet(ChoiceKind::Unit, QStringLiteral("g3-div-rem"));
    f.type(f.field<QSpinBox>("sheets"), QStringLiteral("30"));
    f.answer = QDir(f.folder.path()).filePath(QStringLiteral("class.pdf"));
    QTest::mouseClick(f.field<QPushButton>("save"), Qt::LeftButton);

    QCOMPARE(f.window->job()->sheet.units.front()->id, std::string_view("g3-div-rem"));
    QCOMPARE(pagesOf(f.answer), 60);
    QVERIFY(f.reports.isEmpty());
    QVERIFY(f.field<QLabel>("saved")->isVisible() &&
            f.field<QLabel>("saved")->text().contains(QStringLiteral("class.pdf")));
    QTest::mouseClick(f.field<QPushButton>("openFolder"), Qt::LeftButton);
    QCOMPARE(f.opened, QFileInfo(f.answer).absolutePath());
    // Thirty different sheets: their own problems behind thirty reprint codes.
    const ResolvedJob &made = *f.window->job();
    QSet<QByteArray> sheets;
    for (const BatchPart &part : batchParts(made)) {
      if (part.label.answers)
        continue;
      QByteArray items;
      SeededRandom random(part.label.seed);
      for (const SheetItem &item :
           generateSheet(made.sheet, factSpaces(made.sheet), made.sheet.count, random))
        items += QByteArray::number(item.first) + '/' + QByteArray::number(item.second) + ' ';
      sheets << items;
    }
    QCOMPARE(sheets.size(), 30);

    // Settings of another version: what names no longer exist is said, the
    // rest loads as what it named, and an invalid form is not kept as the last.
    f.window->form().setState({{QStringLiteral("choice"), QStringLiteral("unit")},
                               {QStringLiteral("unit"), QStringLiteral("g9-calculus")},
                               {QStringLiteral("version"), 2},
                               {QStringLiteral("kinds"), QStringList{QStringLiteral("subtract")}},
                               {QStringLiteral("paper"), QStringLiteral("b5")},
                               {QStringLiteral("carry"), QStringLiteral("yes")},
                               {QStringLiteral("answers"), 2}});
    QVERIFY(f.field<QLabel>("settingsNote")->text().contains(QStringLiteral("g9-calculus")));
    WorksheetJob job = f.window->form().job();
    QVERIFY(job.units.empty() && job.kinds == std::vector{SheetKind::Subtract});
    QVERIFY(job.page.paper == Paper::B5 && job.carry == Carry::With && job.answersAtEnd);
    f.type(f.field<RangeField>("first")->low(), QStringLiteral("90"));
    QVERIFY(!f.window->job());
    f.window->close();
    QCOMPARE(f.settings.value(QStringLiteral("last")).toMap().value(QStringLiteral("paper")),
             QVariant(QStringLiteral("b5")));
    QVERIFY(f.settings.value(QStringLiteral("last")).toMap().value(QStringLiteral("first")) !=
            f.window->form().state().value(QStringLiteral("first")));
  }

  // Every label's mnemonic reaches its field, or a row's first control.
  void everyLabelShouldTakeItsMnemonicToItsField() {
    Fixture f;
    QApplication::setActiveWindow(f.window.get());
    auto *choice = f.field<QComboBox>("choice");
    f.chooseSheet(ChoiceKind::Custom);
    // The signs of three numbers wait for their kind.
    f.tick(f.field<QCheckBox>("three"));
    int labels = 0;
    for (QLabel *label : f.window->findChildren<QLabel *>()) {
      if (!label->buddy())
        continue;
      const auto mnemonic = QRegularExpression(QStringLiteral("&(.)")).match(label->text());
      QVERIFY2(mnemonic.hasMatch(), qPrintable(label->text()));
      const QKeySequence key = QKeySequence::mnemonic(label->text());
      QTest::keySequence(f.window.get(), key);
      QWidget *field = label->buddy()->focusProxy() ? label->buddy()->focusProxy() : label->buddy();
      QVERIFY2(QApplication::focusWidget() == field, qPrintable(label->text()));
      ++labels;
    }
    QCOMPARE(labels, 19);
    // Tab goes from the choice to keeping it, then to the first kind's tick,
    // not to the row around it (the review waits for a unit, renaming and
    // removing for a kept sheet).
    choice->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.field<QWidget>("keep"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.field<QWidget>("add"));
  }

  void savingShouldWriteWholeFilesOrNone() {
    Fixture f;
    QDir dir(f.folder.path());
    f.chooseSheet(ChoiceKind::Preset, QStringLiteral("hard100"));
    f.type(f.field<QSpinBox>("sheets"), QStringLiteral("3"));

    f.answer.clear(); // the dialog cancelled
    f.field<QPushButton>("save")->click();
    QCOMPARE(dir.entryList({QStringLiteral("*.pdf")}), QStringList());

    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    f.answer = dir.filePath(QStringLiteral("plain/sheets.pdf"));
    f.field<QPushButton>("save")->click();
    QCOMPARE(f.reports.size(), 1);
    QVERIFY2(f.reports.first().contains(QStringLiteral("plain")), qPrintable(f.reports.first()));

    // Cancelled in the progress dialog: no file. The batch is long enough
    // that the worker is still writing when the window first looks.
    f.type(f.field<QSpinBox>("sheets"), QStringLiteral("300"));
    f.answer = dir.filePath(QStringLiteral("cancelled.pdf"));
    QTimer::singleShot(0, f.window.get(), [&] {
      if (auto *progress = f.window->findChild<QProgressDialog *>())
        progress->cancel();
    });
    f.field<QPushButton>("save")->click();
    QVERIFY(!QFile::exists(f.answer));

    f.type(f.field<QSpinBox>("sheets"), QStringLiteral("3"));
    f.answer = dir.filePath(QStringLiteral("sheets.pdf"));
    f.field<QPushButton>("save")->click();
    QCOMPARE(pagesOf(f.answer), 6);
    QCOMPARE(f.reports.size(), 1);
  }

  // Printing follows each job: a queue whose printer fails ends in one
  // message that names the job and the queue's reason.
  void printingShouldSayWhatBecameOfEachJob() {
    NUMERIKO_NEED_SCHEDULER(cups_->start());
    QVERIFY(cups_->addQueue(QStringLiteral("Unplugged"), CupsScheduler::Device::FailingBackend)
                .isEmpty());
    Fixture f;
    f.queue = QStringLiteral("Unplugged");
    f.chooseSheet(ChoiceKind::Preset, QStringLiteral("divrem100"));
    QTest::mouseClick(f.field<QPushButton>("print"), Qt::LeftButton);
    QCOMPARE(f.reports.size(), 1);
    QVERIFY2(f.reports.first().contains(QStringLiteral("Unplugged-")) &&
                 f.reports.first().contains(QStringLiteral("unplugged")),
             qPrintable(f.reports.first()));
    QVERIFY(!f.window->findChild<QProgressDialog *>() ||
            !f.window->findChild<QProgressDialog *>()->isVisible());
  }

  void theEnglishWindowShouldShowNoJapaneseButTheSheets() {
    QFile ts(QStringLiteral(NUMERIKO_TS));
    QVERIFY(ts.open(QIODevice::ReadOnly));
    const QByteArray entries = ts.readAll();
    QVERIFY(entries.contains("<translation>"));
    QVERIFY(!entries.contains("type=\"unfinished\""));

    installTranslations(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Fixture f;
    auto *first = f.field<RangeField>("first");
    f.type(first->low(), QStringLiteral("50")); // a refusal, shown
    QVERIFY(!f.window->job());
    QStringList seen{f.window->windowTitle()};
    for (QWidget *w : f.window->findChildren<QWidget *>()) {
      if (w->isHidden())
        continue;
      seen << w->toolTip() << w->accessibleName();
      if (auto *label = qobject_cast<QLabel *>(w))
        seen << label->text();
      if (auto *button = qobject_cast<QAbstractButton *>(w))
        seen << button->text();
      if (auto *edit = qobject_cast<QLineEdit *>(w))
        seen << edit->placeholderText();
      if (auto *spin = qobject_cast<QSpinBox *>(w))
        seen << spin->specialValueText();
      if (auto *combo = qobject_cast<QComboBox *>(w))
        for (int i = 0; i < combo->count(); ++i)
          // The preset captions are the sheets' own titles.
          if (auto *choices = qobject_cast<SheetChoices *>(combo->model());
              !choices || choices->kindAt(i) != ChoiceKind::Preset)
            seen << combo->itemText(i);
    }
    for (const QString &text : seen)
      QVERIFY2(!japanese(text), qPrintable(text));

    // No two labels or buttons share a mnemonic, or the second is out of reach.
    QStringList mnemonics;
    for (QWidget *w : f.window->findChildren<QWidget *>()) {
      auto *label = qobject_cast<QLabel *>(w);
      auto *button = qobject_cast<QAbstractButton *>(w);
      const QString text = label ? label->text() : button ? button->text() : QString();
      if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty()) {
        QVERIFY2(!mnemonics.contains(key.toString()), qPrintable(text));
        mnemonics << key.toString();
      }
    }
  }
};

QTEST_MAIN(WorksheetsWindowTest)
#include "worksheets_window_test.moc"
