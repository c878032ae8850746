// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/Shell.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileOps.h"
#include "tests/platform/PlatformTestUtil.h"
#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using platform_test::CEnvGuard;
using testing_support::CTestSandbox;
using testing_support::Exists;

size_t CountEntries(const std::string& folder) {
  std::error_code error;
  size_t count = 0;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    ++count;
  }
  return count;
}

TEST(Shell, DeletesForGoodWithoutFollowingLinks) {
  CTestSandbox sandbox;
  const std::string c = sandbox.CRoot();
  testing_support::BuildTree(c, {{"one.txt", "1"},
                                 {"tree/a.txt", "a"},
                                 {"tree/deep/er/b.txt", "b"},
                                 {"tree/empty/", ""},
                                 {"outside/keep.txt", "keep"}});
  ASSERT_EQ(symlink((c + "/outside").c_str(), (c + "/tree/deep/link").c_str()), 0);
  ASSERT_EQ(chmod((c + "/tree/a.txt").c_str(), 0444), 0);
  ASSERT_EQ(symlink((c + "/outside/keep.txt").c_str(), (c + "/filelink").c_str()), 0);

  EXPECT_EQ(ShellDelete("C:\\one.txt", false), EError::kNone);
  EXPECT_FALSE(Exists(c + "/one.txt"));
  EXPECT_EQ(ShellDelete("C:\\tree", false), EError::kNone);
  EXPECT_FALSE(Exists(c + "/tree"));
  EXPECT_EQ(testing_support::ReadFile(c + "/outside/keep.txt"), "keep");
  EXPECT_EQ(ShellDelete("C:\\filelink", false), EError::kNone);  // the link, not its target
  EXPECT_FALSE(Exists(c + "/filelink"));
  EXPECT_TRUE(Exists(c + "/outside/keep.txt"));
  EXPECT_EQ(ShellDelete("C:\\tree", false), EError::kFileNotFound);
  EXPECT_EQ(ShellDelete("E:\\x", false), EError::kPathNotFound);
}

TEST(Shell, RecyclesIntoTheUsersTrash) {
  CTestSandbox sandbox;
  platform_test::CCurrentFolderGuard keepFolder;
  const std::string c = sandbox.CRoot();
  testing_support::BuildTree(
      c,
      {{"doc.txt", "first"}, {"docs/doc.txt", "second"}, {"folder/inner.txt", "i"}, {"cwd/", ""}});
  // Started from an empty folder while the data folder does not exist yet: the trash must
  // still be the user's, not a "files" folder in the current one.
  ASSERT_EQ(chdir((c + "/cwd").c_str()), 0);
  const std::string data = sandbox.Home() + "/.local/share";
  ASSERT_FALSE(Exists(data));

  ASSERT_EQ(ShellDelete("C:\\doc.txt", true), EError::kNone);
  EXPECT_FALSE(Exists(c + "/doc.txt"));
  EXPECT_EQ(testing_support::ReadFile(data + "/Trash/files/doc.txt"), "first");
  EXPECT_TRUE(Exists(data + "/Trash/info/doc.txt.trashinfo"));
  EXPECT_EQ(CountEntries(c + "/cwd"), 0u);

  ASSERT_EQ(ShellDelete("C:\\docs\\doc.txt", true), EError::kNone);  // the same name again
  ASSERT_EQ(ShellDelete("C:\\folder", true), EError::kNone);
  EXPECT_FALSE(Exists(c + "/docs/doc.txt"));
  EXPECT_FALSE(Exists(c + "/folder"));
  EXPECT_EQ(CountEntries(data + "/Trash/files"), 3u);
  EXPECT_EQ(CountEntries(data + "/Trash/info"), 3u);
  EXPECT_EQ(testing_support::ReadFile(data + "/Trash/files/folder/inner.txt"), "i");
  EXPECT_EQ(CountEntries(c + "/cwd"), 0u);
  EXPECT_EQ(ShellDelete("C:\\doc.txt", true), EError::kFileNotFound);
}

TEST(Shell, RecyclingFailsWithoutAUsableTrash) {
  CTestSandbox sandbox;
  testing_support::WriteFile(sandbox.CRoot() + "/kept.txt", "kept");
  testing_support::WriteFile(sandbox.Root() + "/blocker", "a file where a folder belongs");
  CEnvGuard dataHome("XDG_DATA_HOME", sandbox.Root() + "/blocker/share");
  EXPECT_NE(ShellDelete("C:\\kept.txt", true), EError::kNone);
  EXPECT_EQ(testing_support::ReadFile(sandbox.CRoot() + "/kept.txt"), "kept");
}

// Records what would be started, and sets up a desktop with a few applications.
class CLaunchDesktop {
 public:
  struct SStart {
    std::string program;
    std::vector<std::string> arguments;
  };

  explicit CLaunchDesktop(CTestSandbox& sandbox)
      : m_sandbox(sandbox),
        m_configDirs("XDG_CONFIG_DIRS", sandbox.Root() + "/etc-xdg"),
        m_bus("DBUS_SESSION_BUS_ADDRESS", std::nullopt) {
    SetProcessStarter([this](const std::string& program, const std::vector<std::string>& args) {
      m_started.push_back(SStart{program, args});
      return true;
    });
    testing_support::MakeFolders(sandbox.Home() + "/.config");
    AddApplication("editor.desktop", "Application", "brevant-test-editor --new %F");
    AddApplication("files.desktop", "Application", "brevant-test-files %U");
    AddApplication("browser.desktop", "Application", "brevant-test-browser \"%u\"");
    AddApplication("mail.desktop", "Application", "brevant-test-mail %u");
    testing_support::WriteFile(sandbox.Home() + "/.config/mimeapps.list",
                               "[Default Applications]\n"
                               "text/plain=editor.desktop\n"
                               "inode/directory=files.desktop\n"
                               "x-scheme-handler/https=missing.desktop;browser.desktop\n"
                               "\n[Added Associations]\n"
                               "x-scheme-handler/mailto=mail.desktop\n");
  }
  ~CLaunchDesktop() { SetProcessStarter({}); }

  void AddApplication(const std::string& id, const std::string& type, const std::string& exec) {
    testing_support::MakeFolders(m_sandbox.Home() + "/.local/share/applications");
    testing_support::WriteFile(
        m_sandbox.Home() + "/.local/share/applications/" + id,
        "[Desktop Entry]\nType=" + type + "\nName=" + id + "\nExec=" + exec + "\n");
  }
  // The one start since the last call.
  SStart TakeStart() {
    EXPECT_EQ(m_started.size(), 1u);
    SStart start = m_started.empty() ? SStart{} : m_started.front();
    m_started.clear();
    return start;
  }
  bool NothingStarted() const { return m_started.empty(); }

 private:
  CTestSandbox& m_sandbox;
  CEnvGuard m_configDirs;  // no system-wide associations
  CEnvGuard m_bus;         // no file manager to ask over the session bus
  std::vector<SStart> m_started;
};

TEST(Shell, OpensDocumentsWithTheDesktopsApplications) {
  CTestSandbox sandbox;
  CLaunchDesktop desktop(sandbox);
  const std::string c = sandbox.CRoot();
  testing_support::BuildTree(c, {{"x.txt", "plain text\n"}, {"a/b.txt", "b"}});

  EXPECT_EQ(ShellExecute("open", "notepad.exe", " \"C:\\x.txt\""), kShellOk);
  auto start = desktop.TakeStart();
  EXPECT_EQ(start.program, "brevant-test-editor");
  EXPECT_EQ(start.arguments, (std::vector<std::string>{"--new", c + "/x.txt"}));

  EXPECT_EQ(ShellExecute("open", "C:\\a\\b.txt", ""), kShellOk);  // a text file by its type
  start = desktop.TakeStart();
  EXPECT_EQ(start.program, "brevant-test-editor");
  EXPECT_EQ(start.arguments, (std::vector<std::string>{"--new", c + "/a/b.txt"}));

  EXPECT_EQ(ShellExecute("open", "C:\\a", ""), kShellOk);
  start = desktop.TakeStart();
  EXPECT_EQ(start.program, "brevant-test-files");
  EXPECT_EQ(start.arguments, (std::vector<std::string>{"file://" + c + "/a"}));

  EXPECT_EQ(ShellExecute("open", "C:\\absent.txt", ""), kShellFileNotFound);
  EXPECT_EQ(ShellExecute("open", "C:\\nodir\\absent.txt", ""), kShellPathNotFound);
  EXPECT_EQ(ShellExecute("open", "", ""), kShellFileNotFound);
  EXPECT_TRUE(desktop.NothingStarted());

  // A type that no application takes: the desktop's opener if there is one, else 31.
  testing_support::WriteFile(c + "/blob.bvq", std::string("\x00\x01\x02\xFF\xFE", 5));
  const std::string bin = sandbox.Root() + "/bin";
  testing_support::MakeFolders(bin);
  {
    CEnvGuard path("PATH", bin);
    EXPECT_EQ(ShellExecute("open", "C:\\blob.bvq", ""), kShellNoAssociation);
    EXPECT_TRUE(desktop.NothingStarted());
    testing_support::WriteFile(bin + "/xdg-open", "#!/bin/sh\nexit 0\n");
    ASSERT_EQ(chmod((bin + "/xdg-open").c_str(), 0755), 0);
    EXPECT_EQ(ShellExecute("open", "C:\\blob.bvq", ""), kShellOk);
    start = desktop.TakeStart();
    EXPECT_EQ(start.program, bin + "/xdg-open");
    EXPECT_EQ(start.arguments, (std::vector<std::string>{c + "/blob.bvq"}));
  }
}

TEST(Shell, StartsProgramsFileManagerAndWebAddresses) {
  CTestSandbox sandbox;
  CLaunchDesktop desktop(sandbox);
  const std::string c = sandbox.CRoot();
  testing_support::BuildTree(c, {{"a/b.txt", "b"}, {"bin/tool.sh", "#!/bin/sh\nexit 0\n"}});
  ASSERT_EQ(chmod((c + "/bin/tool.sh").c_str(), 0755), 0);

  EXPECT_EQ(ShellExecute("open", "C:\\bin\\tool.sh", "\"C:\\a b.txt\" /x D:\\y"), kShellOk);
  auto start = desktop.TakeStart();
  EXPECT_EQ(start.program, c + "/bin/tool.sh");
  EXPECT_EQ(start.arguments,
            (std::vector<std::string>{c + "/a b.txt", "/x", sandbox.Root() + "/d/y"}));

  // Shown selected in its folder: the folder, where no file manager can select.
  EXPECT_EQ(ShellExecute("open", "explorer", "/n,/select,\"C:\\a\\b.txt\""), kShellOk);
  start = desktop.TakeStart();
  EXPECT_EQ(start.program, "brevant-test-files");
  EXPECT_EQ(start.arguments, (std::vector<std::string>{"file://" + c + "/a"}));
  EXPECT_EQ(ShellExecute("open", "explorer.exe", "/e,C:\\a"), kShellOk);
  EXPECT_EQ(desktop.TakeStart().arguments, (std::vector<std::string>{"file://" + c + "/a"}));
  EXPECT_EQ(ShellExecute("open", "explorer", "/select,C:\\a\\gone.txt"), kShellFileNotFound);

  EXPECT_EQ(ShellExecute("open", "https://example.org/a?b=1&c=2", ""), kShellOk);
  start = desktop.TakeStart();
  EXPECT_EQ(start.program, "brevant-test-browser");
  EXPECT_EQ(start.arguments, (std::vector<std::string>{"https://example.org/a?b=1&c=2"}));
  EXPECT_EQ(ShellExecute("open", "mailto:ann@example.org", ""), kShellOk);
  EXPECT_EQ(desktop.TakeStart().program, "brevant-test-mail");
  EXPECT_TRUE(desktop.NothingStarted());
}

TEST(Shell, ResolvesShortcutsAndNamesTypes) {
  CTestSandbox sandbox;
  const std::string c = sandbox.CRoot();
  testing_support::BuildTree(c, {{"target/real.txt", "r"}, {"bin/tool", "#!/bin/sh\n"}});
  ASSERT_EQ(symlink((c + "/target/real.txt").c_str(), (c + "/link.txt").c_str()), 0);
  ASSERT_EQ(symlink("target", (c + "/relative").c_str()), 0);
  ASSERT_EQ(symlink("/etc/hostname", (c + "/away").c_str()), 0);
  ASSERT_EQ(chmod((c + "/bin/tool").c_str(), 0755), 0);
  testing_support::WriteFile(c + "/app.desktop",
                             "[Desktop Entry]\nType=Application\nExec=" + c + "/bin/tool %f\n");
  testing_support::WriteFile(c + "/bare.desktop", "[Desktop Entry]\nType=Application\nExec=tool\n");
  testing_support::WriteFile(c + "/web.desktop",
                             "[Desktop Entry]\nType = Link\nURL = https://example.org/\n");

  EXPECT_EQ(*ResolveShortcut("C:\\link.txt"), "C:\\target\\real.txt");
  EXPECT_EQ(*ResolveShortcut("C:\\relative"), "C:\\target");
  EXPECT_FALSE(ResolveShortcut("C:\\away").has_value());  // outside every drive
  EXPECT_EQ(*ResolveShortcut("C:\\app.desktop"), "C:\\bin\\tool");
  EXPECT_EQ(*ResolveShortcut("C:\\web.desktop"), "https://example.org/");
  {
    CEnvGuard path("PATH", c + "/bin");
    EXPECT_EQ(*ResolveShortcut("C:\\bare.desktop"), "C:\\bin\\tool");
  }
  EXPECT_FALSE(ResolveShortcut("C:\\target\\real.txt").has_value());
  EXPECT_FALSE(ResolveShortcut("C:\\absent.desktop").has_value());

  EXPECT_EQ(GetFileTypeName("photo.png"), "PNG image");
  EXPECT_EQ(GetFileTypeName("C:\\x\\Photo.PNG"), "PNG image");
  EXPECT_EQ(GetFileTypeName("data.xyz"), "XYZ File");
  EXPECT_EQ(GetFileTypeName("C:\\dir.v2\\noextension"), "File");
}

// "Show the item selected" asks the file manager over the session bus through dbus-send; a
// stand-in for it on the search path answers as the test says.
TEST(Shell, ShowsAnItemSelectedOnlyWhenTheFileManagerAnswers) {
  CTestSandbox sandbox;
  CLaunchDesktop desktop(sandbox);
  const std::string c = sandbox.CRoot();
  testing_support::BuildTree(c, {{"a/b.txt", "b"}});
  const std::string bin = sandbox.Root() + "/bin";
  const std::string asked = sandbox.Root() + "/asked";
  const std::string never = sandbox.Root() + "/never";
  ASSERT_EQ(mkfifo(never.c_str(), 0600), 0);
  testing_support::MakeFolders(bin);
  CEnvGuard path("PATH", bin);
  CEnvGuard bus("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + sandbox.Root() + "/bus");
  struct SWait {
    SWait() { SetFileManagerWait(300); }
    ~SWait() { SetFileManagerWait(0); }
  } shortWait;
  const auto fileManager = [&](const std::string& body) {
    testing_support::WriteFile(
        bin + "/dbus-send",
        "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '" + asked + "'\n" + body + "\n");
    ASSERT_EQ(chmod((bin + "/dbus-send").c_str(), 0755), 0);
  };
  const auto showSelected = [] {
    return ShellExecute("open", "explorer", "/n,/select,\"C:\\a\\b.txt\"");
  };

  fileManager("exit 0");
  EXPECT_EQ(showSelected(), kShellOk);
  EXPECT_TRUE(desktop.NothingStarted());
  const std::string request = testing_support::ReadFile(asked);
  EXPECT_NE(request.find("\n--print-reply\n"), std::string::npos) << request;
  EXPECT_NE(request.find("\narray:string:file://" + c + "/a/b.txt\n"), std::string::npos)
      << request;

  // No file manager on the bus: its folder is opened instead.
  fileManager("exit 1");
  EXPECT_EQ(showSelected(), kShellOk);
  auto start = desktop.TakeStart();
  EXPECT_EQ(start.program, "brevant-test-files");
  EXPECT_EQ(start.arguments, (std::vector<std::string>{"file://" + c + "/a"}));

  // One that never answers is given up on.
  fileManager("read line < '" + never + "'");
  EXPECT_EQ(showSelected(), kShellOk);
  start = desktop.TakeStart();
  EXPECT_EQ(start.program, "brevant-test-files");
  EXPECT_EQ(start.arguments, (std::vector<std::string>{"file://" + c + "/a"}));
}

}  // namespace
