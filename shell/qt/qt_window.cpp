#include "shell/qt/qt_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>
#include <stdexcept>
#include <utility>

#include "shell/list_numbering.h"
#include "shell/qt/control_text.h"
#include "shell/qt/window_hosts.h"

namespace keyloom {
namespace {

using enum ControlKind;

QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A list item keeps its own text here; what the list shows may be numbered.
constexpr int kItemTextRole = Qt::UserRole;
constexpr const char* kNumberedProperty = "keyloomNumbered";

double ScreenDotsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

QWidget* CreateControl(const ControlDesign& design, QWidget* parent) {
  const QString caption = ToQt(design.caption);
  switch (design.kind) {
    case kLabel: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case kTextBox:
      return new QLineEdit(caption, parent);
    case kMultiLineTextBox: {
      auto* edit = new QPlainTextEdit(ToQt(ToEditorText(design.caption)), parent);
      // Enter makes a new line; Tab goes on to the next control, as in a dialog.
      edit->setTabChangesFocus(true);
      // No scroll bars, as in the designs' text boxes: one line high means one line of text.
      edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      edit->document()->setDocumentMargin(1);
      return edit;
    }
    case kListBox: {
      auto* list = new QListWidget(parent);
      list->setSelectionMode(QAbstractItemView::SingleSelection);
      list->setUniformItemSizes(true);
      return list;
    }
    case kCheckBox: {
      auto* box = new QCheckBox(caption, parent);
      box->setChecked(design.checked);
      return box;
    }
    case kOptionButton: {
      auto* option = new QRadioButton(caption, parent);
      option->setAutoExclusive(false);  // the container's QButtonGroup decides
      option->setChecked(design.checked);
      return option;
    }
    case kFrame: {
      if (design.borderless) return new QWidget(parent);
      return new QGroupBox(caption, parent);
    }
    case kButton:
      return new QPushButton(caption, parent);
  }
  throw std::invalid_argument("unknown control kind of " + design.id);
}

bool TakesFocus(ControlKind kind) { return kind != kLabel && kind != kFrame; }

// The frame that the designs' outer sizes count: the borders and title bar of a standard
// window on the desktop the designs were drawn for (4-pixel borders, a 23-pixel caption).
// Window managers frame windows in all manners, or not at all, and tell the frame only after
// the window is shown; the layout rules must not depend on that.
constexpr TwipSize kReferenceFrame{2 * 60, 345 + 2 * 60};

}  // namespace

template <typename F>
void QtWindow::Raise(F&& raise) {
  if (!gate_.closed) raise();
}

QtWindow::QtWindow(const WindowDesign& design, WindowEvents& events, const EventGate& gate)
    : events_(events),
      gate_(gate),
      style_(design.style),
      returns_focus_(design.returns_focus),
      scale_(ScreenDotsPerInch()) {
  HostCallbacks callbacks{[this] { Raise([this] { events_.OnResized(); }); },
                          [this] { Raise([this] { events_.OnCloseRequested(); }); }};
  if (design.style == WindowStyle::kMain) {
    auto host = std::make_unique<MainWindowHost>(std::move(callbacks));
    client_ = new QWidget(host.get());
    host->setCentralWidget(client_);
    top_ = std::move(host);
    BuildMenus(design.menus);
  } else {
    top_ = std::make_unique<PopupHost>(std::move(callbacks));
    client_ = top_.get();
  }
  top_->setObjectName(ToQt(design.id));
  top_->setWindowTitle(ToQt(design.caption));
  BuildControls(design.controls);
  SetTabOrder(design.controls);
  // Enter and Escape click their buttons from any control of the window.
  for (const auto& [button, keys] :
       {std::pair{design.default_button, std::vector<int>{Qt::Key_Return, Qt::Key_Enter}},
        std::pair{design.cancel_button, std::vector<int>{Qt::Key_Escape}}}) {
    if (button.empty()) continue;
    for (const int key : keys) {
      auto* shortcut = new QShortcut(QKeySequence(key), top_.get());
      QObject::connect(shortcut, &QShortcut::activated,
                       [this, id = button] { Raise([&] { events_.OnCommand(id); }); });
    }
  }

  if (design.style == WindowStyle::kMain) {
    // The design gives the client area; the menu bar comes on top of it.
    auto* host = static_cast<QMainWindow*>(top_.get());
    // A window without menus has no menu bar (asking for it would make an empty one).
    const int menu_height = design.menus.empty() ? 0 : host->menuBar()->sizeHint().height();
    top_->resize(scale_.ToPixels(design.client_size.width),
                 scale_.ToPixels(design.client_size.height) + menu_height);
  } else {
    const TwipScale::PixelRect rect = scale_.ToPixels(design.popup_rect);
    top_->setGeometry(rect.left, rect.top, rect.width, rect.height);
  }
}

QtWindow::~QtWindow() = default;

void QtWindow::BuildMenus(const std::vector<MenuDesign>& menus) {
  if (menus.empty()) return;
  QMenuBar* bar = static_cast<QMainWindow*>(top_.get())->menuBar();
  for (const MenuDesign& menu_design : menus) {
    QMenu* menu = bar->addMenu(ToQt(menu_design.caption));
    for (const MenuItemDesign& item : menu_design.items) {
      QAction* action = menu->addAction(ToQt(item.caption));
      action->setObjectName(ToQt(item.id));
      action->setCheckable(item.checked);
      action->setChecked(item.checked);
      const auto [it, added] = menu_items_.emplace(item.id, MenuItem{action, item.checked});
      QObject::connect(action, &QAction::triggered, [this, id = it->first, action] {
        // Qt flips a checkable item by itself; the program keeps the mark.
        const QSignalBlocker blocker(action);
        action->setChecked(menu_items_.at(id).checked);
        Raise([&] { events_.OnCommand(id); });
      });
    }
  }
}

void QtWindow::BuildControls(const std::vector<ControlDesign>& controls) {
  std::map<std::string, QButtonGroup*> option_groups;
  for (const ControlDesign& design : controls) {
    QWidget* parent = client_;
    if (!design.container.empty()) parent = Find(design.container, {{kFrame}}).widget;
    QWidget* widget = CreateControl(design, parent);
    widget->setObjectName(ToQt(design.id));
    widget->setAccessibleName(ToQt(design.id));
    const TwipScale::PixelRect rect = scale_.ToPixels(design.rect);
    widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
    if (!TakesFocus(design.kind) || design.tab_index < 0) widget->setFocusPolicy(Qt::NoFocus);
    if (design.kind == kOptionButton) {
      QButtonGroup*& group = option_groups[design.container];
      if (group == nullptr) group = new QButtonGroup(parent);
      group->addButton(static_cast<QAbstractButton*>(widget));
    }
    const auto [it, added] =
        controls_.emplace(design.id, Control{design.kind, widget, design.rect});
    if (!added) throw std::invalid_argument("two controls are named " + design.id);
    Connect(it->first, it->second);
  }
}

void QtWindow::Connect(const std::string& id, const Control& control) {
  QWidget* widget = control.widget;
  switch (control.kind) {
    case kTextBox:
      // textEdited, unlike textChanged, comes from the user only.
      QObject::connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited,
                       [this, id] { Raise([&] { events_.OnTextChanged(id); }); });
      break;
    case kMultiLineTextBox:
      QObject::connect(static_cast<QPlainTextEdit*>(widget), &QPlainTextEdit::textChanged,
                       [this, id] { Raise([&] { events_.OnTextChanged(id); }); });
      break;
    case kListBox: {
      auto* list = static_cast<QListWidget*>(widget);
      QObject::connect(list, &QListWidget::itemSelectionChanged,
                       [this, id] { Raise([&] { events_.OnListSelectionChanged(id); }); });
      QObject::connect(list, &QListWidget::itemDoubleClicked,
                       [this, id] { Raise([&] { events_.OnListDoubleClicked(id); }); });
      break;
    }
    case kCheckBox:
    case kOptionButton:
    case kButton:
      // clicked comes from the user only; the box has its new state by then.
      QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked,
                       [this, id] { Raise([&] { events_.OnCommand(id); }); });
      break;
    case kLabel:
    case kFrame:
      break;
  }
}

void QtWindow::SetTabOrder(const std::vector<ControlDesign>& controls) {
  std::vector<const ControlDesign*> ordered;
  for (const ControlDesign& design : controls) {
    if (design.tab_index >= 0 && TakesFocus(design.kind)) ordered.push_back(&design);
  }
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const auto* a, const auto* b) { return a->tab_index < b->tab_index; });
  for (std::size_t i = 1; i < ordered.size(); ++i) {
    QWidget::setTabOrder(controls_.at(ordered[i - 1]->id).widget,
                         controls_.at(ordered[i]->id).widget);
  }
  if (!ordered.empty()) controls_.at(ordered.front()->id).widget->setFocus();
}

const QtWindow::Control& QtWindow::Find(std::string_view id) const {
  const auto found = controls_.find(id);
  if (found == controls_.end()) throw std::out_of_range("no control " + std::string(id));
  return found->second;
}

const QtWindow::Control& QtWindow::Find(std::string_view id,
                                        std::span<const ControlKind> kinds) const {
  const Control& control = Find(id);
  if (std::find(kinds.begin(), kinds.end(), control.kind) == kinds.end()) {
    throw std::invalid_argument("the control " + std::string(id) + " cannot do that");
  }
  return control;
}

std::string QtWindow::Text(std::string_view id) const {
  const Control& control = Find(id);
  QWidget* widget = control.widget;
  switch (control.kind) {
    case kLabel:
      return static_cast<QLabel*>(widget)->text().toStdString();
    case kTextBox:
      return static_cast<QLineEdit*>(widget)->text().toStdString();
    case kMultiLineTextBox:
      return FromEditorText(static_cast<QPlainTextEdit*>(widget)->toPlainText().toStdString());
    case kFrame: {
      auto* box = qobject_cast<QGroupBox*>(widget);
      return box != nullptr ? box->title().toStdString() : "";
    }
    case kCheckBox:
    case kOptionButton:
    case kButton:
      return static_cast<QAbstractButton*>(widget)->text().toStdString();
    case kListBox:
      break;
  }
  throw std::invalid_argument("the list " + std::string(id) + " has items, not a text");
}

void QtWindow::SetText(std::string_view id, std::string_view text) {
  const Control& control = Find(id);
  QWidget* widget = control.widget;
  const QSignalBlocker blocker(widget);
  switch (control.kind) {
    case kLabel:
      static_cast<QLabel*>(widget)->setText(ToQt(text));
      return;
    case kTextBox:
      static_cast<QLineEdit*>(widget)->setText(ToQt(text));
      return;
    case kMultiLineTextBox:
      static_cast<QPlainTextEdit*>(widget)->setPlainText(ToQt(ToEditorText(text)));
      return;
    case kFrame:
      if (auto* box = qobject_cast<QGroupBox*>(widget)) box->setTitle(ToQt(text));
      return;
    case kCheckBox:
    case kOptionButton:
    case kButton:
      static_cast<QAbstractButton*>(widget)->setText(ToQt(text));
      return;
    case kListBox:
      break;
  }
  throw std::invalid_argument("the list " + std::string(id) + " has items, not a text");
}

bool QtWindow::Checked(std::string_view id) const {
  return static_cast<QAbstractButton*>(Find(id, {{kCheckBox, kOptionButton}}).widget)->isChecked();
}

void QtWindow::SetChecked(std::string_view id, bool checked) {
  auto* button = static_cast<QAbstractButton*>(Find(id, {{kCheckBox, kOptionButton}}).widget);
  const QSignalBlocker blocker(button);
  QButtonGroup* group = button->group();
  // An exclusive group refuses to uncheck its checked button.
  if (group != nullptr && !checked) group->setExclusive(false);
  button->setChecked(checked);
  if (group != nullptr) group->setExclusive(true);
}

void QtWindow::SetListItems(std::string_view id, const std::vector<std::string>& items) {
  auto* list = static_cast<QListWidget*>(Find(id, {{kListBox}}).widget);
  const QSignalBlocker blocker(list);
  list->clear();
  for (const std::string& item : items) {
    auto* row = new QListWidgetItem(list);
    row->setData(kItemTextRole, ToQt(item));
  }
  ShowItemTexts(list, 0);
}

void QtWindow::InsertListItem(std::string_view id, std::size_t index, std::string_view text) {
  auto* list = static_cast<QListWidget*>(Find(id, {{kListBox}}).widget);
  if (index > static_cast<std::size_t>(list->count())) throw std::out_of_range("list index");
  const QSignalBlocker blocker(list);
  auto* row = new QListWidgetItem();
  row->setData(kItemTextRole, ToQt(text));
  list->insertItem(static_cast<int>(index), row);
  // The items behind it move down a number.
  const bool numbered = list->property(kNumberedProperty).toBool();
  const int at = static_cast<int>(index);
  ShowItemTexts(list, at, numbered ? list->count() : at + 1);
}

void QtWindow::RemoveListItem(std::string_view id, std::size_t index) {
  auto* list = static_cast<QListWidget*>(Find(id, {{kListBox}}).widget);
  if (index >= static_cast<std::size_t>(list->count())) throw std::out_of_range("list index");
  const QSignalBlocker blocker(list);
  delete list->takeItem(static_cast<int>(index));
  if (list->property(kNumberedProperty).toBool()) ShowItemTexts(list, static_cast<int>(index));
}

void QtWindow::SetListNumbered(std::string_view id, bool numbered) {
  auto* list = static_cast<QListWidget*>(Find(id, {{kListBox}}).widget);
  if (list->property(kNumberedProperty).toBool() == numbered) return;
  list->setProperty(kNumberedProperty, numbered);
  const QSignalBlocker blocker(list);
  ShowItemTexts(list, 0);
}

void QtWindow::ShowItemTexts(QListWidget* list, int first, int last) const {
  const bool numbered = list->property(kNumberedProperty).toBool();
  last = last < 0 ? list->count() : std::min(last, list->count());
  for (int row = first; row < last; ++row) {
    QListWidgetItem* item = list->item(row);
    const std::string text = ListDisplayText(item->data(kItemTextRole).toString().toStdString());
    item->setText(ToQt(numbered ? NumberedItemText(static_cast<std::size_t>(row), text) : text));
  }
}

int QtWindow::SelectedListIndex(std::string_view id) const {
  auto* list = static_cast<QListWidget*>(Find(id, {{kListBox}}).widget);
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}

void QtWindow::SetSelectedListIndex(std::string_view id, int index) {
  auto* list = static_cast<QListWidget*>(Find(id, {{kListBox}}).widget);
  const QSignalBlocker blocker(list);
  if (index < 0 || index >= list->count()) {
    list->clearSelection();
    list->setCurrentRow(-1);
    return;
  }
  list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

TwipRect QtWindow::Rect(std::string_view id) const { return Find(id).rect; }

void QtWindow::SetRect(std::string_view id, TwipRect rect) {
  Find(id);
  Control& control = controls_.find(id)->second;
  control.rect = rect;
  const TwipScale::PixelRect pixels = scale_.ToPixels(rect);
  control.widget->setGeometry(pixels.left, pixels.top, pixels.width, pixels.height);
}

QSize QtWindow::FramePixels() const {
  if (style_ == WindowStyle::kPopup) return {0, 0};
  return {scale_.ToPixels(kReferenceFrame.width), scale_.ToPixels(kReferenceFrame.height)};
}

TwipSize QtWindow::Size() const {
  // The top-level widget is the menu bar and the client area.
  const QSize outer = pending_size_.value_or(top_->size()) + FramePixels();
  return {scale_.ToTwips(outer.width()), scale_.ToTwips(outer.height())};
}

void QtWindow::SetSize(TwipSize size) {
  const QSize outer(scale_.ToPixels(size.width), scale_.ToPixels(size.height));
  const QSize inner = (outer - FramePixels()).expandedTo({1, 1});
  if (style_ != WindowStyle::kPopup) {
    top_->resize(inner);
    return;
  }
  // A pop-up grows with each candidate of a lookup; each resize is a request that the X server
  // answers with events, so it is resized once, when the key event is over.
  const bool scheduled = pending_size_.has_value();
  pending_size_ = inner;
  if (!scheduled) QTimer::singleShot(0, top_.get(), [this] { ApplyPendingSize(); });
}

void QtWindow::ApplyPendingSize() const {
  if (pending_size_) top_->resize(*std::exchange(pending_size_, std::nullopt));
}

ScreenRect QtWindow::ScreenFrame() const {
  ApplyPendingSize();
  const QRect frame = top_->frameGeometry();
  return {frame.left(), frame.top(), frame.width(), frame.height()};
}

void QtWindow::MoveOnScreen(int left, int top) { top_->move(left, top); }

void QtWindow::Show() {
  ApplyPendingSize();
  if (style_ == WindowStyle::kPopup) {
    top_->show();
    top_->raise();
    return;
  }
  if (returns_focus_ && !top_->isVisible()) focus_return_.Remember();
  if (top_->isMinimized()) {
    top_->showNormal();
  } else {
    top_->show();
  }
  top_->raise();
  top_->activateWindow();
}

void QtWindow::Hide() {
  top_->hide();
  if (returns_focus_) focus_return_.GiveBack();
}

void QtWindow::Minimize() { top_->showMinimized(); }

bool QtWindow::Visible() const { return top_->isVisible(); }

bool QtWindow::MenuChecked(std::string_view id) const {
  const auto found = menu_items_.find(id);
  if (found == menu_items_.end()) throw std::out_of_range("no menu item " + std::string(id));
  return found->second.checked;
}

void QtWindow::SetMenuChecked(std::string_view id, bool checked) {
  const auto found = menu_items_.find(id);
  if (found == menu_items_.end()) throw std::out_of_range("no menu item " + std::string(id));
  MenuItem& item = found->second;
  item.checked = checked;
  const QSignalBlocker blocker(item.action);
  if (checked) item.action->setCheckable(true);
  item.action->setChecked(checked);
}

void QtWindow::SetMenuText(std::string_view id, std::string_view caption) {
  const auto found = menu_items_.find(id);
  if (found == menu_items_.end()) throw std::out_of_range("no menu item " + std::string(id));
  found->second.action->setText(
      QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

}  // namespace keyloom
