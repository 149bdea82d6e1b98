#pragma once
// The export dialog: the reference system of the job's coordinates and what travels with
// the points (the scanned picture's world file, the picture turned north-up, QGIS's style
// and georeferencer points). Created once at start-up.

#include <QDialog>
#include <optional>
#include <string>

#include "janela/comum/Interacao_janela.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

struct Escolha_exportar {
  std::string sistema;   // an EPSG code or WKT; empty for none
  bool mundo = false;    // the picture's world file beside it
  bool geotiff = false;  // the picture turned north-up, beside the points' file as a .tif
  bool qgis = false;     // QGIS's style beside the points; with `mundo`, its .points too
};

class TDlgExportar : public QDialog {
  Q_OBJECT

 public:
  TDlgExportar(Interacao_janela& ui, QWidget* parent);

  // Nothing when the dialog was cancelled. The system typed last time is offered again.
  std::optional<Escolha_exportar> Pedir();

  QLineEdit* Sistema = nullptr;
  QCheckBox* Mundo = nullptr;
  QCheckBox* Geotiff = nullptr;
  QCheckBox* Qgis = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 private:
  Interacao_janela& ui_;
};
