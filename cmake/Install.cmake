# Installing Cartaflex like a desktop program: `cmake --install build --prefix P` puts the
# two executables in P/bin and everything they ship with in P/share. The program knows it
# is installed when P/share/cartaflex sits beside P/bin (see platform/ProgramFolder.h);
# it then keeps the archive, settings and Logo.bmp in the per-user data folder.
set(CARTAFLEX_APP_ID it.cartaflex.Cartaflex)
set(CARTAFLEX_SHARE_DIR share/cartaflex)
set(CARTAFLEX_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)
set(CARTAFLEX_MADE_DIR ${CMAKE_BINARY_DIR}/installed)

# The pictures made from the program's SVG artwork: icon sizes and sample logos.
add_executable(cartaflex-picture tools/picture/SvgPicture.cpp)
target_link_libraries(cartaflex-picture PRIVATE Qt6::Gui Qt6::Svg)

set(_made_pictures)
function(cartaflex_picture svg output width)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CARTAFLEX_MADE_DIR}
    COMMAND cartaflex-picture -platform offscreen ${svg} ${output} ${width}
    DEPENDS cartaflex-picture ${svg}
    VERBATIM)
  set(_made_pictures ${_made_pictures} ${output} PARENT_SCOPE)
endfunction()

set(_icon_svg ${CARTAFLEX_DESKTOP_DIR}/${CARTAFLEX_APP_ID}.svg)
foreach(size 48 256)
  cartaflex_picture(${_icon_svg} ${CARTAFLEX_MADE_DIR}/${CARTAFLEX_APP_ID}-${size}.png ${size})
endforeach()
set(_sample_logos)
foreach(name campione_piccolo campione_medio campione_grande)
  cartaflex_picture(${CMAKE_SOURCE_DIR}/resources/art/${name}.svg
                    ${CARTAFLEX_MADE_DIR}/${name}.bmp 240)
  list(APPEND _sample_logos ${CARTAFLEX_MADE_DIR}/${name}.bmp)
endforeach()

# The manual page of cartaflex-cli, written from the commands the terminal front end
# registers (those of --help): the same command files, without its main().
get_target_property(_cli_sources cartaflex-cli SOURCES)
get_target_property(_cli_dir cartaflex-cli SOURCE_DIR)
set(_cli_commands)
foreach(f ${_cli_sources})
  get_filename_component(_abs ${f} ABSOLUTE BASE_DIR ${_cli_dir})
  if(NOT _abs MATCHES "/main\\.cpp$")
    list(APPEND _cli_commands ${_abs})
  endif()
endforeach()
add_executable(cartaflex-cli-manpage tools/manpage/CliManPage.cpp ${_cli_commands})
get_target_property(_cli_libraries cartaflex-cli LINK_LIBRARIES)
target_link_libraries(cartaflex-cli-manpage PRIVATE ${_cli_libraries})

set(_man ${CARTAFLEX_MADE_DIR}/cartaflex-cli.1)
add_custom_command(
  OUTPUT ${_man} ${_man}.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CARTAFLEX_MADE_DIR}
  COMMAND cartaflex-cli-manpage ${PROJECT_VERSION} ${_man}
  COMMAND sh -c "gzip -9nc '${_man}' > '${_man}.gz'"
  DEPENDS cartaflex-cli-manpage
  COMMENT "cartaflex-cli.1"
  VERBATIM)

# The program's own manual page and the package's change log, compressed as Debian wants.
set(_gzipped)
foreach(name cartaflex.1 changelog)
  set(_gz ${CARTAFLEX_MADE_DIR}/${name}.gz)
  add_custom_command(
    OUTPUT ${_gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CARTAFLEX_MADE_DIR}
    COMMAND sh -c "gzip -9nc '${CARTAFLEX_DESKTOP_DIR}/${name}' > '${_gz}'"
    DEPENDS ${CARTAFLEX_DESKTOP_DIR}/${name}
    VERBATIM)
  list(APPEND _gzipped ${_gz})
endforeach()

add_custom_target(installed_files ALL DEPENDS ${_made_pictures} ${_man}.gz ${_gzipped})

# The Italian translations of Qt's own dialogs that the program loads.
get_target_property(_qmake Qt6::qmake IMPORTED_LOCATION)
execute_process(COMMAND ${_qmake} -query QT_INSTALL_TRANSLATIONS
                OUTPUT_VARIABLE _qt_translations OUTPUT_STRIP_TRAILING_WHITESPACE)
set(CARTAFLEX_QT_TRANSLATION ${_qt_translations}/qtbase_it.qm)
if(NOT EXISTS ${CARTAFLEX_QT_TRANSLATION})
  message(WARNING "${CARTAFLEX_QT_TRANSLATION} is missing (package qt6-translations-l10n): "
                  "the installed program's dialogs will speak English")
endif()

install(TARGETS cartaflex cartaflex-cli RUNTIME DESTINATION bin)
install(FILES ${CARTAFLEX_DESKTOP_DIR}/${CARTAFLEX_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CARTAFLEX_DESKTOP_DIR}/${CARTAFLEX_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${_icon_svg} DESTINATION share/icons/hicolor/scalable/apps)
foreach(size 48 256)
  install(FILES ${CARTAFLEX_MADE_DIR}/${CARTAFLEX_APP_ID}-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${CARTAFLEX_APP_ID}.png)
endforeach()
install(FILES ${CARTAFLEX_PROGRAM_DIR}/Guida.pdf DESTINATION ${CARTAFLEX_SHARE_DIR})
install(FILES ${_sample_logos} DESTINATION ${CARTAFLEX_SHARE_DIR}/loghi)
install(FILES ${CARTAFLEX_QT_TRANSLATION} DESTINATION ${CARTAFLEX_SHARE_DIR}/translations
        OPTIONAL)
install(FILES ${_man}.gz ${CARTAFLEX_MADE_DIR}/cartaflex.1.gz DESTINATION share/man/man1)
install(FILES ${CARTAFLEX_DESKTOP_DIR}/copyright ${CARTAFLEX_MADE_DIR}/changelog.gz
        DESTINATION share/doc/cartaflex)
include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
