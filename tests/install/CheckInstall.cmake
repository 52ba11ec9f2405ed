# cmake -DBUILD=<build dir> -DROOT=<scratch dir> -DEXPECTED=<files> -DOPTIONAL=<files>
#       -DPROGRAM=<bin/KTX2300M> -P CheckInstall.cmake
# Installs into ROOT/prefix, compares the installed files with EXPECTED (plus OPTIONAL ones),
# then starts the installed program offscreen with a user configuration that names a TCP
# instrument and a shipped profile by name, and checks that it found its library and profile.
cmake_policy(VERSION 3.25)
set(prefix ${ROOT}/prefix)
file(REMOVE_RECURSE ${ROOT})
file(MAKE_DIRECTORY ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
foreach(file IN LISTS EXPECTED)
  if(NOT EXISTS ${prefix}/${file})
    message(SEND_ERROR "not installed: ${file}")
  endif()
endforeach()
foreach(file IN LISTS installed)
  if(NOT file IN_LIST EXPECTED AND NOT file IN_LIST OPTIONAL)
    message(SEND_ERROR "installed but not wanted: ${file}")
  endif()
endforeach()

# The user's configuration names an instrument nobody listens for and the shipped profile by
# name; the call log then shows connection failures, not a configuration error.
set(config ${ROOT}/config)
file(WRITE ${config}/KTX2300M/pwrio.conf
     "backend = tcp://127.0.0.1:9\ntimeout_ms = 50\nprofile = generic-scpi.profile\n")
set(ENV{XDG_CONFIG_HOME} ${config})
set(ENV{XDG_CONFIG_DIRS} ${ROOT}/xdg)
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{PWRIO_SIM_LOG} ${ROOT}/calls.log)
foreach(variable LD_LIBRARY_PATH PWRIO_LIBRARY PWRIO_BACKEND PWRIO_CONFIG PWRIO_PROFILE)
  unset(ENV{${variable}})
endforeach()
execute_process(COMMAND ${prefix}/${PROGRAM} --screenshot ${ROOT}/shot.png --after 1500
                WORKING_DIRECTORY ${ROOT} RESULT_VARIABLE status
                OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT status EQUAL 0 OR NOT EXISTS ${ROOT}/shot.png)
  message(FATAL_ERROR "the installed program failed (${status}): ${out}${err}")
endif()
if(err MATCHES "message: The device library")
  message(SEND_ERROR "the installed program did not find its library: ${err}")
endif()
file(READ ${ROOT}/calls.log log)
if(log MATCHES "config error" OR NOT log MATCHES "cause=no_connect")
  message(SEND_ERROR "the user's configuration or the shipped profile was not used:\n${log}")
endif()
