#include "exportar/Avisos_gdal.h"

#include <algorithm>

#include "exportar/Falha_exportacao.h"
#include "nucleo/base/Formatacao.h"

Avisos_gdal::Avisos_gdal() {
  CPLPushErrorHandlerEx(&Registrar, this);
}

Avisos_gdal::~Avisos_gdal() {
  CPLPopErrorHandler();
}

void Avisos_gdal::Conferir(bool feito, const std::string& caminho, const std::string& o_que) const {
  if (feito && !queixou_) return;
  throw Falha_exportacao(fmt::sprintf("%s: %s (%s)", caminho, o_que, Motivo()));
}

std::string Avisos_gdal::Motivo() const {
  std::string motivo = primeiro_.empty() ? "sem explicação do GDAL" : primeiro_;
  std::replace_if(
      motivo.begin(), motivo.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return motivo;
}

void CPL_STDCALL Avisos_gdal::Registrar(CPLErr tipo, CPLErrorNum, const char* mensagem) {
  auto* avisos = static_cast<Avisos_gdal*>(CPLGetErrorHandlerUserData());
  if (tipo < CE_Warning || avisos->queixou_) return;
  avisos->queixou_ = true;
  avisos->primeiro_ = mensagem;
}
