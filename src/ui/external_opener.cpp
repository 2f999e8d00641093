// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/external_opener.h"

#include <QProcess>
#include <QTimer>
#include <memory>
#include <utility>

namespace brimlet {
namespace {

// An opener that fails (no program for the type) ends within this time;
// one still running by then has started a program and waits for it.
constexpr int kFoundAfterMs = 3000;

}  // namespace

ExternalOpener::~ExternalOpener() {
  // The windows the answers would go to are gone by now.
  for (QObject* opener : running_.children()) opener->disconnect();
}

void ExternalOpener::open(const QString& target, std::function<void(bool)> outcome) {
  auto* opener = new QProcess(&running_);
  // The program started may write for hours; nobody reads it.
  opener->setStandardInputFile(QProcess::nullDevice());
  opener->setStandardOutputFile(QProcess::nullDevice());
  opener->setStandardErrorFile(QProcess::nullDevice());
  auto answer = std::make_shared<std::function<void(bool)>>(std::move(outcome));
  const auto tell = [this, answer](bool opened) {
    if (!*answer) return;
    const std::function<void(bool)> once = std::exchange(*answer, nullptr);
    once(opened);
    if (afterOutcome) afterOutcome();
  };
  QObject::connect(opener, &QProcess::finished, opener,
                   [opener, tell](int exitCode, QProcess::ExitStatus status) {
                     tell(status == QProcess::NormalExit && exitCode == 0);
                     opener->deleteLater();
                   });
  QObject::connect(opener, &QProcess::errorOccurred, opener,
                   [opener, tell](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     tell(false);
                     opener->deleteLater();
                   });
  QTimer::singleShot(kFoundAfterMs, opener, [tell] { tell(true); });
  opener->start(QStringLiteral("xdg-open"), {target});
}

}  // namespace brimlet
