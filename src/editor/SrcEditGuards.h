#pragma once
// Scoped pairs of editor calls, so that locks and groups are closed again
// when an edit fails halfway.

#include "editor/SrcEdit.h"

namespace tessaly {

class TPaintLock {
public:
  explicit TPaintLock(TSrcEdit& editor) : editor_(editor) { editor_.LockPainting(); }
  ~TPaintLock() { editor_.UnlockPainting(); }
  TPaintLock(const TPaintLock&) = delete;
  TPaintLock& operator=(const TPaintLock&) = delete;

private:
  TSrcEdit& editor_;
};

class TUndoSuspension {
public:
  explicit TUndoSuspension(TSrcEdit& editor) : editor_(editor) { editor_.SuspendUndo(); }
  ~TUndoSuspension() { editor_.ResumeUndo(); }
  TUndoSuspension(const TUndoSuspension&) = delete;
  TUndoSuspension& operator=(const TUndoSuspension&) = delete;

private:
  TSrcEdit& editor_;
};

class TUndoGroup {
public:
  explicit TUndoGroup(TSrcEdit& editor) : editor_(editor) { editor_.BeginUndoGroup(); }
  ~TUndoGroup() { editor_.EndUndoGroup(); }
  TUndoGroup(const TUndoGroup&) = delete;
  TUndoGroup& operator=(const TUndoGroup&) = delete;

private:
  TSrcEdit& editor_;
};

class TLinesUpdate {
public:
  explicit TLinesUpdate(TSrcEditStringList& lines) : lines_(lines) { lines_.BeginUpdate(); }
  ~TLinesUpdate() { lines_.EndUpdate(); }
  TLinesUpdate(const TLinesUpdate&) = delete;
  TLinesUpdate& operator=(const TLinesUpdate&) = delete;

private:
  TSrcEditStringList& lines_;
};

// Reports the line buffer's changes as the user's while an editing entry
// point runs.
class TUserLinesChange {
public:
  explicit TUserLinesChange(TSrcEditStringList& lines) : lines_(lines) { lines_.BeginUserChange(); }
  ~TUserLinesChange() { lines_.EndUserChange(); }
  TUserLinesChange(const TUserLinesChange&) = delete;
  TUserLinesChange& operator=(const TUserLinesChange&) = delete;

private:
  TSrcEditStringList& lines_;
};

// Keeps eoScrollPastEol on while the caret must stand beyond a line end.
class TPastEolScope {
public:
  explicit TPastEolScope(TSrcEdit& editor) : editor_(editor), saved_(editor.options_.Has(eoScrollPastEol)) {
    editor_.options_.Include(eoScrollPastEol);
  }
  ~TPastEolScope() { editor_.EndPastEol(saved_); }
  TPastEolScope(const TPastEolScope&) = delete;
  TPastEolScope& operator=(const TPastEolScope&) = delete;

private:
  TSrcEdit& editor_;
  bool saved_;
};

}  // namespace tessaly
