#pragma once
// Holds an ecosystem's drawing back while a file's values go into it, so that
// the setters of colour and display flags, which redraw the map, draw nothing
// meanwhile. When the pause ends the map is redrawn once if something visible
// changed and drawing is on again.

namespace zelvaris {

class TOkoszisztema;

class TRajzolasSzunet {
 public:
  // Drawing resumes as it was before the pause. A null ecosystem: no pause.
  explicit TRajzolasSzunet(TOkoszisztema* oko);
  // Drawing resumes switched on or off as `utana` says.
  TRajzolasSzunet(TOkoszisztema* oko, bool utana);
  ~TRajzolasSzunet();
  TRajzolasSzunet(const TRajzolasSzunet&) = delete;
  TRajzolasSzunet& operator=(const TRajzolasSzunet&) = delete;

  // Something visible changed: the map is redrawn when the pause ends.
  void Valtozas() { valtozott_ = true; }

 private:
  TOkoszisztema* oko_;
  bool utana_ = false;
  bool valtozott_ = false;
};

}  // namespace zelvaris
