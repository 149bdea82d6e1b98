#pragma once
// fmt's printf-style functions (fmt::sprintf, fmt::fprintf), for every file that writes
// numbers as the files and the user's texts want them. Their formatting engine is one
// large template that every caller would otherwise instantiate and optimise anew; it is
// compiled once, in Formatacao.cpp, which takes about three quarters of the compile time
// off each file that formats.

#include <fmt/printf.h>

extern template void fmt::detail::vprintf<char, fmt::printf_context>(
    fmt::detail::buffer<char>&, fmt::basic_string_view<char>,
    fmt::basic_format_args<fmt::printf_context>);
