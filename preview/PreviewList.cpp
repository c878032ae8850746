// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/PreviewList.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <numeric>
#include <string_view>
#include <unordered_map>

#include "platform/TextUtil.h"
#include "rules/StringOrder.h"

void CPreviewList::AddListener(CPreviewListListener* listener) {
  if (listener != nullptr &&
      std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end()) {
    m_listeners.push_back(listener);
  }
}

void CPreviewList::RemoveListener(CPreviewListListener* listener) {
  m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener),
                    m_listeners.end());
}

bool CPreviewList::Add(std::shared_ptr<CFilesListCtrlData> row) {
  return Append({std::move(row)}) == 1;
}

size_t CPreviewList::MakeRoom(size_t wanted) {
  // Room first, so that listeners hear of exactly the rows that were taken. The list grows
  // by doubling, as push_back would; when memory is short, it takes what it can.
  const size_t size = m_rows.size();
  if (size + wanted <= m_rows.capacity()) {
    return wanted;
  }
  for (size_t count = wanted; count > 0; count /= 2) {
    for (const size_t capacity : {std::max(size + count, 2 * m_rows.capacity()), size + count}) {
      try {
        m_rows.reserve(capacity);
        return count;
      } catch (const std::bad_alloc&) {
      } catch (const std::length_error&) {
      }
    }
  }
  return 0;
}

size_t CPreviewList::Append(const std::vector<std::shared_ptr<CFilesListCtrlData>>& rows) {
  const size_t count = MakeRoom(rows.size());
  if (count == 0) {
    return 0;
  }
  const size_t first = m_rows.size();
  Tell(
      [&](CPreviewListListener& listener) { listener.RowsAboutToBeAppended(*this, first, count); });
  m_rows.insert(m_rows.end(), rows.begin(), rows.begin() + static_cast<ptrdiff_t>(count));
  Tell([&](CPreviewListListener& listener) { listener.RowsAppended(*this, first, count); });
  return count;
}

void CPreviewList::RemoveRows(std::vector<size_t> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  rows.erase(std::lower_bound(rows.begin(), rows.end(), m_rows.size()), rows.end());
  if (rows.empty()) {
    return;
  }
  Tell([&](CPreviewListListener& listener) { listener.RowsAboutToBeRemoved(*this, rows); });
  // One pass: every kept row moves down over the removed ones before it.
  size_t kept = rows.front();
  auto next = rows.begin();
  for (size_t i = rows.front(); i < m_rows.size(); ++i) {
    if (next != rows.end() && *next == i) {
      ++next;
      continue;
    }
    m_rows[kept++] = std::move(m_rows[i]);
  }
  m_rows.resize(kept);
  if (m_rows.empty()) {
    m_sortColumn = -1;
    m_descending = false;
  }
  Tell([&](CPreviewListListener& listener) { listener.RowsRemoved(*this, rows); });
}

void CPreviewList::RowsChanged(size_t first, size_t last) {
  if (first > last || last >= m_rows.size()) {
    return;
  }
  Tell([&](CPreviewListListener& listener) { listener.RowsChanged(*this, first, last); });
}

void CPreviewList::Clear() {
  Tell([&](CPreviewListListener& listener) { listener.AboutToClear(*this); });
  m_rows.clear();
  m_sortColumn = -1;
  m_descending = false;
  Tell([&](CPreviewListListener& listener) { listener.Cleared(*this); });
}

void CPreviewList::SortByColumn(int column) {
  Sort(column, column == m_sortColumn ? !m_descending : false);
}

namespace {

using RowVector = std::vector<std::shared_ptr<CFilesListCtrlData>>;

// A row's place in one sort, as numbers: comparing keys gives the order that
// CFilesListCtrlOrder gives the rows, without reading a row again. The texts are ranked once
// each (there are far fewer folders and types than rows), so a sort of a long list compares
// small numbers held side by side instead of texts spread over the whole list.
struct SSortKey {
  uint64_t first;
  uint32_t second;
  uint32_t index;
};

// Ranks texts by an order: each distinct text gets an id as it is first met, the ids are
// ranked once, and every row takes the rank of its text's id; texts the order holds equal
// share a rank. The texts are the rows' own, which stay where they are while the list sorts.
class CTextRanks {
 public:
  explicit CTextRanks(size_t expected) { m_ids.reserve(expected); }
  // Texts that rows share (folders, types) are known by their address; a name by its text.
  uint32_t IdOfShared(const std::string& text) {
    const auto [at, added] = m_sharedIds.emplace(&text, static_cast<uint32_t>(m_texts.size()));
    if (added) {
      m_texts.push_back(text);
    }
    return at->second;
  }
  uint32_t IdOf(std::string_view text) {
    const auto [at, added] = m_ids.emplace(text, static_cast<uint32_t>(m_texts.size()));
    if (added) {
      m_texts.push_back(text);
    }
    return at->second;
  }
  // Turns ids into ranks. With `prefixes`, each text's prefix in that order settles most
  // comparisons without reading the texts (a list of a million names has about as many
  // distinct ones).
  template <typename Compare>
  void Rank(std::vector<uint32_t>& ids, Compare compare, const CStringOrder* prefixes) const {
    std::vector<CStringOrder::SPrefix> starts;
    if (prefixes != nullptr) {
      starts.reserve(m_texts.size());
      for (const std::string_view text : m_texts) {
        starts.push_back(prefixes->Prefix(text));
      }
    }
    const auto compareIds = [&](uint32_t a, uint32_t b) {
      if (!starts.empty()) {
        const int result = CStringOrder::ComparePrefixes(starts[a], starts[b]);
        if (result != 0) {
          return result;
        }
      }
      return compare(m_texts[a], m_texts[b]);
    };
    std::vector<uint32_t> byOrder(m_texts.size());
    std::iota(byOrder.begin(), byOrder.end(), 0u);
    std::sort(byOrder.begin(), byOrder.end(),
              [&](uint32_t a, uint32_t b) { return compareIds(a, b) < 0; });
    std::vector<uint32_t> ranks(m_texts.size());
    uint32_t rank = 0;
    for (size_t i = 0; i < byOrder.size(); ++i) {
      if (i > 0 && compareIds(byOrder[i - 1], byOrder[i]) != 0) {
        ++rank;
      }
      ranks[byOrder[i]] = rank;
    }
    for (uint32_t& id : ids) {
      id = ranks[id];
    }
  }

 private:
  std::vector<std::string_view> m_texts;
  std::unordered_map<std::string_view, uint32_t> m_ids;
  std::unordered_map<const std::string*, uint32_t> m_sharedIds;
};

// A time as an unsigned number in the same order.
uint64_t TimeKey(double days) {
  uint64_t bits = 0;
  std::memcpy(&bits, &days, sizeof bits);
  return (bits & (1ULL << 63)) != 0 ? ~bits : bits | (1ULL << 63);
}

// The order of the 16 attribute combinations by their texts ("", "A", "AR", ...).
uint32_t AttributeRank(uint8_t bits) {
  static const std::array<uint32_t, 16> ranks = [] {
    std::array<std::string, 16> texts;
    for (uint32_t combination = 0; combination < 16; ++combination) {
      CFilesListCtrlData row;
      row.attributeBits = static_cast<uint8_t>(combination);
      texts[combination] = row.AttributesText();
    }
    std::array<uint32_t, 16> result{};
    for (uint32_t a = 0; a < 16; ++a) {
      for (uint32_t b = 0; b < 16; ++b) {
        result[a] += texts[b] < texts[a] ? 1 : 0;
      }
    }
    return result;
  }();
  return ranks[bits & 15];
}

uint64_t ColumnKey(const CFilesListCtrlData& row, int column) {
  switch (column) {
    case kColDate:
      return TimeKey(row.modified.LinearDays());
    case kColSize:
      return row.size;
    case kColAttributes:
      return AttributeRank(row.attributeBits);
    case kColAction:
      return static_cast<uint32_t>(row.action);
    default:
      return 0;
  }
}

// Sorts the rows of each run of equal keys by name. Outside the Item Name and In Folder
// orders names only break ties, and ties are few: sorting the tied rows by name is far quicker
// than ranking every name of a long list.
void SortTiesByName(const RowVector& rows, std::vector<SSortKey>& keys, const CStringOrder& order,
                    bool descending) {
  struct STied {
    CStringOrder::SPrefix prefix;
    std::string_view name;
    uint32_t index;
  };
  std::vector<STied> tied;
  size_t begin = 0;
  while (begin < keys.size()) {
    size_t end = begin + 1;
    while (end < keys.size() && keys[end].first == keys[begin].first &&
           keys[end].second == keys[begin].second) {
      ++end;
    }
    if (end - begin > 1) {
      tied.clear();
      for (size_t i = begin; i < end; ++i) {
        const std::string& name = rows[keys[i].index]->name;
        tied.push_back({order.Prefix(name), name, keys[i].index});
      }
      std::sort(tied.begin(), tied.end(), [&](const STied& a, const STied& b) {
        int result = CStringOrder::ComparePrefixes(a.prefix, b.prefix);
        if (result == 0) {
          result = order.Compare(a.name, b.name);
        }
        if (result != 0) {
          return (result < 0) != descending;
        }
        return a.index < b.index;
      });
      for (size_t i = begin; i < end; ++i) {
        keys[i].index = tied[i - begin].index;
      }
    }
    begin = end;
  }
}

std::vector<size_t> SortedPositions(const RowVector& rows, int column, bool descending) {
  const CStringANOrder order;
  const auto alphanumeric = [&](std::string_view a, std::string_view b) {
    return order.Compare(a, b);
  };
  const bool namesLead = column == kColName || column == kColFolder;
  // One pass over the rows (they lie all over memory) gathers what the sort needs.
  CTextRanks folderTexts(0);
  CTextRanks nameTexts(namesLead ? rows.size() / 2 : 0);
  CTextRanks typeTexts(0);
  std::vector<uint32_t> folders(rows.size());
  std::vector<uint32_t> names(namesLead ? rows.size() : 0);
  std::vector<uint32_t> types(column == kColType ? rows.size() : 0);
  std::vector<uint64_t> values(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const CFilesListCtrlData& row = *rows[i];
    folders[i] = folderTexts.IdOfShared(row.Folder());
    if (namesLead) {
      names[i] = nameTexts.IdOf(row.name);
    }
    if (column == kColType) {
      types[i] = typeTexts.IdOfShared(row.Type());
    }
    values[i] = ColumnKey(row, column);
  }
  folderTexts.Rank(folders, alphanumeric, nullptr);
  if (namesLead) {
    nameTexts.Rank(names, alphanumeric, &order);
  }
  if (column == kColType) {
    typeTexts.Rank(
        types, [](std::string_view a, std::string_view b) { return platform::CompareNoCase(a, b); },
        nullptr);
  }
  std::vector<SSortKey> keys(rows.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    const auto index = static_cast<uint32_t>(i);
    switch (column) {
      case kColName:
        keys[i] = {names[i], folders[i], index};
        break;
      case kColFolder:
        keys[i] = {folders[i], names[i], index};
        break;
      case kColType:
        keys[i] = {types[i], folders[i], index};
        break;
      default:
        keys[i] = {values[i], folders[i], index};
        break;
    }
  }
  // Rows that compare equal keep their order, in either direction.
  std::sort(keys.begin(), keys.end(), [descending](const SSortKey& a, const SSortKey& b) {
    if (a.first != b.first) {
      return (a.first < b.first) != descending;
    }
    if (a.second != b.second) {
      return (a.second < b.second) != descending;
    }
    return a.index < b.index;
  });
  if (!namesLead) {
    SortTiesByName(rows, keys, order, descending);
  }
  std::vector<size_t> positions(keys.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    positions[i] = keys[i].index;
  }
  return positions;
}

}  // namespace

void CPreviewList::Sort(int column, bool descending) {
  Tell([&](CPreviewListListener& listener) { listener.OrderAboutToChange(*this); });
  // Sorting positions rather than rows tells where each row went.
  const std::vector<size_t> oldIndexOfNew = SortedPositions(m_rows, column, descending);
  std::vector<std::shared_ptr<CFilesListCtrlData>> sorted;
  sorted.reserve(m_rows.size());
  std::vector<size_t> newIndexOfOld(m_rows.size());
  for (size_t position = 0; position < oldIndexOfNew.size(); ++position) {
    sorted.push_back(std::move(m_rows[oldIndexOfNew[position]]));
    newIndexOfOld[oldIndexOfNew[position]] = position;
  }
  m_rows = std::move(sorted);
  m_sortColumn = column;
  m_descending = descending;
  Tell([&](CPreviewListListener& listener) { listener.OrderChanged(*this, newIndexOfOld); });
}

long CPreviewList::IndexOf(const CFilesListCtrlData* row) const {
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (m_rows[i].get() == row) {
      return static_cast<long>(i);
    }
  }
  return -1;
}
