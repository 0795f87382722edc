#include "platform/toolkit/qt_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <utility>

#include "platform/toolkit/canvas.h"
#include "platform/toolkit/colour_picker.h"
#include "platform/toolkit/containers.h"
#include "platform/toolkit/control_factory.h"
#include "platform/toolkit/drop_relay.h"
#include "platform/toolkit/file_services.h"
#include "platform/toolkit/picture_bearer.h"

namespace platform::toolkit {
namespace {

class TopLevelWidget : public QWidget {
 public:
  explicit TopLevelWidget(std::function<void()> onClose) : onClose_(std::move(onClose)) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    onClose_();
    event->accept();
  }

 private:
  std::function<void()> onClose_;
};

// The places of the layout are measured for a 9-point (12-pixel) CJK interface font; a
// larger desktop font would not fit the 24-pixel rows.
QFont WindowFont() {
  QFont font;
  font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC"});
  font.setPixelSize(12);
  return font;
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int NotNegative(int value) { return std::max(0, value); }

}  // namespace

QtWindow::QtWindow(const WindowLayout& layout)
    : topLevel_(std::make_unique<TopLevelWidget>([this] { OnCloseRequested(); })) {
  topLevel_->setObjectName(QString::fromStdString(layout.name));
  topLevel_->setWindowTitle(QString::fromStdString(layout.caption));
  topLevel_->setFont(WindowFont());
  if (!layout.icon.empty()) topLevel_->setWindowIcon(QIcon(QString::fromStdString(layout.icon)));
  topLevel_->setGeometry(layout.left, layout.top, NotNegative(layout.clientWidth),
                         NotNegative(layout.clientHeight));
  topLevel_->setFixedSize(NotNegative(layout.clientWidth), NotNegative(layout.clientHeight));

  controls_.reserve(layout.controls.size() + 1);
  controls_.push_back({layout.name, kind::kWindow, topLevel_.get(), topLevel_->geometry(), {}});
  indexByName_.emplace(layout.name, 0);
  for (const ControlLayout& control : layout.controls) {
    QWidget* parent = topLevel_.get();
    if (QWidget* container = WidgetOf(control.parent)) parent = container;
    const std::size_t index = controls_.size();
    QWidget* widget = CreateControlWidget(
        control, parent, [this, index](ControlEvent event) { Raise(index, event); });
    const QRect place(control.left, control.top, NotNegative(control.width),
                      NotNegative(control.height));
    controls_.push_back({control.name, control.kind, widget, place, {}});
    indexByName_.emplace(control.name, index);
  }
  ApplyTabOrder(layout.tabOrder);
}

QtWindow::~QtWindow() {
  // Tearing the widgets down moves the focus between them: no handler may see that.
  closed_ = true;
  for (Control& control : controls_) {
    for (auto& handlers : control.handlers) handlers.clear();
  }
  dropRelay_.reset();
  topLevel_.reset();
}

void QtWindow::RaiseCreated() { Raise(0, ControlEvent::Created); }

void QtWindow::Show() {
  if (!closed_) topLevel_->show();
}

void QtWindow::Close() {
  OnCloseRequested();
  topLevel_->hide();
}

void QtWindow::OnCloseRequested() {
  if (closing_) return;
  closing_ = true;
  Raise(0, ControlEvent::Destroying);
  // From here on the window is as good as destroyed: hiding it moves the focus out of its
  // edit boxes, and their handlers must not run on it any more.
  closed_ = true;
  for (Control& control : controls_) {
    for (auto& handlers : control.handlers) handlers.clear();
  }
  if (onClosed_) onClosed_();
}

QWidget* QtWindow::TopLevel() const { return topLevel_.get(); }

QWidget* QtWindow::WidgetOf(std::string_view control) const {
  const Control* found = Find(control);
  return found ? found->widget.data() : nullptr;
}

const QtWindow::Control* QtWindow::Find(std::string_view name) const {
  const auto found = indexByName_.find(name);
  return found == indexByName_.end() ? nullptr : &controls_[found->second];
}

QtWindow::Control* QtWindow::Find(std::string_view name) {
  return const_cast<Control*>(std::as_const(*this).Find(name));
}

template <typename WidgetType>
WidgetType* QtWindow::As(std::string_view name) const {
  return dynamic_cast<WidgetType*>(WidgetOf(name));
}

void QtWindow::Raise(std::size_t control, ControlEvent event) {
  if (closed_) return;
  // A handler may connect more handlers; run the ones there were when the event came.
  const std::vector<Handler> handlers = controls_[control].handlers[static_cast<int>(event)];
  for (const Handler& handler : handlers) {
    if (closed_) return;
    handler();
  }
}

void QtWindow::ApplyTabOrder(const std::vector<std::string>& order) {
  QWidget* previous = nullptr;
  for (const std::string& name : order) {
    QWidget* widget = WidgetOf(name);
    if (!widget) continue;
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

std::string QtWindow::Name() const { return controls_.front().name; }

void QtWindow::Connect(std::string_view control, ControlEvent event, Handler handler) {
  Control* found = Find(control);
  if (found && handler && !closed_) {
    found->handlers[static_cast<int>(event)].push_back(std::move(handler));
  }
}

std::string QtWindow::Text(std::string_view control) const {
  QWidget* widget = WidgetOf(control);
  QString text;
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    text = edit->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    text = button->text();
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    text = label->text();
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    text = group->title();
  } else if (widget && widget->isWindow()) {
    text = widget->windowTitle();
  }
  return text.toStdString();
}

void QtWindow::SetText(std::string_view control, std::string_view text) {
  QWidget* widget = WidgetOf(control);
  const QString value = ToQString(text);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(value);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(value);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(value);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(value);
  } else if (widget && widget->isWindow()) {
    widget->setWindowTitle(value);
  }
}

std::string QtWindow::Tooltip(std::string_view control) const {
  QWidget* widget = WidgetOf(control);
  return widget ? widget->toolTip().toStdString() : std::string();
}

bool QtWindow::Ticked(std::string_view control) const {
  auto* box = As<QCheckBox>(control);
  return box && box->isChecked();
}

void QtWindow::SetTicked(std::string_view control, bool ticked) {
  if (auto* box = As<QCheckBox>(control)) box->setChecked(ticked);
}

std::uint32_t QtWindow::Colour(std::string_view control) const {
  auto* picker = As<ColourPicker>(control);
  return picker ? picker->Colour() : 0;
}

void QtWindow::SetColour(std::string_view control, std::uint32_t colour) {
  if (auto* picker = As<ColourPicker>(control)) picker->SetColour(colour);
}

std::uint32_t QtWindow::FillColour(std::string_view control) const {
  auto* box = As<ShapeBox>(control);
  return box ? box->FillColour() : 0;
}

void QtWindow::SetFillColour(std::string_view control, std::uint32_t colour) {
  if (auto* box = As<ShapeBox>(control)) box->SetFillColour(colour);
}

std::uint32_t QtWindow::BackgroundColour(std::string_view control) const {
  auto* box = As<GroupBox>(control);
  return box ? box->BackgroundColour() : 0;
}

void QtWindow::SetBackgroundColour(std::string_view control, std::uint32_t colour) {
  if (auto* box = As<GroupBox>(control)) box->SetBackgroundColour(colour);
}

int QtWindow::Left(std::string_view control) const {
  const Control* found = Find(control);
  if (!found) return 0;
  return found->widget ? found->widget->geometry().x() : found->place.x();
}

int QtWindow::Top(std::string_view control) const {
  const Control* found = Find(control);
  if (!found) return 0;
  return found->widget ? found->widget->geometry().y() : found->place.y();
}

int QtWindow::Width(std::string_view control) const {
  const Control* found = Find(control);
  if (!found) return 0;
  return found->widget ? found->widget->width() : found->place.width();
}

int QtWindow::Height(std::string_view control) const {
  const Control* found = Find(control);
  if (!found) return 0;
  return found->widget ? found->widget->height() : found->place.height();
}

// Sizes below zero count as zero: the control then simply shows nothing.
void QtWindow::SetWidth(std::string_view control, int width) {
  Control* found = Find(control);
  if (!found) return;
  width = NotNegative(width);
  if (!found->widget) {
    found->place.setWidth(width);
  } else if (found->widget->isWindow()) {
    found->widget->setFixedWidth(width);
  } else {
    found->widget->resize(width, found->widget->height());
  }
}

void QtWindow::SetHeight(std::string_view control, int height) {
  Control* found = Find(control);
  if (!found) return;
  height = NotNegative(height);
  if (!found->widget) {
    found->place.setHeight(height);
  } else if (found->widget->isWindow()) {
    found->widget->setFixedHeight(height);
  } else {
    found->widget->resize(found->widget->width(), height);
  }
}

bool QtWindow::Visible(std::string_view control) const {
  QWidget* widget = WidgetOf(control);
  if (!widget) return false;
  return widget->isWindow() ? widget->isVisible() : !widget->isHidden();
}

void QtWindow::SetPicture(std::string_view control, PictureSlot slot, const Bytes& png) {
  if (auto* bearer = As<PictureBearer>(control)) bearer->SetPicture(slot, png);
}

Bytes QtWindow::Picture(std::string_view control, PictureSlot slot) const {
  auto* bearer = As<PictureBearer>(control);
  return bearer ? bearer->Picture(slot) : Bytes();
}

void QtWindow::ClearArea(std::string_view canvas, int x, int y, int width, int height) {
  if (auto* target = As<Canvas>(canvas)) target->ClearArea(x, y, width, height);
}

void QtWindow::BeginDrag(std::string_view canvas) {
  if (auto* target = As<Canvas>(canvas)) target->BeginDrag();
}

std::vector<std::string> QtWindow::FindControlsOfKind(std::string_view kind) const {
  std::vector<std::string> names;
  for (const Control& control : controls_) {
    if (control.kind == kind) names.push_back(control.name);
  }
  return names;
}

std::optional<std::string> QtWindow::OpenCommonDialog(std::string_view dialog,
                                                      const FileDialogRequest& request) {
  const Control* found = Find(dialog);
  if (!found || found->kind != kind::kCommonDialog) return std::nullopt;
  return ChooseFile(topLevel_.get(), request);
}

void QtWindow::SetAddress(std::string_view browser, std::string_view address) {
  const Control* found = Find(browser);
  if (found && found->kind == kind::kBrowserBox) OpenLink(std::string(address));
}

void QtWindow::AcceptFiles(bool accept) { topLevel_->setAcceptDrops(accept); }

void QtWindow::InstallDropFilter(DropFilter filter) {
  dropRelay_.reset();
  if (!filter) return;
  dropRelay_ = std::make_unique<DropRelay>(
      topLevel_.get(), [this, filter = std::move(filter)](const std::vector<std::string>& paths) {
        if (!closed_) filter(paths);
      });
}

void QtWindow::RemoveDropFilter() { dropRelay_.reset(); }

}  // namespace platform::toolkit
