// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/Shell.h"

#include <errno.h>
#include <fcntl.h>
#include <ftw.h>
#include <limits.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <map>
#include <mutex>

#include "platform/DriveMap.h"
#include "platform/TextUtil.h"
#include "platform/UserFolders.h"
#include "platform/linux/DesktopEntry.h"
#include "platform/linux/Posix.h"

namespace platform {

namespace {

// ---- Deleting ----

int RemoveEntry(const char* path, const struct stat*, int type, struct FTW*) {
  return type == FTW_DP ? rmdir(path) : unlink(path);
}

EError DeleteForGood(const std::string& posixPath, bool folder) {
  if (!folder) {
    return unlink(posixPath.c_str()) == 0 ? EError::kNone : posix::FromErrno(errno);
  }
  // Depth first, never following links out of the folder.
  if (nftw(posixPath.c_str(), RemoveEntry, 32, FTW_DEPTH | FTW_PHYS) != 0) {
    return posix::FromErrno(errno);
  }
  return EError::kNone;
}

bool IsInTrashFolder(const QString& trashed) {
  const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (!dataHome.isEmpty() && trashed.startsWith(QDir::cleanPath(dataHome) + "/Trash/files/")) {
    return true;
  }
  // A trash folder at the top of another volume: <mount>/.Trash-<uid>/files/ or
  // <mount>/.Trash/<uid>/files/.
  const QString uid = QString::number(getuid());
  return trashed.contains("/.Trash-" + uid + "/files/") ||
         trashed.contains("/.Trash/" + uid + "/files/");
}

EError MoveToTrash(const std::string& posixPath) {
  if (!EnsureUserDataFolder()) {
    return EError::kAccessDenied;
  }
  QString trashed;
  const QString path = QString::fromStdString(posixPath);
  if (!QFile::moveToTrash(path, &trashed)) {
    return EError::kAccessDenied;
  }
  if (IsInTrashFolder(QDir::cleanPath(trashed))) {
    return EError::kNone;
  }
  // The item went somewhere that is no trash: put it back and report the failure.
  QFile::rename(trashed, path);
  return EError::kAccessDenied;
}

// ---- Launching ----

std::mutex& StarterMutex() {
  static std::mutex mutex;
  return mutex;
}

ProcessStarter& Starter() {
  static ProcessStarter starter;
  return starter;
}

bool StartProcess(const std::string& program, const std::vector<std::string>& arguments) {
  ProcessStarter starter;
  {
    std::lock_guard lock(StarterMutex());
    starter = Starter();
  }
  if (starter) {
    return starter(program, arguments);
  }
  QStringList list;
  for (const std::string& argument : arguments) {
    list << QString::fromStdString(argument);
  }
  return QProcess::startDetached(QString::fromStdString(program), list);
}

// How long the file manager has to answer a request to show an item.
constexpr int kFileManagerWaitMs = 10000;
std::atomic<int> g_fileManagerWaitMs{kFileManagerWaitMs};

// Waits for a started child to end, at most until `deadline`; its wait status, or nothing
// when it is still running.
std::optional<int> WaitForChild(pid_t pid, std::chrono::steady_clock::time_point deadline) {
  // Called through syscall(): the C library of Debian 12 declares pidfd_open for C only.
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  while (true) {
    int status = 0;
    const pid_t ended = waitpid(pid, &status, WNOHANG);
    if (ended == pid) {
      if (pidfd >= 0) {
        close(pidfd);
      }
      return status;
    }
    if (ended < 0 && errno != EINTR) {
      break;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      break;
    }
    // The process descriptor tells when the child ends; without one, look again shortly.
    pollfd ready{pidfd, POLLIN, 0};
    poll(pidfd >= 0 ? &ready : nullptr, pidfd >= 0 ? 1 : 0,
         static_cast<int>(pidfd >= 0 ? left.count() : std::min<int64_t>(left.count(), 20)));
  }
  if (pidfd >= 0) {
    close(pidfd);
  }
  return std::nullopt;
}

// Runs a program (its output discarded) and waits for it, at most `timeoutMs`; its exit
// code, or nothing when it could not start, did not end in time (it is then ended) or was
// ended by a signal.
std::optional<int> RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                              int timeoutMs) {
  std::vector<std::string> texts{program};
  texts.insert(texts.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& text : texts) {
    argv.push_back(text.data());
  }
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    posix_spawn_file_actions_addopen(&actions, fd, "/dev/null",
                                     fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
  }
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    return std::nullopt;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  std::optional<int> status = WaitForChild(pid, deadline);
  if (!status) {
    kill(pid, SIGKILL);
    int ignored = 0;
    while (waitpid(pid, &ignored, 0) < 0 && errno == EINTR) {
    }
    return std::nullopt;
  }
  if (!WIFEXITED(*status)) {
    return std::nullopt;
  }
  return WEXITSTATUS(*status);
}

std::optional<std::string> FindProgram(const std::string& name) {
  const QString found = QStandardPaths::findExecutable(QString::fromStdString(name));
  if (found.isEmpty()) {
    return std::nullopt;
  }
  return found.toStdString();
}

bool IsUrl(std::string_view target) {
  const size_t colon = target.find("://");
  if (colon != std::string_view::npos && colon > 1) {
    return true;
  }
  return StartsWithNoCase(target, "mailto:");
}

// Starts the default application of a MIME type (or of one of its parents) on `items`.
int OpenWithDefault(const std::string& mimeType, const std::vector<std::string>& items,
                    bool itemsAreUrls = false) {
  std::vector<std::string> types{mimeType};
  const QMimeType type = QMimeDatabase().mimeTypeForName(QString::fromStdString(mimeType));
  if (type.isValid()) {
    for (const QString& parent : type.allAncestors()) {
      types.push_back(parent.toStdString());
    }
  }
  for (const std::string& candidate : types) {
    const std::optional<SDesktopEntry> entry = DefaultApplicationFor(candidate);
    if (!entry) {
      continue;
    }
    const std::vector<std::string> command = ExpandExec(*entry, items, itemsAreUrls);
    if (command.empty()) {
      continue;
    }
    const std::vector<std::string> arguments(command.begin() + 1, command.end());
    return StartProcess(command.front(), arguments) ? kShellOk : kShellFileNotFound;
  }
  if (const auto opener = FindProgram("xdg-open"); opener && items.size() == 1) {
    return StartProcess(*opener, items) ? kShellOk : kShellFileNotFound;
  }
  return kShellNoAssociation;
}

std::string MimeTypeOfFile(const std::string& posixPath) {
  return QMimeDatabase().mimeTypeForFile(QString::fromStdString(posixPath)).name().toStdString();
}

int OpenFolder(const std::string& posixFolder) {
  return OpenWithDefault("inode/directory", {posixFolder});
}

// Shows an item selected in its folder where the file manager offers that, else opens the
// folder. The request counts as done only once the file manager has answered it: with none on
// the bus, or one that does not answer in time, the folder is opened instead.
int ShowItem(const std::string& posixPath) {
  const auto sender = FindProgram("dbus-send");
  if (sender && !qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty()) {
    const std::string uri =
        QUrl::fromLocalFile(QString::fromStdString(posixPath)).toEncoded().toStdString();
    const int waitMs = g_fileManagerWaitMs.load();
    const std::optional<int> answered =
        RunAndWait(*sender,
                   {"--session", "--print-reply", "--reply-timeout=" + std::to_string(waitMs),
                    "--dest=org.freedesktop.FileManager1", "--type=method_call",
                    "/org/freedesktop/FileManager1", "org.freedesktop.FileManager1.ShowItems",
                    "array:string:" + uri, "string:"},
                   waitMs + 1000);
    if (answered == 0) {
      return kShellOk;
    }
  }
  const size_t slash = posixPath.find_last_of('/');
  return OpenFolder(slash == 0 ? "/" : posixPath.substr(0, slash));
}

// A Windows-form or POSIX path among the parameters, as a POSIX path.
std::string PosixArgument(const std::string& argument) {
  if (HasDriveLetter(argument)) {
    if (const auto full = GetFullPathName(argument)) {
      if (auto posixPath = ToPosixPath(*full)) {
        return *posixPath;
      }
    }
  }
  return argument;
}

std::vector<std::string> PosixArguments(std::string_view parameters) {
  std::vector<std::string> arguments = SplitCommandLine(parameters);
  for (std::string& argument : arguments) {
    argument = PosixArgument(argument);
  }
  return arguments;
}

bool NameIsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  for (const std::string_view candidate : names) {
    if (EqualsNoCase(name, candidate)) {
      return true;
    }
  }
  return false;
}

// explorer's parameters: comma-separated switches (/n, /e, /root,X, /select,X) and a folder.
int Explorer(std::string_view parameters) {
  std::vector<std::string> parts;
  std::string current;
  bool quoted = false;
  for (const char c : parameters) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      parts.push_back(std::string(Trim(current)));
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  parts.push_back(std::string(Trim(current)));
  bool select = false;
  std::string item;
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    if (EqualsNoCase(part, "/select")) {
      select = true;
    } else if (EqualsNoCase(part, "/root")) {
      // the next part is the folder
    } else if (!part.empty() && part.front() != '/') {
      item = part;
    } else if (!part.empty() && part.front() == '/' && part.size() > 2) {
      item = part;  // a POSIX path
    }
  }
  const std::string posixItem = item.empty() ? std::string("/") : PosixArgument(item);
  struct stat info {};
  if (stat(posixItem.c_str(), &info) != 0) {
    return kShellFileNotFound;
  }
  if (select) {
    return ShowItem(posixItem);
  }
  return S_ISDIR(info.st_mode) ? OpenFolder(posixItem) : ShowItem(posixItem);
}

bool IsProgram(const std::string& posixPath) {
  if (access(posixPath.c_str(), X_OK) != 0) {
    return false;
  }
  // Removable media often mark every file executable; only real programs are run.
  const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromStdString(posixPath));
  for (const char* program :
       {"application/x-executable", "application/x-pie-executable", "application/x-sharedlib",
        "application/x-shellscript", "application/x-appimage"}) {
    if (type.inherits(QString::fromLatin1(program))) {
      return true;
    }
  }
  return false;
}

int LaunchPath(std::string_view verb, std::string_view target, std::string_view parameters) {
  std::string posixPath;
  if (target.front() == '/' && target.size() > 1 && target[1] != '/') {
    posixPath = std::string(target);
  } else {
    const auto full = GetFullPathName(target);
    const auto converted = full ? ToPosixPath(*full) : std::nullopt;
    if (!converted) {
      // A bare program name found along the search path.
      if (const auto program = FindProgram(std::string(target))) {
        return StartProcess(*program, PosixArguments(parameters)) ? kShellOk : kShellFileNotFound;
      }
      return kShellFileNotFound;
    }
    posixPath = *converted;
  }
  struct stat info {};
  if (stat(posixPath.c_str(), &info) != 0) {
    if (!HasDriveLetter(target) && target.find_first_of("\\/") == std::string_view::npos) {
      if (const auto program = FindProgram(std::string(target))) {
        return StartProcess(*program, PosixArguments(parameters)) ? kShellOk : kShellFileNotFound;
      }
    }
    const size_t slash = posixPath.find_last_of('/');
    struct stat parent {};
    const std::string folder = slash == 0 ? "/" : posixPath.substr(0, slash);
    return stat(folder.c_str(), &parent) == 0 ? kShellFileNotFound : kShellPathNotFound;
  }
  if (access(posixPath.c_str(), R_OK) != 0) {
    return kShellAccessDenied;
  }
  if (S_ISDIR(info.st_mode)) {
    return OpenFolder(posixPath);
  }
  if (verb == "explore") {
    return ShowItem(posixPath);
  }
  if (IsProgram(posixPath)) {
    return StartProcess(posixPath, PosixArguments(parameters)) ? kShellOk : kShellFileNotFound;
  }
  return OpenWithDefault(MimeTypeOfFile(posixPath), {posixPath});
}

}  // namespace

EError ShellDelete(std::string_view path, bool recycle) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return error;
  }
  struct stat info {};
  if (lstat(posixPath->c_str(), &info) != 0) {
    return posix::FromErrno(errno);
  }
  if (recycle) {
    return MoveToTrash(*posixPath);
  }
  return DeleteForGood(*posixPath, S_ISDIR(info.st_mode));
}

void SetProcessStarter(ProcessStarter starter) {
  std::lock_guard lock(StarterMutex());
  Starter() = std::move(starter);
}

void SetFileManagerWait(int milliseconds) {
  g_fileManagerWaitMs = milliseconds > 0 ? milliseconds : kFileManagerWaitMs;
}

std::vector<std::string> SplitCommandLine(std::string_view commandLine) {
  std::vector<std::string> arguments;
  std::string current;
  bool quoted = false;
  bool inArgument = false;
  for (const char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      inArgument = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inArgument) {
        arguments.push_back(std::move(current));
        current.clear();
        inArgument = false;
      }
    } else {
      current.push_back(c);
      inArgument = true;
    }
  }
  if (inArgument) {
    arguments.push_back(std::move(current));
  }
  return arguments;
}

int ShellExecute(std::string_view verb, std::string_view target, std::string_view parameters) {
  target = Trim(target);
  if (target.empty()) {
    return kShellFileNotFound;
  }
  if (IsUrl(target)) {
    const std::string url(target);
    const std::string scheme = ToLower(url.substr(0, url.find(':')));
    return OpenWithDefault("x-scheme-handler/" + scheme, {url}, true);
  }
  if (NameIsOneOf(target, {"notepad.exe", "notepad"})) {
    return OpenWithDefault("text/plain", PosixArguments(parameters));
  }
  if (NameIsOneOf(target, {"wordpad.exe", "wordpad", "write.exe"})) {
    const std::vector<std::string> files = PosixArguments(parameters);
    const int result = OpenWithDefault("application/rtf", files);
    return result == kShellNoAssociation ? OpenWithDefault("text/plain", files) : result;
  }
  if (NameIsOneOf(target, {"explorer", "explorer.exe"})) {
    return Explorer(parameters);
  }
  return LaunchPath(verb, target, parameters);
}

std::optional<std::string> ResolveShortcut(std::string_view path) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  if (!posixPath) {
    return std::nullopt;
  }
  struct stat info {};
  if (lstat(posixPath->c_str(), &info) != 0) {
    return std::nullopt;
  }
  if (S_ISLNK(info.st_mode)) {
    char resolved[PATH_MAX];
    if (realpath(posixPath->c_str(), resolved) == nullptr) {
      return std::nullopt;
    }
    return ToWindowsPath(resolved);
  }
  if (!posixPath->ends_with(".desktop")) {
    return std::nullopt;
  }
  const std::optional<SDesktopEntry> entry = ReadDesktopEntry(*posixPath);
  if (!entry) {
    return std::nullopt;
  }
  if (entry->type == "Link") {
    return entry->url.empty() ? std::nullopt : std::optional<std::string>(entry->url);
  }
  const std::vector<std::string> command = ExpandExec(*entry, {}, false);
  if (command.empty()) {
    return std::nullopt;
  }
  std::string program = command.front();
  if (program.find('/') == std::string::npos) {
    const auto found = FindProgram(program);
    if (!found) {
      return std::nullopt;
    }
    program = *found;
  }
  return ToWindowsPath(program);
}

namespace {

// The list of type icons, filled as types are met (by preview workers and windows alike).
class CTypeIcons {
 public:
  int32_t IndexOf(const QMimeType& type) {
    const std::string name = type.iconName().toStdString();
    std::lock_guard lock(m_mutex);
    const auto found = m_byName.find(name);
    if (found != m_byName.end()) {
      return found->second;
    }
    const auto index = static_cast<int32_t>(m_icons.size());
    m_icons.push_back({name, type.genericIconName().toStdString()});
    m_byName.emplace(name, index);
    return index;
  }
  STypeIcon At(int32_t index) {
    std::lock_guard lock(m_mutex);
    if (index < 0 || static_cast<size_t>(index) >= m_icons.size()) {
      return {};
    }
    return m_icons[static_cast<size_t>(index)];
  }

 private:
  std::mutex m_mutex;
  std::vector<STypeIcon> m_icons;
  std::map<std::string, int32_t> m_byName;
};

CTypeIcons& TypeIcons() {
  static CTypeIcons icons;
  return icons;
}

const QMimeDatabase& MimeDatabase() {
  static const QMimeDatabase database;
  return database;
}

}  // namespace

SFileType GetFileType(std::string_view fileName) {
  const QMimeType type = MimeDatabase().mimeTypeForFile(
      QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())),
      QMimeDatabase::MatchExtension);
  SFileType result;
  if (type.isValid()) {
    result.icon = TypeIcons().IndexOf(type);
  }
  if (type.isValid() && !type.isDefault()) {
    result.name = type.comment().toStdString();
    return result;
  }
  const std::string_view name = posix::LastName(fileName);
  const size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos || dot + 1 == name.size()) {
    result.name = "File";
  } else {
    result.name = ToUpper(name.substr(dot + 1)) + " File";
  }
  return result;
}

SFileType GetFolderType() {
  const QMimeType type = MimeDatabase().mimeTypeForName(QStringLiteral("inode/directory"));
  if (!type.isValid()) {
    return {"File folder", -1};
  }
  return {type.comment().toStdString(), TypeIcons().IndexOf(type)};
}

std::string GetFileTypeName(std::string_view fileName) {
  return GetFileType(fileName).name;
}

std::string GetFolderTypeName() {
  return GetFolderType().name;
}

STypeIcon TypeIcon(int32_t icon) {
  return TypeIcons().At(icon);
}

bool IsProgramFile(std::string_view path) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  struct stat info {};
  return posixPath && stat(posixPath->c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         IsProgram(*posixPath);
}

}  // namespace platform
