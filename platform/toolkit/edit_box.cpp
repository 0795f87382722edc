#include "platform/toolkit/edit_box.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPalette>
#include <array>
#include <limits>
#include <string_view>

namespace platform::toolkit {
namespace {

struct FilterRule {
  InputFilter filter;
  std::string_view accepted;
};

constexpr std::array<FilterRule, 2> kFilterRules{{
    {InputFilter::DigitsAndMinus, "0123456789-"},
    {InputFilter::DigitsMinusAndPoint, "0123456789-."},
}};

bool IsControlCharacter(QChar character) {
  return character.unicode() < 0x20 || character.unicode() == 0x7F;
}

}  // namespace

bool FilterAccepts(InputFilter filter, QChar character) {
  if (IsControlCharacter(character)) return true;
  for (const FilterRule& rule : kFilterRules) {
    if (rule.filter != filter) continue;
    return character.unicode() < 0x80 &&
           rule.accepted.find(static_cast<char>(character.unicode())) != std::string_view::npos;
  }
  return true;
}

EditBox::EditBox(QWidget* parent, InputFilter filter) : QLineEdit(parent), filter_(filter) {
  setAlignment(Qt::AlignCenter);
  setMaxLength(std::numeric_limits<int>::max());
  setAcceptDrops(false);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);
}

QString EditBox::Filtered(const QString& typed) const {
  QString kept;
  for (QChar character : typed) {
    if (FilterAccepts(filter_, character)) kept.append(character);
  }
  return kept;
}

void EditBox::keyPressEvent(QKeyEvent* event) {
  const QString kept = Filtered(event->text());
  if (kept == event->text()) return QLineEdit::keyPressEvent(event);
  if (kept.isEmpty()) return event->accept();
  QKeyEvent filtered(event->type(), event->key(), event->modifiers(), kept, event->isAutoRepeat(),
                     static_cast<quint16>(event->count()));
  QLineEdit::keyPressEvent(&filtered);
}

void EditBox::inputMethodEvent(QInputMethodEvent* event) {
  const QString kept = Filtered(event->commitString());
  if (kept == event->commitString()) return QLineEdit::inputMethodEvent(event);
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

}  // namespace platform::toolkit
