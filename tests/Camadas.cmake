# Fails when a file includes a header of a layer above its own. The layers, lowest first:
# the core (nucleo/), the picture decoders (figuras/) and the exporter (exportar/), which
# stands on the core alone, then the window (janela/), which exports through it. Inside the core and the window, the folders are
# floors too: a folder may include from its own floor's folder and from lower floors only.
# A test under tests/ may include from any floor of the layer it mirrors (it drives the
# floors together) but not from a layer above. No file of the core includes a Qt header.
#   cmake -DRAIZ=<source folder> -P Camadas.cmake

# folder  layer  floor
set(PISOS
  nucleo/base 0 0
  nucleo/orientacao 0 1  nucleo/poligono 0 1  nucleo/digitalizacao 0 1  nucleo/inspecao 0 1
  nucleo/arquivos 0 2  nucleo/navegacao 0 2
  nucleo/trabalho 0 3
  figuras 1 0
  exportar 2 0
  janela/comum 3 0
  janela/principal 3 1
  janela/orientacao 3 2  janela/digitalizacao 3 2  janela/arquivos 3 2  janela/poligono 3 2
  janela/inspecao 3 2  janela/navegacao 3 2
  janela/programa 3 3)
# The layers each layer may include from.
set(ALCANCE_0 0)
set(ALCANCE_1 0 1)
set(ALCANCE_2 0 2)
set(ALCANCE_3 0 1 2 3)

# Sets <saida>_PASTA, _CAMADA and _PISO for a path of the source tree (a test path is
# taken as the path it mirrors); _PASTA is empty for a folder outside the layers.
function(Situar caminho saida)
  string(REGEX REPLACE "^tests/" "" caminho "${caminho}")
  set(${saida}_PASTA "" PARENT_SCOPE)
  list(LENGTH PISOS total)
  math(EXPR ultimo "${total} - 1")
  foreach(i RANGE 0 ${ultimo} 3)
    list(GET PISOS ${i} pasta)
    if(caminho MATCHES "^${pasta}/")
      math(EXPR j "${i} + 1")
      math(EXPR k "${i} + 2")
      list(GET PISOS ${j} camada)
      list(GET PISOS ${k} piso)
      set(${saida}_PASTA ${pasta} PARENT_SCOPE)
      set(${saida}_CAMADA ${camada} PARENT_SCOPE)
      set(${saida}_PISO ${piso} PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

file(GLOB_RECURSE arquivos RELATIVE ${RAIZ} ${RAIZ}/nucleo/* ${RAIZ}/figuras/*
     ${RAIZ}/exportar/* ${RAIZ}/janela/* ${RAIZ}/tests/*)
set(falhas)
foreach(arquivo ${arquivos})
  if(NOT arquivo MATCHES "[.](cpp|h)$")
    continue()
  endif()
  Situar(${arquivo} DE)
  if(NOT DE_PASTA)
    continue()
  endif()
  file(STRINGS ${RAIZ}/${arquivo} inclusoes REGEX "^[ \t]*#[ \t]*include")
  foreach(inclusao ${inclusoes})
    if(DE_CAMADA EQUAL 0 AND inclusao MATCHES "<Q")
      list(APPEND falhas "${arquivo}: ${inclusao} (Qt in the core)")
      continue()
    endif()
    if(NOT inclusao MATCHES "\"([^\"]+)\"")
      continue()
    endif()
    set(alvo ${CMAKE_MATCH_1})
    Situar(${alvo} PARA)
    if(NOT PARA_PASTA OR PARA_PASTA STREQUAL DE_PASTA)
      continue()
    endif()
    if(PARA_CAMADA EQUAL DE_CAMADA)
      if(PARA_PISO LESS DE_PISO OR arquivo MATCHES "^tests/")
        continue()
      endif()
    else()
      list(FIND ALCANCE_${DE_CAMADA} ${PARA_CAMADA} posicao)
      if(NOT posicao EQUAL -1)
        continue()
      endif()
    endif()
    list(APPEND falhas "${arquivo} (${DE_PASTA}) includes ${alvo} (${PARA_PASTA})")
  endforeach()
endforeach()

if(falhas)
  list(JOIN falhas "\n  " texto)
  message(FATAL_ERROR "includes that reach a layer above:\n  ${texto}")
endif()
list(LENGTH arquivos total)
message(STATUS "${total} files, no include reaches a layer above")
