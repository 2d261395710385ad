# How the test programs are built: they run for seconds, while compiling them costs most of every
# build (several times over with the sanitizers), so what they spend goes into compiling less.
#
# kalvora_test_headers(TARGET HEADER...): the headers every test file of TARGET includes
# (GoogleTest, Qt) parsed once for the program rather than once per file, as a precompiled
# header. Left out when a compiler cache is in use (CMAKE_CXX_COMPILER_LAUNCHER): ccache cannot
# cache a compile that reads a precompiled header unless it is configured to be sloppy about it,
# and the cache saves more. KALVORA_TEST_PCH=OFF leaves it out too.
if(CMAKE_CXX_COMPILER_LAUNCHER)
  set(kalvora_test_pch_default OFF)
else()
  set(kalvora_test_pch_default ON)
endif()
option(KALVORA_TEST_PCH "Precompile the headers the test files share" ${kalvora_test_pch_default})

function(kalvora_test_headers target)
  if(KALVORA_TEST_PCH)
    target_precompile_headers(${target} PRIVATE ${ARGN})
  endif()
endfunction()

# kalvora_test_link(TARGET): in the WebAssembly build a test program is linked without the
# optimiser's passes over the whole module (-O1 instead of the build type's -O3): the program code
# it tests was compiled with the build type's optimisation all the same, the link takes a second
# instead of fifteen, and the tests run as fast. The browser's module and kalvora-calc, which are
# delivered, keep the full link.
function(kalvora_test_link target)
  if(EMSCRIPTEN)
    target_link_options(${target} PRIVATE -O1)
  endif()
endfunction()
