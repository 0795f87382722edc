#include "platform/toolkit/control_factory.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "platform/toolkit/canvas.h"
#include "platform/toolkit/colour_picker.h"
#include "platform/toolkit/containers.h"
#include "platform/toolkit/edit_box.h"
#include "platform/toolkit/picture_buttons.h"

namespace platform::toolkit {
namespace {

QString Caption(const ControlLayout& layout) { return QString::fromStdString(layout.caption); }

void LoadPictures(PictureBearer& bearer, const ControlLayout& layout) {
  const std::array<std::pair<PictureSlot, const std::string*>, 3> files{{
      {PictureSlot::Normal, &layout.normalPicture},
      {PictureSlot::Lit, &layout.litPicture},
      {PictureSlot::Pressed, &layout.pressedPicture},
  }};
  for (const auto& [slot, path] : files) {
    if (!path->empty()) bearer.LoadPictureFile(slot, QString::fromStdString(*path));
  }
}

QWidget* MakeShapeBox(const ControlLayout& layout, QWidget* parent, const EventSink&) {
  auto* box = new ShapeBox(parent);
  if (layout.colour) box->SetFillColour(*layout.colour);
  return box;
}

QWidget* MakeGroupBox(const ControlLayout& layout, QWidget* parent, const EventSink&) {
  auto* box = new GroupBox(parent);
  box->setTitle(Caption(layout));
  if (layout.colour) box->SetBackgroundColour(*layout.colour);
  return box;
}

QWidget* MakeCanvas(const ControlLayout&, QWidget* parent, const EventSink& raise) {
  return new Canvas(parent, raise);
}

QWidget* MakePictureButton(const ControlLayout& layout, QWidget* parent, const EventSink&) {
  auto* button = new PictureButton(parent);
  LoadPictures(*button, layout);
  return button;
}

QWidget* MakeSuperButton(const ControlLayout& layout, QWidget* parent, const EventSink&) {
  auto* button = new SuperButton(parent);
  button->setText(Caption(layout));
  LoadPictures(*button, layout);
  return button;
}

QWidget* MakeButton(const ControlLayout& layout, QWidget* parent, const EventSink&) {
  return new QPushButton(Caption(layout), parent);
}

QWidget* MakeEditBox(const ControlLayout& layout, QWidget* parent, const EventSink&) {
  auto* box = new EditBox(parent, layout.filter);
  box->setText(Caption(layout));
  return box;
}

QWidget* MakeCheckBox(const ControlLayout& layout, QWidget* parent, const EventSink&) {
  auto* box = new QCheckBox(Caption(layout), parent);
  box->setChecked(layout.ticked);
  return box;
}

QWidget* MakeColourPicker(const ControlLayout& layout, QWidget* parent, const EventSink& raise) {
  auto* picker = new ColourPicker(parent, raise);
  picker->SetColour(layout.colour.value_or(0));
  return picker;
}

QWidget* MakeLabel(const ControlLayout& layout, QWidget* parent, const EventSink&) {
  auto* label = new QLabel(Caption(layout), parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

struct KindEntry {
  const char* kind;
  QWidget* (*make)(const ControlLayout&, QWidget*, const EventSink&);  // null: no widget
};

const std::array<KindEntry, 12> kKinds{{
    {kind::kShapeBox, &MakeShapeBox},
    {kind::kGroupBox, &MakeGroupBox},
    {kind::kCanvas, &MakeCanvas},
    {kind::kPictureButton, &MakePictureButton},
    {kind::kSuperButton, &MakeSuperButton},
    {kind::kButton, &MakeButton},
    {kind::kEditBox, &MakeEditBox},
    {kind::kCheckBox, &MakeCheckBox},
    {kind::kColourPicker, &MakeColourPicker},
    {kind::kLabel, &MakeLabel},
    {kind::kCommonDialog, nullptr},
    {kind::kBrowserBox, nullptr},
}};

const KindEntry* EntryOf(const std::string& kind) {
  const auto found = std::find_if(kKinds.begin(), kKinds.end(),
                                  [&](const KindEntry& entry) { return kind == entry.kind; });
  return found == kKinds.end() ? nullptr : &*found;
}

// Reports the focus moving in or out. A popup (a context menu, a drop-down list) takes the
// focus only for a moment and gives it back, so it counts as neither.
class FocusRelay : public QObject {
 public:
  FocusRelay(QObject* watched, EventSink raise) : QObject(watched), raise_(std::move(raise)) {
    watched->installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    const bool in = event->type() == QEvent::FocusIn;
    if (!in && event->type() != QEvent::FocusOut) return false;
    if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) return false;
    raise_(in ? ControlEvent::GotFocus : ControlEvent::LostFocus);
    return false;
  }

 private:
  EventSink raise_;
};

}  // namespace

bool HasWidget(const std::string& kind) {
  const KindEntry* entry = EntryOf(kind);
  return entry && entry->make;
}

QWidget* CreateControlWidget(const ControlLayout& layout, QWidget* parent, const EventSink& raise) {
  const KindEntry* entry = EntryOf(layout.kind);
  if (!entry || !entry->make) return nullptr;
  QWidget* widget = entry->make(layout, parent, raise);
  widget->setObjectName(QString::fromStdString(layout.name));
  widget->setGeometry(layout.left, layout.top, std::max(0, layout.width),
                      std::max(0, layout.height));
  if (!layout.tooltip.empty()) widget->setToolTip(QString::fromStdString(layout.tooltip));
  if (!layout.visible) widget->hide();
  if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [raise] { raise(ControlEvent::Clicked); });
  }
  new FocusRelay(widget, raise);
  return widget;
}

}  // namespace platform::toolkit
