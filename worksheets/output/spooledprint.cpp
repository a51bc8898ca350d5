#include "spooledprint.h"

#include "batchwriter.h"

SpoolRun printThroughSpooler(const ResolvedJob &job,
                             const std::vector<std::vector<BatchPart>> &jobs, SpoolRequest request,
                             const std::function<bool(SpoolProgress)> &progress) {
  request.jobs = jobs.size();
  if (request.title.empty())
    request.title = job.sheet.title.value_or(job.sheet.caption);
  SpoolHooks hooks;
  hooks.render = [&](std::size_t index) -> std::optional<std::string> {
    const std::optional<QByteArray> pdf = partsPdf(job, jobs[index]);
    if (!pdf)
      return std::nullopt;
    return pdf->toStdString();
  };
  hooks.progress = progress;
  return printSpooled(request, hooks);
}
