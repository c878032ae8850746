// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "profile/DataFile.h"
#include "profile/SettingsState.h"

// Data files built by hand, byte by byte, from the documented layout. The tests compare the
// reader and the writer against these bytes rather than against each other, so a mistake
// shared by both cannot hide.
namespace data_file_bytes {

// A value no field of the test records holds, written where old versions keep an integer
// that the reader must skip.
constexpr int32_t kDiscarded = 0x5EEDBAD;

class CBytes {
 public:
  CBytes& Byte(uint8_t value) {
    m_bytes.push_back(value);
    return *this;
  }
  CBytes& U16(uint16_t value) { return Byte(value & 0xFF).Byte(value >> 8); }
  CBytes& Int(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    return U16(bits & 0xFFFF).U16(bits >> 16);
  }
  CBytes& Ints(std::initializer_list<int32_t> values) {
    for (const int32_t value : values) {
      Int(value);
    }
    return *this;
  }
  CBytes& Double(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i) {
      Byte(static_cast<uint8_t>(bits >> (8 * i)));
    }
    return *this;
  }
  CBytes& Raw(std::string_view bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
  }
  // A string with the shortest length prefix.
  CBytes& Str(std::string_view text) {
    if (text.size() <= 254) {
      Byte(static_cast<uint8_t>(text.size()));
    } else if (text.size() <= 65533) {
      Byte(0xFF).U16(static_cast<uint16_t>(text.size()));
    } else {
      Byte(0xFF).U16(0xFFFF).Int(static_cast<int32_t>(text.size()));
    }
    return Raw(text);
  }
  // The longer prefixes, which a reader must take for any length.
  CBytes& Str16(std::string_view text) {
    return Byte(0xFF).U16(static_cast<uint16_t>(text.size())).Raw(text);
  }
  CBytes& Str32(std::string_view text) {
    return Byte(0xFF).U16(0xFFFF).Int(static_cast<int32_t>(text.size())).Raw(text);
  }
  // The UTF-16 form: the marker, a one-byte count of 16-bit units, then the units.
  CBytes& Wide(std::u16string_view text) {
    Byte(0xFF).U16(0xFFFE).Byte(static_cast<uint8_t>(text.size()));
    for (const char16_t unit : text) {
      U16(unit);
    }
    return *this;
  }
  CBytes& List(const std::vector<std::string>& list) {
    Int(static_cast<int32_t>(list.size()));
    for (const std::string& text : list) {
      Str(text);
    }
    return *this;
  }
  CBytes& Date(const platform::CDateTime& value) {
    return Int(static_cast<int32_t>(value.Status())).Double(value.Days());
  }

  const std::vector<uint8_t>& Data() const { return m_bytes; }
  size_t Size() const { return m_bytes.size(); }

 private:
  std::vector<uint8_t> m_bytes;
};

// One settings record in the layout of `version`; fields that version does not store are
// left out, and the integers it stores and ignores are written as kDiscarded.
inline void AppendRecord(CBytes& b, int32_t version, const CSettingsState& s) {
  b.Str(s.sourcePath).Str(s.destinationPath).Ints({s.copyMode, s.subfolderMode});
  b.List(s.subfolderEntries).Int(s.nameMode);
  if (version >= 5) {
    b.Int(s.allowTypos);
  }
  b.List(s.nameEntries);
  if (version >= 3 && version <= 5) {
    b.Int(kDiscarded);
  }
  if (version >= 3) {
    b.List(s.excludedPaths);
  }
  b.Ints({s.dateMode, s.recentCount, s.recentUnit});
  if (version >= 7) {
    b.Ints({s.useFromDate, s.useThroughDate});
  }
  b.Date(s.fromDateTime).Date(s.throughDateTime);
  b.Ints({s.sizeMode, s.useLeastSize, s.leastSize, s.leastUnit, s.useMostSize, s.mostSize,
          s.mostUnit});
  if (version >= 4) {
    b.Ints({s.archiveOnly, s.clearArchive, s.includeReadOnly, s.copyReadOnlyAttribute,
            s.includeHidden, s.copyHiddenAttribute, s.includeSystem, s.copySystemAttribute});
  } else {
    b.Ints({s.archiveOnly, s.clearArchive, s.includeReadOnly, s.copyReadOnlyAttribute,
            s.includeHidden, s.includeSystem});
  }
  b.Ints({s.keepReadOnlyDestination, s.keepHiddenDestination, s.keepSystemDestination,
          s.verifyCopies, s.avoidStopping});
  if (version >= 6) {
    b.Ints({s.overwriteMode, s.disposeMode, s.versionLimit, s.versionSizeLimit, s.testSize,
            s.testArchive, s.includeNewFiles, s.deleteStrayFiles});
  } else if (version >= 4) {
    b.Ints({s.overwriteMode, s.disposeMode, s.versionLimit, s.includeNewFiles, s.deleteStrayFiles});
  } else {
    b.Ints({kDiscarded, s.overwriteMode, kDiscarded, kDiscarded, s.includeNewFiles});
    if (version >= 2) {
      b.Int(s.deleteStrayFiles);
    }
    b.Int(kDiscarded);
  }
  if (version >= 4) {
    b.Int(s.copySecurity);
  }
}

// A whole file in the layout of `version` (queues only from version 6).
inline CBytes BuildFile(int32_t version, const SDataFileContents& c) {
  CBytes b;
  b.Int(version).List(c.folders).Int(static_cast<int32_t>(c.profiles.size()));
  b.Int(c.selectedProfile);
  for (const SProfileRecord& profile : c.profiles) {
    b.Str(profile.name);
    AppendRecord(b, version, profile.settings);
  }
  if (version >= 6) {
    b.Int(static_cast<int32_t>(c.queues.size())).Int(c.selectedQueue);
    for (const SQueueRecord& queue : c.queues) {
      b.Str(queue.name).List(queue.profiles);
    }
  }
  return b;
}

}  // namespace data_file_bytes
