#include "worksheetwindow.h"

#include "batch.h"
#include "batchwriter.h"
#include "jobform.h"
#include "pdfbook.h"
#include "qtprintcanvas.h"
#include "spooledprint.h"
#include "spoolprogress.h"
#include "spoolwording.h"
#include "typefacecheck.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr QLatin1StringView kLastKey("last");
constexpr QLatin1StringView kKeptGroup("kept");

WorksheetWindow::Services withDefaults(WorksheetWindow::Services services) {
  if (!services.saveFileName)
    services.saveFileName = [](QWidget *parent, const QString &suggested) {
      const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
      return QFileDialog::getSaveFileName(parent, WorksheetWindow::tr("PDFで保存"),
                                          QDir(folder).filePath(suggested),
                                          WorksheetWindow::tr("PDF (*.pdf)"));
    };
  if (!services.report)
    services.report = [](QWidget *parent, const QString &message) {
      QMessageBox::warning(parent, WorksheetWindow::tr("さんすうプリント"), message);
    };
  if (!services.inform)
    services.inform = [](QWidget *parent, const QString &message) {
      QMessageBox::information(parent, WorksheetWindow::tr("さんすうプリント"), message);
    };
  if (!services.choosePrinter)
    services.choosePrinter = askPrintDialog;
  return services;
}

QToolButton *toolButton(QWidget *parent, const QString &text, const QString &name) {
  auto *button = new QToolButton(parent);
  button->setText(text);
  button->setToolTip(name);
  button->setAccessibleName(name);
  return button;
}

} // namespace

WorksheetWindow::WorksheetWindow(Services services, QWidget *parent)
    : QWidget(parent), services_(withDefaults(std::move(services))),
      ownSettings_(services_.settings
                       ? nullptr
                       : std::make_unique<QSettings>(QStringLiteral("numeriko"),
                                                     QStringLiteral("numeriko-worksheets"))),
      settings_(services_.settings ? services_.settings : ownSettings_.get()),
      form_(new JobForm(this)), keep_(new QPushButton(tr("名前をつけて保存(&M)…"), this)),
      rename_(new QPushButton(tr("名前を変える(&E)…"), this)),
      remove_(new QPushButton(tr("消す(&L)"), this)),
      previewPrinter_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      refused_(new QLabel(this)), printButton_(new QPushButton(tr("印刷(&R)…"), this)),
      saveButton_(new QPushButton(tr("PDFで保存(&V)…"), this)) {
  setWindowTitle(tr("さんすうプリント"));
  previewPrinter_->setOutputFormat(QPrinter::PdfFormat);
  previewPrinter_->setResolution(kSheetDpi);
  preview_ = new QPrintPreviewWidget(previewPrinter_.get(), this);
  preview_->setAccessibleName(tr("プリントの見本"));
  preview_->setViewMode(QPrintPreviewWidget::AllPagesView);
  preview_->setZoomMode(QPrintPreviewWidget::FitInView);

  auto *keptTools = new QWidget(this);
  auto *keptRow = new QHBoxLayout(keptTools);
  keptRow->setContentsMargins(0, 0, 0, 0);
  for (QPushButton *button : {keep_, rename_, remove_})
    keptRow->addWidget(button);
  keptRow->addStretch();
  form_->addPresetTools(keptTools);

  auto *outputs = new QHBoxLayout;
  outputs->addStretch();
  outputs->addWidget(printButton_);
  outputs->addWidget(saveButton_);

  auto *left = new QVBoxLayout;
  auto *scroll = new QScrollArea(this);
  scroll->setWidget(form_);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setMinimumWidth(form_->sizeHint().width() +
                          scroll->verticalScrollBar()->sizeHint().width());
  left->addWidget(scroll, 1);
  left->addLayout(outputs);

  auto *previous = toolButton(this, QStringLiteral("◀"), tr("前のページ"));
  auto *next = toolButton(this, QStringLiteral("▶"), tr("次のページ"));
  auto *zoomIn = toolButton(this, QStringLiteral("+"), tr("拡大"));
  auto *zoomOut = toolButton(this, QStringLiteral("−"), tr("縮小"));
  auto *fit = toolButton(this, tr("全体"), tr("ページ全体を表示"));
  auto *tools = new QHBoxLayout;
  for (QToolButton *button : {previous, next, zoomIn, zoomOut, fit})
    tools->addWidget(button);
  tools->addStretch();
  refused_->setAlignment(Qt::AlignCenter);
  refused_->setWordWrap(true);
  refused_->hide();
  auto *right = new QVBoxLayout;
  right->addLayout(tools);
  right->addWidget(preview_, 1);
  right->addWidget(refused_, 1);

  auto *layout = new QHBoxLayout(this);
  layout->addLayout(left, 0);
  layout->addLayout(right, 1);
  resize(1200, 800);

  connect(previous, &QToolButton::clicked, preview_,
          [this] { preview_->setCurrentPage(preview_->currentPage() - 1); });
  connect(next, &QToolButton::clicked, preview_,
          [this] { preview_->setCurrentPage(preview_->currentPage() + 1); });
  connect(zoomIn, &QToolButton::clicked, preview_, [this] { preview_->zoomIn(); });
  connect(zoomOut, &QToolButton::clicked, preview_, [this] { preview_->zoomOut(); });
  connect(fit, &QToolButton::clicked, preview_, &QPrintPreviewWidget::fitInView);
  connect(printButton_, &QPushButton::clicked, this, &WorksheetWindow::print);
  connect(saveButton_, &QPushButton::clicked, this, &WorksheetWindow::saveAsPdf);
  connect(keep_, &QPushButton::clicked, this, [this] {
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("名前をつけて保存"), tr("名前:"),
                                               QLineEdit::Normal, QString(), &ok);
    if (ok && !name.trimmed().isEmpty())
      keepUnderName(name.trimmed());
  });
  connect(rename_, &QPushButton::clicked, this, [this] {
    bool ok = false;
    const QString old = form_->currentKept();
    const QString name = QInputDialog::getText(this, tr("名前を変える"), tr("新しい名前:"),
                                               QLineEdit::Normal, old, &ok);
    if (ok)
      renameKept(old, name.trimmed());
  });
  connect(remove_, &QPushButton::clicked, this, [this] { removeKept(form_->currentKept()); });
  connect(form_, &JobForm::keptChosen, this, [this](const QString &name) {
    form_->showKept(name, settings_->value(keptKey(name)).toMap());
  });

  form_->setKeptNames(keptNames());
  form_->setState(settings_->value(QString(kLastKey)).toMap());
  connect(form_, &JobForm::changed, this, &WorksheetWindow::jobChanged);
  jobChanged();
}

WorksheetWindow::~WorksheetWindow() = default;

void WorksheetWindow::closeEvent(QCloseEvent *event) {
  settings_->setValue(QString(kLastKey), form_->state());
  settings_->sync();
  QWidget::closeEvent(event);
}

void WorksheetWindow::jobChanged() {
  JobCheck check = validateJob(form_->job());
  // Qt would print in a stand-in for a missing typeface: the sheet waits for it.
  if (const auto *job = std::get_if<ResolvedJob>(&check))
    if (const TypefaceInfo *missing = missingTypeface(job->sheet)) {
      Refusal refusal{JobField::Typeface, RefusalReason::NotInstalled};
      refusal.allowed = {missing->package};
      check = refusal;
    }
  const Refusal *refusal = std::get_if<Refusal>(&check);
  form_->showRefusal(refusal ? std::optional<Refusal>(*refusal) : std::nullopt);
  job_ = refusal ? std::nullopt : std::optional<ResolvedJob>(std::get<ResolvedJob>(check));
  keptChanged();
  printButton_->setEnabled(job_.has_value());
  saveButton_->setEnabled(job_.has_value());
  if (refusal) {
    refused_->setText(
        tr("このままではプリントを作れません。\n%1").arg(JobForm::refusalText(*refusal)));
    preview_->hide();
    refused_->show();
    return;
  }
  refused_->hide();
  previewPrinter_->setPageLayout(sheetPageLayout(job_->sheet.page));
  // A preview shown draws itself.
  if (preview_->isVisible())
    preview_->updatePreview();
  else if (isVisible())
    preview_->show();
}

void WorksheetWindow::paintEvent(QPaintEvent *event) {
  QWidget::paintEvent(event);
  if (previewStarted_)
    return;
  // The window opens with blank pages, and the sheets follow once it is on
  // the screen: drawing them is most of the time the first frame would take.
  previewStarted_ = true;
  QTimer::singleShot(0, this, [this] {
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, &WorksheetWindow::paintPreview);
    if (preview_->isVisible())
      preview_->updatePreview();
  });
}

// The first sheet and its answer sheet, as the batch prints them.
void WorksheetWindow::paintPreview(QPrinter *printer) {
  if (!job_)
    return;
  ResolvedJob first = *job_;
  first.sheets = 1;
  first.copies = 1;
  QtPrintCanvas canvas(*printer, QtPrintCanvas::Documents::PagesOfOneFile);
  printBatch(first, canvas);
  canvas.finish();
}

void WorksheetWindow::runWithProgress(
    const QString &title, int64_t parts,
    const std::function<void(const std::function<bool(int64_t, int64_t)> &)> &work) {
  QProgressDialog progress(title, tr("やめる"), 0, int(std::min<int64_t>(parts, INT32_MAX)), this);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  work([&](int64_t done, int64_t) {
    progress.setValue(int(done));
    // Until the dialog shows, it lets nothing through: keep the window drawn
    // and the cancel heard, but take no other input while the batch runs.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return !progress.wasCanceled();
  });
}

void WorksheetWindow::saveAsPdf() {
  if (!job_)
    return;
  const QString path = services_.saveFileName(this, form_->suggestedName());
  if (!path.isEmpty())
    writePdf(*job_, path);
}

void WorksheetWindow::writePdf(const ResolvedJob &job, const QString &path) {
  BatchWrite written;
  runWithProgress(tr("PDFを作っています…"), int64_t(batchParts(job).size()),
                  [&](const auto &progress) { written = writeBatchPdf(job, path, progress); });
  if (written.outcome == BatchWrite::Outcome::Failed)
    services_.report(this, tr("%1 に保存できませんでした。\n%2").arg(path, written.error));
}

void WorksheetWindow::print() {
  if (!job_)
    return;
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    services_.report(this, tr("プリンターがありません。PDFで保存してください。"));
    return;
  }
  const std::optional<PrintChoice> choice =
      services_.choosePrinter(this, form_->suggestedName(), job_->sheet.page);
  if (!choice)
    return;
  const ResolvedJob job = *job_;
  if (!choice->pdfFile.isEmpty()) {
    writePdf(job, choice->pdfFile);
    return;
  }
  SpoolRequest request;
  request.queue = choice->queue.toStdString();
  request.options = choice->options;
  request.title = form_->suggestedName().chopped(4).toStdString(); // without ".pdf"
  const auto jobs = spoolerJobs(job, false);
  const SpoolRun run = printFollowingInDialog(this, job, jobs, request);

  // One message: the whole batch, then each job that did not print.
  QStringList lines{SpoolWording::summary(run)};
  if (run.queueAtEnd.state == QueueState::Paused && spoolVerdict(run) == SpoolVerdict::Waiting)
    lines << SpoolWording::paused(run.queueAtEnd);
  lines << SpoolWording::jobLines(run, jobs, job.sheets, false, false);
  if (lines.size() > 12)
    lines = lines.mid(0, 12) << QStringLiteral("…");
  if (spoolVerdict(run) == SpoolVerdict::Printed && !run.cancelled)
    services_.inform(this, lines.join(u'\n'));
  else
    services_.report(this, lines.join(u'\n'));
}

void WorksheetWindow::keptChanged() {
  rename_->setEnabled(!form_->currentKept().isEmpty());
  remove_->setEnabled(!form_->currentKept().isEmpty());
  settings_->setValue(QString(kLastKey), form_->state());
}

QString WorksheetWindow::keptKey(const QString &name) { return QString(kKeptGroup) + u'/' + name; }

QStringList WorksheetWindow::keptNames() const {
  settings_->beginGroup(QString(kKeptGroup));
  QStringList names = settings_->childKeys();
  settings_->endGroup();
  return names;
}

void WorksheetWindow::keepUnderName(QString name) {
  // A slash would make a settings group of the name.
  name.replace(u'/', u'／');
  QVariantMap state = form_->state();
  state.remove(QStringLiteral("kept"));
  settings_->setValue(keptKey(name), state);
  form_->setKeptNames(keptNames(), name);
  keptChanged();
}

void WorksheetWindow::renameKept(const QString &old, QString name) {
  name.replace(u'/', u'／');
  if (old.isEmpty() || name.isEmpty() || name == old)
    return;
  settings_->setValue(keptKey(name), settings_->value(keptKey(old)));
  settings_->remove(keptKey(old));
  form_->setKeptNames(keptNames(), name);
  keptChanged();
}

void WorksheetWindow::removeKept(const QString &name) {
  if (name.isEmpty())
    return;
  settings_->remove(keptKey(name));
  form_->setKeptNames(keptNames());
  keptChanged();
}
