#pragma once

// The services the toolkit hands to the desktop: the open-file dialog and opening links.
// Tests put their own in place through Application::SetFileChooser and SetLinkOpener.

#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

#include "platform/toolkit/window.h"

namespace platform::toolkit {

// "description|patterns|description|patterns..." (patterns joined by ";") in the file
// dialog's form: "description (pattern pattern)" entries joined by ";;".
QString ToDialogFilter(std::string_view filter);

void SetFileChooser(FileChooser chooser);
void SetLinkOpener(LinkOpener opener);

// The chosen path, or nothing when cancelled; asks the chooser in place, if any.
std::optional<std::string> ChooseFile(QWidget* owner, const FileDialogRequest& request);

// Opens the link with the system's handler for its scheme, or hands it to the opener in place.
void OpenLink(const std::string& address);

}  // namespace platform::toolkit
