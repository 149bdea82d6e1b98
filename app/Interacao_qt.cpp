#include "app/Interacao_qt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace {

QString Q(const std::string& texto) {
  return QString::fromStdString(texto);
}

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

QString Filtro_qt(const std::string& filtro) {
  const QStringList partes = Q(filtro).split('|');
  QStringList entradas;
  for (int i = 0; i + 1 < partes.size(); i += 2)
    entradas << partes[i].trimmed() + " (" + Padrao_qt(partes[i + 1]) + ")";
  return entradas.join(";;");
}

Resposta Interacao_qt::Caixa_mensagem(const std::string& texto, const std::string& titulo,
                                      Botoes botoes) {
  QMessageBox caixa(QMessageBox::NoIcon, Q(titulo), Q(texto), QMessageBox::NoButton, janela_);
  QPushButton* ok = caixa.addButton("OK", QMessageBox::AcceptRole);
  if (botoes == Botoes::OK_Cancelar) caixa.addButton("Cancelar", QMessageBox::RejectRole);
  caixa.setDefaultButton(ok);
  caixa.exec();
  return caixa.clickedButton() == ok ? Resposta::OK : Resposta::Cancelar;
}

void Interacao_qt::Mensagem_simples(const std::string& texto) {
  Caixa_mensagem(texto, Titulo_aplicacao().toStdString(), Botoes::OK);
}

void Interacao_qt::Caixa_erro(const std::string& texto) {
  QMessageBox caixa(QMessageBox::Critical, Titulo_aplicacao(), Q(texto), QMessageBox::NoButton,
                    janela_);
  caixa.addButton("OK", QMessageBox::AcceptRole);
  caixa.exec();
}

std::optional<std::string> Interacao_qt::Dialogo_arquivo(bool salvar, const std::string& filtro,
                                                         const std::string& extensao_padrao,
                                                         const std::string& inicial) {
  QFileDialog dialogo(janela_);
  dialogo.setOption(QFileDialog::DontUseNativeDialog);
  dialogo.setOption(QFileDialog::DontConfirmOverwrite);  // saving overwrites without a question
  dialogo.setAcceptMode(salvar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialogo.setFileMode(salvar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialogo.setNameFilter(Filtro_qt(filtro));
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
