# SPDX-FileCopyrightText: 2026 The vesk developers
# SPDX-License-Identifier: LicenseRef-proprietary
"""vesk through the screen readers' bus only.

Starts the real app (its test host) on a private X server and AT-SPI bus and
does each flow of the README's tour through accessibility actions, editable
text and focus, with the keyboard only where a screen-reader user would use
it (arrows in a combo box or the chart). After each step it checks the effect
in the app (its state probe) and on the bus, and on every screen and sheet it
audits what a screen reader gets: every focusable node has a name, no node has
the role "invalid", and every text the app paints can be read there.

    check_bus.py HOST
"""

import subprocess
import sys
import time
import traceback

import a11y
from a11y import Failure, Role, act, find, find_all, focus, role_of, wait_for

SECTIONS = ["Inici", "Neteja", "Espai", "Aplicacions", "Rendiment", "Privacitat", "Historial"]


def key(*names):
    """Keys a person presses, to whatever has the keyboard focus."""
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True)
    time.sleep(0.15)


def choose(combo, steps):
    """Opens a picker by its action and moves `steps` down, as with a screen reader."""
    act(combo, "Press")
    time.sleep(0.3)
    key(*(["Down"] * steps), "Return")


def chosen(combo):
    """A picker's chosen entry: its text (its name is its title)."""
    return combo.queryText().getText(0, -1)


def plain(text):
    """Text as it is heard: a no-break space is a space, runs of space are one."""
    return " ".join(text.replace("\xa0", " ").split())


def extents(node):
    try:
        e = node.queryComponent().getExtents(a11y.pyatspi.DESKTOP_COORDS)
        return (e.x, e.y, e.width, e.height) if e.width > 0 and e.height > 0 else None
    except Exception:
        return None


def out_of_order(window):
    """Siblings read in an order other than the one they are shown in: one that
    comes later in the tree but sits wholly above the one before it, in the
    same column."""
    found = []
    for parent in a11y.walk(window):
        boxes = [(c, extents(c)) for c in (parent.getChildAtIndex(i)
                                            for i in range(parent.childCount))
                 if c is not None and a11y.is_showing(c)]
        # The menu bar is reached by its own key, whatever its place.
        boxes = [(c, e) for c, e in boxes if e and role_of(c) != Role.MENU_BAR]
        for (a, ea), (b, eb) in zip(boxes, boxes[1:]):
            above = eb[1] + eb[3] <= ea[1]
            same_column = eb[0] < ea[0] + ea[2] and ea[0] < eb[0] + eb[2]
            if above and same_column:
                found.append(f"{a11y.describe(b)} is read after {a11y.describe(a)} "
                             "but shown above it")
    return found


def audit(app, window, where, moving=()):
    problems = []
    bus = []  # what each node says of itself: its name and its text
    for node in a11y.walk(window):
        role = node.getRoleName()
        if role_of(node) == Role.INVALID:
            problems.append(f"a node with the role 'invalid' under {a11y.describe(node.parent)}")
        state = node.getState()
        if state.contains(a11y.pyatspi.STATE_FOCUSABLE) and not (node.name or "").strip():
            problems.append(f"an unnamed focusable {role} under {a11y.describe(node.parent)}")
        bus.append(plain(" ".join(a11y.strings(node, descriptions=False))))
    problems.extend(out_of_order(window))
    for entry in app.texts():
        if entry["window"] != window.name:
            continue
        for text in entry["texts"]:
            shown = plain(text.rstrip("…"))  # an elided text is read whole
            if any(shown.endswith(suffix) for suffix in moving):
                continue  # changes faster than the walk: checked by its own step
            # Each text a person sees is read as one node's own words, not
            # only inside another node's description.
            if shown and not any(shown in said for said in bus):
                problems.append(f"{text!r} painted by {entry['class']} is no node's text")
    if problems:
        raise Failure(f"{where}: " + "; ".join(sorted(set(problems))))


def not_in_sidebar(app, where):
    focus_now = app.state()["focus"]
    if not focus_now or focus_now.get("class") == "QListView":
        raise Failure(f"{where}: the keyboard focus went to {focus_now or 'nothing'}")
    return focus_now


def go(app, title):
    sections = find(app.frame(), Role.LIST, "Seccions")
    act(find(sections, Role.LIST_ITEM, title))
    wait_for(lambda: app.state()["section"] == title, f"section {title}")
    return app.frame()


def close_sheet(app, sheet_name, button="Tanca"):
    sheet = app.window(sheet_name)
    close = find(sheet, Role.PUSH_BUTTON, button)
    focus(close)
    act(close)
    wait_for(lambda: all(w["title"] != sheet_name for w in app.state()["windows"]),
             f"the sheet {sheet_name!r} to close")


def open_sheet(app, frame, button, sheet_name):
    focus(button)
    act(button)
    sheet = app.window(sheet_name)
    audit(app, sheet, f"sheet {sheet_name}")
    return sheet


# --- the flows ------------------------------------------------------------

def sections_and_menu(app):
    for title in SECTIONS:
        frame = go(app, title)
        state = app.state()
        if state["title"] != title:
            raise Failure(f"title bar shows {state['title']!r} for {title}")
        find(frame, Role.LABEL, title)  # the title bar, read
        item = find(find(frame, Role.LIST, "Seccions"), Role.LIST_ITEM, title)
        if not a11y.selected(item):
            raise Failure(f"the sidebar row {title} is not selected on the bus")
        audit(app, frame, f"section {title}")
    # The same choice, by the Navegació menu.
    menu = find(app.frame(), Role.MENU_ITEM, "Neteja", showing=False)
    act(menu)
    wait_for(lambda: app.state()["section"] == "Neteja", "Neteja from the menu")
    # A section chosen other than in the sidebar takes the focus with it.
    wait_for(lambda: (app.state()["focus"] or {}).get("class") not in (None, "QListView"),
             "the focus in Neteja after the menu")
    # Back to the list by the keyboard: its selected row is announced as
    # the focus, not only the list.
    sections = find(app.frame(), Role.LIST, "Seccions")
    row = find(sections, Role.LIST_ITEM, "Neteja")
    events = a11y.Events("object:state-changed:focused")
    key("shift+Tab", "shift+Tab")  # past the settings button, to the list
    wait_for(lambda: (app.state()["focus"] or {}).get("class") == "QListView",
             "the focus in the list")
    wait_for(lambda: events.from_node(row, "focused"), "the selected row announced")
    events.stop()
    # Finestra: Zoom maximises the main window and restores it.
    def maximized():
        return next(w["maximized"] for w in app.state()["windows"] if w["title"] == "vesk")
    zoom = find(app.frame(), Role.MENU_ITEM, "Zoom", showing=False)
    act(zoom)
    wait_for(maximized, "the window zoomed from the menu")
    act(zoom)
    wait_for(lambda: not maximized(), "the window restored from the menu")
    # A shortcut of the home screen: the storage screen in its large-files mode.
    frame = go(app, "Inici")
    act(find(frame, Role.PUSH_BUTTON, "Fitxers grans"))
    wait_for(lambda: app.state()["section"] == "Espai"
             and app.state()["storageMode"] == "Fitxers grans", "the large files shortcut")
    not_in_sidebar(app, "after the large files shortcut")
    act(find(frame, Role.RADIO_BUTTON, "Mosaic"))
    # The About box, from its menu item.
    act(find(app.frame(), Role.MENU_ITEM, "Quant a vesk", showing=False))
    about = app.window("Quant a vesk")
    audit(app, about, "About box")
    buttons = find_all(about, Role.PUSH_BUTTON)
    if len(buttons) != 1:
        raise Failure(f"the About box offers {[b.name for b in buttons]}")
    act(buttons[0])
    wait_for(lambda: all(w["title"] != "Quant a vesk" for w in app.state()["windows"]),
             "the About box to close")


def every_setting(app):
    frame = app.frame()
    act(find(frame, Role.PUSH_BUTTON, "Configuració"))
    window = app.window("Configuració")
    if role_of(window) not in (Role.FRAME, Role.DIALOG, Role.WINDOW):
        raise Failure(f"the settings window reads as {window.getRoleName()}")
    audit(app, window, "settings, General")
    for name, stored in [("Fosc", "appearance=Fosc"), ("Clar", "appearance=Clar"),
                         ("Sistema", "appearance=Sistema")]:
        act(find(window, Role.RADIO_BUTTON, name))
        wait_for(lambda: app.state()["appearance"] == name, f"appearance {name}")
        wait_for(lambda: stored in app.settings(), f"{stored} stored")
        if name == "Fosc" and not app.state()["dark"]:
            raise Failure("Fosc did not darken the windows")
        if not a11y.checked(find(window, Role.RADIO_BUTTON, name)):
            raise Failure(f"{name} is not checked on the bus")
    start = find(window, Role.COMBO_BOX)
    labels = [t for (t, r) in relations(start)] 
    if "En obrir vesk" not in labels:
        raise Failure(f"the start-section picker is labelled by {labels}")
    choose(start, 1)
    wait_for(lambda: "startSection=Neteja" in app.settings(), "start section stored")
    compact = find(window, Role.CHECK_BOX, "Espaiat compacte entre targetes")
    act(compact)
    wait_for(lambda: app.state()["compactCards"], "compact cards on")
    wait_for(lambda: "compactCards=true" in app.settings(), "compact cards stored")

    tabs = find_all(window, Role.PAGE_TAB)
    if [t.name for t in tabs][:2] != ["General", "Neteja"]:
        raise Failure(f"settings tabs read as {[t.name for t in tabs]}")
    for tab in tabs:
        act(tab)
        wait_for(lambda: a11y.selected(tab), f"tab {tab.name} selected")
        audit(app, window, f"settings, {tab.name}")
        if tab.name == "Exclusions":
            removes = len(find_all(window, Role.PUSH_BUTTON, "Retira de l’exemple"))
            act(find(window, Role.PUSH_BUTTON, "Afegeix"))
            wait_for(lambda: len(find_all(window, Role.PUSH_BUTTON, "Retira de l’exemple"))
                     == removes + 1, "an example exclusion added")
            act(find_all(window, Role.PUSH_BUTTON, "Retira de l’exemple")[0])
            wait_for(lambda: len(find_all(window, Role.PUSH_BUTTON, "Retira de l’exemple"))
                     == removes, "an example exclusion removed")
        if tab.name == "Neteja":
            box = find(window, Role.CHECK_BOX, "Fitxers temporals")
            act(box)
            wait_for(lambda: "Fitxers temporals" in app.state()["excluded"], "category out")
            act(box)
            wait_for(lambda: not app.state()["excluded"], "category back in")
            pre = find(window, Role.CHECK_BOX, "Preselecciona candidats de baix risc")
            act(pre)
            wait_for(lambda: "preselectLowRisk=false" in app.settings(), "pre-selection off")


def relations(node):
    out = []
    for relation in node.getRelationSet():
        for i in range(relation.getNTargets()):
            out.append((relation.getTarget(i).name, relation.getRelationType()))
    return out


def cleanup_flow(app):
    """With the low-risk pre-selection off (set in every_setting)."""
    frame = go(app, "Neteja")
    events = a11y.Events("object:property-change:accessible-name",
                         "object:property-change:accessible-value", "object:value-changed")
    start = find(frame, Role.PUSH_BUTTON, "Inicia l’anàlisi simulada")
    focus(start)
    act(start)
    progress = find(frame, Role.PROGRESS_BAR, "Progrés de l’anàlisi simulada")
    audit(app, frame, "cleanup, scanning", moving=(" %",))
    wait_for(lambda: a11y.value(progress) > 0, "the scan progress on the bus")
    wait_for(lambda: find(frame, Role.LABEL, contains=" %").name != "0 %", "the percentage read")
    wait_for(lambda: events.from_node(progress, "value"),
             "the progress bar announcing its value")
    wait_for(lambda: events.about(" %"), "the percentage announced")
    wait_for(lambda: app.state()["phase"] == 3, "scan results", timeout=20)
    not_in_sidebar(app, "after the scan")
    audit(app, frame, "cleanup, results")
    boxes = [b for b in find_all(frame, Role.CHECK_BOX)
             if b.getState().contains(a11y.pyatspi.STATE_SENSITIVE)]
    if len(boxes) < 2 or any(a11y.checked(b) for b in boxes):
        raise Failure("results with pre-selection off must start unticked")
    total = find(frame, Role.LABEL, contains="seleccionats")
    if total.name != "0 B seleccionats":
        raise Failure(f"with nothing ticked the total reads {total.name!r}")
    for box in boxes[:2]:
        act(box)
    wait_for(lambda: len(app.state()["selectedIds"]) == 2, "two candidates ticked")
    wait_for(lambda: total.name != "0 B seleccionats", "the total read anew")
    two = total.name
    act(boxes[0])
    wait_for(lambda: len(app.state()["selectedIds"]) == 1, "one candidate unticked")
    wait_for(lambda: total.name != two, "the total after unticking")
    wait_for(lambda: events.about("seleccionats"), "the selection total announced")
    events.stop()
    if a11y.checked(boxes[0]) or not a11y.checked(boxes[1]):
        raise Failure("the ticks on the bus disagree with the selection")

    detail = find(frame, Role.PUSH_BUTTON, contains="Detalls de ")
    sheet_name = detail.name.replace("Detalls de ", "")
    open_sheet(app, frame, detail, sheet_name)
    close_sheet(app, sheet_name)
    not_in_sidebar(app, "after the candidate sheet")

    review = find(frame, Role.PUSH_BUTTON, "Revisa la selecció")
    focus(review)
    act(review)
    wait_for(lambda: app.state()["phase"] == 4, "review")
    not_in_sidebar(app, "after going to review")
    audit(app, frame, "cleanup, review")
    proceed = find(frame, Role.PUSH_BUTTON, "Continua amb la simulació")
    focus(proceed)
    act(proceed)
    alert = wait_for(lambda: next((w for w in app.windows() if a11y.is_showing(w)
                                   and role_of(w) in (Role.ALERT, Role.DIALOG)), None),
                     "the confirmation alert")
    history = app.state()["history"]
    act(find(alert, Role.PUSH_BUTTON, "Confirma la simulació"))
    wait_for(lambda: app.state()["phase"] == 5, "completed")
    if app.state()["history"] != history + 1:
        raise Failure("the confirmed simulation added no history record")
    not_in_sidebar(app, "after confirming")
    audit(app, frame, "cleanup, completed")


def storage_flow(app):
    frame = go(app, "Espai")
    block = find(frame, Role.PUSH_BUTTON, contains="Fotos i vídeos, 116 GB")
    focus(block)
    act(block)
    wait_for(lambda: find_all(frame, Role.PUSH_BUTTON, "Fotos i vídeos"), "the breadcrumb")
    focus_now = not_in_sidebar(app, "after drilling down")
    audit(app, frame, "storage, drilled")
    for mode in ["Fitxers grans", "Fitxers antics", "Duplicats", "Mosaic"]:
        act(find(frame, Role.RADIO_BUTTON, mode))
        wait_for(lambda: app.state()["storageMode"] == mode, f"storage mode {mode}")
        audit(app, frame, f"storage, {mode}")
        if mode == "Fitxers grans":
            picker = find(frame, Role.COMBO_BOX, "Mida mínima")
            if "Mida mínima" not in [t for (t, r) in relations(picker)]:
                raise Failure("the size picker has no label relation")
            if chosen(picker) != "A partir de 8 GB":
                raise Failure(f"the size picker reads {chosen(picker)!r}")
            row = find(frame, Role.PUSH_BUTTON, contains="GB")
            name = row.name.split(",")[0]
            open_sheet(app, frame, row, name)
            close_sheet(app, name)
        if mode == "Duplicats":
            compare = find(frame, Role.PUSH_BUTTON, "Compara les còpies")
            focus(compare)
            act(compare)
            sheet = wait_for(lambda: next((w for w in app.windows() if a11y.is_showing(w)
                                           and role_of(w) == Role.DIALOG), None),
                             "the comparison sheet")
            audit(app, sheet, "comparison sheet")
            close_sheet(app, sheet.name)
    del focus_now


def applications_flow(app):
    # By its shortcut: the search field takes the focus, and says so before
    # anything else of it, or a screen reader moves there without a word.
    go(app, "Inici")
    events = a11y.Events("object:text-caret-moved", "object:text-selection-changed",
                         "object:state-changed:focused")
    key("ctrl+4")
    wait_for(lambda: app.state()["section"] == "Aplicacions", "Aplicacions by its shortcut")
    frame = app.frame()
    field = find(frame, Role.TEXT, "Cerca una aplicació")
    wait_for(lambda: events.from_node(field, "focused"), "the search field focused")
    heard = [e[0] for e in events.from_node(field, "")]
    events.stop()
    if not heard[0].endswith("focused"):
        raise Failure(f"the search field's first events are {heard}")
    field.queryEditableText().setTextContents("llenc\u0327")  # decomposed, as pasted
    wait_for(lambda: len(find_all(frame, Role.PUSH_BUTTON, "Llenç")) == 1
             and not find_all(frame, Role.PUSH_BUTTON, "Taller"), "the search filter")
    field.queryEditableText().setTextContents("")
    wait_for(lambda: find_all(frame, Role.PUSH_BUTTON, "Taller"), "the search cleared")
    act(find(frame, Role.RADIO_BUTTON, "Possibles restes"))
    wait_for(lambda: not find_all(frame, Role.PUSH_BUTTON, "Taller"), "the remnants filter")
    act(find(frame, Role.RADIO_BUTTON, "Totes"))
    sort = find(frame, Role.COMBO_BOX)
    if "Ordena per" not in [t for (t, r) in relations(sort)]:
        raise Failure("the sort picker has no label relation")
    # An entry chosen by its own action, as a screen reader may, with the
    # list closed: it is chosen as a click chooses it.
    entry = find(sort, Role.LIST_ITEM, "Nom", showing=False)
    act(entry)
    wait_for(lambda: chosen(find(frame, Role.COMBO_BOX, "Ordena per")) == "Nom", "sort by name")
    rows = [n.name for n in find_all(frame, Role.PUSH_BUTTON) if n.name in
            ("Estudi antic · restes", "Llenç", "Ona", "Òrbita", "Taller", "Visor del sistema")]
    if rows != ["Estudi antic · restes", "Llenç", "Ona", "Òrbita", "Taller", "Visor del sistema"]:
        raise Failure(f"sorted by name the rows read {rows}")
    audit(app, frame, "applications")

    row = find(frame, Role.PUSH_BUTTON, "Taller")
    sheet = open_sheet(app, frame, row, "Taller")
    boxes = find_all(sheet, Role.CHECK_BOX)
    act(boxes[0])
    wait_for(lambda: a11y.checked(find_all(sheet, Role.CHECK_BOX)[0]), "a component ticked")
    find(sheet, contains="Total seleccionat")
    act(find(sheet, Role.PUSH_BUTTON, "Revisa la selecció"))
    confirm = find(sheet, Role.PUSH_BUTTON, "Confirma la simulació")
    audit(app, sheet, "uninstall review")
    act(confirm)
    alert = wait_for(lambda: next((w for w in app.windows() if a11y.is_showing(w)
                                   and role_of(w) == Role.ALERT), None), "the alert")
    history = app.state()["history"]
    act(find(alert, Role.PUSH_BUTTON, "Confirma la simulació"))
    wait_for(lambda: app.state()["history"] == history + 1, "the uninstall record")
    find(sheet, contains="Simulació completada")
    close_sheet(app, "Taller")
    not_in_sidebar(app, "after the uninstall sheet")


def performance_flow(app):
    frame = go(app, "Rendiment")
    for bar, figure in [("Processador", "18 %"), ("Memòria", "Baixa"), ("Disc", "128 GB")]:
        node = find(frame, Role.PROGRESS_BAR, bar)
        if figure not in node.description:
            raise Failure(f"the {bar} gauge reads {node.description!r}")
    act(find(frame, Role.RADIO_BUTTON, "Memòria"))
    chart = find(frame, Role.CHART)
    wait_for(lambda: chart.description.startswith("Memòria"), "the chart on memory")
    # Every sample is an item of the chart's list, read "time: value".
    samples = find(chart, Role.LIST)
    names = [samples.getChildAtIndex(i).name for i in range(samples.childCount)]
    if len(names) != 24 or names[0] != "−23 min: 46 %":
        raise Failure(f"the chart's samples read {names[:2]}… ({len(names)})")
    focus(chart)
    key("Right")
    readout = wait_for(lambda: next((n for n in find_all(chart, Role.LABEL)
                                     if n.name.endswith(" %")), None), "the inspector's readout")
    first = readout.name
    key("Right")
    wait_for(lambda: readout.name != first, "the readout moving")
    processes = find(frame, Role.COMBO_BOX, "Tipus de procés")
    choose(processes, 1)  # the processes in the background
    wait_for(lambda: chosen(processes) == "En segon pla", "the background processes")
    audit(app, frame, "performance")


def privacy_flow(app):
    frame = go(app, "Privacitat")
    how = find(frame, Role.PUSH_BUTTON, "Com revisar-ho a macOS")
    sheet = "Revisió als ajustos de macOS"
    open_sheet(app, frame, how, sheet)
    close_sheet(app, sheet, "Entesos")
    not_in_sidebar(app, "after the guidance sheet")
    act(find(frame, Role.CHECK_BOX, contains="Vull explorar"))
    reveal = find(frame, Role.PUSH_BUTTON, "Revisa l’exemple")
    wait_for(lambda: "Press" in a11y.actions(reveal), "the example enabled")
    act(reveal)
    wait_for(lambda: a11y.find(frame, contains="fictici", timeout=5), "the browser example")
    audit(app, frame, "privacy, opted in")


def history_flow(app):
    frame = go(app, "Historial")
    before = len(find_all(frame, Role.PUSH_BUTTON, "Revisió d’aplicacions"))
    act(find(frame, Role.CHECK_BOX, "Només completades"))
    wait_for(lambda: len(find_all(frame, Role.PUSH_BUTTON, "Revisió d’aplicacions")) < before
             or before == 0, "the completed filter")
    audit(app, frame, "history, filtered")
    row = find(frame, Role.PUSH_BUTTON, "Revisió de temporals")
    open_sheet(app, frame, row, "Revisió de temporals")
    close_sheet(app, "Revisió de temporals")


def close_leftovers(app):
    """After a failed flow: closes what it left open, so the next one starts clean."""
    for _ in range(3):
        if not any(w["modal"] for w in app.state()["windows"]):
            return
        key("Escape")


FLOWS = [sections_and_menu, every_setting, cleanup_flow, storage_flow, applications_flow,
         performance_flow, privacy_flow, history_flow]


def main(host):
    app = a11y.App(host)
    failures = []
    try:
        for flow in FLOWS:
            started = time.monotonic()
            try:
                flow(app)
                print(f"PASS {flow.__name__} ({time.monotonic() - started:.1f} s)")
            except Exception as error:  # every flow runs, each failure is named
                failures.append(flow.__name__)
                print(f"FAIL {flow.__name__}: {error}")
                traceback.print_exc(limit=3)
                close_leftovers(app)
    finally:
        code = app.close()
        said = app.said()
        sys.stderr.write(said)
    if code != 0:  # a crash, or a sanitizer's report at exit
        failures.append("exit")
        print(f"FAIL the app ended with {code}")
    if "Could not find accessible" in said:
        failures.append("stale")
        print("FAIL the app was asked about objects that no longer exist")
    print(f"{len(FLOWS) - len(failures)} of {len(FLOWS)} flows passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
