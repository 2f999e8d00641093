// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number.h"
#include "display/address_extraction.h"
#include "display/display_window.h"
#include "display/exclusion_text.h"
#include "display/field_text.h"
#include "display/lotto_numbers.h"
#include "display/matching_lines.h"
#include "display/rtf_reader.h"
#include "display/transfer_log.h"

namespace brimlet {
namespace {

// The analysis shows how many records it has read in the workshop's status bar.
class StatusProgress final : public Progress {
 public:
  explicit StatusProgress(Desk& desk) : desk_(desk) {}
  void setMaximum(int64_t) override {}
  void setValue(int64_t value) override { desk_.showWorkshopProgress(value); }

 private:
  Desk& desk_;
};

}  // namespace

const std::string& DisplayWindow::sourceText() {
  if (!options_.autoUndo) return fieldText();
  return session_.workshopShown ? desk_.workingText() : desk_.processedList();
}

void DisplayWindow::show_az_Click() {
  if (searchText_.empty() || fieldText().empty()) return;
  LineFilter filter{searchText_, {}};
  if (show_snan.value() != 0) {
    const auto parts = splitExclusionText(searchText_);
    if (!parts) return;
    filter = {parts->a, parts->b};
    show_result.setSelection(searchPosition_, 0);
  }
  keepFieldAsUndo();
  setFieldText(matchingLines(undoCopy_, filter, options_.lineNumbers));
  show_result.touch();
}

void DisplayWindow::show_azmt_Click() {
  if (!tool("show_azmt").enabled() || searchText_.empty() || fieldText().empty()) return;
  // Analysed beside the field and its undo copy, which change only once the
  // analysis is done: it may be cancelled or run out of memory.
  std::string source = fieldText();
  if (!source.ends_with("\r\n")) source += "\r\n";
  StatusProgress progress(desk_);
  std::string analysis =
      analyseTransferLog(source, searchText_, {options_.wholeLine, options_.lineNumbers}, progress);
  undoCopy_ = std::move(source);
  setFieldText(analysis);
  show_result.touch();
  desk_.showWorkshopProgress(std::nullopt);
}

void DisplayWindow::show_email_Click() {
  if (!tool("show_email").enabled()) return;
  const auto addresses = extractAddresses(fieldText(), options_.wholeLine);
  if (!addresses) return;
  toolReset(0);
  keepFieldAsUndo();
  setFieldText(*addresses);
}

void DisplayWindow::show_cnt_Click() {
  if (const auto byte = caretByteNumber(fieldText(), show_result.selectionStart())) {
    tool("show_cnt_e").setText(decimal(*byte));
  }
}

// The field holds RTF source; what the reader makes of it replaces it.
void DisplayWindow::show_rtftxt_Click() {
  keepFieldAsUndo();
  if (const auto text = rtfToText(undoCopy_)) {
    setFieldText(*text);
    show_result.setSelection(0, 0);
  }
}

void DisplayWindow::show_649_cb_Click() {
  const auto rule = static_cast<NumberRule>(tool("show_649_cb").value());
  keepFieldAsUndo();
  if (rule == NumberRule::OneRandom || rule == NumberRule::SixRandom) {
    session_.platform.seedRandomFromClock();
    const auto draw = [this] {
      return 1 + std::min(48, static_cast<int>(session_.platform.random() * 49));
    };
    setFieldText(drawNumbers(rule == NumberRule::OneRandom ? 1 : 6, draw));
    return;
  }
  if (rule < NumberRule::AscMod || rule > NumberRule::All) return;
  const std::string& source = sourceText();
  if (source.empty()) return;
  setFieldText(numbersOfText(source, rule));
}

}  // namespace brimlet
