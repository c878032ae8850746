// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/linux/DesktopEntry.h"

#include <sys/stat.h>

#include <QUrl>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace platform {

namespace {

std::string Environment(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return (value != nullptr && *value != '\0') ? std::string(value) : fallback;
}

std::string Home() {
  return Environment("HOME", "/");
}

std::vector<std::string> SplitList(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  std::string part;
  while (std::getline(stream, part, separator)) {
    if (!part.empty()) {
      parts.push_back(part);
    }
  }
  return parts;
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') {
    path.pop_back();
  }
  return path;
}

std::vector<std::string> DataFolders() {
  std::vector<std::string> folders{
      WithoutTrailingSlash(Environment("XDG_DATA_HOME", Home() + "/.local/share"))};
  for (const std::string& folder :
       SplitList(Environment("XDG_DATA_DIRS", "/usr/local/share:/usr/share"), ':')) {
    folders.push_back(WithoutTrailingSlash(folder));
  }
  return folders;
}

std::vector<std::string> ConfigFolders() {
  std::vector<std::string> folders{
      WithoutTrailingSlash(Environment("XDG_CONFIG_HOME", Home() + "/.config"))};
  for (const std::string& folder : SplitList(Environment("XDG_CONFIG_DIRS", "/etc/xdg"), ':')) {
    folders.push_back(WithoutTrailingSlash(folder));
  }
  return folders;
}

bool IsFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The values of `key` in `group` of an ini-style file, split at ';'.
std::vector<std::string> ListValue(const std::string& file, const std::string& group,
                                   const std::string& key) {
  std::ifstream in(file);
  std::string line;
  bool inGroup = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.front() == '[') {
      inGroup = line == "[" + group + "]";
      continue;
    }
    if (!inGroup) {
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      continue;
    }
    std::string name = line.substr(0, equals);
    while (!name.empty() && name.back() == ' ') {
      name.pop_back();
    }
    if (name == key) {
      std::string value = line.substr(equals + 1);
      while (!value.empty() && value.front() == ' ') {
        value.erase(0, 1);
      }
      return SplitList(value, ';');
    }
  }
  return {};
}

std::optional<SDesktopEntry> FindDesktopEntry(const std::string& id) {
  for (const std::string& folder : DataFolders()) {
    const std::string path = folder + "/applications/" + id;
    if (IsFile(path)) {
      return ReadDesktopEntry(path);
    }
  }
  return std::nullopt;
}

std::optional<SDesktopEntry> FirstUsable(const std::vector<std::string>& ids) {
  for (const std::string& id : ids) {
    if (auto entry = FindDesktopEntry(id); entry && !entry->exec.empty()) {
      return entry;
    }
  }
  return std::nullopt;
}

// The escapes of a desktop file's string values.
std::string UnescapeValue(const std::string& value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      const char next = value[++i];
      switch (next) {
        case 's':
          out.push_back(' ');
          break;
        case 'n':
          out.push_back('\n');
          break;
        case 't':
          out.push_back('\t');
          break;
        case 'r':
          out.push_back('\r');
          break;
        default:
          out.push_back('\\');
          out.push_back(next);
          break;
      }
    } else {
      out.push_back(value[i]);
    }
  }
  return out;
}

// Splits an Exec line into words: blanks separate, double quotes group, and inside quotes a
// backslash escapes ", `, $ and itself.
std::vector<std::string> SplitExec(const std::string& exec) {
  std::vector<std::string> words;
  std::string current;
  bool quoted = false;
  bool inWord = false;
  for (size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (quoted) {
      if (c == '\\' && i + 1 < exec.size()) {
        current.push_back(exec[++i]);
      } else if (c == '"') {
        quoted = false;
      } else {
        current.push_back(c);
      }
    } else if (c == '"') {
      quoted = true;
      inWord = true;
    } else if (c == ' ' || c == '\t') {
      if (inWord) {
        words.push_back(std::move(current));
        current.clear();
        inWord = false;
      }
    } else {
      current.push_back(c);
      inWord = true;
    }
  }
  if (inWord) {
    words.push_back(std::move(current));
  }
  return words;
}

std::string AsUrl(const std::string& item, bool isUrl) {
  return isUrl ? item : QUrl::fromLocalFile(QString::fromStdString(item)).toEncoded().toStdString();
}

}  // namespace

std::optional<SDesktopEntry> ReadDesktopEntry(const std::string& posixPath) {
  std::ifstream in(posixPath);
  if (!in) {
    return std::nullopt;
  }
  SDesktopEntry entry;
  entry.path = posixPath;
  std::string line;
  bool inEntry = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.front() == '[') {
      inEntry = line == "[Desktop Entry]";
      continue;
    }
    const size_t equals = line.find('=');
    if (!inEntry || equals == std::string::npos) {
      continue;
    }
    // Blanks around the '=' do not belong to the key or the value.
    std::string key = line.substr(0, equals);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) {
      key.pop_back();
    }
    const size_t valueStart = line.find_first_not_of(" \t", equals + 1);
    const std::string value =
        UnescapeValue(valueStart == std::string::npos ? std::string() : line.substr(valueStart));
    if (key == "Type") {
      entry.type = value;
    } else if (key == "Exec") {
      entry.exec = value;
    } else if (key == "URL") {
      entry.url = value;
    }
  }
  return entry;
}

std::optional<SDesktopEntry> DefaultApplicationFor(const std::string& mimeType) {
  std::vector<std::string> lists;
  for (const std::string& folder : ConfigFolders()) {
    lists.push_back(folder + "/mimeapps.list");
  }
  for (const std::string& folder : DataFolders()) {
    lists.push_back(folder + "/applications/mimeapps.list");
  }
  for (const char* group : {"Default Applications", "Added Associations"}) {
    for (const std::string& list : lists) {
      if (auto entry = FirstUsable(ListValue(list, group, mimeType))) {
        return entry;
      }
    }
  }
  for (const std::string& folder : DataFolders()) {
    if (auto entry = FirstUsable(
            ListValue(folder + "/applications/mimeinfo.cache", "MIME Cache", mimeType))) {
      return entry;
    }
  }
  return std::nullopt;
}

std::vector<std::string> ExpandExec(const SDesktopEntry& entry,
                                    const std::vector<std::string>& items, bool itemsAreUrls) {
  std::vector<std::string> command;
  bool placed = false;
  for (const std::string& word : SplitExec(entry.exec)) {
    if (word == "%f" || word == "%u") {
      placed = true;
      if (!items.empty()) {
        command.push_back(word == "%u" ? AsUrl(items.front(), itemsAreUrls) : items.front());
      }
      continue;
    }
    if (word == "%F" || word == "%U") {
      placed = true;
      for (const std::string& item : items) {
        command.push_back(word == "%U" ? AsUrl(item, itemsAreUrls) : item);
      }
      continue;
    }
    std::string expanded;
    bool dropped = false;
    for (size_t i = 0; i < word.size(); ++i) {
      if (word[i] != '%' || i + 1 >= word.size()) {
        expanded.push_back(word[i]);
        continue;
      }
      const char code = word[++i];
      if (code == '%') {
        expanded.push_back('%');
      } else if (code == 'f' || code == 'u') {
        placed = true;
        if (!items.empty()) {
          expanded += code == 'u' ? AsUrl(items.front(), itemsAreUrls) : items.front();
        }
      } else if (code == 'i' || code == 'c' || code == 'k') {
        dropped = expanded.empty() && i + 1 == word.size();
      }
    }
    if (!dropped && !expanded.empty()) {
      command.push_back(expanded);
    }
  }
  if (!placed) {
    command.insert(command.end(), items.begin(), items.end());
  }
  return command;
}

}  // namespace platform
