# -*- coding: utf-8 -*-
# The zone editor: the zone form "zonel2" (labels, key letters and one answer
# definition per field, keys A..R), the value placements "zone0" (line 1 the
# zone's number beside the heading, lines 2..19 the values of A..R) and the
# prompt line "zonel1" (two texts, their x, the arrow-keys picture's x and
# y + 32, then the message shown when saving fails).

# Per key letter A..R: (label on the form, question after "Enter ", used by
# the map display). The field behind each letter is the editor's.
F = {
"E": [("Zone number (not used by the map display)", "the zone number (for reference only):", False),
      ("Zoom: screen pixels per map unit", "the zoom, screen pixels per map unit:", True),
      ("Shift across in pixels (added twice)", "the shift across in pixels:", True),
      ("Shift down in pixels (added twice)", "the shift down in pixels:", True),
      ("Top edge: lowest map y of the zone", "the top edge, lowest map y:", True),
      ("Bottom edge: highest map y of the zone", "the bottom edge, highest map y:", True),
      ("Left edge: lowest map x of the zone", "the left edge, lowest map x:", True),
      ("Right edge: highest map x of the zone", "the right edge, highest map x:", True),
      ("Round fixtures: extra shift across", "the extra shift across of round fixtures:", True),
      ("Round fixtures: extra shift down", "the extra shift down of round fixtures:", True),
      ("Kiosk cross and product rings: shift across", "the shift across of the kiosk cross and rings:", True),
      ("Kiosk cross and product rings: shift down", "the shift down of the kiosk cross and rings:", True),
      ("Field 14: not used by the map display", "field 14 (not used by the map display):", False),
      ("Field 11: not used by the map display", "field 11 (not used by the map display):", False),
      ("Field 16: not used by the map display", "field 16 (not used by the map display):", False),
      ("Field 15: not used by the map display", "field 15 (not used by the map display):", False),
      ("Map labels: extra shift across", "the extra shift across of map labels:", True),
      ("Map labels: extra shift down", "the extra shift down of map labels:", True)],
"F": [("Numéro de la zone (non utilisé par le plan)", "le numéro de la zone (pour mémoire) :", False),
      ("Zoom : pixels de l'écran par unité du plan", "le zoom, en pixels par unité du plan :", True),
      ("Décalage horizontal en pixels (compté deux fois)", "le décalage horizontal en pixels :", True),
      ("Décalage vertical en pixels (compté deux fois)", "le décalage vertical en pixels :", True),
      ("Bord haut : plus petit y de la zone", "le bord haut, plus petit y du plan :", True),
      ("Bord bas : plus grand y de la zone", "le bord bas, plus grand y du plan :", True),
      ("Bord gauche : plus petit x de la zone", "le bord gauche, plus petit x du plan :", True),
      ("Bord droit : plus grand x de la zone", "le bord droit, plus grand x du plan :", True),
      ("Équipements ronds : décalage horizontal en plus", "le décalage horizontal des équipements ronds :", True),
      ("Équipements ronds : décalage vertical en plus", "le décalage vertical des équipements ronds :", True),
      ("Croix de la borne et cercles : décalage horizontal", "le décalage horizontal de la croix et des cercles :", True),
      ("Croix de la borne et cercles : décalage vertical", "le décalage vertical de la croix et des cercles :", True),
      ("Valeur 14 : non utilisée par le plan", "la valeur 14 (non utilisée par le plan) :", False),
      ("Valeur 11 : non utilisée par le plan", "la valeur 11 (non utilisée par le plan) :", False),
      ("Valeur 16 : non utilisée par le plan", "la valeur 16 (non utilisée par le plan) :", False),
      ("Valeur 15 : non utilisée par le plan", "la valeur 15 (non utilisée par le plan) :", False),
      ("Libellés du plan : décalage horizontal en plus", "le décalage horizontal des libellés :", True),
      ("Libellés du plan : décalage vertical en plus", "le décalage vertical des libellés :", True)],
"I": [("Numero della zona (non usato dalla mappa)", "il numero della zona (solo promemoria):", False),
      ("Zoom: pixel dello schermo per unità della mappa", "lo zoom, pixel per unità della mappa:", True),
      ("Spostamento orizzontale in pixel (contato due volte)", "lo spostamento orizzontale in pixel:", True),
      ("Spostamento verticale in pixel (contato due volte)", "lo spostamento verticale in pixel:", True),
      ("Bordo superiore: y minima della zona", "il bordo superiore, y minima della mappa:", True),
      ("Bordo inferiore: y massima della zona", "il bordo inferiore, y massima della mappa:", True),
      ("Bordo sinistro: x minima della zona", "il bordo sinistro, x minima della mappa:", True),
      ("Bordo destro: x massima della zona", "il bordo destro, x massima della mappa:", True),
      ("Arredi rotondi: spostamento orizzontale in più", "lo spostamento orizzontale degli arredi rotondi:", True),
      ("Arredi rotondi: spostamento verticale in più", "lo spostamento verticale degli arredi rotondi:", True),
      ("Croce del totem e cerchi: spostamento orizzontale", "lo spostamento orizzontale di croce e cerchi:", True),
      ("Croce del totem e cerchi: spostamento verticale", "lo spostamento verticale di croce e cerchi:", True),
      ("Valore 14: non usato dalla mappa", "il valore 14 (non usato dalla mappa):", False),
      ("Valore 11: non usato dalla mappa", "il valore 11 (non usato dalla mappa):", False),
      ("Valore 16: non usato dalla mappa", "il valore 16 (non usato dalla mappa):", False),
      ("Valore 15: non usato dalla mappa", "il valore 15 (non usato dalla mappa):", False),
      ("Etichette della mappa: spostamento orizzontale in più", "lo spostamento orizzontale delle etichette:", True),
      ("Etichette della mappa: spostamento verticale in più", "lo spostamento verticale delle etichette:", True)],
"S": [("Número de la zona (el plano no lo usa)", "el número de la zona (solo como referencia):", False),
      ("Zoom: píxeles de pantalla por unidad del plano", "el zoom, píxeles por unidad del plano:", True),
      ("Desplazamiento horizontal en píxeles (se suma dos veces)", "el desplazamiento horizontal en píxeles:", True),
      ("Desplazamiento vertical en píxeles (se suma dos veces)", "el desplazamiento vertical en píxeles:", True),
      ("Borde superior: y mínima de la zona", "el borde superior, y mínima del plano:", True),
      ("Borde inferior: y máxima de la zona", "el borde inferior, y máxima del plano:", True),
      ("Borde izquierdo: x mínima de la zona", "el borde izquierdo, x mínima del plano:", True),
      ("Borde derecho: x máxima de la zona", "el borde derecho, x máxima del plano:", True),
      ("Muebles redondos: desplazamiento horizontal extra", "el desplazamiento horizontal de los muebles redondos:", True),
      ("Muebles redondos: desplazamiento vertical extra", "el desplazamiento vertical de los muebles redondos:", True),
      ("Cruz del terminal y círculos: desplazamiento horizontal", "el desplazamiento horizontal de la cruz y los círculos:", True),
      ("Cruz del terminal y círculos: desplazamiento vertical", "el desplazamiento vertical de la cruz y los círculos:", True),
      ("Valor 14: el plano no lo usa", "el valor 14 (el plano no lo usa):", False),
      ("Valor 11: el plano no lo usa", "el valor 11 (el plano no lo usa):", False),
      ("Valor 16: el plano no lo usa", "el valor 16 (el plano no lo usa):", False),
      ("Valor 15: el plano no lo usa", "el valor 15 (el plano no lo usa):", False),
      ("Rótulos del plano: desplazamiento horizontal extra", "el desplazamiento horizontal de los rótulos:", True),
      ("Rótulos del plano: desplazamiento vertical extra", "el desplazamiento vertical de los rótulos:", True)],
"P": [("Número da zona (não usado pela planta)", "o número da zona (só para referência):", False),
      ("Zoom: píxeis do ecrã por unidade da planta", "o zoom, píxeis por unidade da planta:", True),
      ("Deslocamento horizontal em píxeis (somado duas vezes)", "o deslocamento horizontal em píxeis:", True),
      ("Deslocamento vertical em píxeis (somado duas vezes)", "o deslocamento vertical em píxeis:", True),
      ("Limite superior: y mínimo da zona", "o limite superior, y mínimo da planta:", True),
      ("Limite inferior: y máximo da zona", "o limite inferior, y máximo da planta:", True),
      ("Limite esquerdo: x mínimo da zona", "o limite esquerdo, x mínimo da planta:", True),
      ("Limite direito: x máximo da zona", "o limite direito, x máximo da planta:", True),
      ("Móveis redondos: deslocamento horizontal extra", "o deslocamento horizontal dos móveis redondos:", True),
      ("Móveis redondos: deslocamento vertical extra", "o deslocamento vertical dos móveis redondos:", True),
      ("Cruz do quiosque e círculos: deslocamento horizontal", "o deslocamento horizontal da cruz e dos círculos:", True),
      ("Cruz do quiosque e círculos: deslocamento vertical", "o deslocamento vertical da cruz e dos círculos:", True),
      ("Valor 14: não usado pela planta", "o valor 14 (não usado pela planta):", False),
      ("Valor 11: não usado pela planta", "o valor 11 (não usado pela planta):", False),
      ("Valor 16: não usado pela planta", "o valor 16 (não usado pela planta):", False),
      ("Valor 15: não usado pela planta", "o valor 15 (não usado pela planta):", False),
      ("Rótulos da planta: deslocamento horizontal extra", "o deslocamento horizontal dos rótulos:", True),
      ("Rótulos da planta: deslocamento vertical extra", "o deslocamento vertical dos rótulos:", True)],
}

# Heading, the line under it and the notes at the foot of the form.
T = {
"E": ("Zone", "Choose the letter of a value to change it",
      ["A map point (x, y) is drawn at zoom × x + 2 × shift across, zoom × y + 2 × shift down.",
       "A shopper who zooms in sees the zone whose edges hold the product; zone 0 is the whole store.",
       "A zone whose zoom is below 0.5 counts as not defined."]),
"F": ("Zone", "Choisissez la lettre d'une valeur pour la modifier",
      ["Un point (x, y) du plan est dessiné en zoom × x + 2 × décalage horizontal, zoom × y + 2 × décalage vertical.",
       "Le client qui zoome voit la zone dont les bords contiennent le produit ; la zone 0 est tout le magasin.",
       "Une zone dont le zoom est inférieur à 0,5 compte comme non définie."]),
"I": ("Zona", "Scegliete la lettera di un valore per modificarlo",
      ["Un punto (x, y) della mappa si disegna in zoom × x + 2 × spostamento orizzontale, zoom × y + 2 × spostamento verticale.",
       "Chi ingrandisce vede la zona i cui bordi contengono il prodotto; la zona 0 è tutto il negozio.",
       "Una zona con zoom inferiore a 0,5 conta come non definita."]),
"S": ("Zona", "Elija la letra de un valor para cambiarlo",
      ["Un punto (x, y) del plano se dibuja en zoom × x + 2 × desplazamiento horizontal, zoom × y + 2 × desplazamiento vertical.",
       "Quien amplía ve la zona cuyos bordes contienen el producto; la zona 0 es toda la tienda.",
       "Una zona con un zoom menor que 0,5 cuenta como no definida."]),
"P": ("Zona", "Escolha a letra de um valor para o alterar",
      ["Um ponto (x, y) da planta é desenhado em zoom × x + 2 × deslocamento horizontal, zoom × y + 2 × deslocamento vertical.",
       "Quem amplia vê a zona cujos limites contêm o produto; a zona 0 é a loja inteira.",
       "Uma zona com zoom inferior a 0,5 conta como não definida."]),
}

# The prompt line: (keys text, save text, x of each, x of the arrow keys).
# The keys text starts at the left, the picture 16 pixels after it and the
# save text ends 40 pixels from the right edge (widths in font 4, size 30).
P = {
"E": ("A to R: change a value      Another zone:", "S or Pause: save      Esc: leave without saving", 40, 1329, 540),
"F": ("A à R : modifier une valeur      Autre zone :", "S ou Pause : enregistrer      Échap : quitter sans enregistrer", 40, 1173, 563),
"I": ("Da A a R: modifica un valore      Altra zona:", "S o Pausa: salva      Esc: esci senza salvare", 40, 1353, 571),
"S": ("A a R: cambiar un valor      Otra zona:", "S o Pausa: guardar      Esc: salir sin guardar", 40, 1353, 507),
"P": ("A a R: alterar um valor      Outra zona:", "S ou Pausa: guardar      Esc: sair sem guardar", 40, 1328, 510),
}
# Shown for 5 seconds when the file could not be written.
SAVE_FAILED = {
"E": "The zones could not be saved; zonedef.txt is as it was.",
"F": "Les zones n'ont pas pu être enregistrées ; zonedef.txt est inchangé.",
"I": "Non è stato possibile salvare le zone; zonedef.txt è rimasto com'era.",
"S": "No se han podido guardar las zonas; zonedef.txt sigue como estaba.",
"P": "Não foi possível guardar as zonas; o zonedef.txt ficou como estava.",
}

KEYS = "ABCDEFGHIJKLMNOPQR"
TOP, STEP = 175, 40
KEY_X, LABEL_X, VALUE_X = 60, 110, 1100
USED, UNUSED = 253, 127  # value colours: fields the map display uses, and the rest
HEADING_Y = 70
# The arrow-keys picture sits in the prompt box, its top 32 above this y.
PICTURE_Y = 1062

def families(s):
    fields = F[s]
    title, sub, notes = T[s]
    ys = [TOP + STEP * i for i in range(len(KEYS))]
    h = ["253|955|%d|1|0|0|44|3|0|b|%s" % (HEADING_Y, title),
         "51|960|%d|4|0|0|28|2|0|x|%s" % (HEADING_Y + 60, sub)]
    c = ["%d|%d|%d|4|0|0|28|0|0|x|%s" % (250 if used else UNUSED, LABEL_X, y, label)
         for (label, _, used), y in zip(fields, ys)]
    c += ["88|960|%d|4|0|0|24|2|0|x|%s" % (900 + 34 * i, t) for i, t in enumerate(notes)]
    q = ["253|%d|%d|4|0|0|28|0|0|b|%s" % (KEY_X, y, k) for k, y in zip(KEYS, ys)]
    a = ["%d|%d|%d|8|0|0|28|0|0|x|0|12|0|0|A|%s" % (USED if used else UNUSED, VALUE_X, y, question)
         for (_, question, used), y in zip(fields, ys)]
    form = ["F0|H%d|C%d|Q%d|A%d" % (len(h), len(c), len(q), len(a))] + h + c + q + a
    places = ["253,975,%d,1,0,0,44,0,0,b" % HEADING_Y]
    places += ["%d,%d,%d,8,0,0,28,0,0,x" % (USED if used else UNUSED, VALUE_X, y)
               for (_, _, used), y in zip(fields, ys)]
    keys, save, x1, x2, xp = P[s]
    return {"zonel2": form, "zone0": places + ["******"],
            "zonel1": [keys, save, str(x1), str(x2), str(xp), str(PICTURE_Y), SAVE_FAILED[s], "******"]}
