<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>ActivePortRow</name>
    <message>
        <location filename="../Qml/ActivePortRow.qml" line="+23"/>
        <source>Active Port</source>
        <translation>アクティブなポート</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Active</source>
        <translation>アクティブ</translation>
    </message>
</context>
<context>
    <name>CardScrollBar</name>
    <message>
        <location filename="../Qml/CardScrollBar.qml" line="+15"/>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
</context>
<context>
    <name>Faq</name>
    <message>
        <location filename="../Qml/Faq.js" line="+11"/>
        <source>Q1. What kind of computers support QV5830?</source>
        <translation>Q1. QV5830 に対応しているパソコンは？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</source>
        <translation>USB-C ポートが DisplayPort Alt Mode の映像出力に対応しているパソコンで使用できます：<byte value="xd"/>
-Windows 10 / Windows 11 搭載のノートパソコンおよびデスクトップパソコン<byte value="xd"/>
-USB-C または Thunderbolt 3 / 4 ポートを備え、macOS 11 以降を搭載した Mac<byte value="xd"/>
-USB-C ポートから映像を出力できる Chromebook および Linux パソコン<byte value="xd"/>
データ通信専用の USB-C ポートでは、キーボードとマウスは使えますが、ディスプレイに映像は表示されません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q2. What kind of Smartphone / Tablet support QV5830?</source>
        <translation>Q2. QV5830 に対応しているスマートフォン／タブレットは？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</source>
        <translation>USB-C ポートから DisplayPort Alt Mode で映像を出力できるスマートフォンとタブレット：<byte value="xd"/>
-USB-C ポートを備えた iPadOS 搭載タブレット<byte value="xd"/>
-USB-C 経由でデスクトップモードや画面ミラーリングを利用できる Android スマートフォンおよびタブレット<byte value="xd"/>
USB-C から映像を出力できないデバイスでも、キーボードとマウスは使用できます。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q3. How much power does QV5830 supply on Port 2?</source>
        <translation>Q3. QV5830 の Port 2 の給電能力は？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</source>
        <translation>Port 2 は接続したデバイスに 5V・最大 1.5A（7.5W）を給電します。<byte value="xd"/>
使用中のスマートフォンやタブレットの電池を保つことはできますが、ノートパソコンは充電できません。<byte value="xd"/>
充電が必要なノートパソコンは Port 1 に接続してください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q4. Is there any USB-PD function supported by QV5830?</source>
        <translation>Q4. QV5830 は USB-PD に対応していますか？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</source>
        <translation>はい、Port 1 は USB Power Delivery に対応しています：<byte value="xd"/>
-USB-C PD 電源アダプターを USB-C 電源ポートに接続します<byte value="xd"/>
-Port 1 のノートパソコンが 5V、9V、15V または 20V で充電されます<byte value="xd"/>
65W を超えるアダプターを推奨します（同梱されていません）。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q5. Does QV5830 support active / passive video converter?</source>
        <translation>Q5. QV5830 はアクティブ／パッシブ映像変換アダプターに対応していますか？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</source>
        <translation>DisplayPort 出力はアクティブ映像変換アダプターにのみ対応しています：<byte value="xd"/>
-アクティブ型の DisplayPort - HDMI／DVI／VGA 変換アダプターは信号を変換するため使用できます<byte value="xd"/>
-パッシブ型アダプターにはデュアルモード出力が必要ですが、このポートは非対応のため映像は表示されません<byte value="xd"/>
ディスプレイが対応している場合は、DisplayPort ケーブルで接続してください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</source>
        <translation>Q6. QV5830 を 2Lane DP から 4Lane DP に切り替えるには？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</source>
        <translation>ポート切替ボタンを 3 秒間長押しし、LED が点滅するまで待ちます：<byte value="xd"/>
-2 Lane モード -&gt; Port1 と Port 2 の LED が 1 回点滅<byte value="xd"/>
-4 Lane モード -&gt; Port1 と Port 2 の LED が 2 回点滅。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q7. Does it support Nintendo Switch?</source>
        <translation>Q7. Nintendo Switch に対応していますか？</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No, it does not support Nintendo Switch.</source>
        <translation>いいえ、Nintendo Switch には対応していません。</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <location filename="../Qml/GuidePage.qml" line="+24"/>
        <source>USB Type-A ports</source>
        <translation>USB Type-A ポート</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>jack for port switch button</source>
        <translation>ポート切替ボタン端子</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DisplayPort out</source>
        <translation>DisplayPort 出力</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-C port (source 2)</source>
        <translation>USB-C ポート（ソース 2）</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (source 1)</source>
        <translation>USB-C ポート（ソース 1）</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (power)*</source>
        <translation>USB-C ポート（電源）*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>power jack</source>
        <translation>電源端子</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 1 status LED</source>
        <translation>ポート 1 状態 LED</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 2 status LED</source>
        <translation>ポート 2 状態 LED</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</source>
        <translation>USB マウス、USB キーボード、プリンター、外付けハードディスクなど、最大 4 台の USB 周辺機器を本機の USB Type-A ポートに接続します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect a USB-C source device to the unit’s USB-C port (source 1).</source>
        <translation>USB-C ソースデバイスを本機の USB-C ポート（ソース 1）に接続します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</source>
        <translation>DisplayPort 対応ディスプレイを本機の DisplayPort 出力ポートに接続します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</source>
        <translation>この USB-C ポート（電源）は、5V、9V、15V、20V 出力の USB-C PD によるノートパソコン充電に対応しています。USB-C 電源アダプターは同梱されていません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</source>
        <translation>デバイスの充電には、Limited Power Source（LPS）認証を取得した 65W 超の USB-C PD 電源アダプターを推奨します。基本的な USB 機能と映像出力には、最低 5V・3A の電源が必要です。</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Make sure each device has installed @ Portview and connected to @ KVM correctly.</source>
        <translation>各デバイスに @ Portview がインストールされ、@ KVM に正しく接続されていることを確認してください。</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>Connect another USB-C source device to the unit’s USB-C port (source 2).</source>
        <translation>もう 1 台の USB-C ソースデバイスを本機の USB-C ポート（ソース 2）に接続します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect the supplied port switch button to the indicated jack.</source>
        <translation>付属のポート切替ボタンを所定の端子に接続します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the power adapter to the unit’s power jack.</source>
        <translation>電源アダプターを本機の電源端子に接続します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</source>
        <translation>（オプション）ソースデバイスを USB-C ポート（電源）に接続すると、PD でノートパソコンを充電できます。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hardware Overview</source>
        <translation>ハードウェアの概要</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation</source>
        <translation>設置</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Skip</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Computers connected to the switch</source>
        <translation>切替器に接続したパソコン</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can be found at [Support] -&gt; [Quick Start Guide]</source>
        <translation>[サポート] -&gt; [クイックスタートガイド] で確認できます</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finish</source>
        <translation>完了</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <location filename="../Qml/HeadControl.qml" line="+136"/>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>confirm_dialog_control</name>
    <message>
        <location filename="../Qml/confirm_dialog_control.qml" line="+66"/>
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>このキーは使用できません。</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>Conflict to system hotkey.</source>
        <translation>システムのホットキーと競合しています。</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+18"/>
        <source>Please enter combination key.</source>
        <translation>キーの組み合わせを入力してください。</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+128"/>
        <source>Hotkey Edit</source>
        <translation>ホットキーの編集</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Click the box to type the shortcut key.</source>
        <translation>ボックスをクリックしてショートカットキーを入力します。</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+37"/>
        <source>Device Switch</source>
        <translation>デバイス切替</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Not set</source>
        <translation>未設定</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save</source>
        <translation>保存</translation>
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
        <translation>キャンセル</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+52"/>
        <source>Firmware Upgrade</source>
        <translation>ファームウェアの更新</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch now reports firmware version @.</source>
        <translation>スイッチのファームウェアのバージョンは @ になりました。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch still reports firmware version @: the firmware is unchanged.</source>
        <translation>スイッチのファームウェアのバージョンは @ のままです。ファームウェアは変更されていません。</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="-55"/>
        <source>The change could not be saved: the home folder is full or read-only.</source>
        <translation>変更を保存できませんでした：ホームフォルダーがいっぱいか、読み取り専用です。</translation>
    </message>
    <message>
        <location line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="+69"/>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit @?</source>
        <translation>@ を終了しますか？</translation>
    </message>
    <message>
        <location line="-54"/>
        <location filename="../Qml/UpgradeLauncher.qml" line="-12"/>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+1"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>ファームウェア更新ファイルを開けませんでした。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</source>
        <translation>スイッチは更新モードのままです。更新モードを終了するにはスイッチを抜き差しするか、更新ツールをもう一度起動してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Again</source>
        <translation>もう一度起動</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="+199"/>
        <source>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</source>
        <translation>このデスクトップには通知領域がありません。ホットキーが使えるように、@ は最小化したまま動作を続けます。</translation>
    </message>
    <message>
        <location filename="../Qml/LogoBar.qml" line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="-4"/>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="+37"/>
        <source>Select Devices</source>
        <translation>デバイスの選択</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Searching for devices</source>
        <translation>デバイスを検索しています</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware upgrade in progress: keep the switch connected</source>
        <translation>ファームウェアを更新中です。スイッチを接続したままにしてください</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No device detected</source>
        <translation>デバイスが見つかりません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the connection to the device.</source>
        <translation>デバイスの接続を確認してください。</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <location filename="../catalogue/descriptions.js" line="+6"/>
        <source>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</source>
        <translation>2 ポート USB-C KVM 切替器&lt;br&gt;DisplayPort 4K 60 Hz、USB-C PD 充電</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</source>
        <translation>2 ポート USB-C デュアルディスプレイ KVM 切替器&lt;br&gt;DisplayPort 4K 60 Hz 出力 ×2、USB-C PD 充電</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="-105"/>
        <source>Search again</source>
        <translation>再検索</translation>
    </message>
    <message>
        <location filename="../Qml/CardOpenProblem.qml" line="+19"/>
        <source>This switch still cannot be opened.</source>
        <translation>この切替器はまだ開けません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This switch cannot be opened.</source>
        <translation>この切替器を開けません。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</source>
        <translation>このユーザーには使用権限がありません。アクセスを許可する udev ルールがありません。次のコマンドでインストールしてから、再試行してください：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your user has no access to it. Ask the administrator of this computer for access, then try again.</source>
        <translation>このユーザーにはアクセス権がありません。このコンピューターの管理者にアクセス権を依頼してから、再試行してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program is using it. Close that program, then try again.</source>
        <translation>別のプログラムが使用中です。そのプログラムを終了してから、再試行してください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unplug it and plug it in again, then try again.</source>
        <translation>抜いて差し直してから、再試行してください。</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Command that installs the udev rule</source>
        <translation>udev ルールをインストールするコマンド</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <location filename="../Qml/Ports.js" line="+10"/>
        <source>Port @</source>
        <translation>ポート @</translation>
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
        <translation>起動時の表示トラブルを解消し、解像度を最適化します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>注意：Video Fitwell を有効にしてモニターとの互換性に問題が生じた場合は、Video Fitwell を無効にしてください。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DP lane </source>
        <translation>DP レーン </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select suitable DP Lanes for current port.</source>
        <translation>現在のポートに適した DP レーン数を選択します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Silent Removal</source>
        <translation>USB サイレント取り外し</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove your USB devices without system prompt sound.</source>
        <translation>システムの通知音を鳴らさずに USB デバイスを取り外します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Safely Removal</source>
        <translation>USB 安全な取り外し</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safely remove your USB devices.</source>
        <translation>USB デバイスを安全に取り外します。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not set</source>
        <translation>未設定</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The operation failed</source>
        <translation>操作に失敗しました</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to control the device, please check the device connection.</source>
        <translation>デバイスを制御できませんでした。デバイスの接続を確認してください。</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Note</source>
        <translation>注意</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Video Fitwell を有効にしてモニターとの互換性に問題が生じた場合は、Video Fitwell を無効にしてください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+128"/>
        <source>Reset to Default</source>
        <translation>初期設定に戻す</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Are you sure you want to reset the device setting to factory default?</source>
        <translation>デバイスの設定を工場出荷時の状態に戻しますか？</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+134"/>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Reset success!</source>
        <translation>リセットしました！</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset to default successfully!</source>
        <translation>初期設定に戻しました！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset failed</source>
        <translation>リセットに失敗しました</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to reset the device, please check the device connection.</source>
        <translation>デバイスをリセットできませんでした。デバイスの接続を確認してください。</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch Hotkey</source>
        <translation>切替ホットキー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotkeys for switching between devices.</source>
        <translation>デバイスを切り替えるホットキーです。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop does not allow global shortcuts for this program.</source>
        <translation>このデスクトップでは、このプログラムのグローバルショートカットが許可されていません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</source>
        <translation>デスクトップの設定で @ にグローバルショートカットを許可するか、X11 セッションでログインしてください。それまでは、ウィンドウにフォーカスがあるときだけホットキーが使えます。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reset the settings to default.</source>
        <translation>設定を初期値に戻します。</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>2 Lane:support USB 3.0 up to 4K@60</source>
        <translation>2 Lane：USB 3.0 対応、最大 4K@60</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4 Lane:support USB 2.0 up to 4K@60</source>
        <translation>4 Lane：USB 2.0 対応、最大 4K@60</translation>
    </message>
</context>
<context>
    <name>product_faq</name>
    <message>
        <location filename="../Qml/product_faq.qml" line="+60"/>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+76"/>
        <location line="+11"/>
        <source>FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+8"/>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No questions match your search.</source>
        <translation>検索に一致する質問はありません。</translation>
    </message>
</context>
<context>
    <name>product_frame</name>
    <message>
        <location filename="../Qml/product_frame.qml" line="+120"/>
        <source>Version is up to date!</source>
        <translation>最新バージョンです！</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current firmware is the latest version.</source>
        <translation>現在のファームウェアは最新バージョンです。</translation>
    </message>
    <message>
        <location filename="../Qml/product_device.qml" line="-153"/>
        <location filename="../Qml/product_frame.qml" line="+20"/>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <location filename="../Qml/product_frame.qml" line="+1"/>
        <source>Maintenance</source>
        <translation>メンテナンス</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Home</source>
        <translation>ホーム</translation>
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
        <translation>バックアップ</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Make a local copy of your device settings.</source>
        <translation>デバイスの設定をローカルにバックアップします。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+81"/>
        <location line="+9"/>
        <source>Restore Device</source>
        <translation>デバイスの復元</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Restore device settings from your backup.</source>
        <translation>バックアップからデバイスの設定を復元します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Input the file name</source>
        <translation>ファイル名を入力</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select a file</source>
        <translation>ファイルを選択</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Backup successfully!</source>
        <translation>バックアップしました！</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to backup setting.</source>
        <translation>設定をバックアップできませんでした。</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The file is not a settings backup.</source>
        <translation>このファイルは設定のバックアップではありません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup file is damaged.</source>
        <translation>バックアップファイルが壊れています。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup was made for another model.</source>
        <translation>このバックアップは別のモデル用です。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to restore setting.</source>
        <translation>設定を復元できませんでした。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Setting from [@] restored successfully!</source>
        <translation>[@] から設定を復元しました！</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <source>List Files (*.kvm)</source>
        <translation>設定ファイル (*.kvm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Firmware Version</source>
        <translation>ファームウェアのバージョン</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking</source>
        <translation>確認中</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed: the firmware service reported an error, please try again later.</source>
        <translation>失敗しました。ファームウェアサービスがエラーを返しました。後でもう一度お試しください。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed: the firmware service&apos;s answer could not be read.</source>
        <translation>失敗しました。ファームウェアサービスの応答を読み取れませんでした。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed, please confirm the network connection.</source>
        <translation>失敗しました。ネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Check for latest version.</source>
        <translation>最新バージョンを確認します。</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Check</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>product_setting</name>
    <message>
        <location filename="../Qml/product_setting.qml" line="+45"/>
        <location line="+72"/>
        <location line="+17"/>
        <source>Launch at Startup</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Failed to launch at startup, please try again.</source>
        <translation>ログイン時の起動を設定できませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Run @ automatically at startup.</source>
        <translation>ログイン時に @ を自動的に起動します。</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+28"/>
        <location line="+16"/>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>About Us</source>
        <translation>会社情報</translation>
    </message>
</context>
<context>
    <name>product_support</name>
    <message>
        <location filename="../Qml/product_support.qml" line="+22"/>
        <source>Quick Start Guide</source>
        <translation>クイックスタートガイド</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assist you to quickly understand and use the device.</source>
        <translation>デバイスをすぐに理解して使い始めるためのガイドです。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Manual</source>
        <translation>ユーザーマニュアル</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The complete user manual.</source>
        <translation>完全版のユーザーマニュアルです。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Knowledgebase and Customer Support</source>
        <translation>ナレッジベースとカスタマーサポート</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look up FAQ to help you solve the problems.</source>
        <translation>よくある質問で問題の解決方法を調べます。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eService Help</source>
        <translation>eService ヘルプ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Support &amp; Additional Contacts</source>
        <translation>サポートとその他の連絡先</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect to eService to report the problems.</source>
        <translation>eService から問題を報告します。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To access the contact information for Service Support.</source>
        <translation>サービスサポートの連絡先を確認します。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log Export</source>
        <translation>ログのエクスポート</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach log files can help customer service solve your problems faster.</source>
        <translation>ログファイルを添付すると、カスタマーサービスが問題をより早く解決できます。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+11"/>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
</context>
<context>
    <name>upgrade_info</name>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+36"/>
        <location line="+22"/>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+30"/>
        <location line="+40"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>ファームウェア更新ファイルを開けませんでした。</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Set upgrade mode failed, please check the device connection.</source>
        <translation>アップグレードモードに切り替えられませんでした。デバイスの接続を確認してください。</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+26"/>
        <location line="+8"/>
        <source>New Firmware Version</source>
        <translation>新しいファームウェア</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+96"/>
        <location filename="../Qml/UpgradeOffer.qml" line="+7"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+17"/>
        <source>Offered version: @</source>
        <translation>提供されるバージョン: @</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please read the following carefully before downloading.</source>
        <translation>ダウンロードする前に、以下をよくお読みください。</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Licence terms</source>
        <translation>使用許諾条件</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;ファームウェア使用許諾&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. 以下で許諾するものを除き、すべての権利を留保します。&lt;/p&gt;&lt;p&gt;この種類の切替器を所有するすべての方に、本ファームウェアとそのアップグレードツールを無償でダウンロードし、ファームウェアをその切替器にインストールし、その目的のために両者のコピーを保管することを許諾します。&lt;/p&gt;&lt;p&gt;本ファームウェアおよびツールは&lt;b&gt;現状のまま&lt;/b&gt;提供され、特定目的への適合性を含め、明示または黙示を問わずいかなる保証もありません。作者は、その使用から生じるいかなる請求、損害、その他の責任についても一切責任を負いません。&lt;/p&gt;&lt;p&gt;&lt;b&gt;始める前に&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;ツールが完了を知らせるまで、切替器を電源とこのパソコンに接続したままにしてください。&lt;/li&gt;&lt;li&gt;ファームウェアの書き込み中はポートを切り替えないでください。&lt;/li&gt;&lt;li&gt;設定はそのまま残ります。「メンテナンス」ページでバックアップを取ればコピーを保存できます。&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;「ダウンロード」を選択すると、これらの条件に同意したものとみなされます。&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>About this version</source>
        <translation>このバージョンについて</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Note: Only supports firmware updates for computers on Port 1.</source>
        <translation>注意：ファームウェアの更新は Port 1 に接続したパソコンからのみ行えます。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</source>
        <translation>更新ツールは Windows 用のプログラムです。このシステムでは、スイッチのポート 1 に接続した Windows コンピューターから更新してください。</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skip this version</source>
        <translation>このバージョンをスキップ</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remind me later</source>
        <translation>後で通知</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="-166"/>
        <source>Fail to download file. Please check your internet connection and try again later.</source>
        <translation>ファイルをダウンロードできませんでした。インターネット接続を確認し、しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The switch was disconnected, so the download has ended.</source>
        <translation>スイッチが切断されたため、ダウンロードを終了しました。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the switch again and check for the new firmware again.</source>
        <translation>スイッチをもう一度接続し、新しいファームウェアを再確認してください。</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The upgrade tool could not be saved: the temporary folder is full or read-only.</source>
        <translation>アップグレードツールを保存できませんでした：一時フォルダーがいっぱいか、読み取り専用です。</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+8"/>
        <source>Downloading</source>
        <translation>ダウンロード中</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Download progress</source>
        <translation>ダウンロードの進行状況</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
