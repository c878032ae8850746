// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileFind.h"

// The folder walk: the folders still to visit below a root, visited in pre-order (a parent
// before its children, children in the order they were found). Only the pending part of the
// tree is held: the chain from the root to the current folder and the siblings still to come
// along it. Nodes are freed as the walk passes them.
class CFolderTree {
 public:
  CFolderTree(std::string_view name, CFolderTree* parent, int32_t state);
  virtual ~CFolderTree() = default;
  CFolderTree(const CFolderTree&) = delete;
  CFolderTree& operator=(const CFolderTree&) = delete;

 private:
  friend class CFolderTreeMgr;
  std::string m_name;  // the folder's own name (the root: the whole root path), ending in '\'
  CFolderTree* m_parent;
  CFolderTree* m_firstChild = nullptr;
  CFolderTree* m_previous = nullptr;
  CFolderTree* m_next = nullptr;
  int32_t m_state;
};

class CFolderTreeMgr {
 public:
  explicit CFolderTreeMgr(std::string_view rootPath);
  virtual ~CFolderTreeMgr();
  CFolderTreeMgr(const CFolderTreeMgr&) = delete;
  CFolderTreeMgr& operator=(const CFolderTreeMgr&) = delete;

  // Adds a folder to visit under the current one, after the children added before it.
  // 0 when there is no current folder or memory runs out, 1 otherwise.
  int AddChild(std::string_view name, int32_t state);
  // The current folder's state; 0 when there is none.
  int32_t CurrentState() const;
  // The root path, ending in a backslash; empty when the tree is empty.
  std::string RootPath() const;
  void SetRootState(int32_t state);
  // Moves to the next folder in pre-order and writes its full path; 0 when the walk is over
  // (the path is then left as it was).
  int NextFolder(std::string& path);
  // The current folder's full path, ending in a backslash; empty when there is none.
  std::string CurrentPath() const;

 private:
  void Free(CFolderTree* node);

  CFolderTree* m_root = nullptr;
  CFolderTree* m_current = nullptr;
  CFolderTree* m_lastParent = nullptr;
  CFolderTree* m_lastChild = nullptr;
};

// The platform enumerator with the whole 64-bit size of each entry.
class CFileFindFixed {
 public:
  // Starts with a pattern such as "C:\a\*.*"; false when nothing matches.
  bool FindFile(std::string_view pattern);
  bool FindNextFile();
  void Close();
  const std::string& GetFileName() const { return m_finder.Data().name; }
  std::string GetFilePath() const { return m_finder.Folder() + m_finder.Data().name; }
  uint64_t GetLength64() const { return m_finder.Data().size; }
  platform::FileTime GetLastWriteTime() const { return m_finder.Data().lastWriteTime; }
  uint32_t GetAttributes() const { return m_finder.Data().attributes; }
  bool IsDirectory() const { return m_finder.IsDirectory(); }
  bool IsDots() const { return m_finder.IsDots(); }
  const platform::SFindData& Data() const { return m_finder.Data(); }

 private:
  platform::CFindFile m_finder;
};

// One walk: the enumerator and the tree of folders to visit.
class CFileSearch {
 public:
  explicit CFileSearch(std::string_view rootPath) : m_tree(rootPath) {}
  virtual ~CFileSearch() = default;

  // Starts listing a folder (its path ends in a backslash) with the pattern "*.*".
  bool FindInFolder(std::string_view folderPath);
  CFileFindFixed& Finder() { return m_finder; }
  CFolderTreeMgr& Tree() { return m_tree; }

 private:
  CFileFindFixed m_finder;
  CFolderTreeMgr m_tree;
};
