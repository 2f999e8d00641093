// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/transfer_log.h"

#include <array>
#include <cstring>
#include <optional>

#include "core/number.h"

namespace brimlet {
namespace {

constexpr size_t kCommas = 19;

struct Record {
  std::string text;  // without its line breaks
  size_t next = 0;   // where the next record starts
};

size_t findByte(std::string_view text, char byte, size_t from) {
  if (from >= text.size()) return std::string_view::npos;
  const void* hit = std::memchr(text.data() + from, byte, text.size() - from);
  return hit == nullptr ? std::string_view::npos
                        : static_cast<size_t>(static_cast<const char*>(hit) - text.data());
}

// nullopt when the text ends before the record has its 19 commas.
std::optional<Record> cutRecord(std::string_view log, size_t start) {
  size_t at = start;
  for (size_t commas = 0; commas < kCommas; ++commas) {
    at = findByte(log, ',', at);
    if (at == std::string_view::npos) return std::nullopt;
    ++at;
  }
  size_t end = findByte(log, '\r', at);
  if (end == std::string_view::npos) end = log.size();
  Record record;
  record.next = end + 2;
  const std::string_view raw = log.substr(start, end - start);
  record.text.reserve(raw.size());
  for (size_t from = 0;;) {
    const size_t lineEnd = raw.find("\r\n", from);
    record.text += raw.substr(from, lineEnd - from);
    if (lineEnd == std::string_view::npos) break;
    from = lineEnd + 2;
  }
  return record;
}

// Fields 1 to 19 of a record, each with its trailing comma.
std::array<std::string_view, kCommas> fieldsOf(std::string_view record) {
  std::array<std::string_view, kCommas> fields;
  size_t start = 0;
  for (auto& field : fields) {
    const size_t comma = record.find(',', start);
    field = record.substr(start, comma + 1 - start);
    start = comma + 1;
  }
  return fields;
}

bool holds(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

}  // namespace

std::string analyseTransferLog(std::string_view log, std::string_view searchText,
                               const TransferLogOptions& options, Progress& progress) {
  std::string listed;
  std::string reduced;
  std::string lastSendField18;
  int64_t records = 0;
  int64_t matches = 0;
  int64_t sends = 0;
  int64_t receives = 0;
  int64_t delivers = 0;
  // A log saved as UTF-8 may carry a byte-order mark before its first
  // comment line.
  size_t start = log.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  while (start < log.size()) {
    if (log[start] == '#') {
      const size_t end = findByte(log, '\r', start);
      if (end == std::string_view::npos) break;
      start = end + 2;
      continue;
    }
    const std::optional<Record> record = cutRecord(log, start);
    if (!record) break;
    start = record->next;
    progress.setValue(records);
    ++records;

    const auto field = fieldsOf(record->text);
    const bool send = field[8] == "SEND,";
    reduced.assign(field[0]);
    reduced += field[8];
    if (!send) reduced += field[11];
    reduced += field[17];
    if (send && field[17] != lastSendField18) {
      reduced += field[18];
      lastSendField18 = field[17];
    }
    if (!holds(reduced, searchText)) continue;
    ++matches;
    if (holds(reduced, "SEND")) ++sends;
    if (holds(reduced, "RECEIVE")) ++receives;
    if (holds(reduced, "DELIVER")) ++delivers;
    if (options.listRecords) {
      if (options.numbered) {
        listed += decimal(records);
        listed += '\t';
      }
      listed += reduced;
      listed += "\r\n";
    }
  }
  return listed + "\r\n\r\n" + decimal(matches) + "\r\nSend: " + decimal(sends) +
         "\r\nReceive: " + decimal(receives) + "\r\nDeliver: " + decimal(delivers) + "\r\n";
}

}  // namespace brimlet
