#pragma once
// What the new-species and all-animals tests share: every window that lists
// species (each follows the push hub by itself), a modal interface that
// answers the name dialogs, and a recording drawing sink.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "editors/faj_form_lista.h"
#include "app/faj_kozpont.h"
#include "editors/form_allat_teljes.h"
#include "editors/form_uj_allat.h"
#include "editors/form_uj_noveny.h"
#include "editors/szerkeszto_spin.h"
#include "editors/uj_faj.h"
#include "monitors/form_goc.h"
#include "monitors/form_kijelzes.h"
#include "monitors/form_permetek.h"
#include "tests/teszt_modalis.h"

namespace zelvaris::teszt {

// Types `nev` into the dialog's name field and presses OK.
inline std::function<int(QDialog&)> NevvelOk(const QString& nev) {
  return [nev](QDialog& d) {
    d.findChild<QLineEdit*>(QStringLiteral("E_UjNev"))->setText(nev);
    return int(QDialog::Accepted);
  };
}

class TFelvevo : public TRajzolo {
 public:
  int Menetek = 0;
  void KepekUjraepitese(int64_t, bool) override {}
  void RajzolasKezdete(bool) override { ++Menetek; }
  void RajzolasVege() override {}
  void TerkepPont(int64_t, int64_t, TSzin) override {}
  void NagyitoNegyzet(int32_t, int32_t, TSzin, bool, int32_t, TSzin) override {}
};

struct TAblakok {
  QTemporaryDir Konyvtar;
  TValaszoloModalis Modalis;
  TAlkalmazasKornyezet K{std::filesystem::path(Konyvtar.path().toStdString()), &Modalis};
  TAllatFormLista Allatok{K};
  TNovenyFormLista Novenyek{K};
  TForm_Allat_Teljes Teljes{K};
  TForm_Goc Goc{K};
  QAction Deg;
  QAction Per;
  TForm_Permetek Permetek{K, &Deg, &Per};
  TForm_Kijelzes Kijelzes{K};
  TForm_UjAllat UjAllatDialogus{K};
  TForm_UjNoveny UjNovenyDialogus{K};
  TMemoriaLekerdezes Memoria;

  TAblakok() {
    // The name dialogs' questions are answered No.
    Modalis.IgenValasz = false;
  }

  TOkoszisztema& Oko() { return K.Okoszisztema(); }
  TFajKozpont& Kozpont() { return K.Kozpont(); }

  std::optional<int32_t> UjAllat(const QString& nev) {
    Modalis.Dialogusok.push_back(NevvelOk(nev));
    return UjAllatFajFelvetele(K, UjAllatDialogus, Allatok, nullptr, Memoria);
  }
  std::optional<int32_t> UjNoveny(const QString& nev) {
    Modalis.Dialogusok.push_back(NevvelOk(nev));
    return UjNovenyFajFelvetele(K, UjNovenyDialogus, Novenyek, nullptr, Memoria);
  }

  QComboBox& GocLista(bool allat) {
    return *Goc.findChild<QComboBox*>(allat ? QStringLiteral("CmB_Allat") : QStringLiteral("CmB_Noveny"));
  }
  QListWidget& Lista(QWidget& ablak, const char* nev) { return *ablak.findChild<QListWidget*>(QString::fromLatin1(nev)); }
};

template <typename T>
T& Vezerlo(QWidget& w, const char* nev) {
  T* v = w.findChild<T*>(QString::fromLatin1(nev));
  if (v == nullptr) qFatal("no control %s", nev);
  return *v;
}

}  // namespace zelvaris::teszt
