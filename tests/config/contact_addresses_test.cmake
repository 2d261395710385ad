# Run by CTest with -P: SOURCE_DIR, WORK_DIR, CXX and GENERATOR are given on the command line.
file(REMOVE_RECURSE ${WORK_DIR})

# Configures the project (no window side, no tests: only the header matters) into `dir` with the
# extra arguments; `result` receives the exit status and `output` what CMake said.
function(configure dir result output)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${dir} -G ${GENERATOR}
            -DKALVORA_BUILD_GUI=OFF -DKALVORA_BUILD_TESTS=OFF ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(${result} ${status} PARENT_SCOPE)
  set(${output} "${out}${err}" PARENT_SCOPE)
endfunction()

set(mail "prodej.kalvora+skoly@skola-example.cz")
set(other "https://example.cz/programy?autor=kalvora&jazyk=cs#seznam")
set(coax "http://example.cz/clanky/koaxi%C3%A1ln%C3%AD-kabel")
configure(${WORK_DIR}/chosen status output
  -DKALVORA_AUTHOR_MAIL=${mail} -DKALVORA_OTHER_PROGRAMS_URL=${other} -DKALVORA_COAX_ARTICLE_URL=${coax})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "configuring with chosen addresses failed:\n${output}")
endif()
execute_process(
  COMMAND ${CXX} -std=c++20 -Wall -Wextra -Werror -I${WORK_DIR}/chosen/generated
          ${CMAKE_CURRENT_LIST_DIR}/print_addresses.cpp -o ${WORK_DIR}/print_addresses
  RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the generated header does not compile:\n${err}")
endif()
execute_process(COMMAND ${WORK_DIR}/print_addresses OUTPUT_VARIABLE printed RESULT_VARIABLE status)
set(expected "${mail}\nmailto:${mail}\n${other}\n${coax}\n")
if(NOT status EQUAL 0 OR NOT printed STREQUAL expected)
  message(FATAL_ERROR "the header holds\n${printed}instead of\n${expected}")
endif()

# Each of these stops the configuration with a message naming the variable.
set(bad_values
  "KALVORA_AUTHOR_MAIL=kalvora"
  "KALVORA_AUTHOR_MAIL=a b@example.org"
  "KALVORA_AUTHOR_MAIL=a\"b@example.org"
  "KALVORA_AUTHOR_MAIL=kalvora@example.org?subject=x"
  "KALVORA_OTHER_PROGRAMS_URL=example.org/programy"
  "KALVORA_OTHER_PROGRAMS_URL=https://example.org/a\"b"
  "KALVORA_COAX_ARTICLE_URL=https://example.org/a b"
  "KALVORA_COAX_ARTICLE_URL=https://example.org/a\\b")
set(index 0)
foreach(value IN LISTS bad_values)
  math(EXPR index "${index} + 1")
  string(REGEX REPLACE "=.*" "" variable "${value}")
  configure(${WORK_DIR}/bad${index} status output "-D${value}")
  if(status EQUAL 0 OR NOT output MATCHES "${variable} is not")
    message(FATAL_ERROR "-D${value} was accepted or not named:\n${output}")
  endif()
endforeach()
message(STATUS "configured addresses reach the header; bad ones are refused")
