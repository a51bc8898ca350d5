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

std::string mediaOf(Paper paper) {
  switch (paper) {
  case Paper::B5:
    return "jis_b5_182x257mm";
  case Paper::A5:
    return "iso_a5_148x210mm";
  case Paper::Letter:
    return "na_letter_8.5x11in";
  case Paper::A4:
    break;
  }
  return "iso_a4_210x297mm";
}
