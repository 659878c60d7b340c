# Libraries loaded at their first call instead of at process start.
#
# comdlg32 (file, font and page set-up dialogs), shell32 (dropped files) and
# winspool (printing) serve nothing of the first screen; imported the usual way
# they and what they pull in (shlwapi, shcore, compstui) are loaded before
# WinMain runs. fonexa_delay_import(NAME DLL) makes a delay-load import library
# from the toolchain's import library (its __imp_ names written to a .def file
# for dlltool) and sets FONEXA_DELAY_NAME to its path.
function(fonexa_delay_import name dll)
  find_library(import_library_${name} NAMES lib${name}.a REQUIRED)
  set(import_library ${import_library_${name}})
  set(folder ${CMAKE_BINARY_DIR}/delay_imports)
  set(definitions ${folder}/${name}.def)
  set(delay_library ${folder}/lib${name}_delay.a)
  if(NOT EXISTS ${delay_library} OR ${import_library} IS_NEWER_THAN ${delay_library})
    file(MAKE_DIRECTORY ${folder})
    execute_process(COMMAND ${CMAKE_NM} -g ${import_library} OUTPUT_VARIABLE symbols
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE " I __imp_" "")
    list(REMOVE_DUPLICATES imports)
    list(JOIN imports "\n" exports)
    file(WRITE ${definitions} "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} --def ${definitions} --dllname ${dll}
                            --output-delaylib ${delay_library}
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
  string(TOUPPER ${name} upper)
  set(FONEXA_DELAY_${upper} ${delay_library} PARENT_SCOPE)
endfunction()

fonexa_delay_import(comdlg32 comdlg32.dll)
fonexa_delay_import(shell32 shell32.dll)
fonexa_delay_import(winspool winspool.drv)
