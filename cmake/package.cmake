# The Debian package, made by `cpack` from the install target: roadshift_<version>_<arch>.deb.
# Included at the end of the top-level CMakeLists.txt.

# The release date as seconds since 1970 (midnight UTC), and its day as a Debian changelog
# writes it (Thu, 09 Jan 2031), by the civil-calendar arithmetic, so that no tool beyond CMake
# is needed.
function(roadshift_release_day date out_epoch out_day)
  if(NOT date MATCHES "^([0-9][0-9][0-9][0-9])-([01][0-9])-([0-3][0-9])$")
    message(FATAL_ERROR "The release date '${date}' is not written as YYYY-MM-DD")
  endif()
  set(year ${CMAKE_MATCH_1})
  set(y ${CMAKE_MATCH_1})
  set(month ${CMAKE_MATCH_2})
  set(day ${CMAKE_MATCH_3})
  string(REGEX REPLACE "^0" "" m "${month}")
  string(REGEX REPLACE "^0" "" d "${day}")
  if(m LESS_EQUAL 2)
    math(EXPR y "${y} - 1")
    math(EXPR shifted_month "${m} + 9")
  else()
    math(EXPR shifted_month "${m} - 3")
  endif()
  math(EXPR era "${y} / 400")
  math(EXPR year_of_era "${y} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${shifted_month} + 2) / 5 + ${d} - 1")
  math(EXPR day_of_era
       "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
  math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
  math(EXPR epoch "${days} * 86400")
  # 1 January 1970 was a Thursday.
  math(EXPR weekday "(${days} + 4) % 7")
  set(weekdays Sun Mon Tue Wed Thu Fri Sat)
  list(GET weekdays ${weekday} weekday_name)
  math(EXPR month_index "${m} - 1")
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET months ${month_index} month_name)
  set(${out_epoch} ${epoch} PARENT_SCOPE)
  set(${out_day} "${weekday_name}, ${day} ${month_name} ${year}" PARENT_SCOPE)
endfunction()
roadshift_release_day(${ROADSHIFT_RELEASE_DATE} ROADSHIFT_RELEASE_EPOCH release_day)

# The changelog's latest entry is this release: its version, and its date on the release day.
file(STRINGS ${PROJECT_SOURCE_DIR}/data/changelog changelog_head LIMIT_COUNT 1)
file(STRINGS ${PROJECT_SOURCE_DIR}/data/changelog changelog_dates REGEX "^ -- ")
list(GET changelog_dates 0 changelog_date)
string(REPLACE ", 0" ", 0?" release_day_pattern "${release_day}")
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
if(NOT changelog_head MATCHES "^roadshift \\(${version_pattern}\\) "
   OR NOT changelog_date MATCHES ">  ${release_day_pattern} ")
  message(FATAL_ERROR "data/changelog's latest entry is not version ${PROJECT_VERSION} of "
                      "${release_day}:\n${changelog_head}\n${changelog_date}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME roadshift)
set(CPACK_PACKAGE_VENDOR "The Roadshift developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: lay a road of sliding tiles for a driving car")
set(CPACK_PACKAGE_DESCRIPTION
    "Eight by six road tiles lie on the grass with one place left empty. After a\n"
    "countdown a little red car drives off by itself along whatever road lies\n"
    "ahead. Slide and turn the tiles to lay a road in front of it and lead it\n"
    "into one of the exits. The best winning scores enter a top-ten table.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL ${ROADSHIFT_HOMEPAGE})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(ROADSHIFT_MAINTAINER "The Roadshift developers <roadshift@users.noreply.github.com>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${ROADSHIFT_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time by the sound player, so the library scan does not see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libopenal1")

# The faces ui/fonts.cpp puts in place of the layout's fonts, the one that letters Cyrillic where
# Comic Neue has none (Andika), the one for Chinese, Japanese and Korean (Noto Sans CJK, in each
# language's own shapes), and the one that draws emoji in a player's name. They only make the
# game look as drawn: without them Qt falls back to the system's default faces (fontconfig itself depends on one, as a rule DejaVu Sans) and the game
# starts and reads the same, a wider face cutting a heading short here and there. So they are
# recommended, which apt installs by default, rather than required. One package a line.
set(ROADSHIFT_RECOMMENDED_FONTS
    fonts-dejavu-core
    fonts-liberation
    fonts-comic-neue
    fonts-sil-andika
    fonts-dseg
    fonts-noto-cjk
    fonts-noto-color-emoji
)
list(JOIN ROADSHIFT_RECOMMENDED_FONTS ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)

# Debian's games live in /usr/games: the packing moves the executable there after installing,
# while a plain `cmake --install` follows GNUInstallDirs (set CMAKE_INSTALL_BINDIR to change it).
set(CPACK_ROADSHIFT_BINDIR ${CMAKE_INSTALL_BINDIR})
set(CPACK_ROADSHIFT_STRIP ${CMAKE_STRIP})
set(CPACK_ROADSHIFT_LINTIAN_OVERRIDES ${PROJECT_SOURCE_DIR}/data/lintian-overrides)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/package_staging.cmake)

# The same build packs to the same bytes: every date in the package is the release day, unless
# the builder sets SOURCE_DATE_EPOCH, which then wins.
set(CPACK_ROADSHIFT_RELEASE_EPOCH ${ROADSHIFT_RELEASE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/package_time.cmake)

include(CPack)
