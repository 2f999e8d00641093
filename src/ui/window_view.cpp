// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/codec.h"
#include "ui/control_widgets.h"
#include "ui/list_view.h"

namespace brimlet {
namespace {

constexpr int kControlsPerFrameRow = 2;
// About a third of a second to put into a field.
constexpr size_t kSlowFieldBytes = 4 << 20;
constexpr int kExposeWaitMs = 500;

// The busy pointer and a note in the emptied field while a large text is
// put into it, painted before the work starts.
class SlowFieldNotice {
 public:
  SlowFieldNotice(QPlainTextEdit& edit, bool slow) : edit_(slow ? &edit : nullptr) {
    if (edit_ == nullptr) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    edit_->clear();
    edit_->setPlaceholderText(QStringLiteral("Text wird aufgebaut ..."));
    // A window shown a moment ago can be painted only once the window
    // system has mapped it.
    QWidget* window = edit_->window();
    QElapsedTimer waited;
    waited.start();
    while (window->windowHandle() != nullptr && !window->windowHandle()->isExposed() &&
           waited.elapsed() < kExposeWaitMs) {
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kExposeWaitMs);
    }
    window->repaint();
  }
  ~SlowFieldNotice() {
    if (edit_ == nullptr) return;
    edit_->setPlaceholderText(QString());
    QApplication::restoreOverrideCursor();
  }
  SlowFieldNotice(const SlowFieldNotice&) = delete;
  SlowFieldNotice& operator=(const SlowFieldNotice&) = delete;

 private:
  QPlainTextEdit* edit_;
};

// The shift state of the program's key and mouse handlers: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

// Letters and digits are their ASCII codes in Qt as in the program.
int programKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return keys::kReturn;
    case Qt::Key_Escape:
      return keys::kEscape;
    default:
      return qtKey;
  }
}

// Whether the widget has a use of its own for the key (copy, paste, undo,
// caret moves in a text field), asked the way Qt asks before a shortcut.
bool widgetActsOn(QObject* widget, const QKeyEvent& key) {
  QKeyEvent probe(QEvent::ShortcutOverride, key.key(), key.modifiers(), key.text());
  probe.ignore();
  QCoreApplication::sendEvent(widget, &probe);
  return probe.isAccepted();
}

int mouseButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

}  // namespace

WindowView::WindowView(WindowModel& model, HandlerRunner run, WindowPlacement& placement)
    : model_(model), run_(std::move(run)), placement_(placement) {
  auto* root = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  auto* bottom = new QHBoxLayout;
  root->addLayout(body, 1);
  root->addLayout(bottom);

  operations_ = new QWidget;
  operationsGrid_ = new QGridLayout(operations_);
  operationsGrid_->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea;
  scroll->setWidget(operations_);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  body->addWidget(scroll, 0);

  for (const auto& control : model_.controls()) {
    QWidget* widget = createWidget(*control);
    switch (control->kind()) {
      case ControlKind::LogBox:
      case ControlKind::RichText:
      case ControlKind::ListView:
        body->addWidget(widget, 1);
        break;
      case ControlKind::StatusBar:
        bottom->addWidget(widget, 1);
        break;
      case ControlKind::ProgressBar:
        bottom->addWidget(widget, 0);
        break;
      default: {
        QGridLayout* grid = frameLayout(control->frame());
        const int index = grid->count();
        grid->addWidget(widget, index / kControlsPerFrameRow, index % kControlsPerFrameRow);
        break;
      }
    }
    bound_.push_back({control.get(), widget});
    if (control->kind() == ControlKind::RichText) {
      bindRichText(bound_.size() - 1);
    } else {
      bindEvents(*control, widget);
    }
  }
  operationsGrid_->setRowStretch(operationsGrid_->rowCount(), 1);
  // All frames side by side where the screen has the room; on a narrower
  // screen the panel scrolls, so the window still fits and keeps its log.
  const int panelWidth = operations_->sizeHint().width() + 4;
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int roomForPanel =
      screen != nullptr ? screen->availableGeometry().width() - 440 : panelWidth;
  scroll->setMinimumWidth(std::clamp(roomForPanel, 400, panelWidth));
  scroll->setHorizontalScrollBarPolicy(panelWidth > roomForPanel ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);

  setObjectName(QString::fromStdString(model_.form()));
  installEventFilter(this);
  setAcceptDrops(model_.findHandler(model_.form() + "_MessageProc") != nullptr);
  // Room for every frame without scrolling where the screen allows, and for
  // a log or text beside them.
  const QSize panel = operations_->sizeHint();
  resize(std::max(900, scroll->minimumWidth() + 420), std::clamp(panel.height() + 60, 560, 900));
  sync();
}

QGridLayout* WindowView::frameLayout(const std::string& frame) {
  if (auto found = frames_.find(frame); found != frames_.end()) return found->second;
  auto* box = new QGroupBox(toQString(frame));
  auto* grid = new QGridLayout(box);
  // Frames fill the panel in columns; many frames get a second column.
  const int index = static_cast<int>(frames_.size());
  constexpr int kFramesPerColumn = 4;
  operationsGrid_->addWidget(box, index % kFramesPerColumn, index / kFramesPerColumn);
  frames_[frame] = grid;
  return grid;
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
      auto* edit = new QPlainTextEdit;
      const bool log = control.kind() == ControlKind::LogBox;
      edit->setReadOnly(log);
      // A long error line in the log stays readable; a text keeps its lines.
      edit->setLineWrapMode(log ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
      edit->setMinimumWidth(320);
      return edit;
    }
    default:
      break;
  }
  auto* label = new QLabel(toQString(control.text()));
  if (control.kind() == ControlKind::StatusBar) label->setFrameShape(QFrame::StyledPanel);
  return label;
}

void WindowView::bindEvents(Control& control, QWidget* widget) {
  const std::string& name = control.name();
  widget->installEventFilter(this);
  widget->setObjectName(QString::fromStdString(name));
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    connect(button, &QPushButton::clicked, this, [this, name] { runIfPresent(name + "_Click"); });
  } else if (auto* box = qobject_cast<QAbstractButton*>(widget)) {
    connect(box, &QAbstractButton::clicked, this, [this, &control, name](bool checked) {
      control.setValue(checked ? 1 : 0);
      runIfPresent(name + "_Click");
    });
  } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    connect(line, &QLineEdit::textEdited, this, [this, &control, name](const QString& text) {
      control.setText(fromQString(text));
      runIfPresent(name + "_Change");
    });
  } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
    connect(list, &QComboBox::activated, this, [this, &control, name](int index) {
      control.setValue(index);
      runIfPresent(name + "_Click");
    });
  }
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
    const SlowFieldNotice notice(*edit, c.text().size() >= kSlowFieldBytes && isVisible());
    edit->setPlainText(toFieldText(c.text()));
    b.textRevision = c.textRevision();
    b.edited = false;
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
    if (isVisible()) edit->setFocus();
  }
}

QWidget* WindowView::widgetOf(const std::string& control) const {
  for (const Bound& b : bound_) {
    if (b.control->name() == control) return b.widget;
  }
  return nullptr;
}

bool WindowView::runIfPresent(const std::string& name, const std::vector<std::string>& args,
                              TypedText typed) {
  if (model_.findHandler(name) == nullptr) return false;
  run_(model_, name, args, typed);
  return true;
}

void WindowView::sync() {
  // A window that appears is shown first, so a large text filling it is
  // seen being built instead of leaving the screen blank.
  if (model_.window().visible() && !isVisible()) applyWindow();
  for (Bound& b : bound_) {
    if (b.revision != b.control->revision()) apply(b);
  }
  applyWindow();
}

void WindowView::apply(Bound& bound) {
  const Control& c = *bound.control;
  QWidget* w = bound.widget;
  const QSignalBlocker blocker(w);
  if (c.kind() == ControlKind::RichText) {
    applyRichText(bound);
    w->setVisible(c.visible());
    w->setEnabled(c.enabled());
    bound.revision = c.revision();
    return;
  }
  const QString text = toQString(c.text());
  if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    button->setText(text);
    if (button->isCheckable()) button->setChecked(c.value() != 0);
  } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
    if (line->text() != text) line->setText(text);
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
    if (edit->toPlainText() != text) edit->setPlainText(text);
  } else if (auto* list = qobject_cast<QComboBox*>(w)) {
    QStringList items;
    for (const std::string& item : c.items()) items << toQString(item);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
    if (shown != items) {
      list->clear();
      list->addItems(items);
    }
    list->setCurrentIndex(static_cast<int>(c.value()));
  } else if (auto* view = qobject_cast<QTreeWidget*>(w)) {
    applyListView(*view, c);
  } else if (auto* bar = qobject_cast<QProgressBar*>(w)) {
    const BarPosition position = barPosition(c.value(), c.maximum());
    bar->setMaximum(position.maximum);
    bar->setValue(position.value);
  } else if (auto* label = qobject_cast<QLabel*>(w)) {
    label->setText(text);
  }
  w->setVisible(c.visible());
  w->setEnabled(c.enabled());
  bound.revision = c.revision();
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
  const int button = mouseButton(event->button());
  if (button != 2 ||
      !runIfPresent(model_.form() + "_MouseDown",
                    {std::to_string(button), std::to_string(shiftState(event->modifiers()))})) {
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
    const int button = mouseButton(mouse->button());
    return (button != 1 || qobject_cast<QLabel*>(watched) != nullptr) &&
           runIfPresent(watched->objectName().toStdString() + "_MouseDown",
                        {std::to_string(button), std::to_string(shiftState(mouse->modifiers()))});
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const KeyStroke stroke{programKeyCode(key->key()), shiftState(key->modifiers())};
  const std::vector<std::string> args = {std::to_string(stroke.keyCode),
                                         std::to_string(stroke.shift)};
  // A field's own key handler sees its keys first; the field still acts on
  // them as it would.
  const Handler* own = model_.findHandler(watched->objectName().toStdString() + "_KeyDown");
  if (own != nullptr && own->takesKey(stroke)) {
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
