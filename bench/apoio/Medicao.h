#pragma once
// What every benchmark measures with: alternating timings of the program's code and of a
// baseline in the same run, their medians and ratio, and the peak memory of one load in
// a fresh child process.

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <vector>

namespace medicao {

// Runs every benchmark the program registered, taking Google Benchmark's own options.
inline void Rodar_benchmarks(int& argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}

struct Tempo {
  double relogio = 0, cpu = 0;  // seconds: wall clock, and the process's CPU (user + kernel)
};

inline double Cpu_agora() {
  timespec agora;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &agora);
  return agora.tv_sec + agora.tv_nsec * 1e-9;
}

// The CPU time is kept beside the wall clock: on a machine shared with other work it
// shows whether a difference of wall clock came from the code or from the neighbours.
inline Tempo Medir(const std::function<void()>& acao) {
  const auto inicio = std::chrono::steady_clock::now();
  const double cpu_inicio = Cpu_agora();
  acao();
  return {std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count(),
          Cpu_agora() - cpu_inicio};
}

inline double Mediana(std::vector<double> valores) {
  if (valores.empty()) return 0;
  std::nth_element(valores.begin(), valores.begin() + valores.size() / 2, valores.end());
  return valores[valores.size() / 2];
}

// Times of the program and of its baseline, taken alternately.
class Comparacao {
 public:
  void Programa(const std::function<void()>& acao) { Guardar(Medir(acao), programa_); }
  void Base(const std::function<void()>& acao) { Guardar(Medir(acao), base_); }

  // "razao" is the ratio of the median wall-clock times, "razao_cpu" that of the CPU times.
  void Registrar(benchmark::State& estado, const char* nome_programa, const char* nome_base) const {
    estado.counters[nome_programa] = 1e3 * Mediana(programa_.relogio);
    estado.counters[nome_base] = 1e3 * Mediana(base_.relogio);
    estado.counters["razao"] = Mediana(programa_.relogio) / Mediana(base_.relogio);
    estado.counters["razao_cpu"] = Mediana(programa_.cpu) / Mediana(base_.cpu);
  }

 private:
  struct Series {
    std::vector<double> relogio, cpu;
  };
  static void Guardar(const Tempo& tempo, Series& series) {
    series.relogio.push_back(tempo.relogio);
    series.cpu.push_back(tempo.cpu);
  }
  Series programa_, base_;
};

inline long Kib_de(const char* campo) {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  char linha[256];
  long kib = -1;
  while (std::fgets(linha, sizeof linha, status))
    if (std::strncmp(linha, campo, std::strlen(campo)) == 0)
      kib = std::atol(linha + std::strlen(campo));
  std::fclose(status);
  return kib;
}

// In a child process, so that nothing the parent allocated counts: the peak resident
// size is reset ("5" to clear_refs), the action runs, and the growth of the peak over
// the resident size before it is sent back through a pipe. -1 when the action fails.
inline long Kib_de_pico(const std::function<bool()>& acao) {
  int tubo[2];
  if (pipe(tubo) != 0) return -1;
  const pid_t filho = fork();
  if (filho == 0) {
    std::FILE* limpar = std::fopen("/proc/self/clear_refs", "w");
    if (limpar) std::fputs("5", limpar), std::fclose(limpar);
    const long antes = Kib_de("VmRSS:");
    const bool certo = acao();
    const long pico = certo ? Kib_de("VmHWM:") - antes : -1;
    if (write(tubo[1], &pico, sizeof pico) != sizeof pico) _exit(1);
    _exit(0);
  }
  long pico = -1;
  if (read(tubo[0], &pico, sizeof pico) != sizeof pico) pico = -1;
  close(tubo[0]);
  close(tubo[1]);
  waitpid(filho, nullptr, 0);
  return pico;
}

}  // namespace medicao
