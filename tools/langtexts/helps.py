# -*- coding: utf-8 -*-
# The help picture ("helps"): map symbols with their names, drawn like the
# store map (zone 0) and saved as a picture for the guide screens.
NAMES = {
"E": ["Map symbols", "Shelf or gondola", "Chilled or frozen cabinet", "Promotion end cap", "Column",
      "Round display", "Fruit and vegetable table", "The blinking cross: you are here",
      "The rings: where your product is"],
"F": ["Symboles du plan", "Rayon ou gondole", "Meuble frais ou surgelés", "Tête de gondole promotionnelle", "Colonne",
      "Présentoir rond", "Étal de fruits et légumes", "La croix clignotante : vous êtes ici",
      "Les cercles : l'emplacement de votre produit"],
"I": ["Simboli della mappa", "Scaffale o gondola", "Banco frigo o surgelati", "Testata promozionale", "Colonna",
      "Espositore rotondo", "Banco di frutta e verdura", "La croce lampeggiante: voi siete qui",
      "I cerchi: dove si trova il prodotto"],
"S": ["Símbolos del plano", "Estante o góndola", "Mueble de frío o congelados", "Cabecera de promoción", "Columna",
      "Expositor redondo", "Mesa de fruta y verdura", "La cruz que parpadea: usted está aquí",
      "Los círculos: dónde está su producto"],
"P": ["Símbolos da planta", "Prateleira ou gôndola", "Móvel de frio ou congelados", "Topo de gôndola promocional", "Coluna",
      "Expositor redondo", "Banca de fruta e legumes", "A cruz a piscar: está aqui",
      "Os círculos: onde está o seu produto"],
}

def line(*f):
    return "|".join(str(x) for x in f) + "|"

def family(s):
    n = NAMES[s]
    out = [line("HELPSCREEN L3 TITLE", "Help", "All", 60, 40, 1, 0, 0, 253, 0, 30, 1, 1, "B", 0, n[0], -999, "title")]
    # Symbols on the left, their names beside them, one row every 35 units.
    rows = [
        ("HELPSCREEN SHELF", 60, 80, 60, 6, 0, 88, 0, 2, 1, 0, 12, 0),
        ("HELPSCREEN COLD", 60, 115, 60, 8, 0, 134, 0, 2, 1, 0, 12, 0),
        ("HELPSCREEN ENDCAP", 86, 150, 8, 2, 180, 220, 0, 2, 1, 0, 12, "F3"),
        ("HELPSCREEN COLUMN", 88, 185, 4, 4, 0, 250, 0, 2, 1, 0, 12, "F1"),
        ("HELPSCREEN ROUND", 88, 220, 5, 5, 0, 171, 0, 2, 1, 0, 12, "4C"),
        ("HELPSCREEN TABLE", 70, 255, 40, 10, 0, 140, 0, 2, 1, 0, 12, 0),
    ]
    for i, r in enumerate(rows):
        out.append(line(r[0], "Help", "All", *r[1:], " ", -999, "symbol"))
        out.append(line("HELPSCREEN L3 N%d" % (i + 1), "Help", "All", 150, r[2] - 8, 1, 0, 0, 250, 0, 20, 1, 4,
                        "x", 0, n[i + 1], -999, "name"))
    out.append(line("HELPSCREEN L3 CROSS", "Help", "All", 150, 282, 1, 0, 0, 253, 0, 20, 1, 4, "x", 0, n[7], -999, "name"))
    out.append(line("HELPSCREEN L3 RINGS", "Help", "All", 150, 302, 1, 0, 0, 220, 0, 20, 1, 4, "x", 0, n[8], -999, "name"))
    return out
