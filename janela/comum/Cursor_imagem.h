#pragma once

// The image control's cursor, kept as state so that tests can read it.
enum class Cursor_imagem { Padrao, Cruz, Mao, Seta };
