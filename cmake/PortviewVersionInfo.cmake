# portview_version_info(TARGET VERSION a.b.c.d STRINGS "Key=Value"...)
# Gives an executable its version strings: a VERSIONINFO resource on
# Windows, and on other systems the same VS_VERSIONINFO block in the ELF
# section ".vs_version_info", written by versioninfo-section. The program's
# getFileInfo reads both.
function(portview_version_info target)
  cmake_parse_arguments(V "" "VERSION" "STRINGS" ${ARGN})
  set(base ${CMAKE_CURRENT_BINARY_DIR}/${target}_version)
  if(WIN32)
    string(REPLACE "." "," numbers "${V_VERSION}")
    set(values "")
    foreach(pair ${V_STRINGS})
      string(FIND "${pair}" "=" equals)
      string(SUBSTRING "${pair}" 0 ${equals} key)
      math(EXPR start "${equals} + 1")
      string(SUBSTRING "${pair}" ${start} -1 value)
      string(APPEND values "      VALUE \"${key}\", \"${value}\"\n")
    endforeach()
    file(WRITE ${base}.rc "#include <windows.h>\n\nVS_VERSION_INFO VERSIONINFO\n FILEVERSION ${numbers}\n"
      " PRODUCTVERSION ${numbers}\n FILEFLAGSMASK 0x3fL\n FILEFLAGS 0x0L\n FILEOS VOS_NT_WINDOWS32\n"
      " FILETYPE VFT_APP\n FILESUBTYPE 0x0L\nBEGIN\n  BLOCK \"StringFileInfo\"\n  BEGIN\n"
      "    BLOCK \"040904b0\"\n    BEGIN\n${values}    END\n  END\n  BLOCK \"VarFileInfo\"\n  BEGIN\n"
      "    VALUE \"Translation\", 0x409, 1200\n  END\nEND\n")
    target_sources(${target} PRIVATE ${base}.rc)
    return()
  endif()
  add_custom_command(OUTPUT ${base}.cpp
    COMMAND versioninfo-section ${base}.cpp portview_version_info ${V_VERSION} ${V_STRINGS}
    DEPENDS versioninfo-section
    COMMENT "Version strings of ${target}" VERBATIM)
  target_sources(${target} PRIVATE ${base}.cpp)
endfunction()
