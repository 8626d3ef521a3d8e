// SPDX-License-Identifier: GPL-3.0-or-later
// The history of changes to one open file, for undo and redo. A step keeps only what its change
// touched: the records it overwrote (before and after), the records it inserted or removed, or
// the header bytes it changed; a delete of 65535 UPs keeps those records once. The history
// knows which of its states was saved last, so the unsaved-changes mark can follow it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "updata/up_file.h"

namespace tarnwick {

struct HeaderPatch {
  int offset = 0;
  std::vector<std::uint8_t> before;
  std::vector<std::uint8_t> after;  // as long as `before`
};

struct FileStep {
  enum class Kind {
    Overwrite,  // records `ids` went from `before` to `after`
    Insert,     // records `after` were inserted so that they got the ascending IDs `ids`
    Remove,     // records `before` with the ascending IDs `ids` were removed
    Header,     // header bytes changed as `patches` say
  };
  Kind kind = Kind::Overwrite;
  std::string what;  // names the change for a menu: "Delete of 3 UPs", "Rename of A14"
  std::vector<int> ids;
  std::vector<UPRecord> before;
  std::vector<UPRecord> after;
  std::vector<HeaderPatch> patches;

  std::size_t Bytes() const;
};

// The step of a header change: one patch per run of changed bytes (empty when nothing changed).
FileStep HeaderStep(const UPSHeader& before, const UPSHeader& after, std::string what);

// The inverse changes, as plain operations on a file. Each either completes or leaves the file
// as it was (false: not enough memory, or IDs that do not fit the file).
bool RemoveRecordsAt(UPFile& file, const std::vector<int>& ascendingIDs);
bool InsertRecordsAt(UPFile& file, const std::vector<int>& ascendingIDs, const std::vector<UPRecord>& records);

class FileHistory {
 public:
  static constexpr std::size_t kDefaultLimitBytes = std::size_t{256} << 20;
  explicit FileHistory(std::size_t limitBytes = kDefaultLimitBytes) : limit_(limitBytes) {}

  // Takes a change that has just been made to the file. Redo steps are dropped, and the oldest
  // steps go while the history holds more than its limit (a single larger step is kept alone).
  void Record(FileStep step);

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  const std::string& UndoWhat() const;  // empty when there is nothing to undo
  const std::string& RedoWhat() const;
  // The step Undo or Redo would take next (a view may act only on steps of its own kind).
  const FileStep* UndoStep() const;
  const FileStep* RedoStep() const;

  // Undo or redo one step on `file` (the file the steps were recorded on). False when there is
  // none or it cannot be applied; the file and the history are then unchanged.
  bool Undo(UPFile& file);
  bool Redo(UPFile& file);

  // A load or New: the history starts again from the file as it is now.
  void Reset();
  // The file was saved as it is now: this state is the one without unsaved changes. The steps
  // stay, so undo reaches back past the save (and brings the unsaved mark back).
  void MarkSaved() { saved_ = static_cast<std::ptrdiff_t>(position_); }
  bool Modified() const { return saved_ != static_cast<std::ptrdiff_t>(position_); }

  std::size_t Bytes() const { return bytes_; }
  std::size_t StepCount() const { return steps_.size(); }

 private:
  void DropOldest();

  std::deque<FileStep> steps_;
  std::size_t position_ = 0;  // steps before it are done, from it on undone
  std::ptrdiff_t saved_ = 0;  // the position of the saved state; -1 once no step leads back to it
  std::size_t bytes_ = 0;
  std::size_t limit_;
};

}  // namespace tarnwick
