# -*- coding: utf-8 -*-
# The help picture ("helps"): a small store map drawn like the real one (zone
# 0 of the store's zones), its parts labelled, and a few lines on how to read
# the map beside it. Saved as disphelp.bmp for the guide screens.
#
# One element per line, the fields of a map element in their order:
# id|department|season|x|y|length|width|angle|colour|line style|fill|
# thickness|font|background|fixture code|label|floor|comment.
# Every id holds HELPSCREEN (only those are drawn); label ids hold L3. For a
# label, x and y are its top left corner, width 0, height and style letters
# are in the line style, fill and background fields.
T = {
"E": ("How to read the store map",
      ["Shelf or gondola", "Promotion end cap", "Column", "Round display", "Chilled cabinet",
       "You are here", "Your product", "Entrance", "Four-way stand"],
      ["The store seen from above, the entrance at the bottom.",
       "Products stand along the shelves and gondolas.",
       "The yellow cross blinks where you are standing.",
       "Red rings circle the place of your product.",
       "F1 zooms in on the part of the store that holds it.",
       "Our staff will gladly help you find anything."]),
"F": ("Comment lire le plan du magasin",
      ["Rayon ou gondole", "Tête de gondole", "Colonne", "Présentoir rond", "Meuble frais",
       "Vous êtes ici", "Votre produit", "Entrée", "Présentoir en croix"],
      ["Le magasin vu de dessus, l'entrée en bas.",
       "Les produits sont rangés le long des rayons et des gondoles.",
       "La croix jaune clignote là où vous vous trouvez.",
       "Des cercles rouges entourent l'emplacement de votre produit.",
       "F1 agrandit la partie du magasin où il se trouve.",
       "Notre personnel vous aidera volontiers."]),
"I": ("Come leggere la mappa del negozio",
      ["Scaffale o gondola", "Testata promozionale", "Colonna", "Espositore rotondo", "Banco frigo",
       "Voi siete qui", "Il vostro prodotto", "Ingresso", "Espositore a croce"],
      ["Il negozio visto dall'alto, con l'ingresso in basso.",
       "I prodotti si trovano lungo gli scaffali e le gondole.",
       "La croce gialla lampeggia dove vi trovate.",
       "I cerchi rossi indicano il posto del vostro prodotto.",
       "F1 ingrandisce la parte del negozio in cui si trova.",
       "Il nostro personale vi aiuterà volentieri."]),
"S": ("Cómo leer el plano de la tienda",
      ["Estante o góndola", "Cabecera de promoción", "Columna", "Expositor redondo", "Mueble de frío",
       "Usted está aquí", "Su producto", "Entrada", "Expositor en cruz"],
      ["La tienda vista desde arriba, con la entrada abajo.",
       "Los productos están a lo largo de los estantes y las góndolas.",
       "La cruz amarilla parpadea donde usted se encuentra.",
       "Los círculos rojos rodean el lugar de su producto.",
       "F1 amplía la parte de la tienda donde se encuentra.",
       "Nuestro personal le ayudará con mucho gusto."]),
"P": ("Como ler a planta da loja",
      ["Prateleira ou gôndola", "Topo de gôndola", "Coluna", "Expositor redondo", "Móvel de frio",
       "Está aqui", "O seu produto", "Entrada", "Expositor em cruz"],
      ["A loja vista de cima, com a entrada em baixo.",
       "Os produtos estão ao longo das prateleiras e das gôndolas.",
       "A cruz amarela pisca onde se encontra.",
       "Os círculos vermelhos marcam o lugar do seu produto.",
       "F1 amplia a parte da loja onde ele se encontra.",
       "O nosso pessoal terá todo o gosto em ajudar."]),
}

WHITE, YELLOW, RED, GRAY, GOLD, SCARLET, ORANGE, SKY, LIME, CYAN = 250, 253, 207, 127, 100, 220, 171, 134, 139, 51

def element(ident, x, y, length, width, angle, colour, fill=2, thick=1, code=0, comment="part"):
    return "|".join(str(v) for v in ("HELPSCREEN " + ident, "Help", "All", x, y, length, width, angle, colour,
                                     0, fill, thick, 0, 12, code, " ", -999, comment)) + "|"

def label(ident, x, y, text, colour=WHITE, size=20, style="x", font=4, angle=0):
    return "|".join(str(v) for v in ("HELPSCREEN L3 " + ident, "Help", "All", x, y, "12345", 0, angle, colour,
                                     0, size, 1, font, style, " ", text, -999, "label")) + "|"

def family(s):
    title, names, lines = T[s]
    shelf, endcap, column, roundd, cabinet, here, product, entrance, stand = names
    out = [label("TITLE", 20, 30, title, YELLOW, 40, "b", 1)]
    # The store's walls, the entrance gap between x 100 and 140.
    out += [element("WALL N", 20, 62, 220, 2, 0, GRAY),
            element("WALL W", 20, 302, 240, 2, 90, GRAY),
            element("WALL E", 242, 302, 240, 2, 90, GRAY),
            element("WALL SW", 20, 304, 80, 2, 0, GRAY),
            element("WALL SE", 140, 304, 102, 2, 0, GRAY),
            element("DOORS", 100, 304, 40, 1, 0, LIME, fill=99)]
    # Two gondolas of two faces each, running up from y 250, an end cap on
    # the first, a column, a round display, a four-way stand and a chilled
    # cabinet on the east wall.
    out += [element("GONDOLA 1A", 70, 250, 140, 4, 90, WHITE),
            element("GONDOLA 1B", 74, 250, 140, 4, 90, GOLD),
            element("GONDOLA 2A", 160, 250, 140, 4, 90, WHITE),
            element("GONDOLA 2B", 164, 250, 140, 4, 90, CYAN),
            element("ENDCAP", 66, 110, 8, 5, 0, SCARLET),
            element("COLUMN", 120, 135, 4, 4, 0, GRAY, code="F1"),
            element("ROUND", 115, 215, 6, 6, 0, ORANGE, code="4C"),
            element("STAND", 95, 175, 3, 3, 0, WHITE, code="F6"),
            element("CABINET", 238, 280, 170, 8, 90, SKY)]
    # The kiosk's cross near the entrance and the rings over a product.
    out += [element("CROSS H", 114, 287, 12, 2, 0, YELLOW),
            element("CROSS V", 121, 292, 12, 2, 90, YELLOW),
            element("RING IN", 162, 160, 4, 4, 0, RED, fill=99, thick=2, code="4C"),
            element("RING OUT", 162, 160, 7, 7, 0, RED, fill=99, thick=2, code="4C")]
    out += [label("SHELF", 78, 232, shelf),
            label("ENDCAP", 78, 96, endcap, SCARLET),
            label("COLUMN", 126, 131, column, GRAY),
            label("ROUND", 100, 224, roundd, ORANGE),
            label("STAND", 101, 171, stand),
            label("CABINET", 221, 272, cabinet, SKY, angle=90),
            label("HERE", 128, 280, here, YELLOW),
            label("PRODUCT", 172, 151, product, RED),
            label("ENTRANCE", 104, 308, entrance, LIME)]
    out += [label("LINE %d" % (i + 1), 270, 100 + 30 * i, t, WHITE, 26) for i, t in enumerate(lines)]
    return out
