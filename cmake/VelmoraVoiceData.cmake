# The Japanese HTS voices the voice libraries speak with, and the licence
# texts that go with them. They are too large for the repository and are
# not ours to change: scripts/fetch-voices keeps them, checked against their
# checksums, in a cache outside the source tree (downloading them only while
# that is incomplete), and they are laid out in <program folder>/htsvoice/,
# where every voice library finds them next to its own folder, in the build
# tree as installed (packaging/ installs the folder).
#
# Sets VELMORA_HTS_VOICE_DIR (that folder) and VELMORA_HTS_VOICE_FILES.

set(VELMORA_HTS_VOICE_FILES
  mei_normal.htsvoice mei_happy.htsvoice mei_bashful.htsvoice mei_angry.htsvoice
  mei_sad.htsvoice nitech_jp_atr503_m001.htsvoice
  Mei-COPYRIGHT.txt Mei-README.txt M001-COPYING.txt M001-README.txt)
set(VELMORA_HTS_VOICE_DIR ${VELMORA_PROGRAM_DIR}/htsvoice)

set(velmora_fetch_voices ${CMAKE_CURRENT_LIST_DIR}/../scripts/fetch-voices)
message(CHECK_START "Looking for the HTS voices")
# Quick when the cache is complete: it only checks the files' checksums.
execute_process(
  COMMAND bash ${velmora_fetch_voices}
  RESULT_VARIABLE velmora_fetch_result
  OUTPUT_VARIABLE velmora_fetch_output
  ERROR_VARIABLE velmora_fetch_error
  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_STRIP_TRAILING_WHITESPACE)
if(NOT velmora_fetch_result EQUAL 0)
  message(CHECK_FAIL "not available")
  if(velmora_fetch_error STREQUAL "")
    set(velmora_fetch_error "scripts/fetch-voices failed (${velmora_fetch_result})")
  endif()
  message(FATAL_ERROR "${velmora_fetch_error}")
endif()
# The cache folder is the last line; a line before it means a download.
string(REGEX REPLACE "^.*\n" "" velmora_voice_cache "${velmora_fetch_output}")
if(velmora_fetch_output MATCHES "\n")
  message(CHECK_PASS "downloaded into ${velmora_voice_cache}")
else()
  message(CHECK_PASS "${velmora_voice_cache}")
endif()

# Copied now, so the folder is complete whichever targets are built.
# configure_file makes each cached file an input of the configuration, so a
# cache that is cleared or changed makes the next build check it again; the
# copies are inputs too, so one deleted from the build tree comes back.
set(velmora_voice_copies)
foreach(velmora_voice_file IN LISTS VELMORA_HTS_VOICE_FILES)
  configure_file(${velmora_voice_cache}/${velmora_voice_file}
                 ${VELMORA_HTS_VOICE_DIR}/${velmora_voice_file} COPYONLY)
  list(APPEND velmora_voice_copies ${VELMORA_HTS_VOICE_DIR}/${velmora_voice_file})
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${velmora_fetch_voices} ${velmora_voice_copies})
