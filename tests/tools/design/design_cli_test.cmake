# Runs the parlox-design binary on a copy of the demo's project: collecting its forms changes
# nothing, switching its storage to a translations file and back loses nothing, and renames
# and deletions keep the keys in step in both modes.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/demo ${WORK_DIR}/config ${WORK_DIR}/runtime)
file(CHMOD ${WORK_DIR}/runtime PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
# The selector reads a remembered language at design time too: no user's settings here.
set(ENV{XDG_CONFIG_HOME} ${WORK_DIR}/config)
set(ENV{XDG_RUNTIME_DIR} ${WORK_DIR}/runtime)
set(ENV{QT_QPA_PLATFORM} offscreen)

set(demo ${SOURCE_DIR}/examples/demo)
set(project ${WORK_DIR}/demo)
set(forms ${project}/demomainwindow.json ${project}/demoaboutbox.json)
file(COPY ${demo}/demomainwindow.json ${demo}/demoaboutbox.json ${demo}/demomainwindow.cpp
     ${demo}/demoaboutbox.cpp ${demo}/main.cpp DESTINATION ${project})

function(design code)
  execute_process(COMMAND ${TOOL} ${ARGN} WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL code)
    message(FATAL_ERROR "parlox-design ${ARGN}: exit ${rc}, expected ${code}\n${out}${err}")
  endif()
  set(last_err "${err}" PARENT_SCOPE)
endfunction()

function(expect_same_forms why)
  foreach(form demomainwindow demoaboutbox)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${demo}/${form}.json
      ${project}/${form}.json RESULT_VARIABLE differs)
    if(differs)
      message(FATAL_ERROR "${why}: ${form}.json changed")
    endif()
  endforeach()
endfunction()

# The translations file without its offsets, which depend on the order sections were written.
function(dump_tables file var)
  execute_process(COMMAND ${LNG_TOOL} dump ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "parlox-lng dump ${file} failed")
  endif()
  string(REGEX REPLACE "\"[a-zA-Z]*Offset\": [0-9]+,?\n" "" dump "${dump}")
  set(${var} "${dump}" PARENT_SCOPE)
endfunction()

function(expect_keys text present absent)
  foreach(key IN LISTS present)
    string(FIND "${${text}}" "${key}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${key} missing from ${text}")
    endif()
  endforeach()
  foreach(key IN LISTS absent)
    string(FIND "${${text}}" "${key}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "${key} still in ${text}")
    endif()
  endforeach()
endfunction()

design(2)
if(NOT last_err MATCHES "^usage: parlox-design")
  message(FATAL_ERROR "no usage on stderr: ${last_err}")
endif()

# The demo's forms are kept with this tool: collecting them again changes nothing.
design(0 collect ${forms})
expect_same_forms("collect")

# Every translation moves into a new translations file (the one the demo ships as JSON) ...
design(0 storage ${project} flat-file ${forms})
dump_tables(${project}/demo.lng moved)
execute_process(COMMAND ${LNG_TOOL} build ${demo}/translations.json ${WORK_DIR}/shipped.lng
  --encoding UTF-8)
dump_tables(${WORK_DIR}/shipped.lng shipped)
if(NOT moved STREQUAL shipped)
  message(FATAL_ERROR "the moved translations differ from examples/demo/translations.json")
endif()
# ... and back, the form data as it was and the file unchanged.
file(READ ${project}/demo.lng flat HEX)
design(0 storage ${project} form-data ${forms})
expect_same_forms("storage round trip")
file(READ ${project}/demo.lng after HEX)
if(NOT flat STREQUAL after)
  message(FATAL_ERROR "switching back changed the translations file")
endif()

# Renames and deletions keep the keys in step with the form data ...
design(0 rename ${project}/demomainwindow.json BtnHello BtnGreet)
design(0 delete ${project}/demomainwindow.json FruitList)
file(READ ${project}/demomainwindow.json main)
expect_keys(main "[BtnGreet.Caption];[BtnGreet.Hint]" "BtnHello;FruitList")
# ... and with the translations file, for a form whose selector is on another form.
design(0 storage ${project} flat-file ${forms})
design(0 rename ${project}/demoaboutbox.json BtnOK BtnClose ${project}/demomainwindow.json)
design(0 delete ${project}/demomainwindow.json SizeCombo ${project}/demoaboutbox.json)
dump_tables(${project}/demo.lng file)
expect_keys(file "[BtnClose.Caption];[BtnGreet.Caption];[SizeLabel.Caption]"
  "[BtnOK.;[SizeCombo.;FruitList")
