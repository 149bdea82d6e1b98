#pragma once
// The main window: it owns the job (nucleo/trabalho/Trabalho.h), its menus, status bar
// and image view, and the state of the view. Each command handler is defined in the
// window folder of the subject that owns the command (janela/orientacao/, digitalizacao/,
// arquivos/, poligono/, inspecao/).

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "janela/comum/Cursor_imagem.h"
#include "janela/comum/Marcacao.h"  // Par_inteiro
#include "nucleo/base/Interacao.h"
#include "nucleo/base/Registros.h"
#include "nucleo/orientacao/Escala.h"
#include "nucleo/trabalho/Trabalho.h"

// The sizes to which a reset returns the window and the image control.
struct Tamanhos_iniciais {
  int32_t Largura_janela = 829;
  int32_t Altura_janela = 605;
  int32_t Largura_imagem = 809;
  int32_t Altura_imagem = 585;
};

class QAction;
class QLabel;
class QMenu;
class QScrollArea;
class TImagem;
class TLupa;
class TVista_geral;
class TOKBottomDlg;
class TOKRightDlg1;
class TOKRightDlg;
class TForm2;
class TDlgExportar;

// The window holds the job: a bare field name in a window file is the view's own state
// (Raio_marca, Imagem_aberta), the job's fields are reached through `trabalho`.
class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm1(Interacao& ui);
  ~TForm1() override;

  // ---- Components -------------------------------------------------------------
  QScrollArea* ScrollBox1 = nullptr;
  TImagem* Image1 = nullptr;
  std::array<QLabel*, 7> Paineis{};  // StatusBar1's panels, numbered from 0

  // Menu items: a top-level menu is its QMenu's menuAction().
  QAction* Arquivo1 = nullptr;
  QAction* Abririmagem = nullptr;
  QAction* Abrirdados1 = nullptr;
  QAction* Homogeneizar1 = nullptr;
  QAction* Novadigit1 = nullptr;
  QAction* Salvar1 = nullptr;
  QAction* Exportar1 = nullptr;  // available once the job has an orientation and points
  QAction* Sair1 = nullptr;
  QAction* Orientacao1 = nullptr;
  QAction* Coord_de_carta = nullptr;
  QAction* Coord_de_imagem = nullptr;
  QAction* Ajustar = nullptr;
  QAction* Digitalizar2 = nullptr;
  QAction* Pontos1 = nullptr;
  QAction* Altitudes1 = nullptr;
  QAction* Profundidades1 = nullptr;
  QAction* Linhas1 = nullptr;
  QAction* Desfazer1 = nullptr;
  QAction* Parardigit1 = nullptr;
  QAction* Operacoes1 = nullptr;
  QAction* Polig_convex1 = nullptr;
  QAction* Represpolconv1 = nullptr;
  QAction* Dados1 = nullptr;
  QAction* Inspecionar1 = nullptr;
  QAction* Exibir1 = nullptr;
  QAction* Vista_geral1 = nullptr;
  QAction* Lupa1 = nullptr;
  QAction* Ajuda1 = nullptr;
  QAction* v1 = nullptr;

  // The dialogs created at start-up after this window (see Programa.h).
  TOKBottomDlg* OKBottomDlg = nullptr;
  TOKRightDlg1* OKRightDlg1 = nullptr;
  TOKRightDlg* OKRightDlg = nullptr;
  TForm2* Form2 = nullptr;
  TDlgExportar* DlgExportar = nullptr;

  // The tool windows of "Exibir", created when first shown.
  TVista_geral* Vista_geral = nullptr;
  TLupa* Lupa = nullptr;

  Trabalho trabalho;

  // ---- State of the view -----------------------------------------------------
  Par_inteiro Origem_arraste;
  Tamanhos_iniciais Tamanho_inicial;
  Par_inteiro Raio_marca{5, 5};
  bool Imagem_aberta = false;
  Cursor_imagem Cursor_atual = Cursor_imagem::Padrao;

  Interacao& ui;

  // ---- Event handlers ---------------------------------------------------------
  void Image1MouseMove(Qt::KeyboardModifiers shift, int X, int Y);
  void AbririmagemClick();
  void Sair1Click();
  void Coord_de_cartaClick();
  void Clique_imagem(Qt::MouseButton botao, Qt::KeyboardModifiers shift, int X, int Y);
  void AjustarClick();
  void Coord_de_imagemClick();
  void Pontos1Click();
  void Salvar1Click();
  void Exportar1Click();
  void Abrirdados1Click();
  void Altitudes1Click();
  void Profundidades1Click();
  void Homogeneizar1Click();
  void Ajuda1Click();
  void Desfazer1Click();
  // With Shift held the wheel scrolls sideways, by 5 % of the window's outer width.
  void Rolar_imagem(Qt::KeyboardModifiers shift, int delta);
  void Image1MouseUp(Qt::MouseButton botao, Qt::KeyboardModifiers shift, int X, int Y);
  void Polig_convex1Click();
  void Represpolconv1Click();
  void Inspecionar1Click();
  void Novadigit1Click();
  void Parardigit1Click();
  void Vista_geral1Click();
  void Lupa1Click();

  // ---- Routines shared between commands ---------------------------------------
  // janela/principal/
  void Carregar_imagem();
  void Reiniciar();
  void Funcao_corrente(const std::string& texto);  // panel 6: " Função corrente: " + texto
  void Escrever_painel(int painel, const std::string& texto);
  std::string Painel(int painel) const;
  void Definir_cursor(Cursor_imagem cursor);
  // Paints a point marker into the raster: a filled ellipse in the given colour inside
  // the rectangle (x1, y1)-(x2, y2), repainting only that rectangle.
  void Marcar(int x1, int y1, int x2, int y2, uint32_t cor_rgb);
  void Marcar_ponto(double x, double y, uint32_t cor_rgb);  // the Raio_marca rectangle
  // Runs a handler as every entry from Qt does: an Erro ends it with the error box.
  void Executar(const std::function<void()>& comando);
  // Arrows, Page Up/Down, Home and End scroll the view as in every viewer; false for
  // any other key.
  bool Rolar_por_tecla(int tecla);

  // janela/navegacao/
  // After a command, a click or a new picture: the overview, if shown, draws the job anew.
  void Atualizar_vista_geral(bool nova_figura = false);

  // janela/orientacao/
  void Mostrar_escala(const Escala_aprox& escala);  // the scale panel
  void Associar_ponto_controle(int X, int Y);

  // janela/digitalizacao/
  void Digitalizar_ponto(int X, int Y);

  // janela/arquivos/
  void Ordenar_vertices_lidos();  // the vertex list put in order, announced on panel 6

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;
  void wheelEvent(QWheelEvent* roda) override;
  void keyPressEvent(QKeyEvent* tecla) override;

 private:
  void Criar_componentes();
  void Criar_menus();
  void Criar_menu_arquivo(QMenu* arquivo);
  void Criar_menu_digitalizar(QMenu* digitalizar);
  void Criar_barra_de_estado();
  void Estado_inicial();
  QAction* Comando(QMenu* menu, const char* texto, void (TForm1::*handler)(), QAction* menu_topo);
};

// Colours of the point markers, as 0xRRGGBB.
namespace Cor_marca {
constexpr uint32_t Azul = 0x0000FF;
constexpr uint32_t Vermelho = 0xFF0000;
constexpr uint32_t Verde = 0x008000;
constexpr uint32_t Amarelo = 0xFFFF00;
}  // namespace Cor_marca
