#include "platform/toolkit/colour_picker.h"

#include <QAbstractItemView>
#include <QColorDialog>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>
#include <array>

#include "platform/toolkit/colours.h"

namespace platform::toolkit {
namespace {

struct NamedColour {
  const char* name;
  std::uint32_t colour;  // 0x00BBGGRR
};

constexpr std::array<NamedColour, 16> kStandardColours{{
    {"黑色", 0x000000},
    {"白色", 0xFFFFFF},
    {"深红", 0x000080},
    {"红色", 0x0000FF},
    {"橄榄", 0x008080},
    {"黄色", 0x00FFFF},
    {"深绿", 0x008000},
    {"绿色", 0x00FF00},
    {"深青", 0x808000},
    {"青色", 0xFFFF00},
    {"深蓝", 0x800000},
    {"蓝色", 0xFF0000},
    {"紫色", 0x800080},
    {"品红", 0xFF00FF},
    {"灰色", 0x808080},
    {"银色", 0xC0C0C0},
}};

constexpr const char* kOtherColourName = "其他颜色";
constexpr const char* kCustomEntryName = "自定义...";
constexpr int kColourRole = Qt::UserRole;

QIcon Swatch(std::uint32_t colour) {
  QPixmap swatch(16, 12);
  swatch.fill(ToQColor(colour));
  QPainter painter(&swatch);
  painter.setPen(Qt::darkGray);
  painter.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
  return QIcon(swatch);
}

}  // namespace

ColourPicker::ColourPicker(QWidget* parent, EventSink raise)
    : QComboBox(parent), raise_(std::move(raise)) {
  for (const NamedColour& entry : kStandardColours) {
    addItem(Swatch(entry.colour), QString::fromUtf8(entry.name), entry.colour);
  }
  addItem(QString::fromUtf8(kCustomEntryName));
  view()->setMinimumWidth(view()->sizeHintForColumn(0) + 8);
  connect(this, &QComboBox::activated, this, [this](int index) { OnActivated(index); });
  SetColour(0);
}

void ColourPicker::SetColour(std::uint32_t colour) {
  colour &= 0xFFFFFF;
  colour_ = colour;
  const bool hasOtherEntry = count() > static_cast<int>(kStandardColours.size()) + 1;
  const int otherIndex = static_cast<int>(kStandardColours.size());
  int index = -1;
  for (int standard = 0; standard < otherIndex; ++standard) {
    if (kStandardColours[standard].colour == colour) index = standard;
  }
  if (index < 0) {
    if (!hasOtherEntry) insertItem(otherIndex, QString::fromUtf8(kOtherColourName));
    setItemIcon(otherIndex, Swatch(colour));
    setItemData(otherIndex, colour, kColourRole);
    index = otherIndex;
  } else if (hasOtherEntry) {
    removeItem(otherIndex);
  }
  setCurrentIndex(index);
  update();
}

void ColourPicker::OnActivated(int index) {
  if (index == CustomEntryIndex()) {
    const QColor chosen = QColorDialog::getColor(ToQColor(colour_), this);
    if (!chosen.isValid()) {
      SetColour(colour_);  // back to the entry of the colour that stays
      return;
    }
    SetColour(FromQColor(chosen));
  } else {
    SetColour(itemData(index, kColourRole).toUInt());
  }
  raise_(ControlEvent::ColourChanged);
}

void ColourPicker::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.currentText.clear();
  option.currentIcon = QIcon();
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  const QRect field =
      style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
  const QRect swatch = field.adjusted(1, 2, -2, -2);
  painter.fillRect(swatch, ToQColor(colour_));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

// A wheel turned over the picker would count as a pick (and one notch could open the colour
// dialog); colours change only when the user opens the list and chooses.
void ColourPicker::wheelEvent(QWheelEvent* event) { event->ignore(); }

}  // namespace platform::toolkit
