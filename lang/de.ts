<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ActivePortRow</name>
    <message>
        <location filename="../Qml/ActivePortRow.qml" line="+23"/>
        <source>Active Port</source>
        <translation>Aktiver Anschluss</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
</context>
<context>
    <name>CardScrollBar</name>
    <message>
        <location filename="../Qml/CardScrollBar.qml" line="+15"/>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
</context>
<context>
    <name>Faq</name>
    <message>
        <location filename="../Qml/Faq.js" line="+11"/>
        <source>Q1. What kind of computers support QV5830?</source>
        <translation>F1. Welche Computer unterstützen den QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</source>
        <translation>Jeder Computer, dessen USB-C-Anschluss Video im DisplayPort Alt Mode ausgibt:<byte value="xd"/>
-Notebooks und Desktop-PCs mit Windows 10 und Windows 11<byte value="xd"/>
-Mac-Computer mit USB-C- oder Thunderbolt-3- und -4-Anschlüssen ab macOS 11<byte value="xd"/>
-Chromebooks und Linux-Computer, deren USB-C-Anschluss Video ausgibt<byte value="xd"/>
Ein USB-C-Anschluss, der nur Daten überträgt, liefert Tastatur und Maus, aber kein Bild auf dem Monitor.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q2. What kind of Smartphone / Tablet support QV5830?</source>
        <translation>F2. Welche Smartphones und Tablets unterstützen den QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</source>
        <translation>Smartphones und Tablets, deren USB-C-Anschluss Video im DisplayPort Alt Mode ausgibt:<byte value="xd"/>
-Tablets mit iPadOS und USB-C-Anschluss<byte value="xd"/>
-Android-Smartphones und -Tablets mit Desktop- oder Bildschirmspiegelungsmodus über USB-C<byte value="xd"/>
Geräte ohne Videoausgabe über USB-C können weiterhin Tastatur und Maus nutzen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q3. How much power does QV5830 supply on Port 2?</source>
        <translation>F3. Wie viel Strom liefert der QV5830 an Port 2?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</source>
        <translation>Port 2 liefert dem angeschlossenen Gerät 5 V mit bis zu 1,5 A, also 7,5 W.<byte value="xd"/>
Das hält ein Smartphone oder Tablet während der Nutzung geladen, lädt aber kein Notebook.<byte value="xd"/>
Schließen Sie ein Notebook, das geladen werden soll, an Port 1 an.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q4. Is there any USB-PD function supported by QV5830?</source>
        <translation>F4. Unterstützt der QV5830 USB-PD?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</source>
        <translation>Ja, Port 1 unterstützt USB Power Delivery:<byte value="xd"/>
-Schließen Sie ein USB-C-PD-Netzteil an den USB-C-Stromanschluss an<byte value="xd"/>
-Das Notebook an Port 1 wird dann mit 5 V, 9 V, 15 V oder 20 V geladen<byte value="xd"/>
Empfohlen wird ein Netzteil mit mehr als 65 W; es ist nicht im Lieferumfang enthalten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q5. Does QV5830 support active / passive video converter?</source>
        <translation>F5. Unterstützt der QV5830 aktive und passive Videoadapter?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</source>
        <translation>Der DisplayPort-Ausgang funktioniert nur mit aktiven Videoadaptern:<byte value="xd"/>
-Aktive Adapter von DisplayPort auf HDMI, DVI oder VGA wandeln das Signal um und funktionieren<byte value="xd"/>
-Passive Adapter benötigen einen Dual-Mode-Ausgang, den dieser Anschluss nicht bietet, und zeigen kein Bild<byte value="xd"/>
Wenn der Monitor es zulässt, schließen Sie ihn mit einem DisplayPort-Kabel an.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</source>
        <translation>F6. Wie wechsle ich am QV5830 von 2-Lane-DP auf 4-Lane-DP?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</source>
        <translation>Halten Sie die Port-Umschalttaste 3 Sekunden gedrückt und warten Sie, bis die LEDs blinken:<byte value="xd"/>
-2-Lane-Modus -&gt; LEDs von Port 1 und Port 2 blinken 1-mal<byte value="xd"/>
-4-Lane-Modus -&gt; LEDs von Port 1 und Port 2 blinken 2-mal.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q7. Does it support Nintendo Switch?</source>
        <translation>F7. Wird die Nintendo Switch unterstützt?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No, it does not support Nintendo Switch.</source>
        <translation>Nein, die Nintendo Switch wird nicht unterstützt.</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <location filename="../Qml/GuidePage.qml" line="+24"/>
        <source>USB Type-A ports</source>
        <translation>USB-A-Anschlüsse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>jack for port switch button</source>
        <translation>Buchse für Port-Umschalttaste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DisplayPort out</source>
        <translation>DisplayPort-Ausgang</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-C port (source 2)</source>
        <translation>USB-C-Anschluss (Quelle 2)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (source 1)</source>
        <translation>USB-C-Anschluss (Quelle 1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (power)*</source>
        <translation>USB-C-Anschluss (Strom)*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>power jack</source>
        <translation>Netzbuchse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 1 status LED</source>
        <translation>Status-LED Port 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 2 status LED</source>
        <translation>Status-LED Port 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</source>
        <translation>Schließen Sie bis zu 4 USB-Peripheriegeräte wie USB-Maus, USB-Tastatur, Drucker oder externe Festplatte an die USB-A-Anschlüsse des Geräts an.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect a USB-C source device to the unit’s USB-C port (source 1).</source>
        <translation>Schließen Sie ein USB-C-Quellgerät an den USB-C-Anschluss (Quelle 1) des Geräts an.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</source>
        <translation>Schließen Sie einen DisplayPort-fähigen Monitor an den DisplayPort-Ausgang des Geräts an.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</source>
        <translation>Dieser USB-C-Anschluss (Strom) unterstützt das Laden von Notebooks per USB-C PD mit 5 V, 9 V, 15 V und 20 V; ein USB-C-Netzteil ist nicht im Lieferumfang enthalten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</source>
        <translation>Zum Laden von Geräten wird ein als Limited Power Source (LPS) zertifiziertes USB-C-PD-Netzteil mit mehr als 65 Watt empfohlen. Für die grundlegenden USB-Funktionen und die Videoausgabe benötigt das System mindestens 5 V, 3 A.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Make sure each device has installed @ Portview and connected to @ KVM correctly.</source>
        <translation>Stellen Sie sicher, dass @ Portview auf jedem Gerät installiert und jedes Gerät richtig mit dem @ KVM verbunden ist.</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>Connect another USB-C source device to the unit’s USB-C port (source 2).</source>
        <translation>Schließen Sie ein weiteres USB-C-Quellgerät an den USB-C-Anschluss (Quelle 2) des Geräts an.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect the supplied port switch button to the indicated jack.</source>
        <translation>Schließen Sie die mitgelieferte Port-Umschalttaste an die gekennzeichnete Buchse an.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the power adapter to the unit’s power jack.</source>
        <translation>Schließen Sie das Netzteil an die Netzbuchse des Geräts an.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</source>
        <translation>(Optional) Sie können Ihr Quellgerät an den USB-C-Anschluss (Strom) anschließen, um ein Notebook per PD zu laden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hardware Overview</source>
        <translation>Hardware-Übersicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Computers connected to the switch</source>
        <translation>Mit dem Switch verbundene Computer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can be found at [Support] -&gt; [Quick Start Guide]</source>
        <translation>Zu finden unter [Support] -&gt; [Schnellstartanleitung]</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <location filename="../Qml/HeadControl.qml" line="+136"/>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>confirm_dialog_control</name>
    <message>
        <location filename="../Qml/confirm_dialog_control.qml" line="+66"/>
        <source>Close</source>
        <translation>Schließen</translation>
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
        <translation>Taste wird nicht unterstützt.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>Conflict to system hotkey.</source>
        <translation>Konflikt mit einem System-Tastenkürzel.</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+18"/>
        <source>Please enter combination key.</source>
        <translation>Bitte eine Tastenkombination eingeben.</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+128"/>
        <source>Hotkey Edit</source>
        <translation>Tastenkürzel bearbeiten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Click the box to type the shortcut key.</source>
        <translation>Klicken Sie in das Feld und drücken Sie das Tastenkürzel.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+37"/>
        <source>Device Switch</source>
        <translation>Gerät umschalten</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Not set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save</source>
        <translation>Speichern</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+52"/>
        <source>Firmware Upgrade</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch now reports firmware version @.</source>
        <translation>Der Switch meldet jetzt die Firmware-Version @.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch still reports firmware version @: the firmware is unchanged.</source>
        <translation>Der Switch meldet weiterhin die Firmware-Version @: Die Firmware ist unverändert.</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="-55"/>
        <source>The change could not be saved: the home folder is full or read-only.</source>
        <translation>Die Änderung konnte nicht gespeichert werden: Der Home-Ordner ist voll oder schreibgeschützt.</translation>
    </message>
    <message>
        <location line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="+69"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit @?</source>
        <translation>Möchten Sie @ wirklich beenden?</translation>
    </message>
    <message>
        <location line="-54"/>
        <location filename="../Qml/UpgradeLauncher.qml" line="-12"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+1"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>Die Firmware-Update-Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</source>
        <translation>Der Switch bleibt im Update-Modus: Trennen Sie ihn und schließen Sie ihn wieder an, um den Update-Modus zu verlassen, oder starten Sie das Update-Programm erneut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Again</source>
        <translation>Erneut starten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="+199"/>
        <source>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</source>
        <translation>Dieser Desktop hat keinen Infobereich für das Symbol: @ läuft minimiert weiter, damit das Tastenkürzel funktioniert.</translation>
    </message>
    <message>
        <location filename="../Qml/LogoBar.qml" line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="-4"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="+37"/>
        <source>Select Devices</source>
        <translation>Gerät auswählen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Searching for devices</source>
        <translation>Geräte werden gesucht</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware upgrade in progress: keep the switch connected</source>
        <translation>Firmware-Update läuft: Switch nicht trennen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No device detected</source>
        <translation>Kein Gerät erkannt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the connection to the device.</source>
        <translation>Bitte prüfen Sie die Verbindung zum Gerät.</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <location filename="../catalogue/descriptions.js" line="+6"/>
        <source>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</source>
        <translation>2-Port-USB-C-KVM-Switch&lt;br&gt;DisplayPort 4K 60 Hz, Laden über USB-C PD</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</source>
        <translation>2-Port-USB-C-KVM-Switch für zwei Monitore&lt;br&gt;Zwei DisplayPort-Ausgänge 4K 60 Hz, Laden über USB-C PD</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="-105"/>
        <source>Search again</source>
        <translation>Erneut suchen</translation>
    </message>
    <message>
        <location filename="../Qml/CardOpenProblem.qml" line="+19"/>
        <source>This switch still cannot be opened.</source>
        <translation>Dieser Umschalter lässt sich noch immer nicht öffnen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This switch cannot be opened.</source>
        <translation>Dieser Umschalter lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</source>
        <translation>Ihr Benutzer darf ihn nicht verwenden: Die udev-Regel, die den Zugriff erlaubt, fehlt. Installieren Sie sie mit diesem Befehl und versuchen Sie es dann erneut:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your user has no access to it. Ask the administrator of this computer for access, then try again.</source>
        <translation>Ihr Benutzer hat keinen Zugriff darauf. Bitten Sie den Administrator dieses Computers um Zugriff und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program is using it. Close that program, then try again.</source>
        <translation>Ein anderes Programm verwendet ihn. Schließen Sie dieses Programm und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unplug it and plug it in again, then try again.</source>
        <translation>Ziehen Sie ihn ab, schließen Sie ihn wieder an und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Command that installs the udev rule</source>
        <translation>Befehl, der die udev-Regel installiert</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <location filename="../Qml/Ports.js" line="+10"/>
        <source>Port @</source>
        <translation>Anschluss @</translation>
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
        <translation>Behebt Anzeigeprobleme beim Hochfahren und optimiert die Auflösung.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Hinweis: Falls bei aktiviertem Video Fitwell Probleme mit dem Monitor auftreten, deaktivieren Sie Video Fitwell.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DP lane </source>
        <translation>DP-Lanes </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select suitable DP Lanes for current port.</source>
        <translation>Passende DP-Lanes für den aktuellen Port wählen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Silent Removal</source>
        <translation>USB lautlos entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove your USB devices without system prompt sound.</source>
        <translation>USB-Geräte ohne Systemton entfernen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Safely Removal</source>
        <translation>USB sicher entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safely remove your USB devices.</source>
        <translation>USB-Geräte sicher entfernen.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The operation failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to control the device, please check the device connection.</source>
        <translation>Das Gerät konnte nicht gesteuert werden. Bitte prüfen Sie die Verbindung zum Gerät.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Falls bei aktiviertem Video Fitwell Probleme mit dem Monitor auftreten, deaktivieren Sie Video Fitwell.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+128"/>
        <source>Reset to Default</source>
        <translation>Auf Standard zurücksetzen</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Are you sure you want to reset the device setting to factory default?</source>
        <translation>Möchten Sie die Geräteeinstellungen wirklich auf die Werkseinstellungen zurücksetzen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+134"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Reset success!</source>
        <translation>Zurückgesetzt!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset to default successfully!</source>
        <translation>Erfolgreich auf Standard zurückgesetzt!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset failed</source>
        <translation>Zurücksetzen fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to reset the device, please check the device connection.</source>
        <translation>Das Gerät konnte nicht zurückgesetzt werden. Bitte prüfen Sie die Verbindung zum Gerät.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch Hotkey</source>
        <translation>Umschalt-Tastenkürzel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotkeys for switching between devices.</source>
        <translation>Tastenkürzel zum Umschalten zwischen Geräten.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop does not allow global shortcuts for this program.</source>
        <translation>Der Desktop erlaubt diesem Programm keine globalen Tastenkürzel.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</source>
        <translation>Erlauben Sie @ in den Desktop-Einstellungen globale Tastenkürzel oder melden Sie sich mit einer X11-Sitzung an; bis dahin funktioniert das Tastenkürzel nur, solange das Fenster den Fokus hat.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reset the settings to default.</source>
        <translation>Einstellungen auf Standard zurücksetzen.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>2 Lane:support USB 3.0 up to 4K@60</source>
        <translation>2 Lanes: USB 3.0, bis zu 4K@60</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4 Lane:support USB 2.0 up to 4K@60</source>
        <translation>4 Lanes: USB 2.0, bis zu 4K@60</translation>
    </message>
</context>
<context>
    <name>product_faq</name>
    <message>
        <location filename="../Qml/product_faq.qml" line="+60"/>
        <source>Back</source>
        <translation>Zurück</translation>
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
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No questions match your search.</source>
        <translation>Keine Fragen passen zu Ihrer Suche.</translation>
    </message>
</context>
<context>
    <name>product_frame</name>
    <message>
        <location filename="../Qml/product_frame.qml" line="+120"/>
        <source>Version is up to date!</source>
        <translation>Version ist aktuell!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current firmware is the latest version.</source>
        <translation>Die Firmware ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <location filename="../Qml/product_device.qml" line="-153"/>
        <location filename="../Qml/product_frame.qml" line="+20"/>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <location filename="../Qml/product_frame.qml" line="+1"/>
        <source>Maintenance</source>
        <translation>Wartung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Home</source>
        <translation>Start</translation>
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
        <translation>Sichern</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Make a local copy of your device settings.</source>
        <translation>Lokale Kopie der Geräteeinstellungen anlegen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+81"/>
        <location line="+9"/>
        <source>Restore Device</source>
        <translation>Gerät wiederherstellen</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Restore device settings from your backup.</source>
        <translation>Geräteeinstellungen aus einer Sicherung wiederherstellen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Input the file name</source>
        <translation>Dateinamen eingeben</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select a file</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Backup successfully!</source>
        <translation>Sicherung erfolgreich!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to backup setting.</source>
        <translation>Einstellungen konnten nicht gesichert werden.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The file is not a settings backup.</source>
        <translation>Die Datei ist keine Einstellungssicherung.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup file is damaged.</source>
        <translation>Die Sicherungsdatei ist beschädigt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup was made for another model.</source>
        <translation>Die Sicherung wurde für ein anderes Modell erstellt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to restore setting.</source>
        <translation>Einstellungen konnten nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Setting from [@] restored successfully!</source>
        <translation>Einstellungen aus [@] erfolgreich wiederhergestellt!</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <source>List Files (*.kvm)</source>
        <translation>Sicherungsdateien (*.kvm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Firmware Version</source>
        <translation>Firmware-Version</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking</source>
        <translation>Wird geprüft</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed: the firmware service reported an error, please try again later.</source>
        <translation>Fehlgeschlagen: Der Firmware-Dienst hat einen Fehler gemeldet, bitte später erneut versuchen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed: the firmware service&apos;s answer could not be read.</source>
        <translation>Fehlgeschlagen: Die Antwort des Firmware-Dienstes konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed, please confirm the network connection.</source>
        <translation>Fehlgeschlagen, bitte prüfen Sie die Netzwerkverbindung.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Check for latest version.</source>
        <translation>Nach neuer Version suchen.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
</context>
<context>
    <name>product_setting</name>
    <message>
        <location filename="../Qml/product_setting.qml" line="+45"/>
        <location line="+72"/>
        <location line="+17"/>
        <source>Launch at Startup</source>
        <translation>Beim Systemstart starten</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Failed to launch at startup, please try again.</source>
        <translation>Autostart konnte nicht eingerichtet werden, bitte erneut versuchen.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Run @ automatically at startup.</source>
        <translation>@ beim Systemstart automatisch starten.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+28"/>
        <location line="+16"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>About Us</source>
        <translation>Über uns</translation>
    </message>
</context>
<context>
    <name>product_support</name>
    <message>
        <location filename="../Qml/product_support.qml" line="+22"/>
        <source>Quick Start Guide</source>
        <translation>Schnellstartanleitung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assist you to quickly understand and use the device.</source>
        <translation>Hilft Ihnen, das Gerät schnell kennenzulernen und zu nutzen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Manual</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The complete user manual.</source>
        <translation>Das vollständige Benutzerhandbuch.</translation>
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
        <translation>Wissensdatenbank und Kundensupport</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look up FAQ to help you solve the problems.</source>
        <translation>In den FAQ finden Sie Lösungen für Ihre Probleme.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eService Help</source>
        <translation>eService-Hilfe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Support &amp; Additional Contacts</source>
        <translation>Support und weitere Kontakte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect to eService to report the problems.</source>
        <translation>Probleme über eService melden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To access the contact information for Service Support.</source>
        <translation>Kontaktdaten des Service-Supports aufrufen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log Export</source>
        <translation>Protokoll exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach log files can help customer service solve your problems faster.</source>
        <translation>Mit beigefügten Protokolldateien kann der Kundendienst Ihr Problem schneller lösen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+11"/>
        <source>Support</source>
        <translation>Support</translation>
    </message>
</context>
<context>
    <name>upgrade_info</name>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+36"/>
        <location line="+22"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+30"/>
        <location line="+40"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>Die Firmware-Update-Datei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Set upgrade mode failed, please check the device connection.</source>
        <translation>Update-Modus konnte nicht aktiviert werden. Bitte prüfen Sie die Verbindung zum Gerät.</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+26"/>
        <location line="+8"/>
        <source>New Firmware Version</source>
        <translation>Neue Firmware-Version</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+96"/>
        <location filename="../Qml/UpgradeOffer.qml" line="+7"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+17"/>
        <source>Offered version: @</source>
        <translation>Angebotene Version: @</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please read the following carefully before downloading.</source>
        <translation>Bitte lesen Sie vor dem Herunterladen die folgenden Hinweise sorgfältig.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Licence terms</source>
        <translation>Lizenzbedingungen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Firmware-Lizenz&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. Alle Rechte vorbehalten, soweit unten nicht anders eingeräumt.&lt;/p&gt;&lt;p&gt;Jeder, der einen Switch dieser Art besitzt, darf diese Firmware und ihr Update-Tool kostenlos herunterladen, die Firmware auf diesem Switch installieren und zu diesem Zweck Kopien von beiden aufbewahren.&lt;/p&gt;&lt;p&gt;Firmware und Tool werden &lt;b&gt;ohne Mängelgewähr&lt;/b&gt; bereitgestellt, ohne ausdrückliche oder stillschweigende Gewährleistung jeglicher Art, einschließlich der Eignung für einen bestimmten Zweck. Die Autoren haften in keinem Fall für Ansprüche, Schäden oder sonstige Verpflichtungen, die sich aus ihrer Nutzung ergeben.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Bevor Sie beginnen&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Lassen Sie den Switch mit dem Strom und diesem Computer verbunden, bis das Tool den Abschluss meldet.&lt;/li&gt;&lt;li&gt;Schalten Sie keine Ports um, während die Firmware geschrieben wird.&lt;/li&gt;&lt;li&gt;Ihre Einstellungen bleiben erhalten; eine Sicherung auf der Seite „Wartung“ bewahrt eine Kopie.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;Mit „Herunterladen“ akzeptieren Sie diese Bedingungen.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>About this version</source>
        <translation>Über diese Version</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Note: Only supports firmware updates for computers on Port 1.</source>
        <translation>Hinweis: Firmware-Updates sind nur vom Computer an Port 1 möglich.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</source>
        <translation>Das Update-Programm ist ein Windows-Programm: Führen Sie das Update auf diesem System von einem Windows-Computer an Port 1 des Switches aus.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skip this version</source>
        <translation>Version überspringen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remind me later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="-166"/>
        <source>Fail to download file. Please check your internet connection and try again later.</source>
        <translation>Datei konnte nicht heruntergeladen werden. Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The switch was disconnected, so the download has ended.</source>
        <translation>Der Switch wurde getrennt, daher wurde der Download beendet.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the switch again and check for the new firmware again.</source>
        <translation>Schließen Sie den Switch wieder an und suchen Sie erneut nach der neuen Firmware.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The upgrade tool could not be saved: the temporary folder is full or read-only.</source>
        <translation>Das Update-Programm konnte nicht gespeichert werden: Der temporäre Ordner ist voll oder schreibgeschützt.</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+8"/>
        <source>Downloading</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Download progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
