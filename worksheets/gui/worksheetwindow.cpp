#include "worksheetwindow.h"

#include "batch.h"
#include "batchworker.h"
#include "batchwriter.h"
#include "jobform.h"
#include "keptsettings.h"
#include "pdfbook.h"
#include "qtprintcanvas.h"
#include "sheetgenerator.h"
#include "spooledprint.h"
#include "spoolprogress.h"
#include "spoolwording.h"
#include "typefacecheck.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Narrower than this, the preview shows one page at its width.
constexpr int kSideBySideWidth = 900;

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
  if (!services.openFolder)
    services.openFolder = [](const QString &folder) {
      QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };
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
      kept_(
          std::make_unique<KeptSettings>(services_.settings ? *services_.settings : *ownSettings_)),
      form_(new JobForm(this)), keep_(new QPushButton(tr("名前をつけて保存(&M)…"), this)),
      rename_(new QPushButton(tr("名前を変える(&E)…"), this)),
      remove_(new QPushButton(tr("消す(&L)"), this)),
      previewPrinter_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      refused_(new QLabel(this)), printButton_(new QPushButton(tr("印刷(&R)…"), this)),
      saveButton_(new QPushButton(tr("PDFで保存(&V)…"), this)), saved_(new QLabel(this)),
      openFolder_(new QPushButton(tr("フォルダを開く"), this)) {
  for (const auto &[widget, name] : {std::pair<QWidget *, const char *>{keep_, "keep"},
                                     {rename_, "rename"},
                                     {remove_, "remove"},
                                     {printButton_, "print"},
                                     {saveButton_, "save"},
                                     {saved_, "saved"},
                                     {openFolder_, "openFolder"},
                                     {refused_, "refused"}})
    widget->setObjectName(QLatin1String(name));
  setWindowTitle(tr("さんすうプリント"));
  previewPrinter_->setOutputFormat(QPrinter::PdfFormat);
  previewPrinter_->setResolution(kSheetDpi);
  preview_ = new QPrintPreviewWidget(previewPrinter_.get(), this);
  preview_->setObjectName(QStringLiteral("preview"));
  preview_->setAccessibleName(tr("プリントの見本"));
  preview_->setZoomMode(QPrintPreviewWidget::FitToWidth);

  auto *keptTools = new QWidget(this);
  auto *keptRow = new QHBoxLayout(keptTools);
  keptRow->setContentsMargins(0, 0, 0, 0);
  for (QPushButton *button : {keep_, rename_, remove_})
    keptRow->addWidget(button);
  keptRow->addStretch();
  form_->addChoiceTools(keptTools);

  auto *outputs = new QHBoxLayout;
  outputs->addStretch();
  outputs->addWidget(printButton_);
  outputs->addWidget(saveButton_);
  // Where the last save went, with its folder a click away.
  saved_->setWordWrap(true);
  saved_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto *savedRow = new QHBoxLayout;
  savedRow->addWidget(saved_, 1);
  savedRow->addWidget(openFolder_);
  saved_->hide();
  openFolder_->hide();

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
  left->addLayout(savedRow);

  auto *previous = toolButton(this, QStringLiteral("◀"), tr("前のページ"));
  auto *next = toolButton(this, QStringLiteral("▶"), tr("次のページ"));
  auto *zoomIn = toolButton(this, QStringLiteral("+"), tr("拡大"));
  auto *zoomOut = toolButton(this, QStringLiteral("−"), tr("縮小"));
  auto *fit = toolButton(this, tr("幅"), tr("ページの幅に合わせる"));
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
  // Wide enough on a common screen for the sheet beside its answers.
  const QSize room = screen() ? screen()->availableGeometry().size() * 0.9 : QSize(1200, 800);
  resize(room.boundedTo(QSize(1700, 1100)).expandedTo(QSize(1000, 700)));

  connect(previous, &QToolButton::clicked, preview_,
          [this] { preview_->setCurrentPage(preview_->currentPage() - 1); });
  connect(next, &QToolButton::clicked, preview_,
          [this] { preview_->setCurrentPage(preview_->currentPage() + 1); });
  connect(zoomIn, &QToolButton::clicked, preview_, [this] { preview_->zoomIn(); });
  connect(zoomOut, &QToolButton::clicked, preview_, [this] { preview_->zoomOut(); });
  connect(fit, &QToolButton::clicked, preview_, &QPrintPreviewWidget::fitToWidth);
  connect(openFolder_, &QPushButton::clicked, this, [this] { services_.openFolder(savedFolder_); });
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
  connect(form_, &JobForm::keptChosen, this,
          [this](const QString &name) { form_->showKept(name, kept_->kept(name)); });

  form_->setKeptNames(kept_->names());
  form_->setState(kept_->last());
  connect(form_, &JobForm::changed, this, &WorksheetWindow::jobChanged);
  jobChanged();
}

WorksheetWindow::~WorksheetWindow() = default;

void WorksheetWindow::closeEvent(QCloseEvent *event) {
  // A form the core refuses is not what the teacher wants back next time.
  if (job_)
    kept_->setLast(form_->state());
  QWidget::closeEvent(event);
}

void WorksheetWindow::resizeEvent(QResizeEvent *event) {
  QWidget::resizeEvent(event);
  fitPreview();
}

void WorksheetWindow::fitPreview() {
  const auto mode = preview_->width() >= kSideBySideWidth ? QPrintPreviewWidget::AllPagesView
                                                          : QPrintPreviewWidget::SinglePageView;
  if (preview_->viewMode() != mode)
    preview_->setViewMode(mode);
  preview_->fitToWidth();
}

void WorksheetWindow::jobChanged() {
  JobCheck check = form_->check();
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
  if (job_) {
    const int32_t count = job_->sheet.count;
    form_->showDifferent(differentProblems(job_->sheet, factSpaces(job_->sheet), count), count);
  } else {
    form_->showDifferent(0, 0);
  }
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

void WorksheetWindow::saveAsPdf() {
  if (!job_)
    return;
  const QString path = services_.saveFileName(this, form_->suggestedName());
  if (!path.isEmpty())
    writePdf(*job_, path);
}

void WorksheetWindow::writePdf(const ResolvedJob &job, const QString &path) {
  BatchWrite written;
  const int64_t parts = int64_t(batchParts(job).size());
  runOffTheWindow(this, tr("PDFを作っています…"), parts, 500, [&](const WorkReport &report) {
    written = writeBatchPdf(job, path, [&](int64_t done, int64_t all) {
      return report({done, all, {}});
    });
  });
  switch (written.outcome) {
  case BatchWrite::Outcome::Failed:
    services_.report(this, tr("%1 に保存できませんでした。\n%2").arg(path, written.error));
    return;
  case BatchWrite::Outcome::Cancelled:
    return;
  case BatchWrite::Outcome::Written:
    break;
  }
  savedFolder_ = QFileInfo(path).absolutePath();
  saved_->setText(tr("保存しました: %1（%2 ページ）")
                      .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()))
                      .arg(written.pages));
  saved_->show();
  openFolder_->show();
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
  if (job_)
    kept_->setLast(form_->state());
}

void WorksheetWindow::keepUnderName(QString name) {
  QVariantMap state = form_->state();
  state.remove(QStringLiteral("kept"));
  name = kept_->keep(name, state);
  form_->setKeptNames(kept_->names(), name);
  keptChanged();
}

void WorksheetWindow::renameKept(const QString &old, QString name) {
  name = kept_->rename(old, name);
  form_->setKeptNames(kept_->names(), name);
  keptChanged();
}

void WorksheetWindow::removeKept(const QString &name) {
  if (name.isEmpty())
    return;
  kept_->remove(name);
  form_->setKeptNames(kept_->names());
  keptChanged();
}
