// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "profile/DataCodec.h"

#include <cstring>

#include "platform/TextUtil.h"

void CDataWriter::Put(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  m_bytes.insert(m_bytes.end(), bytes, bytes + size);
}

void CDataWriter::WriteInt(int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  const uint8_t bytes[4] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                            static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
  Put(bytes, 4);
}

void CDataWriter::WriteDouble(double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  uint8_t bytes[8];
  for (int i = 0; i < 8; ++i) {
    bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
  }
  Put(bytes, 8);
}

void CDataWriter::WriteString(std::string_view text) {
  const size_t length = text.size();
  if (length < 0xFF) {
    m_bytes.push_back(static_cast<uint8_t>(length));
  } else if (length < 0xFFFE) {
    m_bytes.push_back(0xFF);
    m_bytes.push_back(static_cast<uint8_t>(length));
    m_bytes.push_back(static_cast<uint8_t>(length >> 8));
  } else {
    m_bytes.push_back(0xFF);
    m_bytes.push_back(0xFF);
    m_bytes.push_back(0xFF);
    WriteInt(static_cast<int32_t>(length));
  }
  Put(text.data(), text.size());
}

void CDataWriter::WriteStringList(const std::vector<std::string>& list) {
  WriteInt(static_cast<int32_t>(list.size()));
  for (const std::string& text : list) {
    WriteString(text);
  }
}

void CDataWriter::WriteDateTime(const platform::CDateTime& value) {
  WriteInt(static_cast<int32_t>(value.Status()));
  WriteDouble(value.Days());
}

bool CDataReader::Get(void* data, size_t size) {
  if (Remaining() < size) {
    return false;
  }
  std::memcpy(data, m_bytes.data() + m_pos, size);
  m_pos += size;
  return true;
}

bool CDataReader::ReadInt(int32_t& value) {
  uint8_t bytes[4];
  if (!Get(bytes, 4)) {
    return false;
  }
  value = static_cast<int32_t>(
      static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
      (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24));
  return true;
}

bool CDataReader::ReadDouble(double& value) {
  uint8_t bytes[8];
  if (!Get(bytes, 8)) {
    return false;
  }
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) {
    bits |= static_cast<uint64_t>(bytes[i]) << (8 * i);
  }
  std::memcpy(&value, &bits, sizeof value);
  return true;
}

bool CDataReader::ReadLength(uint32_t& length, bool& wide) {
  wide = false;
  for (int marker = 0; marker < 2; ++marker) {
    uint8_t first = 0;
    if (!Get(&first, 1)) {
      return false;
    }
    if (first < 0xFF) {
      length = first;
      return true;
    }
    uint8_t pair[2];
    if (!Get(pair, 2)) {
      return false;
    }
    const uint32_t middle = pair[0] | (static_cast<uint32_t>(pair[1]) << 8);
    if (middle == 0xFFFE) {
      if (wide) {
        return false;  // a second marker is no string
      }
      wide = true;  // 16-bit characters follow, with a length prefix of their own
      continue;
    }
    if (middle < 0xFFFF) {
      length = middle;
      return true;
    }
    int32_t full = 0;
    if (!ReadInt(full)) {
      return false;
    }
    length = static_cast<uint32_t>(full);
    return true;
  }
  return false;
}

bool CDataReader::ReadString(std::string& text, size_t limit) {
  uint32_t length = 0;
  bool wide = false;
  if (!ReadLength(length, wide)) {
    return false;
  }
  const uint64_t bytes = wide ? static_cast<uint64_t>(length) * 2 : length;
  if (bytes > Remaining()) {
    return false;
  }
  const uint8_t* data = m_bytes.data() + m_pos;
  m_pos += static_cast<size_t>(bytes);
  if (wide) {
    std::u16string units(length, u'\0');
    for (uint32_t i = 0; i < length; ++i) {
      units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    text = platform::Utf16ToUtf8(units);
  } else {
    const std::string_view raw(reinterpret_cast<const char*>(data), length);
    text = platform::IsValidUtf8(raw) ? std::string(raw) : platform::Windows1252ToUtf8(raw);
  }
  if (limit != 0 && text.size() > limit) {
    text = std::string(platform::CutUtf8(text, limit));
  }
  return true;
}

bool CDataReader::ReadStringList(std::vector<std::string>& list, size_t entryLimit) {
  int32_t count = 0;
  if (!ReadInt(count) || count < 0 || static_cast<uint64_t>(count) > Remaining()) {
    return false;  // every string takes at least one byte
  }
  list.clear();
  list.reserve(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    std::string text;
    if (!ReadString(text, entryLimit)) {
      return false;
    }
    list.push_back(std::move(text));
  }
  return true;
}

bool CDataReader::ReadDateTime(platform::CDateTime& value) {
  int32_t status = 0;
  double days = 0;
  if (!ReadInt(status) || !ReadDouble(days)) {
    return false;
  }
  using EStatus = platform::CDateTime::EStatus;
  const EStatus known =
      (status == 0 || status == 2) ? static_cast<EStatus>(status) : EStatus::kInvalid;
  value = platform::CDateTime(days, known);
  return true;
}
