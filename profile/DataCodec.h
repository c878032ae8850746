// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"

// The primitives of the data file: 32-bit little-endian integers, doubles, strings with a
// length prefix, string lists and date-times.
class CDataWriter {
 public:
  void WriteInt(int32_t value);
  void WriteDouble(double value);
  // The length prefix is one byte up to 254, 0xFF and 16 bits up to 65,533, and 0xFF, 0xFFFF
  // and 32 bits beyond.
  void WriteString(std::string_view text);
  void WriteStringList(const std::vector<std::string>& list);
  void WriteDateTime(const platform::CDateTime& value);

  const std::vector<uint8_t>& Bytes() const { return m_bytes; }

 private:
  void Put(const void* data, size_t size);
  std::vector<uint8_t> m_bytes;
};

// Reads the primitives back. Every read fails (returns false) rather than go past the end;
// a length or count larger than what is left is a failure too, so a damaged or hostile file
// can never make the reader allocate without bound.
class CDataReader {
 public:
  explicit CDataReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

  bool ReadInt(int32_t& value);
  bool ReadDouble(double& value);
  // Strings in UTF-8 are taken as they are; other bytes were written in a single-byte code
  // page and are read as Windows-1252; the 16-bit form is converted. The result is cut to
  // `limit` bytes (without splitting a character) when a limit is given.
  bool ReadString(std::string& text, size_t limit = 0);
  bool ReadStringList(std::vector<std::string>& list, size_t entryLimit = 0);
  bool ReadDateTime(platform::CDateTime& value);

  size_t Remaining() const { return m_bytes.size() - m_pos; }

 private:
  bool ReadLength(uint32_t& length, bool& wide);
  bool Get(void* data, size_t size);

  std::span<const uint8_t> m_bytes;
  size_t m_pos = 0;
};
