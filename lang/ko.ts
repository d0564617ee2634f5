<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>ActivePortRow</name>
    <message>
        <location filename="../Qml/ActivePortRow.qml" line="+23"/>
        <source>Active Port</source>
        <translation>활성 포트</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Active</source>
        <translation>활성</translation>
    </message>
</context>
<context>
    <name>CardScrollBar</name>
    <message>
        <location filename="../Qml/CardScrollBar.qml" line="+15"/>
        <source>Devices</source>
        <translation>장치</translation>
    </message>
</context>
<context>
    <name>Faq</name>
    <message>
        <location filename="../Qml/Faq.js" line="+11"/>
        <source>Q1. What kind of computers support QV5830?</source>
        <translation>Q1. QV5830을 지원하는 컴퓨터는?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Any computer whose USB-C port carries DisplayPort Alt Mode video:<byte value="xd"/>
-Windows 10 and Windows 11 laptops and desktops<byte value="xd"/>
-Mac computers with USB-C or Thunderbolt 3 and 4 ports, on macOS 11 or later<byte value="xd"/>
-Chromebooks and Linux computers whose USB-C port outputs video<byte value="xd"/>
A USB-C port that carries data only gives keyboard and mouse, but no picture on the display.</source>
        <translation>USB-C 포트가 DisplayPort Alt Mode 영상 출력을 지원하는 모든 컴퓨터:<byte value="xd"/>
-Windows 10 및 Windows 11 노트북과 데스크톱<byte value="xd"/>
-USB-C 또는 Thunderbolt 3, 4 포트가 있고 macOS 11 이상을 사용하는 Mac<byte value="xd"/>
-USB-C 포트로 영상을 출력하는 Chromebook 및 Linux 컴퓨터<byte value="xd"/>
데이터 전용 USB-C 포트에서는 키보드와 마우스는 사용할 수 있지만 모니터에 화면이 나오지 않습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q2. What kind of Smartphone / Tablet support QV5830?</source>
        <translation>Q2. QV5830을 지원하는 스마트폰/태블릿은?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Smartphones and tablets whose USB-C port outputs DisplayPort Alt Mode video:<byte value="xd"/>
-Tablets on iPadOS with a USB-C port<byte value="xd"/>
-Android smartphones and tablets that offer a desktop or screen mirroring mode over USB-C<byte value="xd"/>
Devices without video output over USB-C can still use the keyboard and mouse.</source>
        <translation>USB-C 포트로 DisplayPort Alt Mode 영상을 출력하는 스마트폰과 태블릿:<byte value="xd"/>
-USB-C 포트가 있는 iPadOS 태블릿<byte value="xd"/>
-USB-C로 데스크톱 모드나 화면 미러링을 지원하는 Android 스마트폰 및 태블릿<byte value="xd"/>
USB-C 영상 출력이 없는 장치도 키보드와 마우스는 사용할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q3. How much power does QV5830 supply on Port 2?</source>
        <translation>Q3. QV5830의 Port 2는 얼마나 전원을 공급하나요?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Port 2 supplies 5V at up to 1.5A, 7.5W, to the connected device.<byte value="xd"/>
This keeps a smartphone or tablet charged while it is in use, but it does not charge a laptop.<byte value="xd"/>
Connect a laptop that needs charging to Port 1.</source>
        <translation>Port 2는 연결된 장치에 5V, 최대 1.5A, 즉 7.5W를 공급합니다.<byte value="xd"/>
사용 중인 스마트폰이나 태블릿의 배터리를 유지할 수 있지만 노트북은 충전되지 않습니다.<byte value="xd"/>
충전이 필요한 노트북은 Port 1에 연결하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q4. Is there any USB-PD function supported by QV5830?</source>
        <translation>Q4. QV5830은 USB-PD를 지원하나요?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Yes, Port 1 supports USB Power Delivery:<byte value="xd"/>
-Connect a USB-C PD power adapter to the USB-C power port<byte value="xd"/>
-The laptop on Port 1 then charges at 5V, 9V, 15V or 20V<byte value="xd"/>
An adapter over 65W is recommended; it is not supplied in the package.</source>
        <translation>예, Port 1은 USB Power Delivery를 지원합니다:<byte value="xd"/>
-USB-C PD 전원 어댑터를 USB-C 전원 포트에 연결합니다<byte value="xd"/>
-Port 1의 노트북이 5V, 9V, 15V 또는 20V로 충전됩니다<byte value="xd"/>
65W를 초과하는 어댑터를 권장하며, 어댑터는 제품에 포함되어 있지 않습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q5. Does QV5830 support active / passive video converter?</source>
        <translation>Q5. QV5830은 액티브/패시브 영상 변환기를 지원하나요?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The DisplayPort output works with active video converters only:<byte value="xd"/>
-Active DisplayPort to HDMI, DVI or VGA adapters convert the signal and work<byte value="xd"/>
-Passive adapters need a dual-mode output, which this port does not provide, and show no picture<byte value="xd"/>
Where the display allows, connect it with a DisplayPort cable.</source>
        <translation>DisplayPort 출력은 액티브 영상 변환기만 지원합니다:<byte value="xd"/>
-액티브 DisplayPort to HDMI, DVI, VGA 어댑터는 신호를 변환하므로 사용할 수 있습니다<byte value="xd"/>
-패시브 어댑터는 듀얼 모드 출력이 필요한데 이 포트는 이를 제공하지 않아 화면이 나오지 않습니다<byte value="xd"/>
모니터가 지원하면 DisplayPort 케이블로 연결하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q6. How to change 2Lane DP to 4Lane DP support on QV5830?</source>
        <translation>Q6. QV5830에서 2Lane DP를 4Lane DP로 바꾸려면?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Long press port selection button for 3 sec. and wait for LED flash:<byte value="xd"/>
-2 Lane mode -&gt; Port1 &amp; Port 2 LED flash 1 time<byte value="xd"/>
-4 Lane mode -&gt; Port1 &amp; Port 2 LED flash 2 times.</source>
        <translation>포트 선택 버튼을 3초간 길게 누르고 LED가 깜박일 때까지 기다립니다:<byte value="xd"/>
-2 Lane 모드 -&gt; Port1 및 Port 2 LED 1회 깜박임<byte value="xd"/>
-4 Lane 모드 -&gt; Port1 및 Port 2 LED 2회 깜박임.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Q7. Does it support Nintendo Switch?</source>
        <translation>Q7. Nintendo Switch를 지원하나요?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No, it does not support Nintendo Switch.</source>
        <translation>아니요, Nintendo Switch는 지원하지 않습니다.</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <location filename="../Qml/GuidePage.qml" line="+24"/>
        <source>USB Type-A ports</source>
        <translation>USB Type-A 포트</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>jack for port switch button</source>
        <translation>포트 전환 버튼 단자</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>DisplayPort out</source>
        <translation>DisplayPort 출력</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USB-C port (source 2)</source>
        <translation>USB-C 포트(소스 2)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (source 1)</source>
        <translation>USB-C 포트(소스 1)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>USB-C port (power)*</source>
        <translation>USB-C 포트(전원)*</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>power jack</source>
        <translation>전원 단자</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 1 status LED</source>
        <translation>포트 1 상태 LED</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>port 2 status LED</source>
        <translation>포트 2 상태 LED</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect up to 4 USB peripherals such as a USB mouse, USB keyboard, printer, or external hard drive to the unit’s USB Type-A ports.</source>
        <translation>USB 마우스, USB 키보드, 프린터, 외장 하드 드라이브 등 최대 4개의 USB 주변 장치를 본체의 USB Type-A 포트에 연결합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect a USB-C source device to the unit’s USB-C port (source 1).</source>
        <translation>USB-C 소스 장치를 본체의 USB-C 포트(소스 1)에 연결합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect a DisplayPort-enabled display to the unit’s DisplayPort output port.</source>
        <translation>DisplayPort 지원 모니터를 본체의 DisplayPort 출력 포트에 연결합니다.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This USB-C port (power) supports USB-C PD laptop charging at 5V, 9V, 15V, and 20V output, and the USB-C power adapter is not supplied in the package.</source>
        <translation>이 USB-C 포트(전원)는 5V, 9V, 15V, 20V 출력의 USB-C PD 노트북 충전을 지원하며, USB-C 전원 어댑터는 제품에 포함되어 있지 않습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>For device charging, a Limited Power Source (LPS) certified USB-C PD Power Adapter over 65 watts is recommended. The system power requirement for basic USB functions and video output should be at least 5V, 3A.</source>
        <translation>장치 충전에는 LPS(Limited Power Source) 인증을 받은 65W 초과 USB-C PD 전원 어댑터를 권장합니다. 기본 USB 기능과 영상 출력에는 최소 5V, 3A의 전원이 필요합니다.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>Make sure each device has installed @ Portview and connected to @ KVM correctly.</source>
        <translation>각 장치에 @ Portview가 설치되어 있고 @ KVM에 올바르게 연결되어 있는지 확인하세요.</translation>
    </message>
    <message>
        <location line="-133"/>
        <source>Connect another USB-C source device to the unit’s USB-C port (source 2).</source>
        <translation>다른 USB-C 소스 장치를 본체의 USB-C 포트(소스 2)에 연결합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Connect the supplied port switch button to the indicated jack.</source>
        <translation>제공된 포트 전환 버튼을 표시된 단자에 연결합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the power adapter to the unit’s power jack.</source>
        <translation>전원 어댑터를 본체의 전원 단자에 연결합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(Optional) You can connect your source device to the USB-C port (power) for PD laptop charging.</source>
        <translation>(선택 사항) 소스 장치를 USB-C 포트(전원)에 연결하면 PD로 노트북을 충전할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Hardware Overview</source>
        <translation>하드웨어 개요</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Installation</source>
        <translation>설치</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
    <message>
        <location line="+93"/>
        <source>Computers connected to the switch</source>
        <translation>스위치에 연결된 컴퓨터</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Can be found at [Support] -&gt; [Quick Start Guide]</source>
        <translation>[지원] -&gt; [빠른 시작 가이드]에서 확인할 수 있습니다</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Note</source>
        <translation>참고</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Finish</source>
        <translation>완료</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next</source>
        <translation>다음</translation>
    </message>
</context>
<context>
    <name>HeadControl</name>
    <message>
        <location filename="../Qml/HeadControl.qml" line="+136"/>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>confirm_dialog_control</name>
    <message>
        <location filename="../Qml/confirm_dialog_control.qml" line="+66"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>keys_control</name>
    <message>
        <location filename="../Qml/keys_control.qml" line="+65"/>
        <source>Not support key.</source>
        <translation>지원되지 않는 키입니다.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+30"/>
        <source>Conflict to system hotkey.</source>
        <translation>시스템 단축키와 충돌합니다.</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+18"/>
        <source>Please enter combination key.</source>
        <translation>조합 키를 입력하세요.</translation>
    </message>
    <message>
        <location line="-85"/>
        <location line="+128"/>
        <source>Hotkey Edit</source>
        <translation>단축키 편집</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Click the box to type the shortcut key.</source>
        <translation>상자를 클릭한 후 단축키를 입력하세요.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+37"/>
        <source>Device Switch</source>
        <translation>장치 전환</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Not set</source>
        <translation>설정 안 됨</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Qml/DialogHost.qml" line="+11"/>
        <location line="+20"/>
        <location filename="../Qml/main.qml" line="+192"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="-19"/>
        <location filename="../Qml/main.qml" line="+0"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+52"/>
        <source>Firmware Upgrade</source>
        <translation>펌웨어 업그레이드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch now reports firmware version @.</source>
        <translation>스위치의 펌웨어 버전이 이제 @입니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch still reports firmware version @: the firmware is unchanged.</source>
        <translation>스위치의 펌웨어 버전이 여전히 @입니다. 펌웨어가 변경되지 않았습니다.</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="-55"/>
        <source>The change could not be saved: the home folder is full or read-only.</source>
        <translation>변경 사항을 저장할 수 없습니다: 홈 폴더가 가득 찼거나 읽기 전용입니다.</translation>
    </message>
    <message>
        <location line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="+69"/>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Are you sure you want to quit @?</source>
        <translation>@을(를) 종료하시겠습니까?</translation>
    </message>
    <message>
        <location line="-54"/>
        <location filename="../Qml/UpgradeLauncher.qml" line="-12"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeLauncher.qml" line="+1"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>펌웨어 업그레이드 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The switch stays in upgrade mode: unplug it and plug it in again to leave upgrade mode, or start the upgrade tool again.</source>
        <translation>스위치가 업그레이드 모드에 머물러 있습니다. 업그레이드 모드를 끝내려면 스위치를 뽑았다가 다시 꽂거나 업그레이드 도구를 다시 시작하세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start Again</source>
        <translation>다시 시작</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location filename="../Qml/main.qml" line="+199"/>
        <source>No tray can show the icon on this desktop: @ keeps running minimised, so that the hotkey keeps working.</source>
        <translation>이 데스크톱에는 아이콘을 표시할 트레이가 없습니다. 단축키가 계속 작동하도록 @이(가) 최소화된 채로 계속 실행됩니다.</translation>
    </message>
    <message>
        <location filename="../Qml/LogoBar.qml" line="+53"/>
        <location filename="../Qml/TrayControl.qml" line="-4"/>
        <source>Preferences</source>
        <translation>환경설정</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="+37"/>
        <source>Select Devices</source>
        <translation>장치 선택</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Searching for devices</source>
        <translation>장치 검색 중</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Firmware upgrade in progress: keep the switch connected</source>
        <translation>펌웨어 업그레이드 중: 스위치를 연결된 상태로 두세요</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No device detected</source>
        <translation>감지된 장치 없음</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please check the connection to the device.</source>
        <translation>장치 연결을 확인하세요.</translation>
    </message>
    <message>
        <location line="+119"/>
        <source>Connected</source>
        <translation>연결됨</translation>
    </message>
    <message>
        <location filename="../catalogue/descriptions.js" line="+6"/>
        <source>2-Port USB-C KVM Switch&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD charging</source>
        <translation>2포트 USB-C KVM 스위치&lt;br&gt;DisplayPort 4K 60 Hz, USB-C PD 충전</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Port USB-C Dual-Display KVM Switch&lt;br&gt;Two DisplayPort 4K 60 Hz outputs, USB-C PD charging</source>
        <translation>2포트 USB-C 듀얼 디스플레이 KVM 스위치&lt;br&gt;DisplayPort 4K 60 Hz 출력 2개, USB-C PD 충전</translation>
    </message>
    <message>
        <location filename="../Qml/HomePage.qml" line="-105"/>
        <source>Search again</source>
        <translation>다시 검색</translation>
    </message>
    <message>
        <location filename="../Qml/CardOpenProblem.qml" line="+19"/>
        <source>This switch still cannot be opened.</source>
        <translation>이 스위치를 여전히 열 수 없습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This switch cannot be opened.</source>
        <translation>이 스위치를 열 수 없습니다.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your user may not use it: the udev rule that gives access is missing. Install it with this command, then try again:</source>
        <translation>사용자에게 사용 권한이 없습니다. 접근을 허용하는 udev 규칙이 없습니다. 이 명령으로 설치한 다음 다시 시도하세요:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Your user has no access to it. Ask the administrator of this computer for access, then try again.</source>
        <translation>사용자에게 접근 권한이 없습니다. 이 컴퓨터의 관리자에게 접근 권한을 요청한 다음 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Another program is using it. Close that program, then try again.</source>
        <translation>다른 프로그램이 사용 중입니다. 그 프로그램을 닫은 다음 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unplug it and plug it in again, then try again.</source>
        <translation>뽑았다가 다시 꽂은 다음 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Command that installs the udev rule</source>
        <translation>udev 규칙을 설치하는 명령</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <location filename="../Qml/Ports.js" line="+10"/>
        <source>Port @</source>
        <translation>포트 @</translation>
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
        <translation>부팅 시 화면 문제를 없애고 해상도를 최적화합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note: If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>참고: Video Fitwell을 켠 후 모니터 호환성 문제가 생기면 Video Fitwell을 끄세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DP lane </source>
        <translation>DP 레인 </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select suitable DP Lanes for current port.</source>
        <translation>현재 포트에 맞는 DP 레인 수를 선택합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Silent Removal</source>
        <translation>USB 무음 제거</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove your USB devices without system prompt sound.</source>
        <translation>시스템 알림음 없이 USB 장치를 제거합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USB Safely Removal</source>
        <translation>USB 안전 제거</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safely remove your USB devices.</source>
        <translation>USB 장치를 안전하게 제거합니다.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Not set</source>
        <translation>설정 안 됨</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The operation failed</source>
        <translation>작업 실패</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to control the device, please check the device connection.</source>
        <translation>장치를 제어하지 못했습니다. 장치 연결을 확인하세요.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Note</source>
        <translation>참고</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>If you encounter any monitor compatibility issues when the Video Fitwell is enabled, please disable Video Fitwell.</source>
        <translation>Video Fitwell을 켠 후 모니터 호환성 문제가 생기면 Video Fitwell을 끄세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+14"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+128"/>
        <source>Reset to Default</source>
        <translation>기본값으로 초기화</translation>
    </message>
    <message>
        <location line="-127"/>
        <source>Are you sure you want to reset the device setting to factory default?</source>
        <translation>장치 설정을 공장 기본값으로 초기화하시겠습니까?</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+134"/>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <location line="-122"/>
        <source>Reset success!</source>
        <translation>초기화했습니다!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reset to default successfully!</source>
        <translation>기본값으로 초기화했습니다!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reset failed</source>
        <translation>초기화 실패</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to reset the device, please check the device connection.</source>
        <translation>장치를 초기화하지 못했습니다. 장치 연결을 확인하세요.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Switch Hotkey</source>
        <translation>전환 단축키</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hotkeys for switching between devices.</source>
        <translation>장치 간 전환에 사용하는 단축키입니다.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The desktop does not allow global shortcuts for this program.</source>
        <translation>이 데스크톱은 이 프로그램의 전역 단축키를 허용하지 않습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Allow @ to use global shortcuts in your desktop&apos;s settings, or log in with an X11 session; until then the hotkey works only while the window has the focus.</source>
        <translation>데스크톱 설정에서 @의 전역 단축키 사용을 허용하거나 X11 세션으로 로그인하세요. 그때까지 단축키는 창에 포커스가 있을 때만 작동합니다.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>System</source>
        <translation>시스템</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Reset the settings to default.</source>
        <translation>설정을 기본값으로 되돌립니다.</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>2 Lane:support USB 3.0 up to 4K@60</source>
        <translation>2 Lane: USB 3.0 지원, 최대 4K@60</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4 Lane:support USB 2.0 up to 4K@60</source>
        <translation>4 Lane: USB 2.0 지원, 최대 4K@60</translation>
    </message>
</context>
<context>
    <name>product_faq</name>
    <message>
        <location filename="../Qml/product_faq.qml" line="+60"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+76"/>
        <location line="+11"/>
        <source>FAQ</source>
        <translation>자주 묻는 질문</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+8"/>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No questions match your search.</source>
        <translation>검색과 일치하는 질문이 없습니다.</translation>
    </message>
</context>
<context>
    <name>product_frame</name>
    <message>
        <location filename="../Qml/product_frame.qml" line="+120"/>
        <source>Version is up to date!</source>
        <translation>최신 버전입니다!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Current firmware is the latest version.</source>
        <translation>현재 펌웨어가 최신 버전입니다.</translation>
    </message>
    <message>
        <location filename="../Qml/product_device.qml" line="-153"/>
        <location filename="../Qml/product_frame.qml" line="+20"/>
        <source>Device</source>
        <translation>장치</translation>
    </message>
    <message>
        <location filename="../Qml/product_frame.qml" line="+1"/>
        <source>Maintenance</source>
        <translation>유지 관리</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Support</source>
        <translation>지원</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Home</source>
        <translation>홈</translation>
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
        <translation>백업</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Make a local copy of your device settings.</source>
        <translation>장치 설정을 로컬에 백업합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+81"/>
        <location line="+9"/>
        <source>Restore Device</source>
        <translation>장치 복원</translation>
    </message>
    <message>
        <location line="-90"/>
        <source>Restore device settings from your backup.</source>
        <translation>백업에서 장치 설정을 복원합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Restore</source>
        <translation>복원</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>Input the file name</source>
        <translation>파일 이름 입력</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Select a file</source>
        <translation>파일 선택</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Backup successfully!</source>
        <translation>백업했습니다!</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Failed to backup setting.</source>
        <translation>설정을 백업하지 못했습니다.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>The file is not a settings backup.</source>
        <translation>이 파일은 설정 백업이 아닙니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup file is damaged.</source>
        <translation>백업 파일이 손상되었습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The backup was made for another model.</source>
        <translation>이 백업은 다른 모델용입니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed to restore setting.</source>
        <translation>설정을 복원하지 못했습니다.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Setting from [@] restored successfully!</source>
        <translation>[@]에서 설정을 복원했습니다!</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+11"/>
        <source>List Files (*.kvm)</source>
        <translation>설정 파일 (*.kvm)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Firmware Version</source>
        <translation>펌웨어 버전</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Checking</source>
        <translation>확인 중</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Failed: the firmware service reported an error, please try again later.</source>
        <translation>실패: 펌웨어 서비스에서 오류를 보고했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed: the firmware service&apos;s answer could not be read.</source>
        <translation>실패: 펌웨어 서비스의 응답을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed, please confirm the network connection.</source>
        <translation>실패했습니다. 네트워크 연결을 확인하세요.</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Check for latest version.</source>
        <translation>최신 버전을 확인합니다.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Check</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>product_setting</name>
    <message>
        <location filename="../Qml/product_setting.qml" line="+45"/>
        <location line="+72"/>
        <location line="+17"/>
        <source>Launch at Startup</source>
        <translation>로그인 시 실행</translation>
    </message>
    <message>
        <location line="-89"/>
        <source>Failed to launch at startup, please try again.</source>
        <translation>로그인 시 실행을 설정하지 못했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Run @ automatically at startup.</source>
        <translation>로그인할 때 @을(를) 자동으로 실행합니다.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+28"/>
        <location line="+16"/>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>About Us</source>
        <translation>회사 소개</translation>
    </message>
</context>
<context>
    <name>product_support</name>
    <message>
        <location filename="../Qml/product_support.qml" line="+22"/>
        <source>Quick Start Guide</source>
        <translation>빠른 시작 가이드</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assist you to quickly understand and use the device.</source>
        <translation>장치를 빠르게 이해하고 사용할 수 있도록 도와줍니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User Manual</source>
        <translation>사용 설명서</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The complete user manual.</source>
        <translation>전체 사용 설명서입니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>FAQ</source>
        <translation>자주 묻는 질문</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>Knowledgebase and Customer Support</source>
        <translation>지식 베이스 및 고객 지원</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look up FAQ to help you solve the problems.</source>
        <translation>자주 묻는 질문에서 문제 해결 방법을 찾아보세요.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>eService Help</source>
        <translation>eService 도움말</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Support &amp; Additional Contacts</source>
        <translation>지원 및 기타 연락처</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect to eService to report the problems.</source>
        <translation>eService에 연결하여 문제를 신고합니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To access the contact information for Service Support.</source>
        <translation>서비스 지원 연락처를 확인합니다.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Log Export</source>
        <translation>로그 내보내기</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Attach log files can help customer service solve your problems faster.</source>
        <translation>로그 파일을 첨부하면 고객 서비스에서 문제를 더 빨리 해결할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+11"/>
        <source>Support</source>
        <translation>지원</translation>
    </message>
</context>
<context>
    <name>upgrade_info</name>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+36"/>
        <location line="+22"/>
        <source>Error</source>
        <translation>오류</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+30"/>
        <location line="+40"/>
        <source>Firmware upgrade file open failed.</source>
        <translation>펌웨어 업그레이드 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>Set upgrade mode failed, please check the device connection.</source>
        <translation>업그레이드 모드로 전환하지 못했습니다. 장치 연결을 확인하세요.</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+26"/>
        <location line="+8"/>
        <source>New Firmware Version</source>
        <translation>새 펌웨어 버전</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="+96"/>
        <location filename="../Qml/UpgradeOffer.qml" line="+7"/>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <location filename="../Qml/UpgradeOffer.qml" line="+17"/>
        <source>Offered version: @</source>
        <translation>제공되는 버전: @</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please read the following carefully before downloading.</source>
        <translation>다운로드하기 전에 다음 내용을 자세히 읽어 주세요.</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+3"/>
        <source>Licence terms</source>
        <translation>라이선스 조항</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&lt;p&gt;&lt;b&gt;Firmware Licence&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. All rights reserved except as granted below.&lt;/p&gt;&lt;p&gt;Permission is granted, free of charge, to anyone who owns a switch of this kind to download this firmware and its upgrade tool, to install the firmware on that switch and to keep copies of both for that purpose.&lt;/p&gt;&lt;p&gt;The firmware and the tool are provided &lt;b&gt;as is&lt;/b&gt;, without warranty of any kind, express or implied, including fitness for a particular purpose. In no event shall the authors be liable for any claim, damages or other liability arising from their use.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Before you start&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;Keep the switch connected to power and to this computer until the tool reports that it has finished.&lt;/li&gt;&lt;li&gt;Do not switch ports while the firmware is written.&lt;/li&gt;&lt;li&gt;Your settings stay in place; a backup on the Maintenance page keeps a copy.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;By choosing &quot;Download&quot; you accept these terms.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;펌웨어 라이선스&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Copyright © @. 아래에서 허가한 경우를 제외한 모든 권리를 보유합니다.&lt;/p&gt;&lt;p&gt;이 종류의 스위치를 소유한 누구에게나 이 펌웨어와 업그레이드 도구를 무료로 다운로드하고, 펌웨어를 해당 스위치에 설치하며, 이 목적을 위해 두 가지의 사본을 보관할 수 있도록 허가합니다.&lt;/p&gt;&lt;p&gt;펌웨어와 도구는 &lt;b&gt;있는 그대로&lt;/b&gt; 제공되며, 특정 목적에의 적합성을 포함하여 명시적이든 묵시적이든 어떠한 보증도 하지 않습니다. 저작자는 어떠한 경우에도 그 사용으로 인해 발생하는 청구, 손해 또는 기타 책임을 지지 않습니다.&lt;/p&gt;&lt;p&gt;&lt;b&gt;시작하기 전에&lt;/b&gt;&lt;/p&gt;&lt;ul&gt;&lt;li&gt;도구가 완료를 알릴 때까지 스위치를 전원과 이 컴퓨터에 연결해 두세요.&lt;/li&gt;&lt;li&gt;펌웨어를 쓰는 동안에는 포트를 전환하지 마세요.&lt;/li&gt;&lt;li&gt;설정은 그대로 유지되며, [유지 관리] 페이지에서 백업하면 사본을 보관할 수 있습니다.&lt;/li&gt;&lt;/ul&gt;&lt;p&gt;[다운로드]를 선택하면 이 약관에 동의하는 것으로 간주됩니다.&lt;/p&gt;</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>About this version</source>
        <translation>이 버전 정보</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Note: Only supports firmware updates for computers on Port 1.</source>
        <translation>참고: 펌웨어 업데이트는 Port 1에 연결된 컴퓨터에서만 할 수 있습니다.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The upgrade tool is a Windows program: on this system, upgrade from a Windows computer on the switch&apos;s Port 1.</source>
        <translation>업그레이드 도구는 Windows 프로그램입니다. 이 시스템에서는 스위치의 포트 1에 연결된 Windows 컴퓨터에서 업그레이드하세요.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Skip this version</source>
        <translation>이 버전 건너뛰기</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Remind me later</source>
        <translation>나중에 알림</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Download</source>
        <translation>다운로드</translation>
    </message>
    <message>
        <location filename="../Qml/upgrade_info.qml" line="-166"/>
        <source>Fail to download file. Please check your internet connection and try again later.</source>
        <translation>파일을 다운로드하지 못했습니다. 인터넷 연결을 확인하고 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The switch was disconnected, so the download has ended.</source>
        <translation>스위치 연결이 끊어져 다운로드가 종료되었습니다.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Connect the switch again and check for the new firmware again.</source>
        <translation>스위치를 다시 연결하고 새 펌웨어를 다시 확인하세요.</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>The upgrade tool could not be saved: the temporary folder is full or read-only.</source>
        <translation>업그레이드 도구를 저장할 수 없습니다: 임시 폴더가 가득 찼거나 읽기 전용입니다.</translation>
    </message>
    <message>
        <location line="+50"/>
        <location line="+8"/>
        <source>Downloading</source>
        <translation>다운로드 중</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Download progress</source>
        <translation>다운로드 진행률</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
</TS>
