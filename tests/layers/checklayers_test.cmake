cmake_minimum_required(VERSION 3.25)
# Runs the layer check on the real sources (must pass) and on copies that each add one
# forbidden include (must fail, naming the file and the reason).
function(run_check dir result output)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${dir} "-DLAYERS=${LAYERS}" -P ${CHECKER}
    RESULT_VARIABLE code ERROR_VARIABLE err OUTPUT_VARIABLE out)
  set(${result} ${code} PARENT_SCOPE)
  set(${output} "${out}${err}" PARENT_SCOPE)
endfunction()

run_check(${SOURCE_DIR} code text)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "The sources break the layering:\n${text}")
endif()

# file that gets the include | the include | what the failure must say
set(cases
  "entries/frmentry.cpp|mainwindow/frmmain.h|entries/frmentry.cpp: includes mainwindow/frmmain.h, but entries does not link mainwindow"
  "app/modmain.cpp|mainwindow/frmmain.h|app/modmain.cpp: includes mainwindow/frmmain.h, but app does not link mainwindow"
  "categories/frmeditor.cpp|entries/frmentry.h|categories/frmeditor.cpp: includes entries/frmentry.h, but categories does not link entries"
  "mainwindow/entryview.cpp|entries/frmentry.h|mainwindow/entryview.cpp: includes entries/frmentry.h, another folder's window"
  "store/vault.h|app/platform.h|store/vault.h: includes app/platform.h, but store does not link app"
  "printing/frmprint.cpp|attachments/attachmentlines.h|printing/frmprint.cpp: includes attachments/attachmentlines.h, but printing does not link attachments")
foreach(case ${cases})
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 file)
  list(GET parts 1 header)
  list(GET parts 2 expected)
  file(REMOVE_RECURSE ${WORK_DIR})
  file(COPY ${SOURCE_DIR}/ DESTINATION ${WORK_DIR})
  file(APPEND ${WORK_DIR}/${file} "#include \"${header}\"\n")
  run_check(${WORK_DIR} code text)
  string(FIND "${text}" "${expected}" found)
  if(code EQUAL 0 OR found EQUAL -1)
    message(FATAL_ERROR "Including ${header} from ${file} was not refused as expected:\n${text}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
