// SPDX-License-Identifier: GPL-3.0-or-later
#include "renamer/rename_journal.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>

#include "core/file_io.h"
#include "core/file_name_codec.h"

namespace brimlet {
namespace {

constexpr std::string_view kHeader{"Brimlet rename journal 2\0", 25};
constexpr char kGroupDone = '+';
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
  std::optional<uint64_t> number() {
    const std::optional<std::string> field = next();
    uint64_t value = 0;
    if (!field || field->empty()) return std::nullopt;
    const auto [end, error] = std::from_chars(field->data(), field->data() + field->size(), value);
    if (error != std::errc{} || end != field->data() + field->size()) return std::nullopt;
    return value;
  }
  [[nodiscard]] std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

std::vector<size_t> firstSteps(const std::vector<PlannedRename>& renames) {
  size_t chained = 0;
  for (const PlannedRename& rename : renames) chained += rename.temp.empty() ? 0 : 1;
  std::vector<size_t> steps;
  steps.reserve(renames.size());
  size_t nextChained = 0;
  size_t nextStraight = chained;
  for (const PlannedRename& rename : renames) {
    steps.push_back(rename.temp.empty() ? nextStraight++ : nextChained++);
  }
  return steps;
}

size_t stepCount(const std::vector<PlannedRename>& renames) {
  size_t steps = renames.size();
  for (const PlannedRename& rename : renames) steps += rename.temp.empty() ? 0 : 1;
  return steps;
}

std::string journalPlan(const std::string& folder, const std::vector<PlannedRename>& renames) {
  std::string plan(kHeader);
  auto field = [&plan](std::string_view text) {
    plan += text;
    plan += '\0';
  };
  field(folder);
  field(std::to_string(renames.size()));
  for (const PlannedRename& rename : renames) {
    field(rename.from);
    field(rename.to);
    field(rename.temp);
    field(std::to_string(rename.file.device));
    field(std::to_string(rename.file.inode));
    field(std::to_string(rename.file.born));
  }
  return plan;
}

std::optional<Journal> parseJournal(std::string_view bytes) {
  if (!bytes.starts_with(kHeader)) return std::nullopt;
  FieldReader reader(bytes.substr(kHeader.size()));
  Journal journal;
  const auto folder = reader.next();
  const auto count = reader.number();
  if (!folder || !count || !folder->starts_with('/') || !folder->ends_with('/')) {
    return std::nullopt;
  }
  journal.folder = *folder;
  for (uint64_t i = 0; i < *count; ++i) {
    auto from = reader.next();
    auto to = reader.next();
    auto temp = reader.next();
    const auto device = reader.number();
    const auto inode = reader.number();
    const auto born = reader.number();
    if (!from || !to || !temp || !device || !inode || !born) return std::nullopt;
    if (!isSingleName(*from) || !isSingleName(*to) || (!temp->empty() && !isSingleName(*temp))) {
      return std::nullopt;
    }
    journal.renames.push_back(
        {std::move(*from), std::move(*to), std::move(*temp), {*device, *inode, *born}});
  }
  const std::string_view marks = reader.rest();
  const size_t groups = std::min(marks.find_first_not_of(kGroupDone), marks.size());
  const bool ended = marks.substr(groups).starts_with(kEnded);
  journal.stepsReached = ended ? stepCount(journal.renames) : (groups + 1) * kStepGroup;
  return journal;
}

bool JournalWriter::start(const std::string& path, std::string_view plan) {
  const std::string target = encodePath(path);
  std::string temporary = target + ".XXXXXX";
  fd_ = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd_ < 0) return false;
  const bool written =
      writeAll(fd_, plan) && ::fsync(fd_) == 0 && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!written) {
    ::unlink(temporary.c_str());
    ::close(fd_);
    fd_ = -1;
  }
  return written;
}

void JournalWriter::stepDone() {
  if (++steps_ % kStepGroup == 0 && fd_ >= 0) (void)writeAll(fd_, {&kGroupDone, 1});
}

void JournalWriter::end() {
  if (fd_ < 0) return;
  (void)writeAll(fd_, {&kEnded, 1});
  ::fsync(fd_);
  ::close(fd_);
  fd_ = -1;
}

JournalWriter::~JournalWriter() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace brimlet
