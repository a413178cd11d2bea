# Where `cmake --install` puts the game, relative to the prefix. Debian keeps
# games in <prefix>/games and their data in <prefix>/share/games/<name>. The
# game finds its data from its own place by the relative path between the two,
# so any prefix works and a moved installation keeps working.
set(PZ_INSTALL_GAMESDIR games CACHE STRING "Folder of the installed program, relative to the prefix")
set(PZ_INSTALL_DATADIR share/games/plimb-zappets CACHE STRING "Game data root once installed, relative to the prefix")
foreach(dir PZ_INSTALL_GAMESDIR PZ_INSTALL_DATADIR)
  if(IS_ABSOLUTE "${${dir}}")
    message(FATAL_ERROR "${dir} must be relative to the install prefix, not \"${${dir}}\"")
  endif()
endforeach()
file(RELATIVE_PATH PZ_DATA_FROM_GAMESDIR /${PZ_INSTALL_GAMESDIR} /${PZ_INSTALL_DATADIR})

# The reverse-DNS name of the desktop entry, icons and AppStream metainfo.
set(PZ_APP_ID io.github.plimbzappets.PlimbZappets)
# Folders made by the installation are readable by everyone whatever the
# installing user's umask, as a package's must be.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
