# Run by cpack on the staged package before it is packed: moves the programs to
# /usr/games, where Debian keeps games, strips them as Debian does, compresses
# the manual pages and adds the documents of /usr/share/doc/textshow.
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(doc ${staged}/share/doc/${CPACK_PACKAGE_NAME})

file(RENAME ${staged}/bin ${staged}/games)
file(GLOB programs ${staged}/games/*)
execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded ${programs}
                COMMAND_ERROR_IS_FATAL ANY)

file(MAKE_DIRECTORY ${doc})
file(COPY ${CPACK_TEXTSHOW_DOCUMENTS} DESTINATION ${doc}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

file(GLOB manual_pages ${staged}/share/man/man6/*.6)
foreach(compressed IN LISTS manual_pages ITEMS ${doc}/changelog.Debian)
  # -n leaves out the name and time, so that the same sources give the same package.
  execute_process(COMMAND gzip -9nf ${compressed} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
