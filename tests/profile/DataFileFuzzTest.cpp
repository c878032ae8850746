// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/TextUtil.h"
#include "profile/DataFile.h"
#include "profile/SettingsPages.h"
#include "queues/ProfileData.h"
#include "queues/ProfileList.h"
#include "queues/QueueList.h"
#include "tests/profile/DataFileBytes.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/TestSandbox.h"

namespace {

using data_file_bytes::AppendRecord;
using data_file_bytes::BuildFile;
using data_file_bytes::CBytes;

SDataFileContents Sample(int profiles, size_t longText) {
  SDataFileContents c;
  c.folders = {"C:\\Photos\\", std::string(longText, 'f')};
  for (int i = 0; i < profiles; ++i) {
    CSettingsState s;
    s.sourcePath = "C:\\Source " + std::to_string(i) + "\\";
    s.destinationPath = std::string(longText, 'd');
    s.subfolderMode = settings_codes::kSubfoldersList;
    s.subfolderEntries = {"10Raw", "01Thumbs"};
    s.nameEntries = {"11*.jpg", "10Caf\xC3\xA9"};
    s.excludedPaths = {"10C:\\Source\\Cache\\"};
    s.fromDateTime = platform::CDateTime(45123.75, platform::CDateTime::EStatus::kValid);
    s.leastSize = i * 1000;
    c.profiles.push_back({"Profile " + std::to_string(i), s});
  }
  c.selectedProfile = profiles / 2;
  c.queues = {{"Nightly", {"Profile 0", "Profile 1"}}, {"Empty", {}}};
  c.selectedQueue = 0;
  return c;
}

// Valid files of every version, small and large, with each length-prefix form and the
// other text encodings, for the mutations to start from.
std::vector<std::vector<uint8_t>> Seeds() {
  std::vector<std::vector<uint8_t>> seeds;
  for (int32_t version = 1; version <= 6; ++version) {
    seeds.push_back(BuildFile(version, Sample(3, 20)).Data());
  }
  seeds.push_back(EncodeDataFile(Sample(2, 10)));
  seeds.push_back(EncodeDataFile(Sample(12, 300)));
  seeds.push_back(EncodeDataFile(SDataFileContents{}));
  CBytes other;
  other.Int(7).Int(2).Wide(u"C:\\Fotos \u00E9t\u00E9\\").Str("C:\\Caf\xE9\\").Int(1).Int(0);
  other.Wide(u"\u00C9t\u00E9");
  AppendRecord(other, 7, Sample(1, 5).profiles[0].settings);
  other.Int(1).Int(0).Str("Caf\xE9").Int(2).Wide(u"\u00C9t\u00E9").Str32("Photos");
  seeds.push_back(other.Data());
  // The long prefixes on short texts keep the seed small while covering their paths.
  CBytes prefixes;
  prefixes.Int(7).Int(2).Str16("C:\\Photos\\").Str32("D:\\").Int(1).Int(0).Str32("P");
  AppendRecord(prefixes, 7, Sample(1, 5).profiles[0].settings);
  prefixes.Int(1).Int(-1).Str16("Q").Int(1).Str16("P");
  seeds.push_back(prefixes.Data());
  return seeds;
}

void PutInt(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4 && at + i < bytes.size(); ++i) {
    bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
  }
}

void Mutate(std::vector<uint8_t>& bytes, std::mt19937& rng) {
  const auto below = [&](size_t n) { return n == 0 ? 0 : static_cast<size_t>(rng() % n); };
  const size_t at = below(bytes.size());
  static constexpr uint32_t kHuge[] = {0x7FFFFFFF, 0x80000000, 0xFFFFFFFF,
                                       0x0000FFFF, 0x00010000, 0x00FFFFFF};
  switch (rng() % 10) {
    case 0:
      if (!bytes.empty()) {
        bytes[at] ^= static_cast<uint8_t>(1u << (rng() % 8));
      }
      break;
    case 1:
      if (!bytes.empty()) {
        bytes[at] = static_cast<uint8_t>(rng());
      }
      break;
    case 2:
      if (!bytes.empty()) {
        bytes[at] = (rng() % 2) != 0 ? 0xFF : 0x00;
      }
      break;
    case 3:
      bytes.resize(at);
      break;
    case 4: {
      std::vector<uint8_t> extra(1 + below(8));
      for (uint8_t& byte : extra) {
        byte = static_cast<uint8_t>(rng());
      }
      bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at), extra.begin(), extra.end());
      break;
    }
    case 5:
      bytes.erase(
          bytes.begin() + static_cast<ptrdiff_t>(at),
          bytes.begin() + static_cast<ptrdiff_t>(std::min(bytes.size(), at + 1 + below(16))));
      break;
    case 6:  // a count or a length field made huge
      PutInt(bytes, at, kHuge[below(std::size(kHuge))]);
      break;
    case 7: {  // a 32-bit string length, huge
      const uint8_t prefix[] = {0xFF, 0xFF, 0xFF};
      bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at), std::begin(prefix),
                   std::end(prefix));
      bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at + 3), 4, 0);
      PutInt(bytes, at + 3, kHuge[below(std::size(kHuge))]);
      break;
    }
    case 8: {  // the UTF-16 marker
      const uint8_t marker[] = {0xFF, 0xFE, 0xFF};
      bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(at), std::begin(marker),
                   std::end(marker));
      break;
    }
    default: {  // a stretch repeated
      const size_t length = std::min(bytes.size() - at, 1 + below(64));
      const std::vector<uint8_t> copy(bytes.begin() + static_cast<ptrdiff_t>(at),
                                      bytes.begin() + static_cast<ptrdiff_t>(at + length));
      bytes.insert(bytes.begin() + static_cast<ptrdiff_t>(below(bytes.size() + 1)), copy.begin(),
                   copy.end());
      break;
    }
  }
}

// Every text the reader hands out is UTF-8 and within the limit of its field.
bool Sane(const SDataFileContents& c) {
  const auto fits = [](const std::string& text, size_t limit) {
    return platform::IsValidUtf8(text) && (limit == 0 || text.size() <= limit);
  };
  const auto allFit = [&](const std::vector<std::string>& list, size_t limit) {
    for (const std::string& text : list) {
      if (!fits(text, limit)) {
        return false;
      }
    }
    return true;
  };
  if (!allFit(c.folders, kMaxFolderEntry)) {
    return false;
  }
  for (const SProfileRecord& p : c.profiles) {
    const CSettingsState& s = p.settings;
    if (!fits(p.name, kMaxProfileName) || !fits(s.sourcePath, 0) || !fits(s.destinationPath, 0) ||
        !allFit(s.subfolderEntries, kMaxSubfolderEntry) || !allFit(s.nameEntries, kMaxNameEntry) ||
        !allFit(s.excludedPaths, kMaxPathEntry)) {
      return false;
    }
  }
  for (const SQueueRecord& q : c.queues) {
    if (!fits(q.name, kMaxQueueName) || !allFit(q.profiles, kMaxProfileName)) {
      return false;
    }
  }
  return true;
}

TEST(DataFileFuzz, MutatedFilesFailCleanlyOrReadConsistently) {
  const std::vector<std::vector<uint8_t>> seeds = Seeds();
  for (const std::vector<uint8_t>& seed : seeds) {
    SDataFileContents contents;
    ASSERT_EQ(DecodeDataFile(seed, contents), EDecodeResult::kRead);
  }
  std::mt19937 rng(20260321);
  int read = 0;
  int damaged = 0;
  constexpr int kCases = 25000;
  for (int round = 0; round < kCases; ++round) {
    std::vector<uint8_t> bytes = seeds[static_cast<size_t>(round) % seeds.size()];
    for (unsigned n = 1 + rng() % 3; n > 0; --n) {
      Mutate(bytes, rng);
    }
    SDataFileContents contents;
    const EDecodeResult result = DecodeDataFile(bytes, contents);
    if (result == EDecodeResult::kDamaged) {
      ++damaged;
      continue;
    }
    if (result != EDecodeResult::kRead) {
      continue;
    }
    ++read;
    ASSERT_TRUE(Sane(contents)) << "case " << round;
    // What was read writes out and reads back to the very same bytes.
    const std::vector<uint8_t> once = EncodeDataFile(contents);
    SDataFileContents again;
    ASSERT_EQ(DecodeDataFile(once, again), EDecodeResult::kRead) << "case " << round;
    ASSERT_EQ(EncodeDataFile(again), once) << "case " << round;
  }
  // Both outcomes must really have been exercised.
  EXPECT_GT(read, kCases / 20);
  EXPECT_GT(damaged, kCases / 4);
}

TEST(DataFileFuzz, MutatedFilesOnDiskLeaveTheListsAloneUnlessRead) {
  testing_support::CTestSandbox sandbox;
  testing_support::MakeFolders(sandbox.CRoot() + "/data");
  const std::vector<std::vector<uint8_t>> seeds = Seeds();
  std::mt19937 rng(77);
  for (int round = 0; round < 300; ++round) {
    std::vector<uint8_t> bytes = seeds[static_cast<size_t>(round) % seeds.size()];
    Mutate(bytes, rng);
    testing_support::WriteFile(sandbox.CRoot() + "/data/Brevant.dat",
                               std::string(bytes.begin(), bytes.end()));
    CScriptedPrompter prompter;
    CDataFile file("C:\\data\\Brevant.dat", prompter);
    CSettingsHolder pages;
    CProfileList profiles(pages, prompter);
    CQueueList queues;
    profiles.AddProfile("Keep", std::nullopt, true, false);
    std::vector<std::string> folders = {"kept"};

    const bool loaded = LoadProfileData(file, profiles, queues, folders, false);
    SDataFileContents decoded;
    const EDecodeResult result = DecodeDataFile(bytes, decoded);
    ASSERT_EQ(loaded, result != EDecodeResult::kDamaged) << "case " << round;
    if (result == EDecodeResult::kRead) {
      ASSERT_EQ(folders, decoded.folders) << "case " << round;
      ASSERT_GE(profiles.Count(), 1u);
      ASSERT_GE(profiles.CurrentIndex(), 0);
    } else {
      ASSERT_EQ(folders, std::vector<std::string>{"kept"}) << "case " << round;
      ASSERT_EQ(profiles.Count(), 1u);
      ASSERT_EQ(profiles.Name(0), "Keep");
      ASSERT_EQ(prompter.Prompts().size(), 1u);
    }
  }
}

// ---- Counts and lengths far beyond the file ----

TEST(DataFileHostile, HugeCountsFailAtOnce) {
  const auto file = [](auto&& build) {
    CBytes b;
    build(b);
    b.Raw(std::string(64, '\0'));  // some bytes to read, far fewer than claimed
    SDataFileContents contents;
    return DecodeDataFile(b.Data(), contents);
  };
  const CSettingsState plain;
  for (const uint32_t huge : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    SCOPED_TRACE(huge);
    const auto count = static_cast<int32_t>(huge);
    EXPECT_EQ(file([&](CBytes& b) { b.Int(7).Int(count); }), EDecodeResult::kDamaged);
    EXPECT_EQ(file([&](CBytes& b) { b.Int(7).List({}).Int(count).Int(0); }),
              EDecodeResult::kDamaged);
    EXPECT_EQ(file([&](CBytes& b) {
                b.Int(7).List({}).Int(1).Int(0).Str("P");
                b.Str("C:\\").Str("D:\\").Ints({0, 0}).Int(count);  // subfolder entries
              }),
              EDecodeResult::kDamaged);
    EXPECT_EQ(file([&](CBytes& b) {
                b.Int(7).List({}).Int(1).Int(0).Str("P");
                AppendRecord(b, 7, plain);
                b.Int(count).Int(0);
              }),
              EDecodeResult::kDamaged);
    EXPECT_EQ(
        file([&](CBytes& b) { b.Int(7).List({}).Int(0).Int(0).Int(1).Int(0).Str("Q").Int(count); }),
        EDecodeResult::kDamaged);
  }
}

TEST(DataFileHostile, StringLongerThanTheFileFails) {
  for (const uint32_t huge : {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0x10000u}) {
    SCOPED_TRACE(huge);
    CBytes narrow;
    narrow.Int(7).Int(1).Byte(0xFF).U16(0xFFFF).Int(static_cast<int32_t>(huge)).Raw("C:\\");
    SDataFileContents contents;
    EXPECT_EQ(DecodeDataFile(narrow.Data(), contents), EDecodeResult::kDamaged);
    // In UTF-16 the byte count is twice the length, which must not wrap around.
    CBytes wide;
    wide.Int(7).Int(1).Byte(0xFF).U16(0xFFFE).Byte(0xFF).U16(0xFFFF);
    wide.Int(static_cast<int32_t>(huge)).Raw(std::string_view("C\0:\0", 4));
    EXPECT_EQ(DecodeDataFile(wide.Data(), contents), EDecodeResult::kDamaged);
  }
}

}  // namespace
