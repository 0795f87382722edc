#include "platform/toolkit/desktop_services.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace platform {
namespace {

// A file manager that hangs must not freeze the window for long; the folder is a convenience.
constexpr int kFileManagerTimeoutMs = 2000;

bool AskFileManagerToShow(const QUrl& item) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"),
      QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
  call << QStringList{QString::fromUtf8(item.toEncoded())} << QString();
  const QDBusMessage reply = bus.call(call, QDBus::Block, kFileManagerTimeoutMs);
  return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace

bool ShowItemInFolder(const std::string& path) {
  const QFileInfo item(QString::fromStdString(path));
  if (AskFileManagerToShow(QUrl::fromLocalFile(item.absoluteFilePath()))) return true;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(item.absolutePath()));
}

void ChangeMessageFilter(std::uint32_t /*message*/, std::uint32_t /*action*/) {}

}  // namespace platform
