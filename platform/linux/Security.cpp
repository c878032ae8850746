// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/Security.h"

#include <acl/libacl.h>
#include <errno.h>
#include <sys/acl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <memory>
#include <type_traits>

#include "platform/linux/Posix.h"

namespace platform {

namespace {

// The block: "BVS1", owner, group, mode, then the access list and the default list (for
// folders) in the library's external form, each preceded by its length.
constexpr char kMagic[4] = {'B', 'V', 'S', '1'};

void PutWord(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  }
}

bool GetWord(const std::vector<uint8_t>& in, size_t& pos, uint32_t& value) {
  if (pos > in.size() || in.size() - pos < 4) {
    return false;
  }
  value = 0;
  for (int i = 0; i < 4; ++i) {
    value |= static_cast<uint32_t>(in[pos + i]) << (8 * i);
  }
  pos += 4;
  return true;
}

bool PutAcl(std::vector<uint8_t>& out, const std::string& path, acl_type_t type) {
  acl_t acl = acl_get_file(path.c_str(), type);
  if (acl == nullptr) {
    if (errno == ENOTSUP || errno == ENOSYS || (errno == EACCES && type == ACL_TYPE_DEFAULT)) {
      PutWord(out, 0);
      return true;
    }
    return false;
  }
  const ssize_t size = acl_size(acl);
  if (size < 0) {
    acl_free(acl);
    return false;
  }
  const size_t start = out.size();
  PutWord(out, static_cast<uint32_t>(size));
  out.resize(start + 4 + static_cast<size_t>(size));
  const bool good = acl_copy_ext(out.data() + start + 4, acl, size) >= 0;
  acl_free(acl);
  return good;
}

// One access list of a block, read and checked before anything is changed.
class CBlockAcl {
 public:
  CBlockAcl() = default;
  ~CBlockAcl() {
    if (m_acl != nullptr) {
      acl_free(m_acl);
    }
  }
  CBlockAcl(const CBlockAcl&) = delete;
  CBlockAcl& operator=(const CBlockAcl&) = delete;

  // False when the block is damaged. A list of length 0 is none (the file system kept none).
  bool Parse(const std::vector<uint8_t>& in, size_t& pos) {
    uint32_t size = 0;
    if (!GetWord(in, pos, size) || in.size() - pos < size) {
      return false;
    }
    if (size == 0) {
      return true;
    }
    // The library trusts the length at the start of its external form; a block whose two
    // lengths disagree would make it read past the data.
    ssize_t embedded = 0;
    if (size < sizeof embedded) {
      return false;
    }
    std::memcpy(&embedded, in.data() + pos, sizeof embedded);
    if (embedded != static_cast<ssize_t>(size)) {
      return false;
    }
    std::vector<uint8_t> copy(in.begin() + static_cast<ptrdiff_t>(pos),
                              in.begin() + static_cast<ptrdiff_t>(pos + size));
    pos += size;
    m_acl = acl_copy_int(copy.data());
    // An empty default list is valid: it says the folder has none.
    return m_acl != nullptr && (acl_entries(m_acl) == 0 || acl_valid(m_acl) == 0);
  }

  EError Apply(const std::string& path, acl_type_t type) const {
    if (m_acl == nullptr || acl_set_file(path.c_str(), type, m_acl) == 0) {
      return EError::kNone;
    }
    // A file system without access lists still took the owner and mode.
    return (errno == ENOTSUP || errno == ENOSYS) ? EError::kNone : posix::FromErrno(errno);
  }

 private:
  acl_t m_acl = nullptr;
};

}  // namespace

std::optional<std::vector<uint8_t>> ReadFileSecurity(std::string_view path, EError* error) {
  EError failure = EError::kNone;
  const auto report = [&](EError e) -> std::optional<std::vector<uint8_t>> {
    if (error != nullptr) {
      *error = e;
    }
    return std::nullopt;
  };
  const auto posixPath = posix::Resolve(path, failure);
  struct stat info {};
  if (!posixPath || !posix::StatFollow(*posixPath, info, failure)) {
    return report(failure);
  }
  std::vector<uint8_t> block(kMagic, kMagic + 4);
  PutWord(block, info.st_uid);
  PutWord(block, info.st_gid);
  PutWord(block, info.st_mode & 07777);
  if (!PutAcl(block, *posixPath, ACL_TYPE_ACCESS)) {
    return report(posix::FromErrno(errno));
  }
  if (S_ISDIR(info.st_mode)) {
    if (!PutAcl(block, *posixPath, ACL_TYPE_DEFAULT)) {
      return report(posix::FromErrno(errno));
    }
  } else {
    PutWord(block, 0);
  }
  if (error != nullptr) {
    *error = EError::kNone;
  }
  return block;
}

EError WriteFileSecurity(std::string_view path, const std::vector<uint8_t>& security) {
  EError error = EError::kNone;
  const auto posixPath = posix::Resolve(path, error);
  struct stat info {};
  if (!posixPath || !posix::StatFollow(*posixPath, info, error)) {
    return error;
  }
  size_t pos = 4;
  uint32_t owner = 0;
  uint32_t group = 0;
  uint32_t mode = 0;
  CBlockAcl access;
  CBlockAcl folderDefault;
  // The whole block is checked first, so that a damaged one changes nothing.
  if (security.size() < 4 || std::memcmp(security.data(), kMagic, 4) != 0 ||
      !GetWord(security, pos, owner) || !GetWord(security, pos, group) ||
      !GetWord(security, pos, mode) || !access.Parse(security, pos) ||
      !folderDefault.Parse(security, pos) || pos != security.size()) {
    return EError::kInvalidName;
  }
  // The lists go first: the kernel may still refuse one (an unknown permission bit), and
  // then nothing has changed (the access list is put back when the default list is
  // refused). The mode agrees with the access list, so setting it after changes nothing in
  // the list; it also restores set-id bits that a change of owner clears.
  const std::unique_ptr<std::remove_pointer_t<acl_t>, int (*)(void*)> previous(
      S_ISDIR(info.st_mode) ? acl_get_file(posixPath->c_str(), ACL_TYPE_ACCESS) : nullptr,
      acl_free);
  error = access.Apply(*posixPath, ACL_TYPE_ACCESS);
  if (error != EError::kNone) {
    return error;
  }
  if (S_ISDIR(info.st_mode)) {
    error = folderDefault.Apply(*posixPath, ACL_TYPE_DEFAULT);
    if (error != EError::kNone) {
      if (previous) {
        acl_set_file(posixPath->c_str(), ACL_TYPE_ACCESS, previous.get());  // undo the first
      }
      return error;
    }
  }
  if ((info.st_uid != owner || info.st_gid != group) &&
      chown(posixPath->c_str(), owner, group) != 0) {
    return posix::FromErrno(errno);
  }
  if (chmod(posixPath->c_str(), mode & 07777) != 0) {
    return posix::FromErrno(errno);
  }
  return EError::kNone;
}

}  // namespace platform
