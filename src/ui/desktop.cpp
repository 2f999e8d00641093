// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop.h"

#include <QApplication>

#include "app/program_folder.h"
#include "ui/array_mouse.h"

namespace brimlet {

Desktop::Desktop(const std::string& homeOption)
    : program_(platform_, chooseProgramFolder(homeOption, executableFolder())),
      placement_({program_.main().form(), program_.workshop().form(), program_.renamer().form()}) {
  platform_.beforePump = [this] { syncAll(); };
  platform_.busyChanged = [this](bool busy) { setBusy(busy); };
  platform_.opener.afterOutcome = [this] { syncAll(); };
  const HandlerRunner runner = [this](WindowModel& w, const std::string& h,
                                      const std::vector<std::string>& a,
                                      TypedText typed) { run(w, h, a, typed); };
  for (WindowModel* window : program_.windows()) {
    views_.push_back(std::make_unique<WindowView>(*window, runner, placement_));
    new ArrayMouse(*views_.back(), runner);  // owned by the view
  }
  // Over the main window, which opens them all.
  for (WindowModel* dialog : program_.dialogs()) {
    dialogs_.push_back(std::make_unique<DialogView>(*dialog, runner, views_.front().get()));
  }
  QSize toolSize;
  for (const WindowModel* tool : std::initializer_list<const WindowModel*>{
           &program_.main(), &program_.workshop(), &program_.renamer()}) {
    toolSize = toolSize.expandedTo(view(tool->form()).size());
  }
  placement_.shareToolSize(toolSize);
}

void Desktop::start() {
  program_.start();
  syncAll();
}

WindowView& Desktop::view(const std::string& form) {
  for (const auto& v : views_) {
    if (v->model().form() == form) return *v;
  }
  return *views_.front();
}

DialogView& Desktop::dialog(const std::string& form) {
  for (const auto& d : dialogs_) {
    if (d->model().form() == form) return *d;
  }
  return *dialogs_.front();
}

void Desktop::syncAll() {
  for (const auto& v : views_) v->sync();
  for (const auto& d : dialogs_) d->sync();
}

void Desktop::run(WindowModel& window, const std::string& handler,
                  const std::vector<std::string>& args, TypedText typed) {
  // A click that arrives while a long operation pumps events is dropped
  // here, before it could end the running operation's busy state.
  if (program_.session().busy.busy()) return;
  if (typed == TypedText::Take) {
    for (const auto& v : views_) v->flushEdits();
  }
  platform_.handlerStarted();
  if (const Handler* h = window.findHandler(handler)) window.invoke(*h, args);
  platform_.handlerFinished();
  syncAll();
  cancelFilter_.closeDeferredWindow();
  if (program_.ended()) QApplication::quit();
}

void Desktop::setBusy(bool busy) {
  platform_.setBusy(busy);
  for (const auto& v : views_) v->setOperationsEnabled(!busy);
}

}  // namespace brimlet
