# SPDX-License-Identifier: GPL-3.0-or-later
# No two parts of src depend on each other, directly or through others: a
# part is a header with its source file (Cerrojo.h and Cerrojo.cpp), and it
# depends on every part whose header it includes. Run as
#   cmake -DSRC=<src folder> -P Ciclos.cmake
# and fails naming a cycle when there is one.
file(GLOB_RECURSE fuentes RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(partes "")
foreach(f ${fuentes})
  string(REGEX REPLACE "\\.(h|cpp)$" "" parte "${f}")
  string(MAKE_C_IDENTIFIER "${parte}" id)
  list(APPEND partes ${parte})
  file(STRINGS ${SRC}/${f} incluidos REGEX "^#include \"")
  foreach(linea ${incluidos})
    string(REGEX REPLACE "^#include \"(.*)\\.h\".*" "\\1" otra "${linea}")
    if(NOT otra STREQUAL parte AND EXISTS ${SRC}/${otra}.h)
      list(APPEND usa_${id} ${otra})
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES partes)

# Depth first: 1 while a part is on the path, 2 once all it reaches is done.
function(visitar parte camino)
  string(MAKE_C_IDENTIFIER "${parte}" id)
  set_property(GLOBAL PROPERTY estado_${id} 1)
  foreach(otra ${usa_${id}})
    string(MAKE_C_IDENTIFIER "${otra}" otro)
    get_property(estado GLOBAL PROPERTY estado_${otro})
    if(estado STREQUAL "1")
      message(FATAL_ERROR "ciclo de inclusiones:${camino} -> ${parte} -> ${otra}")
    elseif(NOT estado STREQUAL "2")
      visitar(${otra} "${camino} -> ${parte}")
    endif()
  endforeach()
  set_property(GLOBAL PROPERTY estado_${id} 2)
endfunction()

foreach(parte ${partes})
  string(MAKE_C_IDENTIFIER "${parte}" id)
  get_property(estado GLOBAL PROPERTY estado_${id})
  if(NOT estado STREQUAL "2")
    visitar(${parte} "")
  endif()
endforeach()
list(LENGTH partes n)
message(STATUS "${n} partes, ningún ciclo")
