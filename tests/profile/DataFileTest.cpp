// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/DataFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "platform/TextUtil.h"
#include "profile/DataCodec.h"
#include "tests/profile/DataFileBytes.h"

namespace {

using data_file_bytes::BuildFile;
using data_file_bytes::CBytes;
using platform::CDateTime;
using EStatus = platform::CDateTime::EStatus;

std::vector<uint8_t> Bytes(std::string_view text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

// Reads one string from the bytes; fails the test unless exactly all of them were used.
std::string ReadOne(const std::vector<uint8_t>& bytes, size_t limit = 0) {
  CDataReader in(bytes);
  std::string text;
  EXPECT_TRUE(in.ReadString(text, limit));
  EXPECT_EQ(in.Remaining(), 0u);
  return text;
}

// ---- Strings ----

struct SPrefixCase {
  size_t length;
  std::vector<uint8_t> prefix;
};

TEST(DataFileStrings, LengthPrefixTakesTheDocumentedFormAtEachBoundary) {
  const SPrefixCase cases[] = {
      {0, {0x00}},
      {254, {0xFE}},
      {255, {0xFF, 0xFF, 0x00}},
      {256, {0xFF, 0x00, 0x01}},
      {65533, {0xFF, 0xFD, 0xFF}},
      {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
      {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
      {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
  };
  for (const SPrefixCase& c : cases) {
    SCOPED_TRACE(c.length);
    // Not one repeated letter, so that a shifted or truncated copy shows.
    std::string text(c.length, ' ');
    for (size_t i = 0; i < c.length; ++i) {
      text[i] = static_cast<char>('a' + i % 26);
    }
    CDataWriter out;
    out.WriteString(text);
    const std::vector<uint8_t>& bytes = out.Bytes();
    ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
    const auto textStart = bytes.begin() + static_cast<ptrdiff_t>(c.prefix.size());
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), textStart), c.prefix);
    EXPECT_TRUE(std::equal(textStart, bytes.end(), text.begin()));
    EXPECT_EQ(ReadOne(bytes), text);
  }
}

TEST(DataFileStrings, LongerPrefixesAreReadForShortStringsToo) {
  EXPECT_EQ(ReadOne(CBytes().Str16("short").Data()), "short");
  EXPECT_EQ(ReadOne(CBytes().Str32("short").Data()), "short");
  EXPECT_EQ(ReadOne(CBytes().Str16("").Data()), "");
}

TEST(DataFileStrings, Utf16FormIsConvertedToUtf8) {
  // "hé€" and an emoji written as a surrogate pair.
  EXPECT_EQ(ReadOne(CBytes().Wide(u"h\u00E9\u20AC\U0001F600").Data()),
            "h\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");
  EXPECT_EQ(ReadOne(CBytes().Wide(u"").Data()), "");
  // The count after the marker may take the long prefixes as well.
  CBytes longForm;
  longForm.Byte(0xFF).U16(0xFFFE).Byte(0xFF).U16(300);
  for (int i = 0; i < 300; ++i) {
    longForm.U16(u'\u00E9');
  }
  std::string expected;
  for (int i = 0; i < 300; ++i) {
    expected += "\xC3\xA9";
  }
  EXPECT_EQ(ReadOne(longForm.Data()), expected);
}

TEST(DataFileStrings, UnpairedSurrogateStillGivesValidUtf8) {
  const std::string text = ReadOne(CBytes()
                                       .Wide(u"a\xD800"
                                             u"b")
                                       .Data());
  EXPECT_TRUE(platform::IsValidUtf8(text));
  EXPECT_EQ(text.front(), 'a');
  EXPECT_EQ(text.back(), 'b');
}

TEST(DataFileStrings, BytesThatAreNotUtf8AreReadAsWindows1252) {
  // "Café €" and a curly quote in the single-byte code page.
  EXPECT_EQ(ReadOne(CBytes().Str("Caf\xE9 \x80\x93").Data()),
            "Caf\xC3\xA9 \xE2\x82\xAC\xE2\x80\x9C");
  // Valid UTF-8 is taken as it is, not converted a second time.
  EXPECT_EQ(ReadOne(CBytes().Str("Caf\xC3\xA9").Data()), "Caf\xC3\xA9");
}

TEST(DataFileStrings, LimitCutsWithoutSplittingACharacter) {
  const std::string ascii(60, 'n');
  EXPECT_EQ(ReadOne(CBytes().Str(ascii).Data(), 50), std::string(50, 'n'));
  // 49 letters and a two-byte letter: the letter does not fit in 50 and goes whole.
  EXPECT_EQ(ReadOne(CBytes().Str(std::string(49, 'n') + "\xC3\xA9").Data(), 50),
            std::string(49, 'n'));
  // 21 letters and a three-byte euro sign against a limit of 22.
  EXPECT_EQ(ReadOne(CBytes().Str(std::string(21, 'q') + "\xE2\x82\xAC").Data(), 22),
            std::string(21, 'q'));
  // The cut applies to the converted text: 30 single-byte "é" become 60 bytes, cut to 50.
  std::string expected;
  for (int i = 0; i < 25; ++i) {
    expected += "\xC3\xA9";
  }
  EXPECT_EQ(ReadOne(CBytes().Str(std::string(30, '\xE9')).Data(), 50), expected);
  EXPECT_EQ(ReadOne(CBytes().Str(std::string(50, 'n')).Data(), 50), std::string(50, 'n'));
}

TEST(DataFileStrings, PrefixOrTextPastTheEndFails) {
  const std::vector<std::vector<uint8_t>> damaged = {
      {},
      {0x05, 'a', 'b'},
      {0xFF, 0x10},
      {0xFF, 0xFF, 0xFF, 0x10, 0x00},
      {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a'},  // 2^31 - 1 bytes claimed
      {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'},  // 2^32 - 1 bytes claimed
      {0xFF, 0xFE, 0xFF, 0x02, 'a', 0x00, 'b'},         // odd byte count for UTF-16
      {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 'a', 0x00},
      {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01, 'a', 0x00},  // two markers
  };
  for (const std::vector<uint8_t>& bytes : damaged) {
    SCOPED_TRACE(::testing::PrintToString(bytes));
    CDataReader in(bytes);
    std::string text;
    EXPECT_FALSE(in.ReadString(text));
  }
}

TEST(DataFileStrings, ListCountIsCheckedAgainstTheBytesLeft) {
  // Each entry takes at least its one-byte prefix, so five empty strings fit in five bytes.
  const std::vector<uint8_t> fits = CBytes().Int(5).Raw(std::string(5, '\0')).Data();
  CDataReader exact(fits);
  std::vector<std::string> list;
  ASSERT_TRUE(exact.ReadStringList(list));
  EXPECT_EQ(list, std::vector<std::string>(5));

  for (const int32_t count : {6, -1, 0x7FFFFFFF, static_cast<int32_t>(0x80000000)}) {
    SCOPED_TRACE(count);
    const std::vector<uint8_t> bytes = CBytes().Int(count).Raw(std::string(5, '\0')).Data();
    CDataReader in(bytes);
    EXPECT_FALSE(in.ReadStringList(list));
  }
}

TEST(DataFileStrings, DateTimeKeepsStatusAndDays) {
  CDataWriter out;
  out.WriteDateTime(CDateTime(45123.75, EStatus::kValid));
  out.WriteDateTime(CDateTime(-1.25, EStatus::kNull));
  EXPECT_EQ(out.Bytes(), CBytes().Int(0).Double(45123.75).Int(2).Double(-1.25).Data());
  CDataReader in(out.Bytes());
  CDateTime a;
  CDateTime b;
  ASSERT_TRUE(in.ReadDateTime(a));
  ASSERT_TRUE(in.ReadDateTime(b));
  EXPECT_EQ(a, CDateTime(45123.75, EStatus::kValid));
  EXPECT_EQ(b, CDateTime(-1.25, EStatus::kNull));
  // A status the file format does not know counts as invalid.
  const std::vector<uint8_t> unknown = CBytes().Int(7).Double(3.5).Data();
  CDataReader odd(unknown);
  ASSERT_TRUE(odd.ReadDateTime(a));
  EXPECT_EQ(a, CDateTime(3.5, EStatus::kInvalid));
}

// ---- Whole files by version ----

// Every integer differs from its default and from its neighbours, so a field read from
// another's place shows. The values need not make sense as settings.
CSettingsState Stored() {
  CSettingsState s;
  s.sourcePath = "C:\\Photos\\";
  s.destinationPath = "E:\\Backup\\Photos\\";
  s.copyMode = kCopyTreeOnly;
  s.subfolderMode = settings_codes::kSubfoldersList;
  s.subfolderEntries = {"10Raw", "01Thumbs"};
  s.nameMode = settings_codes::kNamesMatch;
  s.allowTypos = 101;
  s.nameEntries = {"11*.jpg", "01*.tmp", "10Caf\xC3\xA9"};
  s.excludedPaths = {"10C:\\Photos\\Cache\\"};
  s.dateMode = settings_codes::kDateRange;
  s.recentCount = 102;
  s.recentUnit = 103;
  s.useFromDate = 104;
  s.useThroughDate = 105;
  s.fromDateTime = CDateTime(45123.75, EStatus::kValid);
  s.throughDateTime = CDateTime(45200.5, EStatus::kNull);
  s.sizeMode = settings_codes::kSizeLimits;
  s.useLeastSize = 106;
  s.leastSize = 107;
  s.leastUnit = 108;
  s.useMostSize = 109;
  s.mostSize = 110;
  s.mostUnit = 111;
  s.archiveOnly = 112;
  s.clearArchive = 113;
  s.includeReadOnly = 114;
  s.copyReadOnlyAttribute = 115;
  s.includeHidden = 116;
  s.copyHiddenAttribute = 117;
  s.includeSystem = 118;
  s.copySystemAttribute = 119;
  s.keepReadOnlyDestination = 120;
  s.keepHiddenDestination = 121;
  s.keepSystemDestination = 122;
  s.verifyCopies = 123;
  s.avoidStopping = 124;
  s.overwriteMode = 125;
  s.disposeMode = 126;
  s.versionLimit = 127;
  s.versionSizeLimit = 128;
  s.testSize = 129;
  s.testArchive = 130;
  s.includeNewFiles = 131;
  s.deleteStrayFiles = 132;
  s.copySecurity = 133;
  return s;
}

SDataFileContents StoredFile() {
  SDataFileContents c;
  c.folders = {"C:\\Photos\\", "D:\\Music\\"};
  CSettingsState plain;
  plain.sourcePath = "C:\\Mail\\";
  c.profiles = {{"Mail", plain}, {"Photos", Stored()}};
  c.selectedProfile = 1;
  c.queues = {{"Nightly", {"Photos", "Mail", "Photos"}}, {"Weekly", {}}};
  c.selectedQueue = 1;
  return c;
}

// The Photos record as a file of `version` gives it back: what that version does not store
// keeps the value of a new profile, unless an older layout says otherwise.
CSettingsState ExpectedPhotos(int32_t version) {
  CSettingsState e = Stored();
  const CSettingsState fresh;
  if (version < 7) {
    e.useFromDate = 0;
    e.useThroughDate = 0;
  }
  if (version < 6) {
    e.versionSizeLimit = fresh.versionSizeLimit;
    e.testSize = fresh.testSize;
    e.testArchive = fresh.testArchive;
  }
  if (version < 5) {
    e.allowTypos = 0;
  }
  if (version < 4) {
    e.copyHiddenAttribute = 1;
    e.copySystemAttribute = 1;
    e.disposeMode = fresh.disposeMode;
    e.versionLimit = fresh.versionLimit;
    e.copySecurity = 0;
  }
  if (version < 3) {
    e.excludedPaths.clear();
  }
  if (version < 2) {
    e.deleteStrayFiles = 0;
  }
  return e;
}

SDataFileContents Decoded(int32_t version) {
  SDataFileContents read;
  int32_t seen = 0;
  EXPECT_EQ(DecodeDataFile(BuildFile(version, StoredFile()).Data(), read, &seen),
            EDecodeResult::kRead);
  EXPECT_EQ(seen, version);
  return read;
}

TEST(DataFileVersions, EveryVersionReadsIntoTheExpectedRecords) {
  for (int32_t version = 1; version <= 7; ++version) {
    SCOPED_TRACE(version);
    SDataFileContents expected = StoredFile();
    expected.profiles[1].settings = ExpectedPhotos(version);
    if (version < 3) {
      expected.profiles[0].settings.excludedPaths.clear();
    }
    if (version < 6) {
      expected.queues.clear();
      expected.selectedQueue = -1;
    }
    const SDataFileContents read = Decoded(version);
    EXPECT_EQ(read.folders, expected.folders);
    EXPECT_EQ(read.selectedProfile, expected.selectedProfile);
    ASSERT_EQ(read.profiles.size(), 2u);
    EXPECT_EQ(read.profiles[0], expected.profiles[0]);
    EXPECT_EQ(read.profiles[1].name, "Photos");
    EXPECT_EQ(read.profiles[1].settings, expected.profiles[1].settings);
    EXPECT_EQ(read.queues, expected.queues);
    EXPECT_EQ(read.selectedQueue, expected.selectedQueue);
  }
}

TEST(DataFileVersions, OldVersionsShowTheValuesTheyNeverStored) {
  const CSettingsState v1 = Decoded(1).profiles.at(1).settings;
  EXPECT_EQ(v1.deleteStrayFiles, 0);
  EXPECT_TRUE(v1.excludedPaths.empty());
  EXPECT_EQ(Decoded(2).profiles.at(1).settings.deleteStrayFiles, 132);

  const CSettingsState v3 = Decoded(3).profiles.at(1).settings;
  EXPECT_EQ(v3.disposeMode, 0);
  EXPECT_EQ(v3.versionLimit, 3);
  EXPECT_EQ(v3.copyHiddenAttribute, 1);
  EXPECT_EQ(v3.copySystemAttribute, 1);
  EXPECT_EQ(v3.copySecurity, 0);
  EXPECT_EQ(v3.allowTypos, 0);
  EXPECT_EQ(v3.overwriteMode, 125);
  EXPECT_EQ(v3.includeNewFiles, 131);

  const CSettingsState v5 = Decoded(5).profiles.at(1).settings;
  EXPECT_EQ(v5.useFromDate, 0);
  EXPECT_EQ(v5.useThroughDate, 0);
  EXPECT_EQ(v5.versionSizeLimit, 0);
  EXPECT_EQ(v5.allowTypos, 101);
  EXPECT_EQ(v5.disposeMode, 126);
  EXPECT_EQ(v5.copySecurity, 133);
}

TEST(DataFileVersions, HigherVersionIsReportedWithoutReading) {
  SDataFileContents read;
  int32_t seen = 0;
  EXPECT_EQ(DecodeDataFile(CBytes().Int(8).Raw("anything at all").Data(), read, &seen),
            EDecodeResult::kHigherVersion);
  EXPECT_EQ(seen, 8);
  EXPECT_EQ(DecodeDataFile(CBytes().Int(0x7FFFFFFF).Data(), read), EDecodeResult::kHigherVersion);
}

TEST(DataFileVersions, VersionBelowOneOrTruncatedFileIsDamaged) {
  SDataFileContents read;
  for (const int32_t version : {0, -1, static_cast<int32_t>(0x80000000)}) {
    SCOPED_TRACE(version);
    EXPECT_EQ(DecodeDataFile(BuildFile(version, StoredFile()).Data(), read),
              EDecodeResult::kDamaged);
  }
  EXPECT_EQ(DecodeDataFile(Bytes("\x07\x00\x00"), read), EDecodeResult::kDamaged);
  // Every proper prefix of a good file is damaged: no field may be assumed.
  const std::vector<uint8_t> whole = BuildFile(7, StoredFile()).Data();
  for (size_t size = 0; size < whole.size(); ++size) {
    const std::span<const uint8_t> part(whole.data(), size);
    ASSERT_EQ(DecodeDataFile(part, read), EDecodeResult::kDamaged) << size;
  }
}

TEST(DataFileVersions, NegativeCountsAreDamage) {
  // A negative profile count must not read as "no profiles": that would throw away every
  // profile in memory for a file that is plainly broken.
  SDataFileContents read;
  EXPECT_EQ(DecodeDataFile(CBytes().Int(5).List({}).Int(-1).Int(0).Data(), read),
            EDecodeResult::kDamaged);
  EXPECT_EQ(DecodeDataFile(CBytes().Int(7).List({}).Int(0).Int(0).Int(-2).Int(-1).Data(), read),
            EDecodeResult::kDamaged);
}

TEST(DataFileVersions, ZeroProfilesAndNoQueuesRead) {
  SDataFileContents read;
  read.profiles = {{"stale", {}}};
  ASSERT_EQ(DecodeDataFile(CBytes().Int(7).List({}).Int(0).Int(0).Int(0).Int(-1).Data(), read),
            EDecodeResult::kRead);
  EXPECT_EQ(read, SDataFileContents{});
}

// ---- Read limits ----

TEST(DataFileLimits, EachListAndNameIsCutToItsOwnLimit) {
  // Each field gets a text ten bytes over its limit; reading must cut it to exactly the limit
  // of that field, which would not happen if two limits were swapped.
  const auto over = [](size_t limit, char letter) { return std::string(limit + 10, letter); };
  SDataFileContents c;
  c.folders = {over(292, 'f'), std::string(292, 'g')};
  CSettingsState s;
  s.sourcePath = over(600, 's');  // paths of the record itself are not cut
  s.subfolderEntries = {over(275, 'u')};
  s.nameEntries = {over(266, 'n')};
  s.excludedPaths = {over(260, 'x')};
  c.profiles = {{over(50, 'p'), s}};
  c.queues = {{over(22, 'q'), {over(50, 'r'), "short"}}};
  c.selectedQueue = 0;

  SDataFileContents read;
  ASSERT_EQ(DecodeDataFile(BuildFile(7, c).Data(), read), EDecodeResult::kRead);
  EXPECT_EQ(read.folders, (std::vector<std::string>{std::string(292, 'f'), std::string(292, 'g')}));
  ASSERT_EQ(read.profiles.size(), 1u);
  EXPECT_EQ(read.profiles[0].name, std::string(50, 'p'));
  const CSettingsState& r = read.profiles[0].settings;
  EXPECT_EQ(r.sourcePath, over(600, 's'));
  EXPECT_EQ(r.subfolderEntries, std::vector<std::string>{std::string(275, 'u')});
  EXPECT_EQ(r.nameEntries, std::vector<std::string>{std::string(266, 'n')});
  EXPECT_EQ(r.excludedPaths, std::vector<std::string>{std::string(260, 'x')});
  ASSERT_EQ(read.queues.size(), 1u);
  EXPECT_EQ(read.queues[0].name, std::string(22, 'q'));
  EXPECT_EQ(read.queues[0].profiles, (std::vector<std::string>{std::string(50, 'r'), "short"}));
}

TEST(DataFileLimits, NamesInOtherFormsAreCutAfterConversion) {
  SDataFileContents c;
  c.profiles = {{"placeholder", {}}};
  CBytes b;
  b.Int(7).List({}).Int(1).Int(0);
  // A profile name in UTF-16: 30 "é" are 60 bytes of UTF-8, cut to 25 whole letters.
  b.Wide(std::u16string(30, u'\u00E9'));
  data_file_bytes::AppendRecord(b, 7, CSettingsState());
  // A queue name in Windows-1252: 11 letters and 11 "€" that grow to three bytes each.
  b.Int(1).Int(0).Str(std::string(11, 'k') + std::string(11, '\x80')).List({});
  SDataFileContents read;
  ASSERT_EQ(DecodeDataFile(b.Data(), read), EDecodeResult::kRead);
  std::string name;
  for (int i = 0; i < 25; ++i) {
    name += "\xC3\xA9";
  }
  ASSERT_EQ(read.profiles.size(), 1u);
  EXPECT_EQ(read.profiles[0].name, name);
  ASSERT_EQ(read.queues.size(), 1u);
  EXPECT_EQ(read.queues[0].name, std::string(11, 'k') + "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC");
}

// ---- Writing ----

TEST(DataFileWriting, WriterProducesTheVersion7Layout) {
  EXPECT_EQ(EncodeDataFile(StoredFile()), BuildFile(7, StoredFile()).Data());
  EXPECT_EQ(EncodeDataFile(SDataFileContents{}),
            CBytes().Int(7).Int(0).Int(0).Int(0).Int(0).Int(-1).Data());
}

TEST(DataFileWriting, EncodeThenDecodeGivesTheSameContents) {
  SDataFileContents c = StoredFile();
  CSettingsState odd = Stored();
  odd.sourcePath = std::string(300, 'a') + "\xE2\x82\xAC";  // the 16-bit prefix
  odd.destinationPath = std::string(70000, 'd');            // the 32-bit prefix
  odd.nameEntries = {"", std::string(254, 'n'), "10\xF0\x9F\x98\x80"};
  odd.fromDateTime = CDateTime(-1.25, EStatus::kInvalid);
  odd.throughDateTime = CDateTime(2958465.99, EStatus::kValid);
  odd.leastSize = -5;
  odd.mostSize = 0x7FFFFFFF;
  c.profiles.push_back({"Zo\xC3\xAB 2", odd});
  c.folders.push_back(std::string(292, 'F'));
  c.queues.push_back({std::string(22, 'Q'), {std::string(50, 'P')}});
  c.selectedProfile = 2;
  c.selectedQueue = -1;

  SDataFileContents read;
  ASSERT_EQ(DecodeDataFile(EncodeDataFile(c), read), EDecodeResult::kRead);
  EXPECT_EQ(read, c);
}

}  // namespace
