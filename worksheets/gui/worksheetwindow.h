#pragma once

#include "jobvalidation.h"
#include "printchoice.h"

#include <QWidget>

#include <functional>
#include <memory>

class JobForm;
class KeptSettings;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QSettings;

// The worksheet program's window: the job's form on the left and, on the
// right, a live preview of the first sheet and its answer sheet, painted by
// the routine that prints. Each change of the form goes through the core's
// check: a refusal is shown at its field, in place of a preview, and keeps
// the outputs disabled. The form's last state and the sheets a teacher kept
// under a name live in the program's own settings.
// What the window asks of the desktop; tests answer in its place.
struct WorksheetServices {
  // The PDF's file name, or empty when the user cancels.
  std::function<QString(QWidget *, const QString &suggested)> saveFileName;
  std::function<void(QWidget *, const QString &message)> report; // something went wrong
  std::function<void(QWidget *, const QString &message)> inform; // all went well
  // The print dialog's choice, or none when the user cancels.
  std::function<std::optional<PrintChoice>(QWidget *, const QString &docName, PageSetup page)>
      choosePrinter;
  QSettings *settings = nullptr;                         // default: the program's own
  std::function<void(const QString &folder)> openFolder; // a saved file's, in the file manager
};

class WorksheetWindow : public QWidget {
  Q_OBJECT

public:
  using Services = WorksheetServices;

  explicit WorksheetWindow(Services services = {}, QWidget *parent = nullptr);
  ~WorksheetWindow() override;

  [[nodiscard]] JobForm &form() { return *form_; }
  // The settled job the form describes now, if the core takes it.
  [[nodiscard]] const std::optional<ResolvedJob> &job() const { return job_; }

  void saveAsPdf();
  void print();
  void keepUnderName(QString name);
  void renameKept(const QString &old, QString name);
  void removeKept(const QString &name);

protected:
  void closeEvent(QCloseEvent *event) override;
  void paintEvent(QPaintEvent *event) override;
  void resizeEvent(QResizeEvent *event) override;

private:
  void jobChanged();
  void writePdf(const ResolvedJob &job, const QString &path);
  void paintPreview(QPrinter *printer);
  // Rename and remove act on the kept sheet chosen.
  void keptChanged();
  // Side by side where the pane is wide enough, one page at its width if not.
  void fitPreview();

  Services services_;
  std::unique_ptr<QSettings> ownSettings_;
  std::unique_ptr<KeptSettings> kept_;
  JobForm *const form_;
  QPushButton *const keep_;
  QPushButton *const rename_;
  QPushButton *const remove_;
  std::unique_ptr<QPrinter> previewPrinter_;
  QPrintPreviewWidget *preview_;
  QLabel *const refused_;
  QPushButton *const printButton_;
  QPushButton *const saveButton_;
  QLabel *const saved_;
  QPushButton *const openFolder_;
  QString savedFolder_;
  std::optional<ResolvedJob> job_;
  bool previewStarted_ = false;
};
