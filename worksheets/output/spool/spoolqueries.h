#pragma once

#include "spoolconnection.h"
#include "spoolreport.h"

#include <string>
#include <variant>
#include <vector>

// Questions to the scheduler, each one request within the connection's limit.

// The queue the user prints to when none is named (lpoptions, LPDEST, PRINTER,
// the scheduler's default).
[[nodiscard]] std::variant<std::string, SpoolError> defaultQueue(const SpoolConnection &spool);
[[nodiscard]] std::variant<QueueStatus, SpoolError> queueStatus(const SpoolConnection &spool,
                                                                const std::string &name);
// Every queue, the default marked; none is an empty list, not an error.
[[nodiscard]] std::variant<std::vector<QueueStatus>, SpoolError>
listQueues(const SpoolConnection &spool);
[[nodiscard]] std::variant<JobStatus, SpoolError> jobStatus(const SpoolConnection &spool, int id);
