// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/codec.h"
#include "ui/control_descriptions.h"
#include "ui/control_widgets.h"
#include "ui/field_filling.h"
#include "ui/frame_pages.h"
#include "ui/list_view.h"
#include "ui/text_field.h"

namespace brimlet {
namespace {

constexpr int kControlsPerFrameRow = 2;
constexpr int kMostFrameColumns = 3;
constexpr int kLogMinimumWidth = 240;
// What a window gets beyond the least width of its texts and lists.
constexpr int kRoomForTexts = 200;
// The window's borders and the layout's margins around panel and log.
constexpr int kWindowChrome = 48;
// About a third of a second to put into a field at once; a larger text is
// put in piece by piece, with progress.
constexpr size_t kSlowFieldBytes = 4 << 20;

// Whether the widget has a use of its own for the key (copy, paste, undo,
// caret moves in a text field), asked the way Qt asks before a shortcut.
bool widgetActsOn(QObject* widget, const QKeyEvent& key) {
  QKeyEvent probe(QEvent::ShortcutOverride, key.key(), key.modifiers(), key.text());
  probe.ignore();
  QCoreApplication::sendEvent(widget, &probe);
  return probe.isAccepted();
}

// The key handler named after `widget` if it takes the key, else nullptr.
const Handler* keyHandlerOf(const WindowModel& model, const QObject* widget, KeyStroke stroke) {
  if (widget == nullptr) return nullptr;
  const Handler* handler = model.findHandler(widget->objectName().toStdString() + "_KeyDown");
  return handler != nullptr && handler->takesKey(stroke) ? handler : nullptr;
}

// A field whose label ends in a colon gets the label in front of it; the
// cell is what the frame holds.
QWidget* labelledCell(const std::string& form, const Control& control, QWidget* field) {
  const QString label = describeControl(form, control.name()).label;
  if (!label.endsWith(QLatin1Char(':'))) return field;
  auto* cell = new QWidget;
  auto* row = new QHBoxLayout(cell);
  row->setContentsMargins(0, 0, 0, 0);
  auto* caption = new QLabel(label);
  caption->setBuddy(field);
  row->addWidget(caption);
  row->addWidget(field, 1);
  return cell;
}

}  // namespace

WindowView::WindowView(WindowModel& model, HandlerRunner run, WindowPlacement& placement)
    : model_(model), binding_(model, std::move(run)), placement_(placement) {
  auto* root = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  auto* bottom = new QHBoxLayout;
  bottom_ = bottom;
  root->addLayout(body, 1);
  root->addLayout(bottom);

  operations_ = new QWidget;
  auto* scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  body->addWidget(scroll, 0);

  int besidePanel = 0;  // the least width of the texts and lists beside the panel
  for (const auto& control : model_.controls()) {
    QWidget* widget = createWidget(*control);
    QWidget* cell = widget;
    switch (control->kind()) {
      case ControlKind::LogBox:
      case ControlKind::RichText:
      case ControlKind::ListView:
        body->addWidget(widget, 1);
        besidePanel += widget->minimumWidth() + body->spacing();
        break;
      case ControlKind::StatusBar:
        bottom->addWidget(widget, 1);
        break;
      case ControlKind::ProgressBar:
        bottom->addWidget(widget, 0);
        break;
      default: {
        cell = labelledCell(model_.form(), *control, widget);
        FrameBox& frame = frameOf(control->frame());
        // In its frame from the start: a hidden control the grid does not
        // hold must not become a window of its own when it is shown.
        cell->setParent(frame.box);
        frame.cells.emplace_back(control.get(), cell);
        break;
      }
    }
    describeWidget(*widget, model_.form(), *control);
    bound_.push_back({{control.get(), widget, cell}});
    if (control->kind() == ControlKind::RichText) {
      bindRichText(bound_.size() - 1);
    } else {
      binding_.bind(*control, *widget);
      widget->installEventFilter(this);
    }
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  arrangeFrames(available.width() - besidePanel - kWindowChrome);
  // The panel scrolls up and down on a low screen, never sideways: its
  // width is what the frames need.
  scroll->setWidget(operations_);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const QSize panel = operations_->sizeHint();
  scroll->setMinimumWidth(panel.width() + scroll->verticalScrollBar()->sizeHint().width());

  setObjectName(QString::fromStdString(model_.form()));
  installEventFilter(this);
  setAcceptDrops(model_.findHandler(model_.form() + "_MessageProc") != nullptr);
  // Room for every frame and for a log or text beside them, as far as the
  // screen has it; the placement fits the frame onto the screen.
  resize(std::min(scroll->minimumWidth() + besidePanel + kRoomForTexts, available.width()),
         std::min(std::max(panel.height() + 60, 560), available.height()));
  sync();
}

WindowView::FrameBox& WindowView::frameOf(const std::string& frame) {
  for (FrameBox& known : frames_) {
    if (known.caption == frame) return known;
  }
  auto* box = new QGroupBox(toQString(frame));
  frames_.push_back({frame, box, new QGridLayout(box), {}, {}, kControlsPerFrameRow});
  return frames_.back();
}

void WindowView::restack(FrameBox& frame, Cells cells) {
  std::vector<QWidget*> shown;
  for (const auto& [control, cell] : frame.cells) {
    if (cells == Cells::All || control->visible()) shown.push_back(cell);
  }
  if (shown == frame.placed) return;
  while (QLayoutItem* item = frame.grid->takeAt(0)) delete item;
  for (size_t i = 0; i < shown.size(); ++i) {
    const int index = static_cast<int>(i);
    frame.grid->addWidget(shown[i], index / frame.perRow, index % frame.perRow);
  }
  frame.box->setHidden(shown.empty());
  frame.placed = std::move(shown);
}

void WindowView::arrangeFrames(int room) {
  const std::vector<FramePage>& pages = framePages(model_.form());
  std::vector<QGroupBox*> beside;
  std::vector<std::vector<QGroupBox*>> paged(pages.size());
  for (const FrameBox& frame : frames_) {
    const QString caption = toQString(frame.caption);
    const auto page = std::find_if(pages.begin(), pages.end(), [&caption](const FramePage& p) {
      return std::find(p.frames.begin(), p.frames.end(), caption) != p.frames.end();
    });
    if (page == pages.end()) {
      beside.push_back(frame.box);
    } else {
      paged[static_cast<size_t>(page - pages.begin())].push_back(frame.box);
    }
  }
  for (FrameBox& frame : frames_) {
    // Beside pages the frames stand narrow, one control a row.
    if (!pages.empty() && std::find(beside.begin(), beside.end(), frame.box) != beside.end()) {
      frame.perRow = 1;
    }
    // Measured with every control, so that the panel has room for those
    // shown later.
    restack(frame, Cells::All);
  }
  auto* row = new QHBoxLayout(operations_);
  row->setContentsMargins(0, 0, 0, 0);
  if (pages.empty()) {
    // As many columns of frames as the screen has room for.
    QWidget* panel = nullptr;
    for (int columns = std::clamp<int>(static_cast<int>(beside.size()), 1, kMostFrameColumns);;
         --columns) {
      QWidget* narrower = frameColumns(beside, columns);  // takes the frames over
      delete panel;
      panel = narrower;
      if (columns == 1 || panel->sizeHint().width() <= room) break;
    }
    row->addWidget(panel);
    return;
  }
  row->addWidget(frameColumns(beside, 1), 0);
  auto* tabs = new QTabWidget;
  tabs->setObjectName(QStringLiteral("pages"));
  tabs->setUsesScrollButtons(false);  // every page in sight
  for (size_t i = 0; i < pages.size(); ++i) tabs->addTab(frameColumns(paged[i], 1), pages[i].title);
  row->addWidget(tabs, 1, Qt::AlignTop);
}

QWidget* WindowView::frameColumns(const std::vector<QGroupBox*>& boxes, int columns) {
  auto* panel = new QWidget;
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  const int count = static_cast<int>(boxes.size());
  const int perColumn = std::max(1, (count + columns - 1) / columns);
  for (int i = 0; i < count; ++i) {
    grid->addWidget(boxes[static_cast<size_t>(i)], i % perColumn, i / perColumn, Qt::AlignTop);
  }
  grid->setRowStretch(perColumn, 1);
  return panel;
}

QWidget* WindowView::createWidget(Control& control) {
  if (QWidget* common = createCommonWidget(control)) return common;
  switch (control.kind()) {
    case ControlKind::ProgressBar:
      return new QProgressBar;
    case ControlKind::ListView:
      return createListView();
    case ControlKind::LogBox:
    case ControlKind::RichText: {
      auto* edit = control.kind() == ControlKind::RichText ? new TextField : new QPlainTextEdit;
      const bool log = control.kind() == ControlKind::LogBox;
      edit->setReadOnly(log);
      // A long error line in the log stays readable; a text keeps its lines.
      edit->setLineWrapMode(log ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
      edit->setMinimumWidth(kLogMinimumWidth);
      // A hit selected while the focus is elsewhere shows as plainly.
      QPalette palette = edit->palette();
      for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
      }
      edit->setPalette(palette);
      return edit;
    }
    default:
      break;
  }
  auto* label = new QLabel(toQString(control.text()));
  if (control.kind() == ControlKind::StatusBar) label->setFrameShape(QFrame::StyledPanel);
  return label;
}

void WindowView::bindRichText(size_t index) {
  auto* edit = static_cast<QPlainTextEdit*>(bound_[index].widget);
  const std::string name = bound_[index].control->name();
  edit->setObjectName(QString::fromStdString(name));
  edit->installEventFilter(this);
  edit->viewport()->installEventFilter(this);
  connect(edit, &QPlainTextEdit::textChanged, this, [this, index, name] {
    bound_[index].edited = true;
    runIfPresent(name + "_Change", {}, TypedText::Leave);
  });
  auto selectionChanged = [this, edit, name] {
    const QTextCursor cursor = edit->textCursor();
    runIfPresent(name + "_SelChange",
                 {std::to_string(cursor.selectionStart()),
                  std::to_string(cursor.selectionEnd() - cursor.selectionStart())},
                 TypedText::Leave);
  };
  connect(edit, &QPlainTextEdit::cursorPositionChanged, this, selectionChanged);
  connect(edit, &QPlainTextEdit::selectionChanged, this, selectionChanged);
}

void WindowView::flushEdits() {
  for (Bound& b : bound_) {
    if (!b.edited) continue;
    b.edited = false;
    const auto* edit = static_cast<QPlainTextEdit*>(b.widget);
    b.control->setText(fromFieldDocument(edit->document()->toRawText()));
    b.textRevision = b.control->textRevision();
  }
}

void WindowView::applyRichText(Bound& b) {
  auto* edit = static_cast<QPlainTextEdit*>(b.widget);
  const Control& c = *b.control;
  if (b.textRevision != c.textRevision()) {
    b.textRevision = c.textRevision();
    b.edited = false;
    if (c.text().size() < kSlowFieldBytes || !isVisible()) {
      edit->setPlainText(toFieldText(c.text()));
    } else if (!fillField(*edit, c.text(), fillBar())) {
      // Stopped with Esc: the window closes as Esc closes it otherwise, so
      // no half text is ever shown, edited or applied.
      QTimer::singleShot(0, this, [this] { runIfPresent(model_.form() + "_Close"); });
      return;
    }
  }
  QTextCursor cursor = edit->textCursor();
  const int last = edit->document()->characterCount() - 1;
  const int start = static_cast<int>(std::clamp<int64_t>(c.selectionStart(), 0, last));
  const int end =
      static_cast<int>(std::clamp<int64_t>(c.selectionStart() + c.selectionLength(), start, last));
  if (cursor.selectionStart() != start || cursor.selectionEnd() != end) {
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
    // A search run from the search field leaves the focus there: the next
    // Enter finds the next hit instead of typing over the selected one.
    if (isVisible() && !isAncestorOf(QApplication::focusWidget())) edit->setFocus();
  }
}

QWidget* WindowView::widgetOf(const std::string& control) const {
  return widgetNamed(bound_, control);
}

bool WindowView::runIfPresent(const std::string& name, const std::vector<std::string>& args,
                              TypedText typed) {
  return binding_.runIfPresent(name, args, typed);
}

void WindowView::sync() {
  // A window that appears is shown first, so a large text filling it is
  // seen being built instead of leaving the screen blank.
  if (model_.window().visible() && !isVisible()) applyWindow();
  for (Bound& b : bound_) {
    if (b.revision != b.control->revision()) apply(b);
  }
  for (FrameBox& frame : frames_) restack(frame, Cells::Shown);
  applyWindow();
}

void WindowView::apply(Bound& bound) {
  if (bound.control->kind() != ControlKind::RichText) {
    applyControl(bound);
    return;
  }
  const QSignalBlocker blocker(bound.widget);
  applyRichText(bound);
  applyPresence(bound);
}

void WindowView::applyWindow() {
  const Control& window = model_.window();
  if (windowRevision_ == window.revision()) return;
  windowRevision_ = window.revision();
  setWindowTitle(toQString(window.text()));
  setEnabled(window.enabled());
  if (window.visible()) {
    if (!isVisible()) placement_.restore(*this, model_.form());
    show();
    raise();
    activateWindow();
  } else {
    if (isVisible()) placement_.remember(*this, model_.form());
    hide();
  }
}

QProgressBar& WindowView::fillBar() {
  if (fillBar_ == nullptr) {
    fillBar_ = new QProgressBar;
    fillBar_->hide();
    bottom_->addWidget(fillBar_);
  }
  return *fillBar_;
}

void WindowView::setOperationsEnabled(bool enabled) { operations_->setEnabled(enabled); }

void WindowView::closeEvent(QCloseEvent* event) {
  // The model decides: a tool window turns a close into a switch, the main
  // window ends the run. Either way the next sync shows the outcome.
  event->ignore();
  if (!runIfPresent(model_.form() + "_Close")) {
    model_.window().setVisible(false);
    sync();
  }
}

void WindowView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton ||
      !runIfPresent(model_.form() + "_MouseDown", mouseArguments(*event))) {
    QWidget::mousePressEvent(event);
  }
}

bool WindowView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && watched->parent() != nullptr &&
      qobject_cast<QPlainTextEdit*>(watched->parent()) != nullptr) {
    // A click into a text field, after it moved the caret.
    runIfPresent(watched->parent()->objectName().toStdString() + "_MouseDown", {},
                 TypedText::Leave);
    return false;
  }
  if (event->type() == QEvent::MouseButtonPress &&
      (qobject_cast<QPushButton*>(watched) != nullptr ||
       qobject_cast<QLabel*>(watched) != nullptr)) {
    // Buttons with a quick menu take the other mouse buttons; a label
    // with a menu (the workshop's status bar) takes every button.
    const auto* mouse = static_cast<QMouseEvent*>(event);
    return (mouse->button() != Qt::LeftButton || qobject_cast<QLabel*>(watched) != nullptr) &&
           runIfPresent(watched->objectName().toStdString() + "_MouseDown", mouseArguments(*mouse));
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const KeyStroke stroke{programKeyCode(key->key()), programShiftState(key->modifiers())};
  const std::vector<std::string> args = {std::to_string(stroke.keyCode),
                                         std::to_string(stroke.shift)};
  // A key the focused field's own handler took comes on to the window when
  // the field has no use for it; it must not run a second handler there
  // (Ctrl+V in the workshop's log would paste twice, Ctrl+Z flip back).
  QWidget* focus = QApplication::focusWidget();
  if (watched == this && focus != this && keyHandlerOf(model_, focus, stroke) != nullptr) {
    return false;
  }
  // A field's own key handler sees its keys first; the field still acts on
  // them as it would.
  if (const Handler* own = keyHandlerOf(model_, watched, stroke)) {
    runIfPresent(own->name, args);
    return false;
  }
  // The window's handler gets what it takes, except the keys a field acts
  // on itself: Ctrl+V in a text field pastes there, not into the window's data.
  const Handler* window = model_.findHandler(model_.form() + "_KeyDown");
  if (window == nullptr || !window->takesKey(stroke) || widgetActsOn(watched, *key)) return false;
  runIfPresent(window->name, args);
  return true;
}

void WindowView::dragEnterEvent(QDragEnterEvent* event) {
  if (model_.acceptsDrops() && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void WindowView::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!model_.acceptsDrops() || urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  runIfPresent(model_.form() + "_MessageProc", {pathFromQString(urls.first().toLocalFile())});
}

}  // namespace brimlet
