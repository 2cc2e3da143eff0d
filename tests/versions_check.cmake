# The version in CMakeLists.txt (VERSION) is the newest in NEWS.md and in
# debian/changelog (SOURCE is the source tree).
file(STRINGS ${SOURCE}/NEWS.md news REGEX "^## [0-9]")
list(GET news 0 news)
file(STRINGS ${SOURCE}/debian/changelog debian REGEX "^bookmarks2menu \\(")
list(GET debian 0 debian)
if(NOT news STREQUAL "## ${VERSION}" OR
   NOT debian MATCHES "^bookmarks2menu \\(${VERSION}\\) ")
  message(FATAL_ERROR "versions differ: CMakeLists.txt ${VERSION}, "
          "NEWS.md '${news}', debian/changelog '${debian}'")
endif()
