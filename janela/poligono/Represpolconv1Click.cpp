// "Operacoes" -> "Rep. p convexo": lists the limit polygon's vertices and draws it on
// the image.

#include <QPainter>
#include <QPolygon>

#include "janela/comum/Imagem.h"
#include "janela/principal/Cartavel.h"
#include "nucleo/base/Conversao.h"
#include "nucleo/base/Formatacao.h"
#include "nucleo/poligono/Textos_pconv.h"

namespace {

// Joins the vertices in list order and closes the polygon, in the painter's default
// pen: black, one pixel, solid. Every vertex is read before anything is drawn, so a
// position past the end of the point list draws nothing.
void Desenho_pconv(TForm1& f) {
  QPolygon vertices;
  for (const Vertice_pconv& v : f.trabalho.Lista_pconv) {
    const Ponto_digitalizado& ponto = f.trabalho.Lista_pontos.Item(v.Indice);
    vertices << QPoint(Truncar_pixel(ponto.x), Truncar_pixel(ponto.y));
  }
  vertices << vertices.first();
  Raster_em_faixas& raster = f.Image1->Raster;
  if (raster.Vazio()) return;
  const QRect alcance = vertices.boundingRect().adjusted(-1, -1, 1, 1);
  raster.Pintar(alcance, [&](QPainter& pintor) { pintor.drawPolyline(vertices); });
  f.Image1->update(alcance);
}

}  // namespace

void TForm1::Represpolconv1Click() {
  ui.Caixa_mensagem(Texto_ind_pconv(trabalho.Lista_pconv), " N ptos ", Botoes::OK_Cancelar);
  ui.Caixa_mensagem(fmt::sprintf(" N ptos pol convexo = %d  ", trabalho.Lista_pconv.Quantidade()),
                    " N ptos pconv ", Botoes::OK_Cancelar);
  if (trabalho.Lista_pconv.Quantidade() >= 2) Desenho_pconv(*this);
}
