# SPDX-FileCopyrightText: 2026 The vesk developers
# SPDX-License-Identifier: LicenseRef-proprietary
"""What a blind person hears of vesk, from the screen reader itself.

Orca runs with its speech written to its log (orca_session.py); vesk (its
test host) is driven by keys alone, as a person using Orca drives it. At each
point where the screen changes, the words the screen shows must be heard
after the key that changed them; no figure may be heard that the windows do
not paint; and Orca must never log that it could not speak one of vesk's
events.

    check_speech.py HOST
"""

import re
import sys
import traceback

from orca_session import OrcaFailed, OrcaSession


class Failure(AssertionError):
    pass


def plain(text):
    """Text as compared: no-break spaces are spaces, punctuation that a
    voice does not say is gone, runs of space are one. Role 43 is a "push
    button" to Orca 43 and a "button" to Orca 48."""
    text = text.replace("\xa0", " ").replace("\u202f", " ").replace("push button", "button")
    text = re.sub(r"[.,;:!?…]", " ", text)
    return " ".join(text.split())


# Orca's own words around what vesk says, with their numbers.
ORCA_WORDS = re.compile(r"List with \d+ items?|\d+ of \d+|\d+ percent|Progress bar \d+")
FIGURE = re.compile(r"[−-]?\d+(?:[.,]\d+)?(?: ?(?:GB|MB/s|MB|kB|B|%|min))?")


class Listener:
    def __init__(self, host):
        self.orca = OrcaSession(host, probe=True)
        self.checked = 0

    def heard(self, key, until=None):
        lines = self.orca.press(key, until=(lambda l: until in plain(" ".join(l)))
                                if until else None)
        self.check_figures(key, lines)
        return lines

    def press(self, key, *expected, absent=(), until=None):
        """Presses `key`; each of `expected` must then be heard, each of
        `absent` not."""
        lines = self.heard(key, plain(until) if until else None)
        said = plain(" ".join(lines))
        for words in expected:
            if plain(words) not in said:
                raise Failure(f"after {key}, {words!r} was not heard; heard {lines}")
        for words in absent:
            if plain(words) in said:
                raise Failure(f"after {key}, {words!r} was heard; heard {lines}")
        self.checked += len(expected) + len(absent)
        return lines

    def move_to(self, words, key="Tab", limit=40):
        """Presses `key` until `words` is heard, as a person tabs to a control."""
        for _ in range(limit):
            if plain(words) in plain(" ".join(self.heard(key))):
                return
        raise Failure(f"{key} never reached {words!r}")

    def check_figures(self, key, lines):
        """Every figure heard is one the windows paint (a point's time on the
        chart is read off its axis, and not painted as such)."""
        said = ORCA_WORDS.sub(" ", " ".join(lines).replace("\xa0", " "))
        figures = {f.strip() for f in FIGURE.findall(said) if not f.endswith("min")}
        if not figures:
            return
        painted = plain(" ".join(t for entry in self.orca.ask("all-texts")
                                 for t in entry["texts"]))
        for figure in figures:
            if not re.search(r"(?<![\d.,])" + re.escape(plain(figure)) + r"(?![\d.,])", painted):
                raise Failure(f"after {key}, {figure!r} was heard but nothing shows it; "
                              f"heard {lines}")
        self.checked += len(figures)


def start(listener):
    """What was heard before: the window, the sidebar and its current row."""
    opening = plain(" ".join(listener.orca.opening))
    for words in ("vesk", "Seccions", "Inici"):
        if plain(words) not in opening:
            raise Failure(f"on opening, {words!r} was not heard; heard {opening!r}")


def cleanup(ear):
    ear.press("ctrl+2", "Neteja", "Inicia l’anàlisi simulada")
    # The scan: its start, its progress, then the results step with its
    # title and totals, the focus on the first candidate with its facts.
    ear.press("space", "Cancel·la l’anàlisi", "Observant les dades de mostra…",
              "Pas actual: 2 de 4, Entén", "Una mica d’ordre, amb tota la informació.",
              "4 GB seleccionats", "160 fitxers de demostració",
              "Temporals de sessions finalitzades check box", "Baix risc, 3.2 GB",
              until="160 fitxers de demostració")
    ear.press("space", "not checked", "800 MB seleccionats", "36 fitxers de demostració")
    ear.move_to("Registres de diagnòstic antics check box")
    ear.press("space", "0 B seleccionats", "Revisa la selecció: no disponible")
    ear.press("space", "800 MB seleccionats", "Revisa la selecció: disponible")
    ear.press("shift+Tab")
    ear.press("shift+Tab")
    ear.press("shift+Tab", "Temporals de sessions finalitzades check box", "not checked")
    ear.press("space", "4 GB seleccionats", "160 fitxers de demostració")
    # A candidate's sheet says its badge and its lines, key with value.
    ear.move_to("Detalls de Registres de diagnòstic antics")
    ear.press("space", "Registres de diagnòstic antics dialog", "Baix risc",
              "Categoria: Fitxers temporals", "Mida estimada: 800 MB",
              "Acció prevista: Paperera (simulada)", "Tanca")
    ear.press("Escape", "Detalls de Registres de diagnòstic antics")
    # Review: its title and totals, the focus on going on, not going back.
    ear.move_to("Revisa la selecció push button")
    ear.press("space", "Pas actual: 3 de 4, Revisa", "Abans de confirmar",
              "Espai estimat: 4 GB", "Espai real recuperat: 0 B",
              "Continua amb la simulació", absent=("Torna a la selecció",))
    ear.press("space", "Confirma la simulació",
              "Es representarà l’enviament a la Paperera de 160 fitxers de mostra (4 GB)")
    ear.press("Return", "Pas actual: 4 de 4, Confirma", "Demostració completada.",
              "No s’ha modificat cap fitxer.",
              "Has revisat 160 fitxers de mostra, amb un total estimat de 4 GB",
              "Consulta l’historial")
    # A scan started again and cancelled says so.
    ear.move_to("Repeteix la demostració")
    ear.press("space", "Pas actual: 1 de 4, Analitza", "Observant les dades de mostra…",
              "Cancel·la l’anàlisi", until="Observant les dades de mostra")
    ear.press("space", "Anàlisi cancel·lada. Tot al seu lloc.", "Inicia l’anàlisi simulada")


def storage(ear):
    ear.press("ctrl+3", "Espai", "Mosaic")
    ear.press("Right", "Fitxers grans")
    # A titled picker: its title and its value, its list at the chosen
    # entry, the new value once chosen.
    ear.press("Tab", "Mida mínima combo box", "A partir de 8 GB")
    ear.press("Down", "A partir de 8 GB")
    ear.press("Down", "A partir de 20 GB")
    ear.press("Return", "Mida mínima combo box", "A partir de 20 GB")
    ear.move_to("Suport i altres dades")
    ear.press("space", "Suport i altres dades dialog", "Mida: 90 GB")
    ear.press("Escape", "Suport i altres dades")
    ear.press("Left")  # back to the mosaic, for the next flow's Tab order


def applications(ear):
    ear.press("ctrl+4", "Aplicacions", "Cerca una aplicació")
    for letter in "ona":
        ear.heard(letter)
    ear.press("Escape", "Cerca esborrada")
    ear.press("Tab", "Ordena per combo box", "Mida")
    ear.move_to("Ona push button")
    ear.press("space", "Ona dialog", "Audio, 15 GB", "Aplicació principal check box",
              "12 GB, Cal revisar")
    # A protected component is reached, heard and cannot be ticked.
    ear.move_to("Dades personals check box")
    ear.press("space", absent=("Total seleccionat",))
    ear.move_to("Memòries cau check box", key="shift+Tab")
    ear.press("space", "Total seleccionat: 750 MB", "Revisa la selecció: disponible")
    ear.move_to("Revisa la selecció push button")
    ear.press("space", "Revisa els elements seleccionats", "Memòries cau: 750 MB, Cal revisar",
              "Total seleccionat: 750 MB", "Confirma la simulació push button",
              absent=("Cancel·la push button",))
    ear.press("space", "Simula la desinstal·lació",
              "Aquesta acció completa la demostració")
    ear.press("Return", "Simulació completada", "Cap aplicació desinstal·lada",
              "Tanca push button")
    ear.press("space", "Ona")


def performance(ear):
    ear.press("ctrl+5", "Rendiment", "Taller: 7.2 % CPU, 1,8 GB", "Ona: 4.1 % CPU, 820 MB")
    ear.move_to("Evolució de demostració del recurs seleccionat")
    ear.press("Right", "−23 min: 12 %")
    ear.press("Right", "−22 min: 15 %")
    ear.press("Left", "−23 min: 12 %")
    ear.press("End", "−0 min: 18 %")
    ear.press("Home", "−23 min: 12 %")
    ear.press("Tab", "Tipus de procés combo box", "Tots")


def privacy(ear):
    ear.press("ctrl+6", "Privacitat")
    ear.move_to("Vull explorar l’exemple fictici de dades del navegador")
    ear.press("space", "checked", "Revisa l’exemple: disponible")
    ear.press("Tab", "Revisa l’exemple push button")
    ear.press("space", "Amaga l’exemple push button",
              "Memòries cau · recursos fora de línia per revisar",
              "Extensions · 2 extensions de mostra, sense diagnòstic real")
    ear.press("space", "Revisa l’exemple push button")


def history(ear):
    ear.press("ctrl+7", "Historial")
    ear.move_to("Revisió de temporals push button")
    lines = ear.press("space", "Revisió de temporals dialog", "Espai real recuperat: 0 B",
                      "Resultat: Simulació completada")
    said = plain(" ".join(lines))
    if re.search(r"Espai real recuperat \d+ elements", said):
        raise Failure(f"a line's title is heard with another line's value: {lines}")
    ear.press("Escape", "Revisió de temporals")


def settings(ear):
    ear.press("ctrl+comma", "Configuració", "General page tab")
    ear.move_to("En obrir vesk combo box")
    ear.move_to("General page tab", key="shift+Tab")
    ear.press("Right", "Neteja page tab")
    ear.press("Right", "Exclusions page tab")
    # Tab follows the screen: the rows, then the picker and its button.
    ear.press("Tab", "Retira de l’exemple", "Documents personals")
    ear.press("space", "Exclusió retirada: Documents personals", "Retira de l’exemple",
              "Recursos compartits", absent=("Exclusions page tab",))
    ear.press("Tab", "Exemple combo box", "Arxiu familiar")
    ear.press("Tab", "Afegeix")
    ear.press("space", "Exclusió afegida: Arxiu familiar", "Retira de l’exemple",
              "Arxiu familiar", absent=("Exclusions page tab",))
    ear.move_to("Exclusions page tab", key="shift+Tab")
    # Pages of text alone are read as their tab is chosen.
    ear.press("Right", "Permisos page tab", "Cap permís de sistema sol·licitat",
              "Accés complet al disc: No sol·licitat")
    ear.press("Right", "Quant a page tab", "El teu Mac, en forma.",
              "Tecnologia: C++20 · Qt Widgets · QPainter")


FLOWS = [cleanup, storage, applications, performance, privacy, history, settings]


def main(host):
    try:
        ear = Listener(host)
    except OrcaFailed as e:
        print(f"FAIL the screen reader could not start: {e}")
        return 1
    failures = []
    try:
        start(ear)
        for flow in FLOWS:
            try:
                flow(ear)
                print(f"PASS {flow.__name__}")
            except (Failure, OrcaFailed) as e:
                failures.append(flow.__name__)
                print(f"FAIL {flow.__name__}: {e}")
                traceback.print_exc()
                ear.orca.press("Escape")
        complaints = ear.orca.complaints()
        if complaints:
            failures.append("complaints")
            print("FAIL Orca could not speak some of vesk's events:\n  " +
                  "\n  ".join(complaints))
    finally:
        if failures:
            print("What Orca said, key by key:\n" + ear.orca.transcript())
        ear.orca.close()
    print(f"{len(FLOWS) - len([f for f in failures if f in [x.__name__ for x in FLOWS]])} "
          f"passed, {len(failures)} failed ({ear.checked} things heard as expected)")
    if not failures:
        ear.orca.remove()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
