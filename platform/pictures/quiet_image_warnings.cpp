#include "platform/pictures/quiet_image_warnings.h"

#include <QString>
#include <QtGlobal>
#include <cstring>
#include <thread>

namespace platform::pictures {
namespace {

std::mutex quietMutex;
QtMessageHandler previousHandler = nullptr;
std::thread::id quietThread;

bool IsImageMessage(const QMessageLogContext& context) {
  const char* category = context.category ? context.category : "";
  return std::strncmp(category, "qt.gui.imageio", 14) == 0 ||
         std::strncmp(category, "qt.imageformats", 15) == 0 ||
         std::strcmp(category, "default") == 0;
}

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (std::this_thread::get_id() == quietThread && IsImageMessage(context) && type != QtFatalMsg) {
    return;
  }
  if (previousHandler) previousHandler(type, context, message);
}

}  // namespace

QuietImageWarnings::QuietImageWarnings() : lock_(quietMutex) {
  quietThread = std::this_thread::get_id();
  previousHandler = qInstallMessageHandler(QuietHandler);
}

QuietImageWarnings::~QuietImageWarnings() {
  qInstallMessageHandler(previousHandler);
  quietThread = {};
}

}  // namespace platform::pictures
