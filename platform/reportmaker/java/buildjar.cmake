# Builds one archive of the report maker.
#   cmake -DJAVAC=... -DJAR=... -DJASMIN=... -DOUT=<archive> -DWORK=<scratch folder>
#         [-DSOURCES="dir;dir"]      Java sources compiled into the archive
#         [-DCLASSPATH=a:b]          what they compile against
#         [-DFACADE=gm.j.in -DDELEGATE=<class> [-DDROP="name(sig"]]  the entry class
#         -P buildjar.cmake
cmake_minimum_required(VERSION 3.18)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/classes")
set(files)
foreach(dir IN LISTS SOURCES)
  file(GLOB_RECURSE found "${dir}/*.java")
  list(APPEND files ${found})
endforeach()
if(files)
  list(JOIN files "\n" listed)
  file(WRITE "${WORK}/sources.txt" "${listed}\n")
  execute_process(COMMAND "${JAVAC}" -nowarn -encoding UTF-8 --release 17 -cp "${CLASSPATH}"
                          -d "${WORK}/classes" "@${WORK}/sources.txt"
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "javac failed (${rc})")
  endif()
endif()
if(FACADE)
  execute_process(COMMAND "${CMAKE_COMMAND}" -DIN=${FACADE} -DOUT=${WORK}/gm.j -DDELEGATE=${DELEGATE}
                          "-DDROP=${DROP}" -P "${CMAKE_CURRENT_LIST_DIR}/facade/makefacade.cmake"
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "facade not made")
  endif()
  execute_process(COMMAND "${JASMIN}" -d "${WORK}/classes" "${WORK}/gm.j" RESULT_VARIABLE rc OUTPUT_QUIET)
  if(NOT rc EQUAL 0 OR NOT EXISTS "${WORK}/classes/a/b/gm.class")
    message(FATAL_ERROR "jasmin failed")
  endif()
endif()
get_filename_component(outdir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${outdir}")
execute_process(COMMAND "${JAR}" cf "${OUT}.tmp" -C "${WORK}/classes" . RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "jar failed")
endif()
file(RENAME "${OUT}.tmp" "${OUT}")
