"""Waiting for an effect in the program's window: polls for the effect itself, never a
fixed time, and fails naming what did not come."""

import time


class Falha(Exception):
    """A step of the run did not see what it expected."""


def esperar(condicao, descricao, espera, intervalo, diagnostico=None, passageiras=()):
    """Polls condicao() until it returns something true, and returns that. An exception of
    a kind in passageiras is no answer yet; diagnostico() adds what the screen showed to
    the failure."""
    limite = time.monotonic() + espera
    while True:
        try:
            resultado = condicao()
        except passageiras:
            resultado = None
        if resultado:
            return resultado
        if time.monotonic() > limite:
            extra = f"\n{diagnostico()}" if diagnostico else ""
            raise Falha(f"timed out waiting for {descricao}{extra}")
        time.sleep(intervalo)
