cmake_minimum_required(VERSION 3.19)
# cmake -DCATALOGUE=Vemo.json -DOUTPUT=70-vemo-portview.rules -P udev-rule.cmake
# Writes the udev rule that lets the logged-in user open the hidraw nodes of
# the catalogue's switches, one line per vendor and product ID, so the rule
# and the catalogue cannot drift apart. Any ID that is not four hex digits
# stops the build instead of ending up in a rule.
file(READ "${CATALOGUE}" catalogue)
string(JSON count LENGTH "${catalogue}" devlist)
set(lines "")
set(seen "")
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
  string(JSON vid GET "${catalogue}" devlist ${index} vid)
  string(JSON pid GET "${catalogue}" devlist ${index} pid)
  foreach(id vid pid)
    if(NOT "${${id}}" MATCHES "^[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]$")
      message(FATAL_ERROR "${CATALOGUE}: model ${index} has ${id} '${${id}}', not four hex digits")
    endif()
    # sysfs writes the IDs in lower case.
    string(TOLOWER "${${id}}" ${id})
  endforeach()
  if(NOT "${vid}:${pid}" IN_LIST seen)
    list(APPEND seen "${vid}:${pid}")
    string(APPEND lines
      "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"${vid}\", ATTRS{idProduct}==\"${pid}\", TAG+=\"uaccess\"\n")
  endif()
endforeach()
file(WRITE "${OUTPUT}.new"
  "# Generated from the device catalogue when vemo-portview was built.\n"
  "# The user at the seat may open the switches' HID nodes; nobody else.\n"
  "${lines}")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
