// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "platform/Security.h"

#include <acl/libacl.h>
#include <errno.h>
#include <sys/acl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TestSandbox.h"

namespace {

using namespace platform;
using testing_support::CTestSandbox;

struct stat StatusOf(const std::string& posixPath) {
  struct stat info {};
  stat(posixPath.c_str(), &info);
  return info;
}

// Sets an access list from its text form; the errno of the failure otherwise.
int SetAclText(const std::string& posixPath, acl_type_t type, const char* text) {
  acl_t acl = acl_from_text(text);
  if (acl == nullptr) {
    return errno;
  }
  const int result = acl_set_file(posixPath.c_str(), type, acl);
  const int error = errno;
  acl_free(acl);
  return result == 0 ? 0 : error;
}

std::string AclText(const std::string& posixPath, acl_type_t type) {
  acl_t acl = acl_get_file(posixPath.c_str(), type);
  if (acl == nullptr) {
    return "(none)";
  }
  char* text = acl_to_any_text(acl, nullptr, ',', TEXT_NUMERIC_IDS);
  std::string out = text != nullptr ? text : "";
  acl_free(text);
  acl_free(acl);
  return out;
}

TEST(Security, ModeOwnerAndAccessListTravelToAnotherFile) {
  CTestSandbox sandbox;
  const std::string a = sandbox.CRoot() + "/a.txt";
  const std::string b = sandbox.CRoot() + "/b.txt";
  testing_support::WriteFile(a, "a");
  testing_support::WriteFile(b, "b");
  ASSERT_EQ(chmod(a.c_str(), 0751), 0);
  ASSERT_EQ(chmod(b.c_str(), 0600), 0);

  auto block = ReadFileSecurity("C:\\a.txt");
  ASSERT_TRUE(block.has_value());
  ASSERT_EQ(WriteFileSecurity("C:\\b.txt", *block), EError::kNone);
  EXPECT_EQ(StatusOf(b).st_mode & 07777, 0751u);

  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(a.c_str(), 1234, 5678), 0);
  }
  const int aclError = SetAclText(a, ACL_TYPE_ACCESS, "u::rw-,u:4321:r--,g::r--,m::r--,o::---");
  if (aclError == ENOTSUP) {
    GTEST_SKIP() << "the file system keeps no access lists";
  }
  ASSERT_EQ(aclError, 0);
  block = ReadFileSecurity("C:\\a.txt");
  ASSERT_TRUE(block.has_value());
  ASSERT_EQ(WriteFileSecurity("C:\\b.txt", *block), EError::kNone);
  const struct stat info = StatusOf(b);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(info.st_uid, 1234u);
    EXPECT_EQ(info.st_gid, 5678u);
  }
  EXPECT_EQ(AclText(b, ACL_TYPE_ACCESS), "user::rw-,user:4321:r--,group::r--,mask::r--,other::---");
  EXPECT_EQ(testing_support::ReadFile(b), "b");  // only the security changed

  EError error = EError::kNone;
  EXPECT_FALSE(ReadFileSecurity("C:\\absent", &error).has_value());
  EXPECT_EQ(error, EError::kFileNotFound);
  EXPECT_EQ(WriteFileSecurity("C:\\absent", *block), EError::kFileNotFound);
}

TEST(Security, FoldersCarryTheirDefaultList) {
  CTestSandbox sandbox;
  const std::string a = sandbox.CRoot() + "/a";
  const std::string b = sandbox.CRoot() + "/b";
  const std::string plain = sandbox.CRoot() + "/plain";
  testing_support::MakeFolders(a);
  testing_support::MakeFolders(b);
  testing_support::MakeFolders(plain);
  const int aclError = SetAclText(a, ACL_TYPE_DEFAULT, "u::rwx,u:4321:rwx,g::r-x,m::rwx,o::---");
  if (aclError == ENOTSUP) {
    GTEST_SKIP() << "the file system keeps no access lists";
  }
  ASSERT_EQ(aclError, 0);
  ASSERT_EQ(chmod(a.c_str(), 0750), 0);

  const auto block = ReadFileSecurity("C:\\a");
  ASSERT_TRUE(block.has_value());
  ASSERT_EQ(WriteFileSecurity("C:\\b", *block), EError::kNone);
  EXPECT_EQ(StatusOf(b).st_mode & 07777, 0750u);
  EXPECT_EQ(AclText(b, ACL_TYPE_DEFAULT),
            "user::rwx,user:4321:rwx,group::r-x,mask::rwx,other::---");

  // A folder without a default list takes it away from the target.
  const auto none = ReadFileSecurity("C:\\plain");
  ASSERT_TRUE(none.has_value());
  ASSERT_EQ(WriteFileSecurity("C:\\b", *none), EError::kNone);
  EXPECT_EQ(AclText(b, ACL_TYPE_DEFAULT), "");
}

TEST(Security, DamagedBlocksChangeNothing) {
  CTestSandbox sandbox;
  const std::string a = sandbox.CRoot() + "/a";
  const std::string b = sandbox.CRoot() + "/b";
  testing_support::MakeFolders(a);
  ASSERT_EQ(chmod(a.c_str(), 0700), 0);
  SetAclText(a, ACL_TYPE_DEFAULT, "u::rwx,u:4321:rwx,g::r-x,m::rwx,o::---");
  const auto block = ReadFileSecurity("C:\\a");
  ASSERT_TRUE(block.has_value());

  // Every cut and every damaged byte: either the block is refused and the target keeps
  // what it had, or what was written is a whole, valid description.
  const auto makeTarget = [&] {
    std::error_code ignored;
    std::filesystem::remove_all(b, ignored);
    testing_support::MakeFolders(b);
    EXPECT_EQ(chmod(b.c_str(), 0755), 0);
  };
  makeTarget();
  const auto tryBlock = [&](const std::vector<uint8_t>& damaged, const std::string& what) {
    const EError error = WriteFileSecurity("C:\\b", damaged);
    if (error == EError::kNone) {
      makeTarget();  // taken as a whole; start again from a plain folder
    } else {
      EXPECT_EQ(StatusOf(b).st_mode & 07777, 0755u) << what;
      EXPECT_EQ(AclText(b, ACL_TYPE_ACCESS), "user::rwx,group::r-x,other::r-x") << what;
      EXPECT_EQ(AclText(b, ACL_TYPE_DEFAULT), "") << what;
    }
    return error;
  };
  for (size_t length = 0; length < block->size(); ++length) {
    const std::vector<uint8_t> cut(block->begin(), block->begin() + length);
    EXPECT_NE(tryBlock(cut, "cut at " + std::to_string(length)), EError::kNone) << length;
  }
  for (size_t at = 0; at < block->size(); ++at) {
    std::vector<uint8_t> damaged = *block;
    damaged[at] ^= 0xFF;
    tryBlock(damaged, "byte " + std::to_string(at));
  }
  std::vector<uint8_t> longer = *block;
  longer.push_back(0);
  EXPECT_NE(WriteFileSecurity("C:\\b", longer), EError::kNone);
}

}  // namespace
