// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/rename_journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "core/file_io.h"
#include "core/file_name_codec.h"
#include "core/number.h"

namespace brimlet {
namespace {

constexpr std::string_view kHeader{"Brimlet rename journal 1\0", 25};
constexpr char kEnded = 'E';

class FieldReader {
 public:
  explicit FieldReader(std::string_view bytes) : rest_(bytes) {}
  std::optional<std::string> next() {
    const size_t end = rest_.find('\0');
    if (end == std::string_view::npos) return std::nullopt;
    std::string field(rest_.substr(0, end));
    rest_.remove_prefix(end + 1);
    return field;
  }
  [[nodiscard]] std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
};

}  // namespace

std::string journalPlan(const std::string& folder, const std::vector<SystemPair>& pairs) {
  std::string plan(kHeader);
  auto field = [&plan](std::string_view text) {
    plan += text;
    plan += '\0';
  };
  field(folder);
  field(decimal(static_cast<int64_t>(pairs.size())));
  for (const SystemPair& pair : pairs) {
    field(pair.from);
    field(pair.to);
  }
  return plan;
}

std::string endedJournal(const std::string& folder, const std::vector<SystemPair>& pairs) {
  return journalPlan(folder, pairs) +
         std::string(pairs.size(), static_cast<char>(PairMark::Renamed)) + kEnded;
}

std::optional<Journal> parseJournal(std::string_view bytes) {
  if (!bytes.starts_with(kHeader)) return std::nullopt;
  FieldReader reader(bytes.substr(kHeader.size()));
  Journal journal;
  const auto folder = reader.next();
  const auto count = reader.next();
  if (!folder || !count || !folder->starts_with('/')) return std::nullopt;
  journal.folder = *folder;
  const int32_t pairs = integerValue(*count);
  for (int32_t i = 0; i < pairs; ++i) {
    auto from = reader.next();
    auto to = reader.next();
    if (!from || !to) return std::nullopt;
    journal.pairs.push_back({std::move(*from), std::move(*to)});
  }
  std::string_view marks = reader.rest();
  if (marks.ends_with(kEnded)) {
    journal.ended = true;
    marks.remove_suffix(1);
  }
  journal.marks = std::string(marks.substr(0, journal.pairs.size()));
  return journal;
}

std::vector<size_t> pairsToUndo(const Journal& journal) {
  std::vector<size_t> indexes;
  const size_t handled = journal.marks.size();
  if (!journal.ended) {
    for (size_t i = std::min(handled + kMarkGroup, journal.pairs.size()); i-- > handled;) {
      indexes.push_back(i);
    }
  }
  for (size_t i = handled; i-- > 0;) {
    if (journal.marks[i] == static_cast<char>(PairMark::Renamed)) indexes.push_back(i);
  }
  return indexes;
}

bool JournalAppender::start(const std::string& path, std::string_view plan) {
  if (!writeWholeFile(path, plan)) return false;
  fd_ = ::open(encodePath(path).c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  return fd_ >= 0 && ::fsync(fd_) == 0;
}

void JournalAppender::mark(PairMark mark) {
  pending_ += static_cast<char>(mark);
  if (pending_.size() == kMarkGroup) flush();
}

void JournalAppender::flush() {
  if (fd_ >= 0 && !pending_.empty()) (void)!::write(fd_, pending_.data(), pending_.size());
  pending_.clear();
}

void JournalAppender::end() {
  if (fd_ < 0) return;
  pending_ += kEnded;
  flush();
  ::fsync(fd_);
  ::close(fd_);
  fd_ = -1;
}

JournalAppender::~JournalAppender() {
  flush();
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace brimlet
