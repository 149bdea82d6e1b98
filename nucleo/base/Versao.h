#pragma once
// The version the programs report; the build takes it from the project's version.

inline constexpr const char* Versao_mapirel = MAPIREL_VERSAO;
