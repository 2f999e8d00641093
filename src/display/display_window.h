#pragma once

#include <string>
#include <string_view>

#include "app/session.h"
#include "core/window_model.h"

namespace brimlet {

// The display window `frm4`: shows a text of one of the tool windows.
class DisplayWindow : public WindowModel {
 public:
  explicit DisplayWindow(Session& session);

  // Closes the window and empties its field, as every window switch does.
  void hide();

  Control& show_result;
};

}  // namespace brimlet
