import sys, a11y, time
app = a11y.App(sys.argv[1])
f = app.frame()
seclist = a11y.find(f, 'list', 'Seccions')
for title in ['Neteja','Espai','Aplicacions','Rendiment','Privacitat','Historial']:
    a11y.act(a11y.find(seclist, 'list item', title)); time.sleep(0.3)
    print('==', title)
    for n in a11y.walk(f):
        r = n.getRoleName()
        if r in ('push button','check box','radio button','combo box','text','entry','toggle button','progress bar','page tab','panel','grouping') or n.getState().contains(a11y.pyatspi.STATE_FOCUSABLE):
            if a11y.describe(n.parent).find('Seccions')>=0: continue
            print('  ', a11y.describe(n), repr(n.description)[:80], a11y.actions(n))
app.close()
