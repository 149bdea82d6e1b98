#pragma once
// A dataset GDAL opened or created, closed (and so written) when it goes.

#include <gdal_priv.h>

#include <memory>

struct Fechar_gdal {
  void operator()(GDALDataset* dados) const { GDALClose(dados); }
};
using Dados_gdal = std::unique_ptr<GDALDataset, Fechar_gdal>;
