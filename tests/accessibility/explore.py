import sys, a11y
app = a11y.App(sys.argv[1])
f = app.frame()
def audit(win, label):
    for n in a11y.walk(win):
        st = n.getState()
        if st.contains(a11y.pyatspi.STATE_FOCUSABLE) and not n.name:
            print(label, 'UNNAMED FOCUSABLE', a11y.describe(n), a11y.describe(n.parent), a11y.describe(n.parent.parent))
        if n.getRoleName() == 'invalid':
            print(label, 'INVALID', a11y.describe(n.parent))
    bus = "\n".join(s for n in a11y.walk(win) for s in a11y.strings(n))
    for e in app.texts():
        if e['window'] != win.name: continue
        for t in e['texts']:
            if t not in bus:
                print(label, 'MISSING', e['class'], e['name'], repr(t))
seclist = a11y.find(f, 'list', 'Seccions')
for title in ['Inici','Neteja','Espai','Aplicacions','Rendiment','Privacitat','Historial']:
    item = a11y.find(seclist, 'list item', title)
    print(title, a11y.actions(item))
    a11y.act(item)
    import time; time.sleep(0.3)
    s = app.state()
    print('  state section', s['section'], s['title'], s['focus'])
    audit(f, title)
app.close()
