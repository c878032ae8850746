// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "run/FolderValidation.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/Options.h"
#include "core/Reporter.h"
#include "run/RunPreparation.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using testing_support::MakeFolders;

class CRecordingReporter : public CReporter {
 public:
  void Report(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

// Puts the process's current folder back when it goes.
class CCurrentFolder {
 public:
  explicit CCurrentFolder(const std::string& posixPath) : m_saved(std::filesystem::current_path()) {
    std::filesystem::current_path(posixPath);
  }
  ~CCurrentFolder() {
    std::error_code ignored;
    std::filesystem::current_path(m_saved, ignored);
  }

 private:
  std::filesystem::path m_saved;
};

class FolderValidation : public ::testing::Test {
 protected:
  FolderValidation() : m_sandbox("C={root}/c;D={root}/d;E={root}/e,cdrom;F={root}/gone") {
    MakeFolders(m_sandbox.CRoot() + "/src");
    MakeFolders(m_sandbox.Root() + "/e");
  }

  bool Validate(std::string& source, std::string& destination, bool queueRun = false,
                CDriveStatusWindow* window = nullptr) {
    SValidationContext context{m_prompter, m_reporter, queueRun, window};
    return ValidateFolders(source, destination, true, context);
  }
  // The one failure text that validating the two folders gives.
  std::string Refusal(std::string source, std::string destination, bool queueRun = false) {
    m_reporter.texts.clear();
    EXPECT_FALSE(Validate(source, destination, queueRun));
    EXPECT_EQ(m_reporter.texts.size(), 1u);
    return m_reporter.texts.empty() ? std::string() : m_reporter.texts.back();
  }

  testing_support::CTestSandbox m_sandbox;
  CScriptedPrompter m_prompter;
  CRecordingReporter m_reporter;
};

TEST_F(FolderValidation, AcceptedPathsEndInABackslash) {
  std::string source = "  C:\\src ";
  std::string destination = "D:\\backup";
  ASSERT_TRUE(Validate(source, destination));
  EXPECT_EQ(source, "C:\\src\\");
  // A destination that does not exist yet is made by the copy.
  EXPECT_EQ(destination, "D:\\backup\\");
  EXPECT_TRUE(m_reporter.texts.empty());
  EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(FolderValidation, ADriveLetterAloneMeansItsRoot) {
  std::string source = "C:";
  std::string destination = "d:";
  ASSERT_TRUE(Validate(source, destination));
  EXPECT_EQ(source, "C:\\");
  EXPECT_EQ(destination, "d:\\");
  EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(FolderValidation, EmptyPathsAreAskedFor) {
  EXPECT_EQ(Refusal("", "D:\\backup"), "Please enter a source-folder path.");
  EXPECT_EQ(Refusal("C:\\src", "   "), "Please enter a destination-folder path.");
}

TEST_F(FolderValidation, ARelativeDestinationIsOfferedAsItsFullPath) {
  MakeFolders(m_sandbox.CRoot() + "/work");
  const CCurrentFolder current(m_sandbox.CRoot() + "/work");
  const std::string question =
      "The relative path \"x\" resolves to \"C:\\work\\x\".  Is this what you intend?";

  std::string source = "C:\\src";
  std::string destination = "x";
  EXPECT_FALSE(Validate(source, destination));
  ASSERT_EQ(m_prompter.Prompts().size(), 1u);
  EXPECT_EQ(m_prompter.Prompts()[0].text, question);
  EXPECT_EQ(m_prompter.Prompts()[0].defaultAnswer, EAnswer::kNo);
  EXPECT_TRUE(m_reporter.texts.empty());

  m_prompter.Clear();
  m_prompter.AddAnswer(EAnswer::kYes);
  source = "C:\\src";
  destination = "x";
  ASSERT_TRUE(Validate(source, destination));
  EXPECT_EQ(destination, "C:\\work\\x\\");
  EXPECT_EQ(m_prompter.Texts(), std::vector<std::string>{question});
}

TEST_F(FolderValidation, AQueueRunAsksForAFullPathInstead) {
  MakeFolders(m_sandbox.CRoot() + "/work");
  const CCurrentFolder current(m_sandbox.CRoot() + "/work");
  EXPECT_EQ(Refusal("C:\\src", "x", true), "Please enter a full destination-folder path.");
  EXPECT_EQ(Refusal("src", "D:\\x", true), "Please enter a full source-folder path.");
  EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(FolderValidation, ARelativePathOffEveryDriveIsRefused) {
  // The sandbox folder itself lies on no drive of the map.
  const CCurrentFolder current(m_sandbox.Root());
  EXPECT_EQ(Refusal("C:\\src", "c"), "Please enter a full destination-folder path.");
  EXPECT_EQ(Refusal("d", "D:\\x"), "Please enter a full source-folder path.");
  // A drive-letter path too long to resolve is no relative path: it is simply no folder.
  const std::string tooLong = "C:\\" + std::string(300, 'n');
  EXPECT_EQ(Refusal(tooLong, "D:\\x"), "\"" + tooLong.substr(0, 259) +
                                           "\" is not a valid folder path.  Please enter a "
                                           "valid path and try again.");
  EXPECT_TRUE(m_prompter.Texts().empty());
}

TEST_F(FolderValidation, TheSourceMustBeAnExistingFolder) {
  EXPECT_EQ(Refusal("C:\\nothing", "D:\\backup"),
            "\"C:\\nothing\" is not a valid folder path.  Please enter a valid path and try "
            "again.");
  testing_support::WriteFile(m_sandbox.CRoot() + "/file.txt", "f");
  EXPECT_EQ(Refusal("C:\\file.txt", "D:\\backup"),
            "\"C:\\file.txt\" is not a valid folder path.  Please enter a valid path and try "
            "again.");
  // Nor can the destination be a file.
  EXPECT_EQ(Refusal("C:\\src", "C:\\file.txt"),
            "\"C:\\file.txt\" is not a valid folder path.  Please enter a valid path and try "
            "again.");
  // A path too long to show whole is cut between two characters, never inside one.
  const std::string longName = std::string(255, 'a') + "\xC3\xA9";  // ends in "é"
  EXPECT_EQ(Refusal("C:\\" + longName + "\\x", "D:\\backup"),
            "\"C:\\" + std::string(255, 'a') +
                "\" is not a valid folder path.  Please enter a valid path and try again.");
}

TEST_F(FolderValidation, FoldersThatDifferOnlyInCaseAreTheSame) {
  EXPECT_EQ(Refusal("C:\\src", "C:\\SRC"), "The source and destination folder paths must differ.");
  EXPECT_EQ(Refusal("C:\\src", "c:\\src\\"),
            "The source and destination folder paths must differ.");
}

TEST_F(FolderValidation, DrivesThatAreNotReadyAreNamed) {
  EXPECT_EQ(Refusal("Q:\\src", "D:\\backup"), "Source drive is not ready.");
  EXPECT_EQ(Refusal("C:\\src", "Q:\\backup"), "Destination drive is not ready.");
  EXPECT_EQ(Refusal("Q:\\src", "R:\\backup"), "Source and destination drives are not ready.");
  // A mapped drive whose root is missing has no disk in it.
  EXPECT_EQ(DriveState("F:\\x"), kDriveNoDisk);
  EXPECT_EQ(DriveState("Q:\\x"), kDriveNotConnected);
  EXPECT_EQ(DriveState("c:\\x"), kDriveReady);
  EXPECT_EQ(Refusal("C:\\src", "F:\\backup"), "Destination drive is not ready.");
}

// Stands for the window in which the user picks another drive.
class CSwitchingDriveWindow : public CDriveStatusWindow {
 public:
  void Show(int sourceState, int destinationState, std::string& sourcePath,
            std::string& destinationPath) override {
    states.push_back(sourceState);
    states.push_back(destinationState);
    sourcePath[0] = 'C';
  }
  std::vector<int> states;
};

TEST_F(FolderValidation, TheDriveWindowMayBringTheDriveBack) {
  CSwitchingDriveWindow window;
  std::string source = "Q:\\src";
  std::string destination = "D:\\backup";
  ASSERT_TRUE(Validate(source, destination, false, &window));
  EXPECT_EQ(window.states, (std::vector<int>{kDriveNotConnected, kDriveReady}));
  EXPECT_EQ(source, "C:\\src\\");
  EXPECT_TRUE(m_reporter.texts.empty());
  // During a queue run nobody is there to pick a drive.
  source = "Q:\\src";
  EXPECT_FALSE(Validate(source, destination, true, &window));
  EXPECT_EQ(window.states.size(), 2u);
  EXPECT_EQ(m_reporter.texts, std::vector<std::string>{"Source drive is not ready."});
}

TEST_F(FolderValidation, AWritableDiscDriveTakesTheCopy) {
  std::string source = "C:\\src";
  std::string destination = "E:\\backup";
  ASSERT_TRUE(Validate(source, destination));
  EXPECT_EQ(destination, "E:\\backup\\");
  // The write test leaves nothing behind.
  EXPECT_TRUE(std::filesystem::is_empty(m_sandbox.Root() + "/e"));
}

// Whether a new file can be made in a POSIX folder (the probe is removed again).
bool TakesNewFiles(const std::string& folder) {
  const std::string probe = folder + "/brevant-probe";
  const int fd = open(probe.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0600);
  if (fd < 0) {
    return false;
  }
  close(fd);
  unlink(probe.c_str());
  return true;
}

TEST_F(FolderValidation, ADiscDriveThatTakesNoFilesIsRefused) {
  const std::string root = m_sandbox.Root() + "/e";
  ASSERT_EQ(chmod(root.c_str(), 0555), 0);
  if (TakesNewFiles(root)) {
    // Running as root, permissions do not stop the write; /proc refuses new files to all.
    if (!std::filesystem::is_directory("/proc") || TakesNewFiles("/proc")) {
      GTEST_SKIP() << "no folder here refuses new files to this user, so the disc drive's "
                      "write test cannot be made to fail";
    }
    m_sandbox.SetDrives("C={root}/c;D={root}/d;E=/proc,cdrom");
  }
  EXPECT_EQ(Refusal("C:\\src", "E:\\backup"),
            "Drive E is a CD or DVD drive.  Brevant cannot copy to these drives.");
  EXPECT_EQ(Refusal("C:\\src", "e:\\"),
            "Drive E is a CD or DVD drive.  Brevant cannot copy to these drives.");
  // A disc is a fine source.
  MakeFolders(m_sandbox.CRoot() + "/dst");
  std::string source = "E:\\";
  std::string destination = "C:\\dst";
  EXPECT_TRUE(Validate(source, destination));
}

class RunPreparation : public ::testing::Test {
 protected:
  testing_support::CTestSandbox m_sandbox;
  CRecordingReporter m_reporter;
};

TEST_F(RunPreparation, IncludesMustHaveACheckedFolderAndPattern) {
  CSettingsState settings;
  settings.sourcePath = "C:\\src";
  EXPECT_TRUE(CheckIncludes(settings, m_reporter));
  EXPECT_TRUE(m_reporter.texts.empty());

  settings.subfolderEntries = {"0+C:\\src", "1-C:\\src\\tmp"};
  EXPECT_FALSE(CheckIncludes(settings, m_reporter));
  EXPECT_EQ(m_reporter.texts,
            std::vector<std::string>{"There must be at least one checked include-folder in the "
                                     "Subfolders page."});

  m_reporter.texts.clear();
  settings.subfolderEntries = {"0+C:\\src", "1*C:\\src\\docs"};
  settings.nameEntries = {"0+*.*", "1-*.tmp"};
  EXPECT_FALSE(CheckIncludes(settings, m_reporter));
  EXPECT_EQ(m_reporter.texts,
            std::vector<std::string>{"There must be at least one checked include-pattern in the "
                                     "File/Folder Names page."});

  m_reporter.texts.clear();
  settings.nameEntries = {"0+*.*", "1+*.jpg"};
  EXPECT_TRUE(CheckIncludes(settings, m_reporter));
  EXPECT_TRUE(m_reporter.texts.empty());
}

TEST_F(RunPreparation, PreparedFoldersAreCompleteAndThePagesKeepThemWithout) {
  MakeFolders(m_sandbox.CRoot() + "/src");
  CScriptedPrompter prompter;
  SValidationContext context{prompter, m_reporter};
  CSettingsState settings;
  settings.sourcePath = "C:\\src\\";
  settings.destinationPath = "D:";
  SPreparedFolders prepared;
  ASSERT_TRUE(PrepareFolders(settings, context, prepared));
  EXPECT_EQ(prepared.source, "C:\\src\\");
  EXPECT_EQ(prepared.destination, "D:\\");
  EXPECT_EQ(settings.sourcePath, "C:\\src");
  EXPECT_EQ(settings.destinationPath, "D:\\");
  EXPECT_GT(prepared.drives.destCluster, 0u);

  settings.destinationPath = "C:\\SRC";
  EXPECT_FALSE(PrepareFolders(settings, context, prepared));
  EXPECT_EQ(m_reporter.texts.back(), "The source and destination folder paths must differ.");
}

TEST_F(RunPreparation, TheSourceFolderEntryFollowsTheCorrectedPath) {
  MakeFolders(m_sandbox.CRoot() + "/src/docs");
  const CCurrentFolder current(m_sandbox.CRoot());
  CScriptedPrompter prompter;
  prompter.SetAnswerYes(true);
  SValidationContext context{prompter, m_reporter};
  struct SCase {
    const char* typed;
    std::vector<std::string> entries;
    int rootState;
  };
  for (const SCase& c : {SCase{"C:\\src\\", {}, kFolderTake}, SCase{"  C:\\src ", {}, kFolderTake},
                         SCase{"src", {}, kFolderTake},
                         SCase{"C:\\src\\", {"0+C:\\src\\", "1+C:\\src\\docs"}, kFolderPassOnly}}) {
    SCOPED_TRACE(c.typed);
    CSettingsState typed;
    typed.sourcePath = c.typed;
    typed.destinationPath = "D:\\dst";
    typed.subfolderEntries = c.entries;
    // As the pages hold a loaded profile: its entries name the source as it was typed.
    CSettingsState settings = AsLoadedIntoPages(typed);
    SPreparedFolders prepared;
    ASSERT_TRUE(PrepareFolders(settings, context, prepared));
    EXPECT_EQ(settings.sourcePath, "C:\\src");
    const SPreviewSetup setup =
        MakePreviewSetup(settings, SProgramOptions(), prepared, nullptr, true, nullptr);
    EXPECT_EQ(setup.filter->RootState(), c.rootState);
    EXPECT_EQ(setup.filter->DecideFolder("C:\\src\\docs\\", "docs"), kFolderTake);
  }
}

}  // namespace
