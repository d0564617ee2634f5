<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>ActivePortRow</name>
    <message>
        <location filename="../Qml/ActivePortRow.qml" line="+23"/>
        <source>Active Port</source>
        <translation>Port actif</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
</context>
<context>
    <name>CardScrollBar</name>
    <message>
        <location filename="../Qml/CardScrollBar.qml" line="+15"/>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
</context>
<context>
    <name>Faq</name>
    <message>
        <location filename="../Qml/Faq.js" line="+11"/>
        <source>Q1. What kind of computers support QV5830?</source>
        <translation>Q1. Quels ordinateurs sont compatibles avec le QV5830 ?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</source>
        <translation>Tout ordinateur dont le port USB-C transmet la vidéo en DisplayPort Alt Mode :<byte value="xd"/>
-Ordinateurs portables et de bureau sous Windows 10 et Windows 11<byte value="xd"/>
-Mac dotés de ports USB-C ou Thunderbolt 3 et 4, sous macOS 11 ou version ultérieure<byte value="xd"/>
-Chromebook et ordinateurs Linux dont le port USB-C transmet la vidéo<byte value="xd"/>
Un port USB-C limité aux données permet d’utiliser le clavier et la souris, mais n’affiche aucune image sur l’écran.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q2. What kind of Smartphone / Tablet support QV5830?</source>
        <translation>Q2. Quels smartphones et tablettes sont compatibles avec le QV5830 ?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</source>
        <translation>Les smartphones et tablettes dont le port USB-C transmet la vidéo en DisplayPort Alt Mode :<byte value="xd"/>
-Tablettes sous iPadOS dotées d’un port USB-C<byte value="xd"/>
-Smartphones et tablettes Android proposant un mode bureau ou de recopie d’écran via USB-C<byte value="xd"/>
Les appareils sans sortie vidéo USB-C peuvent tout de même utiliser le clavier et la souris.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q3. How much power does QV5830 supply on Port 2?</source>
        <translation>Q3. Quelle puissance le QV5830 fournit-il sur le port 2 ?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</source>
        <translation>Le port 2 fournit à l’appareil connecté 5 V jusqu’à 1,5 A, soit 7,5 W.<byte value="xd"/>
Cela maintient la charge d’un smartphone ou d’une tablette en cours d’utilisation, mais ne recharge pas un ordinateur portable.<byte value="xd"/>
Connectez un ordinateur portable à recharger au port 1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q4. Is there any USB-PD function supported by QV5830?</source>
        <translation>Q4. Le QV5830 prend-il en charge l’USB-PD ?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</source>
        <translation>Oui, le port 1 prend en charge l’USB Power Delivery :<byte value="xd"/>
-Branchez un adaptateur secteur USB-C PD sur le port d’alimentation USB-C<byte value="xd"/>
-L’ordinateur portable du port 1 se recharge alors en 5 V, 9 V, 15 V ou 20 V<byte value="xd"/>
Un adaptateur de plus de 65 W est recommandé ; il n’est pas fourni.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q5. Does QV5830 support active / passive video converter?</source>
        <translation>Q5. Le QV5830 est-il compatible avec les convertisseurs vidéo actifs et passifs ?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</source>
        <translation>La sortie DisplayPort fonctionne uniquement avec des convertisseurs vidéo actifs :<byte value="xd"/>
-Les adaptateurs actifs DisplayPort vers HDMI, DVI ou VGA convertissent le signal et fonctionnent<byte value="xd"/>
-Les adaptateurs passifs nécessitent une sortie double mode, que ce port ne fournit pas, et n’affichent aucune image<byte value="xd"/>
Si l’écran le permet, connectez-le avec un câble DisplayPort.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</source>
        <translation>Q6. Comment passer du DP 2 voies au DP 4 voies sur le QV5830 ?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</source>
        <translation>Maintenez le bouton de sélection de port enfoncé 3 s et attendez le clignotement des LED :<byte value="xd"/>
-Mode 2 voies -&gt; les LED Port 1 et Port 2 clignotent 1 fois<byte value="xd"/>
-Mode 4 voies -&gt; les LED Port 1 et Port 2 clignotent 2 fois.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q7. Does it support Nintendo Switch?</source>
        <translation>Q7. La Nintendo Switch est-elle prise en charge ?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No, it does not support Nintendo Switch.</source>
        <translation>Non, la Nintendo Switch n’est pas prise en charge.</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <location filename="../Qml/GuidePage.qml" line="+24"/>
        <source>USB Type-A ports</source>
        <translation>Ports USB Type-A</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>jack for port switch button</source>
        <translation>prise du bouton de sélection de port</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DisplayPort out</source>
        <translation>sortie DisplayPort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-C port (source 2)</source>
        <translation>port USB-C (source 2)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (source 1)</source>
        <translation>port USB-C (source 1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (power)*</source>
        <translation>port USB-C (alimentation)*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>power jack</source>
        <translation>prise d’alimentation</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 1 status LED</source>
        <translation>LED d’état du port 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 2 status LED</source>
        <translation>LED d’état du port 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</source>
        <translation>Connectez jusqu’à 4 périphériques USB, tels qu’une souris USB, un clavier USB, une imprimante ou un disque dur externe, aux ports USB Type-A de l’appareil.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect a USB-C source device to the unit’s USB-C port (source 1).</source>
        <translation>Connectez un appareil source USB-C au port USB-C (source 1) de l’appareil.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</source>
        <translation>Connectez un écran compatible DisplayPort à la sortie DisplayPort de l’appareil.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</source>
        <translation>Ce port USB-C (alimentation) permet de recharger un ordinateur portable en USB-C PD en 5 V, 9 V, 15 V et 20 V ; l’adaptateur secteur USB-C n’est pas fourni.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</source>
        <translation>Pour la recharge, un adaptateur secteur USB-C PD certifié Limited Power Source (LPS) de plus de 65 watts est recommandé. Les fonctions USB de base et la sortie vidéo nécessitent une alimentation d’au moins 5 V, 3 A.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Make sure each device has installed @ Portview and connected to @ KVM correctly.</source>
        <translation>Vérifiez que @ Portview est installé sur chaque appareil et que chacun est correctement connecté au KVM @.</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>Connect another USB-C source device to the unit’s USB-C port (source 2).</source>
        <translation>Connectez un autre appareil source USB-C au port USB-C (source 2) de l’appareil.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect the supplied port switch button to the indicated jack.</source>
        <translation>Branchez le bouton de sélection de port fourni sur la prise indiquée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the power adapter to the unit’s power jack.</source>
        <translation>Branchez l’adaptateur secteur sur la prise d’alimentation de l’appareil.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</source>
        <translation>(Facultatif) Vous pouvez connecter votre appareil source au port USB-C (alimentation) pour recharger un ordinateur portable en PD.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hardware Overview</source>
        <translation>Présentation du matériel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Computers connected to the switch</source>
        <translation>Ordinateurs connectés au commutateur</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can be found at [Support] -&gt; [Quick Start Guide]</source>
        <translation>Disponible dans [Assistance] -&gt; [Guide de démarrage rapide]</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finish</source>
        <translation>Terminer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <location filename="../Qml/HeadControl.qml" line="+136"/>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>confirm_dialog_control</name>
    <message>
        <location filename="../Qml/confirm_dialog_control.qml" line="+66"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>keys_control</name>
    <message>
        <location filename="../Qml/keys_control.qml" line="+65"/>
        <source>Not support key.</source>
        <translation>Touche non prise en charge.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>Conflict to system hotkey.</source>
        <translation>Conflit avec un raccourci système.</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+18"/>
        <source>Please enter combination key.</source>
        <translation>Saisissez une combinaison de touches.</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+128"/>
        <source>Hotkey Edit</source>
        <translation>Modifier le raccourci</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Click the box to type the shortcut key.</source>
        <translation>Cliquez dans le champ et tapez le raccourci.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+37"/>
        <source>Device Switch</source>
        <translation>Changer d’appareil</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Not set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Qml/DialogHost.qml" line="+11"/>
        <location line="+20"/>
        <location filename="../Qml/main.qml" line="+192"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-19"/>
        <location filename="../Qml/main.qml" line="+0"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+52"/>
        <source>Firmware Upgrade</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch now reports firmware version @.</source>
        <translation>Le commutateur indique désormais la version de firmware @.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch still reports firmware version @: the firmware is unchanged.</source>
        <translation>Le commutateur indique toujours la version de firmware @ : le firmware n&apos;a pas changé.</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="-55"/>
        <source>The change could not be saved: the home folder is full or read-only.</source>
        <translation>La modification n&apos;a pas pu être enregistrée : le dossier personnel est plein ou en lecture seule.</translation>
    </message>
    <message>
        <location line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="+69"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit @?</source>
        <translation>Voulez-vous vraiment quitter @ ?</translation>
    </message>
    <message>
        <location line="-54"/>
        <location filename="../Qml/UpgradeLauncher.qml" line="-12"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+1"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>Impossible d’ouvrir le fichier de mise à jour du firmware.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</source>
        <translation>Le commutateur reste en mode mise à jour : débranchez-le puis rebranchez-le pour quitter ce mode, ou relancez l&apos;outil de mise à jour.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Again</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="+199"/>
        <source>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</source>
        <translation>Aucune zone de notification ne peut afficher l&apos;icône sur ce bureau : @ reste ouvert en réduit pour que le raccourci continue de fonctionner.</translation>
    </message>
    <message>
        <location filename="../Qml/LogoBar.qml" line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="-4"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="+37"/>
        <source>Select Devices</source>
        <translation>Choisir un appareil</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Searching for devices</source>
        <translation>Recherche d’appareils</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware upgrade in progress: keep the switch connected</source>
        <translation>Mise à jour du firmware en cours : gardez le commutateur branché</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No device detected</source>
        <translation>Aucun appareil détecté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the connection to the device.</source>
        <translation>Vérifiez la connexion à l’appareil.</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <location filename="../catalogue/descriptions.js" line="+6"/>
        <source>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</source>
        <translation>Commutateur KVM USB-C 2 ports&lt;br&gt;DisplayPort 4K 60 Hz, recharge USB-C PD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</source>
        <translation>Commutateur KVM USB-C 2 ports double écran&lt;br&gt;Deux sorties DisplayPort 4K 60 Hz, recharge USB-C PD</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="-105"/>
        <source>Search again</source>
        <translation>Rechercher à nouveau</translation>
    </message>
    <message>
        <location filename="../Qml/CardOpenProblem.qml" line="+19"/>
        <source>This switch still cannot be opened.</source>
        <translation>Ce commutateur ne peut toujours pas être ouvert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This switch cannot be opened.</source>
        <translation>Ce commutateur ne peut pas être ouvert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</source>
        <translation>Votre utilisateur ne peut pas l’utiliser : la règle udev qui en donne l’accès manque. Installez-la avec cette commande, puis réessayez :</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your user has no access to it. Ask the administrator of this computer for access, then try again.</source>
        <translation>Votre utilisateur n’y a pas accès. Demandez l’accès à l’administrateur de cet ordinateur, puis réessayez.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program is using it. Close that program, then try again.</source>
        <translation>Un autre programme l’utilise. Fermez ce programme, puis réessayez.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unplug it and plug it in again, then try again.</source>
        <translation>Débranchez-le, rebranchez-le, puis réessayez.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Command that installs the udev rule</source>
        <translation>Commande qui installe la règle udev</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try again</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <location filename="../Qml/Ports.js" line="+10"/>
        <source>Port @</source>
        <translation>Port @</translation>
    </message>
</context>
<context>
    <name>product_device</name>
    <message>
        <location filename="../Qml/product_device.qml" line="+22"/>
        <source>Video Fitwell</source>
        <translation>Video Fitwell</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Eliminate boot-up display problems and optimize resolutions.</source>
        <translation>Élimine les problèmes d’affichage au démarrage et optimise la résolution.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Remarque : en cas de problème de compatibilité avec l’écran lorsque Video Fitwell est activé, désactivez Video Fitwell.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DP lane </source>
        <translation>Voies DP </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select suitable DP Lanes for current port.</source>
        <translation>Choisissez le nombre de voies DP adapté au port actuel.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Silent Removal</source>
        <translation>Retrait USB silencieux</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove your USB devices without system prompt sound.</source>
        <translation>Retirez vos périphériques USB sans son système.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Safely Removal</source>
        <translation>Retrait USB sécurisé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safely remove your USB devices.</source>
        <translation>Retirez vos périphériques USB en toute sécurité.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not set</source>
        <translation>Non défini</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The operation failed</source>
        <translation>Échec de l’opération</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to control the device, please check the device connection.</source>
        <translation>Impossible de contrôler l’appareil. Vérifiez la connexion à l’appareil.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>En cas de problème de compatibilité avec l’écran lorsque Video Fitwell est activé, désactivez Video Fitwell.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+128"/>
        <source>Reset to Default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Are you sure you want to reset the device setting to factory default?</source>
        <translation>Voulez-vous vraiment rétablir les paramètres d’usine de l’appareil ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+134"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Reset success!</source>
        <translation>Réinitialisation réussie !</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset to default successfully!</source>
        <translation>Valeurs par défaut rétablies !</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset failed</source>
        <translation>Échec de la réinitialisation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to reset the device, please check the device connection.</source>
        <translation>Impossible de réinitialiser l’appareil. Vérifiez la connexion à l’appareil.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch Hotkey</source>
        <translation>Raccourci de changement</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotkeys for switching between devices.</source>
        <translation>Raccourcis pour passer d’un appareil à l’autre.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop does not allow global shortcuts for this program.</source>
        <translation>Le bureau n&apos;autorise pas les raccourcis globaux pour ce programme.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</source>
        <translation>Autorisez @ à utiliser des raccourcis globaux dans les paramètres du bureau, ou ouvrez une session X11 ; d&apos;ici là, le raccourci ne fonctionne que lorsque la fenêtre a le focus.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reset the settings to default.</source>
        <translation>Rétablir les paramètres par défaut.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>2 Lane:support USB 3.0 up to 4K@60</source>
        <translation>2 voies : USB 3.0, jusqu’à 4K@60</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4 Lane:support USB 2.0 up to 4K@60</source>
        <translation>4 voies : USB 2.0, jusqu’à 4K@60</translation>
    </message>
</context>
<context>
    <name>product_faq</name>
    <message>
        <location filename="../Qml/product_faq.qml" line="+60"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+76"/>
        <location line="+11"/>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+8"/>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No questions match your search.</source>
        <translation>Aucune question ne correspond à votre recherche.</translation>
    </message>
</context>
<context>
    <name>product_frame</name>
    <message>
        <location filename="../Qml/product_frame.qml" line="+120"/>
        <source>Version is up to date!</source>
        <translation>Version à jour !</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current firmware is the latest version.</source>
        <translation>Le firmware actuel est la dernière version.</translation>
    </message>
    <message>
        <location filename="../Qml/product_device.qml" line="-153"/>
        <location filename="../Qml/product_frame.qml" line="+20"/>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <location filename="../Qml/product_frame.qml" line="+1"/>
        <source>Maintenance</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
</context>
<context>
    <name>product_maintenance</name>
    <message>
        <location filename="../Qml/product_maintenance.qml" line="+33"/>
        <location line="+1"/>
        <location line="+46"/>
        <location line="+145"/>
        <source>Backup</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Make a local copy of your device settings.</source>
        <translation>Enregistrez une copie locale des paramètres de l’appareil.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+81"/>
        <location line="+9"/>
        <source>Restore Device</source>
        <translation>Restaurer l’appareil</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Restore device settings from your backup.</source>
        <translation>Restaurez les paramètres de l’appareil depuis une sauvegarde.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Input the file name</source>
        <translation>Saisissez le nom du fichier</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select a file</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Backup successfully!</source>
        <translation>Sauvegarde réussie !</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to backup setting.</source>
        <translation>Échec de la sauvegarde des paramètres.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The file is not a settings backup.</source>
        <translation>Ce fichier n&apos;est pas une sauvegarde des paramètres.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup file is damaged.</source>
        <translation>Le fichier de sauvegarde est endommagé.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup was made for another model.</source>
        <translation>La sauvegarde a été faite pour un autre modèle.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to restore setting.</source>
        <translation>Échec de la restauration des paramètres.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Setting from [@] restored successfully!</source>
        <translation>Paramètres de [@] restaurés !</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <source>List Files (*.kvm)</source>
        <translation>Fichiers de sauvegarde (*.kvm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Firmware Version</source>
        <translation>Version du firmware</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed: the firmware service reported an error, please try again later.</source>
        <translation>Échec : le service de firmware a signalé une erreur, réessayez plus tard.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed: the firmware service&apos;s answer could not be read.</source>
        <translation>Échec : la réponse du service de firmware est illisible.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed, please confirm the network connection.</source>
        <translation>Échec, vérifiez la connexion réseau.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Check for latest version.</source>
        <translation>Rechercher la dernière version.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
</context>
<context>
    <name>product_setting</name>
    <message>
        <location filename="../Qml/product_setting.qml" line="+45"/>
        <location line="+72"/>
        <location line="+17"/>
        <source>Launch at Startup</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Failed to launch at startup, please try again.</source>
        <translation>Impossible d’activer le lancement au démarrage, réessayez.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Run @ automatically at startup.</source>
        <translation>Lancer @ automatiquement au démarrage.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+28"/>
        <location line="+16"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>About Us</source>
        <translation>À propos de nous</translation>
    </message>
</context>
<context>
    <name>product_support</name>
    <message>
        <location filename="../Qml/product_support.qml" line="+22"/>
        <source>Quick Start Guide</source>
        <translation>Guide de démarrage rapide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assist you to quickly understand and use the device.</source>
        <translation>Pour découvrir et utiliser rapidement l’appareil.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Manual</source>
        <translation>Manuel d’utilisation</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The complete user manual.</source>
        <translation>Le manuel d’utilisation complet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Knowledgebase and Customer Support</source>
        <translation>Base de connaissances et assistance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look up FAQ to help you solve the problems.</source>
        <translation>Consultez la FAQ pour résoudre vos problèmes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eService Help</source>
        <translation>Aide eService</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Support &amp; Additional Contacts</source>
        <translation>Assistance et autres contacts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect to eService to report the problems.</source>
        <translation>Signalez vos problèmes via eService.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To access the contact information for Service Support.</source>
        <translation>Accédez aux coordonnées du service d’assistance.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log Export</source>
        <translation>Exporter le journal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach log files can help customer service solve your problems faster.</source>
        <translation>Joindre les fichiers journaux aide le service client à résoudre plus vite votre problème.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+11"/>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
</context>
<context>
    <name>upgrade_info</name>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+36"/>
        <location line="+22"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+30"/>
        <location line="+40"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>Impossible d’ouvrir le fichier de mise à jour du firmware.</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Set upgrade mode failed, please check the device connection.</source>
        <translation>Impossible de passer en mode mise à jour. Vérifiez la connexion à l’appareil.</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+26"/>
        <location line="+8"/>
        <source>New Firmware Version</source>
        <translation>Nouvelle version du firmware</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+96"/>
        <location filename="../Qml/UpgradeOffer.qml" line="+7"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+17"/>
        <source>Offered version: @</source>
        <translation>Version proposée : @</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please read the following carefully before downloading.</source>
        <translation>Lisez attentivement ce qui suit avant de télécharger.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Licence terms</source>
        <translation>Conditions de licence</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Licence du firmware&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. Tous droits réservés, sauf ceux accordés ci-dessous.&lt;/p&gt;&lt;p&gt;Toute personne possédant un commutateur de ce type est autorisée, gratuitement, à télécharger ce firmware et son outil de mise à jour, à installer le firmware sur ce commutateur et à conserver des copies des deux à cette fin.&lt;/p&gt;&lt;p&gt;Le firmware et l’outil sont fournis &lt;b&gt;en l’état&lt;/b&gt;, sans garantie d’aucune sorte, expresse ou implicite, y compris d’adéquation à un usage particulier. Les auteurs ne sauraient en aucun cas être tenus responsables de toute réclamation, de tout dommage ou de toute autre responsabilité découlant de leur utilisation.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Avant de commencer&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Laissez le commutateur branché sur le secteur et connecté à cet ordinateur jusqu’à ce que l’outil indique qu’il a terminé.&lt;/li&gt;&lt;li&gt;Ne changez pas de port pendant l’écriture du firmware.&lt;/li&gt;&lt;li&gt;Vos paramètres sont conservés ; une sauvegarde depuis la page Maintenance en garde une copie.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;En choisissant « Télécharger », vous acceptez ces conditions.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>About this version</source>
        <translation>À propos de cette version</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Note: Only supports firmware updates for computers on Port 1.</source>
        <translation>Remarque : la mise à jour du firmware n’est possible que depuis l’ordinateur du port 1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</source>
        <translation>L&apos;outil de mise à jour est un programme Windows : sur ce système, mettez à jour depuis un ordinateur Windows branché au port 1 du commutateur.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skip this version</source>
        <translation>Ignorer cette version</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remind me later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="-166"/>
        <source>Fail to download file. Please check your internet connection and try again later.</source>
        <translation>Échec du téléchargement. Vérifiez votre connexion Internet et réessayez plus tard.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The switch was disconnected, so the download has ended.</source>
        <translation>Le commutateur a été débranché : le téléchargement est arrêté.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the switch again and check for the new firmware again.</source>
        <translation>Rebranchez le commutateur et recherchez à nouveau le nouveau firmware.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The upgrade tool could not be saved: the temporary folder is full or read-only.</source>
        <translation>L&apos;outil de mise à jour n&apos;a pas pu être enregistré : le dossier temporaire est plein ou en lecture seule.</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+8"/>
        <source>Downloading</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Download progress</source>
        <translation>Progression du téléchargement</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
