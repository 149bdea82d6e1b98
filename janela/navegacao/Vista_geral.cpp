#include "janela/navegacao/Vista_geral.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>

#include "janela/comum/Texto_qt.h"
#include "janela/principal/Cartavel.h"
#include "nucleo/navegacao/Vista_geral_calculo.h"
#include "nucleo/orientacao/Ajustamento.h"

namespace {

// The part the main view shows: orange, unlike any point marker.
const QColor Cor_visivel(255, 128, 0);

}  // namespace

TVista_geral::TVista_geral(TForm1& form) : QWidget(&form, Qt::Tool), form_(form) {
  setWindowTitle(Q("Vista geral"));
  resize(300, 400);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Every scroll, whatever moved it, moves the rectangle; nothing else is redrawn.
  for (QScrollBar* barra :
       {form.ScrollBox1->horizontalScrollBar(), form.ScrollBox1->verticalScrollBar()}) {
    connect(barra, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(barra, &QScrollBar::rangeChanged, this, qOverload<>(&QWidget::update));
  }
}

void TVista_geral::Trocar_figura(const QImage& reduzida, QSize folha) {
  reduzida_ = reduzida;
  folha_ = folha;
  // The window takes the sheet's shape, its longer side kept, so that none of it is blank.
  const int lado = std::max(width(), height());
  if (!folha.isEmpty()) resize(folha.scaled(lado, lado, Qt::KeepAspectRatio).expandedTo({80, 80}));
  Escalar();
}

// Qt's smooth scaling averages areas when it reduces: the reduced copy is already an
// area average, so the overview is one too.
void TVista_geral::Escalar() {
  if (reduzida_.isNull()) return void(escalada_ = {});
  const Mapa_vista_geral mapa(folha_.width(), folha_.height(), width(), height());
  const QSize tamanho(std::max(1, int(std::lround(folha_.width() * mapa.Escala()))),
                      std::max(1, int(std::lround(folha_.height() * mapa.Escala()))));
  escalada_ = reduzida_.scaled(tamanho, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  Redesenhar_trabalho();
}

void TVista_geral::resizeEvent(QResizeEvent*) {
  Escalar();
}

// The job is drawn once over a copy of the picture, so that a scroll repaints only that
// copy and the rectangle.
void TVista_geral::Redesenhar_trabalho() {
  composta_ = escalada_.copy();
  exagero_ = 0;
  if (!composta_.isNull()) {
    const Mapa_vista_geral mapa(folha_.width(), folha_.height(), width(), height());
    QPainter pintor(&composta_);
    pintor.setRenderHint(QPainter::Antialiasing);
    Desenhar_pontos(pintor, mapa.Escala());
    Desenhar_residuos(pintor, mapa.Escala());
  }
  update();
}

void TVista_geral::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.drawImage(0, 0, composta_);
  const QRegion fora = QRegion(rect()).subtracted(QRegion(composta_.rect()));
  for (const QRect& r : fora) pintor.fillRect(r, palette().color(QPalette::Window));
  if (composta_.isNull()) return;
  const Mapa_vista_geral mapa(folha_.width(), folha_.height(), width(), height());
  const QWidget* vista = form_.ScrollBox1->viewport();
  const Retangulo_vista r =
      mapa.Visivel(form_.ScrollBox1->horizontalScrollBar()->value(),
                   form_.ScrollBox1->verticalScrollBar()->value(), vista->width(), vista->height());
  pintor.setPen(QPen(Cor_visivel, 2));
  pintor.setBrush(Qt::NoBrush);
  pintor.drawRect(QRectF(r.x, r.y, r.largura, r.altura));
}

// Digitized points red, the limit polygon black in its vertices' order, control points blue.
void TVista_geral::Desenhar_pontos(QPainter& pintor, double escala) {
  const auto discos = [&](const auto& lista, QColor cor) {
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(cor);
    for (const auto& p : lista) pintor.drawEllipse(QPointF(p.x * escala, p.y * escala), 2.5, 2.5);
  };
  discos(form_.trabalho.Lista_pontos, Qt::red);
  QPolygonF poligono;
  for (const Vertice_pconv& v : form_.trabalho.Lista_pconv)
    if (v.Indice >= 0 && v.Indice < form_.trabalho.Lista_pontos.Quantidade()) {
      const Ponto_digitalizado& p = form_.trabalho.Lista_pontos.Item(v.Indice);
      poligono << QPointF(p.x * escala, p.y * escala);
    }
  if (poligono.size() >= 2) {
    pintor.setPen(QPen(Qt::black, 1.5));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawPolygon(poligono);
  }
  discos(*form_.trabalho.OLista_coord, Qt::blue);
}

// Once the orientation is computed, each control point's residual, exaggerated so that
// the longest is a twentieth of the sheet, and the factor written in a corner.
void TVista_geral::Desenhar_residuos(QPainter& pintor, double escala) {
  const Lista<Ponto_orientacao>& lista = *form_.trabalho.OLista_coord;
  if (!form_.trabalho.Coef_orientacao || lista.Quantidade() < 3 ||
      form_.trabalho.Pontos_associados < lista.Quantidade())
    return;
  const std::vector<Ponto_orientacao> pontos(lista.begin(), lista.end());
  const Coeficientes& coef = *form_.trabalho.Coef_orientacao;
  double maior = 0;
  for (const Vetor_residuo& v : Vetores_residuos(pontos, coef, 1))
    maior = std::max(maior, std::hypot(v.fim.x - v.inicio.x, v.fim.y - v.inicio.y));
  exagero_ = Exagero_residuos(maior, std::max(folha_.width(), folha_.height()));
  pintor.setPen(QPen(Qt::blue, 2));
  for (const Vetor_residuo& v : Vetores_residuos(pontos, coef, exagero_))
    pintor.drawLine(
        QLineF(v.inicio.x * escala, v.inicio.y * escala, v.fim.x * escala, v.fim.y * escala));
  const QString legenda = Q("resíduos × %1").arg(exagero_);
  const QRect caixa = pintor.fontMetrics().boundingRect(legenda).adjusted(-3, -2, 3, 2);
  const QRect lugar =
      caixa.translated(4 - caixa.left(), pintor.device()->height() - 4 - caixa.bottom());
  pintor.fillRect(lugar, QColor(255, 255, 255, 220));
  pintor.setPen(Qt::blue);
  pintor.drawText(lugar, Qt::AlignCenter, legenda);
}

void TVista_geral::mousePressEvent(QMouseEvent* evento) {
  const QPoint ponto = evento->position().toPoint();
  if (evento->button() == Qt::LeftButton) form_.Executar([&] { Ir_para(ponto); });
}

void TVista_geral::mouseMoveEvent(QMouseEvent* evento) {
  const QPoint ponto = evento->position().toPoint();
  if (evento->buttons() & Qt::LeftButton) form_.Executar([&] { Ir_para(ponto); });
}

void TVista_geral::hideEvent(QHideEvent*) {
  form_.Vista_geral1->setChecked(false);
}

void TVista_geral::Ir_para(QPoint ponto) {
  if (escalada_.isNull()) return;
  const Mapa_vista_geral mapa(folha_.width(), folha_.height(), width(), height());
  const QWidget* vista = form_.ScrollBox1->viewport();
  const Ponto_vista rolagem =
      mapa.Rolagem_centrada(ponto.x(), ponto.y(), vista->width(), vista->height());
  form_.ScrollBox1->horizontalScrollBar()->setValue(int(rolagem.x));
  form_.ScrollBox1->verticalScrollBar()->setValue(int(rolagem.y));
}
