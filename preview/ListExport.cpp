// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "preview/ListExport.h"

#include <algorithm>
#include <array>

#include "core/Prompter.h"
#include "core/TextFile.h"
#include "platform/TextUtil.h"
#include "preview/ListData.h"
#include "preview/PreviewList.h"

namespace {

// Length in characters, for the tab arithmetic.
size_t Characters(std::string_view text) {
  size_t count = 0;
  for (size_t i = 0; i < text.size();) {
    platform::DecodeUtf8(text, i);
    ++count;
  }
  return count;
}

std::string HeaderTime(std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[128];
  const size_t length = std::strftime(buffer, sizeof buffer, "%A, %B %d, %Y, %I:%M:%S %p", &local);
  return std::string(buffer, length);
}

}  // namespace

EExportForm ExportFormFor(std::string_view fileName) {
  const size_t dot = fileName.find_last_of('.');
  const size_t slash = fileName.find_last_of("\\/");
  if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash) &&
      platform::EqualsNoCase(fileName.substr(dot + 1), "txt")) {
    return EExportForm::kText;
  }
  return EExportForm::kCsv;
}

std::string CsvHeaderLine() {
  return "Filename,In Folder,Date/Time,Size,Type,Attributes,Action\r\n";
}

std::string CsvRowLine(const CPreviewList& list, size_t row) {
  std::string line;
  for (int column = 0; column < kPreviewColumnCount; ++column) {
    if (column > 0) {
      line += ',';
    }
    line += CsvCell(list.Text(row, column));
  }
  line += "\r\n";
  return line;
}

std::string CsvCell(std::string_view cell) {
  if (cell.find('"') != std::string_view::npos) {
    std::string quoted = "\"";
    for (const char c : cell) {
      quoted += c;
      if (c == '"') {
        quoted += '"';
      }
    }
    return quoted + "\"";
  }
  if (cell.find(',') != std::string_view::npos) {
    return "\"" + std::string(cell) + "\"";
  }
  return std::string(cell);
}

void StreamPreviewList(const CPreviewList& list, EExportForm form, std::string_view profileName,
                       std::string_view summary, std::time_t now,
                       const std::function<void(std::string_view)>& write) {
  std::string line;
  if (form == EExportForm::kCsv) {
    write(CsvHeaderLine());
    for (size_t row = 0; row < list.Count(); ++row) {
      write(CsvRowLine(list, row));
    }
    return;
  }
  std::array<size_t, kPreviewColumnCount - 1> widths{};
  for (size_t row = 0; row < list.Count(); ++row) {
    for (int column = 0; column + 1 < kPreviewColumnCount; ++column) {
      widths[column] = std::max(widths[column], Characters(list.Text(row, column)));
    }
  }
  line = "Profile name: ";
  line += profileName;
  line += "\r\n";
  line += HeaderTime(now);
  line += "\r\n";
  line += summary;
  line += ":\r\n\r\n";
  write(line);
  for (size_t row = 0; row < list.Count(); ++row) {
    line.clear();
    size_t position = 1;  // the column at which the cell starts
    for (int column = 0; column + 1 < kPreviewColumnCount; ++column) {
      const std::string cell = list.Text(row, column);
      const size_t length = Characters(cell);
      const size_t next = 8 * ((widths[column] + position + 7) / 8) + 1;
      line += cell;
      line.append((next + 7 - length - position) / 8, '\t');
      position = next;
    }
    line += list.Text(row, kPreviewColumnCount - 1);
    line += "\r\n";
    write(line);
  }
}

std::string FormatPreviewList(const CPreviewList& list, EExportForm form,
                              std::string_view profileName, std::string_view summary,
                              std::time_t now) {
  std::string out;
  StreamPreviewList(list, form, profileName, summary, now,
                    [&out](std::string_view piece) { out += piece; });
  return out;
}

bool ExportPreviewList(const CPreviewList& list, const std::string& path,
                       std::string_view profileName, std::string_view summary,
                       CPrompter& prompter) {
  if (list.Empty()) {
    prompter.Show("The preview list is empty.", EIcon::kInformation);
    return false;
  }
  const std::string text =
      FormatPreviewList(list, ExportFormFor(path), profileName, summary, std::time(nullptr));
  return WriteTextFile(
      path, text, prompter,
      {"Could not open the preview-list file.", "Could not write the preview-list file.",
       "Finished writing the preview-list file."});
}
