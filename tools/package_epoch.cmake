# Read by cpack before it packs: every time in the package is the last
# commit's (unless SOURCE_DATE_EPOCH is set already), so two builds of one
# commit give the same bytes, wherever they are.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_TESS_SOURCE}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
  if(NOT failed)
    set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  endif()
endif()
