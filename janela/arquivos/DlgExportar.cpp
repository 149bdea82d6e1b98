#include "janela/arquivos/DlgExportar.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "janela/comum/Texto_qt.h"

TDlgExportar::TDlgExportar(Interacao_janela& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setWindowTitle(Q("Exportar para SIG"));
  auto* formulario = new QFormLayout(this);
  Sistema = new QLineEdit(this);
  Sistema->setPlaceholderText(Q("EPSG:31983, WKT ou vazio"));
  Sistema->setMinimumWidth(260);
  formulario->addRow(Q("Sistema de referência"), Sistema);
  Mundo = new QCheckBox(Q("Arquivo de mundo da imagem escaneada"), this);
  formulario->addRow(Mundo);
  Geotiff =
      new QCheckBox(Q("GeoTIFF da imagem voltada para o norte (.tif ao lado dos pontos)"), this);
  formulario->addRow(Geotiff);
  Qgis = new QCheckBox(
      Q("Estilo para o QGIS (.qml) e, com o arquivo de mundo, os pontos de controle (.points)"),
      this);
  formulario->addRow(Qgis);
  auto* botoes = new QDialogButtonBox(this);
  OKBtn = botoes->addButton(Q("Exportar"), QDialogButtonBox::AcceptRole);
  CancelBtn = botoes->addButton(Q("Cancelar"), QDialogButtonBox::RejectRole);
  formulario->addRow(botoes);
  connect(botoes, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(botoes, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<Escolha_exportar> TDlgExportar::Pedir() {
  if (ui_.Exibir_modal(*this) != QDialog::Accepted) return std::nullopt;
  return Escolha_exportar{Sistema->text().trimmed().toStdString(), Mundo->isChecked(),
                          Geotiff->isChecked(), Qgis->isChecked()};
}
