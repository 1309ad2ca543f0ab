#pragma once
// The cell inspector: a read-only tool window showing one cell of the world,
// its row and column, each plant in it (display name, mass) and each animal
// (display name and its state). It keeps only the cell's coordinates and
// reads the ecosystem afresh on every refresh: a step, a build, a shrink or
// a new ecosystem may destroy the individuals and the cells it showed. A cell
// no longer on the grid, and any new ecosystem, clear it.

#include <QWidget>
#include <cstdint>
#include <optional>

class QLabel;
class QTableWidget;

namespace zelvaris {

class TAlkalmazasKornyezet;
class TNyelviTabla;
class TOkoszisztema;

class TForm_CellaVizsgalo : public QWidget {
  Q_OBJECT

 public:
  struct TCella {
    int32_t Sor;
    int32_t Oszlop;
    bool operator==(const TCella&) const = default;
  };

  explicit TForm_CellaVizsgalo(TAlkalmazasKornyezet& kornyezet, QWidget* szulo = nullptr);

  void SzovegekAlkalmazasa(const TNyelviTabla& tabla);

  // Shows the window on this cell.
  void Megnyitas(TCella cella);
  // Reads the cell again; does nothing while the window is hidden.
  void Frissites();
  // Forgets the cell and empties the window.
  void Urites();

  const std::optional<TCella>& Cella() const { return cella_; }
  QTableWidget& Novenyek() const { return *novenyek_; }
  QTableWidget& Allatok() const { return *allatok_; }

 private:
  void Kitoltes(const TOkoszisztema& oko);

  TAlkalmazasKornyezet& kornyezet_;
  std::optional<TCella> cella_;
  QLabel* lblSor_;
  QLabel* lblOszlop_;
  QLabel* sor_;
  QLabel* oszlop_;
  QLabel* lblNovenyek_;
  QLabel* lblAllatok_;
  QTableWidget* novenyek_;
  QTableWidget* allatok_;
};

}  // namespace zelvaris
