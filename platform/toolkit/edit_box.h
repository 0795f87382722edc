#pragma once

// A single-line text box with centred text on white. Its filter applies to what is typed
// (key presses and input-method text); pasted text and text set by the program pass as they
// are. It takes no drops, so that a file dropped on it reaches the window.

#include <QLineEdit>

#include "platform/toolkit/control_layout.h"

namespace platform::toolkit {

// Whether a typed character passes the filter; control characters always do.
bool FilterAccepts(InputFilter filter, QChar character);

class EditBox : public QLineEdit {
 public:
  EditBox(QWidget* parent, InputFilter filter);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  QString Filtered(const QString& typed) const;

  InputFilter filter_;
};

}  // namespace platform::toolkit
