#include "platform/toolkit/file_services.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QStringList>
#include <QUrl>

namespace platform::toolkit {
namespace {

FileChooser& InstalledChooser() {
  static FileChooser chooser;
  return chooser;
}

LinkOpener& InstalledOpener() {
  static LinkOpener opener;
  return opener;
}

}  // namespace

QString ToDialogFilter(std::string_view filter) {
  const QStringList parts =
      QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size())).split('|');
  QStringList entries;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    entries.append(parts[i] + " (" + patterns.join(' ') + ")");
  }
  return entries.join(";;");
}

void SetFileChooser(FileChooser chooser) { InstalledChooser() = std::move(chooser); }

void SetLinkOpener(LinkOpener opener) { InstalledOpener() = std::move(opener); }

std::optional<std::string> ChooseFile(QWidget* owner, const FileDialogRequest& request) {
  if (InstalledChooser()) return InstalledChooser()(request);
  const QString chosen =
      QFileDialog::getOpenFileName(owner, QString(), QString::fromStdString(request.initialFolder),
                                   ToDialogFilter(request.filter));
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.toStdString();
}

void OpenLink(const std::string& address) {
  if (InstalledOpener()) return InstalledOpener()(address);
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace platform::toolkit
