#include "platform/toolkit/application.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/toolkit/file_services.h"
#include "platform/toolkit/qt_window.h"

namespace platform {

struct Application::Impl {
  std::unique_ptr<QApplication> ownApplication;  // none when one was already running
  QTranslator toolkitTexts;
  std::function<void()> exitRoutine;

  void RunExitRoutine() {
    if (!exitRoutine) return;
    const std::function<void()> routine = std::move(exitRoutine);
    exitRoutine = nullptr;
    routine();
  }
};

Application::Application(int& argc, char** argv) : impl_(std::make_unique<Impl>()) {
  if (!QApplication::instance()) {
    impl_->ownApplication = std::make_unique<QApplication>(argc, argv);
  }
  QApplication::setApplicationName("Brelvane");
  // The window speaks Chinese whatever the desktop's language, so the toolkit's own texts
  // (the file dialog's buttons and labels, the colour dialog) do too, where translated.
  if (impl_->toolkitTexts.load("qtbase_zh_CN",
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&impl_->toolkitTexts);
  }
  // The message loop ends when the main window closes, not when some dialog does.
  QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application() {
  impl_->RunExitRoutine();
  QApplication::removeTranslator(&impl_->toolkitTexts);
}

std::unique_ptr<Window> Application::LoadWindow(const WindowLayout& layout,
                                                const std::function<void(Window&)>& wire) {
  auto window = std::make_unique<toolkit::QtWindow>(layout);
  if (wire) wire(*window);
  window->RaiseCreated();
  window->Show();
  return window;
}

int Application::RunUntilClosed(Window& window) {
  if (auto* qtWindow = dynamic_cast<toolkit::QtWindow*>(&window)) {
    if (!qtWindow->Closed()) {
      QEventLoop loop;
      qtWindow->SetOnClosed([&loop] { loop.quit(); });
      loop.exec();
      qtWindow->SetOnClosed(nullptr);
      // The loop can also end because the application was told to quit; the window still
      // closes in order then, so that its Destroying handlers run.
      if (!qtWindow->Closed()) qtWindow->Close();
    }
  }
  impl_->RunExitRoutine();
  return 0;
}

void Application::SetExitRoutine(std::function<void()> routine) {
  impl_->exitRoutine = std::move(routine);
}

void Application::SetFileChooser(FileChooser chooser) {
  toolkit::SetFileChooser(std::move(chooser));
}

void Application::SetLinkOpener(LinkOpener opener) { toolkit::SetLinkOpener(std::move(opener)); }

}  // namespace platform
