#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <array>

#include "tests/platform/toolkit/toolkit_test_support.h"

namespace toolkittest {
namespace {

class EditBoxTest : public ToolkitTest {
 protected:
  void SetUp() override { Load(); }
};

struct TypingCase {
  const char* description;
  const char* box;
  const char* typed;  // UTF-8
  const char* expected;
};

TEST_F(EditBoxTest, FiltersTypedCharacters) {
  const std::array<TypingCase, 9> cases{{
      {"letters are dropped", kDigits, "a1b2", "12"},
      {"minus and digits pass", kDigits, "-12", "-12"},
      {"a point needs the point rule", kDigits, "1.5", "15"},
      {"the point rule takes a point", kDecimal, "-1.5", "-1.5"},
      {"the point rule still drops letters", kDecimal, "x.", "."},
      {"full-width digits are not digits", kDigits, "１2", "2"},
      {"Chinese is dropped", kDecimal, "中3", "3"},
      {"backspace always passes", kDigits, "12\b", "1"},
      {"a box without a rule takes anything", kAnyText, "a.中", "a.中"},
  }};
  for (const TypingCase& c : cases) {
    window_->SetText(c.box, "");
    Type(Widget(c.box), QString::fromUtf8(c.typed));
    EXPECT_EQ(window_->Text(c.box), c.expected) << c.description;
  }
}

TEST_F(EditBoxTest, FiltersInputMethodTextLikeTyping) {
  const std::array<TypingCase, 2> cases{{
      {"digits and minus", kDigits, "1a.中-", "1-"},
      {"digits, minus and point", kDecimal, "1a.中-", "1.-"},
  }};
  for (const TypingCase& c : cases) {
    window_->SetText(c.box, "");
    QInputMethodEvent event;
    event.setCommitString(QString::fromUtf8(c.typed));
    QApplication::sendEvent(Widget(c.box), &event);
    EXPECT_EQ(window_->Text(c.box), c.expected) << c.description;
  }
}

TEST_F(EditBoxTest, PastedAndProgramTextPassUnfiltered) {
  window_->SetText(kDigits, "");
  QGuiApplication::clipboard()->setText("abc");
  QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
  QApplication::sendEvent(Widget(kDigits), &paste);
  EXPECT_EQ(window_->Text(kDigits), "abc");

  window_->SetText(kDigits, "x.y-中");
  EXPECT_EQ(window_->Text(kDigits), "x.y-中");
}

}  // namespace
}  // namespace toolkittest
