# -*- coding: utf-8 -*-
# Families of the staff editors: record screens (labels form, placement
# spec lines, question descriptors), menu screens and search questions.

L = ["E", "F", "I", "S", "P"]

# Field labels and questions, record order. (label, question) per language.
PROD = {
"E": [("Search words", "Search words, as shoppers type them (no blanks):"),
      ("More search words", "More search words, as shoppers type them:"),
      ("Shelf", "Shelf name, as on the map:"), ("Department", "Department, to find products by department:"),
      ("Exclusion code", "Exclusion code: not logged as not found where a kiosk excludes it:"),
      ("Map position x", "Map position x, where the kiosk rings the product:"),
      ("Map position y", "Map position y, where the kiosk rings the product:"),
      ("Floor", "Floor, whose map the kiosk shows for it:"),
      ("Heading", "Heading, the first line shoppers read:")] +
     [("Line %d" % n, "Location text, line %d, shown to shoppers:" % n) for n in range(3, 11)] +
     [("See also", "See also: related products, shown last:")],
"F": [("Mots de recherche", "Mots de recherche, tels que les clients les tapent (sans espaces) :"),
      ("Autres mots", "Autres mots de recherche, tels que les clients les tapent :"),
      ("Rayon", "Nom du rayon, tel qu'il figure sur le plan :"),
      ("Département", "Département, pour retrouver les produits par département :"),
      ("Code d'exclusion", "Code d'exclusion : non noté comme introuvable là où une borne l'exclut :"),
      ("Position x sur le plan", "Position x sur le plan, où la borne entoure le produit :"),
      ("Position y sur le plan", "Position y sur le plan, où la borne entoure le produit :"),
      ("Étage", "Étage dont la borne montre le plan pour ce produit :"),
      ("Titre", "Titre, la première ligne que lisent les clients :")] +
     [("Ligne %d" % n, "Texte d'emplacement, ligne %d, montré aux clients :" % n) for n in range(3, 11)] +
     [("Voir aussi", "Voir aussi : produits apparentés, affichés en dernier :")],
"I": [("Parole di ricerca", "Parole di ricerca, come le digitano i clienti (senza spazi):"),
      ("Altre parole", "Altre parole di ricerca, come le digitano i clienti:"),
      ("Scaffale", "Nome dello scaffale, come sulla mappa:"),
      ("Reparto", "Reparto, per trovare i prodotti per reparto:"),
      ("Codice di esclusione", "Codice di esclusione: non registrato come non trovato dove un totem lo esclude:"),
      ("Posizione x sulla mappa", "Posizione x sulla mappa, dove il totem evidenzia il prodotto:"),
      ("Posizione y sulla mappa", "Posizione y sulla mappa, dove il totem evidenzia il prodotto:"),
      ("Piano", "Piano di cui il totem mostra la mappa per il prodotto:"),
      ("Titolo", "Titolo, la prima riga che leggono i clienti:")] +
     [("Riga %d" % n, "Testo della posizione, riga %d, mostrato ai clienti:" % n) for n in range(3, 11)] +
     [("Vedi anche", "Vedi anche: prodotti correlati, mostrati per ultimi:")],
"S": [("Palabras de búsqueda", "Palabras de búsqueda, tal como las escriben los clientes (sin espacios):"),
      ("Más palabras", "Más palabras de búsqueda, tal como las escriben los clientes:"),
      ("Estante", "Nombre del estante, como figura en el plano:"),
      ("Departamento", "Departamento, para buscar productos por departamento:"),
      ("Código de exclusión", "Código de exclusión: no se anota como no encontrado donde un terminal lo excluye:"),
      ("Posición x en el plano", "Posición x en el plano, donde el terminal señala el producto:"),
      ("Posición y en el plano", "Posición y en el plano, donde el terminal señala el producto:"),
      ("Planta", "Planta cuyo plano muestra el terminal para el producto:"),
      ("Título", "Título, la primera línea que leen los clientes:")] +
     [("Línea %d" % n, "Texto de ubicación, línea %d, que ven los clientes:" % n) for n in range(3, 11)] +
     [("Vea también", "Vea también: productos relacionados, al final:")],
"P": [("Palavras de pesquisa", "Palavras de pesquisa, tal como os clientes as escrevem (sem espaços):"),
      ("Mais palavras", "Mais palavras de pesquisa, tal como os clientes as escrevem:"),
      ("Prateleira", "Nome da prateleira, tal como na planta:"),
      ("Secção", "Secção, para encontrar produtos por secção:"),
      ("Código de exclusão", "Código de exclusão: não registado como não encontrado onde um quiosque o exclui:"),
      ("Posição x na planta", "Posição x na planta, onde o quiosque assinala o produto:"),
      ("Posição y na planta", "Posição y na planta, onde o quiosque assinala o produto:"),
      ("Piso", "Piso cuja planta o quiosque mostra para o produto:"),
      ("Título", "Título, a primeira linha que os clientes leem:")] +
     [("Linha %d" % n, "Texto de localização, linha %d, mostrado aos clientes:" % n) for n in range(3, 11)] +
     [("Veja também", "Veja também: produtos relacionados, mostrados no fim:")],
}
PROD_LEN = [55, 55, 35, 14, 14, 16, 16, 5, 55] + [55] * 8 + [55]

NOTF_EXTRA = {  # machine number replaces the exclusion code; time and date follow
"E": (("Kiosk", "Kiosk number:"), ("Time", "Time:"), ("Date", "Date:")),
"F": (("Borne", "Numéro de la borne :"), ("Heure", "Heure :"), ("Date", "Date :")),
"I": (("Totem", "Numero del totem:"), ("Ora", "Ora:"), ("Data", "Data:")),
"S": (("Terminal", "Número del terminal:"), ("Hora", "Hora:"), ("Fecha", "Fecha:")),
"P": (("Quiosque", "Número do quiosque:"), ("Hora", "Hora:"), ("Data", "Data:")),
}
NOTF_LEN = [55, 55, 35, 14, 14, 16, 16, 5, 55] + [55] * 8 + [55, 15, 15]

def notfound_fields(s):
    p = list(PROD[s])
    k, t, d = NOTF_EXTRA[s]
    p[0] = {"E": ("Word searched", "Word searched:"), "F": ("Mot cherché", "Mot cherché :"),
            "I": ("Parola cercata", "Parola cercata:"), "S": ("Palabra buscada", "Palabra buscada:"),
            "P": ("Palavra procurada", "Palavra procurada:")}[s]
    p[4] = k
    return p + [t, d]

# Map element fields, record order: (label, question) per language. The
# questions say what each field does on the map; the identifier and the
# label text are kept short enough to leave room for their answers.
MAPF = {
"E": [("Identifier", "Identifier, as products name the shelf (GRID: grid, L1/L3: label):"),
      ("Department", "Department, to find the element by department:"),
      ("Season", "Season, to find the element by season:"),
      ("Position x", "Position x of the anchor corner, in map units:"),
      ("Position y", "Position y of the anchor corner, in map units (y grows downwards):"),
      ("Length", "Length along the angle, in map units (a label: the language digits, e.g. 125):"),
      ("Width", "Width, a quarter turn on from the angle, in map units:"),
      ("Angle", "Angle in degrees, counter-clockwise, 0 = to the right (drawn to the nearest 45):"),
      ("Colour", "Colour number, 0 to 255 (a label: the colour of its text):"),
      ("Line style", "Line style, 0 to 6 (a label: the width of its characters):"),
      ("Fill", "Fill style, 0 to 9, or 99 for the outline only (a label: character height):"),
      ("Thickness", "Line thickness, 1 to 4:"),
      ("Font", "Font number of a label (only labels use it):"),
      ("Background", "Background colour number (a label: style letters b, i, u):"),
      ("Fixture code", "Fixture code: F1-F4, R4, C0, 4C, C5, R42 or 42C draw a fixture, anything else a box:"),
      ("Map label", "Text shown on the map (labels only):"),
      ("Floor", "Floor the element stands on:"),
      ("Comment", "Comment for staff, not shown on the map:")],
"F": [("Identifiant", "Identifiant, nom du rayon des produits (GRID grille, L1/L3 libellé) :"),
      ("Département", "Département, pour retrouver l'élément par département :"),
      ("Saison", "Saison, pour retrouver l'élément par saison :"),
      ("Position x", "Position x du coin d'ancrage, en unités du plan :"),
      ("Position y", "Position y du coin d'ancrage, en unités du plan (y croît vers le bas) :"),
      ("Longueur", "Longueur dans le sens de l'angle, en unités du plan (libellé : chiffres des langues) :"),
      ("Largeur", "Largeur, à un quart de tour de l'angle, en unités du plan :"),
      ("Angle", "Angle en degrés, sens antihoraire, 0 = vers la droite (arrondi au multiple de 45) :"),
      ("Couleur", "Numéro de couleur, de 0 à 255 (libellé : couleur du texte) :"),
      ("Style de trait", "Style de trait, de 0 à 6 (libellé : largeur des caractères) :"),
      ("Remplissage", "Remplissage, de 0 à 9, ou 99 pour le contour seul (libellé : hauteur des caractères) :"),
      ("Épaisseur", "Épaisseur du trait, de 1 à 4 :"),
      ("Police", "Numéro de police d'un libellé (seuls les libellés l'utilisent) :"),
      ("Fond", "Numéro de couleur du fond (libellé : lettres de style b, i, u) :"),
      ("Code d'équipement", "Code d'équipement : F1-F4, R4, C0, 4C, C5, R42 ou 42C dessinent un meuble, sinon un bloc :"),
      ("Libellé du plan", "Texte affiché sur le plan (libellés) :"),
      ("Étage", "Étage où se trouve l'élément :"),
      ("Commentaire", "Commentaire pour le personnel, non affiché sur le plan :")],
"I": [("Identificativo", "Identificativo, nome dello scaffale (GRID griglia, L1/L3 etichetta):"),
      ("Reparto", "Reparto, per trovare l'elemento per reparto:"),
      ("Stagione", "Stagione, per trovare l'elemento per stagione:"),
      ("Posizione x", "Posizione x dell'angolo di ancoraggio, in unità della mappa:"),
      ("Posizione y", "Posizione y dell'angolo di ancoraggio, in unità della mappa (y cresce verso il basso):"),
      ("Lunghezza", "Lunghezza nella direzione dell'angolo, in unità della mappa (etichetta: cifre delle lingue):"),
      ("Larghezza", "Larghezza, a un quarto di giro dall'angolo, in unità della mappa:"),
      ("Angolo", "Angolo in gradi, in senso antiorario, 0 = verso destra (arrotondato a multipli di 45):"),
      ("Colore", "Numero del colore, da 0 a 255 (etichetta: colore del testo):"),
      ("Stile della linea", "Stile della linea, da 0 a 6 (etichetta: larghezza dei caratteri):"),
      ("Riempimento", "Riempimento, da 0 a 9, o 99 solo per il contorno (etichetta: altezza dei caratteri):"),
      ("Spessore", "Spessore della linea, da 1 a 4:"),
      ("Carattere", "Numero del carattere di un'etichetta (lo usano solo le etichette):"),
      ("Sfondo", "Numero del colore di sfondo (etichetta: lettere di stile b, i, u):"),
      ("Codice arredo", "Codice arredo: F1-F4, R4, C0, 4C, C5, R42 o 42C disegnano un arredo, altrimenti un blocco:"),
      ("Etichetta", "Testo mostrato sulla mappa (etichette):"),
      ("Piano", "Piano in cui si trova l'elemento:"),
      ("Commento", "Commento per il personale, non mostrato sulla mappa:")],
"S": [("Identificador", "Identificador, nombre del estante (GRID cuadrícula, L1/L3 rótulo):"),
      ("Departamento", "Departamento, para buscar el elemento por departamento:"),
      ("Temporada", "Temporada, para buscar el elemento por temporada:"),
      ("Posición x", "Posición x de la esquina de anclaje, en unidades del plano:"),
      ("Posición y", "Posición y de la esquina de anclaje, en unidades del plano (y crece hacia abajo):"),
      ("Largo", "Largo en la dirección del ángulo, en unidades del plano (rótulo: cifras de los idiomas):"),
      ("Ancho", "Ancho, a un cuarto de vuelta del ángulo, en unidades del plano:"),
      ("Ángulo", "Ángulo en grados, en sentido antihorario, 0 = hacia la derecha (redondeado a múltiplos de 45):"),
      ("Color", "Número de color, de 0 a 255 (rótulo: color del texto):"),
      ("Estilo de línea", "Estilo de línea, de 0 a 6 (rótulo: ancho de los caracteres):"),
      ("Relleno", "Relleno, de 0 a 9, o 99 solo para el contorno (rótulo: alto de los caracteres):"),
      ("Grosor", "Grosor de línea, de 1 a 4:"),
      ("Fuente", "Número de fuente de un rótulo (solo lo usan los rótulos):"),
      ("Fondo", "Número de color de fondo (rótulo: letras de estilo b, i, u):"),
      ("Código de mueble", "Código de mueble: F1-F4, R4, C0, 4C, C5, R42 o 42C dibujan un mueble; si no, un bloque:"),
      ("Rótulo del plano", "Texto que se ve en el plano (rótulos):"),
      ("Planta", "Planta en la que está el elemento:"),
      ("Comentario", "Comentario para el personal, no se ve en el plano:")],
"P": [("Identificador", "Identificador, nome da prateleira (GRID grelha, L1/L3 rótulo):"),
      ("Secção", "Secção, para encontrar o elemento por secção:"),
      ("Estação", "Estação, para encontrar o elemento por estação:"),
      ("Posição x", "Posição x do canto de ancoragem, em unidades da planta:"),
      ("Posição y", "Posição y do canto de ancoragem, em unidades da planta (y cresce para baixo):"),
      ("Comprimento", "Comprimento na direção do ângulo, em unidades da planta (rótulo: algarismos dos idiomas):"),
      ("Largura", "Largura, a um quarto de volta do ângulo, em unidades da planta:"),
      ("Ângulo", "Ângulo em graus, no sentido anti-horário, 0 = para a direita (arredondado a múltiplos de 45):"),
      ("Cor", "Número da cor, de 0 a 255 (rótulo: cor do texto):"),
      ("Estilo da linha", "Estilo da linha, de 0 a 6 (rótulo: largura dos carateres):"),
      ("Preenchimento", "Preenchimento, de 0 a 9, ou 99 só para o contorno (rótulo: altura dos carateres):"),
      ("Espessura", "Espessura da linha, de 1 a 4:"),
      ("Tipo de letra", "Número do tipo de letra de um rótulo (só os rótulos o usam):"),
      ("Fundo", "Número da cor de fundo (rótulo: letras de estilo b, i, u):"),
      ("Código de móvel", "Código de móvel: F1-F4, R4, C0, 4C, C5, R42 ou 42C desenham um móvel; senão, um bloco:"),
      ("Rótulo da planta", "Texto mostrado na planta (rótulos):"),
      ("Piso", "Piso onde fica o elemento:"),
      ("Comentário", "Comentário para o pessoal, não mostrado na planta:")],
}
MAP_LEN = [40, 16, 16, 9, 9, 7, 7, 4, 4, 4, 4, 4, 4, 4, 4, 60, 5, 35]
# A label element uses some fields differently (form "edm8").
MAPLABEL_OVER = {
"E": {5: "Languages (digits)", 9: "Character width", 10: "Character height", 12: "Font", 13: "Style letters"},
"F": {5: "Langues (chiffres)", 9: "Largeur des caractères", 10: "Hauteur des caractères", 12: "Police", 13: "Style du texte"},
"I": {5: "Lingue (cifre)", 9: "Larghezza dei caratteri", 10: "Altezza dei caratteri", 12: "Carattere", 13: "Stile del testo"},
"S": {5: "Idiomas (cifras)", 9: "Ancho de los caracteres", 10: "Alto de los caracteres", 12: "Fuente", 13: "Estilo del texto"},
"P": {5: "Idiomas (algarismos)", 9: "Largura dos caracteres", 10: "Altura dos caracteres", 12: "Tipo de letra", 13: "Estilo do texto"},
}

LABEL_X, KEY_X, VALUE_X = 110, 60, 560

def rows(n):
    step = 44 if n <= 18 else 40
    return [130 + step * i for i in range(n)]

def record_form(labels, footer):
    ys = rows(len(labels))
    c = ["88|%d|%d|4|0|0|28|0|0|x|%s" % (LABEL_X, y, t) for y, t in zip(ys, labels)]
    q = ["253|%d|%d|4|0|0|28|0|0|b|%s" % (KEY_X, y, chr(65 + i)) for i, y in enumerate(ys)]
    f = ["88|960|960|4|0|0|26|2|0|x|%s" % footer]
    return ["F1|H0|C%d|Q%d|A0" % (len(c), len(q))] + f + c + q

def placements(n):
    return ["253,%d,%d,4,0,0,28,0,0,x" % (VALUE_X, y) for y in rows(n)] + ["******"]

def descriptors(qs, lens):
    ys = rows(len(qs))
    out = []
    for (label, q), y, m in zip(qs, ys, lens):
        out.append("|".join(str(v) for v in (q, label, 253, LABEL_X, y, VALUE_X, 88, 0, 88, 253, 0,
                                              1000000000, 0, m, 0, 0, 0, 0, 0, "N", 0, 28, 28, "x")))
    return out + ["******"]

def menu_form(title, items, footer, top=150):
    """A titled list of key letters and descriptions."""
    h = ["253|960|%d|1|0|0|50|2|0|b|%s" % (top, title)]
    c = []
    for i, (k, t) in enumerate(items):
        y = top + 130 + 56 * i
        c.append("253|560|%d|4|0|0|30|0|0|b|%s" % (y, k))
        c.append("250|620|%d|4|0|0|30|0|0|x|%s" % (y, t))
    f = ["88|960|950|4|0|0|26|2|0|x|%s" % footer]
    return ["F1|H1|C%d|Q0|A0" % len(c)] + f + h + c

def text_form(title, lines, footer, top=150):
    h = ["253|960|%d|1|0|0|50|2|0|b|%s" % (top, title)]
    c = ["250|960|%d|4|0|0|30|2|0|x|%s" % (top + 130 + 56 * i, t) for i, t in enumerate(lines)]
    f = ["88|960|950|4|0|0|26|2|0|x|%s" % footer]
    return ["F1|H1|C%d|Q0|A0" % len(c)] + f + h + c

T = {
"E": {
 "rec_foot": "Pause: finish      Esc: cancel",
 "back": "Esc or Pause: back",
 "pause_back": "Pause: back",
 "edp1": ("Products", ["Add a product", "Copy a product", "Delete a product", "Change a product", "Utilities",
                       "Show the last product on the map", "Back to the staff menu"]),
 "edp2": ("Product utilities", ["Print the list of products", "Rebuild the product file", "Hide the products of a shelf",
                                "Show the products of a shelf again", "New product file from prodlist.txt",
                                "Export the products to prodlist.txt", "Show the last product on the map",
                                "Browse a list of products", "Back", "Erase the product file"]),
 "edp7": ("Hide or show a shelf", ["First find one product of the shelf,", "then choose it with Pause:",
                                    "every product of its shelf is hidden or shown again."]),
 "edp5": ["Words to look for:", "Shelf to look for:", "Department to look for:", "Exclusion code to look for:",
          "How many products? A number, or A for all:"],
 "edp6": ["Find a product", "Choose the key to search by"],
 "edp8": ["Words of a product on the shelf:", "Shelf to look for:"],
 "edm1": ("Map", ["Add a map element", "Add a map label", "Copy an element", "Delete an element", "Change an element",
                  "View a position or a floor", "Draw the whole map", "Map utilities", "Back to the staff menu"]),
 "edm2": ("Map utilities", ["Print the list of map elements", "Rebuild the map file", "Move a shelf with its products",
                            "Draw the map", "Export the map to Shelves.txt", "New map file from Shelves.txt",
                            "Browse a list of elements", "Erase the map file"]),
 "edm4": ["Identifier to look for:", "Department to look for:", "Season to look for:"],
 "edn1": ("Words not found", ["Browse the words", "Show the map", "Show the map with options", "Utilities",
                              "Check the file"]),
 "edn2": ("Utilities for words not found", ["Export to notfound.txt", "New file from notfound.txt",
                                            "Rebuild the file", "Print the list",
                                            "Top list of the words shoppers did not find"]),
},
"F": {
 "rec_foot": "Pause : terminer      Échap : annuler",
 "back": "Échap ou Pause : retour",
 "pause_back": "Pause : retour",
 "edp1": ("Produits", ["Ajouter un produit", "Copier un produit", "Supprimer un produit", "Modifier un produit",
                       "Utilitaires", "Voir le dernier produit sur le plan", "Retour au menu du personnel"]),
 "edp2": ("Utilitaires des produits", ["Imprimer la liste des produits", "Reconstruire le fichier des produits",
                                       "Masquer les produits d'un rayon", "Réafficher les produits d'un rayon",
                                       "Nouveau fichier depuis prodlist.txt", "Exporter les produits vers prodlist.txt",
                                       "Voir le dernier produit sur le plan", "Parcourir une liste de produits",
                                       "Retour", "Effacer le fichier des produits"]),
 "edp7": ("Masquer ou réafficher un rayon", ["Cherchez d'abord un produit du rayon,", "puis choisissez-le avec Pause :",
                                             "tous les produits de son rayon sont masqués ou réaffichés."]),
 "edp5": ["Mots à chercher :", "Rayon à chercher :", "Département à chercher :", "Code d'exclusion à chercher :",
          "Combien de produits ? Un nombre, ou T pour tous :"],
 "edp6": ["Trouver un produit", "Choisissez la clé de recherche"],
 "edp8": ["Mots d'un produit du rayon :", "Rayon à chercher :"],
 "edm1": ("Plan", ["Ajouter un élément", "Ajouter un libellé", "Copier un élément", "Supprimer un élément",
                   "Modifier un élément", "Voir une position ou un étage", "Dessiner tout le plan",
                   "Utilitaires du plan", "Retour au menu du personnel"]),
 "edm2": ("Utilitaires du plan", ["Imprimer la liste des éléments", "Reconstruire le fichier du plan",
                                  "Déplacer un rayon avec ses produits", "Dessiner le plan",
                                  "Exporter le plan vers Shelves.txt", "Nouveau fichier depuis Shelves.txt",
                                  "Parcourir une liste d'éléments", "Effacer le fichier du plan"]),
 "edm4": ["Identifiant à chercher :", "Département à chercher :", "Saison à chercher :"],
 "edn1": ("Mots non trouvés", ["Parcourir les mots", "Voir le plan", "Voir le plan avec options", "Utilitaires",
                               "Vérifier le fichier"]),
 "edn2": ("Utilitaires des mots non trouvés", ["Exporter vers notfound.txt", "Nouveau fichier depuis notfound.txt",
                                               "Reconstruire le fichier", "Imprimer la liste",
                                               "Palmarès des mots que les clients n'ont pas trouvés"]),
},
"I": {
 "rec_foot": "Pausa: fine      Esc: annulla",
 "back": "Esc o Pausa: indietro",
 "pause_back": "Pausa: indietro",
 "edp1": ("Prodotti", ["Aggiungi un prodotto", "Copia un prodotto", "Elimina un prodotto", "Modifica un prodotto",
                       "Utilità", "Mostra l'ultimo prodotto sulla mappa", "Torna al menu del personale"]),
 "edp2": ("Utilità dei prodotti", ["Stampa l'elenco dei prodotti", "Ricostruisci l'archivio dei prodotti",
                                   "Nascondi i prodotti di uno scaffale", "Mostra di nuovo i prodotti di uno scaffale",
                                   "Nuovo archivio da prodlist.txt", "Esporta i prodotti in prodlist.txt",
                                   "Mostra l'ultimo prodotto sulla mappa", "Sfoglia un elenco di prodotti",
                                   "Indietro", "Cancella l'archivio dei prodotti"]),
 "edp7": ("Nascondi o mostra uno scaffale", ["Cercate prima un prodotto dello scaffale,",
                                             "poi sceglietelo con Pausa:",
                                             "tutti i prodotti del suo scaffale vengono nascosti o mostrati."]),
 "edp5": ["Parole da cercare:", "Scaffale da cercare:", "Reparto da cercare:", "Codice di esclusione da cercare:",
          "Quanti prodotti? Un numero, o T per tutti:"],
 "edp6": ["Trova un prodotto", "Scegliete la chiave di ricerca"],
 "edp8": ["Parole di un prodotto dello scaffale:", "Scaffale da cercare:"],
 "edm1": ("Mappa", ["Aggiungi un elemento", "Aggiungi un'etichetta", "Copia un elemento", "Elimina un elemento",
                    "Modifica un elemento", "Vedi una posizione o un piano", "Disegna tutta la mappa",
                    "Utilità della mappa", "Torna al menu del personale"]),
 "edm2": ("Utilità della mappa", ["Stampa l'elenco degli elementi", "Ricostruisci l'archivio della mappa",
                                  "Sposta uno scaffale con i suoi prodotti", "Disegna la mappa",
                                  "Esporta la mappa in Shelves.txt", "Nuovo archivio da Shelves.txt",
                                  "Sfoglia un elenco di elementi", "Cancella l'archivio della mappa"]),
 "edm4": ["Identificativo da cercare:", "Reparto da cercare:", "Stagione da cercare:"],
 "edn1": ("Parole non trovate", ["Sfoglia le parole", "Mostra la mappa", "Mostra la mappa con opzioni", "Utilità",
                                 "Controlla l'archivio"]),
 "edn2": ("Utilità delle parole non trovate", ["Esporta in notfound.txt", "Nuovo archivio da notfound.txt",
                                               "Ricostruisci l'archivio", "Stampa l'elenco",
                                               "Classifica delle parole che i clienti non hanno trovato"]),
},
"S": {
 "rec_foot": "Pausa: terminar      Esc: cancelar",
 "back": "Esc o Pausa: volver",
 "pause_back": "Pausa: volver",
 "edp1": ("Productos", ["Añadir un producto", "Copiar un producto", "Borrar un producto", "Cambiar un producto",
                        "Utilidades", "Ver el último producto en el plano", "Volver al menú del personal"]),
 "edp2": ("Utilidades de productos", ["Imprimir la lista de productos", "Reconstruir el archivo de productos",
                                      "Ocultar los productos de un estante", "Mostrar de nuevo los productos de un estante",
                                      "Archivo nuevo desde prodlist.txt", "Exportar los productos a prodlist.txt",
                                      "Ver el último producto en el plano", "Recorrer una lista de productos",
                                      "Volver", "Vaciar el archivo de productos"]),
 "edp7": ("Ocultar o mostrar un estante", ["Busque primero un producto del estante",
                                           "y elíjalo con Pausa:",
                                           "todos los productos de su estante se ocultan o se muestran de nuevo."]),
 "edp5": ["Palabras que buscar:", "Estante que buscar:", "Departamento que buscar:", "Código de exclusión que buscar:",
          "¿Cuántos productos? Un número, o T para todos:"],
 "edp6": ["Buscar un producto", "Elija la clave de búsqueda"],
 "edp8": ["Palabras de un producto del estante:", "Estante que buscar:"],
 "edm1": ("Plano", ["Añadir un elemento", "Añadir un rótulo", "Copiar un elemento", "Borrar un elemento",
                    "Cambiar un elemento", "Ver una posición o una planta", "Dibujar todo el plano",
                    "Utilidades del plano", "Volver al menú del personal"]),
 "edm2": ("Utilidades del plano", ["Imprimir la lista de elementos", "Reconstruir el archivo del plano",
                                   "Mover un estante con sus productos", "Dibujar el plano",
                                   "Exportar el plano a Shelves.txt", "Archivo nuevo desde Shelves.txt",
                                   "Recorrer una lista de elementos", "Vaciar el archivo del plano"]),
 "edm4": ["Identificador que buscar:", "Departamento que buscar:", "Temporada que buscar:"],
 "edn1": ("Palabras no encontradas", ["Recorrer las palabras", "Ver el plano", "Ver el plano con opciones",
                                      "Utilidades", "Comprobar el archivo"]),
 "edn2": ("Utilidades de palabras no encontradas", ["Exportar a notfound.txt", "Archivo nuevo desde notfound.txt",
                                                    "Reconstruir el archivo", "Imprimir la lista",
                                                    "Lo que más buscaron los clientes sin encontrarlo"]),
},
"P": {
 "rec_foot": "Pausa: terminar      Esc: cancelar",
 "back": "Esc ou Pausa: voltar",
 "pause_back": "Pausa: voltar",
 "edp1": ("Produtos", ["Adicionar um produto", "Copiar um produto", "Apagar um produto", "Alterar um produto",
                       "Utilitários", "Ver o último produto na planta", "Voltar ao menu do pessoal"]),
 "edp2": ("Utilitários de produtos", ["Imprimir a lista de produtos", "Reconstruir o ficheiro de produtos",
                                      "Ocultar os produtos de uma prateleira", "Mostrar de novo os produtos de uma prateleira",
                                      "Ficheiro novo a partir de prodlist.txt", "Exportar os produtos para prodlist.txt",
                                      "Ver o último produto na planta", "Percorrer uma lista de produtos",
                                      "Voltar", "Esvaziar o ficheiro de produtos"]),
 "edp7": ("Ocultar ou mostrar uma prateleira", ["Procure primeiro um produto da prateleira",
                                                "e escolha-o com Pausa:",
                                                "todos os produtos da prateleira são ocultados ou mostrados de novo."]),
 "edp5": ["Palavras a procurar:", "Prateleira a procurar:", "Secção a procurar:", "Código de exclusão a procurar:",
          "Quantos produtos? Um número, ou T para todos:"],
 "edp6": ["Procurar um produto", "Escolha a chave de pesquisa"],
 "edp8": ["Palavras de um produto da prateleira:", "Prateleira a procurar:"],
 "edm1": ("Planta", ["Adicionar um elemento", "Adicionar um rótulo", "Copiar um elemento", "Apagar um elemento",
                     "Alterar um elemento", "Ver uma posição ou um piso", "Desenhar toda a planta",
                     "Utilitários da planta", "Voltar ao menu do pessoal"]),
 "edm2": ("Utilitários da planta", ["Imprimir a lista de elementos", "Reconstruir o ficheiro da planta",
                                    "Mover uma prateleira com os seus produtos", "Desenhar a planta",
                                    "Exportar a planta para Shelves.txt", "Ficheiro novo a partir de Shelves.txt",
                                    "Percorrer uma lista de elementos", "Esvaziar o ficheiro da planta"]),
 "edm4": ["Identificador a procurar:", "Secção a procurar:", "Estação a procurar:"],
 "edn1": ("Palavras não encontradas", ["Percorrer as palavras", "Ver a planta", "Ver a planta com opções",
                                       "Utilitários", "Verificar o ficheiro"]),
 "edn2": ("Utilitários das palavras não encontradas", ["Exportar para notfound.txt", "Ficheiro novo a partir de notfound.txt",
                                                       "Reconstruir o ficheiro", "Imprimir a lista",
                                                       "As palavras mais procuradas sem resultado"]),
},
}

# Messages of the product editor ("edp10"): 1 before the words of the
# products a hide left visible, 2 and 3 the questions before erasing the
# product file and before replacing it from prodlist.txt, 4 the refusal of
# a missing or empty prodlist.txt.
EDP10 = {
"E": ["Still shown to shoppers, their search words have no room for the hiding mark:",
      "Erase every product of the product file?",
      "Replace every product by the products of prodlist.txt?",
      "prodlist.txt is missing or empty: the product file is kept as it was."],
"F": ["Toujours visibles pour les clients, leurs mots de recherche n'ont plus de place pour la marque :",
      "Effacer tous les produits du fichier des produits ?",
      "Remplacer tous les produits par ceux de prodlist.txt ?",
      "prodlist.txt est absent ou vide : le fichier des produits reste tel quel."],
"I": ["Ancora visibili ai clienti, le loro parole di ricerca non hanno spazio per il segno:",
      "Cancellare tutti i prodotti dell'archivio dei prodotti?",
      "Sostituire tutti i prodotti con quelli di prodlist.txt?",
      "prodlist.txt manca o è vuoto: l'archivio dei prodotti resta com'era."],
"S": ["Siguen visibles para los clientes, sus palabras de búsqueda no tienen sitio para la marca:",
      "¿Borrar todos los productos del archivo de productos?",
      "¿Sustituir todos los productos por los de prodlist.txt?",
      "prodlist.txt falta o está vacío: el archivo de productos se queda como estaba."],
"P": ["Continuam visíveis para os clientes, as suas palavras de pesquisa não têm espaço para a marca:",
      "Apagar todos os produtos do ficheiro de produtos?",
      "Substituir todos os produtos pelos de prodlist.txt?",
      "prodlist.txt não existe ou está vazio: o ficheiro de produtos fica como estava."],
}

# Messages of the not-found log ("edn10"): 1 a missing or empty
# notfound.txt, 2 the question before a new log from it, 3 an import that
# failed, 4 the question before a rebuild, 5 a browse with nothing to show,
# 6 before the count of entries when the log is checked.
EDN10 = {
"E": ["notfound.txt is missing or empty: the log is kept as it was.",
      "Replace every entry of the log by the entries of notfound.txt?",
      "notfound.txt could not be read in full: the log is kept as it was.",
      "Rebuild the file of words not found?",
      "There are no words to show.",
      "Entries in the log:"],
"F": ["notfound.txt est absent ou vide : le fichier reste tel quel.",
      "Remplacer tous les mots du fichier par ceux de notfound.txt ?",
      "notfound.txt n'a pas pu être lu en entier : le fichier reste tel quel.",
      "Reconstruire le fichier des mots non trouvés ?",
      "Il n'y a aucun mot à afficher.",
      "Mots dans le fichier :"],
"I": ["notfound.txt manca o è vuoto: l'archivio resta com'era.",
      "Sostituire tutte le parole dell'archivio con quelle di notfound.txt?",
      "Non è stato possibile leggere tutto notfound.txt: l'archivio resta com'era.",
      "Ricostruire l'archivio delle parole non trovate?",
      "Non ci sono parole da mostrare.",
      "Parole nell'archivio:"],
"S": ["notfound.txt falta o está vacío: el archivo se queda como estaba.",
      "¿Sustituir todas las palabras del archivo por las de notfound.txt?",
      "No se ha podido leer notfound.txt entero: el archivo se queda como estaba.",
      "¿Reconstruir el archivo de palabras no encontradas?",
      "No hay ninguna palabra que mostrar.",
      "Palabras en el archivo:"],
"P": ["notfound.txt não existe ou está vazio: o ficheiro fica como estava.",
      "Substituir todas as palavras do ficheiro pelas de notfound.txt?",
      "Não foi possível ler notfound.txt por inteiro: o ficheiro fica como estava.",
      "Reconstruir o ficheiro das palavras não encontradas?",
      "Não há palavras para mostrar.",
      "Palavras no ficheiro:"],
}

# The top list ("ntop"): 1 its heading, 2-5 the column names, 6 before the
# file's name, 7 an empty log, 8 how to go back.
NTOP = {
"E": ["Words shoppers could not find, most often first", "Word", "Times", "Kiosks", "Last searched",
      "The list is in the docs folder:", "No word has been logged yet.", "Press any key to go back."],
"F": ["Mots que les clients n'ont pas trouvés, les plus fréquents d'abord", "Mot", "Fois", "Bornes",
      "Dernière recherche", "La liste se trouve dans le dossier docs :", "Aucun mot n'a encore été noté.",
      "Appuyez sur une touche pour revenir."],
"I": ["Parole che i clienti non hanno trovato, prima le più frequenti", "Parola", "Volte", "Totem",
      "Ultima ricerca", "L'elenco si trova nella cartella docs:", "Non è stata ancora registrata nessuna parola.",
      "Premete un tasto per tornare indietro."],
"S": ["Palabras que los clientes no encontraron, las más frecuentes primero", "Palabra", "Veces", "Terminales",
      "Última búsqueda", "La lista está en la carpeta docs:", "Todavía no se ha anotado ninguna palabra.",
      "Pulse una tecla para volver."],
"P": ["Palavras que os clientes não encontraram, as mais frequentes primeiro", "Palavra", "Vezes", "Quiosques",
      "Última pesquisa", "A lista está na pasta docs:", "Ainda não foi registada nenhuma palavra.",
      "Prima uma tecla para voltar."],
}

# Messages of the map editor ("edm6"): 1 before the identifiers a hide could
# not mark, 2 and 3 the questions before erasing the map file and before
# replacing it from Shelves.txt, 4 the refusal of a missing or empty
# Shelves.txt, 5 a failed export, 6 and 7 the search screen's title and
# what its menu asks.
EDM6 = {
"E": ["Not hidden on the map, the identifier has no room for the mark:",
      "Erase every element of the map file?",
      "Replace the whole map by the elements of Shelves.txt?",
      "Shelves.txt is missing or empty: the map file is kept as it was.",
      "The map could not be written to Shelves.txt; the old Shelves.txt is kept.",
      "Find a map element", "Choose the key to search by"],
"F": ["Non masqué sur le plan, l'identifiant n'a plus de place pour la marque :",
      "Effacer tous les éléments du fichier du plan ?",
      "Remplacer tout le plan par les éléments de Shelves.txt ?",
      "Shelves.txt est absent ou vide : le fichier du plan reste tel quel.",
      "Impossible d'écrire le plan dans Shelves.txt ; l'ancien Shelves.txt est conservé.",
      "Trouver un élément du plan", "Choisissez la clé de recherche"],
"I": ["Non nascosto sulla mappa, l'identificativo non ha spazio per il segno:",
      "Cancellare tutti gli elementi dell'archivio della mappa?",
      "Sostituire tutta la mappa con gli elementi di Shelves.txt?",
      "Shelves.txt manca o è vuoto: l'archivio della mappa resta com'era.",
      "Impossibile scrivere la mappa in Shelves.txt; il vecchio Shelves.txt resta com'era.",
      "Trova un elemento della mappa", "Scegliete la chiave di ricerca"],
"S": ["No se oculta en el plano, el identificador no tiene sitio para la marca:",
      "¿Borrar todos los elementos del archivo del plano?",
      "¿Sustituir todo el plano por los elementos de Shelves.txt?",
      "Shelves.txt falta o está vacío: el archivo del plano se queda como estaba.",
      "No se ha podido escribir el plano en Shelves.txt; se conserva el Shelves.txt anterior.",
      "Buscar un elemento del plano", "Elija la clave de búsqueda"],
"P": ["Não ocultado na planta, o identificador não tem espaço para a marca:",
      "Apagar todos os elementos do ficheiro da planta?",
      "Substituir toda a planta pelos elementos de Shelves.txt?",
      "Shelves.txt não existe ou está vazio: o ficheiro da planta fica como estava.",
      "Não foi possível escrever a planta em Shelves.txt; mantém-se o Shelves.txt anterior.",
      "Procurar um elemento da planta", "Escolha a chave de pesquisa"],
}

def families(s):
    """family -> lines, for language s."""
    t = T[s]
    out = {}
    prod = PROD[s]
    out["edp3"] = record_form([a for a, _ in prod], t["rec_foot"])
    out["edp9"] = placements(len(prod))
    out["edp4"] = descriptors(prod, PROD_LEN)
    nf = notfound_fields(s)
    out["edn3"] = record_form([a for a, _ in nf], t["rec_foot"])
    out["edn9"] = placements(len(nf))
    out["edn5"] = descriptors(nf, NOTF_LEN)
    mp = MAPF[s]
    out["edm3"] = record_form([a for a, _ in mp], t["rec_foot"])
    over = MAPLABEL_OVER[s]
    out["edm8"] = record_form([over.get(i, a) for i, (a, _) in enumerate(mp)], t["rec_foot"])
    out["edm7"] = placements(len(mp))
    out["edm5"] = descriptors(mp, MAP_LEN)
    for fam in ("edp1", "edp2", "edm1", "edm2"):
        title, items = t[fam]
        # The map menus leave with Pause only (Escape shows them again).
        foot = t["pause_back"] if fam.startswith("edm") else t["back"]
        out[fam] = menu_form(title, [(chr(65 + i), x) for i, x in enumerate(items)], foot)
    # The log frame holds its top 400 pixels: the lists start below it.
    for fam in ("edn1", "edn2"):
        title, items = t[fam]
        out[fam] = menu_form(title, [(chr(65 + i), x) for i, x in enumerate(items)], t["back"], top=460)
    title, lines = t["edp7"]
    out["edp7"] = text_form(title, lines, t["back"])
    for fam in ("edp5", "edp6", "edp8", "edm4"):
        out[fam] = t[fam] + ["******"]
    out["edp10"] = EDP10[s] + ["*******"]
    out["edn10"] = EDN10[s] + ["*******"]
    out["ntop"] = NTOP[s] + ["*******"]
    out["edm6"] = EDM6[s] + ["*******"]
    return out

REPORT = {  # first word of the product line, page label, closing message
"E": ("Product", "Page", "The report is in the docs folder:"),
"F": ("Produit", "Page", "La liste se trouve dans le dossier docs :"),
"I": ("Prodotto", "Pagina", "L'elenco si trova nella cartella docs:"),
"S": ("Producto", "Página", "El informe está en la carpeta docs:"),
"P": ("Produto", "Página", "O relatório está na pasta docs:"),
}

# The product report's first line joins two labels with a blank.
WORDS2 = {"E": ("Search", "words"), "F": ("Mots de", "recherche"), "I": ("Parole di", "ricerca"),
          "S": ("Palabras de", "búsqueda"), "P": ("Palavras de", "pesquisa")}

# Messages of the report writer ("report"): 1 before the report's file name
# when it cannot be written.
REPORT_MSG = {
"E": ["The report could not be written:"],
"F": ["Impossible d'écrire la liste :"],
"I": ["Impossibile scrivere l'elenco:"],
"S": ["No se ha podido escribir el informe:"],
"P": ["Não foi possível escrever o relatório:"],
}

def report_families(s):
    first, page, done = REPORT[s]
    prod = [a for a, _ in PROD[s]]
    mp = [a for a, _ in MAPF[s]]
    nf = [a for a, _ in notfound_fields(s)]
    return {
        "pitem": list(WORDS2[s]) + prod[2:] + [page, done + " ItemsList.txt", "******"],
        "pelement": mp + [page, done + " MapElementList.txt", "******"],
        "pnot": nf + [page, done + " NotFoundList.txt", "******"],
        "report": REPORT_MSG[s] + ["*******"],
    }
