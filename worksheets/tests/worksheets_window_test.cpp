// The worksheet window through its real widgets: the form builds the job the
// core checks, a refusal stops the outputs, saving writes whole files or
// none, and the English window shows no Japanese but the sheets' own.

#include "cupsscheduler.h"
#include "jobform.h"
#include "translations.h"
#include "worksheetpresets.h"
#include "worksheetwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
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
  QString queue; // the print dialog's choice
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
    window = std::make_unique<WorksheetWindow>(std::move(services));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  template <typename T> T *labelled(const QString &label) const {
    for (QLabel *l : window->findChildren<QLabel *>())
      if (l->text().startsWith(label) && l->buddy())
        return qobject_cast<T *>(l->buddy());
    return nullptr;
  }
  // A tick, clicked on its box: a box's middle may lie past its text.
  static void tick(QCheckBox *box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
  }
  QPushButton *button(const QString &prefix) const {
    for (QPushButton *b : window->findChildren<QPushButton *>())
      if (b->text().startsWith(prefix))
        return b;
    return nullptr;
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
    return button(QStringLiteral("印刷"))->isEnabled() &&
           button(QStringLiteral("PDFで保存"))->isEnabled();
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
    QVERIFY(f.window->job());
    // The sheets follow the window's first frame.
    QTRY_COMPARE(f.window->findChild<QPrintPreviewWidget *>()->pageCount(), 2);
    QCOMPARE(f.window->job()->sheet.kinds.front().kind, SheetKind::Add);

    // The kinds' ticks make a mix, the first range bounds the first number.
    auto *kinds = f.labelled<QWidget>(QStringLiteral("種類"));
    QTest::mouseClick(kinds->findChildren<QCheckBox *>().at(5), Qt::LeftButton);
    WorksheetJob job = f.window->form().job();
    QCOMPARE(job.kinds, (std::vector<SheetKind>{SheetKind::Add, SheetKind::Divide}));
    auto *first = f.labelled<QWidget>(QStringLiteral("1つめ"));
    QTest::mouseClick(first->findChild<QCheckBox *>(), Qt::LeftButton);
    const QList<QSpinBox *> ends = first->findChildren<QSpinBox *>();
    f.type(ends[0], QStringLiteral("12"));
    f.type(ends[1], QStringLiteral("40"));
    QCOMPARE(f.window->form().job().first, (std::optional<NumberRange>{{12, 40}}));
    QVERIFY(f.outputsEnabled());

    // Low above high: the core's refusal at the field, no preview, no output.
    f.type(ends[1], QStringLiteral("3"));
    QVERIFY(!f.window->job());
    QVERIFY(!f.outputsEnabled());
    QVERIFY(f.window->findChild<QPrintPreviewWidget *>()->isHidden());
    bool said = false;
    for (QLabel *label : f.window->findChildren<QLabel *>(QStringLiteral("refusal")))
      said |= label->isVisible() && label->text().contains(QStringLiteral("大きく"));
    QVERIFY(said);
    f.type(ends[1], QStringLiteral("99"));
    QVERIFY(f.window->job() && f.outputsEnabled());
    // The preview is back, with the sheet and its answers.
    auto *preview = f.window->findChild<QPrintPreviewWidget *>();
    QVERIFY(preview->isVisible());
    QCOMPARE(preview->pageCount(), 2);

    // The size, the typeface, kana headings and the paper's turn go into the
    // job; choosing the large size ticks the kana headings, as for a first grader.
    f.choose(f.labelled<QComboBox>(QStringLiteral("大きさ")), 0);
    auto *typeface = f.labelled<QWidget>(QStringLiteral("書体"));
    f.choose(typeface->findChild<QComboBox *>(), 1);
    QTest::mouseClick(f.labelled<QWidget>(QStringLiteral("用紙"))->findChild<QCheckBox *>(),
                      Qt::LeftButton);
    job = f.window->form().job();
    QCOMPARE(job.size, std::optional(SheetSize::Large));
    QCOMPARE(job.typeface, std::optional(Typeface::UdGothic));
    QCOMPARE(job.kana, std::optional(true));
    QVERIFY(job.page.landscape);
    QVERIFY(f.window->job() && f.window->job()->sheet.kana);
    QTest::mouseClick(typeface->findChild<QCheckBox *>(), Qt::LeftButton);
    QCOMPARE(f.window->form().job().kana, std::optional(false));

    // Column form and its guide, which only it takes.
    auto *format = f.labelled<QWidget>(QStringLiteral("書き方"));
    auto *guide = format->findChildren<QComboBox *>().at(1);
    QVERIFY(!guide->isEnabled());
    f.choose(format->findChild<QComboBox *>(), 1);
    f.choose(guide, 2);
    job = f.window->form().job();
    QVERIFY(job.format == SheetFormat::Column && job.guide == Guide::None);
    QVERIFY(f.window->job() && f.window->job()->sheet.format == SheetFormat::Column);
    QTest::mouseClick(f.labelled<QWidget>(QStringLiteral("くり上がり"))->findChild<QCheckBox *>(),
                      Qt::LeftButton);
    QVERIFY(f.window->form().job().leaveOutTrivial);
    // 百ます, a row of ten cells: the cells' choice replaces the guide's.
    f.choose(format->findChild<QComboBox *>(), 2);
    auto *cells = format->findChildren<QComboBox *>().at(2);
    QVERIFY(!guide->isEnabled() && cells->isEnabled());
    f.choose(cells, 2);
    QCOMPARE(f.window->form().job().cells, std::optional(GridCells::Ten));
    // The division ticked above is not for 百ます: said at the format's row.
    QVERIFY(!f.window->job());
    said = false;
    for (QLabel *label : f.window->findChildren<QLabel *>(QStringLiteral("refusal")))
      said |=
          label->isVisible() && label->text().contains(QStringLiteral("たし算、ひき算、かけ算"));
    QVERIFY(said);
    // さくらんぼ, splitting the first number of the additions ticked.
    f.choose(format->findChild<QComboBox *>(), 3);
    auto *split = format->findChildren<QComboBox *>().at(3);
    QVERIFY(!cells->isEnabled() && split->isEnabled());
    f.choose(split, 1);
    job = f.window->form().job();
    QVERIFY(job.format == SheetFormat::Cherry && job.split == CherrySplit::First);
    // Three numbers, inline: their signs wait for the kind, and one stays ticked.
    f.choose(format->findChild<QComboBox *>(), 0);
    auto *signs = f.labelled<QWidget>(QStringLiteral("3つの数"));
    QVERIFY(!signs->isEnabled());
    f.tick(kinds->findChildren<QCheckBox *>().at(7));
    const QList<QCheckBox *> pairs = signs->findChildren<QCheckBox *>();
    for (const int p : {0, 1, 3, 2})
      f.tick(pairs.at(p));
    QVERIFY(pairs.at(2)->isChecked());
    QCOMPARE(f.window->form().job().signs, std::vector{SignPair::AddSubtract});
    QVERIFY(f.window->job() && f.window->job()->sheet.kinds.back().kind == SheetKind::Three);

    // A preset fixes the problems; answers, paper, sheets and seed go into the job.
    f.choose(f.labelled<QComboBox>(QStringLiteral("プリント")), 3);
    f.choose(f.labelled<QComboBox>(QStringLiteral("答えのプリント")), 2);
    f.choose(f.labelled<QWidget>(QStringLiteral("用紙"))->findChild<QComboBox *>(), 1);
    f.type(f.labelled<QSpinBox>(QStringLiteral("枚数")), QStringLiteral("30"));
    auto *seed = f.labelled<QWidget>(QStringLiteral("シード"))->findChild<QLineEdit *>();
    f.type(seed, QStringLiteral("7"));
    job = f.window->form().job();
    QCOMPARE(job.preset, &kWorksheetPresets[2]);
    QVERIFY(job.kinds.empty() && !job.first);
    QVERIFY(job.answers && job.answersAtEnd);
    QCOMPARE(job.page.paper, Paper::B5);
    QCOMPARE(job.sheets, 30);
    QCOMPARE(job.seed, 7);
    QCOMPARE(f.window->form().suggestedName(), QStringLiteral("余りのあるわり算100題-30枚.pdf"));
    f.type(seed, QStringLiteral("x"));
    QVERIFY(!f.outputsEnabled());
    f.type(seed, QStringLiteral("7"));

    // A kept sheet is listed with the presets and brings its choices back.
    auto *presets = f.labelled<QComboBox>(QStringLiteral("プリント"));
    f.window->keepUnderName(QStringLiteral("3年/2組"));
    QCOMPARE(presets->currentText(), QStringLiteral("3年／2組"));
    QVERIFY(f.button(QStringLiteral("消す"))->isEnabled());
    f.choose(presets, 1);
    QVERIFY(!f.button(QStringLiteral("消す"))->isEnabled());
    f.type(f.labelled<QSpinBox>(QStringLiteral("枚数")), QStringLiteral("2"));
    f.choose(presets, presets->findText(QStringLiteral("3年／2組")));
    QCOMPARE(f.window->form().job().preset, &kWorksheetPresets[2]);
    QCOMPARE(f.window->form().job().sheets, 30);
    f.window->renameKept(QStringLiteral("3年／2組"), QStringLiteral("宿題"));
    QCOMPARE(presets->currentText(), QStringLiteral("宿題"));
    QCOMPARE(presets->findText(QStringLiteral("3年／2組")), -1);

    // The choices come back at the next start; the seed only when kept.
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
    QVERIFY(again.window->form().job().seed != 7);
    again.window->removeKept(QStringLiteral("宿題"));
    QVERIFY(again.window->form().currentKept().isEmpty());
    QCOMPARE(again.window->form().job().preset, &kWorksheetPresets[2]);
    QVERIFY(!again.settings.contains(QStringLiteral("kept/宿題")));
  }

  // Every label's mnemonic reaches its field, or a row's first control.
  void everyLabelShouldTakeItsMnemonicToItsField() {
    Fixture f;
    QApplication::setActiveWindow(f.window.get());
    f.choose(f.labelled<QComboBox>(QStringLiteral("プリント")), 0);
    // The signs of three numbers wait for their kind.
    f.tick(f.labelled<QWidget>(QStringLiteral("種類"))->findChildren<QCheckBox *>().at(7));
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
    QCOMPARE(labels, 18);
    // Tab goes from the preset to keeping it, then to the first kind's tick,
    // not to the row around it (renaming and removing wait for a kept sheet).
    f.labelled<QComboBox>(QStringLiteral("プリント"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.button(QStringLiteral("名前をつけて保存")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(),
             f.labelled<QWidget>(QStringLiteral("種類"))->focusProxy());
  }

  void savingShouldWriteWholeFilesOrNone() {
    Fixture f;
    QDir dir(f.folder.path());
    f.choose(f.labelled<QComboBox>(QStringLiteral("プリント")), 3);
    f.type(f.labelled<QSpinBox>(QStringLiteral("枚数")), QStringLiteral("3"));

    f.answer.clear(); // the dialog cancelled
    f.button(QStringLiteral("PDFで保存"))->click();
    QCOMPARE(dir.entryList({QStringLiteral("*.pdf")}), QStringList());

    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    f.answer = dir.filePath(QStringLiteral("plain/sheets.pdf"));
    f.button(QStringLiteral("PDFで保存"))->click();
    QCOMPARE(f.reports.size(), 1);
    QVERIFY2(f.reports.first().contains(QStringLiteral("plain")), qPrintable(f.reports.first()));

    // Cancelled in the progress dialog: no file.
    f.answer = dir.filePath(QStringLiteral("cancelled.pdf"));
    QTimer::singleShot(0, f.window.get(), [&] {
      if (auto *progress = f.window->findChild<QProgressDialog *>())
        progress->cancel();
    });
    f.button(QStringLiteral("PDFで保存"))->click();
    QVERIFY(!QFile::exists(f.answer));

    f.answer = dir.filePath(QStringLiteral("sheets.pdf"));
    f.button(QStringLiteral("PDFで保存"))->click();
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
    f.choose(f.labelled<QComboBox>(QStringLiteral("プリント")), 2);
    QTest::mouseClick(f.button(QStringLiteral("印刷")), Qt::LeftButton);
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
    Fixture f;
    auto *first = f.labelled<QWidget>(QStringLiteral("First"));
    QVERIFY(first);
    QTest::mouseClick(first->findChild<QCheckBox *>(), Qt::LeftButton);
    f.type(first->findChildren<QSpinBox *>()[0], QStringLiteral("50")); // a refusal, shown
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
          if (combo != f.labelled<QComboBox>(QStringLiteral("&Worksheet")) || i == 0)
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
