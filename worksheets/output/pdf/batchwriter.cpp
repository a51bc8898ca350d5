#include "batchwriter.h"

#include "pdfbook.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

QString titleOf(const ResolvedJob &job) {
  return QString::fromStdString(job.sheet.title.value_or(job.sheet.caption));
}

// Draws the batch on the device; the outcome and, on failure, why.
BatchWrite render(const ResolvedJob &job, QIODevice &device,
                  const std::function<bool(int64_t, int64_t)> &progress) {
  BatchWrite result;
  PdfBook book(device, job.sheet.page, titleOf(job));
  const BatchOutcome outcome = printBatch(job, book.canvas(), progress);
  const bool finished = book.finish();
  if (outcome == BatchOutcome::Cancelled) {
    result.outcome = BatchWrite::Outcome::Cancelled;
  } else if (outcome == BatchOutcome::PageRefused || !finished) {
    result.error = QCoreApplication::translate("BatchWriter", "PDFのページを作れませんでした");
  } else {
    result.outcome = BatchWrite::Outcome::Written;
    result.pages = batchPages(job);
  }
  return result;
}

bool writeAll(int fd, const QByteArray &bytes, QString &error) {
  const char *data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0) {
      error = QString::fromLocal8Bit(std::strerror(errno));
      return false;
    }
    data += written;
    left -= written;
  }
  return true;
}

BatchWrite toStandardOutput(const ResolvedJob &job,
                            const std::function<bool(int64_t, int64_t)> &progress) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  BatchWrite result = render(job, buffer, progress);
  if (result.outcome == BatchWrite::Outcome::Written &&
      !writeAll(STDOUT_FILENO, buffer.data(), result.error))
    result.outcome = BatchWrite::Outcome::Failed;
  return result;
}

} // namespace

std::optional<QByteArray> partsPdf(const ResolvedJob &job, const std::vector<BatchPart> &parts) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    PdfBook book(buffer, job.sheet.page, titleOf(job));
    if (printParts(job, parts, book.canvas()) != BatchOutcome::Printed || !book.finish())
      return std::nullopt;
  }
  return bytes;
}

BatchWrite writeBatchPdf(const ResolvedJob &job, const QString &path,
                         const std::function<bool(int64_t, int64_t)> &progress) {
  if (path == kStandardOutput)
    return toStandardOutput(job, progress);

  BatchWrite result;
  const QFileInfo folder(QFileInfo(path).absolutePath());
  if (!folder.exists()) {
    result.error = QCoreApplication::translate("BatchWriter", "フォルダ %1 がありません")
                       .arg(folder.filePath());
    return result;
  }
  if (!folder.isDir()) {
    result.error = QCoreApplication::translate("BatchWriter", "%1 はフォルダではありません")
                       .arg(folder.filePath());
    return result;
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    result.error = file.errorString();
    return result;
  }
  result = render(job, file, progress);
  if (result.outcome != BatchWrite::Outcome::Written) {
    file.cancelWriting(); // the temporary file goes with the QSaveFile
    return result;
  }
  if (!file.commit()) {
    result.outcome = BatchWrite::Outcome::Failed;
    result.error = file.errorString();
  }
  return result;
}
