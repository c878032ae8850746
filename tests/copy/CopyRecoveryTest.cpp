// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "copy/CopyMsgs.h"
#include "platform/FaultInjection.h"
#include "platform/FileOps.h"
#include "platform/Types.h"
#include "tests/support/CopyTestSupport.h"
#include "tests/support/TestSandbox.h"

// Platform calls that fail or fall short in the middle of a copy, injected where a real file
// system does so only rarely.
namespace {

using copy_test::kNewTime;
using copy_test::kOldTime;
using copy_test::Names;
using copy_test::OfKind;
using copy_test::Pattern;
using copy_test::Profile;
using platform::EError;
using platform::testing::CInjectedFault;
using testing_support::BuildTree;
using testing_support::Exists;
using testing_support::ReadFile;

constexpr const char* kRenameFailed =
    "Could not rename the temporary file to the destination filename: \"D:\\dst\\a.txt\"";

class CopyRecovery : public copy_test::CopyTreeTest {
 protected:
  CopyRecovery() {
    BuildTree(Src(), {{"a.txt", "new data", kNewTime}});
    BuildTree(Dst(), {{"a.txt", "old data", kOldTime}});
  }

  // Copies with the old copy disposed of as asked, while the new copy cannot take the
  // destination's name (nor, with `times` 2, can the old copy take it back); the failure
  // message.
  std::string CopyWhileRenamesFail(int32_t disposeMode, int times) {
    CSettingsState settings = Profile();
    settings.disposeMode = disposeMode;
    CInjectedFault fault(platform::testing::kMoveFile, "D:\\dst\\a.txt", EError::kAccessDenied,
                         times);
    EXPECT_TRUE(m_copy.Copy(settings));
    EXPECT_EQ(fault.Hits(), times);
    const auto failed = OfKind(m_copy.run.Messages(), kMsgNotCopied);
    EXPECT_EQ(failed.size(), 1u);
    return failed.empty() ? std::string() : failed[0].reason;
  }

  // The names of the temporary files left in the destination folder.
  std::vector<std::string> Temporaries() {
    std::vector<std::string> found;
    for (const std::string& name : Names(Dst())) {
      if (copy_test::HasTemporaryName({name})) {
        found.push_back(name);
      }
    }
    return found;
  }
};

TEST_F(CopyRecovery, AnOldCopyThatCanComeBackTakesItsNameAgain) {
  const std::string reason = CopyWhileRenamesFail(kDisposeVersions, 1);
  EXPECT_EQ(reason, kRenameFailed);
  EXPECT_EQ(ReadFile(Dst("a.txt")), "old data");
  EXPECT_TRUE(Temporaries().empty());
}

TEST_F(CopyRecovery, TheNewDataIsKeptWhenTheOldCopyHasGoneAsideForGood) {
  // Kept as a version, and the version cannot come back.
  std::string reason = CopyWhileRenamesFail(kDisposeVersions, 2);
  std::vector<std::string> kept = Temporaries();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(reason,
            std::string(kRenameFailed) + " The new copy is kept as \"D:\\dst\\" + kept[0] + "\".");
  EXPECT_EQ(ReadFile(Dst(kept[0])), "new data");
  EXPECT_EQ(ReadFile(Dst("~Versions/a - Ver (1).txt")), "old data");
  EXPECT_FALSE(Exists(Dst("a.txt")));

  // Recycled: nothing to bring back.
  BuildTree(Dst(), {{"a.txt", "old data", kOldTime}});
  ASSERT_EQ(platform::DeleteFile("D:\\dst\\" + kept[0]), EError::kNone);
  reason = CopyWhileRenamesFail(kDisposeRecycle, 1);
  kept = Temporaries();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(reason,
            std::string(kRenameFailed) + " The new copy is kept as \"D:\\dst\\" + kept[0] + "\".");
  EXPECT_EQ(ReadFile(Dst(kept[0])), "new data");
  EXPECT_EQ(ReadFile(m_sandbox.Home() + "/.local/share/Trash/files/a.txt"), "old data");
}

TEST_F(CopyRecovery, AKernelCopyThatCopiesNothingIsReadInstead) {
  // Some file systems report a kernel copy of nothing while the file still has data.
  const std::string data = Pattern(300000, 'k');
  BuildTree(Src(), {{"big.bin", data, kNewTime}});
  CInjectedFault fault(platform::testing::kKernelCopy, "C:\\src\\big.bin", EError::kNone);
  ASSERT_TRUE(m_copy.Copy(Profile()));
  EXPECT_EQ(fault.Hits(), 1);
  EXPECT_EQ(m_copy.run.Messages().Total(), 0);
  const std::string copied = ReadFile(Dst("big.bin"));
  EXPECT_EQ(copied.size(), data.size());
  EXPECT_TRUE(copied == data);
  EXPECT_EQ(ReadFile(Dst("a.txt")), "new data");
}

}  // namespace
