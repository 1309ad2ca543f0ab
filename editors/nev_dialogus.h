#pragma once
// The dialog that asks for a new species' name: a label, the name field
// E_UjNev, OK and "Mégsem". The animal and the plant dialog differ only in
// their texts. The field keeps its text from one use to the next. A hidden
// radio group records that every new species opens in an editor of its own;
// it is the only choice the program offers. It takes every language
// that is loaded.

#include <QDialog>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zelvaris {

class TAlkalmazasKornyezet;
class TNyelviTabla;
enum class TNyelviSor;

class TNevDialogus : public QDialog {
  Q_OBJECT

 public:
  QString Nev() const;
  void SetNev(const QString& nev);
  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

 protected:
  // `elotag` is the language-key prefix ("cj", "cl"), `urlap` the window's
  // name ("Form_UjAllat"), `cimke` its label's name ("Lbl_UjAllat").
  TNevDialogus(TAlkalmazasKornyezet& kornyezet, TNyelviSor nyelviSor, std::string_view elotag,
               std::string_view urlap, std::string_view cimke, QWidget* szulo);

  void showEvent(QShowEvent* esemeny) override;

 private:
  std::string elotag_;
  std::string urlap_;
  std::string cimkeNev_;
  QLabel* cimke_;
  QLineEdit* nev_;
  QPushButton* megsem_;
};

}  // namespace zelvaris
