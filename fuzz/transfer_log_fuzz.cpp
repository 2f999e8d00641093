// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer-log analysis of the display window, as it hands the field
// over (ending in CR LF). Input: option byte, search text, NUL, log.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/progress.h"
#include "display/transfer_log.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto input = boundedInput(data, size);
  if (!input || input->empty()) return 0;
  const brimlet::TransferLogOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
  const auto fields = nulFields(input->substr(1), 2);
  if (fields[0].empty()) return 0;
  std::string log(fields[1]);
  if (!log.ends_with("\r\n")) log += "\r\n";
  brimlet::NoProgress progress;
  (void)brimlet::analyseTransferLog(log, fields[0], options, progress);
  return 0;
}
