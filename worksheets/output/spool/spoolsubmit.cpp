#include "spoolsubmit.h"

#include <cups/cups.h>

#include <algorithm>
#include <memory>

namespace {

struct Destination {
  cups_dest_t *dest = nullptr;
  cups_dinfo_t *info = nullptr;
  int optionCount = 0;
  cups_option_t *options = nullptr;

  Destination() = default;
  Destination(const Destination &) = delete;
  Destination &operator=(const Destination &) = delete;
  ~Destination() {
    cupsFreeOptions(optionCount, options);
    if (info)
      cupsFreeDestInfo(info);
    if (dest)
      cupsFreeDests(1, dest);
  }
  void add(const char *name, const std::string &value) {
    optionCount = cupsAddOption(name, value.c_str(), optionCount, &options);
  }
};

constexpr std::size_t kChunk = 64 * 1024;

} // namespace

std::variant<int, SpoolError> submitPdf(const SpoolConnection &spool, const std::string &queue,
                                        const std::string &title, const SpoolOptions &options,
                                        std::string_view pdf) {
  Destination to;
  to.dest = cupsGetNamedDest(spool.request(), queue.c_str(), nullptr);
  if (!to.dest) {
    SpoolError error = spool.lastError();
    if (error.problem == SpoolProblem::Other)
      error.problem = SpoolProblem::NoSuchQueue;
    return error;
  }
  to.info = cupsCopyDestInfo(spool.request(), to.dest);
  if (!to.info)
    return spool.lastError();
  to.add(CUPS_COPIES, std::to_string(std::max(1, options.copies)));
  if (options.duplex)
    to.add(CUPS_SIDES, CUPS_SIDES_TWO_SIDED_PORTRAIT);
  if (!options.media.empty())
    to.add(CUPS_MEDIA, options.media);

  int id = 0;
  if (cupsCreateDestJob(spool.request(), to.dest, to.info, &id, title.c_str(), to.optionCount,
                        to.options) > IPP_STATUS_OK_CONFLICTING ||
      id == 0)
    return spool.lastError();

  const auto cancelled = [&](SpoolError error) -> std::variant<int, SpoolError> {
    cupsCancelDestJob(spool.request(), to.dest, id);
    return error;
  };
  if (cupsStartDestDocument(spool.request(), to.dest, to.info, id, title.c_str(), CUPS_FORMAT_PDF,
                            0, nullptr, 1) != HTTP_STATUS_CONTINUE)
    return cancelled(spool.lastError());
  for (std::size_t at = 0; at < pdf.size(); at += kChunk) {
    const std::size_t length = std::min(kChunk, pdf.size() - at);
    if (cupsWriteRequestData(spool.request(), pdf.data() + at, length) != HTTP_STATUS_CONTINUE) {
      SpoolError error = spool.lastError();
      cupsFinishDestDocument(spool.request(), to.dest, to.info);
      return cancelled(error);
    }
  }
  if (cupsFinishDestDocument(spool.request(), to.dest, to.info) > IPP_STATUS_OK_CONFLICTING)
    return cancelled(spool.lastError());
  return id;
}
