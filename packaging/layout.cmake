# Where everything is installed: Debian's layout for games, under any prefix.
include(GNUInstallDirs)

set(PONORKA_INSTALL_GAMESDIR games CACHE STRING
  "Folder of the programs, relative to the prefix (Debian installs games in /usr/games)")
set(PONORKA_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/games/ponorka CACHE STRING
  "Folder of the game's data (gfx/, sfx/, data/fonts/), relative to the prefix")
set(PONORKA_FONT_LINKS absolute CACHE STRING
  "How the installed data/fonts/ links to the system's fonts: absolute (any unpacked tree works) or relative (Debian policy, for the package)")
set_property(CACHE PONORKA_FONT_LINKS PROPERTY STRINGS absolute relative)

get_filename_component(PONORKA_FULL_GAMESDIR ${PONORKA_INSTALL_GAMESDIR} ABSOLUTE BASE_DIR ${CMAKE_INSTALL_PREFIX})
get_filename_component(PONORKA_FULL_DATADIR ${PONORKA_INSTALL_DATADIR} ABSOLUTE BASE_DIR ${CMAKE_INSTALL_PREFIX})
# The data as seen from the installed program: an unpacked tree works wherever it lies,
# and a package built for another prefix than this configuration's still finds it.
file(RELATIVE_PATH PONORKA_DATA_FROM_GAMESDIR ${PONORKA_FULL_GAMESDIR} ${PONORKA_FULL_DATADIR})
# The translation catalogues go to share/locale; the game finds them the same way.
set(PONORKA_FULL_LOCALEDIR ${CMAKE_INSTALL_FULL_LOCALEDIR})
file(RELATIVE_PATH PONORKA_LOCALE_FROM_GAMESDIR ${PONORKA_FULL_GAMESDIR} ${PONORKA_FULL_LOCALEDIR})

# The desktop icons, drawn by the asset generator.
set(PONORKA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(PONORKA_ICON_SIZES 48 64 128 256)

# One reverse-DNS id names the desktop entry and the AppStream metadata.
set(PONORKA_APP_ID io.github.ponorka.Ponorka)
set(PONORKA_HOMEPAGE https://ponorka.github.io/ CACHE STRING "The project's home page")
set(PONORKA_SCREENSHOT_BASE ${PONORKA_HOMEPAGE}screenshots CACHE STRING
  "Where the pictures of docs/screenshots are published, for the AppStream metadata")
