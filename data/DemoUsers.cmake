# Makes the demo user database: the administrator and every candidate of the
# users CSV (name,password,language,category,book). Run with cmake -P:
#
#   -DVELKO_USERS=<velko-users program> -DUSERS_CSV=<users.csv>
#   -DOUTPUT=<database file> -DADMIN_PIN_FILE=<file holding the administrator's PIN>
#   -DWORK_DIR=<scratch folder>
#
# The PINs are handed to velko-users on its standard input, never on its
# command line, where every user of the machine could read them.

foreach(var VELKO_USERS USERS_CSV OUTPUT ADMIN_PIN_FILE WORK_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "DemoUsers.cmake: ${var} is not set")
  endif()
endforeach()

set(pin_file ${WORK_DIR}/demo-users.pin)

# Runs velko-users with the PIN as its standard input.
function(velko_users_with_pin pin)
  file(WRITE ${pin_file} "${pin}\n")
  execute_process(COMMAND ${VELKO_USERS} ${ARGN} --password-stdin
                  INPUT_FILE ${pin_file}
                  RESULT_VARIABLE result)
  file(REMOVE ${pin_file})
  if(NOT result EQUAL 0)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "velko-users ${ARGV1} failed (${result})")
  endif()
endfunction()

file(STRINGS ${USERS_CSV} user_lines ENCODING UTF-8)
list(POP_FRONT user_lines)   # header
set(users)
foreach(line IN LISTS user_lines)
  string(STRIP "${line}" line)
  if(line STREQUAL "")
    continue()
  endif()
  string(REPLACE "," ";" fields "${line}")
  list(LENGTH fields n)
  if(NOT n EQUAL 5)
    message(FATAL_ERROR "users.csv: expected name,password,language,category,book in \"${line}\"")
  endif()
  list(APPEND users "${line}")
endforeach()

file(STRINGS ${ADMIN_PIN_FILE} admin_pin LIMIT_COUNT 1)

file(MAKE_DIRECTORY ${WORK_DIR})
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(REMOVE ${OUTPUT})
velko_users_with_pin("${admin_pin}" create ${OUTPUT})
foreach(line IN LISTS users)
  string(REPLACE "," ";" fields "${line}")
  list(GET fields 0 u_name)
  list(GET fields 1 u_password)
  list(GET fields 2 u_language)
  list(GET fields 3 u_category)
  list(GET fields 4 u_book)
  velko_users_with_pin("${u_password}" add ${OUTPUT} --name ${u_name}
                       --language ${u_language} --category ${u_category} --book ${u_book})
endforeach()
