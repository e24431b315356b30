# The page scripts' engine: Duktape, compiled into the program from the
# embeddable sources Debian's duktape-dev ships (the same C sources serve the
# Windows build). Its configuration gets the execution time check switched
# on, which the stock configuration leaves off.
set(LUMO_DUKTAPE_SOURCE_DIR /usr/share/duktape CACHE PATH "Folder with duktape.c, duktape.h and duk_config.h")
if(NOT EXISTS ${LUMO_DUKTAPE_SOURCE_DIR}/duktape.c)
  message(FATAL_ERROR "No duktape.c in ${LUMO_DUKTAPE_SOURCE_DIR} (apt-get install duktape-dev)")
endif()
set(lumo_duktape_dir ${CMAKE_BINARY_DIR}/duktape)
file(READ ${LUMO_DUKTAPE_SOURCE_DIR}/duk_config.h lumo_duk_config)
foreach(switch "#undef DUK_USE_EXEC_TIMEOUT_CHECK" "#undef DUK_USE_INTERRUPT_COUNTER")
  string(FIND "${lumo_duk_config}" "${switch}\n" lumo_found)
  if(lumo_found EQUAL -1)
    message(FATAL_ERROR "${LUMO_DUKTAPE_SOURCE_DIR}/duk_config.h has no line '${switch}'")
  endif()
endforeach()
string(REPLACE "#undef DUK_USE_EXEC_TIMEOUT_CHECK\n"
               "#if defined(__cplusplus)\nextern \"C\"\n#endif\nint lumo_duktape_timed_out(void *udata);\n#define DUK_USE_EXEC_TIMEOUT_CHECK(udata) lumo_duktape_timed_out(udata)\n"
               lumo_duk_config "${lumo_duk_config}")
string(REPLACE "#undef DUK_USE_INTERRUPT_COUNTER\n" "#define DUK_USE_INTERRUPT_COUNTER\n" lumo_duk_config
               "${lumo_duk_config}")
file(WRITE ${lumo_duktape_dir}/duk_config.h.new "${lumo_duk_config}")
file(COPY_FILE ${lumo_duktape_dir}/duk_config.h.new ${lumo_duktape_dir}/duk_config.h ONLY_IF_DIFFERENT)
file(COPY_FILE ${LUMO_DUKTAPE_SOURCE_DIR}/duktape.h ${lumo_duktape_dir}/duktape.h ONLY_IF_DIFFERENT)
file(COPY_FILE ${LUMO_DUKTAPE_SOURCE_DIR}/duktape.c ${lumo_duktape_dir}/duktape.c ONLY_IF_DIFFERENT)

add_library(lumo_duktape STATIC ${lumo_duktape_dir}/duktape.c)
target_include_directories(lumo_duktape SYSTEM PUBLIC ${lumo_duktape_dir})
# Third-party code: built as it comes, without our warnings.
set_target_properties(lumo_duktape PROPERTIES C_STANDARD 99 POSITION_INDEPENDENT_CODE ON)
target_compile_options(lumo_duktape PRIVATE -w)
if(NOT WIN32)
  target_link_libraries(lumo_duktape PRIVATE m)
endif()
