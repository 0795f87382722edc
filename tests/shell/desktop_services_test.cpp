#include "platform/toolkit/desktop_services.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QThread>
#include <QUrl>
#include <QVariantList>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

// The session bus is fixed for the life of a process, so every case runs this test again in a
// child process whose environment decides the bus; the child does the checks.
constexpr char kRoleVariable[] = "BRELVANE_DESKTOP_TEST_ROLE";
constexpr int kChildTimeoutMs = 30000;

enum class Bus { None, Private };
enum class FileManager { Absent, Answers, Silent };

struct DesktopCase {
  const char* role;
  Bus bus;
  FileManager fileManager;
  bool expectFallback;
  qint64 minMs;
  qint64 maxMs;
};

constexpr std::array kCases{
    DesktopCase{"answering-file-manager", Bus::Private, FileManager::Answers, false, 0, 1500},
    DesktopCase{"silent-file-manager", Bus::Private, FileManager::Silent, true, 1500, 5000},
    DesktopCase{"no-file-manager", Bus::Private, FileManager::Absent, true, 0, 1500},
    DesktopCase{"no-session-bus", Bus::None, FileManager::Absent, true, 0, 1500},
};

// A file manager on the bus that records what it is asked to show; it answers, or never does.
class FakeFileManager final : public QDBusVirtualObject {
 public:
  explicit FakeFileManager(bool answers) : answers_(answers) {}

  QString introspect(const QString&) const override { return {}; }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.member() != QLatin1String("ShowItems")) return false;
    {
      QMutexLocker lock(&mutex_);
      asked_ = message.arguments();
    }
    if (answers_) connection.send(message.createReply());
    return true;
  }
  std::optional<QVariantList> Asked() const {
    QMutexLocker lock(&mutex_);
    return asked_;
  }

 private:
  const bool answers_;
  mutable QMutex mutex_;
  std::optional<QVariantList> asked_;
};

// Serves the fake on a connection and thread of its own, so that it answers while the caller
// waits for it.
class FileManagerService {
 public:
  explicit FileManagerService(bool answers) : fake_(answers) {
    thread_.start();
    fake_.moveToThread(&thread_);
    connection_.registerVirtualObject(QStringLiteral("/org/freedesktop/FileManager1"), &fake_);
    registered_ = connection_.registerService(QStringLiteral("org.freedesktop.FileManager1"));
  }
  ~FileManagerService() {
    connection_.unregisterObject(QStringLiteral("/org/freedesktop/FileManager1"));
    QDBusConnection::disconnectFromBus(kConnectionName);
    thread_.quit();
    thread_.wait();
  }
  bool Registered() const { return registered_; }
  std::optional<QVariantList> Asked() const { return fake_.Asked(); }

 private:
  static constexpr char kConnectionName[] = "fake-file-manager";
  QThread thread_;
  FakeFileManager fake_;
  QDBusConnection connection_ =
      QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName);
  bool registered_ = false;
};

void RunAsChild(const DesktopCase& c) {
  std::optional<FileManagerService> service;
  if (c.fileManager != FileManager::Absent) {
    service.emplace(c.fileManager == FileManager::Answers);
    ASSERT_TRUE(service->Registered());
  }
  // The folder handler records instead of opening anything.
  QTextBrowser folderOpener;
  QList<QUrl> openedFolders;
  QObject::connect(&folderOpener, &QTextBrowser::anchorClicked,
                   [&](const QUrl& url) { openedFolders.append(url); });
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &folderOpener, "anchorClicked");

  QTemporaryDir dir;
  const QString folder = dir.path() + QStringLiteral("/导出 图片");
  const QString item = folder + QStringLiteral("/按钮 normal.png");
  ASSERT_TRUE(QDir().mkpath(folder));
  QFile(item).open(QIODevice::WriteOnly);

  QElapsedTimer clock;
  clock.start();
  const bool shown = platform::ShowItemInFolder(item.toStdString());
  const qint64 elapsed = clock.elapsed();
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

  EXPECT_TRUE(shown);
  EXPECT_GE(elapsed, c.minMs);
  EXPECT_LE(elapsed, c.maxMs);
  if (c.expectFallback) {
    ASSERT_EQ(openedFolders.size(), 1);
    EXPECT_EQ(openedFolders[0].toLocalFile(), folder);
  } else {
    EXPECT_TRUE(openedFolders.isEmpty());
  }
  if (service) {
    const std::optional<QVariantList> asked = service->Asked();
    ASSERT_TRUE(asked.has_value());
    ASSERT_EQ(asked->size(), 2);
    const QStringList uris = asked->at(0).toStringList();
    ASSERT_EQ(uris.size(), 1);
    // A well-formed URI: the blank and the Chinese characters are escaped.
    const QUrl uri(uris[0], QUrl::StrictMode);
    EXPECT_TRUE(uri.isValid()) << uris[0].toStdString();
    EXPECT_EQ(uri.toLocalFile(), item);
    EXPECT_EQ(asked->at(1).toString(), QString());
  }
}

TEST(ShowItemInFolder, AsksTheFileManagerElseOpensTheFolder) {
  const std::string role = std::getenv(kRoleVariable) ? std::getenv(kRoleVariable) : "";
  if (!role.empty()) {
    for (const DesktopCase& c : kCases) {
      if (role == c.role) RunAsChild(c);
    }
    return;
  }

  const QString runSession = QStandardPaths::findExecutable(QStringLiteral("dbus-run-session"));
  if (runSession.isEmpty()) GTEST_SKIP() << "dbus-run-session is not installed";
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  const QString filter =
      QStringLiteral("--gtest_filter=%1.%2")
          .arg(QString::fromUtf8(test->test_suite_name()), QString::fromUtf8(test->name()));
  QTemporaryDir emptyRuntimeDir;  // no bus socket to find here

  for (const DesktopCase& c : kCases) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DBUS_SESSION_BUS_ADDRESS", "DBUS_STARTER_ADDRESS", "DISPLAY", "WAYLAND_DISPLAY"}) {
      environment.remove(QString::fromLatin1(name));
    }
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), emptyRuntimeDir.path());
    environment.insert(QString::fromLatin1(kRoleVariable), QString::fromLatin1(c.role));

    QStringList command{QCoreApplication::applicationFilePath(), filter};
    if (c.bus == Bus::Private) command = QStringList{runSession, QStringLiteral("--")} + command;

    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(command.takeFirst(), command);
    const bool finished = child.waitForFinished(kChildTimeoutMs);
    if (!finished) {
      child.kill();
      child.waitForFinished();
    }
    EXPECT_TRUE(finished) << c.role << " timed out";
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << c.role;
    EXPECT_EQ(child.exitCode(), 0) << c.role;
  }
}

}  // namespace
