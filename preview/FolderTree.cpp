// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/FolderTree.h"

#include <new>

#include "core/PathText.h"

CFolderTree::CFolderTree(std::string_view name, CFolderTree* parent, int32_t state)
    : m_name(WithBackslash(name)), m_parent(parent), m_state(state) {}

CFolderTreeMgr::CFolderTreeMgr(std::string_view rootPath)
    : m_root(new CFolderTree(rootPath, nullptr, 0)), m_current(m_root) {}

CFolderTreeMgr::~CFolderTreeMgr() {
  Free(m_root);
}

// Frees a subtree without recursion: down the first children, then along the siblings.
void CFolderTreeMgr::Free(CFolderTree* node) {
  while (node != nullptr) {
    if (node->m_firstChild != nullptr) {
      node = node->m_firstChild;
      continue;
    }
    if (node->m_next != nullptr) {
      node = node->m_next;
      continue;
    }
    CFolderTree* leaf = node;
    if (leaf->m_previous != nullptr) {
      node = leaf->m_previous;
      node->m_next = nullptr;
    } else {
      node = leaf->m_parent;
      if (node != nullptr) {
        node->m_firstChild = nullptr;
      }
    }
    delete leaf;
  }
}

int CFolderTreeMgr::AddChild(std::string_view name, int32_t state) {
  if (m_current == nullptr) {
    return 0;
  }
  CFolderTree* child = nullptr;
  try {
    child = new CFolderTree(name, m_current, state);
  } catch (const std::bad_alloc&) {
    return 0;
  }
  if (m_lastParent == m_current && m_lastChild != nullptr) {
    m_lastChild->m_next = child;
    child->m_previous = m_lastChild;
  } else {
    CFolderTree* last = m_current->m_firstChild;
    while (last != nullptr && last->m_next != nullptr) {
      last = last->m_next;
    }
    if (last == nullptr) {
      m_current->m_firstChild = child;
    } else {
      last->m_next = child;
      child->m_previous = last;
    }
  }
  m_lastParent = m_current;
  m_lastChild = child;
  return 1;
}

int32_t CFolderTreeMgr::CurrentState() const {
  return m_current ? m_current->m_state : 0;
}

std::string CFolderTreeMgr::RootPath() const {
  return m_root ? m_root->m_name : std::string();
}

void CFolderTreeMgr::SetRootState(int32_t state) {
  if (m_root != nullptr) {
    m_root->m_state = state;
  }
}

std::string CFolderTreeMgr::CurrentPath() const {
  size_t length = 0;
  for (const CFolderTree* node = m_current; node != nullptr; node = node->m_parent) {
    length += node->m_name.size();
  }
  std::string path(length, '\0');
  size_t end = length;
  for (const CFolderTree* node = m_current; node != nullptr; node = node->m_parent) {
    end -= node->m_name.size();
    path.replace(end, node->m_name.size(), node->m_name);
  }
  return path;
}

int CFolderTreeMgr::NextFolder(std::string& path) {
  // Children are only ever added to the current folder; forget where the last one went, since
  // that node may be freed below and its memory reused.
  m_lastParent = nullptr;
  m_lastChild = nullptr;
  CFolderTree* node = m_current;
  while (node != nullptr) {
    if (node->m_firstChild != nullptr) {
      m_current = node->m_firstChild;
      path = CurrentPath();
      return 1;
    }
    if (node->m_next != nullptr) {
      CFolderTree* sibling = node->m_next;
      if (node->m_parent != nullptr) {
        node->m_parent->m_firstChild = sibling;
      }
      sibling->m_previous = nullptr;
      m_current = sibling;
      delete node;
      path = CurrentPath();
      return 1;
    }
    // No child and no next sibling: this node is done; climb.
    CFolderTree* up = nullptr;
    if (node->m_previous != nullptr) {
      up = node->m_previous;
      up->m_next = nullptr;
    } else if (node->m_parent != nullptr) {
      up = node->m_parent;
      up->m_firstChild = nullptr;
    }
    if (node == m_root) {
      m_root = nullptr;
    }
    delete node;
    node = up;
    // A parent reached this way has no first child any more, so the loop climbs on until a
    // next sibling turns up.
    while (node != nullptr && node->m_firstChild == nullptr && node->m_next == nullptr) {
      CFolderTree* done = node;
      if (done->m_previous != nullptr) {
        node = done->m_previous;
        node->m_next = nullptr;
      } else {
        node = done->m_parent;
        if (node != nullptr) {
          node->m_firstChild = nullptr;
        }
      }
      if (done == m_root) {
        m_root = nullptr;
      }
      delete done;
    }
  }
  m_current = nullptr;
  m_root = nullptr;
  return 0;
}

bool CFileFindFixed::FindFile(std::string_view pattern) {
  return m_finder.FindFirst(pattern);
}

bool CFileFindFixed::FindNextFile() {
  return m_finder.FindNext();
}

void CFileFindFixed::Close() {
  m_finder.Close();
}

bool CFileSearch::FindInFolder(std::string_view folderPath) {
  std::string pattern(folderPath);
  if (pattern.empty() || pattern.back() != '\\') {
    pattern.push_back('\\');
  }
  pattern += "*.*";
  return m_finder.FindFile(pattern);
}
