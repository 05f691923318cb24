# Read by cpack before it packs: the release day is the date of every file in the package unless
# the builder has set SOURCE_DATE_EPOCH (cmake/package.cmake).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_ROADSHIFT_RELEASE_EPOCH})
endif()
