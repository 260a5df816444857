// The help pages and the main window's help command. All help text lives
// here, so a changed caption is changed in one place.

#include "mainwindow/Hilfe.h"

#include <string_view>

#include "forms/Hauptfenster.h"
#include "platform/Oberflaeche.h"
#include "scene/Ansicht.h"

namespace {

const HilfeSeite Seiten[] = {
    {"Inhalt", "Übersicht",
     R"(<h2>Raumgeometrie</h2>
<p>Das Programm zeigt Geraden, Ebenen, Spate, Vektoren, Strecken, Punkte, Kugeln, Kegel und ein
Fadenkreuz in einem räumlichen Koordinatensystem, dreht sie und berechnet ihre Lage zueinander.</p>
<p><b>Die Fenster</b></p>
<ul>
<li><a href="Hauptfenster">Das Hauptfenster</a></li>
<li><a href="Drehen">Drehen der Szene</a></li>
<li><a href="Projektion">Ansicht und Projektion</a></li>
<li><a href="Geraden">Geraden g, h, t</a></li>
<li><a href="Ebenen">Ebenen E1, E2</a></li>
<li><a href="Objekte">Spate, Vektoren, Strecken, Punkte, Kugeln, Kegel, Fadenkreuz</a></li>
<li><a href="Animationen">Animationen</a></li>
<li><a href="Auswertungen">Auswertungen (Datenausgabe)</a></li>
<li><a href="Rechnen">Rechnen mit Objektdaten und lineare Algebra</a></li>
<li><a href="Einstellungen">Einstellungen der Darstellung</a></li>
<li><a href="Dateien">Dateien, Objekt-Speicher und Bilder</a></li>
<li><a href="Sperre">Koordinaten sperren</a></li>
</ul>
<p><b>Häufige Aufgaben</b> (Seite <a href="Aufgaben">Schritt für Schritt</a>)</p>
<ul>
<li>eine Gerade durch zwei Punkte legen</li>
<li>einen Schnittpunkt ablesen</li>
<li>eine Auswertung öffnen und drucken</li>
<li>ein Bild speichern</li>
<li>eine Projektion wählen</li>
<li>Koordinaten sperren</li>
</ul>
<p>Die Taste <b>F1</b> öffnet in jedem Fenster die Seite zu diesem Fenster.</p>)"},

    {"Aufgaben", "Schritt für Schritt",
     R"(<h2>Häufige Aufgaben Schritt für Schritt</h2>
<h3>Eine Gerade durch zwei Punkte A und B</h3>
<ol>
<li>Menü <i>Objekte</i> &rarr; <i>Geraden g, h, t</i> öffnet das Fenster <i>Geraden</i>.</li>
<li>Unter <i>Gerade</i> g, h oder t wählen.</li>
<li>In die Spalte <i>Stütz-V.</i> die Koordinaten von A schreiben, in die Spalte <i>Richt.-V.</i>
die Koordinaten von B minus A (Beispiel: A(1|2|3), B(4|6|3) ergibt den Richtungsvektor 3, 4, 0).</li>
<li>Die Taste Tab schließt eine Zelle ab und geht zur nächsten: erst die Spalte <i>Stütz-V.</i>
hinunter, dann die Spalte <i>Richt.-V.</i>. Das Bild folgt jeder abgeschlossenen Zahl.</li>
</ol>
<h3>Einen Schnittpunkt ablesen</h3>
<p>Der linke Rand des Hauptfensters zeigt die Lage der Geraden und Ebenen zueinander, zum Beispiel
<i>g, h: S(4,000 | 0,000 | 1,000)</i> für den Schnittpunkt S von g und h oder <i>g, E1: D(...)</i> für
den Durchstoßpunkt D von g durch E1; bei E1, E2 steht die Schnittgerade sg. Der Knopf
<i>Schnittangaben</i> rechts blendet diese Angaben aus und wieder ein. Ausführlicher steht es in der
Auswertung (nächste Aufgabe).</p>
<h3>Eine Auswertung öffnen und drucken</h3>
<ol>
<li>Im Fenster <i>Geraden</i> (ebenso <i>Ebenen</i> und die anderen Objektfenster) das Menü
<i>Ergebnisse</i> öffnen und ein Paar wählen, etwa <i>g - h</i>. Ein Rechtsklick auf das Bild im
Hauptfenster bietet dieselben Auswertungen nach Objektarten geordnet an (<i>Geraden</i> &rarr;
<i>g - h</i>).</li>
<li>Das Fenster <i>Datenausgabe</i> zeigt Parameterdarstellungen, Lagebeziehung, Schnittpunkt,
Winkel und Abstand.</li>
<li>Im Fenster <i>Datenausgabe</i> auf <i>drucken</i> klicken; im Dialog <i>Drucken</i> den Drucker
wählen und <i>Drucken</i> anklicken.</li>
</ol>
<h3>Ein Bild speichern</h3>
<ol>
<li>Menü <i>Bild</i> &rarr; <i>Bild als Bitmap (*.BMP) speichern ...</i> oder
<i>Bild als Metadatei (*.WMF) speichern ...</i>.</li>
<li>Im Dateidialog Ordner und Namen wählen und speichern.</li>
</ol>
<p>Nur einen Teil speichern: <i>Bild</i> &rarr; <i>Bildausschnitt mit der Maus wählen</i>, dann mit
gedrückter linker Maustaste ein Rechteck über das Bild ziehen. Der Ausschnitt kommt sofort in die
Zwischenablage und gilt für die Bildbefehle, bis <i>ganzes Bild verwenden</i> gewählt wird.</p>
<h3>Eine Projektion wählen</h3>
<ol>
<li>Rechts im Hauptfenster: Haken bei <i>Zentralproj.</i> für die Zentralprojektion, ohne Haken
Parallelprojektion.</li>
<li>Bei Parallelprojektion öffnet <i>Proj-Art</i> die fertigen Projektionen
<i>Kavalierprojektion 1</i> bis <i>3</i>, <i>Grundriss</i>, <i>Kreuzriss</i> und <i>Aufriss</i>.</li>
<li><i>Ebene:</i> <i>xz</i>, <i>yz</i> oder <i>xy</i> wählt die Bildebene.</li>
</ol>
<p>Mehr auf der Seite <a href="Projektion">Ansicht und Projektion</a>.</p>
<h3>Koordinaten sperren</h3>
<ol>
<li>Menü <i>Einstellungen</i> &rarr; <i>Koordinaten sperren-zeigen ...</i>.</li>
<li>Die Objektarten ankreuzen, deren Koordinaten die Schülerinnen und Schüler nicht sehen sollen.</li>
<li>Beim ersten Mal ein neues Paßwort eingeben und wiederholen, sonst das Paßwort eingeben;
<i>OK</i>.</li>
</ol>
<p>Mehr auf der Seite <a href="Sperre">Koordinaten sperren</a>.</p>)"},

    {"Hauptfenster", "Das Hauptfenster",
     R"(<h2>Das Hauptfenster</h2>
<p>In der Mitte steht das Bild der Szene.</p>
<p><b>Erste Knopfreihe:</b> ein Knopf je Objekt (g, h, t, E1, E2, SP1 bis SP4, V1 bis V4, S1 bis
S4, P1 bis P4, K1 bis K4, Ke1 bis Ke4, F für das Fadenkreuz). Ein gedrückter Knopf zeigt das
Objekt im Bild. Ein Klick auf das farbige Feld vor dem Knopf wählt die Farbe des Objekts.</p>
<p><b>Zweite Knopfreihe:</b> welche Objekte sich beim Drehen ohne Achsen mitdrehen, dazu
<i>alle drehen</i> und <i>alle aus</i>. Beim Start ist <i>alle aus</i> gedrückt; siehe
<a href="Drehen">Drehen der Szene</a>.</p>
<p><b>Dritte Reihe:</b> die Knöpfe zum Drehen (<i>x-</i> bis <i>z+</i>, <i>Achse</i>,
<i>Dauerdrehen</i>, roter Punkt, Zähler, <i>mit Achsen</i>, <i>Einstell.  Achse</i>,
Drehwinkel).</p>
<p><b>Links:</b> die Lage der Geraden und Ebenen zueinander mit Schnitt- und Durchstoßpunkten
(ein- und ausblenden mit <i>Schnittangaben</i>).</p>
<p><b>Rechts oben:</b> Projektion, Bildebene, Zoom und Achsenlänge; siehe
<a href="Projektion">Ansicht und Projektion</a>.</p>
<p><b>Rechts unten:</b> <i>Drehstrecken</i>, der Rollbalken für die Pause beim Dauerdrehen,
<i>Animationen</i> (<i>g-h</i>, <i>E1-E2</i>) und vier Knöpfe: Pfeil nach links nimmt einen
Konstruktionsschritt zurück, Pfeil nach rechts führt ihn wieder aus (wie <i>Bearbeiten</i> &rarr;
<i>rückgängig</i>, Strg+Z, und <i>widerrufen</i>, Strg+Umschalt+Z); <i>Speich.</i> mit Pfeil nach
unten legt die aktuellen Objektdaten in den Objekt-Speicher, <i>Speich.</i> mit Pfeil nach oben holt
sie von dort zurück (siehe <a href="Dateien">Dateien, Objekt-Speicher und Bilder</a>).</p>
<p><b>Menüs:</b> <i>Datei</i> (Objektdaten und Farbsets), <i>Bearbeiten</i> (rückgängig,
widerrufen), <i>Einstellungen</i>, <i>Ansicht</i> (Achsen, Gitterwände, Vektoren, Schnittpunkte
und anderes ein- und ausblenden), <i>zum Drehen</i>, <i>Objekte</i> (die Objektfenster),
<i>Rechnen</i>, <i>Bild</i>, <i>Hilfe</i>.</p>)"},

    {"Drehen", "Drehen der Szene",
     R"(<h2>Drehen der Szene</h2>
<p>Es gibt zwei Arten zu drehen. Der Knopf <i>mit Achsen</i> (Menü <i>zum Drehen</i> &rarr;
<i>Achsen mit Objekten drehen</i>, Strg+A) schaltet um; seine Beschriftung nennt die Art, zu der er
umschaltet.</p>
<ul>
<li><b>Drehen ohne Achsen</b> (beim Start): Das Koordinatensystem bleibt stehen. Es drehen sich
nur die Objekte, deren Knopf in der zweiten Knopfreihe gedrückt ist. Ihre neuen Koordinaten
stehen danach in ihren Fenstern.</li>
<li><b>Drehen mit Achsen</b>: Achsen und alle Objekte drehen sich gemeinsam; man sieht die Szene
nur von einer anderen Seite. Die Objektfenster behalten die Koordinaten. Die Pfeilknöpfe für
Rückgängig und Wiederholen, <i>Achse</i>, <i>Einstell.  Achse</i> und der Rollbalken <i>Achsen:</i>
sind dabei gesperrt.</li>
</ul>
<p><b>Koordinaten ändern:</b> Beim Drehen mit Achsen fragt ein Objektfenster, sobald man eine
Koordinate ändern will (beim ersten Tastendruck in eine Zelle oder beim Einfügen eines Vektors), ob
auf Drehen ohne Achsen umgestellt werden soll. <i>Ja</i> hält eine laufende Drehung an, dreht alles
in die Ausgangslage zurück und stellt um; die Eingabe geht dann weiter. <i>Nein</i> lässt Drehung und
Koordinaten, wie sie sind, und die Eingabe unterbleibt. Läuft beim Drehen ohne Achsen gerade ein
Dauerdrehen, fragt das Programm ebenso, ob es dieses anhalten soll.</p>
<p><b>Wichtig:</b> Beim Start ist <i>alle aus</i> gedrückt. Ein Klick auf <i>x+</i> zählt dann
zwar eine Drehung, dreht aber nichts. Zuerst die Objekte wählen (Knöpfe der zweiten Reihe oder
<i>alle drehen</i>) oder auf Drehen mit Achsen umschalten.</p>
<p><b>Schrittweise drehen:</b> <i>x-</i>, <i>x+</i>, <i>y-</i>, <i>y+</i>, <i>z-</i>,
<i>z+</i> drehen um die x-, y- oder z-Achse um den Drehwinkel, mit Minus gegen die Drehrichtung.
Der Drehwinkel steht im Feld rechts (beim Start 1,0000 Grad, erlaubt -360 bis 360). Der Knopf
<i>1</i> setzt ihn auf 1 Grad; der Rollbalken daneben ändert ihn: Klick auf einen Pfeil um 1 Grad,
Klick in den Freiraum um 10 Grad.</p>
<p><b>Dauerdrehen:</b></p>
<ol>
<li><i>Dauerdrehen</i> anklicken. Der Knopf bleibt gedrückt; es dreht sich noch nichts.</li>
<li>Einen Richtungsknopf anklicken, etwa <i>z+</i>: die Drehung läuft, der Knopf ist rot
beschriftet. Ein anderer Richtungsknopf wechselt die Richtung.</li>
<li>Derselbe Richtungsknopf hält die Drehung an; <i>Dauerdrehen</i> bleibt eingeschaltet.</li>
<li>Ein erneuter Klick auf <i>Dauerdrehen</i> schaltet es aus.</li>
</ol>
<p>Der Rollbalken über <i>Animationen</i> stellt die Pause zwischen zwei Schritten ein (1 bis 3000
Millisekunden, beim Start 20).</p>
<p><b>Zähler und roter Punkt:</b> Das Feld neben dem roten Punkt zählt die Drehungen; erlaubt
sind 20, danach muss zurückgesetzt werden. Der <b>rote Punkt</b> hält eine laufende Drehung an und
setzt den Zähler auf 0. Beim Drehen ohne Achsen bleibt die Szene dabei gedreht, so wie sie ist.
Beim Drehen mit Achsen dreht er alles in die Ausgangslage zurück.</p>
<p><b>Drehachse:</b> <i>Einstell.  Achse</i> (oder <i>Objekte</i> &rarr; <i>Drehachse
einstellen</i>) öffnet das Fenster <i>Einstellen der Drehachse</i>: unter <i>Eingabe der
Drehachse</i> <i>Parameterform</i> oder <i>durch zwei Punkte</i> wählen, die Koordinaten eingeben,
auf Wunsch <i>Drehachse anzeigen</i> ankreuzen, <i>OK</i>.
<i>Achse</i> dreht die gewählten Objekte um diese Achse, mit <i>Dauerdrehen</i> fortlaufend.</p>
<p><b>Drehstrecken:</b> Nach einer Drehung der Szene zeigt das Bild beim Drehen ohne Achsen von
jedem Objekt das Lot auf die zuletzt benutzte Drehachse, mit einem Zeichen für den rechten Winkel.
Der Knopf <i>Drehstrecken</i> (Menü <i>zum Drehen</i> &rarr; <i>Drehstrecke aus</i>, Strg+D) blendet
sie aus und wieder ein. <i>Drehstrecke einstellen</i> wählt Strichbreite, Linienstil, Farbe und das
Winkelzeichen.</p>
<p><b>Dreh-Matrizen:</b> <i>Rechnen</i> &rarr; <i>Dreh-Matrizen einblenden</i> zeigt im Fenster
<i>Dreh-Matrizen</i> die Matrix der aktuellen Drehung und der Gesamtdrehung.</p>)"},

    {"Projektion", "Ansicht und Projektion",
     R"(<h2>Ansicht und Projektion</h2>
<p>Die Knöpfe stehen rechts im Hauptfenster.</p>
<ul>
<li><i>Zentralproj.</i> mit Haken: Zentralprojektion. Unter <i>Fluchtpunkt:</i> stehen seine
Koordinaten x, y, z; <i>+</i> und <i>-</i> ändern sie schrittweise, solange man sie gedrückt hält.
<i>Versch.:</i> verschiebt die Projektionsebene (<i>0</i> legt sie wieder durch den Ursprung).</li>
<li><i>Zentralproj.</i> ohne Haken: Parallelprojektion mit <i>Projektionsrichtung:</i> x, y, z.
<i>Proj-Art</i> bietet <i>Kavalierprojektion 1</i> bis <i>3</i>, <i>Grundriss</i>,
<i>Kreuzriss</i> und <i>Aufriss</i> an.</li>
<li><i>Ebene:</i> <i>xz</i>, <i>yz</i>, <i>xy</i> wählt die Bildebene.</li>
<li><i>Vorgabe:</i> Jeder der drei Knöpfe setzt eine Koordinate wieder auf den Startwert, den er
zeigt.</li>
<li>Die zwei Faktoren neben <i>Vorgabe</i> bestimmen die Längeneinheit der beiden anderen Achsen
aus der ersten (der Hinweis am Feld nennt die Achsen).</li>
<li><i>Zoom:</i> vergrößert oder verkleinert das Bild, <i>Achsen:</i> ändert die Länge der
Koordinatenachsen, <i>Bild:</i> verschiebt das Bild mit den vier Pfeilen.</li>
<li><i>Ansicht zurück</i> stellt die Startansicht her <b>und nimmt alle Konstruktionsschritte
zurück</b>; beim Drehen mit Achsen dreht es die Szene dabei in die Ausgangslage zurück.
<i>Alles zurück</i> tut dasselbe und löscht beim Drehen ohne Achsen zudem die Liste der Drehungen:
der Zähler und die Dreh-Matrizen stehen danach auf 0, und eine laufende Drehung hält an. Beim Drehen
mit Achsen tut es nichts darüber hinaus.</li>
</ul>
<p>Das Menü <i>Ansicht</i> blendet Achsen, Achseneinteilung, Achsenwerte, Gitterwände,
Achsen-Würfel, Fluchtstrecken, Stütz- und Richtungsvektoren, Normalenvektoren, Schnitt- und
Durchstoßpunkte, Spurpunkte, die Schnittgerade sg und die Parameterdarstellung ein und aus.
<i>Einstellungen</i> &rarr; <i>verdeckte Linien beachten</i> zeichnet die Linien von hinten nach vorn
(siehe <a href="Einstellungen">Einstellungen der Darstellung</a>).</p>)"},

    {"Geraden", "Geraden g, h, t",
     R"(<h2>Geraden g, h, t</h2>
<p>Das Fenster <i>Geraden</i> (Menü <i>Objekte</i> &rarr; <i>Geraden g, h, t</i>) hält die drei
Geraden in der Form <b>x = p + k·u</b>.</p>
<ul>
<li><i>Gerade:</i> g, h oder t wählt die Gerade, die die Tabelle zeigt.</li>
<li>Tabelle: Spalte <i>Stütz-V.</i> ist der Stützvektor p, Spalte <i>Richt.-V.</i> der
Richtungsvektor u; Zeilen x, y, z. Zahlen mit Komma eingeben. Tab schließt die Zelle ab und geht
weiter; das Bild folgt sofort. Esc nimmt zurück, was in die Zelle getippt wurde; was inzwischen ein
anderes Fenster, das Laden, <i>rückgängig</i> oder eine Drehung geändert hat, bleibt.</li>
<li><i>Stiftbreite</i> 1 bis 4 und <i>Linienstil</i> (<i>durchgezogen</i>, <i>gepunktet</i>) gelten
für die gewählte Gerade.</li>
<li>Menü <i>Ergebnisse</i>: Auswertungen zu einer Geraden, zu zwei Geraden (<i>g - h</i> ...) und
zu Gerade und Ebene (<i>g - E1</i> ...).</li>
</ul>
<p>Eine Gerade durch zwei Punkte A und B: A als Stützvektor, B minus A als Richtungsvektor
(siehe <a href="Aufgaben">Schritt für Schritt</a>).</p>)"},

    {"Ebenen", "Ebenen E1, E2",
     R"(<h2>Ebenen E1, E2</h2>
<p>Das Fenster <i>Ebenen</i> (Menü <i>Objekte</i> &rarr; <i>Ebenen E1, E2 (Parameterform)</i>)
hält die Ebenen in der Form <b>x = p + r·u + s·v</b>.</p>
<ul>
<li><i>Ebene:</i> E1 oder E2 wählen.</li>
<li>Tabelle: <i>Stütz-V.</i>, <i>1. Richt.-V.</i>, <i>2. Richt.-V.</i>; Zeilen x, y, z.</li>
<li><i>Stiftbreite für Ränder</i> und <i>Linienstil</i> gelten für die gewählte Ebene.</li>
<li><i>Koordinaten- u. Normalenform</i> öffnet das Fenster <i>Koordinatenform und Normalenform der
Ebene</i> (auch <i>Objekte</i> &rarr; <i>Ebene in Koordinaten-/Normalenform</i>). Dort lässt sich
die Ebene als Koordinatengleichung a x + b y + c z + d = 0 oder mit Normalenvektor n und Punkt A
eingeben; die Parameterform folgt.</li>
<li>Menü <i>Ergebnisse</i>: Auswertungen zu den Ebenen und zu Gerade und Ebene.</li>
</ul>
<p>Wie Ebenen gezeichnet werden (Quadrat, Gitter, Schnitt mit dem Achsen-Würfel), stellt
<i>Einstellungen</i> &rarr; <i>Darstellung der Ebenen ...</i> ein.</p>)"},

    {"Objekte", "Weitere Objekte",
     R"(<h2>Spate, Vektoren, Strecken, Punkte, Kugeln, Kegel, Fadenkreuz</h2>
<p>Jede Objektart hat ihr Fenster im Menü <i>Objekte</i>: <i>Spate</i>, <i>Vektoren</i>,
<i>Strecken</i>, <i>Punkte</i>, <i>Kugeln</i>, <i>Kegel/Kreise</i>, <i>Fadenkreuz</i>. Von jeder Art
gibt es vier (Spat 1 bis 4 usw.); oben im Fenster wählt man, welches die Tabelle zeigt. Zahlen mit
Komma eingeben, Tab schließt die Zelle ab, das Bild folgt sofort.</p>
<ul>
<li><i>Spate</i>: Eckpunkt A und die drei Kantenvektoren; <i>Erzeugende Vektoren</i> hebt diese
hervor.</li>
<li><i>Vektoren</i>: Anfangspunkt und Vektor; <i>Vektorsummen ...</i> öffnet das Fenster
<i>Vektorsummen</i>.</li>
<li><i>Strecken</i>: die Endpunkte A und B.</li>
<li><i>Punkte</i>: die Koordinaten; <i>mit Fadenkreuz</i> zeichnet den Punkt mit eigenem
Achsenkreuz.</li>
<li><i>Kugeln</i>: Mittelpunkt und Radius.</li>
<li><i>Kegel/Kreise</i>: Mittelpunkt und Normale der Grundfläche, Radius und Höhe; <i>Kreis-Speichen
ein</i> zeigt Speichen.</li>
<li><i>Fadenkreuz</i>: ein verschiebbares Achsenkreuz zum Ablesen von Lagen im Raum.</li>
</ul>
<p>Das Menü <i>Ergebnisse</i> jedes Fensters öffnet die Auswertungen zu dieser Objektart.
<i>Hilfe</i> &rarr; <i>Beispiele</i> zeigt ein Bild zur Parameterform.</p>)"},

    {"Animationen", "Animationen",
     R"(<h2>Animationen</h2>
<p>Unter <i>Animationen</i> rechts im Hauptfenster öffnet <i>g-h</i> das Fenster <i>Animation der
Geraden g und h</i>, <i>E1-E2</i> das Fenster <i>Animation der Ebenen E1 und E2</i> (auch Menü
<i>Objekte</i> &rarr; <i>Animation Geraden</i> und <i>Animation Ebenen</i>). Die Animationen gibt es nur beim Drehen ohne Achsen; sonst fragt das Programm, ob
es umstellen soll.</p>
<ul>
<li>Die Tabellen zeigen Stütz- und Richtungsvektoren; in den Feldern daneben steht für jede
Koordinate die Schrittweite der Bewegung (der Hinweis am Feld nennt die Koordinate).</li>
<li><i>Start</i> setzt die Bewegung in Gang, ein zweiter Klick hält sie an.</li>
<li><i>Param.-Darstell. ein</i> zeigt die Parameterdarstellung im Bild.</li>
<li><i>Koordinaten übernehmen</i> schreibt die erreichten Koordinaten in die Objektfenster.</li>
<li><i>Schließen</i> beendet die Animation.</li>
</ul>
<p>Sind die Koordinaten der Geraden oder Ebenen gesperrt, meldet das Programm das, statt das
Fenster zu öffnen.</p>)"},

    {"Auswertungen", "Auswertungen",
     R"(<h2>Auswertungen (Datenausgabe)</h2>
<p>Eine Auswertung öffnet man im Menü <i>Ergebnisse</i> eines Objektfensters oder mit einem
Rechtsklick auf das Bild im Hauptfenster. Sie erscheint im Fenster <i>Datenausgabe</i>: etwa zu
<i>g - h</i> die Parameterdarstellungen, die Lagebeziehung mit dem Schnittpunkt, den Winkel und den
Abstand.</p>
<ul>
<li>Die Auswertung folgt jeder Änderung der Objekte, solange das Fenster offen ist.</li>
<li><i>drucken</i> öffnet den Dialog <i>Drucken</i>; dort den Drucker wählen und
<i>Drucken</i> anklicken.</li>
<li><i>Datei</i> &rarr; <i>beenden</i> schließt das Fenster.</li>
</ul>)"},

    {"Rechnen", "Rechnen",
     R"(<h2>Rechnen mit Objektdaten und lineare Algebra</h2>
<p>Das Menü <i>Rechnen</i> öffnet die Rechenfenster.</p>
<ul>
<li><i>Rechnen mit Objektdaten</i>: Vektoren und Punkte der Szene auswählen und mit ihnen rechnen
(Längen, Abstände, Lotfußpunkte ...).</li>
<li><i>Matrizen, Determinanten ...</i>: Produkte Matrix-Matrix und Matrix-Vektor, Determinante,
Inverse und Transponierte.</li>
<li><i>Dreh-Matrizen einblenden</i>: die Matrizen der Drehungen (siehe
<a href="Drehen">Drehen der Szene</a>).</li>
<li><i>Lineare Abhängigkeit ...</i>: ob die Vektoren v 1, v 2, v 3 linear abhängig oder
unabhängig sind.</li>
<li><i>Lineare Gleichungssysteme ...</i>: ein Gleichungssystem lösen.</li>
<li><i>Vektorprodukt, Spatprodukt ...</i>: Vektorprodukt und Spatprodukt.</li>
</ul>
<p>Das Fenster <i>Vektorsummen</i> öffnet man im Fenster <i>Vektoren</i> mit
<i>Vektorsummen ...</i>.</p>)"},

    {"Einstellungen", "Einstellungen",
     R"(<h2>Einstellungen der Darstellung</h2>
<p>Das Menü <i>Einstellungen</i> öffnet die Fenster, in denen man einstellt, wie das Bild gezeichnet
wird; das Bild folgt jeder Änderung sofort:</p>
<ul>
<li><i>Gitter des Achsen-Würfels ...</i> und <i>Achsen-Würfel ...</i>: Gitterlinien und Aussehen
des Achsen-Würfels.</li>
<li><i>Fluchtstrecken ...</i>: die Strecken zum Fluchtpunkt bei Zentralprojektion.</li>
<li><i>Drehstrecken ...</i>: Strichbreite, Linienstil, Farbe und Winkelzeichen der Drehstrecken.</li>
<li><i>Normalenvektoren ...</i>, <i>Darstellung der Ebenen ...</i>,
<i>Projektions- und Spurgeraden ...</i>, <i>Differenzvektoren ...</i>.</li>
<li><i>Farben</i>: Hintergrund, Achsen und Gitterwände.</li>
</ul>
<p>Dazu kommen <i>Zentralprojektion aus</i>, <i>verdeckte Linien beachten</i>,
<i>automat. Einblenden von 3 Wänden des Achsen-Würfels</i> und <i>Koordinaten sperren-zeigen ...</i>
(siehe <a href="Sperre">Koordinaten sperren</a>). Fünf Farbsets stehen im Menü <i>Datei</i>
(F2 bis F6).</p>
<p><b>Verdeckte Linien beachten</b> (Menü <i>Einstellungen</i> oder der Knopf mit dem Würfel, dessen
hintere Kanten gepunktet sind, am rechten Ende der Reihe der Drehknöpfe): Das Programm zeichnet dann
alle Linien des Bildes von hinten nach vorn, so dass dort, wo sich zwei Linien im Bild kreuzen, die
nähere über der ferneren liegt. Mehr wird nicht verdeckt: Ebenen, Spate, Kugeln und Kegel werden nur
mit ihren Kanten und Netzlinien gezeichnet, ihre Flächen sind durchsichtig und verdecken keine Linie
dahinter.</p>
<p>Die Reihenfolge zu finden kostet Zeit, bei vielen Linien auch lange. Beim Einschalten schätzt das
Programm deshalb, wie viele Strecken die eingeblendeten Objekte ergeben (Kugeln mit ihren Netzen
zählen viel). Sind es mehr als 200, fragt es vorher, ob es trotzdem einschalten soll; sonst schaltet
es ohne Frage ein. Die Taste <b>Esc</b> bricht ein langes Zeichnen ab: Das Bild zeigt dann nur die
bis dahin gezeichneten hinteren Linien, bis es das nächste Mal gezeichnet wird.</p>)"},

    {"Dateien", "Dateien und Bilder",
     R"(<h2>Dateien, Objekt-Speicher und Bilder</h2>
<p><b>Menü <i>Datei</i>:</b> <i>aktuelle Objektdaten in Datei speichern</i> und <i>Objektdaten aus
Datei laden</i> (Dateien *.OVD); <i>Objektdatensatz1 (Vorgabe) laden</i> stellt die Startszene wieder
her (nach einer Drehung erst nach einer Rückfrage); <i>aktuelles Farbset in Datei speichern</i> und
<i>Farbset aus Datei laden</i> (Dateien *.OVF); <i>Farbset 1 (Startfarbset)</i> bis <i>Farbset 5</i>
(F2 bis F6).</p>
<p><b>Objekt-Speicher:</b> Er hält eine ganze Szene, solange das Programm läuft. <i>Speich.</i> mit
Pfeil nach unten legt die aktuellen Objektdaten hinein und ersetzt, was darin war; das lässt sich
nicht rückgängig machen. <i>Speich.</i> mit Pfeil nach oben überträgt die Daten aus dem Speicher auf
alle Objekte. Beide fragen vorher. Beim Start enthält der Speicher die Startszene.</p>
<p><b>Menü <i>Bild</i>:</b> <i>Bild in die Zwischenablage kopieren</i>, <i>Bild als Bitmap (*.BMP)
speichern ...</i>, <i>Bild als Metadatei (*.WMF) speichern ...</i> und <i>Bitmap-Datei in Metadatei
umwandeln ...</i>. Mit <i>Bildausschnitt mit der Maus wählen</i> zieht man ein Rechteck über das Bild;
dieser Ausschnitt kommt sofort in die Zwischenablage und gilt für die Bildbefehle, bis <i>ganzes Bild
verwenden</i> gewählt wird.</p>)"},

    {"Sperre", "Koordinaten sperren",
     R"(<h2>Koordinaten sperren</h2>
<p>Unter <i>Einstellungen</i> &rarr; <i>Koordinaten sperren-zeigen ...</i> kann eine Lehrkraft die
Koordinaten einzelner Objektarten verbergen: <i>Geraden</i>, <i>Ebenen</i>, <i>Spate</i>,
<i>Vektoren</i>, <i>Strecken</i>, <i>Punkte</i>, <i>Kugeln</i>, <i>Kegel</i>.</p>
<ul>
<li>Angekreuzte Objektarten zeigen keine Koordinaten: ihre Fenster zeigen keine Tabelle, und bei
Geraden und Ebenen entfallen die Gleichungen im Bild.</li>
<li>Beim ersten Sperren wird ein neues Paßwort festgelegt (<i>Paßwort wiederholen:</i>); jede
spätere Änderung verlangt dieses Paßwort. <i>OK</i> übernimmt, <i>Abbrechen</i> lässt alles, wie es
war.</li>
<li>Die Sperre gilt auch nach einem Neustart des Programms. Gespeichert wird nur ein Prüfwert, aus
dem sich das Paßwort nicht zurückgewinnen lässt.</li>
</ul>)"},
};

const HilfeFensterSeite FensterSeiten[] = {
    {"Form_Edits_01", "Hauptfenster"},
    {"Form_Geraden_t", "Geraden"},
    {"Form_Ebenen", "Ebenen"},
    {"Form_EbenKoord", "Ebenen"},
    {"Form_Spate", "Objekte"},
    {"Form_Vektoren", "Objekte"},
    {"Form_Strecken", "Objekte"},
    {"Form_Punkte", "Objekte"},
    {"Form_Kugeln", "Objekte"},
    {"Form_Kegel", "Objekte"},
    {"Form_Fadenkreuz", "Objekte"},
    {"Form_Beispiele", "Objekte"},
    {"Form_DrehenUmGerade", "Drehen"},
    {"Form_Dreh_Matrizen", "Drehen"},
    {"Form_DrStrEinst", "Drehen"},
    {"Form_Einst_GeradenAnima", "Animationen"},
    {"Form_Einst_EbenenAnima", "Animationen"},
    {"Form_Datenausgabe", "Auswertungen"},
    {"Form_ObjekteDaten", "Rechnen"},
    {"Form_Matrizen", "Rechnen"},
    {"Form_LGS", "Rechnen"},
    {"Form_LaLua", "Rechnen"},
    {"Form_VektProd", "Rechnen"},
    {"Form_VektSumme", "Rechnen"},
    {"Form_AchsenWuerfel", "Einstellungen"},
    {"Form_GitterWuerfelMax", "Einstellungen"},
    {"Form_Fluchtstr", "Einstellungen"},
    {"Form_Normalenvektoren", "Einstellungen"},
    {"Form_EbEinstell", "Einstellungen"},
    {"Form_ProjSpurGeraden", "Einstellungen"},
    {"Form_Differenzvektoren", "Einstellungen"},
    {"Form_Koordsperre", "Sperre"},
};

}  // namespace

std::span<const HilfeSeite> HilfeSeiten() { return Seiten; }
std::span<const HilfeFensterSeite> HilfeFensterSeiten() { return FensterSeiten; }

const HilfeSeite* HilfeSeiteSuchen(const std::string& name) {
    for (const HilfeSeite& s : Seiten)
        if (name == s.Name) return &s;
    return nullptr;
}

const char* HilfeSeiteFuerFenster(const std::string& fenster) {
    for (const HilfeFensterSeite& f : FensterSeiten)
        if (fenster == f.Fenster) return f.Seite;
    return nullptr;
}

namespace {

// The projection edits keep their texts while the help is open.
void ProjTexteMerken() {
    const TForm_Edits_01& F = Form_Edits_01;
    const TEdit* edits[6] = {&F.Edit_FPx, &F.Edit_FPy, &F.Edit_FPz, &F.Edit_Projx, &F.Edit_Projy, &F.Edit_Projz};
    for (int i = 1; i <= 6; ++i) ProjTexte[i] = edits[i - 1]->Text().substr(0, 20);
    ProjTexteZurueck = true;
}

}  // namespace

void HilfeFuerFenster(const std::string& fenster) {
    if (fenster == "Form_Edits_01") ProjTexteMerken();
    const char* seite = HilfeSeiteFuerFenster(fenster);
    Host().HilfeZeigen(seite ? seite : Seiten[0].Name);
}

void TForm_Edits_01::HilfeausDatei1Click() {
    ProjTexteMerken();
    Host().HilfeZeigen(Seiten[0].Name);
}
