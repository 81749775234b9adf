# -*- coding: utf-8 -*-
# The store's error texts, line 1..67 (line table of the error reactions).
DBERR = {
"E": [
"Internal error: division by zero",                       # 1  200
"Path or network path not found",                         # 2  9900
"Too many files open",                                    # 3  9901
"File access denied",                                     # 4  9902
"File not found",                                         # 5  9903
"Invalid file handle",                                    # 6  9904
"Invalid file access code",                               # 7  9908
"Not enough memory for the page buffer",                  # 8  10000
"Operation failed; the file was restored from its dialog file",  # 9
"Index file missing or damaged",                          # 10 10010
"Record length too small",                                # 11 10020
"Not enough memory for the file descriptors",             # 12 10030 10040
"Too many keys",                                          # 13 10050
"Key too long",                                           # 14 10055 10125
"Invalid file name",                                      # 15 10060
"The file is read-only",                                  # 16 10065
"Read error: fewer bytes read than asked",                # 17 10070
"Write error: fewer bytes written than asked (disk full?)",  # 18 10075
"The file is not open",                                   # 19 10080
"Not enough memory to open the file",                     # 20 10090 10100 10356
"The file is in use",                                     # 21 10110
"Index header damaged: page length",                      # 22 10120
"Index header damaged: key length",                       # 23 10121
"Invalid record number",                                  # 24 10130 10135
"Input/output error",                                     # 25 10140
"The file could not be flushed to disk",                  # 26 10150
"The file could not be closed",                           # 27 10160
"Invalid key number",                                     # 28 10164
"The chain of free records is damaged",                   # 29 10170
"The dialog file could not be replayed",                  # 30 10180
"The data file does not match its description",           # 31 10190
"The number of keys does not match",                      # 32 10191
"The index file does not belong to the data file",        # 33 10192
"Key not found",                                          # 34 10200
"Record not found",                                       # 35 10205
"The record is deleted",                                  # 36 10210
"The key to delete was not found",                        # 37 10220
"The key exists already",                                 # 38 10230
"No further key",                                         # 39 10240 10250
"No current key position",                                # 40 10245 10255..10270
"Record number out of range",                             # 41 10280 10285
"The file is locked",                                     # 42 10306
"The record is locked",                                   # 43 10310
"The file could not be locked for reading",               # 44 10315
"The lock could not be released",                         # 45 10322 10323
"The file is in use on another workstation",              # 46 10330
"Too many locks",                                         # 47 10332
"The file could not be locked",                           # 48 10335
"The file could not be unlocked",                         # 49 10337
"Network file table error",                               # 50 10340..10342
"Network not available",                                  # 51 10345
"Input/output error on a read-only file",                 # 52 10355 10397 10399
"Read-only file: changes are not allowed",                # 53 10398
"Save copy not found",                                    # 54 10410
"The save copy could not be created",                     # 55 10411
"The save copy is damaged",                               # 56 10412
"The file could not be restored from its save copy",      # 57 10415
"The dialog file could not be opened",                    # 58 10420 10425
"Dialog file replay on a read-only file",                 # 59 10430
"The dialog file is damaged",                             # 60 10435
"A dialog file is needed on a read-only file",            # 61 10440
"Invalid fileblock",                                      # 62 10445
"The fileblock is closed already",                        # 63 10446
"The store is started already",                           # 64 10450
"The store is not started",                               # 65 10455
"The store could not be ended",                           # 66 10460
"Too many fileblocks open",                               # 67 10465
],
"F": [
"Erreur interne : division par zéro",
"Chemin ou chemin réseau introuvable",
"Trop de fichiers ouverts",
"Accès au fichier refusé",
"Fichier introuvable",
"Descripteur de fichier non valide",
"Code d'accès au fichier non valide",
"Mémoire insuffisante pour le tampon de pages",
"Opération échouée ; le fichier a été restauré depuis son journal",
"Fichier index absent ou endommagé",
"Longueur de fiche trop petite",
"Mémoire insuffisante pour les descripteurs de fichier",
"Trop de clés",
"Clé trop longue",
"Nom de fichier non valide",
"Le fichier est en lecture seule",
"Erreur de lecture : moins d'octets lus que demandé",
"Erreur d'écriture : moins d'octets écrits que demandé",
"Le fichier n'est pas ouvert",
"Mémoire insuffisante pour ouvrir le fichier",
"Le fichier est en cours d'utilisation",
"En-tête d'index endommagé : longueur de page",
"En-tête d'index endommagé : longueur de clé",
"Numéro de fiche non valide",
"Erreur d'entrée/sortie",
"Le fichier n'a pas pu être écrit sur le disque",
"Le fichier n'a pas pu être fermé",
"Numéro de clé non valide",
"La chaîne des fiches libres est endommagée",
"Le journal n'a pas pu être rejoué",
"Le fichier de données ne correspond pas à sa description",
"Le nombre de clés ne correspond pas",
"Le fichier index n'appartient pas au fichier de données",
"Clé introuvable",
"Fiche introuvable",
"La fiche est supprimée",
"La clé à supprimer est introuvable",
"La clé existe déjà",
"Pas d'autre clé",
"Aucune position de clé en cours",
"Numéro de fiche hors limites",
"Le fichier est verrouillé",
"La fiche est verrouillée",
"Le fichier n'a pas pu être verrouillé en lecture",
"Le verrou n'a pas pu être levé",
"Le fichier est utilisé sur un autre poste",
"Trop de verrous",
"Le fichier n'a pas pu être verrouillé",
"Le fichier n'a pas pu être déverrouillé",
"Erreur de la table des fichiers réseau",
"Réseau non disponible",
"Erreur d'entrée/sortie sur un fichier en lecture seule",
"Fichier en lecture seule : modifications interdites",
"Copie de sauvegarde introuvable",
"La copie de sauvegarde n'a pas pu être créée",
"La copie de sauvegarde est endommagée",
"Restauration depuis la copie de sauvegarde impossible",
"Le journal n'a pas pu être ouvert",
"Rejeu du journal sur un fichier en lecture seule",
"Le journal est endommagé",
"Un journal est nécessaire sur un fichier en lecture seule",
"Bloc de fichiers non valide",
"Le bloc de fichiers est déjà fermé",
"La base est déjà démarrée",
"La base n'est pas démarrée",
"La base n'a pas pu être arrêtée",
"Trop de blocs de fichiers ouverts",
],
"I": [
"Errore interno: divisione per zero",
"Percorso o percorso di rete non trovato",
"Troppi file aperti",
"Accesso al file negato",
"File non trovato",
"Handle di file non valido",
"Codice di accesso al file non valido",
"Memoria insufficiente per il buffer delle pagine",
"Operazione non riuscita; archivio ripristinato dal registro",
"File indice mancante o danneggiato",
"Lunghezza della scheda troppo piccola",
"Memoria insufficiente per i descrittori dei file",
"Troppe chiavi",
"Chiave troppo lunga",
"Nome di file non valido",
"Il file è di sola lettura",
"Errore di lettura: letti meno byte del richiesto",
"Errore di scrittura: scritti meno byte del richiesto",
"Il file non è aperto",
"Memoria insufficiente per aprire il file",
"Il file è in uso",
"Intestazione dell'indice danneggiata: lunghezza della pagina",
"Intestazione dell'indice danneggiata: lunghezza della chiave",
"Numero di scheda non valido",
"Errore di input/output",
"Impossibile scrivere il file su disco",
"Impossibile chiudere il file",
"Numero di chiave non valido",
"La catena delle schede libere è danneggiata",
"Impossibile rieseguire il file di registro",
"Il file dei dati non corrisponde alla sua descrizione",
"Il numero di chiavi non corrisponde",
"Il file indice non appartiene al file dei dati",
"Chiave non trovata",
"Scheda non trovata",
"La scheda è eliminata",
"Chiave da eliminare non trovata",
"La chiave esiste già",
"Nessun'altra chiave",
"Nessuna posizione di chiave corrente",
"Numero di scheda fuori intervallo",
"Il file è bloccato",
"La scheda è bloccata",
"Impossibile bloccare il file in lettura",
"Impossibile rilasciare il blocco",
"Il file è in uso su un'altra postazione",
"Troppi blocchi",
"Impossibile bloccare il file",
"Impossibile sbloccare il file",
"Errore nella tabella dei file di rete",
"Rete non disponibile",
"Errore di input/output su un file di sola lettura",
"File di sola lettura: modifiche non consentite",
"Copia di salvataggio non trovata",
"Impossibile creare la copia di salvataggio",
"La copia di salvataggio è danneggiata",
"Impossibile ripristinare il file dalla copia di salvataggio",
"Impossibile aprire il file di registro",
"Riesecuzione del registro su un file di sola lettura",
"Il file di registro è danneggiato",
"Serve un file di registro su un file di sola lettura",
"Blocco di archivi non valido",
"Il blocco di archivi è già chiuso",
"L'archivio è già avviato",
"L'archivio non è avviato",
"Impossibile chiudere l'archivio",
"Troppi blocchi di archivi aperti",
],
"S": [
"Error interno: división por cero",
"Ruta o ruta de red no encontrada",
"Demasiados archivos abiertos",
"Acceso al archivo denegado",
"Archivo no encontrado",
"Identificador de archivo no válido",
"Código de acceso al archivo no válido",
"Memoria insuficiente para el búfer de páginas",
"La operación ha fallado; archivo restaurado desde su registro",
"Archivo de índice ausente o dañado",
"Longitud de ficha demasiado pequeña",
"Memoria insuficiente para los descriptores de archivo",
"Demasiadas claves",
"Clave demasiado larga",
"Nombre de archivo no válido",
"El archivo es de solo lectura",
"Error de lectura: se leyeron menos bytes de los pedidos",
"Error de escritura: se escribieron menos bytes de los pedidos",
"El archivo no está abierto",
"Memoria insuficiente para abrir el archivo",
"El archivo está en uso",
"Cabecera del índice dañada: longitud de página",
"Cabecera del índice dañada: longitud de clave",
"Número de ficha no válido",
"Error de entrada/salida",
"No se pudo escribir el archivo en el disco",
"No se pudo cerrar el archivo",
"Número de clave no válido",
"La cadena de fichas libres está dañada",
"No se pudo volver a ejecutar el registro",
"El archivo de datos no corresponde a su descripción",
"El número de claves no corresponde",
"El archivo de índice no pertenece al archivo de datos",
"Clave no encontrada",
"Ficha no encontrada",
"La ficha está borrada",
"No se encontró la clave que se quería borrar",
"La clave ya existe",
"No hay más claves",
"No hay una posición de clave actual",
"Número de ficha fuera de rango",
"El archivo está bloqueado",
"La ficha está bloqueada",
"No se pudo bloquear el archivo para lectura",
"No se pudo liberar el bloqueo",
"El archivo está en uso en otro puesto",
"Demasiados bloqueos",
"No se pudo bloquear el archivo",
"No se pudo desbloquear el archivo",
"Error en la tabla de archivos de red",
"Red no disponible",
"Error de entrada/salida en un archivo de solo lectura",
"Archivo de solo lectura: no se permiten cambios",
"Copia de seguridad no encontrada",
"No se pudo crear la copia de seguridad",
"La copia de seguridad está dañada",
"No se pudo restaurar el archivo desde su copia de seguridad",
"No se pudo abrir el registro",
"Ejecución del registro en un archivo de solo lectura",
"El registro está dañado",
"Se necesita un registro en un archivo de solo lectura",
"Bloque de archivos no válido",
"El bloque de archivos ya está cerrado",
"La base ya está iniciada",
"La base no está iniciada",
"No se pudo cerrar la base",
"Demasiados bloques de archivos abiertos",
],
"P": [
"Erro interno: divisão por zero",
"Caminho ou caminho de rede não encontrado",
"Demasiados ficheiros abertos",
"Acesso ao ficheiro negado",
"Ficheiro não encontrado",
"Identificador de ficheiro inválido",
"Código de acesso ao ficheiro inválido",
"Memória insuficiente para o tampão de páginas",
"A operação falhou; ficheiro restaurado a partir do registo",
"Ficheiro de índice em falta ou danificado",
"Comprimento do registo demasiado pequeno",
"Memória insuficiente para os descritores de ficheiro",
"Demasiadas chaves",
"Chave demasiado longa",
"Nome de ficheiro inválido",
"O ficheiro é só de leitura",
"Erro de leitura: foram lidos menos bytes do que os pedidos",
"Erro de escrita: foram escritos menos bytes do que os pedidos",
"O ficheiro não está aberto",
"Memória insuficiente para abrir o ficheiro",
"O ficheiro está em uso",
"Cabeçalho do índice danificado: comprimento da página",
"Cabeçalho do índice danificado: comprimento da chave",
"Número de registo inválido",
"Erro de entrada/saída",
"Não foi possível gravar o ficheiro no disco",
"Não foi possível fechar o ficheiro",
"Número de chave inválido",
"A cadeia de registos livres está danificada",
"Não foi possível repetir o registo de operações",
"O ficheiro de dados não corresponde à sua descrição",
"O número de chaves não corresponde",
"O ficheiro de índice não pertence ao ficheiro de dados",
"Chave não encontrada",
"Registo não encontrado",
"O registo está apagado",
"A chave a apagar não foi encontrada",
"A chave já existe",
"Não há mais chaves",
"Não há posição de chave atual",
"Número de registo fora do intervalo",
"O ficheiro está bloqueado",
"O registo está bloqueado",
"Não foi possível bloquear o ficheiro para leitura",
"Não foi possível libertar o bloqueio",
"O ficheiro está em uso noutro posto",
"Demasiados bloqueios",
"Não foi possível bloquear o ficheiro",
"Não foi possível desbloquear o ficheiro",
"Erro na tabela de ficheiros de rede",
"Rede indisponível",
"Erro de entrada/saída num ficheiro só de leitura",
"Ficheiro só de leitura: não são permitidas alterações",
"Cópia de segurança não encontrada",
"Não foi possível criar a cópia de segurança",
"A cópia de segurança está danificada",
"Não foi possível restaurar a partir da cópia de segurança",
"Não foi possível abrir o registo de operações",
"Repetição do registo num ficheiro só de leitura",
"O registo de operações está danificado",
"É necessário um registo de operações num ficheiro só de leitura",
"Bloco de ficheiros inválido",
"O bloco de ficheiros já está fechado",
"A base já está iniciada",
"A base não está iniciada",
"Não foi possível terminar a base",
"Demasiados blocos de ficheiros abertos",
],
}
