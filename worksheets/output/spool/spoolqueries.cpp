#include "spoolqueries.h"

#include <cups/cups.h>

#include <array>
#include <memory>

namespace {

struct IppDeleter {
  void operator()(ipp_t *ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;

// JobState follows the IPP job states, from pending (3) to completed (9).
static_assert(int(JobState::Completed) == IPP_JSTATE_COMPLETED - IPP_JSTATE_PENDING);

constexpr std::array<const char *, 5> kQueueAttributes{
    "printer-name", "printer-state", "printer-state-message", "printer-state-reasons",
    "printer-is-accepting-jobs"};

std::string text(ipp_attribute_t *attribute, int index = 0) {
  const char *value = ippGetString(attribute, index, nullptr);
  return value ? value : "";
}

std::vector<std::string> keywords(ipp_attribute_t *attribute) {
  std::vector<std::string> values;
  for (int i = 0; i < ippGetCount(attribute); ++i)
    if (std::string value = text(attribute, i); !value.empty() && value != "none")
      values.push_back(std::move(value));
  return values;
}

// Reads one attribute of a printer group into the status.
void readQueueAttribute(ipp_attribute_t *attribute, QueueStatus &queue) {
  const std::string name = ippGetName(attribute);
  if (name == "printer-name") {
    queue.name = text(attribute);
  } else if (name == "printer-state") {
    switch (ippGetInteger(attribute, 0)) {
    case IPP_PSTATE_PROCESSING:
      queue.state = QueueState::Printing;
      break;
    case IPP_PSTATE_STOPPED:
      queue.state = QueueState::Paused;
      break;
    default:
      queue.state = QueueState::Idle;
    }
  } else if (name == "printer-state-message") {
    queue.message = text(attribute);
  } else if (name == "printer-state-reasons") {
    queue.reasons = keywords(attribute);
  } else if (name == "printer-is-accepting-jobs") {
    queue.accepting = ippGetBoolean(attribute, 0) != 0;
  }
}

Ipp request(ipp_op_t operation, const std::string &uri) {
  ipp_t *ipp = ippNewRequest(operation);
  ippAddString(ipp, IPP_TAG_OPERATION, IPP_TAG_URI,
               operation == IPP_OP_GET_JOB_ATTRIBUTES ? "job-uri" : "printer-uri", nullptr,
               uri.c_str());
  ippAddString(ipp, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
  return Ipp(ipp);
}

std::string localUri(const char *format, const std::string &value) {
  std::array<char, HTTP_MAX_URI> uri{};
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri.data(), int(uri.size()), "ipp", nullptr, "localhost",
                   ippPort(), format, value.c_str());
  return uri.data();
}

// The answer, or the failure; an answer with an error status is a failure.
std::variant<Ipp, SpoolError> ask(const SpoolConnection &spool, Ipp question) {
  Ipp answer(cupsDoRequest(spool.request(), question.release(), "/"));
  if (!answer || ippGetStatusCode(answer.get()) > IPP_STATUS_OK_CONFLICTING)
    return spool.lastError();
  return answer;
}

} // namespace

std::variant<std::string, SpoolError> defaultQueue(const SpoolConnection &spool) {
  cups_dest_t *dest = cupsGetNamedDest(spool.request(), nullptr, nullptr);
  if (!dest) {
    SpoolError error = spool.lastError();
    if (error.problem == SpoolProblem::NoSuchQueue || error.problem == SpoolProblem::Other)
      error.problem = SpoolProblem::NoDefaultQueue;
    return error;
  }
  std::string name = dest->name;
  cupsFreeDests(1, dest);
  return name;
}

std::variant<QueueStatus, SpoolError> queueStatus(const SpoolConnection &spool,
                                                  const std::string &name) {
  Ipp question = request(IPP_OP_GET_PRINTER_ATTRIBUTES, localUri("/printers/%s", name));
  ippAddStrings(question.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                int(kQueueAttributes.size()), nullptr, kQueueAttributes.data());
  auto answer = ask(spool, std::move(question));
  if (auto *error = std::get_if<SpoolError>(&answer))
    return *error;
  QueueStatus queue;
  ipp_t *ipp = std::get<Ipp>(answer).get();
  for (ipp_attribute_t *a = ippFirstAttribute(ipp); a; a = ippNextAttribute(ipp))
    if (ippGetGroupTag(a) == IPP_TAG_PRINTER && ippGetName(a))
      readQueueAttribute(a, queue);
  if (queue.name.empty())
    queue.name = name;
  return queue;
}

std::variant<std::vector<QueueStatus>, SpoolError> listQueues(const SpoolConnection &spool) {
  Ipp question(ippNewRequest(IPP_OP_CUPS_GET_PRINTERS));
  ippAddString(question.get(), IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  ippAddStrings(question.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                int(kQueueAttributes.size()), nullptr, kQueueAttributes.data());
  auto answer = ask(spool, std::move(question));
  if (auto *error = std::get_if<SpoolError>(&answer)) {
    // The scheduler answers "not found" when it has no queue at all.
    if (error->problem == SpoolProblem::NoSuchQueue)
      return std::vector<QueueStatus>{};
    return *error;
  }
  std::vector<QueueStatus> queues;
  ipp_t *ipp = std::get<Ipp>(answer).get();
  // Each printer is one group of attributes; a nameless separator or a new
  // group ends it.
  bool inQueue = false;
  for (ipp_attribute_t *a = ippFirstAttribute(ipp); a; a = ippNextAttribute(ipp)) {
    if (ippGetGroupTag(a) != IPP_TAG_PRINTER || !ippGetName(a)) {
      inQueue = false;
      continue;
    }
    if (!inQueue)
      queues.emplace_back();
    inQueue = true;
    readQueueAttribute(a, queues.back());
  }
  if (auto chosen = defaultQueue(spool); auto *name = std::get_if<std::string>(&chosen))
    for (QueueStatus &queue : queues)
      queue.isDefault = queue.name == *name;
  return queues;
}

std::variant<JobStatus, SpoolError> jobStatus(const SpoolConnection &spool, int id) {
  static constexpr std::array<const char *, 3> kJobAttributes{"job-state", "job-state-reasons",
                                                              "job-printer-state-message"};
  Ipp question = request(IPP_OP_GET_JOB_ATTRIBUTES, localUri("/jobs/%s", std::to_string(id)));
  ippAddStrings(question.get(), IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                int(kJobAttributes.size()), nullptr, kJobAttributes.data());
  auto answer = ask(spool, std::move(question));
  if (auto *error = std::get_if<SpoolError>(&answer)) {
    if (error->problem == SpoolProblem::NoSuchQueue)
      error->problem = SpoolProblem::NoSuchJob;
    return *error;
  }
  JobStatus job;
  ipp_t *ipp = std::get<Ipp>(answer).get();
  if (ipp_attribute_t *state = ippFindAttribute(ipp, "job-state", IPP_TAG_ENUM)) {
    const int value = ippGetInteger(state, 0);
    job.state = value >= IPP_JSTATE_PENDING && value <= IPP_JSTATE_COMPLETED
                    ? JobState(value - IPP_JSTATE_PENDING)
                    : JobState::Pending;
  }
  if (ipp_attribute_t *reasons = ippFindAttribute(ipp, "job-state-reasons", IPP_TAG_KEYWORD))
    job.reasons = keywords(reasons);
  if (ipp_attribute_t *message = ippFindAttribute(ipp, "job-printer-state-message", IPP_TAG_TEXT))
    job.message = text(message);
  return job;
}
