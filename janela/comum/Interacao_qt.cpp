#include "janela/comum/Interacao_qt.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "janela/comum/Caixa_mensagem_qt.h"
#include "janela/comum/Texto_qt.h"

namespace {

QString Titulo_aplicacao() {
  return QApplication::applicationName();
}

QString Padrao_qt(QString padrao) {
  QStringList partes;
  for (QString parte : padrao.split(';', Qt::SkipEmptyParts)) {
    parte = parte.trimmed();
    if (!parte.contains('*') && !parte.contains('?')) parte = "*." + parte;
    partes << parte;
  }
  return partes.join(' ');
}

}  // namespace

void Definir_filtro(QFileDialog& dialogo, const std::string& filtro) {
  const QStringList partes = Q(filtro).split('|');
  QStringList filtros_qt, descricoes;
  for (int i = 0; i + 1 < partes.size(); i += 2) {
    filtros_qt << partes[i] + " (" + Padrao_qt(partes[i + 1]) + ")";
    descricoes << partes[i];
  }
  dialogo.setNameFilters(filtros_qt);
  // The non-native dialog lists the filters in this combo box, by their index.
  if (auto* tipos = dialogo.findChild<QComboBox*>("fileTypeCombo"))
    for (int i = 0; i < tipos->count() && i < descricoes.size(); ++i)
      tipos->setItemText(i, descricoes[i]);
}

Resposta Interacao_qt::Caixa_mensagem(const std::string& texto, const std::string& titulo,
                                      Botoes botoes) {
  Caixa_mensagem_qt caixa(texto, titulo, botoes, janela_);
  caixa.Janela().exec();
  return caixa.Ok_pressionado() ? Resposta::OK : Resposta::Cancelar;
}

void Interacao_qt::Mensagem_simples(const std::string& texto) {
  Caixa_mensagem(texto, Titulo_aplicacao().toStdString(), Botoes::OK);
}

void Interacao_qt::Caixa_erro(const std::string& texto) {
  Caixa_mensagem_qt caixa(texto, Titulo_aplicacao().toStdString(), Botoes::OK, janela_,
                          QMessageBox::Critical);
  caixa.Janela().exec();
}

std::optional<std::string> Interacao_qt::Dialogo_arquivo(bool salvar, const std::string& filtro,
                                                         const std::string& extensao_padrao,
                                                         const std::string& inicial) {
  QFileDialog dialogo(janela_);
  dialogo.setOption(QFileDialog::DontUseNativeDialog);
  dialogo.setOption(QFileDialog::DontConfirmOverwrite);  // saving overwrites without a question
  dialogo.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialogo.setFileMode(salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  Definir_filtro(dialogo, filtro);
  dialogo.setDefaultSuffix(Q(extensao_padrao));
  if (!inicial.empty()) dialogo.selectFile(Q(inicial));
  if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
  return dialogo.selectedFiles().first().toStdString();
}

std::optional<std::string> Interacao_qt::Abrir_figura(const std::string& filtro) {
  auto caminho = Dialogo_arquivo(false, filtro, "", ultima_figura_);
  if (caminho) ultima_figura_ = *caminho;
  return caminho;
}

std::optional<std::string> Interacao_qt::Abrir_arquivo(const std::string& filtro,
                                                       const std::string& extensao_padrao) {
  return Dialogo_arquivo(false, filtro, extensao_padrao, "");
}

std::optional<std::string> Interacao_qt::Salvar_arquivo(const std::string& filtro,
                                                        const std::string& extensao_padrao) {
  // The save dialog offers the last chosen name again.
  auto caminho = Dialogo_arquivo(true, filtro, extensao_padrao, ultimo_salvo_);
  if (caminho) ultimo_salvo_ = *caminho;
  return caminho;
}

int Interacao_qt::Exibir_modal(QDialog& janela) {
  return janela.exec();
}

void Interacao_qt::Bip() {
  QApplication::beep();
}
