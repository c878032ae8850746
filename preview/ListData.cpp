// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/ListData.h"

#include <cmath>

#include "core/FormatItem.h"
#include "platform/TextUtil.h"
#include "platform/Types.h"

namespace {

constexpr uint8_t kBitArchive = 1, kBitReadOnly = 2, kBitHidden = 4, kBitSystem = 8;

const std::string& EmptyText() {
  static const std::string empty;
  return empty;
}

int Sign(int value) {
  return (value > 0) - (value < 0);
}

template <typename T>
int CompareValues(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

std::string CListCtrlData::ColumnText(int column) const {
  if (column < 0 || column >= static_cast<int>(m_texts.size())) {
    return {};
  }
  return m_texts[static_cast<size_t>(column)];
}

const std::string& CFilesListCtrlData::Folder() const {
  return folder ? *folder : EmptyText();
}

const std::string& CFilesListCtrlData::Type() const {
  return type ? *type : EmptyText();
}

std::string CFilesListCtrlData::FullPath() const {
  std::string path = Folder();
  if (path.empty() || path.back() != '\\') {
    path.push_back('\\');
  }
  path += name;
  return path;
}

void CFilesListCtrlData::SetAttributes(uint32_t attributes) {
  attributeBits = 0;
  if ((attributes & platform::kAttrArchive) != 0) {
    attributeBits |= kBitArchive;
  }
  if ((attributes & platform::kAttrReadOnly) != 0) {
    attributeBits |= kBitReadOnly;
  }
  if ((attributes & platform::kAttrHidden) != 0) {
    attributeBits |= kBitHidden;
  }
  if ((attributes & platform::kAttrSystem) != 0) {
    attributeBits |= kBitSystem;
  }
}

std::string CFilesListCtrlData::AttributesText() const {
  std::string text;
  if ((attributeBits & kBitArchive) != 0) {
    text += 'A';
  }
  if ((attributeBits & kBitReadOnly) != 0) {
    text += 'R';
  }
  if ((attributeBits & kBitHidden) != 0) {
    text += 'H';
  }
  if ((attributeBits & kBitSystem) != 0) {
    text += 'S';
  }
  return text;
}

std::string CFilesListCtrlData::ColumnText(int column) const {
  return Text(column, platform::CDateTime::Now().DateOnly());
}

std::string CFilesListCtrlData::Text(int column, const platform::CDateTime& today) const {
  const bool folderRow = action == kActionCreate;
  switch (column) {
    case kColName:
      return name;
    case kColFolder:
      return Folder();
    case kColDate:
      return folderRow ? std::string() : FormatListDate(modified, today);
    case kColSize:
      return folderRow ? std::string() : CFormatItem().FormatSize(size, true);
    case kColType:
      return Type();
    case kColAttributes:
      return folderRow ? std::string() : AttributesText();
    case kColAction:
      return action == kActionCreate ? "create" : (action == kActionDelete ? "delete" : "copy");
    default:
      return {};
  }
}

std::string FormatListDate(const platform::CDateTime& time, const platform::CDateTime& today) {
  platform::CDateTime::SParts parts{};
  if (!time.IsValid() || !time.GetParts(parts) || parts.year == 1899) {
    return {};
  }
  static constexpr const char* kMonths[] = {"Jan",  "Feb", "March", "April", "May", "June",
                                            "July", "Aug", "Sept",  "Oct",   "Nov", "Dec"};
  const double days = std::round(time.DateOnly().LinearDays() - today.DateOnly().LinearDays());
  const int hour12 = parts.hour == 0 ? 12 : (parts.hour > 12 ? parts.hour - 12 : parts.hour);
  const char suffix = parts.hour < 12 ? 'A' : 'P';
  if (std::fabs(days) > 1) {
    return platform::Format("%02d-%s-%d, %02d:%02d:%02d %cM", parts.day, kMonths[parts.month - 1],
                            parts.year, hour12, parts.minute, parts.second, suffix);
  }
  const char* word = days < 0 ? "Yesterday" : (days > 0 ? "Tomorrow" : "Today");
  return platform::Format("%s, %02d:%02d:%02d %cM", word, hour12, parts.minute, parts.second,
                          suffix);
}

int CListCtrlOrder::Compare(const CListCtrlData& first, const CListCtrlData& second) const {
  const int result = m_order.Compare(first.ColumnText(m_column), second.ColumnText(m_column));
  return m_descending ? -result : result;
}

int CFilesListCtrlOrder::Compare(const CListCtrlData& first, const CListCtrlData& second) const {
  const auto* a = dynamic_cast<const CFilesListCtrlData*>(&first);
  const auto* b = dynamic_cast<const CFilesListCtrlData*>(&second);
  if (a == nullptr || b == nullptr) {
    return CListCtrlOrder::Compare(first, second);
  }
  return CompareRows(*a, *b);
}

int CFilesListCtrlOrder::CompareRows(const CFilesListCtrlData& first,
                                     const CFilesListCtrlData& second) const {
  const auto byName = [&] { return Sign(m_order.Compare(first.name, second.name)); };
  const auto byFolder = [&] { return Sign(m_order.Compare(first.Folder(), second.Folder())); };
  int result = 0;
  switch (m_column) {
    case kColName:
      result = byName();
      if (result == 0) {
        result = byFolder();
      }
      break;
    case kColFolder:
      result = byFolder();
      if (result == 0) {
        result = byName();
      }
      break;
    default:
      switch (m_column) {
        case kColDate:
          result = CompareValues(first.modified.LinearDays(), second.modified.LinearDays());
          break;
        case kColSize:
          result = CompareValues(first.size, second.size);
          break;
        case kColType:
          result = Sign(platform::CompareNoCase(first.Type(), second.Type()));
          break;
        case kColAttributes:
          result = CompareValues(first.AttributesText(), second.AttributesText());
          break;
        case kColAction:
          result = CompareValues(first.action, second.action);
          break;
        default:
          break;
      }
      if (result == 0) {
        result = byFolder();
      }
      if (result == 0) {
        result = byName();
      }
      break;
  }
  return m_descending ? -result : result;
}
