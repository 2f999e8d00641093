// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QUrl>
#include <chrono>

#include "app/browser_name.h"
#include "core/clipboard.h"
#include "core/clock.h"
#include "core/file_io.h"
#include "ui/codec.h"

namespace brimlet {
namespace {

// The raw block beside the plain text, so a paste inside the program gets
// back every byte it copied, NULs and what follows them included.
const QString kBlockFormat = QStringLiteral("application/x-brimlet-block");

constexpr qint64 kPumpIntervalMs = 33;

QWidget* dialogParent() { return QApplication::activeWindow(); }

}  // namespace

QtPlatform::QtPlatform() : generator_(std::random_device{}()) { sincePump_.start(); }

void QtPlatform::pumpEvents() {
  if (sincePump_.elapsed() < kPumpIntervalMs) return;
  if (!pumping_) {
    pumping_ = true;
    if (busyChanged) busyChanged(true);
  }
  if (beforePump) beforePump();
  insidePump_ = true;
  QApplication::processEvents();
  insidePump_ = false;
  sincePump_.restart();
}

void QtPlatform::busyAfterDialog() {
  // A chosen file is read at once, and a large one takes seconds: the
  // dialog's place is repainted and the busy pointer shown before that.
  if (!busyAfterDialog_) {
    busyAfterDialog_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::handlerFinished() {
  if (busyAfterDialog_) {
    busyAfterDialog_ = false;
    QApplication::restoreOverrideCursor();
  }
  if (!pumping_) return;
  pumping_ = false;
  if (busyChanged) busyChanged(false);
}

void QtPlatform::setBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
    QApplication::restoreOverrideCursor();
  }
}

std::string QtPlatform::chooseFolder(const std::string& title, const std::string& preselected) {
  const QString folder = QFileDialog::getExistingDirectory(
      dialogParent(), toQString(title), pathToQString(preselected), QFileDialog::ShowDirsOnly);
  if (folder.isEmpty()) return {};
  std::string path = pathFromQString(folder);
  if (path.back() != '/') path += '/';
  return path;
}

std::optional<std::string> QtPlatform::chooseFileToOpen(const FileDialog& dialog) {
  const QString file =
      QFileDialog::getOpenFileName(dialogParent(), toQString(dialog.title),
                                   pathToQString(dialog.folder), qtFileFilter(dialog.filter));
  if (file.isEmpty()) return std::nullopt;
  busyAfterDialog();
  return pathFromQString(file);
}

std::optional<std::string> QtPlatform::chooseFileToSave(const FileDialog& dialog) {
  QFileDialog box(dialogParent(), toQString(dialog.title), pathToQString(dialog.folder),
                  qtFileFilter(dialog.filter));
  box.setAcceptMode(QFileDialog::AcceptSave);
  box.setFileMode(QFileDialog::AnyFile);
  if (!dialog.fileName.empty()) box.selectFile(pathToQString(dialog.fileName));
  std::string suffix = dialog.defaultExtension;
  if (!suffix.empty() && suffix.front() == '.') suffix.erase(0, 1);
  box.setDefaultSuffix(toQString(suffix));
  if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
  return pathFromQString(box.selectedFiles().constFirst());
}

std::optional<std::string> QtPlatform::inputBox(const std::string& title, const std::string& prompt,
                                                const std::string& preset) {
  bool ok = false;
  const QString text = QInputDialog::getText(dialogParent(), toQString(title), toQString(prompt),
                                             QLineEdit::Normal, toQString(preset), &ok);
  if (!ok) return std::nullopt;
  return fromQString(text);
}

int QtPlatform::messageBox(QMessageBox::Icon icon, const std::string& title,
                           const std::string& text, QMessageBox::StandardButtons buttons,
                           QMessageBox::StandardButton defaultButton) {
  QString message = toQString(text);
  message.replace(QLatin1Char('|'), QLatin1Char('\n'));
  QMessageBox box(icon, toQString(title), message, buttons, dialogParent());
  box.setDefaultButton(defaultButton);
  return box.exec();
}

bool QtPlatform::confirm(const std::string& title, const std::string& text) {
  // Enter must not agree to what the question warns about.
  return messageBox(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    QMessageBox::Cancel) == QMessageBox::Ok;
}

void QtPlatform::showStop(const std::string& title, const std::string& text) {
  messageBox(QMessageBox::Critical, title, text, QMessageBox::Ok);
}

void QtPlatform::warn(const std::string& title, const std::string& text) {
  messageBox(QMessageBox::Warning, title, text, QMessageBox::Ok);
}

int QtPlatform::popupMenu(const std::string& items) {
  QMenu menu(dialogParent());
  const QStringList entries = toQString(items).split(QLatin1Char('|'));
  for (qsizetype i = 0; i < entries.size(); ++i) {
    QString entry = entries[i];
    if (entry == QLatin1String("-")) {
      menu.addSeparator();
      continue;
    }
    bool greyed = false;
    bool ticked = false;
    while (entry.startsWith(QLatin1Char('-')) || entry.startsWith(QLatin1Char('+'))) {
      (entry.startsWith(QLatin1Char('-')) ? greyed : ticked) = true;
      entry.remove(0, 1);
    }
    QAction* action = menu.addAction(entry);
    action->setData(static_cast<int>(i));
    action->setEnabled(!greyed);
    action->setCheckable(ticked);
    action->setChecked(ticked);
  }
  const QAction* chosen = menu.exec(QCursor::pos());
  return chosen != nullptr ? chosen->data().toInt() : -1;
}

ClipboardRead QtPlatform::readClipboard() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr) return {ClipboardStatus::NoText, {}};
  if (data->hasFormat(kBlockFormat)) {
    return {ClipboardStatus::Ok, data->data(kBlockFormat).toStdString()};
  }
  if (!data->hasText()) return {ClipboardStatus::NoText, {}};
  std::string block = textFromOtherPrograms(fromQString(data->text()));
  block += '\0';
  return {ClipboardStatus::Ok, std::move(block)};
}

bool QtPlatform::writeClipboard(std::string_view block) {
  auto* data = new QMimeData;
  data->setText(toQString(textForOtherPrograms(block)));
  data->setData(kBlockFormat, QByteArray(block.data(), static_cast<qsizetype>(block.size())));
  QApplication::clipboard()->setMimeData(data);
  return true;
}

bool QtPlatform::clearClipboard() {
  QApplication::clipboard()->clear();
  return true;
}

void QtPlatform::openExternally(const std::string& target, std::function<void(bool)> outcome) {
  QUrl url;
  if (!target.empty() && target.front() == '/') {
    const size_t hash = target.rfind('#');
    // The default handler would report a missing file only to nobody.
    if (fileStatus(target.substr(0, hash)) != ReadStatus::Ok) {
      outcome(false);
      return;
    }
    url = QUrl::fromLocalFile(pathToQString(target.substr(0, hash)));
    if (hash != std::string::npos) url.setFragment(toQString(target.substr(hash + 1)));
  } else {
    url = QUrl::fromUserInput(toQString(target));
  }
  opener.open(url.toString(QUrl::FullyEncoded), std::move(outcome));
}

std::string QtPlatform::defaultBrowserName() {
  QProcess query;
  query.start(QStringLiteral("xdg-settings"),
              {QStringLiteral("get"), QStringLiteral("default-web-browser")});
  if (!query.waitForFinished(2000) || query.exitCode() != 0) return {};
  return shortBrowserName(query.readAllStandardOutput().toStdString());
}

LocalTime QtPlatform::now() { return currentLocalTime(); }

void QtPlatform::seedRandomFromClock() {
  generator_.seed(
      static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double QtPlatform::random() { return std::uniform_real_distribution<double>(0.0, 1.0)(generator_); }

}  // namespace brimlet
