// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/window_model.h"

#include <new>
#include <stdexcept>

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

bool WindowModel::invoke(const Handler& handler, const std::vector<std::string>& arguments) {
  if (busy_.busy()) return false;
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
    boundary_->handlerFailed(failure);
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
