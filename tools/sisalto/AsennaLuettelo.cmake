# At install time: installs the files a generator's manifest names (one a line,
# relative to `lahde`) into the same subfolders of `kohde` (relative to the
# install prefix unless absolute), as install(FILES) would.
function(tavio_asenna_luettelo luettelo lahde kohde)
  if(NOT EXISTS "${luettelo}")
    message(FATAL_ERROR "${luettelo} is missing: build before installing")
  endif()
  if(NOT IS_ABSOLUTE "${kohde}")
    set(kohde "${CMAKE_INSTALL_PREFIX}/${kohde}")
  endif()
  file(STRINGS "${luettelo}" tiedostot)
  foreach(tiedosto IN LISTS tiedostot)
    get_filename_component(alikansio "${tiedosto}" DIRECTORY)
    file(INSTALL DESTINATION "${kohde}/${alikansio}" TYPE FILE FILES "${lahde}/${tiedosto}")
  endforeach()
endfunction()
