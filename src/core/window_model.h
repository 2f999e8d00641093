// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/busy_guard.h"
#include "core/control.h"
#include "core/number.h"

namespace brimlet {

enum class ArgKind { Integer, Text };

// The key codes and shift states the key handlers receive: letters and
// digits are their capital ASCII codes; shift states add up 1 Shift, 2 Ctrl, 4 Alt.
namespace keys {
constexpr int kReturn = 13;
constexpr int kEscape = 27;
constexpr int kNone = 0;
constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;
}  // namespace keys

struct KeyStroke {
  int keyCode;
  int shift;
  bool operator==(const KeyStroke&) const = default;
};

// Every letter of `letters` with every one of `shifts`: keysWith("TZ", {kCtrl}).
[[nodiscard]] std::vector<KeyStroke> keysWith(std::string_view letters,
                                              std::initializer_list<int> shifts);

// One entry of a window's handler table: the handler's name as the windows
// and brimlet-cli call it, the kinds of its arguments and the call itself.
struct Handler {
  std::string name;
  std::vector<ArgKind> parameters;
  std::function<void(const std::vector<std::string>&)> run;
  // A key handler's keys: the windows hand it these and leave every other
  // key to the widget, so typing, copying and pasting in a field still work.
  std::vector<KeyStroke> keys;

  [[nodiscard]] bool takesKey(KeyStroke key) const {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
  }
};

// What every handler passes on its way out. The composition holds the data
// of all windows, so it is the one that puts them back when a handler fails.
// Runs `work` inside the boundary every handler runs in: "" when it ran to
// its end, else the log text for what stopped it ("abgebrochen", "nicht
// genug speicher", "interner fehler"). Nothing passes it.
[[nodiscard]] std::string_view runGuarded(const std::function<void()>& work);

class WindowModel;

class HandlerBoundary {
 public:
  virtual ~HandlerBoundary() = default;
  // The handler ran to its end: what was kept for putting back can go.
  virtual void handlerEnded() = 0;
  // A handler of `window` was stopped by an exception (out of memory, or
  // the user cancelled it): the data go back to how they were before it,
  // and `message` is logged where that window logs.
  virtual void handlerFailed(const WindowModel& window, std::string_view message) = 0;
};

// Base of every window model: the window's controls and handlers in the
// order its table declares them. The Qt views and brimlet-cli both walk
// these two lists, so a control or handler is declared in one place only.
class WindowModel {
 public:
  WindowModel(std::string form, std::string_view title, BusyGuard& busy);
  virtual ~WindowModel() = default;
  WindowModel(const WindowModel&) = delete;
  WindowModel& operator=(const WindowModel&) = delete;

  [[nodiscard]] const std::string& form() const { return window_.name(); }
  // The form itself: its title, whether it is shown and enabled.
  [[nodiscard]] Control& window() { return window_; }
  [[nodiscard]] const Control& window() const { return window_; }

  [[nodiscard]] const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  [[nodiscard]] Control* findControl(std::string_view name) const;
  [[nodiscard]] const std::vector<Handler>& handlers() const { return handlers_; }
  [[nodiscard]] const Handler* findHandler(std::string_view name) const;

  // Runs a handler with its arguments as texts (integers in decimal), unless
  // another handler is running. Returns false when it was turned away. No
  // handler ends the program: one that throws (runs out of memory) is
  // stopped there and handed to the boundary, with "nicht genug speicher";
  // one the user cancelled goes the same way, with "abgebrochen".
  // A handler whose control is disabled or hidden, or whose window is
  // closed or disabled, is turned away too: brimlet-cli can do nothing the
  // window would not let a user do.
  bool invoke(const Handler& handler, const std::vector<std::string>& arguments);
  bool invoke(std::string_view name, const std::vector<std::string>& arguments = {});

  // Whether a user could set the handler off now (the busy guard aside).
  // The form's own events follow the form: Load is the program's and
  // always runs, Close is refused only by a closed window, the rest (keys,
  // clicks and drops on the form) need it open and enabled.
  [[nodiscard]] bool reachable(const Handler& handler,
                               const std::vector<std::string>& arguments) const;
  // The control a handler belongs to: the name before its event, for a
  // control array the element its first argument names. nullptr for the
  // form's own events and for an element that does not exist.
  [[nodiscard]] const Control* controlOf(const Handler& handler,
                                         const std::vector<std::string>& arguments) const;

  // A window that opens over the tool windows (a dialog, the display
  // window) takes no events while it is closed; a hidden tool window still
  // does, since brimlet-cli fills and drives tools without switching to them.
  void setOpensOver(bool opensOver) { opensOver_ = opensOver; }

  void setBoundary(HandlerBoundary* boundary) { boundary_ = boundary; }

  // Whether files dropped onto the window are taken.
  [[nodiscard]] bool acceptsDrops() const { return acceptsDrops_; }
  void setAcceptsDrops(bool accepts) { acceptsDrops_ = accepts; }

 protected:
  // Declares a control; captions and frame names are UTF-8 in the source.
  Control& addControl(std::string name, ControlKind kind, std::string_view caption,
                      std::string_view frame = {});

  // Declares a handler by its member function; the argument kinds follow
  // from the function's parameters (int or const std::string&).
  // A handler without arguments given as a function, for families of
  // controls that share one behaviour (a check box that stores a setting).
  void addHandler(std::string name, std::function<void()> action) {
    handlers_.push_back(
        {std::move(name),
         {},
         [action = std::move(action)](const std::vector<std::string>&) { action(); },
         {}});
  }

  template <class W, class... Args>
  void addHandler(std::string name, void (W::*method)(Args...)) {
    auto* self = static_cast<W*>(this);
    Handler h{std::move(name), {argKind<Args>()...}, {}, {}};
    h.run = [self, method](const std::vector<std::string>& args) {
      callWith(self, method, args, std::index_sequence_for<Args...>{});
    };
    handlers_.push_back(std::move(h));
  }

  // A key handler (key code, shift state) with the keys it acts on.
  template <class W>
  void addKeyHandler(std::string name, void (W::*method)(int, int), std::vector<KeyStroke> keys) {
    addHandler(std::move(name), method);
    handlers_.back().keys = std::move(keys);
  }

 private:
  template <class A>
  static constexpr ArgKind argKind() {
    using Plain = std::remove_cvref_t<A>;
    static_assert(std::is_same_v<Plain, int> || std::is_same_v<Plain, std::string>,
                  "handler arguments are int or text");
    return std::is_same_v<Plain, int> ? ArgKind::Integer : ArgKind::Text;
  }

  template <class A>
  static decltype(auto) convert(const std::string& arg) {
    if constexpr (std::is_same_v<std::remove_cvref_t<A>, int>) {
      return static_cast<int>(integerValue(arg));
    } else {
      return (arg);
    }
  }

  template <class W, class... Args, size_t... I>
  static void callWith(W* self, void (W::*method)(Args...), const std::vector<std::string>& args,
                       std::index_sequence<I...>) {
    (self->*method)(convert<Args>(args[I])...);
  }

  Control window_;
  BusyGuard& busy_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<Handler> handlers_;
  bool acceptsDrops_ = false;
  bool opensOver_ = false;
  HandlerBoundary* boundary_ = nullptr;
};

}  // namespace brimlet
