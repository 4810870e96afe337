<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Armoured text for mail and paste</source>
        <translation>Texto blindado para correo y portapapeles</translation>
    </message>
    <message>
        <source>Method 02: strong, with a phrase,</source>
        <extracomment>The first of two lines of one sentence; the second names the command that offers the method.</extracomment>
        <translation>Method 02: fuerte, con una frase,</translation>
    </message>
    <message>
        <source>in Encrypt With Specific Method.</source>
        <extracomment>The second line of the sentence &quot;Method 02: strong, with a phrase,&quot;.</extracomment>
        <translation>en Cifrar con método específico.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Version Platform:</source>
        <translation>Plataforma de la versión:</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 bits</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>correo electrónico: %1</translation>
    </message>
    <message>
        <source>world-wide-web: %1</source>
        <translation>web: %1</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>DisplayDialogs</name>
    <message>
        <source>Size must be between %1 and %2 points.</source>
        <translation>El tamaño debe estar entre %L1 y %L2 puntos.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Error de escritura en el flujo</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Text</source>
        <extracomment>The type of plain text files, shown before its pattern &quot;(*.txt)&quot;.</extracomment>
        <translation>Texto</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
No se encuentra la carpeta.
Compruebe que el nombre de la carpeta es correcto.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>No se encuentra el archivo de ayuda%1.</translation>
    </message>
    <message>
        <source>Cannot read the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>No se puede leer el archivo de ayuda%1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Acción</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Codificación</translation>
    </message>
    <message>
        <source>&amp;Line Breaks</source>
        <translation>&amp;Saltos de línea</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Abrir archivo...</translation>
    </message>
    <message>
        <source>&amp;Save File As...</source>
        <translation>&amp;Guardar archivo como...</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Cifrar</translation>
    </message>
    <message>
        <source>Encrypt With Specific &amp;Method...</source>
        <translation>Cifrar con &amp;método específico...</translation>
    </message>
    <message>
        <source>Clear-Si&amp;gn</source>
        <translation>&amp;Firmar en claro</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Descifrar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>Seleccionar t&amp;odo</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fuente...</translation>
    </message>
    <message>
        <source>&amp;Text Color...</source>
        <translation>Color del &amp;texto...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>Color de fo&amp;ndo...</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Ajuste de línea</translation>
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
        <translation>UTF-8 con &amp;marca de orden de bytes</translation>
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
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Buscar ayuda sobre...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>&amp;Uso de la Ayuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Cifrar</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Descifrar</translation>
    </message>
    <message>
        <source>Text editor</source>
        <translation>Editor de texto</translation>
    </message>
    <message>
        <source>Clear text for new document?</source>
        <translation>¿Borrar el texto para un documento nuevo?</translation>
    </message>
    <message>
        <source>No action can be undone at this time.</source>
        <translation>No hay ninguna acción que deshacer en este momento.</translation>
    </message>
    <message>
        <source>You must select some text to cut to the clipboard.</source>
        <translation>Debe seleccionar texto para cortarlo al portapapeles.</translation>
    </message>
    <message>
        <source>You must select some text to copy to the clipboard.</source>
        <translation>Debe seleccionar texto para copiarlo al portapapeles.</translation>
    </message>
    <message>
        <source>The clipboard contains no text that can be pasted.</source>
        <translation>El portapapeles no contiene texto que se pueda pegar.</translation>
    </message>
    <message>
        <source>You must select some text to delete.</source>
        <translation>Debe seleccionar el texto que desea eliminar.</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>El texto supera la capacidad del editor</translation>
    </message>
    <message>
        <source>The text ends at a zero byte in the file.  The 1 byte after it was not loaded.</source>
        <translation>El texto termina en un byte cero del archivo.  No se cargó el byte que le sigue.</translation>
    </message>
    <message numerus="yes">
        <source>The text ends at a zero byte in the file.  The %n bytes after it were not loaded.</source>
        <translation>
            <numerusform>El texto termina en un byte cero del archivo.  No se cargó el %Ln byte que le sigue.</numerusform>
            <numerusform>El texto termina en un byte cero del archivo.  No se cargaron los %Ln bytes que le siguen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace existing text with the contents of the selected file?</source>
        <translation>¿Reemplazar el texto actual por el contenido del archivo seleccionado?</translation>
    </message>
    <message>
        <source>There is no text that can be saved.</source>
        <translation>No hay texto que se pueda guardar.</translation>
    </message>
    <message>
        <source>The text holds &quot;%1&quot; (%2), which Windows-1252 cannot hold.</source>
        <translation>El texto contiene «%1» (%2), que Windows-1252 no puede representar.</translation>
    </message>
    <message>
        <source>The following file does not exist.</source>
        <translation>El siguiente archivo no existe.</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
</context>
<context>
    <name>MethodDialog</name>
    <message>
        <source>Encoding Method</source>
        <translation>Método de cifrado</translation>
    </message>
    <message>
        <source>You must choose an encoding method.</source>
        <translation>Debe elegir un método de cifrado.</translation>
    </message>
</context>
<context>
    <name>OpenPgpModule</name>
    <message>
        <source>GnuPG cannot be reached: the program&apos;s OpenPGP module could not be loaded (%1).</source>
        <translation>No se puede acceder a GnuPG: no se pudo cargar el módulo OpenPGP del programa (%1).</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Password Protection</source>
        <translation>Protección con contraseña</translation>
    </message>
    <message>
        <source>This phrase can hold only the characters of Windows-1252 (Western European letters, digits and signs).  The character typed was left out.</source>
        <translation>Esta frase solo admite los caracteres de Windows-1252 (letras de Europa occidental, cifras y signos).  El carácter escrito se ha omitido.</translation>
    </message>
</context>
<context>
    <name>RecipientsDialog</name>
    <message>
        <source>Validity: ultimate</source>
        <translation>Validez: absoluta</translation>
    </message>
    <message>
        <source>Validity: full</source>
        <translation>Validez: total</translation>
    </message>
    <message>
        <source>Validity: marginal (the name is not proven)</source>
        <translation>Validez: marginal (el nombre no está verificado)</translation>
    </message>
    <message>
        <source>Validity: never (the keyring&apos;s trust denies the name)</source>
        <translation>Validez: nunca (la confianza del anillo de claves niega el nombre)</translation>
    </message>
    <message>
        <source>Validity: undefined (the name is not proven)</source>
        <translation>Validez: indefinida (el nombre no está verificado)</translation>
    </message>
    <message>
        <source>Validity: unknown (the name is not proven)</source>
        <translation>Validez: desconocida (el nombre no está verificado)</translation>
    </message>
    <message>
        <source>OpenPGP Recipients</source>
        <translation>Destinatarios OpenPGP</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>Name, e-mail address or fingerprint</source>
        <translation>Nombre, correo electrónico o huella digital</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Shows only the keys that match</source>
        <translation>Muestra solo las claves que coinciden</translation>
    </message>
    <message>
        <source>&amp;Keys to encrypt to:</source>
        <translation>&amp;Claves para cifrar:</translation>
    </message>
    <message>
        <source>Keys to encrypt to</source>
        <translation>Claves para cifrar</translation>
    </message>
    <message>
        <source>Space checks or clears the key</source>
        <translation>Espacio marca o desmarca la clave</translation>
    </message>
    <message>
        <source>Also to my own key</source>
        <translation>También para mi propia clave</translation>
    </message>
    <message>
        <source>%1, fingerprint %2</source>
        <translation>%1, huella digital %2</translation>
    </message>
    <message>
        <source>Sign with my own key</source>
        <translation>Firmar con mi propia clave</translation>
    </message>
    <message>
        <source>The keyring holds no key that can encrypt.  The text will be protected by a phrase.</source>
        <translation>El anillo de claves no contiene ninguna clave que pueda cifrar.  El texto se protegerá con una frase.</translation>
    </message>
    <message>
        <source>No key chosen: the text will be protected by a phrase.</source>
        <translation>Ninguna clave elegida: el texto se protegerá con una frase.</translation>
    </message>
    <message>
        <source>1 key chosen.</source>
        <translation>1 clave elegida.</translation>
    </message>
    <message numerus="yes">
        <source>%n keys chosen.</source>
        <extracomment>Two keys or more; one key has a text of its own.</extracomment>
        <translation>
            <numerusform>%Ln clave elegida.</numerusform>
            <numerusform>%Ln claves elegidas.</numerusform>
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
            <numerusform>%Ln bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected</source>
        <translation>%1, selección: %2</translation>
    </message>
    <message>
        <source>Encrypted Text</source>
        <translation>Texto cifrado</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Texto normal</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Requires version 1.0 or higher to decrypt.</source>
        <translation>Requiere la versión 1.0 o superior para descifrar.</translation>
    </message>
    <message>
        <source>Requires version 1.1 or higher to decrypt.</source>
        <translation>Requiere la versión 1.1 o superior para descifrar.</translation>
    </message>
    <message>
        <source>There is no text to encrypt.</source>
        <translation>No hay texto que cifrar.</translation>
    </message>
    <message>
        <source>There is no text to sign.</source>
        <translation>No hay texto que firmar.</translation>
    </message>
    <message>
        <source>The amount of text to encrypt cannot exceed %1 bytes.</source>
        <translation>El texto que cifrar no puede superar los %L1 bytes.</translation>
    </message>
    <message>
        <source>This text is already encrypted.  Are you sure you want to encrypt it again?</source>
        <translation>Este texto ya está cifrado.  ¿Seguro que desea volver a cifrarlo?</translation>
    </message>
    <message>
        <source>The phrases entered do not match.</source>
        <translation>Las frases introducidas no coinciden.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (if desired):</source>
        <translation>Introduzca una frase para proteger con contraseña (si lo desea):</translation>
    </message>
    <message>
        <source>Re-enter phrase to confirm:</source>
        <translation>Vuelva a introducir la frase para confirmar:</translation>
    </message>
    <message>
        <source>There is no text to decrypt.</source>
        <translation>No hay texto que descifrar.</translation>
    </message>
    <message>
        <source>The header and footer lines are not present.  This text does not appear to be encrypted.</source>
        <translation>Faltan las líneas de cabecera y de pie.  Este texto no parece estar cifrado.</translation>
    </message>
    <message>
        <source>The encrypted text has been changed, and its changes cannot be undone.  Unable to decrypt this text.</source>
        <translation>El texto cifrado se ha modificado y sus cambios no se pueden deshacer.  No se puede descifrar este texto.</translation>
    </message>
    <message>
        <source>The header line is not valid.  Unable to decrypt this text.</source>
        <translation>La línea de cabecera no es válida.  No se puede descifrar este texto.</translation>
    </message>
    <message>
        <source>This text is password-protected.  Enter phrase:</source>
        <translation>Este texto está protegido con contraseña.  Introduzca la frase:</translation>
    </message>
    <message>
        <source>The phrase given does not match the phrase used to password-protect the text.</source>
        <translation>La frase introducida no coincide con la usada para proteger el texto con contraseña.</translation>
    </message>
    <message>
        <source>The encrypted text has terminated unexpectedly.  The decrypted text is incomplete and possibly contains errors.</source>
        <translation>El texto cifrado termina de forma inesperada.  El texto descifrado está incompleto y puede contener errores.</translation>
    </message>
    <message>
        <source>CRC information was not present in the encrypted text.  Unable to verify that the encrypted text was error-free.</source>
        <translation>El texto cifrado no contiene información CRC.  No se puede comprobar que el texto cifrado esté libre de errores.</translation>
    </message>
    <message>
        <source>CRC error.  Errors were present in the encrypted text.</source>
        <translation>Error de CRC.  El texto cifrado contenía errores.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged.  Unable to decrypt this text.</source>
        <translation>El texto cifrado está dañado.  No se puede descifrar este texto.</translation>
    </message>
    <message>
        <source>The encrypted text is too long for its checksum.  Unable to decrypt this text.</source>
        <translation>El texto cifrado es demasiado largo para su suma de comprobación.  No se puede descifrar este texto.</translation>
    </message>
    <message>
        <source>Cannot handle the encryption method used to encrypt this text.  Try using Shroud-a-Pad %1.</source>
        <translation>No se admite el método con el que se cifró este texto.  Pruebe con Shroud-a-Pad %1.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (1 to %1 characters):</source>
        <translation>Introduzca una frase para proteger con contraseña (de 1 a %L1 caracteres):</translation>
    </message>
    <message>
        <source>Method 02 needs a phrase.  Enter a phrase of 1 to %1 characters.</source>
        <translation>Method 02 necesita una frase.  Introduzca una frase de 1 a %L1 caracteres.</translation>
    </message>
    <message>
        <source>Strong protection.  Requires version 2.00 or higher to decrypt.</source>
        <translation>Protección fuerte.  Requiere la versión 2.00 o superior para descifrar.</translation>
    </message>
    <message>
        <source>The OpenPGP message is damaged or was changed: its checksum or integrity check failed.</source>
        <translation>El mensaje OpenPGP está dañado o se modificó: falló su suma de comprobación o su comprobación de integridad.</translation>
    </message>
    <message>
        <source>The OpenPGP message has no integrity check, so a change made to it on the way could not be noticed: it is not read.</source>
        <translation>El mensaje OpenPGP no tiene comprobación de integridad, así que un cambio hecho por el camino pasaría inadvertido: no se lee.</translation>
    </message>
    <message>
        <source>a hidden recipient</source>
        <translation>un destinatario oculto</translation>
    </message>
    <message>
        <source>Decryption was cancelled.</source>
        <translation>Se canceló el descifrado.</translation>
    </message>
    <message>
        <source>The passphrase is not correct.</source>
        <translation>La frase de contraseña no es correcta.</translation>
    </message>
    <message>
        <source>GnuPG cannot be used on this computer.</source>
        <translation>GnuPG no se puede usar en este equipo.</translation>
    </message>
    <message>
        <source>No recipient was given.</source>
        <translation>No se indicó ningún destinatario.</translation>
    </message>
    <message>
        <source>Enter the phrase of the message.</source>
        <translation>Introduzca la frase del mensaje.</translation>
    </message>
    <message>
        <source>Enter a phrase to protect the OpenPGP message:</source>
        <translation>Introduzca una frase para proteger el mensaje OpenPGP:</translation>
    </message>
    <message>
        <source>An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase.</source>
        <translation>Un mensaje OpenPGP protegido por una frase necesita una frase.  Introduzca una frase.</translation>
    </message>
    <message>
        <source>OpenPGP was not added to the methods.</source>
        <translation>OpenPGP no se añadió a los métodos.</translation>
    </message>
    <message>
        <source>For people who use OpenPGP: to their keys or a phrase.</source>
        <translation>Para quienes usan OpenPGP: para sus claves o con una frase.</translation>
    </message>
    <message>
        <source>The OpenPGP message is cut short: its end line &quot;-----END PGP MESSAGE-----&quot; is missing.  Unable to decrypt this text.</source>
        <translation>El mensaje OpenPGP está cortado: falta su línea final «-----END PGP MESSAGE-----».  No se puede descifrar este texto.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is cut short: its signature&apos;s end line &quot;-----END PGP SIGNATURE-----&quot; is missing.  Unable to check this text.</source>
        <translation>El texto firmado con OpenPGP está cortado: falta la línea final de su firma «-----END PGP SIGNATURE-----».  No se puede comprobar este texto.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP signature of another file (a detached signature), not an encrypted message.</source>
        <translation>Este texto es una firma OpenPGP de otro archivo (una firma separada), no un mensaje cifrado.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP public key, not an encrypted message.</source>
        <translation>Este texto es una clave pública OpenPGP, no un mensaje cifrado.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP secret key, not an encrypted message.</source>
        <translation>Este texto es una clave secreta OpenPGP, no un mensaje cifrado.</translation>
    </message>
    <message>
        <source>This is an encrypted OpenPGP message in binary form (a .gpg file), not text.  Ask for it as armoured text (as &quot;gpg --armor&quot; writes it) to decrypt it.</source>
        <translation>Esto es un mensaje OpenPGP cifrado en forma binaria (un archivo .gpg), no texto.  Pídalo como texto blindado (como lo escribe «gpg --armor») para descifrarlo.</translation>
    </message>
    <message>
        <source>This is an OpenPGP message in binary form (a .gpg file), signed or compressed but not encrypted.</source>
        <translation>Esto es un mensaje OpenPGP en forma binaria (un archivo .gpg), firmado o comprimido pero no cifrado.</translation>
    </message>
    <message>
        <source>This is an OpenPGP signature in binary form (a .sig or .gpg file), not an encrypted message.</source>
        <translation>Esto es una firma OpenPGP en forma binaria (un archivo .sig o .gpg), no un mensaje cifrado.</translation>
    </message>
    <message>
        <source>This is an OpenPGP public key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Esto es una clave pública OpenPGP en forma binaria (un archivo .gpg), no un mensaje cifrado.</translation>
    </message>
    <message>
        <source>This is an OpenPGP secret key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Esto es una clave secreta OpenPGP en forma binaria (un archivo .gpg), no un mensaje cifrado.</translation>
    </message>
    <message>
        <source>the key is only marginally certified by keys you trust</source>
        <translation>la clave solo está certificada de forma marginal por claves en las que confía</translation>
    </message>
    <message>
        <source>the key is not certified by a key you trust</source>
        <translation>la clave no está certificada por ninguna clave en la que confíe</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is damaged: GnuPG could not read its signature.</source>
        <translation>El texto firmado con OpenPGP está dañado: GnuPG no pudo leer su firma.</translation>
    </message>
    <message>
        <source>The signed text is left as it stands.</source>
        <translation>El texto firmado se deja tal como está.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is longer than the most this program takes.</source>
        <translation>El texto firmado con OpenPGP supera el máximo que admite este programa.</translation>
    </message>
    <message>
        <source>it has been revoked by its owner</source>
        <translation>su propietario la ha revocado</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>ha caducado</translation>
    </message>
    <message>
        <source>it has no subkey that can sign</source>
        <translation>no tiene ninguna subclave que pueda firmar</translation>
    </message>
    <message>
        <source>The keyring holds no secret key to sign with.</source>
        <translation>El anillo de claves no contiene ninguna clave secreta con la que firmar.</translation>
    </message>
    <message>
        <source>Signing was cancelled.</source>
        <translation>Se canceló la firma.</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (huella digital %2)</translation>
    </message>
    <message>
        <source>the key %1</source>
        <translation>la clave %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%L1 MiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%L1 bytes</translation>
    </message>
    <message>
        <source>The OpenPGP message&apos;s text is too large: it is longer than %1, the most this program takes.  Unable to decrypt this text.</source>
        <translation>El texto del mensaje OpenPGP es demasiado grande: supera los %1, el máximo que admite este programa.  No se puede descifrar este texto.</translation>
    </message>
    <message>
        <source>No secret key for this message is in the keyring.  It was encrypted to: %1.</source>
        <translation>El anillo de claves no contiene ninguna clave secreta para este mensaje.  Se cifró para: %1.</translation>
    </message>
    <message>
        <source>GnuPG could not decrypt the message: %1</source>
        <translation>GnuPG no pudo descifrar el mensaje: %1</translation>
    </message>
    <message>
        <source>GnuPG could not encrypt the text: %1</source>
        <translation>GnuPG no pudo cifrar el texto: %1</translation>
    </message>
    <message>
        <source>GnuPG could not sign the text: %1</source>
        <translation>GnuPG no pudo firmar el texto: %1</translation>
    </message>
    <message>
        <source>No usable key for the recipient &quot;%1&quot; is in the keyring.</source>
        <translation>El anillo de claves no contiene ninguna clave utilizable para el destinatario «%1».</translation>
    </message>
    <message>
        <source>The recipient &quot;%1&quot; names more than one key; give its fingerprint.</source>
        <translation>El destinatario «%1» corresponde a más de una clave; indique su huella digital.</translation>
    </message>
    <message>
        <source>The key %1 cannot be encrypted to.</source>
        <translation>No se puede cifrar para la clave %1.</translation>
    </message>
    <message>
        <source>Enter the passphrase of the key %1 (%2).</source>
        <translation>Introduzca la frase de contraseña de la clave %1 (%2).</translation>
    </message>
    <message>
        <source>The key %1 cannot sign: %2.</source>
        <translation>La clave %1 no puede firmar: %2.</translation>
    </message>
    <message>
        <source>The key %1 cannot sign.</source>
        <translation>La clave %1 no puede firmar.</translation>
    </message>
    <message>
        <source>Expired signature from %1: it expired on %2 and no longer vouches for the message.</source>
        <translation>Firma caducada de %1: caducó el %2 y ya no garantiza el mensaje.</translation>
    </message>
    <message>
        <source>Signature from %1, whose key has been revoked by its owner: the signature could be forged.</source>
        <translation>Firma de %1, cuya clave ha revocado su propietario: la firma podría estar falsificada.</translation>
    </message>
    <message>
        <source>Signature by a key named %1, which the keyring&apos;s trust says is not that person&apos;s: the signature is probably forged.</source>
        <translation>Firma de una clave a nombre de %1 que, según la confianza del anillo de claves, no es de esa persona: la firma probablemente está falsificada.</translation>
    </message>
    <message>
        <source>Good signature from %1.  Note: the key has expired.</source>
        <translation>Firma correcta de %1.  Nota: la clave ha caducado.</translation>
    </message>
    <message>
        <source>Good signature from %1.</source>
        <translation>Firma correcta de %1.</translation>
    </message>
    <message>
        <source>Signature by a key named %1: the message is as that key signed it, but %2, so the key may not belong to the person its user ID names.</source>
        <translation>Firma de una clave a nombre de %1: el mensaje está tal como esa clave lo firmó, pero %2, así que puede que la clave no pertenezca a la persona que nombra su ID de usuario.</translation>
    </message>
    <message>
        <source>BAD signature: the message was signed by %1 but changed after signing.</source>
        <translation>Firma INCORRECTA: el mensaje lo firmó %1, pero se modificó después de firmarlo.</translation>
    </message>
    <message>
        <source>Signed by a key that is not in the keyring (%1).</source>
        <translation>Firmado por una clave que no está en el anillo de claves (%1).</translation>
    </message>
    <message>
        <source>A signature by %1 could not be checked: %2.</source>
        <translation>No se pudo comprobar una firma de %1: %2.</translation>
    </message>
</context>
<context>
    <name>platform::HelpViewer</name>
    <message>
        <source>Shroud-a-Pad Help</source>
        <translation>Ayuda de Shroud-a-Pad</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Escriba una palabra clave</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>C&amp;ontenido</translation>
    </message>
    <message>
        <source>The topic %1 is not in this help file.</source>
        <translation>El tema %1 no está en este archivo de ayuda.</translation>
    </message>
</context>
</TS>
