#pragma once
// The all-animals window ("Összes állat"): one panel per animal species. Its
// texts are always the built-in ones; the panels come with the species.

#include <QWidget>

namespace zelvaris {

class TForm_Allat_Teljes : public QWidget {
  Q_OBJECT

 public:
  explicit TForm_Allat_Teljes(QWidget* szulo = nullptr);

  // A new ecosystem: every panel goes.
  void PanelekTorlese() {}
};

}  // namespace zelvaris
