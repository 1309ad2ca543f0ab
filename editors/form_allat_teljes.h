#pragma once
// The all-animals window ("Összes állat"): a names column and one panel per
// animal species, in Id order. It follows the species through the push hub
// like every other view, although no action shows it. Its texts are always
// the built-in ones.

#include <QWidget>
#include <cstdint>
#include <vector>

class QScrollArea;

namespace zelvaris {

class TAlkalmazasKornyezet;
class TAllatPanel;

class TForm_Allat_Teljes : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kNevekSzelesseg = 112;

  explicit TForm_Allat_Teljes(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr);

  int PanelekSzama() const { return static_cast<int>(panelek_.size()); }
  TAllatPanel& Panel(int i) const { return *panelek_.at(static_cast<size_t>(i)); }

  // A panel for the next animal species, filled from it.
  void PanelHozzaadas();
  // A new ecosystem: every panel goes and the window is as narrow as it gets.
  void Torles();

 private:
  TAllatPanel* PanelId(int32_t id) const;
  int ElerhetoSzelesseg() const;

  TAlkalmazasKornyezet& kornyezet_;
  QScrollArea* gorgeto_;
  QWidget* tarto_;
  std::vector<TAllatPanel*> panelek_;  // children of tarto_
};

}  // namespace zelvaris
