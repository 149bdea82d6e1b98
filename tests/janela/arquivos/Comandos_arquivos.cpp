#include "tests/janela/arquivos/Comandos_arquivos.h"

#include <sys/stat.h>

#include <QImage>

#include "nucleo/arquivos/Formato_reserva.h"

void Comandos_arquivos::SetUp() {
  ASSERT_TRUE(pasta.isValid());
  // Open to everyone, so that Como_usuario_comum still reaches the folders inside.
  ::chmod(pasta.path().toStdString().c_str(), 0755);
}

std::string Comandos_arquivos::Caminho(const std::string& nome) const {
  return pasta.path().toStdString() + "/" + nome;
}

std::string Comandos_arquivos::Figura(const std::string& nome, int largura, int altura) const {
  QImage figura(largura, altura, QImage::Format_RGB32);
  figura.fill(Qt::white);
  const std::string caminho = Caminho(nome);
  EXPECT_TRUE(figura.save(QString::fromStdString(caminho), "BMP"));
  return caminho;
}

void Comandos_arquivos::Orientar_exemplo() {
  Form1.trabalho.Nome_arquivo = Figura("mapa.bmp");
  Form1.Carregar_imagem();
  *Form1.trabalho.OLista_coord = Controles_exemplo();
  Form1.trabalho.Coef_orientacao = Coef_exemplo;
  Form1.trabalho.Coord_carta_lidas = Form1.trabalho.Orientada =
      Form1.trabalho.Digitalizacao_liberada = true;
  Form1.Salvar1->setEnabled(true);
  Form1.trabalho.Modo_clique = 1;
  Form1.Definir_cursor(Cursor_imagem::Cruz);
}

Lista<Ponto_orientacao> Controles_exemplo() {
  return Lista_de({Controle(101, 100, 300, 100, 100), Controle(102, 200, 300, 500, 100),
                   Controle(103, 200, 200, 500, 500), Controle(104, 100, 200, 100, 500)});
}

Ponto_digitalizado Ponto_clicado(int numero, int x, int y, double h, int marca) {
  return Ponto(numero, Coef_exemplo.Este(x, y), Coef_exemplo.Norte(x, y), h, x, y, marca);
}

void Comandos_arquivos::Digitalizar_pontos(int quantos) {
  for (int i = 0; i < quantos; ++i) {
    const int n = Form1.trabalho.Proximo_ponto++;
    Form1.trabalho.Lista_pontos.Acrescentar(
        Ponto_clicado(n, 20 + (n * 37) % 560, 20 + (n * 53) % 560, n * 1.25 - 7));
  }
}

std::string Comandos_arquivos::Reserva(const std::string& nome,
                                       const Lista<Ponto_digitalizado>& pontos) const {
  const auto controle = Controles_exemplo();
  const std::string caminho = Caminho(nome);
  Gravar_conteudo(caminho, Conteudo_escrito([&](std::FILE* f) {
                    Escrever_reserva(f, Caminho("mapa.bmp"), controle, Coef_exemplo, pontos);
                  }));
  return caminho;
}

Lista<Ponto_digitalizado> Comandos_arquivos::Pontos_numerados(int primeiro, int quantos) {
  Lista<Ponto_digitalizado> pontos;
  for (int i = 0; i < quantos; ++i)
    pontos.Acrescentar(Ponto_clicado(primeiro + i, 30 + 7 * i, 40 + 3 * i, -(primeiro + i) * 0.75));
  return pontos;
}

std::vector<Caixa> Comandos_arquivos::Caixas() const {
  std::vector<Caixa> caixas;
  for (const auto& caixa : ui.caixas) caixas.emplace_back(caixa.texto, caixa.titulo);
  return caixas;
}

std::vector<std::string> Comandos_arquivos::Linhas_do_arquivo(const std::string& caminho) const {
  std::vector<std::string> linhas;
  const std::string texto = Ler_conteudo(caminho);
  std::size_t inicio = 0;
  for (std::size_t fim; (fim = texto.find('\n', inicio)) != std::string::npos; inicio = fim + 1)
    linhas.push_back(texto.substr(inicio, fim - inicio));
  EXPECT_EQ(inicio, texto.size()) << "the last line of " << caminho << " has no newline";
  return linhas;
}
