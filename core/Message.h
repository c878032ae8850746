// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Brevant developers
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Reports from the job workers (and the copy-progress window) to the main window. Codes are
// the application's private message base plus fixed offsets.
constexpr uint32_t kMessageBase = 0x8000;

enum EMessageOffset : uint32_t {
  kMsgFolderStarted = 0x100,  // preview: a folder starts; copy: an item starts
  kMsgAddItem = 0x101,        // first: the action; object: the new list item
  kMsgPreviewDone = 0x103,    // first: preview-only; second: the stop value
  kMsgStopRequest = 0x104,
  kMsgProgressDestroyed = 0x105,
  kMsgCopySetup = 0x106,     // first: 1 when the copy counts folders
  kMsgStatusText = 0x107,    // text: the status line
  kMsgSuspend = 0x108,       // first: 1 suspend, 0 resume
  kMsgCurrentItem = 0x109,   // object: a snapshot of the item
  kMsgBytesWritten = 0x10A,  // first: bytes just written
  kMsgFileFailed = 0x10B,
  kMsgItemDone = 0x10C,
  kMsgTimeRemaining = 0x10D,  // first: seconds remaining, or -1
  kMsgCopyDone = 0x10E,
  kMsgCurrentFolder = 0x10F,  // text: the folder path
  kMsgGatherCheck = 0x110,    // text: the file name; object: its modified date-time
  kMsgAddItems = 0x111,       // several add-item messages in one: object: the new list items
                              // in order, each carrying its action
  kMsgFoldersFound = 0x120,   // folder search: object: the paths of the folders found
  kMsgSearchDone = 0x121,     // folder search: first: folders found; second: 1 when stopped;
                              // text: the result line
};

constexpr uint32_t MessageCode(EMessageOffset offset) {
  return kMessageBase + offset;
}

struct CMessage {
  CMessage() = default;
  CMessage(EMessageOffset offset, int64_t first = 0, int64_t second = 0)
      : code(MessageCode(offset)), first(first), second(second) {}

  EMessageOffset Offset() const { return static_cast<EMessageOffset>(code - kMessageBase); }
  // The object the message carries; it belongs to the message and so to its receiver.
  template <typename T>
  T* Object() const {
    return static_cast<T*>(object.get());
  }
  template <typename T>
  CMessage& Attach(std::shared_ptr<T> value) {
    object = std::move(value);
    return *this;
  }

  uint32_t code = 0;
  int64_t first = 0;
  int64_t second = 0;
  std::string text;
  std::shared_ptr<void> object;
};

// Where a worker's reports go. Both calls are made on a worker thread; the receiver handles
// the messages on the window thread, in the order each sender posted them.
class CMessageTarget {
 public:
  virtual ~CMessageTarget() = default;
  // Queues the message and returns at once.
  virtual void Post(CMessage message) = 0;
  // Whether the target wants every message the moment it is posted, rather than in the
  // deliveries that workers make a few times a second (a test acting mid-step does).
  virtual bool WantsEachPost() const { return false; }
  // Queues several messages, in order, as one delivery.
  virtual void PostAll(std::vector<CMessage> messages) {
    for (CMessage& message : messages) {
      Post(std::move(message));
    }
  }
  // Waits until the receiver has handled the message and returns its answer.
  virtual int64_t Send(CMessage message) = 0;
};
