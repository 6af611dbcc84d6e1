<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES" sourcelanguage="ca">
<context>
    <name>vesk::AboutTab</name>
    <message>
        <source>El teu Mac, en forma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versió 0.1 · Fase 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una aplicació nativa per cuidar el Mac amb calma, claredat i control.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desenvolupament</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projecte vesk · Equip de vesk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tecnologia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C++20 · Qt Widgets · QPainter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dependències externes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipus de lletra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inter i Quicksand · SIL Open Font License 1.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phosphor Icons · llicència MIT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identitat vectorial original. Tipus de lletra, icones i Qt (LGPL v3) subjectes a les seves llicències, els textos de les quals s’instal·len amb vesk. Prototip de desenvolupament sense signatura de distribució.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt 6 (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::ActivityChart</name>
    <message>
        <source>Evolució de demostració del recurs seleccionat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 minuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Escala: %1. Temps: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::ActivitySeries</name>
    <message>
        <source>Processador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memòria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB/s · dades simulades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% · dades simulades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L’activitat és moderada en aquest exemple. No hi ha indicis simulats d’un consum elevat sostingut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La pressió de memòria és baixa en aquest exemple; no cal fer cap acció. Buidar la RAM no és una optimització necessària.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi ha espai disponible en aquest exemple. L’activitat del disc és fictícia i no indica cap problema.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::Announcer</name>
    <message>
        <source>%1: disponible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no disponible</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::AppFilter</name>
    <message>
        <source>Totes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per revisar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possibles restes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::AppSort</name>
    <message>
        <source>Mida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data d’instal·lació</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::Appearance</name>
    <message>
        <source>Sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fosc</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::ApplicationDetail</name>
    <message>
        <source>Simula la desinstal·lació</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquesta acció completa la demostració. L’aplicació i totes les seves dades es conservaran.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel·la</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirma la simulació</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulació completada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revisa els elements seleccionats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analitza els components de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap aplicació desinstal·lada. Cap fitxer modificat. S’ha afegit un registre de demostració a l’historial.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquesta aplicació representa un component del sistema. No es pot seleccionar ni desinstal·lar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acció prevista: Paperera simulada. Les dades personals i els recursos compartits estan exclosos. Cap operació real.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selecciona explícitament què vols revisar. Cap component es considera prescindible pel sol fet d’estar relacionat amb l’aplicació.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tanca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enrere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revisa la selecció</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total seleccionat: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Components</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::ApplicationSummary</name>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::ApplicationsView</name>
    <message>
        <source>QUEDA’T AMB EL QUE T’APORTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les teves eines, en ordre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un inventari fictici per explorar les aplicacions i entendre les dades que les acompanyen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca una aplicació</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordena per</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtra aplicacions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APLICACIÓ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAQUET + DADES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les aplicacions i els noms d’aquest inventari són ficticis. La informació d’ús real només es mostrarà si es pot obtenir de manera fiable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 + %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap aplicació</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prova un altre nom o filtre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sense ús recent · dada de mostra</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::CandidateDetail</name>
    <message>
        <source>Candidat fictici · cap accés al fitxer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ubicació de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mida estimada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acció prevista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap acció · exclòs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paperera (simulada)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::CandidateRow</name>
    <message>
        <source>%1 fitxers · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detalls de %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::CleanupTab</name>
    <message>
        <source>Fitxers temporals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitxers grans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicacions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categories de la simulació</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preselecciona candidats de baix risc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Els canvis de categoria s’apliquen a la propera anàlisi simulada. Els elements personals sempre comencen desmarcats.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmació explícita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sempre obligatòria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destinació prevista</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paperera (simulada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Política</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sense eliminació permanent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::CleanupView</name>
    <message>
        <source>%1 fitxers · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MENYS SOROLL, MÉS ESPAI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una neteja amb criteri.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analitza. Entén. Revisa. Confirma. Tu decideixes a cada pas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es representarà l’enviament a la Paperera de %1 fitxers de mostra (%2). No es modificarà cap fitxer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anàlisi cancel·lada. Tot al seu lloc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comencem per entendre què hi ha.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una demostració de com vesk distingirà els temporals prescindibles dels elements que necessiten la teva atenció.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Última simulació: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicia l’anàlisi simulada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sense permisos ni accés al disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una mica d’ordre, amb tota la informació.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Els elements personals comencen desmarcats.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torna a analitzar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hi ha candidats per a les categories activades. Pots canviar-les a Configuració.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candidats de baix risc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regles verificades només en l’escenari de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La teva revisió importa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dades personals o efectes que cal valorar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Els components crítics, les dades de Time Machine, iCloud i els recursos compartits queden fora d’aquesta demostració.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revisa la selecció</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 seleccionats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fitxers de demostració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abans de confirmar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acció prevista: Paperera (simulada)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espai estimat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espai real recuperat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquesta confirmació només completa el flux visual. Cap fitxer s’enviarà a la Paperera i no es modificarà el Mac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torna a la selecció</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continua amb la simulació</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demostració completada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No s’ha modificat cap fitxer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Has revisat %1 fitxers de mostra, amb un total estimat de %2. L’espai del disc no ha canviat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consulta l’historial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeteix la demostració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirma la simulació</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel·la</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::DemoBadge</name>
    <message>
        <source>Dades de demostració</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::DemoProvider</name>
    <message>
        <source>Aplicació principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paquet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paquet de l’aplicació de mostra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferències</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conté ajustos que pots voler conservar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memòries cau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memòria cau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El nom de la carpeta no en garanteix la seguretat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitxers de suport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dependències de l’aplicació: requereixen revisió.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dades personals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excloses de la desinstal·lació de demostració.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recursos compartits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compartit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poden ser necessaris per a altres aplicacions. Exclosos.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicació</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporals de sessions finalitzades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitxers temporals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regla de mostra: sessió finalitzada, fitxers sense ús i cap dada personal. En un motor real caldria verificar tots tres criteris.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registres de diagnòstic antics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regla de mostra: registres de més de 30 dies, tancats i fora de qualsevol diagnòstic actiu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitxers grans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ocupa força espai. Pot contenir treball personal: només tu pots decidir si el necessites.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descàrrega de fa 240 dies. L’antiguitat no implica que sigui prescindible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memòria cau de Llenç</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicacions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Podria contenir previsualitzacions o recursos fora de línia. Es manté desmarcada i requereix revisió.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fotos i vídeos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altres dades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No classificat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espai lliure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carpeta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arxiu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc de demostració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multimèdia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vídeo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biblioteca de fotos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fototeca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arxiu familiar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projectes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disseny</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents personals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imatge de disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suport i altres dades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dades d’aplicacions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visor del sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sistema de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estudi antic · restes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origen per confirmar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sincronització de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compositor de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El xifratge del disc ajuda a protegir les dades. vesk no ha consultat l’estat del teu Mac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macOS verifica l’origen de les aplicacions. Aquest és un estat fictici.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actualitzacions de macOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sense verificar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En aquesta fase no es consulta la versió ni la disponibilitat d’actualitzacions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cal consultar els ajustos natius per conèixer l’estat real. vesk no modifica cap protecció.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap error simulat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revisió de temporals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exemple d’una revisió de temporals i registres. Espai estimat; espai real recuperat: 0 B.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anàlisi de demostració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exemple d’anàlisi amb cinc grups de candidats. No s’ha llegit cap fitxer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revisió d’aplicacions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exemple de revisió cancel·lada. Cap aplicació modificada.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap element processat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::DemoSession</name>
    <message>
        <source>Emmagatzematge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitxers temporals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitxers grans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicacions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuracions i privacitat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neteja simulada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S’ha completat el flux visual. Cap fitxer modificat. Espai real recuperat: 0 B.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap error simulat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desinstal·lació simulada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flux visual completat. Cap aplicació desinstal·lada. Les dades personals i compartides s’han exclòs.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::DiskLegend</name>
    <message>
        <source>Llegenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::DonutChart</name>
    <message>
        <source>Distribució del disc de demostració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB lliures</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::ExclusionsTab</name>
    <message>
        <source>Arxiu familiar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicació Taller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitxer Llibre.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents personals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recursos compartits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusions de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquest editor valida la presentació de les exclusions. Només conté noms ficticis i no selecciona carpetes del Mac. La política real es definirà en una fase posterior.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Afegeix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exemple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retira de l’exemple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusió afegida: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusió retirada: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::GeneralTab</name>
    <message>
        <source>Aparença</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En obrir vesk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espaiat compacte entre targetes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Català</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El català és l’idioma disponible. L’estructura de traducció està preparada per a anglès, castellà i francès.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notificacions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No disponibles en la demostració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recordatoris opcionals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No programats · fase futura</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::HistoryEntry</name>
    <message>
        <source>Simulació completada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel·lada</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::HistoryView</name>
    <message>
        <source>Només completades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOT CLAR, TAMBÉ DESPRÉS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cada pas, a la vista.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registres ficticis i simulacions d’aquesta sessió. Cap operació real de manteniment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La demostració no mou fitxers a la Paperera i no té res a recuperar. Els registres nous només es conserven durant aquesta sessió.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 registres de demostració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 estimats · 0 B reals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resultat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espai estimat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espai real recuperat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 elements de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recuperació</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No aplicable · cap canvi real</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::HomeView</name>
    <message>
        <source>Veure l’anàlisi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analitza ara</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNA MICA DE CURA, CADA DIA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El teu Mac, en forma.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tot el que necessites saber per mantenir el teu Mac a punt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una anàlisi de mostra.
Cap canvi al teu Mac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Emmagatzematge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disponibles de 512 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>384 GB ocupats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memòria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baixa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressió de memòria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7,8 GB de 16 GB en ús</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d’activitat simulada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Càrrega moderada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicacions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aplicacions de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 aplicacions per revisar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un lloc per a cada cosa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>512 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explora el teu espai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Per revisar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitxers grans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espai que pots conèixer millor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicacions poc utilitzades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 exemples per valorar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporals identificats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 GB de candidats de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local, privat i sota el teu control.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap fitxer llegit ni modificat</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::MainWindow</name>
    <message>
        <source>Quant a vesk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuració…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surt de vesk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navegació</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finestra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimitza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tanca la finestra</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::PerformanceView</name>
    <message>
        <source>ENTENDRE ABANS D’ACTUAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tot al seu ritme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una lectura tranquil·la dels recursos, sense promeses d’acceleració ni accions innecessàries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>activitat de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sense càrrega sostinguda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memòria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baixa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pressió de mostra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap de mostra: 0 B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disponibles de 512 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E/S de mostra: 4 MB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recurs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12 minuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 minuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Període</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicacions i processos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipus de procés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Els elements d’inici es mostren com a exemple. No s’aturen processos ni es modifica l’inici de sessió.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En segon pla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A l’inici</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % CPU</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::PermissionsTab</name>
    <message>
        <source>Cap permís de sistema sol·licitat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accés complet al disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sol·licitat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carpetes personals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sense accés</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notificacions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sol·licitades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telemetria i xarxa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sense connexions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En una fase futura, cada accés s’explicarà abans de demanar-lo. La demostració només desa les preferències visuals de vesk.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::PrivacyView</name>
    <message>
        <source>LA CONFIANÇA COMENÇA AQUÍ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La teva privacitat, al centre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coneix les proteccions natives de macOS i revisa les dades amb criteri.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No s’ha verificat la protecció del teu Mac. Tots els estats següents són exemples o indicadors sense verificar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com revisar-ho a macOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obre Configuració del Sistema → General → Actualització de programari. vesk no obre ni modifica aquests ajustos en la demostració.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obre Configuració del Sistema → Xarxa → Firewall. vesk no canvia cap configuració de seguretat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Obre Configuració del Sistema → Privacitat i seguretat per consultar aquesta protecció. L’estat real no s’ha llegit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memòries cau · recursos fora de línia per revisar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historial · 24 entrades fictícies, cap URL real</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cookies i sessions · excloses de la neteja general</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dades temporals · no verificades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extensions · 2 extensions de mostra, sense diagnòstic real</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revisió als ajustos de macOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientació informativa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entesos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les dades del navegador també són teves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les cookies poden mantenir sessions obertes. L’historial pot contenir informació sensible. Cap d’aquestes dades forma part d’una neteja general.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vull explorar l’exemple fictici de dades del navegador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revisa l’exemple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amaga l’exemple</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::ProcessRow</name>
    <message>
        <source>%1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::Risk</name>
    <message>
        <source>Baix risc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cal revisar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protegit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::ScanningCard</name>
    <message>
        <source>Observant les dades de mostra…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progrés de l’anàlisi simulada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel·la l’anàlisi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Només dades fictícies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>En curs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pendent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::SearchField</name>
    <message>
        <source>Esborra la cerca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca esborrada</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::Section</name>
    <message>
        <source>Inici</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neteja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Espai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aplicacions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rendiment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacitat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Historial</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::SettingsView</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neteja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permisos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quant a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seccions de la configuració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquest canvi no s’ha pogut desar al disc. Es manté fins que tanquis vesk.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::Sheet</name>
    <message>
        <source>Tanca</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::Sidebar</name>
    <message>
        <source>Barra lateral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EL TEU ESPAI, A PUNT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seccions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una mica de cura.
Més espai per a tu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vesk 0.1 · Prototip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anàlisi simulada en curs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::StepIndicator</name>
    <message>
        <source>Analitza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entén</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revisa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pas actual: %1 de %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::StorageDetail</name>
    <message>
        <source>Element de demostració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ubicació fictícia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Última modificació de mostra: fa %1 dies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquesta àrea no està classificada. No se’n pressuposa el contingut ni s’hi proposa cap acció.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La mida i l’antiguitat no determinen si un fitxer és prescindible. No es pot obrir ni eliminar aquest exemple.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::StorageMode</name>
    <message>
        <source>Mosaic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitxers grans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitxers antics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicats</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::StorageNode</name>
    <message>
        <source>Sense accés</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::StorageView</name>
    <message>
        <source>Més d’1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A partir de 8 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A partir de 20 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6 mesos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 anys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CADA COSA TÉ EL SEU LLOC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Una altra mirada al teu espai.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explora les carpetes de mostra. La superfície de cada bloc representa la seva mida.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>384 GB ocupats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128 GB lliures de 512 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vista de l’espai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La data de modificació no indica si un fitxer és necessari. Revisa sempre el contingut abans de decidir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grups de mostra, sense verificació real. El motor futur haurà de comparar el contingut amb mètodes fiables; el nom no és suficient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26 GB no classificats: la demostració representa també les àrees que un analitzador podria no poder consultar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camí</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enrere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 grup potencial · 2 fitxers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compara les còpies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mida mínima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antiguitat mínima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap resultat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canvia els filtres per explorar més dades de mostra.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fa %1 dies · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dues còpies per comparar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grup fictici · identitat del contingut no verificada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modificat fa %1 dies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap còpia està seleccionada per eliminar. En aquesta fase no es llegeix ni es compara cap fitxer real.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::Treemap</name>
    <message>
        <source>Mosaic de la carpeta</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::TreemapBlock</name>
    <message>
        <source>%1 · %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vesk::VeskApp</name>
    <message>
        <source>Quant a vesk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.1 · Demostració</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El teu Mac, en forma.
Prototip local sense operacions reals.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
