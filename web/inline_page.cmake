# Writes OUTPUT, the one self-contained page: PAGE_DIR/kvir.html with its markers replaced by the
# style sheet, the page's strings and script, and the module MODULE (which holds the WebAssembly).
#
#   cmake -DPAGE_DIR=web/page -DMODULE=kvir-web.js -DOUTPUT=kvir.html -P inline_page.cmake

cmake_minimum_required(VERSION 3.25)

file(READ "${PAGE_DIR}/kvir.html" page)
file(READ "${PAGE_DIR}/kvir.css" style)
file(READ "${PAGE_DIR}/strings.js" strings)
file(READ "${PAGE_DIR}/kvir.js" script)
file(READ "${MODULE}" module)

foreach(part IN ITEMS strings script module)
  string(TOLOWER "${${part}}" lower)
  string(FIND "${lower}" "</script" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "inline_page.cmake: the ${part} holds </script, which would end it early")
  endif()
endforeach()

foreach(marker IN ITEMS STYLE STRINGS SCRIPT MODULE)
  string(FIND "${page}" "/*@${marker}@*/" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "inline_page.cmake: the page has no /*@${marker}@*/")
  endif()
endforeach()
string(REPLACE "/*@STYLE@*/" "${style}" page "${page}")
string(REPLACE "/*@STRINGS@*/" "${strings}" page "${page}")
string(REPLACE "/*@MODULE@*/" "${module}" page "${page}")
string(REPLACE "/*@SCRIPT@*/" "${script}" page "${page}")

file(WRITE "${OUTPUT}.tmp" "${page}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
