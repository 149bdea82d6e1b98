#pragma once
// Texts that more than one command shows.

inline constexpr const char* Texto_apagar_dados =
    "Abrir nova imagem resultará na DELEÇÃO de TODOS os dados já digitalizados.\n\n\n"
    "      OK            -> para abrir nova imagem\n\n"
    "      Cancelar   -> para não abrir nova imagem.\n\n\n";
