cmake_minimum_required(VERSION 3.18)
# cmake -DIN=gm.j.in -DOUT=gm.j -DDELEGATE=quillmere/makereport/ReportMaker [-DDROP="name(sig"] -P makefacade.cmake
# Writes the entry class's source for one report maker class; DROP leaves
# one method out (the host's tests check every missing method is reported).
file(READ "${IN}" text)
string(REPLACE "%DELEGATE%" "${DELEGATE}" text "${text}")
if(DROP)
  string(FIND "${text}" ".method public ${DROP}" start)
  if(start EQUAL -1)
    message(FATAL_ERROR "no method ${DROP}")
  endif()
  string(SUBSTRING "${text}" ${start} -1 rest)
  string(FIND "${rest}" ".end method" end)
  math(EXPR end "${end} + 11")
  string(SUBSTRING "${text}" 0 ${start} head)
  string(SUBSTRING "${rest}" ${end} -1 tail)
  set(text "${head}${tail}")
endif()
file(WRITE "${OUT}" "${text}")
