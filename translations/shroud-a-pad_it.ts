<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Armoured text for mail and paste</source>
        <translation>Testo in armatura da spedire e incollare</translation>
    </message>
    <message>
        <source>Method 02: strong, with a phrase,</source>
        <extracomment>The first of two lines of one sentence; the second names the command that offers the method.</extracomment>
        <translation>Method 02: forte, con una frase,</translation>
    </message>
    <message>
        <source>in Encrypt With Specific Method.</source>
        <extracomment>The second line of the sentence &quot;Method 02: strong, with a phrase,&quot;.</extracomment>
        <translation>in Cifra con un metodo specifico.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version Platform:</source>
        <translation>Piattaforma versione:</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 bit</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>e-mail: %1</translation>
    </message>
    <message>
        <source>world-wide-web: %1</source>
        <translation>sito web: %1</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DisplayDialogs</name>
    <message>
        <source>Size must be between %1 and %2 points.</source>
        <translation>La dimensione deve essere tra %L1 e %L2 punti.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossibile creare il file %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Errore di scrittura del flusso</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere su %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossibile aprire il file %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Text</source>
        <extracomment>The type of plain text files, shown before its pattern &quot;(*.txt)&quot;.</extracomment>
        <translation>Testo</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Cartella non trovata.
Verificare che il nome della cartella sia corretto.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>Impossibile trovare il file della guida%1.</translation>
    </message>
    <message>
        <source>Cannot read the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>Impossibile leggere il file della guida%1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Azioni</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>Co&amp;difica</translation>
    </message>
    <message>
        <source>&amp;Line Breaks</source>
        <translation>&amp;Fine riga</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Apri file...</translation>
    </message>
    <message>
        <source>&amp;Save File As...</source>
        <translation>&amp;Salva file con nome...</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Cifra</translation>
    </message>
    <message>
        <source>Encrypt With Specific &amp;Method...</source>
        <translation>Cifra con un &amp;metodo specifico...</translation>
    </message>
    <message>
        <source>Clear-Si&amp;gn</source>
        <translation>&amp;Firma in chiaro</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Decifra</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Taglia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>&amp;Seleziona tutto</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Carattere...</translation>
    </message>
    <message>
        <source>&amp;Text Color...</source>
        <translation>Colore del &amp;testo...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>Colore di &amp;sfondo...</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>A capo automatico</translation>
    </message>
    <message>
        <source>&amp;Windows-1252</source>
        <translation>&amp;Windows-1252</translation>
    </message>
    <message>
        <source>&amp;UTF-8</source>
        <translation>&amp;UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 with Byte-Order &amp;Mark</source>
        <translation>UTF-8 con &amp;BOM</translation>
    </message>
    <message>
        <source>&amp;CR LF (Windows)</source>
        <translation>&amp;CR LF (Windows)</translation>
    </message>
    <message>
        <source>&amp;LF (Linux)</source>
        <translation>&amp;LF (Linux)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Cerca nella guida...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>Come usare la &amp;guida</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifra</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Decifra</translation>
    </message>
    <message>
        <source>Text editor</source>
        <translation>Editor di testo</translation>
    </message>
    <message>
        <source>Clear text for new document?</source>
        <translation>Cancellare il testo per un nuovo documento?</translation>
    </message>
    <message>
        <source>No action can be undone at this time.</source>
        <translation>Nessuna azione da annullare al momento.</translation>
    </message>
    <message>
        <source>You must select some text to cut to the clipboard.</source>
        <translation>Selezionare il testo da tagliare negli appunti.</translation>
    </message>
    <message>
        <source>You must select some text to copy to the clipboard.</source>
        <translation>Selezionare il testo da copiare negli appunti.</translation>
    </message>
    <message>
        <source>The clipboard contains no text that can be pasted.</source>
        <translation>Gli appunti non contengono testo da incollare.</translation>
    </message>
    <message>
        <source>You must select some text to delete.</source>
        <translation>Selezionare il testo da eliminare.</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Il testo supera la capacità dell&apos;editor</translation>
    </message>
    <message>
        <source>The text ends at a zero byte in the file.  The 1 byte after it was not loaded.</source>
        <translation>Il testo termina a un byte zero nel file.  Il byte successivo non è stato caricato.</translation>
    </message>
    <message numerus="yes">
        <source>The text ends at a zero byte in the file.  The %n bytes after it were not loaded.</source>
        <translation>
            <numerusform>Il testo termina a un byte zero nel file.  Il %Ln byte successivo non è stato caricato.</numerusform>
            <numerusform>Il testo termina a un byte zero nel file.  I %Ln byte successivi non sono stati caricati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace existing text with the contents of the selected file?</source>
        <translation>Sostituire il testo attuale con il contenuto del file selezionato?</translation>
    </message>
    <message>
        <source>There is no text that can be saved.</source>
        <translation>Non c&apos;è testo da salvare.</translation>
    </message>
    <message>
        <source>The text holds &quot;%1&quot; (%2), which Windows-1252 cannot hold.</source>
        <translation>Il testo contiene «%1» (%2), che Windows-1252 non può rappresentare.</translation>
    </message>
    <message>
        <source>The following file does not exist.</source>
        <translation>Il file seguente non esiste.</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Riprova</translation>
    </message>
</context>
<context>
    <name>MethodDialog</name>
    <message>
        <source>Encoding Method</source>
        <translation>Metodo di codifica</translation>
    </message>
    <message>
        <source>You must choose an encoding method.</source>
        <translation>Scegliere un metodo di codifica.</translation>
    </message>
</context>
<context>
    <name>OpenPgpModule</name>
    <message>
        <source>GnuPG cannot be reached: the program&apos;s OpenPGP module could not be loaded (%1).</source>
        <translation>GnuPG non è raggiungibile: impossibile caricare il modulo OpenPGP del programma (%1).</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Password Protection</source>
        <translation>Protezione con password</translation>
    </message>
    <message>
        <source>This phrase can hold only the characters of Windows-1252 (Western European letters, digits and signs).  The character typed was left out.</source>
        <translation>Questa frase può contenere solo i caratteri di Windows-1252 (lettere dell&apos;Europa occidentale, cifre e segni).  Il carattere digitato è stato omesso.</translation>
    </message>
</context>
<context>
    <name>RecipientsDialog</name>
    <message>
        <source>Validity: ultimate</source>
        <translation>Validità: assoluta</translation>
    </message>
    <message>
        <source>Validity: full</source>
        <translation>Validità: piena</translation>
    </message>
    <message>
        <source>Validity: marginal (the name is not proven)</source>
        <translation>Validità: marginale (il nome non è verificato)</translation>
    </message>
    <message>
        <source>Validity: never (the keyring&apos;s trust denies the name)</source>
        <translation>Validità: mai (la fiducia del portachiavi nega il nome)</translation>
    </message>
    <message>
        <source>Validity: undefined (the name is not proven)</source>
        <translation>Validità: non definita (il nome non è verificato)</translation>
    </message>
    <message>
        <source>Validity: unknown (the name is not proven)</source>
        <translation>Validità: sconosciuta (il nome non è verificato)</translation>
    </message>
    <message>
        <source>OpenPGP Recipients</source>
        <translation>Destinatari OpenPGP</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Name, e-mail address or fingerprint</source>
        <translation>Nome, indirizzo e-mail o impronta digitale</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Shows only the keys that match</source>
        <translation>Mostra solo le chiavi corrispondenti</translation>
    </message>
    <message>
        <source>&amp;Keys to encrypt to:</source>
        <translation>&amp;Chiavi a cui cifrare:</translation>
    </message>
    <message>
        <source>Keys to encrypt to</source>
        <translation>Chiavi a cui cifrare</translation>
    </message>
    <message>
        <source>Space checks or clears the key</source>
        <translation>La barra spaziatrice seleziona o deseleziona la chiave</translation>
    </message>
    <message>
        <source>Also to my own key</source>
        <translation>Anche alla mia chiave</translation>
    </message>
    <message>
        <source>%1, fingerprint %2</source>
        <translation>%1, impronta digitale %2</translation>
    </message>
    <message>
        <source>Sign with my own key</source>
        <translation>Firma con la mia chiave</translation>
    </message>
    <message>
        <source>The keyring holds no key that can encrypt.  The text will be protected by a phrase.</source>
        <translation>Il portachiavi non contiene chiavi per cifrare.  Il testo sarà protetto da una frase.</translation>
    </message>
    <message>
        <source>No key chosen: the text will be protected by a phrase.</source>
        <translation>Nessuna chiave scelta: il testo sarà protetto da una frase.</translation>
    </message>
    <message>
        <source>1 key chosen.</source>
        <translation>1 chiave scelta.</translation>
    </message>
    <message numerus="yes">
        <source>%n keys chosen.</source>
        <extracomment>Two keys or more; one key has a text of its own.</extracomment>
        <translation>
            <numerusform>%n chiave scelta.</numerusform>
            <numerusform>%n chiavi scelte.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%Ln byte</numerusform>
            <numerusform>%Ln byte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected</source>
        <translation>%1, selezione: %2</translation>
    </message>
    <message>
        <source>Encrypted Text</source>
        <translation>Testo cifrato</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Testo normale</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Requires version 1.0 or higher to decrypt.</source>
        <translation>Richiede la versione 1.0 o successiva per decifrare.</translation>
    </message>
    <message>
        <source>Requires version 1.1 or higher to decrypt.</source>
        <translation>Richiede la versione 1.1 o successiva per decifrare.</translation>
    </message>
    <message>
        <source>There is no text to encrypt.</source>
        <translation>Non c&apos;è testo da cifrare.</translation>
    </message>
    <message>
        <source>There is no text to sign.</source>
        <translation>Non c&apos;è testo da firmare.</translation>
    </message>
    <message>
        <source>The amount of text to encrypt cannot exceed %1 bytes.</source>
        <translation>La quantità di testo da cifrare non può superare %L1 byte.</translation>
    </message>
    <message>
        <source>This text is already encrypted.  Are you sure you want to encrypt it again?</source>
        <translation>Questo testo è già cifrato.  Cifrarlo di nuovo?</translation>
    </message>
    <message>
        <source>The phrases entered do not match.</source>
        <translation>Le frasi immesse non corrispondono.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (if desired):</source>
        <translation>Immettere una frase per la protezione con password (facoltativa):</translation>
    </message>
    <message>
        <source>Re-enter phrase to confirm:</source>
        <translation>Immettere di nuovo la frase per conferma:</translation>
    </message>
    <message>
        <source>There is no text to decrypt.</source>
        <translation>Non c&apos;è testo da decifrare.</translation>
    </message>
    <message>
        <source>The header and footer lines are not present.  This text does not appear to be encrypted.</source>
        <translation>Mancano le righe di intestazione e di chiusura.  Questo testo non sembra cifrato.</translation>
    </message>
    <message>
        <source>The encrypted text has been changed, and its changes cannot be undone.  Unable to decrypt this text.</source>
        <translation>Il testo cifrato è stato modificato e le modifiche non si possono annullare.  Impossibile decifrare questo testo.</translation>
    </message>
    <message>
        <source>The header line is not valid.  Unable to decrypt this text.</source>
        <translation>La riga di intestazione non è valida.  Impossibile decifrare questo testo.</translation>
    </message>
    <message>
        <source>This text is password-protected.  Enter phrase:</source>
        <translation>Questo testo è protetto da password.  Immettere la frase:</translation>
    </message>
    <message>
        <source>The phrase given does not match the phrase used to password-protect the text.</source>
        <translation>La frase immessa non corrisponde a quella usata per proteggere il testo con password.</translation>
    </message>
    <message>
        <source>The encrypted text has terminated unexpectedly.  The decrypted text is incomplete and possibly contains errors.</source>
        <translation>Il testo cifrato termina in modo imprevisto.  Il testo decifrato è incompleto e potrebbe contenere errori.</translation>
    </message>
    <message>
        <source>CRC information was not present in the encrypted text.  Unable to verify that the encrypted text was error-free.</source>
        <translation>Il testo cifrato non contiene le informazioni CRC.  Impossibile verificare che il testo cifrato sia privo di errori.</translation>
    </message>
    <message>
        <source>CRC error.  Errors were present in the encrypted text.</source>
        <translation>Errore CRC.  Il testo cifrato conteneva errori.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged.  Unable to decrypt this text.</source>
        <translation>Il testo cifrato è danneggiato.  Impossibile decifrare questo testo.</translation>
    </message>
    <message>
        <source>The encrypted text is too long for its checksum.  Unable to decrypt this text.</source>
        <translation>Il testo cifrato è troppo lungo per la sua somma di controllo.  Impossibile decifrare questo testo.</translation>
    </message>
    <message>
        <source>Cannot handle the encryption method used to encrypt this text.  Try using Shroud-a-Pad %1.</source>
        <translation>Impossibile gestire il metodo con cui è stato cifrato questo testo.  Provare con Shroud-a-Pad %1.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (1 to %1 characters):</source>
        <translation>Immettere una frase per la protezione con password (da 1 a %L1 caratteri):</translation>
    </message>
    <message>
        <source>Method 02 needs a phrase.  Enter a phrase of 1 to %1 characters.</source>
        <translation>Method 02 richiede una frase.  Immettere una frase da 1 a %L1 caratteri.</translation>
    </message>
    <message>
        <source>Strong protection.  Requires version 2.00 or higher to decrypt.</source>
        <translation>Protezione forte.  Richiede la versione 2.00 o successiva per decifrare.</translation>
    </message>
    <message>
        <source>The OpenPGP message is damaged or was changed: its checksum or integrity check failed.</source>
        <translation>Il messaggio OpenPGP è danneggiato o è stato modificato: la verifica della somma di controllo o dell&apos;integrità non è riuscita.</translation>
    </message>
    <message>
        <source>The OpenPGP message has no integrity check, so a change made to it on the way could not be noticed: it is not read.</source>
        <translation>Il messaggio OpenPGP non ha un controllo di integrità, quindi una modifica subita durante il tragitto non sarebbe rilevabile: non viene letto.</translation>
    </message>
    <message>
        <source>a hidden recipient</source>
        <translation>un destinatario nascosto</translation>
    </message>
    <message>
        <source>Decryption was cancelled.</source>
        <translation>Decifratura annullata.</translation>
    </message>
    <message>
        <source>The passphrase is not correct.</source>
        <translation>La passphrase non è corretta.</translation>
    </message>
    <message>
        <source>GnuPG cannot be used on this computer.</source>
        <translation>Impossibile usare GnuPG su questo computer.</translation>
    </message>
    <message>
        <source>No recipient was given.</source>
        <translation>Nessun destinatario indicato.</translation>
    </message>
    <message>
        <source>Enter the phrase of the message.</source>
        <translation>Immettere la frase del messaggio.</translation>
    </message>
    <message>
        <source>Enter a phrase to protect the OpenPGP message:</source>
        <translation>Immettere una frase per proteggere il messaggio OpenPGP:</translation>
    </message>
    <message>
        <source>An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase.</source>
        <translation>Un messaggio OpenPGP protetto da una frase richiede una frase.  Immettere una frase.</translation>
    </message>
    <message>
        <source>OpenPGP was not added to the methods.</source>
        <translation>OpenPGP non è stato aggiunto ai metodi.</translation>
    </message>
    <message>
        <source>For people who use OpenPGP: to their keys or a phrase.</source>
        <translation>Per chi usa OpenPGP: con le proprie chiavi o una frase.</translation>
    </message>
    <message>
        <source>The OpenPGP message is cut short: its end line &quot;-----END PGP MESSAGE-----&quot; is missing.  Unable to decrypt this text.</source>
        <translation>Il messaggio OpenPGP è troncato: manca la riga finale «-----END PGP MESSAGE-----».  Impossibile decifrare questo testo.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is cut short: its signature&apos;s end line &quot;-----END PGP SIGNATURE-----&quot; is missing.  Unable to check this text.</source>
        <translation>Il testo firmato OpenPGP è troncato: manca la riga finale della firma «-----END PGP SIGNATURE-----».  Impossibile verificare questo testo.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP signature of another file (a detached signature), not an encrypted message.</source>
        <translation>Questo testo è una firma OpenPGP di un altro file (una firma separata), non un messaggio cifrato.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP public key, not an encrypted message.</source>
        <translation>Questo testo è una chiave pubblica OpenPGP, non un messaggio cifrato.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP secret key, not an encrypted message.</source>
        <translation>Questo testo è una chiave segreta OpenPGP, non un messaggio cifrato.</translation>
    </message>
    <message>
        <source>This is an encrypted OpenPGP message in binary form (a .gpg file), not text.  Ask for it as armoured text (as &quot;gpg --armor&quot; writes it) to decrypt it.</source>
        <translation>Questo è un messaggio OpenPGP cifrato in forma binaria (un file .gpg), non testo.  Per decifrarlo, richiederlo come testo in armatura ASCII (come lo scrive «gpg --armor»).</translation>
    </message>
    <message>
        <source>This is an OpenPGP message in binary form (a .gpg file), signed or compressed but not encrypted.</source>
        <translation>Questo è un messaggio OpenPGP in forma binaria (un file .gpg), firmato o compresso ma non cifrato.</translation>
    </message>
    <message>
        <source>This is an OpenPGP signature in binary form (a .sig or .gpg file), not an encrypted message.</source>
        <translation>Questa è una firma OpenPGP in forma binaria (un file .sig o .gpg), non un messaggio cifrato.</translation>
    </message>
    <message>
        <source>This is an OpenPGP public key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Questa è una chiave pubblica OpenPGP in forma binaria (un file .gpg), non un messaggio cifrato.</translation>
    </message>
    <message>
        <source>This is an OpenPGP secret key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Questa è una chiave segreta OpenPGP in forma binaria (un file .gpg), non un messaggio cifrato.</translation>
    </message>
    <message>
        <source>the key is only marginally certified by keys you trust</source>
        <translation>la chiave è certificata solo marginalmente da chiavi fidate</translation>
    </message>
    <message>
        <source>the key is not certified by a key you trust</source>
        <translation>la chiave non è certificata da una chiave fidata</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is damaged: GnuPG could not read its signature.</source>
        <translation>Il testo firmato OpenPGP è danneggiato: GnuPG non ha potuto leggerne la firma.</translation>
    </message>
    <message>
        <source>The signed text is left as it stands.</source>
        <translation>Il testo firmato resta invariato.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is longer than the most this program takes.</source>
        <translation>Il testo firmato OpenPGP supera la lunghezza massima accettata da questo programma.</translation>
    </message>
    <message>
        <source>it has been revoked by its owner</source>
        <translation>è stata revocata dal proprietario</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>è scaduta</translation>
    </message>
    <message>
        <source>it has no subkey that can sign</source>
        <translation>non ha sottochiavi che possano firmare</translation>
    </message>
    <message>
        <source>The keyring holds no secret key to sign with.</source>
        <translation>Il portachiavi non contiene chiavi segrete con cui firmare.</translation>
    </message>
    <message>
        <source>Signing was cancelled.</source>
        <translation>Firma annullata.</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (impronta digitale %2)</translation>
    </message>
    <message>
        <source>the key %1</source>
        <translation>la chiave %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%L1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%L1 byte</translation>
    </message>
    <message>
        <source>The OpenPGP message&apos;s text is too large: it is longer than %1, the most this program takes.  Unable to decrypt this text.</source>
        <translation>Il testo del messaggio OpenPGP è troppo grande: supera %1, il massimo accettato da questo programma.  Impossibile decifrare questo testo.</translation>
    </message>
    <message>
        <source>No secret key for this message is in the keyring.  It was encrypted to: %1.</source>
        <translation>Il portachiavi non contiene chiavi segrete per questo messaggio.  Era cifrato per: %1.</translation>
    </message>
    <message>
        <source>GnuPG could not decrypt the message: %1</source>
        <translation>GnuPG non ha potuto decifrare il messaggio: %1</translation>
    </message>
    <message>
        <source>GnuPG could not encrypt the text: %1</source>
        <translation>GnuPG non ha potuto cifrare il testo: %1</translation>
    </message>
    <message>
        <source>GnuPG could not sign the text: %1</source>
        <translation>GnuPG non ha potuto firmare il testo: %1</translation>
    </message>
    <message>
        <source>No usable key for the recipient &quot;%1&quot; is in the keyring.</source>
        <translation>Il portachiavi non contiene chiavi utilizzabili per il destinatario «%1».</translation>
    </message>
    <message>
        <source>The recipient &quot;%1&quot; names more than one key; give its fingerprint.</source>
        <translation>Il destinatario «%1» indica più di una chiave; indicarne l&apos;impronta digitale.</translation>
    </message>
    <message>
        <source>The key %1 cannot be encrypted to.</source>
        <translation>Impossibile cifrare per la chiave %1.</translation>
    </message>
    <message>
        <source>Enter the passphrase of the key %1 (%2).</source>
        <translation>Immettere la passphrase della chiave %1 (%2).</translation>
    </message>
    <message>
        <source>The key %1 cannot sign: %2.</source>
        <translation>La chiave %1 non può firmare: %2.</translation>
    </message>
    <message>
        <source>The key %1 cannot sign.</source>
        <translation>La chiave %1 non può firmare.</translation>
    </message>
    <message>
        <source>Expired signature from %1: it expired on %2 and no longer vouches for the message.</source>
        <translation>Firma scaduta: %1.  È scaduta il %2 e non garantisce più il messaggio.</translation>
    </message>
    <message>
        <source>Signature from %1, whose key has been revoked by its owner: the signature could be forged.</source>
        <translation>Firma con una chiave revocata dal proprietario: %1.  La firma potrebbe essere contraffatta.</translation>
    </message>
    <message>
        <source>Signature by a key named %1, which the keyring&apos;s trust says is not that person&apos;s: the signature is probably forged.</source>
        <translation>Firma di una chiave che, per la fiducia del portachiavi, non è della persona di cui porta il nome: %1.  La firma è probabilmente contraffatta.</translation>
    </message>
    <message>
        <source>Good signature from %1.  Note: the key has expired.</source>
        <translation>Firma valida: %1.  Nota: la chiave è scaduta.</translation>
    </message>
    <message>
        <source>Good signature from %1.</source>
        <translation>Firma valida: %1.</translation>
    </message>
    <message>
        <source>Signature by a key named %1: the message is as that key signed it, but %2, so the key may not belong to the person its user ID names.</source>
        <translation>Firma di una chiave: %1.  Il messaggio è come la chiave lo ha firmato, ma %2, quindi la chiave potrebbe non appartenere alla persona indicata dal suo ID utente.</translation>
    </message>
    <message>
        <source>BAD signature: the message was signed by %1 but changed after signing.</source>
        <translation>Firma NON VALIDA: %1.  Il messaggio è stato modificato dopo la firma.</translation>
    </message>
    <message>
        <source>Signed by a key that is not in the keyring (%1).</source>
        <translation>Firmato da una chiave assente dal portachiavi (%1).</translation>
    </message>
    <message>
        <source>A signature by %1 could not be checked: %2.</source>
        <translation>Impossibile verificare una firma apposta con %1: %2.</translation>
    </message>
</context>
<context>
    <name>platform::HelpViewer</name>
    <message>
        <source>Shroud-a-Pad Help</source>
        <translation>Guida di Shroud-a-Pad</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Digitare una parola chiave</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>In&amp;dietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>S&amp;ommario</translation>
    </message>
    <message>
        <source>The topic %1 is not in this help file.</source>
        <translation>L&apos;argomento %1 non è in questo file della guida.</translation>
    </message>
</context>
</TS>
