# The container library's sources, relative to EncryptAPI/: read by
# EncryptAPI/CMakeLists.txt, the fuzz target and the Windows checks
# (tests/windows). The two small Qt bridges (the log line, the working
# files) are listed apart: the Windows checks have no Qt to compile them with.
set(ENCRYPTAPI_PORTABLE_SOURCES
  AsymCipher.cpp BlockCipher.cpp ContainerFormat.cpp ContentKey.cpp Digest.cpp EncryptApi.cpp
  FileContainer.cpp NativeFile.cpp StringCipher.cpp)
set(ENCRYPTAPI_QT_SOURCES AppFiles.cpp EncryptLog.cpp)
