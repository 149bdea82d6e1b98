#include "nucleo/base/Formatacao.h"

template void fmt::detail::vprintf<char, fmt::printf_context>(
    fmt::detail::buffer<char>&, fmt::basic_string_view<char>,
    fmt::basic_format_args<fmt::printf_context>);
