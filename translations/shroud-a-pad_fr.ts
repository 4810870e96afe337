<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Armoured text for mail and paste</source>
        <translation>Texte en armure pour courrier et copier-coller</translation>
    </message>
    <message>
        <source>Method 02: strong, with a phrase,</source>
        <extracomment>The first of two lines of one sentence; the second names the command that offers the method.</extracomment>
        <translation>Method 02&#xa0;: forte, avec une phrase secrète,</translation>
    </message>
    <message>
        <source>in Encrypt With Specific Method.</source>
        <extracomment>The second line of the sentence &quot;Method 02: strong, with a phrase,&quot;.</extracomment>
        <translation>dans Chiffrer avec une méthode précise.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version Platform:</source>
        <translation>Plateforme&#xa0;:</translation>
    </message>
    <message>
        <source>32-bit</source>
        <translation>32 bits</translation>
    </message>
    <message>
        <source>e-mail: %1</source>
        <translation>courriel&#xa0;: %1</translation>
    </message>
    <message>
        <source>world-wide-web: %1</source>
        <translation>web&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DialogParts</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>La taille doit être comprise entre %L1 et %L2 points.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Erreur d&apos;écriture du flux</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Text</source>
        <extracomment>The type of plain text files, shown before its pattern &quot;(*.txt)&quot;.</extracomment>
        <translation>Texte</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Dossier introuvable.
Vérifiez que le nom de dossier donné est correct.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Cannot find the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>Impossible de trouver le fichier d&apos;aide%1.</translation>
    </message>
    <message>
        <source>Cannot read the help file%1.</source>
        <extracomment>%1 is the help file&apos;s name after a blank, or nothing.</extracomment>
        <translation>Impossible de lire le fichier d&apos;aide%1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Action</source>
        <translation>Ac&amp;tion</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Encodage</translation>
    </message>
    <message>
        <source>&amp;Line Breaks</source>
        <translation>&amp;Sauts de ligne</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Ouvrir un fichier...</translation>
    </message>
    <message>
        <source>&amp;Save File As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Chiffrer</translation>
    </message>
    <message>
        <source>Encrypt With Specific &amp;Method...</source>
        <translation>Chiffrer avec une &amp;méthode précise...</translation>
    </message>
    <message>
        <source>Clear-Si&amp;gn</source>
        <translation>Si&amp;gner en clair</translation>
    </message>
    <message>
        <source>&amp;Decrypt</source>
        <translation>&amp;Déchiffrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Se&amp;lect All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Police...</translation>
    </message>
    <message>
        <source>&amp;Text Color...</source>
        <translation>Couleur du &amp;texte...</translation>
    </message>
    <message>
        <source>&amp;Background Color...</source>
        <translation>Couleur de &amp;fond...</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Retour à la ligne automatique</translation>
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
        <translation>UTF-8 avec &amp;marque d&apos;ordre des octets</translation>
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
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Rechercher dans l&apos;aide...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>&amp;Utilisation de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Chiffrer</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Déchiffrer</translation>
    </message>
    <message>
        <source>Text editor</source>
        <translation>Éditeur de texte</translation>
    </message>
    <message>
        <source>Clear text for new document?</source>
        <translation>Effacer le texte pour un nouveau document&#xa0;?</translation>
    </message>
    <message>
        <source>No action can be undone at this time.</source>
        <translation>Aucune action ne peut être annulée pour le moment.</translation>
    </message>
    <message>
        <source>You must select some text to cut to the clipboard.</source>
        <translation>Vous devez sélectionner du texte à couper dans le presse-papiers.</translation>
    </message>
    <message>
        <source>You must select some text to copy to the clipboard.</source>
        <translation>Vous devez sélectionner du texte à copier dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The clipboard contains no text that can be pasted.</source>
        <translation>Le presse-papiers ne contient aucun texte qui puisse être collé.</translation>
    </message>
    <message>
        <source>You must select some text to delete.</source>
        <translation>Vous devez sélectionner du texte à supprimer.</translation>
    </message>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Le texte dépasse la capacité de l&apos;éditeur</translation>
    </message>
    <message>
        <source>The text ends at a zero byte in the file.  The 1 byte after it was not loaded.</source>
        <translation>Le texte s&apos;arrête à un octet nul du fichier.  L&apos;octet qui le suit n&apos;a pas été chargé.</translation>
    </message>
    <message numerus="yes">
        <source>The text ends at a zero byte in the file.  The %n bytes after it were not loaded.</source>
        <translation>
            <numerusform>Le texte s&apos;arrête à un octet nul du fichier.  %Ln octet qui le suit n&apos;a pas été chargé.</numerusform>
            <numerusform>Le texte s&apos;arrête à un octet nul du fichier.  Les %Ln octets qui le suivent n&apos;ont pas été chargés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Replace existing text with the contents of the selected file?</source>
        <translation>Remplacer le texte actuel par le contenu du fichier sélectionné&#xa0;?</translation>
    </message>
    <message>
        <source>There is no text that can be saved.</source>
        <translation>Il n&apos;y a aucun texte qui puisse être enregistré.</translation>
    </message>
    <message>
        <source>The text holds &quot;%1&quot; (%2), which Windows-1252 cannot hold.</source>
        <translation>Le texte contient «&#xa0;%1&#xa0;» (%2), que Windows-1252 ne peut pas représenter.</translation>
    </message>
    <message>
        <source>The following file does not exist.</source>
        <translation>Le fichier suivant n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
</context>
<context>
    <name>MethodDialog</name>
    <message>
        <source>Encoding Method</source>
        <translation>Méthode d&apos;encodage</translation>
    </message>
    <message>
        <source>You must choose an encoding method.</source>
        <translation>Vous devez choisir une méthode d&apos;encodage.</translation>
    </message>
</context>
<context>
    <name>OpenPgpModule</name>
    <message>
        <source>GnuPG cannot be reached: the program&apos;s OpenPGP module could not be loaded (%1).</source>
        <translation>GnuPG est inaccessible&#xa0;: le module OpenPGP du programme n&apos;a pas pu être chargé (%1).</translation>
    </message>
</context>
<context>
    <name>PassphraseDialog</name>
    <message>
        <source>Password Protection</source>
        <translation>Protection par mot de passe</translation>
    </message>
    <message>
        <source>This phrase can hold only the characters of Windows-1252 (Western European letters, digits and signs).  The character typed was left out.</source>
        <translation>Cette phrase secrète ne peut contenir que les caractères de Windows-1252 (lettres d&apos;Europe occidentale, chiffres et signes).  Le caractère tapé a été laissé de côté.</translation>
    </message>
</context>
<context>
    <name>RecipientsDialog</name>
    <message>
        <source>Validity: ultimate</source>
        <translation>Validité&#xa0;: ultime</translation>
    </message>
    <message>
        <source>Validity: full</source>
        <translation>Validité&#xa0;: totale</translation>
    </message>
    <message>
        <source>Validity: marginal (the name is not proven)</source>
        <translation>Validité&#xa0;: marginale (le nom n&apos;est pas prouvé)</translation>
    </message>
    <message>
        <source>Validity: never (the keyring&apos;s trust denies the name)</source>
        <translation>Validité&#xa0;: jamais (la confiance du trousseau dément le nom)</translation>
    </message>
    <message>
        <source>Validity: undefined (the name is not proven)</source>
        <translation>Validité&#xa0;: indéfinie (le nom n&apos;est pas prouvé)</translation>
    </message>
    <message>
        <source>Validity: unknown (the name is not proven)</source>
        <translation>Validité&#xa0;: inconnue (le nom n&apos;est pas prouvé)</translation>
    </message>
    <message>
        <source>OpenPGP Recipients</source>
        <translation>Destinataires OpenPGP</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre&#xa0;:</translation>
    </message>
    <message>
        <source>Name, e-mail address or fingerprint</source>
        <translation>Nom, adresse électronique ou empreinte</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Shows only the keys that match</source>
        <translation>N&apos;affiche que les clés qui correspondent</translation>
    </message>
    <message>
        <source>&amp;Keys to encrypt to:</source>
        <translation>&amp;Clés pour lesquelles chiffrer&#xa0;:</translation>
    </message>
    <message>
        <source>Keys to encrypt to</source>
        <translation>Clés pour lesquelles chiffrer</translation>
    </message>
    <message>
        <source>Space checks or clears the key</source>
        <translation>Espace coche ou décoche la clé</translation>
    </message>
    <message>
        <source>Also to my own key</source>
        <translation>Aussi pour ma propre clé</translation>
    </message>
    <message>
        <source>%1, fingerprint %2</source>
        <translation>%1, empreinte %2</translation>
    </message>
    <message>
        <source>Sign with my own key</source>
        <translation>Signer avec ma propre clé</translation>
    </message>
    <message>
        <source>The keyring holds no key that can encrypt.  The text will be protected by a phrase.</source>
        <translation>Le trousseau ne contient aucune clé qui puisse chiffrer.  Le texte sera protégé par une phrase secrète.</translation>
    </message>
    <message>
        <source>No key chosen: the text will be protected by a phrase.</source>
        <translation>Aucune clé choisie&#xa0;: le texte sera protégé par une phrase secrète.</translation>
    </message>
    <message>
        <source>1 key chosen.</source>
        <translation>1 clé choisie.</translation>
    </message>
    <message numerus="yes">
        <source>%n keys chosen.</source>
        <extracomment>Two keys or more; one key has a text of its own.</extracomment>
        <translation>
            <numerusform>%n clé choisie.</numerusform>
            <numerusform>%n clés choisies.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>1 byte</source>
        <translation>1 octet</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%Ln octet</numerusform>
            <numerusform>%Ln octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected</source>
        <translation>%1, sélection&#xa0;: %2</translation>
    </message>
    <message>
        <source>Encrypted Text</source>
        <translation>Texte chiffré</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Texte normal</translation>
    </message>
</context>
<context>
    <name>Words</name>
    <message>
        <source>Requires version 1.0 or higher to decrypt.</source>
        <translation>Le déchiffrement demande la version 1.0 ou plus récente.</translation>
    </message>
    <message>
        <source>Requires version 1.1 or higher to decrypt.</source>
        <translation>Le déchiffrement demande la version 1.1 ou plus récente.</translation>
    </message>
    <message>
        <source>There is no text to encrypt.</source>
        <translation>Il n&apos;y a aucun texte à chiffrer.</translation>
    </message>
    <message>
        <source>There is no text to sign.</source>
        <translation>Il n&apos;y a aucun texte à signer.</translation>
    </message>
    <message>
        <source>The amount of text to encrypt cannot exceed %1 bytes.</source>
        <translation>La quantité de texte à chiffrer ne peut pas dépasser %L1 octets.</translation>
    </message>
    <message>
        <source>This text is already encrypted.  Are you sure you want to encrypt it again?</source>
        <translation>Ce texte est déjà chiffré.  Voulez-vous vraiment le chiffrer à nouveau&#xa0;?</translation>
    </message>
    <message>
        <source>The phrases entered do not match.</source>
        <translation>Les phrases secrètes saisies ne correspondent pas.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (if desired):</source>
        <translation>Entrez une phrase secrète pour protéger le texte (si vous le souhaitez)&#xa0;:</translation>
    </message>
    <message>
        <source>Re-enter phrase to confirm:</source>
        <translation>Entrez à nouveau la phrase secrète pour la confirmer&#xa0;:</translation>
    </message>
    <message>
        <source>There is no text to decrypt.</source>
        <translation>Il n&apos;y a aucun texte à déchiffrer.</translation>
    </message>
    <message>
        <source>The header and footer lines are not present.  This text does not appear to be encrypted.</source>
        <translation>Les lignes d&apos;en-tête et de fin sont absentes.  Ce texte ne semble pas être chiffré.</translation>
    </message>
    <message>
        <source>The encrypted text has been changed, and its changes cannot be undone.  Unable to decrypt this text.</source>
        <translation>Le texte chiffré a été modifié, et ses modifications ne peuvent pas être défaites.  Impossible de déchiffrer ce texte.</translation>
    </message>
    <message>
        <source>The header line is not valid.  Unable to decrypt this text.</source>
        <translation>La ligne d&apos;en-tête n&apos;est pas valide.  Impossible de déchiffrer ce texte.</translation>
    </message>
    <message>
        <source>This text is password-protected.  Enter phrase:</source>
        <translation>Ce texte est protégé par mot de passe.  Entrez la phrase secrète&#xa0;:</translation>
    </message>
    <message>
        <source>The phrase given does not match the phrase used to password-protect the text.</source>
        <translation>La phrase secrète saisie ne correspond pas à celle qui a servi à protéger le texte.</translation>
    </message>
    <message>
        <source>The encrypted text has terminated unexpectedly.  The decrypted text is incomplete and possibly contains errors.</source>
        <translation>Le texte chiffré s&apos;est terminé de façon inattendue.  Le texte déchiffré est incomplet et contient peut-être des erreurs.</translation>
    </message>
    <message>
        <source>CRC information was not present in the encrypted text.  Unable to verify that the encrypted text was error-free.</source>
        <translation>Les informations CRC sont absentes du texte chiffré.  Impossible de vérifier que le texte chiffré est sans erreur.</translation>
    </message>
    <message>
        <source>CRC error.  Errors were present in the encrypted text.</source>
        <translation>Erreur CRC.  Le texte chiffré contenait des erreurs.</translation>
    </message>
    <message>
        <source>The encrypted text is damaged.  Unable to decrypt this text.</source>
        <translation>Le texte chiffré est abîmé.  Impossible de déchiffrer ce texte.</translation>
    </message>
    <message>
        <source>The encrypted text is too long for its checksum.  Unable to decrypt this text.</source>
        <translation>Le texte chiffré est trop long pour sa somme de contrôle.  Impossible de déchiffrer ce texte.</translation>
    </message>
    <message>
        <source>Cannot handle the encryption method used to encrypt this text.  Try using Shroud-a-Pad %1.</source>
        <translation>Impossible de traiter la méthode de chiffrement utilisée pour ce texte.  Essayez Shroud-a-Pad %1.</translation>
    </message>
    <message>
        <source>Enter a phrase to password-protect (1 to %1 characters):</source>
        <translation>Entrez une phrase secrète pour protéger le texte (1 à %L1 caractères)&#xa0;:</translation>
    </message>
    <message>
        <source>Method 02 needs a phrase.  Enter a phrase of 1 to %1 characters.</source>
        <translation>Method 02 exige une phrase secrète.  Entrez une phrase secrète de 1 à %L1 caractères.</translation>
    </message>
    <message>
        <source>Strong protection.  Requires version 2.00 or higher to decrypt.</source>
        <translation>Protection forte.  Le déchiffrement demande la version 2.00 ou plus récente.</translation>
    </message>
    <message>
        <source>The OpenPGP message is damaged or was changed: its checksum or integrity check failed.</source>
        <translation>Le message OpenPGP est abîmé ou a été modifié&#xa0;: sa somme de contrôle ou son contrôle d&apos;intégrité a échoué.</translation>
    </message>
    <message>
        <source>The OpenPGP message has no integrity check, so a change made to it on the way could not be noticed: it is not read.</source>
        <translation>Le message OpenPGP n&apos;a pas de contrôle d&apos;intégrité&#xa0;: une modification faite en chemin ne pourrait pas être remarquée.  Il n&apos;est pas lu.</translation>
    </message>
    <message>
        <source>a hidden recipient</source>
        <translation>un destinataire caché</translation>
    </message>
    <message>
        <source>Decryption was cancelled.</source>
        <translation>Le déchiffrement a été annulé.</translation>
    </message>
    <message>
        <source>The passphrase is not correct.</source>
        <translation>La phrase secrète n&apos;est pas correcte.</translation>
    </message>
    <message>
        <source>GnuPG cannot be used on this computer.</source>
        <translation>GnuPG ne peut pas être utilisé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>No recipient was given.</source>
        <translation>Aucun destinataire n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>Enter the phrase of the message.</source>
        <translation>Entrez la phrase secrète du message.</translation>
    </message>
    <message>
        <source>Enter a phrase to protect the OpenPGP message:</source>
        <translation>Entrez une phrase secrète pour protéger le message OpenPGP&#xa0;:</translation>
    </message>
    <message>
        <source>An OpenPGP message protected by a phrase needs a phrase.  Enter a phrase.</source>
        <translation>Un message OpenPGP protégé par une phrase secrète exige une phrase secrète.  Entrez une phrase secrète.</translation>
    </message>
    <message>
        <source>OpenPGP was not added to the methods.</source>
        <translation>OpenPGP n&apos;a pas été ajouté aux méthodes.</translation>
    </message>
    <message>
        <source>For people who use OpenPGP: to their keys or a phrase.</source>
        <translation>Pour les utilisateurs d&apos;OpenPGP&#xa0;: pour leurs clés ou avec une phrase secrète.</translation>
    </message>
    <message>
        <source>The OpenPGP message is cut short: its end line &quot;-----END PGP MESSAGE-----&quot; is missing.  Unable to decrypt this text.</source>
        <translation>Le message OpenPGP est tronqué&#xa0;: sa ligne de fin «&#xa0;-----END PGP MESSAGE-----&#xa0;» manque.  Impossible de déchiffrer ce texte.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is cut short: its signature&apos;s end line &quot;-----END PGP SIGNATURE-----&quot; is missing.  Unable to check this text.</source>
        <translation>Le texte signé OpenPGP est tronqué&#xa0;: la ligne de fin de sa signature «&#xa0;-----END PGP SIGNATURE-----&#xa0;» manque.  Impossible de vérifier ce texte.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP signature of another file (a detached signature), not an encrypted message.</source>
        <translation>Ce texte est une signature OpenPGP d&apos;un autre fichier (une signature détachée), pas un message chiffré.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP public key, not an encrypted message.</source>
        <translation>Ce texte est une clé publique OpenPGP, pas un message chiffré.</translation>
    </message>
    <message>
        <source>This text is an OpenPGP secret key, not an encrypted message.</source>
        <translation>Ce texte est une clé secrète OpenPGP, pas un message chiffré.</translation>
    </message>
    <message>
        <source>This is an encrypted OpenPGP message in binary form (a .gpg file), not text.  Ask for it as armoured text (as &quot;gpg --armor&quot; writes it) to decrypt it.</source>
        <translation>Ceci est un message OpenPGP chiffré sous forme binaire (un fichier .gpg), pas du texte.  Demandez-le sous forme de texte en armure ASCII (comme l&apos;écrit «&#xa0;gpg --armor&#xa0;») pour le déchiffrer.</translation>
    </message>
    <message>
        <source>This is an OpenPGP message in binary form (a .gpg file), signed or compressed but not encrypted.</source>
        <translation>Ceci est un message OpenPGP sous forme binaire (un fichier .gpg), signé ou compressé mais non chiffré.</translation>
    </message>
    <message>
        <source>This is an OpenPGP signature in binary form (a .sig or .gpg file), not an encrypted message.</source>
        <translation>Ceci est une signature OpenPGP sous forme binaire (un fichier .sig ou .gpg), pas un message chiffré.</translation>
    </message>
    <message>
        <source>This is an OpenPGP public key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Ceci est une clé publique OpenPGP sous forme binaire (un fichier .gpg), pas un message chiffré.</translation>
    </message>
    <message>
        <source>This is an OpenPGP secret key in binary form (a .gpg file), not an encrypted message.</source>
        <translation>Ceci est une clé secrète OpenPGP sous forme binaire (un fichier .gpg), pas un message chiffré.</translation>
    </message>
    <message>
        <source>the key is only marginally certified by keys you trust</source>
        <translation>la clé n&apos;est certifiée que de façon marginale par des clés en lesquelles vous avez confiance</translation>
    </message>
    <message>
        <source>the key is not certified by a key you trust</source>
        <translation>la clé n&apos;est pas certifiée par une clé en laquelle vous avez confiance</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is damaged: GnuPG could not read its signature.</source>
        <translation>Le texte signé OpenPGP est abîmé&#xa0;: GnuPG n&apos;a pas pu lire sa signature.</translation>
    </message>
    <message>
        <source>The signed text is left as it stands.</source>
        <translation>Le texte signé est laissé tel quel.</translation>
    </message>
    <message>
        <source>The OpenPGP signed text is longer than the most this program takes.</source>
        <translation>Le texte signé OpenPGP dépasse le maximum qu&apos;accepte ce programme.</translation>
    </message>
    <message>
        <source>it has been revoked by its owner</source>
        <translation>elle a été révoquée par son propriétaire</translation>
    </message>
    <message>
        <source>it has expired</source>
        <translation>elle a expiré</translation>
    </message>
    <message>
        <source>it has no subkey that can sign</source>
        <translation>elle n&apos;a aucune sous-clé capable de signer</translation>
    </message>
    <message>
        <source>The keyring holds no secret key to sign with.</source>
        <translation>Le trousseau ne contient aucune clé secrète avec laquelle signer.</translation>
    </message>
    <message>
        <source>Signing was cancelled.</source>
        <translation>La signature a été annulée.</translation>
    </message>
    <message>
        <source>%1 (fingerprint %2)</source>
        <translation>%1 (empreinte %2)</translation>
    </message>
    <message>
        <source>the key %1</source>
        <translation>la clé %1</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%L1 Mio</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%L1 octets</translation>
    </message>
    <message>
        <source>The OpenPGP message&apos;s text is too large: it is longer than %1, the most this program takes.  Unable to decrypt this text.</source>
        <translation>Le texte du message OpenPGP est trop grand&#xa0;: il dépasse %1, le maximum qu&apos;accepte ce programme.  Impossible de déchiffrer ce texte.</translation>
    </message>
    <message>
        <source>No secret key for this message is in the keyring.  It was encrypted to: %1.</source>
        <translation>Aucune clé secrète pour ce message ne se trouve dans le trousseau.  Il a été chiffré pour&#xa0;: %1.</translation>
    </message>
    <message>
        <source>GnuPG could not decrypt the message: %1</source>
        <translation>GnuPG n&apos;a pas pu déchiffrer le message&#xa0;: %1</translation>
    </message>
    <message>
        <source>GnuPG could not encrypt the text: %1</source>
        <translation>GnuPG n&apos;a pas pu chiffrer le texte&#xa0;: %1</translation>
    </message>
    <message>
        <source>GnuPG could not sign the text: %1</source>
        <translation>GnuPG n&apos;a pas pu signer le texte&#xa0;: %1</translation>
    </message>
    <message>
        <source>No usable key for the recipient &quot;%1&quot; is in the keyring.</source>
        <translation>Aucune clé utilisable pour le destinataire «&#xa0;%1&#xa0;» ne se trouve dans le trousseau.</translation>
    </message>
    <message>
        <source>The recipient &quot;%1&quot; names more than one key; give its fingerprint.</source>
        <translation>Le destinataire «&#xa0;%1&#xa0;» désigne plus d&apos;une clé&#xa0;; indiquez son empreinte.</translation>
    </message>
    <message>
        <source>The key %1 cannot be encrypted to.</source>
        <translation>Impossible de chiffrer pour la clé %1.</translation>
    </message>
    <message>
        <source>Enter the passphrase of the key %1 (%2).</source>
        <translation>Entrez la phrase secrète de la clé %1 (%2).</translation>
    </message>
    <message>
        <source>The key %1 cannot sign: %2.</source>
        <translation>La clé %1 ne peut pas signer&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The key %1 cannot sign.</source>
        <translation>La clé %1 ne peut pas signer.</translation>
    </message>
    <message>
        <source>Expired signature from %1: it expired on %2 and no longer vouches for the message.</source>
        <translation>Signature expirée de %1&#xa0;: elle a expiré le %2 et ne garantit plus le message.</translation>
    </message>
    <message>
        <source>Signature from %1, whose key has been revoked by its owner: the signature could be forged.</source>
        <translation>Signature de %1, dont la clé a été révoquée par son propriétaire&#xa0;: la signature pourrait être falsifiée.</translation>
    </message>
    <message>
        <source>Signature by a key named %1, which the keyring&apos;s trust says is not that person&apos;s: the signature is probably forged.</source>
        <translation>Signature par une clé au nom de %1, dont la confiance du trousseau dit qu&apos;elle n&apos;est pas celle de cette personne&#xa0;: la signature est probablement falsifiée.</translation>
    </message>
    <message>
        <source>Good signature from %1.  Note: the key has expired.</source>
        <translation>Bonne signature de %1.  Remarque&#xa0;: la clé a expiré.</translation>
    </message>
    <message>
        <source>Good signature from %1.</source>
        <translation>Bonne signature de %1.</translation>
    </message>
    <message>
        <source>Signature by a key named %1: the message is as that key signed it, but %2, so the key may not belong to the person its user ID names.</source>
        <translation>Signature par une clé au nom de %1&#xa0;: le message est tel que cette clé l&apos;a signé, mais %2&#xa0;: elle n&apos;appartient peut-être pas à la personne que nomme son identité.</translation>
    </message>
    <message>
        <source>BAD signature: the message was signed by %1 but changed after signing.</source>
        <translation>MAUVAISE signature&#xa0;: le message a été signé par %1 mais modifié après la signature.</translation>
    </message>
    <message>
        <source>Signed by a key that is not in the keyring (%1).</source>
        <translation>Signé par une clé absente du trousseau (%1).</translation>
    </message>
    <message>
        <source>A signature by %1 could not be checked: %2.</source>
        <translation>Une signature par %1 n&apos;a pas pu être vérifiée&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>platform::HelpViewer</name>
    <message>
        <source>Shroud-a-Pad Help</source>
        <translation>Aide de Shroud-a-Pad</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Tapez un mot-clé</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>S&amp;ommaire</translation>
    </message>
    <message>
        <source>The topic %1 is not in this help file.</source>
        <translation>La rubrique %1 ne figure pas dans ce fichier d&apos;aide.</translation>
    </message>
</context>
</TS>
