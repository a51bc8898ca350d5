#include "spoolwording.h"

#include <QStringList>

namespace {

QString fromStd(const std::string &text) { return QString::fromStdString(text); }

QString joined(const std::vector<std::string> &words) {
  QStringList list;
  for (const std::string &word : words)
    list << fromStd(word);
  return list.join(QStringLiteral(", "));
}

// "state: reasons; message", whichever the spooler gave.
QString said(const QString &state, const std::vector<std::string> &reasons,
             const std::string &message) {
  QStringList parts;
  if (!state.isEmpty())
    parts << state;
  if (!reasons.empty())
    parts << joined(reasons);
  if (!message.empty())
    parts << QStringLiteral("“%1”").arg(fromStd(message));
  return parts.join(QStringLiteral("; "));
}

} // namespace

QString SpoolWording::jobCaption(const std::vector<BatchPart> &parts, int32_t sheets,
                                 bool wholeBatch) {
  if (wholeBatch)
    return tr("%1枚すべて").arg(sheets);
  if (parts.empty())
    return {};
  const BatchPart &first = parts.front();
  if (first.label.answers)
    return tr("%1枚目のこたえ").arg(first.label.sheet);
  return tr("%1枚目").arg(first.label.sheet);
}

QString SpoolWording::state(JobState state) {
  switch (state) {
  case JobState::Pending:
    return tr("待ち");
  case JobState::Held:
    return tr("保留");
  case JobState::Processing:
    return tr("印刷中");
  case JobState::Stopped:
    return tr("停止");
  case JobState::Cancelled:
    return tr("取り消し");
  case JobState::Aborted:
    return tr("中止");
  case JobState::Completed:
    return tr("完了");
  }
  return {};
}

QString SpoolWording::failure(const SpoolError &error, const QString &queue) {
  const QString message = fromStd(error.message);
  switch (error.problem) {
  case SpoolProblem::NoScheduler:
    return tr("印刷の仕組み（CUPS、%1）につながりません。CUPS が動いているか確かめてください")
        .arg(message);
  case SpoolProblem::NoAnswer:
    return tr("CUPS が %1 秒のうちに答えませんでした").arg(message);
  case SpoolProblem::NoSuchQueue:
    return tr("プリンター %1 はありません").arg(queue);
  case SpoolProblem::NoDefaultQueue:
    return tr("いつものプリンターが決まっていません。プリンターを選んでください");
  case SpoolProblem::NoSuchJob:
    return tr("CUPS がこのジョブを知りません: %1").arg(message);
  case SpoolProblem::Refused:
    return message.isEmpty()
               ? tr("プリンター %1 は今ジョブを受けつけていません").arg(queue)
               : tr("プリンター %1 は今ジョブを受けつけていません: “%2”").arg(queue, message);
  case SpoolProblem::NoDocument:
    return tr("印刷するPDFを作れませんでした");
  case SpoolProblem::Other:
    break;
  }
  return tr("CUPS がことわりました: %1").arg(message);
}

QString SpoolWording::paused(const QueueStatus &queue) {
  const QString why = said({}, queue.reasons, queue.message);
  return tr("プリンター %1 は止まっています（%2）。ジョブはキューに入り、再開されるまで待ちます")
      .arg(fromStd(queue.name), why);
}

QString SpoolWording::job(const JobReport &job, const QString &caption, const QString &queue) {
  const QString id = QStringLiteral("%1-%2").arg(queue).arg(job.id);
  const QString status = said(state(job.status.state), job.status.reasons, job.status.message);
  switch (job.outcome) {
  case JobOutcome::Printed:
    return tr("%1: 印刷しました（ジョブ %2）").arg(caption, id);
  case JobOutcome::Waiting:
    return tr("%1: キューに入っていて、まだ印刷されていません（ジョブ %2、%3）")
        .arg(caption, id, job.error ? failure(*job.error, queue) : status);
  case JobOutcome::HandedOver:
    return tr("%1: ジョブ %2 としてキューに渡しました。印刷されたかは見届けていません")
        .arg(caption, id);
  case JobOutcome::Failed:
    return tr("%1: 印刷できませんでした（ジョブ %2、%3）")
        .arg(caption, id, job.error ? failure(*job.error, queue) : status);
  case JobOutcome::QueueGone:
    return tr("%1: プリンター %2 がなくなり、印刷されませんでした（ジョブ %3、%4）")
        .arg(caption, queue, id, status);
  case JobOutcome::NotSubmitted:
    return job.error ? tr("%1: 送れませんでした。%2").arg(caption, failure(*job.error, queue))
                     : tr("%1: 送りませんでした").arg(caption);
  }
  return {};
}

QStringList SpoolWording::jobLines(const SpoolRun &run,
                                   const std::vector<std::vector<BatchPart>> &jobs, int32_t sheets,
                                   bool wholeBatch, bool printedToo) {
  QStringList lines;
  const QString queue = fromStd(run.queue);
  for (const JobReport &report : run.jobs)
    if (printedToo || report.outcome != JobOutcome::Printed)
      lines << job(report, jobCaption(jobs[report.index], sheets, wholeBatch), queue);
  return lines;
}

QString SpoolWording::summary(const SpoolRun &run) {
  const QString queue = fromStd(run.queue);
  if (run.failure)
    return failure(*run.failure, queue);
  int printed = 0;
  int waiting = 0;
  int handedOver = 0;
  for (const JobReport &job : run.jobs) {
    printed += job.outcome == JobOutcome::Printed;
    waiting += job.outcome == JobOutcome::Waiting;
    handedOver += job.outcome == JobOutcome::HandedOver;
  }
  const int all = int(run.jobs.size());
  const int failed = all - printed - waiting - handedOver;
  if (run.cancelled)
    return tr("やめました。%1 件のジョブはキュー %2 に渡してあり、そこに残ります")
        .arg(printed + waiting + handedOver)
        .arg(queue);
  if (failed > 0)
    return tr("%1 件のジョブのうち %2 件を印刷できませんでした").arg(all).arg(failed);
  if (waiting > 0)
    return tr("%1 件のジョブのうち %2 件はまだ印刷されていません（キュー %3）")
        .arg(all)
        .arg(waiting)
        .arg(queue);
  if (handedOver > 0)
    return tr("%1 件のジョブをキュー %2 に渡しました").arg(all).arg(queue);
  return tr("%1 件のジョブをすべて印刷しました（キュー %2）").arg(all).arg(queue);
}

QString SpoolWording::queueLine(const QueueStatus &queue) {
  QString state;
  switch (queue.state) {
  case QueueState::Idle:
    state = tr("待機中");
    break;
  case QueueState::Printing:
    state = tr("印刷中");
    break;
  case QueueState::Paused:
    state = tr("停止中");
    break;
  }
  if (!queue.accepting)
    state += tr("、ジョブを受けつけていません");
  const QString why = said({}, queue.reasons, queue.message);
  return QStringLiteral("%1%2  %3%4")
      .arg(fromStd(queue.name), queue.isDefault ? tr("（いつもの）") : QString(), state,
           why.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(why));
}
