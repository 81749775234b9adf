# -*- coding: utf-8 -*-
# Headings ("head", lines 1..23) and single texts ("writea", lines 1..24).
HEAD = {
"E": ["Product editor", "Map editor", "Words not found", "Utilities", "Writing the report",
      "Change", "Delete", "Copy", "Add", "Moving the products of the shelf",
      "List of products", "Product report", "Rebuilding the file", "New file from the text file", "Zones",
      "Configuration", "Guide", "Product search", "Checking the file of words not found", "Words shoppers did not find",
      "Add a map label", "Export the map to Shelves.txt", "List of map elements"],
"F": ["Gestion des produits", "Gestion du plan", "Mots non trouvés", "Utilitaires", "Écriture de la liste",
      "Modifier", "Supprimer", "Copier", "Ajouter", "Déplacement des produits du rayon",
      "Liste des produits", "Liste des produits imprimée", "Reconstruction du fichier", "Nouveau fichier depuis le texte", "Zones",
      "Configuration", "Guide", "Recherche de produits", "Vérification du fichier des mots non trouvés", "Mots que les clients n'ont pas trouvés",
      "Ajouter un libellé au plan", "Exporter le plan vers Shelves.txt", "Liste des éléments du plan"],
"I": ["Gestione prodotti", "Gestione mappa", "Parole non trovate", "Utilità", "Stampa dell'elenco",
      "Modifica", "Elimina", "Copia", "Aggiungi", "Spostamento dei prodotti dello scaffale",
      "Elenco dei prodotti", "Elenco dei prodotti stampato", "Ricostruzione dell'archivio", "Nuovo archivio dal file di testo", "Zone",
      "Configurazione", "Guida", "Ricerca prodotti", "Controllo dell'archivio delle parole non trovate", "Parole che i clienti non hanno trovato",
      "Aggiungi un'etichetta alla mappa", "Esporta la mappa in Shelves.txt", "Elenco degli elementi della mappa"],
"S": ["Gestión de productos", "Gestión del plano", "Palabras no encontradas", "Utilidades", "Escribiendo el informe",
      "Cambiar", "Borrar", "Copiar", "Añadir", "Trasladando los productos del estante",
      "Lista de productos", "Informe de productos", "Reconstruyendo el archivo", "Archivo nuevo desde el archivo de texto", "Zonas",
      "Configuración", "Guía", "Búsqueda de productos", "Comprobando el archivo de palabras no encontradas", "Palabras que los clientes no encontraron",
      "Añadir un rótulo al plano", "Exportar el plano a Shelves.txt", "Lista de elementos del plano"],
"P": ["Gestão de produtos", "Gestão da planta", "Palavras não encontradas", "Utilitários", "A escrever o relatório",
      "Alterar", "Apagar", "Copiar", "Adicionar", "A mudar os produtos da prateleira",
      "Lista de produtos", "Relatório de produtos", "A reconstruir o ficheiro", "Ficheiro novo a partir do ficheiro de texto", "Zonas",
      "Configuração", "Guia", "Pesquisa de produtos", "A verificar o ficheiro das palavras não encontradas", "Palavras que os clientes não encontraram",
      "Adicionar um rótulo à planta", "Exportar a planta para Shelves.txt", "Lista de elementos da planta"],
}

WRITEA = {
"E": ["Searching, please wait...", "Please wait...", "Removing the old files...", "Creating a new empty file...",
      "Opening the file...", "Closing the file...", "Finished.", "Saving every record to the text file...",
      "Reading the records back from the text file...", "Staff password required", "Loading the map...",
      "Rebuilding the map element file...", "Writing the report...", "The report is in the docs folder.",
      "Drawing the map...", "Hiding the shelf on the map...", "Showing the shelf on the map again...",
      "Saving the changes...", "Nothing found.", "Move a shelf: first find the shelf",
      "Start with a letter or a digit",
      "Please type a number as the question asks",
      "The settings could not be saved; the old settings are kept",
      "This word could not be recorded for the staff:"],
"F": ["Recherche en cours, veuillez patienter...", "Veuillez patienter...", "Suppression des anciens fichiers...",
      "Création d'un nouveau fichier vide...", "Ouverture du fichier...", "Fermeture du fichier...", "Terminé.",
      "Enregistrement de toutes les fiches dans le fichier texte...", "Relecture des fiches depuis le fichier texte...",
      "Mot de passe du personnel requis", "Chargement du plan...", "Reconstruction du fichier du plan...",
      "Écriture de la liste...", "La liste se trouve dans le dossier docs.", "Dessin du plan...",
      "Masquage du rayon sur le plan...", "Réaffichage du rayon sur le plan...", "Enregistrement des modifications...",
      "Aucun résultat.", "Déplacer un rayon : cherchez d'abord le rayon", "Commencez par une lettre ou un chiffre",
      "Veuillez taper un nombre comme l'indique la question",
      "Les réglages n'ont pas pu être enregistrés ; les anciens réglages sont conservés",
      "Ce mot n'a pas pu être enregistré pour le personnel :"],
"I": ["Ricerca in corso, attendere prego...", "Attendere prego...", "Eliminazione dei vecchi archivi...",
      "Creazione di un nuovo archivio vuoto...", "Apertura dell'archivio...", "Chiusura dell'archivio...", "Fatto.",
      "Salvataggio di tutte le schede nel file di testo...", "Rilettura delle schede dal file di testo...",
      "Password del personale richiesta", "Caricamento della mappa...", "Ricostruzione dell'archivio della mappa...",
      "Stampa dell'elenco in corso...", "L'elenco si trova nella cartella docs.", "Disegno della mappa...",
      "Lo scaffale viene nascosto sulla mappa...", "Lo scaffale viene mostrato di nuovo sulla mappa...",
      "Salvataggio delle modifiche...", "Nessun risultato.", "Sposta uno scaffale: prima cerca lo scaffale",
      "Inizia con una lettera o una cifra",
      "Digiti un numero come indicato dalla domanda",
      "Impossibile salvare le impostazioni; restano quelle precedenti",
      "Non è stato possibile registrare questa parola per il personale:"],
"S": ["Buscando, espere por favor...", "Espere por favor...", "Eliminando los archivos antiguos...",
      "Creando un archivo nuevo vacío...", "Abriendo el archivo...", "Cerrando el archivo...", "Terminado.",
      "Guardando todas las fichas en el archivo de texto...", "Leyendo de nuevo las fichas del archivo de texto...",
      "Se necesita la contraseña del personal", "Cargando el plano...", "Reconstruyendo el archivo del plano...",
      "Escribiendo el informe...", "El informe está en la carpeta docs.", "Dibujando el plano...",
      "Ocultando el estante en el plano...", "Mostrando de nuevo el estante en el plano...",
      "Guardando los cambios...", "No se ha encontrado nada.", "Mover un estante: busque primero el estante",
      "Empiece por una letra o un número",
      "Escriba un número como indica la pregunta",
      "No se han podido guardar los ajustes; se conservan los anteriores",
      "No se ha podido registrar esta palabra para el personal:"],
"P": ["A pesquisar, aguarde por favor...", "Aguarde por favor...", "A remover os ficheiros antigos...",
      "A criar um ficheiro novo vazio...", "A abrir o ficheiro...", "A fechar o ficheiro...", "Concluído.",
      "A guardar todos os registos no ficheiro de texto...", "A ler de novo os registos do ficheiro de texto...",
      "É necessária a senha do pessoal", "A carregar a planta...", "A reconstruir o ficheiro da planta...",
      "A escrever o relatório...", "O relatório está na pasta docs.", "A desenhar a planta...",
      "A ocultar a prateleira na planta...", "A mostrar de novo a prateleira na planta...",
      "A guardar as alterações...", "Nada encontrado.", "Mover uma prateleira: procure primeiro a prateleira",
      "Comece por uma letra ou um algarismo",
      "Escreva um número como indica a pergunta",
      "Não foi possível guardar as definições; mantêm-se as anteriores",
      "Não foi possível registar esta palavra para o pessoal:"],
}

# Search texts: vell!11 line 1 (the question), vell!10 line 1 (see-also
# prefix), vell!5 line 1 (not-found message before the word).
SEARCH = {
"E": ("What are you looking for?", "See also:", "Sorry, we could not find"),
"F": ("Que cherchez-vous ?", "Voir aussi :", "Désolé, nous n'avons pas trouvé"),
"I": ("Che cosa sta cercando?", "Vedi anche:", "Spiacenti, non abbiamo trovato"),
"S": ("¿Qué está buscando?", "Vea también:", "Lo sentimos, no hemos encontrado"),
"P": ("O que procura?", "Veja também:", "Lamentamos, não encontrámos"),
}

# Map question texts ("ques"): 1 title, 2 zone question, 3 its end,
# 4 floor question, 5 its end.
QUES = {
"E": ["Map options", "Zone to show (0 = whole store), zones up to", ":", "Floor to show, floors up to", ":"],
"F": ["Options du plan", "Zone à afficher (0 = tout le magasin), zones jusqu'à", " :", "Étage à afficher, étages jusqu'à", " :"],
"I": ["Opzioni della mappa", "Zona da mostrare (0 = tutto il negozio), zone fino a", ":", "Piano da mostrare, piani fino a", ":"],
"S": ["Opciones del plano", "Zona que mostrar (0 = toda la tienda), zonas hasta", ":", "Planta que mostrar, plantas hasta", ":"],
"P": ["Opções da planta", "Zona a mostrar (0 = toda a loja), zonas até", ":", "Piso a mostrar, pisos até", ":"],
}

# Configuration editor questions ("edc3"), used by line number: 1 x, 2 y,
# 3 floor, 4 machine, 5 languages, 6 limit, 7 staff password, 8 floors,
# 9 excluded words, 15 second password; 10-14 name the store lines, which
# the editor shows but does not ask. Each asked line is a question
# descriptor; its lowest and highest value and its longest answer are the
# limits the editor holds the answer to (the kiosk floor is also held to
# the number of floors).
# (kind, lowest, highest, longest answer) per line; None for the unasked.
_EDC3_LIMITS = [("N", 0, 99999, 9), ("N", 0, 99999, 9), ("N", 1, 99, 6), ("A", 0, 0, 14),
                ("A", 0, 0, 55), ("N", 1, 98, 6), ("A", 0, 0, 55), ("N", 1, 99, 6),
                ("A", 0, 0, 255), None, None, None, None, None, ("A", 0, 0, 55)]
# (question, label) per line.
_EDC3_TEXTS = {
"E": [("Kiosk position on the map, x (0 to 99999):", "Kiosk position, x"),
      ("Kiosk position on the map, y (0 to 99999):", "Kiosk position, y"),
      ("Floor of the kiosk (1 to the number of floors):", "Floor of the kiosk"),
      ("Machine number (up to 14 characters):", "Machine number"),
      ("Languages (any text, English first):", "Languages"),
      ("Products shown per search besides the first, at most (1 to 98):", "Products besides the first"),
      ("Staff password (any text, may be empty):", "Staff password"),
      ("Number of floors (1 to 99):", "Number of floors"),
      ("Excluded words (exclusion codes kept from shoppers):", "Excluded words"),
      "Store name:", "Street:", "Town:", "County or region:", "Spare",
      ("Second password (any text, may be empty):", "Second password")],
"F": [("Position de la borne sur le plan, x (de 0 à 99999) :", "Position de la borne, x"),
      ("Position de la borne sur le plan, y (de 0 à 99999) :", "Position de la borne, y"),
      ("Étage de la borne (de 1 au nombre d'étages) :", "Étage de la borne"),
      ("Numéro de la borne (14 caractères au plus) :", "Numéro de la borne"),
      ("Langues (texte libre, l'anglais en premier) :", "Langues"),
      ("Produits affichés par recherche en plus du premier, au plus (de 1 à 98) :", "Produits en plus du premier"),
      ("Mot de passe du personnel (texte libre, peut rester vide) :", "Mot de passe du personnel"),
      ("Nombre d'étages (de 1 à 99) :", "Nombre d'étages"),
      ("Mots exclus (codes d'exclusion cachés aux clients) :", "Mots exclus"),
      "Nom du magasin :", "Rue :", "Ville :", "Département ou région :", "Réserve",
      ("Second mot de passe (texte libre, peut rester vide) :", "Second mot de passe")],
"I": [("Posizione del totem sulla mappa, x (da 0 a 99999):", "Posizione del totem, x"),
      ("Posizione del totem sulla mappa, y (da 0 a 99999):", "Posizione del totem, y"),
      ("Piano del totem (da 1 al numero di piani):", "Piano del totem"),
      ("Numero del totem (al massimo 14 caratteri):", "Numero del totem"),
      ("Lingue (testo libero, prima l'inglese):", "Lingue"),
      ("Prodotti mostrati per ricerca oltre al primo, al massimo (da 1 a 98):", "Prodotti oltre al primo"),
      ("Password del personale (testo libero, può restare vuota):", "Password del personale"),
      ("Numero di piani (da 1 a 99):", "Numero di piani"),
      ("Parole escluse (codici di esclusione nascosti ai clienti):", "Parole escluse"),
      "Nome del negozio:", "Via:", "Città:", "Provincia o regione:", "Riserva",
      ("Seconda password (testo libero, può restare vuota):", "Seconda password")],
"S": [("Posición del terminal en el plano, x (de 0 a 99999):", "Posición del terminal, x"),
      ("Posición del terminal en el plano, y (de 0 a 99999):", "Posición del terminal, y"),
      ("Planta del terminal (de 1 al número de plantas):", "Planta del terminal"),
      ("Número del terminal (14 caracteres como máximo):", "Número del terminal"),
      ("Idiomas (texto libre, primero el inglés):", "Idiomas"),
      ("Productos mostrados por búsqueda además del primero, como máximo (de 1 a 98):", "Productos además del primero"),
      ("Contraseña del personal (texto libre, puede quedar vacía):", "Contraseña del personal"),
      ("Número de plantas (de 1 a 99):", "Número de plantas"),
      ("Palabras excluidas (códigos de exclusión ocultos a los clientes):", "Palabras excluidas"),
      "Nombre de la tienda:", "Calle:", "Ciudad:", "Provincia o región:", "Reserva",
      ("Segunda contraseña (texto libre, puede quedar vacía):", "Segunda contraseña")],
"P": [("Posição do quiosque na planta, x (de 0 a 99999):", "Posição do quiosque, x"),
      ("Posição do quiosque na planta, y (de 0 a 99999):", "Posição do quiosque, y"),
      ("Piso do quiosque (de 1 ao número de pisos):", "Piso do quiosque"),
      ("Número do quiosque (14 caracteres no máximo):", "Número do quiosque"),
      ("Idiomas (texto livre, primeiro o inglês):", "Idiomas"),
      ("Produtos mostrados por pesquisa além do primeiro, no máximo (de 1 a 98):", "Produtos além do primeiro"),
      ("Senha do pessoal (texto livre, pode ficar vazia):", "Senha do pessoal"),
      ("Número de pisos (de 1 a 99):", "Número de pisos"),
      ("Palavras excluídas (códigos de exclusão ocultos aos clientes):", "Palavras excluídas"),
      "Nome da loja:", "Rua:", "Cidade:", "Distrito ou região:", "Reserva",
      ("Segunda senha (texto livre, pode ficar vazia):", "Segunda senha")],
}

def _edc3_line(text, limits):
    if limits is None:
        return text
    question, label = text
    kind, low, high, longest = limits
    # question|label|colour|label x 0 (nothing drawn on the form)|label y|
    # answer x|label colour|answer type|label colour|answer colour|lowest|
    # highest|shortest|longest|unused x5|right-justify|unused|font sizes|style
    fields = [question, label, 253, 0, 0, 600, 250, 0 if kind == "A" else 1, 250, 253,
              low, high, 0, longest, 0, 0, 0, 0, 0, "N", 0, 28, 28, "x"]
    return "|".join(str(f) for f in fields)

EDC3 = {s: [_edc3_line(t, l) for t, l in zip(texts, _EDC3_LIMITS)] for s, texts in _EDC3_TEXTS.items()}

# Record-number label ("label3"): line 1 before the number, line 2 before
# the count of records in the file.
LABEL3 = {
"E": ["Record", "Records in the file:"],
"F": ["Fiche", "Fiches dans le fichier :"],
"I": ["Scheda", "Schede nell'archivio:"],
"S": ["Ficha", "Fichas en el archivo:"],
"P": ["Registo", "Registos no ficheiro:"],
}
