#include "janela/principal/Cartavel.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>

#include "janela/comum/Fonte_formularios.h"
#include "janela/comum/Imagem.h"
#include "janela/comum/Texto_qt.h"
#include "nucleo/base/Protegido.h"

TForm1::TForm1(Interacao& interacao) : ui(interacao) {
  setWindowTitle(Q("Mapirel"));
  setFont(Fonte_formularios());
  setGeometry(229, 157, 837, 659);
  Criar_componentes();
  Criar_menus();
  Criar_barra_de_estado();
  Estado_inicial();
}

TForm1::~TForm1() = default;

void TForm1::Criar_componentes() {
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setWidgetResizable(false);
  ScrollBox1->resize(829, 586);
  Image1 = new TImagem(ScrollBox1);
  Image1->resize(Tamanho_inicial.Largura_imagem, Tamanho_inicial.Altura_imagem);
  ScrollBox1->setWidget(Image1);
  setCentralWidget(ScrollBox1);

  Image1->Ao_pressionar = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    Executar([&] { Clique_imagem(b, m, x, y); });
    Atualizar_vista_geral();
  };
  Image1->Ao_mover = [this](Qt::MouseButton, Qt::KeyboardModifiers m, int x, int y) {
    Executar([&] { Image1MouseMove(m, x, y); });
  };
  Image1->Ao_soltar = [this](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
    Executar([&] { Image1MouseUp(b, m, x, y); });
  };
  // The window's wheel and key handlers replace the scroll area's own wheel and key
  // scrolling, over the picture and over the scroll bars alike; elsewhere in the window
  // the wheel reaches wheelEvent and the keys keyPressEvent.
  const QList<QWidget*> partes{ScrollBox1, ScrollBox1->viewport(),
                               ScrollBox1->horizontalScrollBar(), ScrollBox1->verticalScrollBar()};
  for (QWidget* parte : partes) parte->installEventFilter(this);
}

QAction* TForm1::Comando(QMenu* menu, const char* texto, void (TForm1::*handler)(),
                         QAction* menu_topo) {
  QAction* item = menu->addAction(Q(texto));
  connect(item, &QAction::triggered, this, [this, item, handler, menu_topo](bool marcado) {
    // The check mark belongs to the commands, not to the click: undo Qt's toggle.
    if (item->isCheckable()) item->setChecked(!marcado);
    // A shortcut must not reach an item whose menu is unavailable.
    if (!item->isEnabled() || (menu_topo && !menu_topo->isEnabled())) return;
    Executar([&] { (this->*handler)(); });
    Atualizar_vista_geral();
  });
  return item;
}

void TForm1::Criar_menus() {
  QMenuBar* barra = menuBar();
  Criar_menu_arquivo(barra->addMenu(Q("Arquivo")));

  QMenu* orientacao = barra->addMenu(Q("Orientação"));
  Orientacao1 = orientacao->menuAction();
  Coord_de_carta =
      Comando(orientacao, "Ler coord. de  carta", &TForm1::Coord_de_cartaClick, Orientacao1);
  Coord_de_imagem =
      Comando(orientacao, "Digit. coord. imagem", &TForm1::Coord_de_imagemClick, Orientacao1);
  Ajustar = Comando(orientacao, "Calcular orientação", &TForm1::AjustarClick, Orientacao1);

  Criar_menu_digitalizar(barra->addMenu(Q("Digitalizar")));

  QMenu* operacoes = barra->addMenu(Q("Operacoes"));
  Operacoes1 = operacoes->menuAction();
  Polig_convex1 = Comando(operacoes, "Polig. convexo", &TForm1::Polig_convex1Click, Operacoes1);
  Represpolconv1 = Comando(operacoes, "Rep. p convexo", &TForm1::Represpolconv1Click, Operacoes1);

  QMenu* dados = barra->addMenu(Q("Dados"));
  Dados1 = dados->menuAction();
  Inspecionar1 = Comando(dados, "Inspecionar", &TForm1::Inspecionar1Click, Dados1);

  QMenu* exibir = barra->addMenu(Q("Exibir"));
  Exibir1 = exibir->menuAction();
  Vista_geral1 = Comando(exibir, "Vista geral", &TForm1::Vista_geral1Click, Exibir1);
  Lupa1 = Comando(exibir, "Lupa", &TForm1::Lupa1Click, Exibir1);

  // "Ajuda" is a command on the bar itself; the version label does nothing.
  Ajuda1 = barra->addAction(Q("Ajuda"));
  connect(Ajuda1, &QAction::triggered, this, [this] { Executar([this] { Ajuda1Click(); }); });
  v1 = barra->addAction(Q("          v.1.45"));

  // Only the items that commands ever check carry a check mark's place: the style draws
  // an empty box before every checkable item.
  for (QAction* item : {Abririmagem, Abrirdados1, Coord_de_carta, Coord_de_imagem, Ajustar,
                        Altitudes1, Profundidades1, Vista_geral1, Lupa1})
    item->setCheckable(true);
}

void TForm1::Criar_menu_arquivo(QMenu* arquivo) {
  Arquivo1 = arquivo->menuAction();
  Abririmagem = Comando(arquivo, "Abrir imagem", &TForm1::AbririmagemClick, Arquivo1);
  Abrirdados1 = Comando(arquivo, "Abrir dados", &TForm1::Abrirdados1Click, Arquivo1);
  Homogeneizar1 = Comando(arquivo, "Concatenar dados", &TForm1::Homogeneizar1Click, Arquivo1);
  Homogeneizar1->setToolTip(Q("Concatenar arquivos de uma mesma carta"));
  arquivo->setToolTipsVisible(true);
  Novadigit1 = Comando(arquivo, "Nova digitalização", &TForm1::Novadigit1Click, Arquivo1);
  Salvar1 = Comando(arquivo, "Salvar", &TForm1::Salvar1Click, Arquivo1);
  Exportar1 = Comando(arquivo, "Exportar para SIG...", &TForm1::Exportar1Click, Arquivo1);
  connect(arquivo, &QMenu::aboutToShow, this, [this] {
    Exportar1->setEnabled(Orientacao_em_vigor(trabalho) && !trabalho.Lista_pontos.Vazia());
  });
  Sair1 = Comando(arquivo, "Sair", &TForm1::Sair1Click, Arquivo1);
}

void TForm1::Criar_menu_digitalizar(QMenu* digitalizar) {
  Digitalizar2 = digitalizar->menuAction();
  QMenu* pontos = digitalizar->addMenu(Q("Pontos"));
  Pontos1 = pontos->menuAction();
  connect(pontos, &QMenu::aboutToShow, this, [this] { Executar([this] { Pontos1Click(); }); });
  Altitudes1 = Comando(pontos, "Altitudes", &TForm1::Altitudes1Click, Digitalizar2);
  Profundidades1 = Comando(pontos, "Profundidades", &TForm1::Profundidades1Click, Digitalizar2);
  Linhas1 = digitalizar->addAction(Q("Linhas"));
  Linhas1->setVisible(false);
  Desfazer1 = Comando(digitalizar, "Desfazer", &TForm1::Desfazer1Click, Digitalizar2);
  Desfazer1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  Parardigit1 =
      Comando(digitalizar, "Parar digitalização", &TForm1::Parardigit1Click, Digitalizar2);
}

void TForm1::Criar_barra_de_estado() {
  statusBar()->setFont(font());  // the platform gives status bars a font of their own
  const int larguras[7] = {70, 70, 110, 112, 140, 80, 0};
  const char* textos[7] = {" Xt =", " Yt =", " E =", " N =", " Escala 1 / ", "Ptos =", ""};
  for (int i = 0; i < 7; ++i) {
    auto* painel = new QLabel(Q(textos[i]), statusBar());
    painel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A width is a minimum: a text longer than its panel (a large scale denominator,
    // a wide coordinate) widens it rather than being cut.
    if (larguras[i] > 0) painel->setMinimumWidth(larguras[i]);
    statusBar()->addWidget(painel, larguras[i] > 0 ? 0 : 1);  // the last one takes the rest
    Paineis[i] = painel;
  }
  statusBar()->setFixedHeight(19);
}

// The job starts as a new Trabalho; this is the window's side of the start.
void TForm1::Estado_inicial() {
  Raio_marca = {5, 5};
  for (QAction* item :
       {Novadigit1, Orientacao1, Coord_de_carta, Coord_de_imagem, Digitalizar2, Ajustar})
    item->setEnabled(false);
  Imagem_aberta = false;
  Funcao_corrente("NENHUMA ");
  Salvar1->setEnabled(false);
  Exportar1->setEnabled(false);
  Definir_cursor(Cursor_imagem::Padrao);
  for (QAction* item : {Operacoes1, Dados1, Parardigit1, Exibir1}) item->setEnabled(false);
  Tamanho_inicial = Tamanhos_iniciais{};
}

void TForm1::Funcao_corrente(const std::string& texto) {
  Escrever_painel(6, " Função corrente: " + texto);
}

void TForm1::Escrever_painel(int painel, const std::string& texto) {
  Paineis.at(painel)->setText(Q(texto));
}

std::string TForm1::Painel(int painel) const {
  return Paineis.at(painel)->text().toStdString();
}

void TForm1::Definir_cursor(Cursor_imagem cursor) {
  Cursor_atual = cursor;
  switch (cursor) {
    case Cursor_imagem::Padrao:
      Image1->unsetCursor();
      break;
    case Cursor_imagem::Cruz:
      Image1->setCursor(Qt::CrossCursor);
      break;
    case Cursor_imagem::Mao:
      Image1->setCursor(Qt::PointingHandCursor);
      break;
    case Cursor_imagem::Seta:
      Image1->setCursor(Qt::ArrowCursor);
      break;
  }
}

void TForm1::Executar(const std::function<void()>& comando) {
  Protegido(ui, comando);
}

bool TForm1::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::Wheel) {
    wheelEvent(static_cast<QWheelEvent*>(evento));
    return true;
  }
  if (evento->type() == QEvent::KeyPress) {
    bool rolou = false;
    const int tecla = static_cast<QKeyEvent*>(evento)->key();
    Executar([&] { rolou = Rolar_por_tecla(tecla); });
    return rolou;
  }
  return QMainWindow::eventFilter(objeto, evento);
}

void TForm1::wheelEvent(QWheelEvent* roda) {
  roda->accept();
  // Only the sign of the vertical turn counts. A horizontal wheel, or the zero-delta
  // event that ends a touchpad gesture, does not scroll at all. Some platforms turn a
  // vertical wheel held with Shift into a horizontal one: that is still Shift + wheel.
  const Qt::KeyboardModifiers modificadores = roda->modifiers();
  const QPoint giro = roda->angleDelta();
  const int delta = giro.y() != 0 || !(modificadores & Qt::ShiftModifier) ? giro.y() : giro.x();
  if (delta == 0) return;
  Executar([&] { Rolar_imagem(modificadores, delta); });
}

void TForm1::keyPressEvent(QKeyEvent* tecla) {
  bool rolou = false;
  Executar([&] { rolou = Rolar_por_tecla(tecla->key()); });
  if (!rolou) QMainWindow::keyPressEvent(tecla);
}
