// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window_model.h"

#include <new>
#include <stdexcept>
#include <utility>

#include "core/control_array.h"
#include "core/cp1252.h"
#include "core/progress.h"

namespace brimlet {

std::vector<KeyStroke> keysWith(std::string_view letters, std::initializer_list<int> shifts) {
  std::vector<KeyStroke> strokes;
  for (const char letter : letters) {
    for (const int shift : shifts) strokes.push_back({static_cast<unsigned char>(letter), shift});
  }
  return strokes;
}

WindowModel::WindowModel(std::string form, std::string_view title, BusyGuard& busy)
    : window_(std::move(form), ControlKind::Window, cp(title), {}), busy_(busy) {
  window_.setVisible(false);
}

Control& WindowModel::addControl(std::string name, ControlKind kind, std::string_view caption,
                                 std::string_view frame) {
  controls_.push_back(std::make_unique<Control>(std::move(name), kind, cp(caption), cp(frame)));
  return *controls_.back();
}

Control* WindowModel::findControl(std::string_view name) const {
  for (const auto& c : controls_) {
    if (c->name() == name) return c.get();
  }
  return nullptr;
}

const Handler* WindowModel::findHandler(std::string_view name) const {
  for (const auto& h : handlers_) {
    if (h.name == name) return &h;
  }
  return nullptr;
}

std::string_view runGuarded(const std::function<void()>& work) {
  try {
    work();
  } catch (const OperationCancelled&) {
    return "abgebrochen";
  } catch (const std::bad_alloc&) {
    return "nicht genug speicher";
  } catch (const std::length_error&) {  // a text longer than a string can hold
    return "nicht genug speicher";
  } catch (...) {
    return "interner fehler";
  }
  return {};
}

namespace {

// "main_fex_w_Click" -> the control "main_fex_w" and the event "Click".
std::pair<std::string_view, std::string_view> subjectAndEvent(std::string_view handlerName) {
  const size_t cut = handlerName.rfind('_');
  if (cut == std::string_view::npos) return {handlerName, {}};
  return {handlerName.substr(0, cut), handlerName.substr(cut + 1)};
}

}  // namespace

const Control* WindowModel::controlOf(const Handler& handler,
                                      const std::vector<std::string>& arguments) const {
  const std::string_view name = subjectAndEvent(handler.name).first;
  if (name == form()) return nullptr;
  if (const Control* control = findControl(name)) return control;
  if (handler.parameters.empty() || handler.parameters.front() != ArgKind::Integer) return nullptr;
  return findControl(elementName(name, arguments.empty() ? 0 : integerValue(arguments[0])));
}

bool WindowModel::reachable(const Handler& handler,
                            const std::vector<std::string>& arguments) const {
  const auto [subject, event] = subjectAndEvent(handler.name);
  const bool ownEvent = subject == form();
  if (ownEvent && event == "Load") return true;
  if (opensOver_ && !window_.visible()) return false;
  if (ownEvent) return event == "Close" || window_.enabled();
  if (!window_.enabled()) return false;
  const Control* control = controlOf(handler, arguments);
  return control == nullptr || (control->enabled() && control->visible());
}

bool WindowModel::invoke(const Handler& handler, const std::vector<std::string>& arguments) {
  if (busy_.busy() || !reachable(handler, arguments)) return false;
  BusyGuard::Scope scope(busy_);
  const std::string_view failure = runGuarded([&] {
    std::vector<std::string> padded = arguments;
    padded.resize(handler.parameters.size());
    handler.run(padded);
  });
  if (boundary_ == nullptr) return true;
  if (failure.empty()) {
    boundary_->handlerEnded();
    return true;
  }
  try {
    boundary_->handlerFailed(*this, failure);
  } catch (...) {
    // Too little memory even for the log line: the data are back, which
    // is what counts.
  }
  return true;
}

bool WindowModel::invoke(std::string_view name, const std::vector<std::string>& arguments) {
  const Handler* handler = findHandler(name);
  return handler != nullptr && invoke(*handler, arguments);
}

}  // namespace brimlet
