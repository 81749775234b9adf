# -*- coding: utf-8 -*-
# Headings ("head", lines 1..21) and single texts ("writea", lines 1..21).
HEAD = {
"E": ["Product editor", "Map editor", "Words not found", "Utilities", "Writing the report",
      "Change", "Delete", "Copy", "Add", "Moving the products of the shelf",
      "List of products", "Product report", "Rebuilding the file", "New file from the text file", "Zones",
      "Configuration", "Guide", "Product search", "Checking the file of words not found", "Words shoppers did not find",
      "Add a map label"],
"F": ["Gestion des produits", "Gestion du plan", "Mots non trouvés", "Utilitaires", "Écriture de la liste",
      "Modifier", "Supprimer", "Copier", "Ajouter", "Déplacement des produits du rayon",
      "Liste des produits", "Liste des produits imprimée", "Reconstruction du fichier", "Nouveau fichier depuis le texte", "Zones",
      "Configuration", "Guide", "Recherche de produits", "Vérification du fichier des mots non trouvés", "Mots que les clients n'ont pas trouvés",
      "Ajouter un libellé au plan"],
"I": ["Gestione prodotti", "Gestione mappa", "Parole non trovate", "Utilità", "Stampa dell'elenco",
      "Modifica", "Elimina", "Copia", "Aggiungi", "Spostamento dei prodotti dello scaffale",
      "Elenco dei prodotti", "Elenco dei prodotti stampato", "Ricostruzione dell'archivio", "Nuovo archivio dal file di testo", "Zone",
      "Configurazione", "Guida", "Ricerca prodotti", "Controllo dell'archivio delle parole non trovate", "Parole che i clienti non hanno trovato",
      "Aggiungi un'etichetta alla mappa"],
"S": ["Gestión de productos", "Gestión del plano", "Palabras no encontradas", "Utilidades", "Escribiendo el informe",
      "Cambiar", "Borrar", "Copiar", "Añadir", "Trasladando los productos del estante",
      "Lista de productos", "Informe de productos", "Reconstruyendo el archivo", "Archivo nuevo desde el archivo de texto", "Zonas",
      "Configuración", "Guía", "Búsqueda de productos", "Comprobando el archivo de palabras no encontradas", "Palabras que los clientes no encontraron",
      "Añadir un rótulo al plano"],
"P": ["Gestão de produtos", "Gestão da planta", "Palavras não encontradas", "Utilitários", "A escrever o relatório",
      "Alterar", "Apagar", "Copiar", "Adicionar", "A mudar os produtos da prateleira",
      "Lista de produtos", "Relatório de produtos", "A reconstruir o ficheiro", "Ficheiro novo a partir do ficheiro de texto", "Zonas",
      "Configuração", "Guia", "Pesquisa de produtos", "A verificar o ficheiro das palavras não encontradas", "Palavras que os clientes não encontraram",
      "Adicionar um rótulo à planta"],
}

WRITEA = {
"E": ["Searching, please wait...", "Please wait...", "Removing the old files...", "Creating a new empty file...",
      "Opening the file...", "Closing the file...", "Finished.", "Saving every record to the text file...",
      "Reading the records back from the text file...", "Staff password required", "Loading the map...",
      "Rebuilding the map element file...", "Writing the report...", "The report is in the docs folder.",
      "Drawing the map...", "Hiding the shelf on the map...", "Showing the shelf on the map again...",
      "Saving the changes...", "Nothing found.", "Move a shelf: first find the shelf",
      "Start with a letter or a digit"],
"F": ["Recherche en cours, veuillez patienter...", "Veuillez patienter...", "Suppression des anciens fichiers...",
      "Création d'un nouveau fichier vide...", "Ouverture du fichier...", "Fermeture du fichier...", "Terminé.",
      "Enregistrement de toutes les fiches dans le fichier texte...", "Relecture des fiches depuis le fichier texte...",
      "Mot de passe du personnel requis", "Chargement du plan...", "Reconstruction du fichier du plan...",
      "Écriture de la liste...", "La liste se trouve dans le dossier docs.", "Dessin du plan...",
      "Masquage du rayon sur le plan...", "Réaffichage du rayon sur le plan...", "Enregistrement des modifications...",
      "Aucun résultat.", "Déplacer un rayon : cherchez d'abord le rayon", "Commencez par une lettre ou un chiffre"],
"I": ["Ricerca in corso, attendere prego...", "Attendere prego...", "Eliminazione dei vecchi archivi...",
      "Creazione di un nuovo archivio vuoto...", "Apertura dell'archivio...", "Chiusura dell'archivio...", "Fatto.",
      "Salvataggio di tutte le schede nel file di testo...", "Rilettura delle schede dal file di testo...",
      "Password del personale richiesta", "Caricamento della mappa...", "Ricostruzione dell'archivio della mappa...",
      "Stampa dell'elenco in corso...", "L'elenco si trova nella cartella docs.", "Disegno della mappa...",
      "Lo scaffale viene nascosto sulla mappa...", "Lo scaffale viene mostrato di nuovo sulla mappa...",
      "Salvataggio delle modifiche...", "Nessun risultato.", "Sposta uno scaffale: prima cerca lo scaffale",
      "Inizia con una lettera o una cifra"],
"S": ["Buscando, espere por favor...", "Espere por favor...", "Eliminando los archivos antiguos...",
      "Creando un archivo nuevo vacío...", "Abriendo el archivo...", "Cerrando el archivo...", "Terminado.",
      "Guardando todas las fichas en el archivo de texto...", "Leyendo de nuevo las fichas del archivo de texto...",
      "Se necesita la contraseña del personal", "Cargando el plano...", "Reconstruyendo el archivo del plano...",
      "Escribiendo el informe...", "El informe está en la carpeta docs.", "Dibujando el plano...",
      "Ocultando el estante en el plano...", "Mostrando de nuevo el estante en el plano...",
      "Guardando los cambios...", "No se ha encontrado nada.", "Mover un estante: busque primero el estante",
      "Empiece por una letra o un número"],
"P": ["A pesquisar, aguarde por favor...", "Aguarde por favor...", "A remover os ficheiros antigos...",
      "A criar um ficheiro novo vazio...", "A abrir o ficheiro...", "A fechar o ficheiro...", "Concluído.",
      "A guardar todos os registos no ficheiro de texto...", "A ler de novo os registos do ficheiro de texto...",
      "É necessária a senha do pessoal", "A carregar a planta...", "A reconstruir o ficheiro da planta...",
      "A escrever o relatório...", "O relatório está na pasta docs.", "A desenhar a planta...",
      "A ocultar a prateleira na planta...", "A mostrar de novo a prateleira na planta...",
      "A guardar as alterações...", "Nada encontrado.", "Mover uma prateleira: procure primeiro a prateleira",
      "Comece por uma letra ou um algarismo"],
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
# 9 excluded words, 15 second password; 10-14 name the store lines.
EDC3 = {
"E": ["Kiosk position on the map, x:", "Kiosk position on the map, y:", "Floor of the kiosk:",
      "Machine number:", "Languages:", "Most products shown per search, 1 to 98:", "Staff password:",
      "Number of floors:", "Excluded words:", "Store name:", "Street:", "Town:", "County or region:",
      "Spare", "Second password:"],
"F": ["Position de la borne sur le plan, x :", "Position de la borne sur le plan, y :", "Étage de la borne :",
      "Numéro de la borne :", "Langues :", "Produits affichés au plus par recherche, de 1 à 98 :",
      "Mot de passe du personnel :", "Nombre d'étages :", "Mots exclus :", "Nom du magasin :", "Rue :",
      "Ville :", "Département ou région :", "Réserve", "Second mot de passe :"],
"I": ["Posizione del totem sulla mappa, x:", "Posizione del totem sulla mappa, y:", "Piano del totem:",
      "Numero del totem:", "Lingue:", "Prodotti mostrati al massimo per ricerca, da 1 a 98:",
      "Password del personale:", "Numero di piani:", "Parole escluse:", "Nome del negozio:", "Via:",
      "Città:", "Provincia o regione:", "Riserva", "Seconda password:"],
"S": ["Posición del terminal en el plano, x:", "Posición del terminal en el plano, y:", "Planta del terminal:",
      "Número del terminal:", "Idiomas:", "Máximo de productos por búsqueda, de 1 a 98:",
      "Contraseña del personal:", "Número de plantas:", "Palabras excluidas:", "Nombre de la tienda:",
      "Calle:", "Ciudad:", "Provincia o región:", "Reserva", "Segunda contraseña:"],
"P": ["Posição do quiosque na planta, x:", "Posição do quiosque na planta, y:", "Piso do quiosque:",
      "Número do quiosque:", "Idiomas:", "Máximo de produtos por pesquisa, de 1 a 98:",
      "Senha do pessoal:", "Número de pisos:", "Palavras excluídas:", "Nome da loja:", "Rua:",
      "Cidade:", "Distrito ou região:", "Reserva", "Segunda senha:"],
}

# Record-number label ("label3"): line 1 before the number, line 2 before
# the count of records in the file.
LABEL3 = {
"E": ["Record", "Records in the file:"],
"F": ["Fiche", "Fiches dans le fichier :"],
"I": ["Scheda", "Schede nell'archivio:"],
"S": ["Ficha", "Fichas en el archivo:"],
"P": ["Registo", "Registos no ficheiro:"],
}
