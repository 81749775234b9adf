# -*- coding: utf-8 -*-
# Families of the guide screens.

G = {
"E": {
 "cont1": ["Vell! store directory", "Vell! Kiosk Systems - customer support", "Telephone: 01273 555 0142",
           "E-mail: support@vell-kiosk.example", "Help desk open Monday to Friday,", "9:00 to 17:30.",
           "Please have the machine number of the kiosk at hand."],
 "dirs": ["Text at 0 degrees", "45 degrees", "90 degrees", "135 degrees", "180 degrees", "225 degrees",
          "315 degrees", "270 degrees"],
 "font": "Font code",
 "deg": "degrees",
 "edh1": ("Fonts and text directions", ["The texts above turn around one point; the eight lines on the left",
          "show font codes 1 to 8. Screen forms and spec lines choose them by number."]),
 "edh2": ("Answering questions", ["Type the answer on the bottom line and press Enter.",
          "Backspace removes the last character; Left and Right move the cursor.",
          "Home and End jump to the start and the end; Delete removes a character.",
          "Esc empties the answer; Pause finishes like Enter.",
          "Alt+C opens the calculator on a number answer."]),
 "edh3": ["Type your name", "Name", "Type a number from 1 to 99", "Number", "Your number:"],
 "edh4": ("Screen layout", ["The title bar at the top shows the product name and the banner.",
          "Questions, menus and messages appear in the box at the bottom.",
          "Everything in between belongs to the screen shown:",
          "its texts, positions, fonts and colours come from the language files,",
          "so every screen can be laid out and translated without a new program."]),
 "edh5": ("Angles of map elements", ["A map element turns around its anchor point in steps of 45 degrees.",
          "Its colour, line style and thickness are those of the element."]),
 "edh6": ("Fill styles of map elements", ["Fill 1: background colour", "Fill 0: background colour",
          "Fill 3: horizontal lines", "Fill 4: vertical lines", "Fill 5: crossed lines",
          "Fill 6: rising diagonals", "Fill 7: falling diagonals", "Fills 5 and 7 on one box",
          "Fills 5 and 6 on one box", "Fill 4: vertical lines", "Fill 5: crossed lines",
          "Fills 5 and 8 on one box", "Fills 5 and 8 on one box", "Fills 6 and 7 on one box"]),
 "edh8": ("The keyboard", ["Letters choose menu items; F1 shows a product on the map.",
          "Esc goes back, Pause finishes, Alt+M changes the language."]),
 "enqA": ("Sample questions", ["Choose a letter to answer a question; Esc or Pause ends.",
          "The answers are listed on the next screen."],
          ["Your name", "Your town", "A number from 1 to 10"],
          ["your name", "your town", "a number from 1 to 10"]),
 "g5": ["Each answer is kept in the list above,", " one line for each question."],
},
"F": {
 "cont1": ["Vell! annuaire du magasin", "Vell! Kiosk Systems - assistance clients", "Téléphone : 01 23 45 67 89",
           "Courriel : support@vell-kiosk.example", "Assistance du lundi au vendredi,", "de 9 h à 17 h 30.",
           "Munissez-vous du numéro de la borne."],
 "dirs": ["Texte à 0 degré", "45 degrés", "90 degrés", "135 degrés", "180 degrés", "225 degrés",
          "315 degrés", "270 degrés"],
 "font": "Police n°",
 "deg": "degrés",
 "edh1": ("Polices et sens du texte", ["Les textes ci-dessus tournent autour d'un point ; les huit lignes à gauche",
          "montrent les polices 1 à 8. Les écrans les choisissent par leur numéro."]),
 "edh2": ("Répondre aux questions", ["Tapez la réponse sur la ligne du bas et appuyez sur Entrée.",
          "Retour arrière efface le dernier caractère ; les flèches déplacent le curseur.",
          "Début et Fin vont au début et à la fin ; Suppr efface un caractère.",
          "Échap vide la réponse ; Pause termine comme Entrée.",
          "Alt+C ouvre la calculatrice sur une réponse numérique."]),
 "edh3": ["Tapez votre nom", "Nom", "Tapez un nombre de 1 à 99", "Nombre", "Votre nombre :"],
 "edh4": ("Disposition de l'écran", ["La barre de titre en haut montre le nom du produit et la bannière.",
          "Questions, menus et messages s'affichent dans le cadre du bas.",
          "Tout l'espace entre les deux appartient à l'écran affiché :",
          "ses textes, positions, polices et couleurs viennent des fichiers de langue,",
          "chaque écran peut donc être mis en page et traduit sans nouveau programme."]),
 "edh5": ("Angles des éléments du plan", ["Un élément du plan tourne autour de son point d'ancrage par pas de 45 degrés.",
          "Sa couleur, son style de trait et son épaisseur sont ceux de l'élément."]),
 "edh6": ("Remplissage des éléments du plan", ["Remplissage 1 : couleur du fond", "Remplissage 0 : couleur du fond",
          "Remplissage 3 : lignes horizontales", "Remplissage 4 : lignes verticales", "Remplissage 5 : quadrillage",
          "Remplissage 6 : diagonales montantes", "Remplissage 7 : diagonales descendantes",
          "Remplissages 5 et 7 superposés", "Remplissages 5 et 6 superposés", "Remplissage 4 : lignes verticales",
          "Remplissage 5 : quadrillage", "Remplissages 5 et 8 superposés", "Remplissages 5 et 8 superposés",
          "Remplissages 6 et 7 superposés"]),
 "edh8": ("Le clavier", ["Les lettres choisissent dans les menus ; F1 montre un produit sur le plan.",
          "Échap revient en arrière, Pause termine, Alt+M change la langue."]),
 "enqA": ("Exemples de questions", ["Choisissez une lettre pour répondre à une question ; Échap ou Pause termine.",
          "Les réponses sont listées sur l'écran suivant."],
          ["Votre nom", "Votre ville", "Un nombre de 1 à 10"],
          ["votre nom", "votre ville", "un nombre de 1 à 10"]),
 "g5": ["Chaque réponse est gardée dans la liste ci-dessus,", " une ligne par question."],
},
"I": {
 "cont1": ["Vell! guida del negozio", "Vell! Kiosk Systems - assistenza clienti", "Telefono: 02 1234 5678",
           "E-mail: support@vell-kiosk.example", "Assistenza dal lunedì al venerdì,", "dalle 9:00 alle 17:30.",
           "Tenete a portata di mano il numero del totem."],
 "dirs": ["Testo a 0 gradi", "45 gradi", "90 gradi", "135 gradi", "180 gradi", "225 gradi",
          "315 gradi", "270 gradi"],
 "font": "Carattere n.",
 "deg": "gradi",
 "edh1": ("Caratteri e direzione del testo", ["I testi qui sopra ruotano attorno a un punto; le otto righe a sinistra",
          "mostrano i caratteri da 1 a 8. Le schermate li scelgono per numero."]),
 "edh2": ("Rispondere alle domande", ["Scrivete la risposta sulla riga in basso e premete Invio.",
          "Backspace cancella l'ultimo carattere; le frecce spostano il cursore.",
          "Home e Fine vanno all'inizio e alla fine; Canc cancella un carattere.",
          "Esc svuota la risposta; Pausa conclude come Invio.",
          "Alt+C apre la calcolatrice su una risposta numerica."]),
 "edh3": ["Scrivete il vostro nome", "Nome", "Scrivete un numero da 1 a 99", "Numero", "Il vostro numero:"],
 "edh4": ("Disposizione dello schermo", ["La barra del titolo in alto mostra il nome del prodotto e il banner.",
          "Domande, menu e messaggi compaiono nel riquadro in basso.",
          "Tutto lo spazio in mezzo appartiene alla schermata mostrata:",
          "testi, posizioni, caratteri e colori vengono dai file delle lingue,",
          "così ogni schermata si impagina e si traduce senza un nuovo programma."]),
 "edh5": ("Angoli degli elementi della mappa", ["Un elemento della mappa ruota attorno al punto di ancoraggio a passi di 45 gradi.",
          "Colore, stile e spessore della linea sono quelli dell'elemento."]),
 "edh6": ("Riempimenti degli elementi della mappa", ["Riempimento 1: colore di sfondo", "Riempimento 0: colore di sfondo",
          "Riempimento 3: linee orizzontali", "Riempimento 4: linee verticali", "Riempimento 5: quadrettato",
          "Riempimento 6: diagonali ascendenti", "Riempimento 7: diagonali discendenti",
          "Riempimenti 5 e 7 sovrapposti", "Riempimenti 5 e 6 sovrapposti", "Riempimento 4: linee verticali",
          "Riempimento 5: quadrettato", "Riempimenti 5 e 8 sovrapposti", "Riempimenti 5 e 8 sovrapposti",
          "Riempimenti 6 e 7 sovrapposti"]),
 "edh8": ("La tastiera", ["Le lettere scelgono le voci dei menu; F1 mostra un prodotto sulla mappa.",
          "Esc torna indietro, Pausa conclude, Alt+M cambia la lingua."]),
 "enqA": ("Domande di esempio", ["Scegliete una lettera per rispondere a una domanda; Esc o Pausa per finire.",
          "Le risposte sono elencate nella schermata seguente."],
          ["Il vostro nome", "La vostra città", "Un numero da 1 a 10"],
          ["il vostro nome", "la vostra città", "un numero da 1 a 10"]),
 "g5": ["Ogni risposta è conservata nell'elenco qui sopra,", " una riga per domanda."],
},
"S": {
 "cont1": ["Vell! guía de la tienda", "Vell! Kiosk Systems - atención al cliente", "Teléfono: 912 345 678",
           "Correo: support@vell-kiosk.example", "Asistencia de lunes a viernes,", "de 9:00 a 17:30.",
           "Tenga a mano el número del terminal."],
 "dirs": ["Texto a 0 grados", "45 grados", "90 grados", "135 grados", "180 grados", "225 grados",
          "315 grados", "270 grados"],
 "font": "Fuente n.º",
 "deg": "grados",
 "edh1": ("Fuentes y dirección del texto", ["Los textos de arriba giran alrededor de un punto; las ocho líneas de la izquierda",
          "muestran las fuentes 1 a 8. Las pantallas las eligen por su número."]),
 "edh2": ("Responder a las preguntas", ["Escriba la respuesta en la línea de abajo y pulse Intro.",
          "Retroceso borra el último carácter; las flechas mueven el cursor.",
          "Inicio y Fin van al principio y al final; Supr borra un carácter.",
          "Esc vacía la respuesta; Pausa termina como Intro.",
          "Alt+C abre la calculadora en una respuesta numérica."]),
 "edh3": ["Escriba su nombre", "Nombre", "Escriba un número del 1 al 99", "Número", "Su número:"],
 "edh4": ("Distribución de la pantalla", ["La barra de título de arriba muestra el nombre del producto y el rótulo.",
          "Las preguntas, los menús y los mensajes aparecen en el recuadro de abajo.",
          "Todo el espacio intermedio pertenece a la pantalla mostrada:",
          "sus textos, posiciones, fuentes y colores vienen de los archivos de idioma,",
          "así cada pantalla se diseña y se traduce sin un programa nuevo."]),
 "edh5": ("Ángulos de los elementos del plano", ["Un elemento del plano gira alrededor de su punto de anclaje en pasos de 45 grados.",
          "Su color, estilo y grosor de línea son los del elemento."]),
 "edh6": ("Rellenos de los elementos del plano", ["Relleno 1: color de fondo", "Relleno 0: color de fondo",
          "Relleno 3: líneas horizontales", "Relleno 4: líneas verticales", "Relleno 5: cuadrícula",
          "Relleno 6: diagonales ascendentes", "Relleno 7: diagonales descendentes",
          "Rellenos 5 y 7 superpuestos", "Rellenos 5 y 6 superpuestos", "Relleno 4: líneas verticales",
          "Relleno 5: cuadrícula", "Rellenos 5 y 8 superpuestos", "Rellenos 5 y 8 superpuestos",
          "Rellenos 6 y 7 superpuestos"]),
 "edh8": ("El teclado", ["Las letras eligen en los menús; F1 muestra un producto en el plano.",
          "Esc vuelve atrás, Pausa termina, Alt+M cambia el idioma."]),
 "enqA": ("Preguntas de ejemplo", ["Elija una letra para responder a una pregunta; Esc o Pausa para terminar.",
          "Las respuestas aparecen en la pantalla siguiente."],
          ["Su nombre", "Su ciudad", "Un número del 1 al 10"],
          ["su nombre", "su ciudad", "un número del 1 al 10"]),
 "g5": ["Cada respuesta se guarda en la lista de arriba,", " una línea por pregunta."],
},
"P": {
 "cont1": ["Vell! guia da loja", "Vell! Kiosk Systems - apoio ao cliente", "Telefone: 213 456 789",
           "Correio eletrónico: support@vell-kiosk.example", "Apoio de segunda a sexta-feira,", "das 9h00 às 17h30.",
           "Tenha à mão o número do quiosque."],
 "dirs": ["Texto a 0 graus", "45 graus", "90 graus", "135 graus", "180 graus", "225 graus",
          "315 graus", "270 graus"],
 "font": "Tipo de letra n.º",
 "deg": "graus",
 "edh1": ("Tipos de letra e direção do texto", ["Os textos acima rodam em torno de um ponto; as oito linhas à esquerda",
          "mostram os tipos de letra 1 a 8. Os ecrãs escolhem-nos pelo número."]),
 "edh2": ("Responder às perguntas", ["Escreva a resposta na linha de baixo e carregue em Enter.",
          "Retrocesso apaga o último carácter; as setas movem o cursor.",
          "Home e End vão para o início e o fim; Delete apaga um carácter.",
          "Esc esvazia a resposta; Pausa termina como Enter.",
          "Alt+C abre a calculadora numa resposta numérica."]),
 "edh3": ["Escreva o seu nome", "Nome", "Escreva um número de 1 a 99", "Número", "O seu número:"],
 "edh4": ("Disposição do ecrã", ["A barra de título em cima mostra o nome do produto e a faixa.",
          "As perguntas, os menus e as mensagens aparecem na caixa de baixo.",
          "Todo o espaço intermédio pertence ao ecrã mostrado:",
          "os textos, posições, tipos de letra e cores vêm dos ficheiros de idioma,",
          "por isso cada ecrã é desenhado e traduzido sem um programa novo."]),
 "edh5": ("Ângulos dos elementos da planta", ["Um elemento da planta roda em torno do ponto de ancoragem em passos de 45 graus.",
          "A cor, o estilo e a espessura da linha são os do elemento."]),
 "edh6": ("Preenchimentos dos elementos da planta", ["Preenchimento 1: cor de fundo", "Preenchimento 0: cor de fundo",
          "Preenchimento 3: linhas horizontais", "Preenchimento 4: linhas verticais", "Preenchimento 5: quadriculado",
          "Preenchimento 6: diagonais ascendentes", "Preenchimento 7: diagonais descendentes",
          "Preenchimentos 5 e 7 sobrepostos", "Preenchimentos 5 e 6 sobrepostos", "Preenchimento 4: linhas verticais",
          "Preenchimento 5: quadriculado", "Preenchimentos 5 e 8 sobrepostos", "Preenchimentos 5 e 8 sobrepostos",
          "Preenchimentos 6 e 7 sobrepostos"]),
 "edh8": ("O teclado", ["As letras escolhem nos menus; F1 mostra um produto na planta.",
          "Esc volta atrás, Pausa termina, Alt+M muda o idioma."]),
 "enqA": ("Perguntas de exemplo", ["Escolha uma letra para responder a uma pergunta; Esc ou Pausa para terminar.",
          "As respostas aparecem no ecrã seguinte."],
          ["O seu nome", "A sua cidade", "Um número de 1 a 10"],
          ["o seu nome", "a sua cidade", "um número de 1 a 10"]),
 "g5": ["Cada resposta fica guardada na lista acima,", " uma linha por pergunta."],
},
}

BOX_ROWS = [160, 195, 230, 265, 300, 335, 370, 405, 440, 475, 505, 540, 575, 605]

def title_and_lines(title, lines, top_title=80, first=820, step=45, size=28):
    h = ["253|960|%d|1|0|0|44|2|0|b|%s" % (top_title, title)]
    c = ["250|960|%d|4|0|0|%d|2|0|x|%s" % (first + step * i, size, t) for i, t in enumerate(lines)]
    return h, c

def form(f, h, c, q=(), a=()):
    return ["F%d|H%d|C%d|Q%d|A%d" % (len(f), len(h), len(c), len(q), len(a))] + f + h + list(c) + list(q) + list(a)

def families(s):
    g = G[s]
    foot = ["88|960|960|4|0|0|26|2|0|x|" + {"E": "A or Esc: back to the guide", "F": "A ou Échap : retour au guide",
            "I": "A o Esc: torna alla guida", "S": "A o Esc: volver a la guía",
            "P": "A ou Esc: voltar ao guia"}[s]]
    out = {}
    out["cont1"] = g["cont1"] + ["******"]
    # The directions' texts start with blanks so that they clear the point they turn around.
    out["g1"] = ["    %d %s" % (a, g["deg"]) for a in (0, 45, 90, 135, 180, 225, 315, 270)] + ["%s %d" % (g["font"], k) for k in range(1, 9)] + ["******"]
    # The angle labels in the order the guide places them: down right, down,
    # down left, right (running back to the anchor), up left, up, up right, left.
    out["g3"] = ["%d %s" % (a, g["deg"]) for a in (315, 270, 225, 360, 135, 90, 45, 180)] + ["******"]
    # The keyboard picture's top-left corner.
    out["g6"] = ["410", "290", "******"]
    out["g5"] = g["g5"] + ["******"]
    t, l = g["edh1"]
    h, c = title_and_lines(t, l, first=860)
    out["edh1"] = form([], h, c)
    t, l = g["edh2"]
    h, c = title_and_lines(t, l, first=250, step=60, size=30)
    out["edh2"] = form([], h, c)
    q1, l1, q2, l2, lab = g["edh3"]
    out["edh3"] = ["%s|%s|253|100|640|400|88|0|88|253|0|1000000000|1|30|0|0|0|0|0|N|0|30|30|x" % (q1, l1),
                   "%s|%s|253|100|700|400|88|1|88|253|1|99|0|5|0|0|0|0|0|N|0|30|30|x" % (q2, l2),
                   lab, "******"]
    t, l = g["edh4"]
    h, c = title_and_lines(t, l, first=300, step=70, size=32)
    out["edh4"] = form(foot, h, c)
    t, l = g["edh5"]
    # Beside the boxes, which turn around (700, 250).
    h = ["253|1340|200|1|0|0|44|2|0|b|" + t]
    c = ["250|1340|%d|4|0|0|26|2|0|x|%s" % (290 + 45 * i, line) for i, line in enumerate(l)]
    out["edh5"] = form([], h, c)
    t, l = g["edh6"]
    h = ["253|960|70|1|0|0|40|2|0|b|" + t]
    c = ["250|760|%d|4|0|0|22|0|0|x|%s" % (y, txt) for y, txt in zip(BOX_ROWS, l)]
    out["edh6"] = form([], h, c)
    t, l = g["edh8"]
    h, c = title_and_lines(t, l, top_title=80, first=860)
    out["edh8"] = form([], h, c)
    t, l, labels, qs = g["enqA"]
    h, c = title_and_lines(t, l, first=160, step=50, size=28)
    q = ["88|200|%d|4|0|0|30|0|0|x|%s  %s" % (330 + 60 * i, chr(65 + i), lab) for i, lab in enumerate(labels)]
    a = ["253|700|330|4|0|0|30|0|0|x|0|30|0|0|A|" + qs[0],
         "253|700|390|4|0|0|30|0|0|x|0|30|0|0|A|" + qs[1],
         "253|700|450|4|0|0|30|1|10|x|1|2|1|10|N|" + qs[2]]
    out["enqA"] = form([], h, c, q, a)
    return out
