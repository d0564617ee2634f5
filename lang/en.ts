<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ActivePortRow</name>
    <message>
        <location filename="../Qml/ActivePortRow.qml" line="+23"/>
        <source>Active Port</source>
        <translation>Active Port</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Active</source>
        <translation>Active</translation>
    </message>
</context>
<context>
    <name>CardScrollBar</name>
    <message>
        <location filename="../Qml/CardScrollBar.qml" line="+15"/>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
</context>
<context>
    <name>Faq</name>
    <message>
        <location filename="../Qml/Faq.js" line="+11"/>
        <source>Q1. What kind of computers support QV5830?</source>
        <translation>Q1. What kind of computers support QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</source>
        <translation>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q2. What kind of Smartphone / Tablet support QV5830?</source>
        <translation>Q2. What kind of Smartphone / Tablet support QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</source>
        <translation>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q3. How much power does QV5830 supply on Port 2?</source>
        <translation>Q3. How much power does QV5830 supply on Port 2?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</source>
        <translation>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q4. Is there any USB-PD function supported by QV5830?</source>
        <translation>Q4. Is there any USB-PD function supported by QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</source>
        <translation>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q5. Does QV5830 support active / passive video converter?</source>
        <translation>Q5. Does QV5830 support active / passive video converter?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</source>
        <translation>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</source>
        <translation>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</source>
        <translation>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q7. Does it support Nintendo Switch?</source>
        <translation>Q7. Does it support Nintendo Switch?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No, it does not support Nintendo Switch.</source>
        <translation>No, it does not support Nintendo Switch.</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <location filename="../Qml/GuidePage.qml" line="+24"/>
        <source>USB Type-A ports</source>
        <translation>USB Type-A ports</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>jack for port switch button</source>
        <translation>jack for port switch button</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DisplayPort out</source>
        <translation>DisplayPort out</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-C port (source 2)</source>
        <translation>USB-C port (source 2)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (source 1)</source>
        <translation>USB-C port (source 1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (power)*</source>
        <translation>USB-C port (power)*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>power jack</source>
        <translation>power jack</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 1 status LED</source>
        <translation>port 1 status LED</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 2 status LED</source>
        <translation>port 2 status LED</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</source>
        <translation>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect a USB-C source device to the unit’s USB-C port (source 1).</source>
        <translation>Connect a USB-C source device to the unit’s USB-C port (source 1).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</source>
        <translation>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</source>
        <translation>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</source>
        <translation>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Make sure each device has installed @ Portview and connected to @ KVM correctly.</source>
        <translation>Make sure each device has installed @ Portview and connected to @ KVM correctly.</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>Connect another USB-C source device to the unit’s USB-C port (source 2).</source>
        <translation>Connect another USB-C source device to the unit’s USB-C port (source 2).</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect the supplied port switch button to the indicated jack.</source>
        <translation>Connect the supplied port switch button to the indicated jack.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the power adapter to the unit’s power jack.</source>
        <translation>Connect the power adapter to the unit’s power jack.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</source>
        <translation>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hardware Overview</source>
        <translation>Hardware Overview</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation</source>
        <translation>Installation</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Skip</source>
        <translation>Skip</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Computers connected to the switch</source>
        <translation>Computers connected to the switch</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can be found at [Support] -&gt; [Quick Start Guide]</source>
        <translation>Can be found at [Support] -&gt; [Quick Start Guide]</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <location filename="../Qml/HeadControl.qml" line="+136"/>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>confirm_dialog_control</name>
    <message>
        <location filename="../Qml/confirm_dialog_control.qml" line="+66"/>
        <source>Close</source>
        <translation>Close</translation>
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
        <translation>Not support key.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>Conflict to system hotkey.</source>
        <translation>Conflict to system hotkey.</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+18"/>
        <source>Please enter combination key.</source>
        <translation>Please enter combination key.</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+128"/>
        <source>Hotkey Edit</source>
        <translation>Hotkey Edit</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Click the box to type the shortcut key.</source>
        <translation>Click the box to type the shortcut key.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+37"/>
        <source>Device Switch</source>
        <translation>Device Switch</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Not set</source>
        <translation>Not set</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save</source>
        <translation>Save</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+52"/>
        <source>Firmware Upgrade</source>
        <translation>Firmware Upgrade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch now reports firmware version @.</source>
        <translation>The switch now reports firmware version @.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch still reports firmware version @: the firmware is unchanged.</source>
        <translation>The switch still reports firmware version @: the firmware is unchanged.</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="-55"/>
        <source>The change could not be saved: the home folder is full or read-only.</source>
        <translation>The change could not be saved: the home folder is full or read-only.</translation>
    </message>
    <message>
        <location line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="+69"/>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit @?</source>
        <translation>Are you sure you want to quit @?</translation>
    </message>
    <message>
        <location line="-54"/>
        <location filename="../Qml/UpgradeLauncher.qml" line="-12"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+1"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>Firmware upgrade file open failed.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</source>
        <translation>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Again</source>
        <translation>Start Again</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="+199"/>
        <source>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</source>
        <translation>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</translation>
    </message>
    <message>
        <location filename="../Qml/LogoBar.qml" line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="-4"/>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="+37"/>
        <source>Select Devices</source>
        <translation>Select Devices</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Searching for devices</source>
        <translation>Searching for devices</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware upgrade in progress: keep the switch connected</source>
        <translation>Firmware upgrade in progress: keep the switch connected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No device detected</source>
        <translation>No device detected</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the connection to the device.</source>
        <translation>Please check the connection to the device.</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <location filename="../catalogue/descriptions.js" line="+6"/>
        <source>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</source>
        <translation>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</source>
        <translation>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="-105"/>
        <source>Search again</source>
        <translation>Search again</translation>
    </message>
    <message>
        <location filename="../Qml/CardOpenProblem.qml" line="+19"/>
        <source>This switch still cannot be opened.</source>
        <translation>This switch still cannot be opened.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This switch cannot be opened.</source>
        <translation>This switch cannot be opened.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</source>
        <translation>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your user has no access to it. Ask the administrator of this computer for access, then try again.</source>
        <translation>Your user has no access to it. Ask the administrator of this computer for access, then try again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program is using it. Close that program, then try again.</source>
        <translation>Another program is using it. Close that program, then try again.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unplug it and plug it in again, then try again.</source>
        <translation>Unplug it and plug it in again, then try again.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Command that installs the udev rule</source>
        <translation>Command that installs the udev rule</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try again</source>
        <translation>Try again</translation>
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
        <translation>Eliminate boot-up display problems and optimize resolutions.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DP lane </source>
        <translation>DP lane </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select suitable DP Lanes for current port.</source>
        <translation>Select suitable DP Lanes for current port.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Silent Removal</source>
        <translation>USB Silent Removal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove your USB devices without system prompt sound.</source>
        <translation>Remove your USB devices without system prompt sound.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Safely Removal</source>
        <translation>USB Safely Removal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safely remove your USB devices.</source>
        <translation>Safely remove your USB devices.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not set</source>
        <translation>Not set</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The operation failed</source>
        <translation>The operation failed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to control the device, please check the device connection.</source>
        <translation>Failed to control the device, please check the device connection.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+128"/>
        <source>Reset to Default</source>
        <translation>Reset to Default</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Are you sure you want to reset the device setting to factory default?</source>
        <translation>Are you sure you want to reset the device setting to factory default?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+134"/>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Reset success!</source>
        <translation>Reset success!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset to default successfully!</source>
        <translation>Reset to default successfully!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset failed</source>
        <translation>Reset failed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to reset the device, please check the device connection.</source>
        <translation>Failed to reset the device, please check the device connection.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch Hotkey</source>
        <translation>Switch Hotkey</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotkeys for switching between devices.</source>
        <translation>Hotkeys for switching between devices.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop does not allow global shortcuts for this program.</source>
        <translation>The desktop does not allow global shortcuts for this program.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</source>
        <translation>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reset the settings to default.</source>
        <translation>Reset the settings to default.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>2 Lane:support USB 3.0 up to 4K@60</source>
        <translation>2 Lane:support USB 3.0 up to 4K@60</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4 Lane:support USB 2.0 up to 4K@60</source>
        <translation>4 Lane:support USB 2.0 up to 4K@60</translation>
    </message>
</context>
<context>
    <name>product_faq</name>
    <message>
        <location filename="../Qml/product_faq.qml" line="+60"/>
        <source>Back</source>
        <translation>Back</translation>
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
        <translation>Search</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No questions match your search.</source>
        <translation>No questions match your search.</translation>
    </message>
</context>
<context>
    <name>product_frame</name>
    <message>
        <location filename="../Qml/product_frame.qml" line="+120"/>
        <source>Version is up to date!</source>
        <translation>Version is up to date!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current firmware is the latest version.</source>
        <translation>Current firmware is the latest version.</translation>
    </message>
    <message>
        <location filename="../Qml/product_device.qml" line="-153"/>
        <location filename="../Qml/product_frame.qml" line="+20"/>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <location filename="../Qml/product_frame.qml" line="+1"/>
        <source>Maintenance</source>
        <translation>Maintenance</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Home</source>
        <translation>Home</translation>
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
        <translation>Backup</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Make a local copy of your device settings.</source>
        <translation>Make a local copy of your device settings.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+81"/>
        <location line="+9"/>
        <source>Restore Device</source>
        <translation>Restore Device</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Restore device settings from your backup.</source>
        <translation>Restore device settings from your backup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Input the file name</source>
        <translation>Input the file name</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select a file</source>
        <translation>Select a file</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Backup successfully!</source>
        <translation>Backup successfully!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to backup setting.</source>
        <translation>Failed to backup setting.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The file is not a settings backup.</source>
        <translation>The file is not a settings backup.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup file is damaged.</source>
        <translation>The backup file is damaged.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup was made for another model.</source>
        <translation>The backup was made for another model.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to restore setting.</source>
        <translation>Failed to restore setting.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Setting from [@] restored successfully!</source>
        <translation>Setting from [@] restored successfully!</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <source>List Files (*.kvm)</source>
        <translation>List Files (*.kvm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Firmware Version</source>
        <translation>Firmware Version</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking</source>
        <translation>Checking</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed: the firmware service reported an error, please try again later.</source>
        <translation>Failed: the firmware service reported an error, please try again later.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed: the firmware service&apos;s answer could not be read.</source>
        <translation>Failed: the firmware service&apos;s answer could not be read.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed, please confirm the network connection.</source>
        <translation>Failed, please confirm the network connection.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Check for latest version.</source>
        <translation>Check for latest version.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Check</source>
        <translation>Check</translation>
    </message>
</context>
<context>
    <name>product_setting</name>
    <message>
        <location filename="../Qml/product_setting.qml" line="+45"/>
        <location line="+72"/>
        <location line="+17"/>
        <source>Launch at Startup</source>
        <translation>Launch at Startup</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Failed to launch at startup, please try again.</source>
        <translation>Failed to launch at startup, please try again.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Run @ automatically at startup.</source>
        <translation>Run @ automatically at startup.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+28"/>
        <location line="+16"/>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>About Us</source>
        <translation>About Us</translation>
    </message>
</context>
<context>
    <name>product_support</name>
    <message>
        <location filename="../Qml/product_support.qml" line="+22"/>
        <source>Quick Start Guide</source>
        <translation>Quick Start Guide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assist you to quickly understand and use the device.</source>
        <translation>Assist you to quickly understand and use the device.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Manual</source>
        <translation>User Manual</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The complete user manual.</source>
        <translation>The complete user manual.</translation>
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
        <translation>Knowledgebase and Customer Support</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look up FAQ to help you solve the problems.</source>
        <translation>Look up FAQ to help you solve the problems.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eService Help</source>
        <translation>eService Help</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Support &amp; Additional Contacts</source>
        <translation>Support &amp; Additional Contacts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect to eService to report the problems.</source>
        <translation>Connect to eService to report the problems.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To access the contact information for Service Support.</source>
        <translation>To access the contact information for Service Support.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log Export</source>
        <translation>Log Export</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach log files can help customer service solve your problems faster.</source>
        <translation>Attach log files can help customer service solve your problems faster.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Export</translation>
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
        <translation>Error</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+30"/>
        <location line="+40"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>Firmware upgrade file open failed.</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Set upgrade mode failed, please check the device connection.</source>
        <translation>Set upgrade mode failed, please check the device connection.</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+26"/>
        <location line="+8"/>
        <source>New Firmware Version</source>
        <translation>New Firmware Version</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+96"/>
        <location filename="../Qml/UpgradeOffer.qml" line="+7"/>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+17"/>
        <source>Offered version: @</source>
        <translation>Offered version: @</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please read the following carefully before downloading.</source>
        <translation>Please read the following carefully before downloading.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Licence terms</source>
        <translation>Licence terms</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>About this version</source>
        <translation>About this version</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Note: Only supports firmware updates for computers on Port 1.</source>
        <translation>Note: Only supports firmware updates for computers on Port 1.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</source>
        <translation>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skip this version</source>
        <translation>Skip this version</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remind me later</source>
        <translation>Remind me later</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="-166"/>
        <source>Fail to download file. Please check your internet connection and try again later.</source>
        <translation>Fail to download file. Please check your internet connection and try again later.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The switch was disconnected, so the download has ended.</source>
        <translation>The switch was disconnected, so the download has ended.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the switch again and check for the new firmware again.</source>
        <translation>Connect the switch again and check for the new firmware again.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The upgrade tool could not be saved: the temporary folder is full or read-only.</source>
        <translation>The upgrade tool could not be saved: the temporary folder is full or read-only.</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+8"/>
        <source>Downloading</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Download progress</source>
        <translation>Download progress</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
