# The functions that turn the assets into what the program embeds, at build
# time: raw pixels from the pictures (tools/rawpix) and faces cut down from
# the bundled fonts (tools/fontsubset/subset_font.py, with fontTools: Debian's
# fonttools package serves the system's Python, which is looked for first).

# The converter runs on this machine: in a cross build, the one built for it
# (RINGCOIL_HOST_RAWPIX, `tools/dev windows` takes the native build's).
if(CMAKE_CROSSCOMPILING)
  set(RINGCOIL_HOST_RAWPIX "" CACHE FILEPATH "ringcoil-rawpix built for the build machine")
  if(NOT EXISTS "${RINGCOIL_HOST_RAWPIX}")
    message(FATAL_ERROR "A cross build needs RINGCOIL_HOST_RAWPIX, ringcoil-rawpix built for this machine")
  endif()
  set(ringcoil_rawpix ${RINGCOIL_HOST_RAWPIX})
  set(ringcoil_rawpix_depends ${RINGCOIL_HOST_RAWPIX})
else()
  set(ringcoil_rawpix $<TARGET_FILE:ringcoil-rawpix>)
  set(ringcoil_rawpix_depends ringcoil-rawpix)
endif()

# ringcoil_raw_pictures(OUT_VAR NAME...): the .rgb32 files made from
# assets/NAME.png in the build tree.
function(ringcoil_raw_pictures out_var)
  set(outputs)
  foreach(name IN LISTS ARGN)
    set(input ${PROJECT_SOURCE_DIR}/assets/${name}.png)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/raw/${name}.rgb32)
    add_custom_command(OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/raw
      COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${ringcoil_rawpix} ${input} ${output}
      DEPENDS ${ringcoil_rawpix_depends} ${input}
      COMMENT "Raw pixels of ${name}.png"
      VERBATIM)
    list(APPEND outputs ${output})
  endforeach()
  set(${out_var} ${outputs} PARENT_SCOPE)
endfunction()

set(RINGCOIL_FONTTOOLS_PYTHON "" CACHE FILEPATH "A Python 3 that has fontTools")
if(NOT RINGCOIL_FONTTOOLS_PYTHON)
  find_program(path_python3 python3)
  foreach(candidate /usr/bin/python3 ${path_python3})
    execute_process(COMMAND ${candidate} -c "import fontTools.subset"
                    RESULT_VARIABLE missing OUTPUT_QUIET ERROR_QUIET)
    if(missing EQUAL 0)
      set(RINGCOIL_FONTTOOLS_PYTHON ${candidate} CACHE FILEPATH "A Python 3 that has fontTools" FORCE)
      break()
    endif()
  endforeach()
  if(NOT RINGCOIL_FONTTOOLS_PYTHON)
    message(FATAL_ERROR "No Python 3 with fontTools found: apt-get install fonttools")
  endif()
endif()

# ringcoil_font_face(OUT_VAR SOURCE FAMILY OUTPUT [UNICODES]): the face made
# from assets/fonts/SOURCE, named FAMILY, with the characters UNICODES lists
# (all of them when it is left out), as fonts/OUTPUT in the build tree.
function(ringcoil_font_face out_var source family output)
  set(script ${PROJECT_SOURCE_DIR}/tools/fontsubset/subset_font.py)
  set(input ${PROJECT_SOURCE_DIR}/assets/fonts/${source})
  set(face ${CMAKE_CURRENT_BINARY_DIR}/fonts/${output})
  add_custom_command(OUTPUT ${face}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/fonts
    COMMAND ${RINGCOIL_FONTTOOLS_PYTHON} ${script} ${input} ${face} ${family} ${ARGN}
    DEPENDS ${script} ${input}
    COMMENT "Font face ${output} from ${source}"
    VERBATIM)
  set(${out_var} ${face} PARENT_SCOPE)
endfunction()
