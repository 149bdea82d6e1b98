#pragma once
// GDAL's messages while the exporter writes or reads back: its warnings report some
// losses (a number too wide for a shapefile's column is written cut), so they fail the
// export as its errors do, since a value not written exactly is not written.

#include <cpl_error.h>

#include <string>

// The handler is pushed on the calling thread's own stack (GDAL keeps one per thread): an
// object hears its thread's messages only, so an export on a worker thread is heard there.
class Avisos_gdal {
 public:
  Avisos_gdal();
  ~Avisos_gdal();
  Avisos_gdal(const Avisos_gdal&) = delete;
  Avisos_gdal& operator=(const Avisos_gdal&) = delete;

  // Raises Falha_exportacao "caminho: o_que (reason)" when GDAL has complained since
  // this object was made, or when feito is false.
  void Conferir(bool feito, const std::string& caminho, const std::string& o_que) const;

  // GDAL's first message, on one line; a text saying so when GDAL gave none.
  std::string Motivo() const;

 private:
  static void CPL_STDCALL Registrar(CPLErr tipo, CPLErrorNum, const char* mensagem);
  bool queixou_ = false;
  std::string primeiro_;
};
