// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#include "app/ProgramNotes.h"

#include "core/Options.h"
#include "platform/TextUtil.h"

namespace {

constexpr std::string_view kTopicStart = "== ";
constexpr std::string_view kListItem = "- ";

std::string_view TrimEnd(std::string_view text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                           text.back() == '\n')) {
    text.remove_suffix(1);
  }
  return text;
}

// Builds one topic's note from its lines, paragraph by paragraph.
class CNoteBuilder {
 public:
  void AddLine(std::string_view line) {
    line = platform::Trim(line);
    if (line.empty()) {
      m_newParagraph = !m_note.empty();
      return;
    }
    if (m_newParagraph) {
      m_note += "\n\n";
    } else if (line.starts_with(kListItem) && !m_note.empty()) {
      m_note += '\n';
    } else if (!m_note.empty()) {
      m_note += ' ';
    }
    m_note += line;
    m_newParagraph = false;
  }
  std::string Take(std::string_view title) {
    std::string topic = std::move(m_note);
    topic += '|';
    topic += title;
    m_note.clear();
    m_newParagraph = false;
    return topic;
  }

 private:
  std::string m_note;
  bool m_newParagraph = false;
};

}  // namespace

std::vector<std::string> ParseNotes(std::string_view text) {
  std::vector<std::string> topics;
  CNoteBuilder note;
  std::optional<std::string> title;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);  // a file saved with Windows line ends
    }
    if (line.starts_with(kTopicStart)) {
      if (title) {
        topics.push_back(note.Take(*title));
      }
      title = std::string(platform::Trim(line.substr(kTopicStart.size())));
    } else if (title) {
      note.AddLine(line);
    }
  }
  if (title) {
    topics.push_back(note.Take(*title));
  }
  return topics;
}

CProgramNotes::CProgramNotes() : m_topics(ParseNotes(BuiltInNotesText())) {}

CProgramNotes::CProgramNotes(std::vector<std::string> topics) : m_topics(std::move(topics)) {}

std::optional<int> CProgramNotes::Count() const {
  if (m_topics.empty()) {
    return std::nullopt;
  }
  return static_cast<int>(m_topics.size());
}

std::optional<std::string> CProgramNotes::Topic(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= m_topics.size()) {
    return std::nullopt;
  }
  return m_topics[static_cast<size_t>(index)];
}

SNoteTopic SplitTopic(std::string_view text) {
  SNoteTopic topic;
  const size_t bar = text.find('|');
  topic.hasTitle = bar != std::string_view::npos;
  topic.note = std::string(TrimEnd(text.substr(0, bar)));
  if (topic.hasTitle) {
    std::string_view title = text.substr(bar + 1);
    while (!title.empty() && title.front() == ' ') {
      title.remove_prefix(1);
    }
    topic.title = std::string(title);
  }
  return topic;
}

std::string ListTitle(const SNoteTopic& topic) {
  return topic.hasTitle ? topic.title : "(no topic)";
}

int StartTopic(int requested, int count) {
  return requested < 0 || requested >= count ? 0 : requested;
}

std::string CentreFirstLine(const std::string& note, int fieldWidth,
                            const std::function<int(std::string_view)>& width) {
  const size_t lineEnd = note.find('\n');
  const int blank = width(" ");
  if (lineEnd == std::string::npos || blank <= 0) {
    return note;
  }
  const int blanks = (fieldWidth - width(std::string_view(note).substr(0, lineEnd))) / (2 * blank);
  return blanks > 0 ? std::string(static_cast<size_t>(blanks), ' ') + note : note;
}

std::optional<std::vector<int>> FindTopics(const CProgramNotes& notes, std::string_view search) {
  std::vector<int> found;
  const std::optional<int> count = notes.Count();
  if (!count) {
    return std::nullopt;
  }
  const std::string wanted = platform::ToLower(search);
  for (int index = 0; index < *count; ++index) {
    const std::optional<std::string> text = notes.Topic(index);
    if (!text) {
      return std::nullopt;
    }
    if (!wanted.empty() && platform::ToLower(*text).find(wanted) != std::string::npos) {
      found.push_back(index);
    }
  }
  return found;
}

void RememberNotesClosed(SProgramOptions& options, bool showAtStart, int shownTopic) {
  options.m_showDayTip = showAtStart ? 1 : 0;
  options.m_dayTipIndex = shownTopic + 1;
}
